#include "ui/griglia.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QPixmap>

PostoTesto textPlace(int x1, int y1, char allineamento, int tw, int th, int sw, int y2, int x2) {
  PostoTesto r;
  switch (allineamento) {
    case 'c': r.x = x1 + (x2 - x1 - tw) / 2; break;
    case 's': r.x = x1 + sw; break;
    case 'd': r.x = x2 - sw - tw; break;
    default: r.x = x1; break;
  }
  r.y = y1 + (y2 - y1 - th) / 2;
  const bool largo = !(tw < x2 - x1 - sw);
  const bool alto = !(th < y2 - y1);
  if (!largo && !alto) return r;
  r.stirato = true;
  // Rectangles from corner to corner, the far corner outside (as the
  // canvas stretches them).
  if (largo) r.destinazione = QRect(x1 + sw, r.y, (x2 - sw) - (x1 + sw), th);
  // A cell lower than the text by so much that the 10-pixel margins cross
  // would give an upside-down rectangle: it is drawn the right way up.
  else
    r.destinazione = QRect(r.x, y1 + 10, tw, (y2 - 10) - (y1 + 10)).normalized();
  return r;
}

void videoscritta(QPainter& p, int x1, int y1, const QColor& colore, char allineamento, const QString& testo, int y2,
                  int x2) {
  const QFontMetrics fm(p.font());
  const int tw = fm.horizontalAdvance(testo);
  const int th = fm.height();
  const int sw = fm.horizontalAdvance(QLatin1Char(' '));
  const PostoTesto posto = textPlace(x1, y1, allineamento, tw, th, sw, y2, x2);
  if (!posto.stirato) {
    p.setPen(colore);
    p.drawText(posto.x, posto.y + fm.ascent(), testo);
    return;
  }
  if (tw <= 0 || th <= 0) return;
  QPixmap scritta(tw, th);
  scritta.fill(grigiogriglia());
  {
    QPainter q(&scritta);
    q.setFont(p.font());
    q.setPen(colore);
    q.drawText(0, fm.ascent(), testo);
  }
  p.drawPixmap(posto.destinazione, scritta);
}

void videolinea(QPainter& p, int x1, int y1, int spessore, int y2, int x2) {
  p.setPen(QPen(QColor(0, 0, 0), spessore));
  p.drawLine(x1, y1, x2, y2);
}
