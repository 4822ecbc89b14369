#include "ui/controller.h"

#include <Qt>
#include <cstring>

#include "engine/position/game.h"
#include "engine/position/perft.h"
#include "records/notation.h"

const char* const VERSIONE = "";

uint8_t risultatovisibile = 0;
int32_t contatoretick = 0;
uint8_t tastipremuti[256] = {};

MessaggioFine messaggiofinepartita(int risultato, Autore autore, bool biancoamuovere) {
  MessaggioFine m;
  switch (risultato) {
    case GAME_STALEMATE: m.chiave = "LSTALLO"; break;
    case GAME_REPETITION: m.chiave = "L3X"; break;
    case GAME_FIFTY: m.chiave = "L50MOSSE"; break;
    case GAME_MATE:
      if (autore == Autore::MotoreBianco)
        m.chiave = "LMATTOB";
      else if (autore == Autore::MotoreNero)
        m.chiave = "LMATTON";
      else
        m.chiave = biancoamuovere ? "LMATTON" : "LMATTOB";
      break;
    case GAME_RESIGN:
      m.memo = 2;
      if (autore == Autore::MotoreBianco)
        m.chiave = "LABBANDONAB";
      else if (autore == Autore::MotoreNero)
        m.chiave = "LABBANDONAN";
      break;
    default: break;
  }
  return m;
}

int codicetasto(int tastoqt) {
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

void premitasto(int tastoqt) {
  const int k = codicetasto(tastoqt);
  if (k >= 0) tastipremuti[k] = 1;
}

void rilasciatasto(int tastoqt) {
  const int k = codicetasto(tastoqt);
  if (k >= 0) tastipremuti[k] = 0;
}

void rilasciatutti() { std::memset(tastipremuti, 0, sizeof tastipremuti); }
