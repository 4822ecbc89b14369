#include "ui/indicatore.h"

#include <QPainter>
#include <QPen>

namespace {
const QRgb colori[8] = {0xFFFFFF, 0xC0C0C0, 0x808080, 0x808080, 0x808080, 0x808080, 0x808080, 0xFFFF00};
}

Cornice::Cornice(QWidget* parent) : QWidget(parent) {}

QColor Cornice::coloresegmento(int segmento, int fase) { return QColor(colori[((segmento + fase) % 8 + 8) % 8]); }

void Cornice::disegna(int fase) {
  fase_ = ((fase % 8) + 8) % 8;
  update();
}

void Cornice::spenta() {
  if (fase_ < 0) return;
  fase_ = -1;
  update();
}

void Cornice::paintEvent(QPaintEvent*) {
  if (fase_ < 0) return;
  const int w = width(), h = height();
  const QPoint punti[9] = {{0, 0},           {w / 3, 0}, {(2 * w) / 3, 0}, {w, 0}, {w, h},
                           {(2 * w) / 3, h}, {w / 3, h}, {0, h},           {0, 0}};
  QPainter p(this);
  for (int s = 0; s < 8; ++s) {
    QPen penna(coloresegmento(s, fase_));
    penna.setWidth(4);
    p.setPen(penna);
    p.drawLine(punti[s], punti[s + 1]);
  }
}
