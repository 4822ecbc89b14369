// The move grid in the calm style: the same three columns and rows as the
// classic grid (so that a click finds the same move), but only as many rows
// as the game has moves, on a quiet page with every other row shaded, the
// move on the board on an amber ground and the move under the pointer bold.
#pragma once

#include <QFont>
#include <QPixmap>
#include <QString>
#include <functional>

struct GridRows {
  int rowHeight = 0;
  int firstRow = 1;                  // the move number's row at the top (1-based, before the offset)
  int rows = 0;                      // rows that fit
  int shift = 0;                     // 1 when the game begins with Black to move
  int firstNumber = 0;               // added to a row to give its move number
  int recorded = 0;                  // half-moves in the game
  int shown = 0;                     // the half-move whose position is on the board
  int hovered = 0;                   // the half-move under the pointer
  std::function<QString(int)> text;  // a half-move's text (1-based)
};

// Whether the grid has a row for move-row m (1-based): one of its two
// half-moves has been played.
bool gridRowFilled(const GridRows& g, int m);

void drawCalmGrid(QPixmap& bitmap, const QFont& font, const GridRows& g);
