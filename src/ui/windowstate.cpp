#include "ui/windowstate.h"

#include <Qt>
#include <cstring>

const char* const VERSIONSUFFIX = "";

uint8_t risultatovisibile = 0;
int32_t contatoretick = 0;
uint8_t tastipremuti[256] = {};

int keyCode(int tastoqt) {
  switch (tastoqt) {
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Space: return 32;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    default: break;
  }
  if (tastoqt >= Qt::Key_A && tastoqt <= Qt::Key_Z) return 65 + (tastoqt - Qt::Key_A);
  if (tastoqt >= Qt::Key_0 && tastoqt <= Qt::Key_9) return 48 + (tastoqt - Qt::Key_0);
  return -1;
}

void pressKey(int tastoqt) {
  const int k = keyCode(tastoqt);
  if (k >= 0) tastipremuti[k] = 1;
}

void releaseKey(int tastoqt) {
  const int k = keyCode(tastoqt);
  if (k >= 0) tastipremuti[k] = 0;
}

void releaseAllKeys() { std::memset(tastipremuti, 0, sizeof tastipremuti); }
