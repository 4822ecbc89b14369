// Drawing helpers of the move grid: a text placed in a cell (centred, left,
// right or at the cell's start, squeezed into the cell when it does not fit)
// and a line, both on the grid's off-screen bitmap.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QPainter;

// Where a text of tw x th goes in the cell (x1, y1)-(x2, y2), with sw the
// width of one blank. A text that fits is written at (x, y); one that does
// not is drawn on a bitmap of its own size and stretched into destinazione.
struct PostoTesto {
  bool stirato = false;
  int x = 0, y = 0;
  QRect destinazione;
};
PostoTesto textPlace(int x1, int y1, char allineamento, int tw, int th, int sw, int y2, int x2);

// videoscritta: alignment 'c' centred, 's' left (one blank in), 'd' right
// (one blank in), anything else at x1. Uses the painter's font.
void videoscritta(QPainter& p, int x1, int y1, const QColor& colore, char allineamento, const QString& testo, int y2,
                  int x2);
// videolinea: a black line of the given pen width.
void videolinea(QPainter& p, int x1, int y1, int spessore, int y2, int x2);

// The grid's background grey.
inline QColor grigiogriglia() { return QColor(128, 128, 128); }
