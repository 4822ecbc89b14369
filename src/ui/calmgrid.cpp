#include "ui/calmgrid.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "ui/calmstyle.h"

namespace {

constexpr int PAD = 6;     // text in from its cell's edge
constexpr int RADIUS = 3;  // of the current move's ground

}  // namespace

bool gridRowFilled(const GridRows& g, int m) { return std::max(1, 2 * m - 1 - g.shift) <= g.recorded; }

void drawCalmGrid(QPixmap& bitmap, const QFont& font, const GridRows& g) {
  const int width = bitmap.width();
  const int u = width / 7;
  QPainter p(&bitmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.fillRect(bitmap.rect(), calm::PAGE);
  QFont bold = font;
  bold.setWeight(QFont::Bold);
  const QFontMetrics fm(font);
  for (int c = 0; c < g.rows; ++c) {
    const int m = g.firstRow + c;
    if (!gridRowFilled(g, m)) break;
    const QRect row(0, g.rowHeight * c, width, g.rowHeight);
    if (m % 2 == 0) p.fillRect(row, calm::STRIPE);
    p.setFont(font);
    p.setPen(calm::MUTED);
    p.drawText(QRect(0, row.top(), u - PAD / 2, row.height()), Qt::AlignRight | Qt::AlignVCenter,
               QString::number(g.firstNumber + m) + ".");
    const int half[2] = {2 * m - 1 - g.shift, 2 * m - g.shift};
    const QRect cell[2] = {QRect(u + PAD / 2, row.top() + 1, 3 * u - PAD, row.height() - 2),
                           QRect(4 * u + PAD / 2, row.top() + 1, 3 * u - PAD, row.height() - 2)};
    for (int k = 0; k < 2; ++k) {
      if (half[k] < 1 || half[k] > g.recorded) continue;
      const QString t = g.text(half[k]);
      if (half[k] == g.shown) {
        p.setPen(Qt::NoPen);
        p.setBrush(calm::CURRENT);
        p.drawRoundedRect(QRect(cell[k].left(), cell[k].top(),
                                std::min(cell[k].width(), fm.horizontalAdvance(t) + 2 * PAD), cell[k].height()),
                          RADIUS, RADIUS);
      }
      p.setFont(half[k] == g.hovered || half[k] == g.shown ? bold : font);
      p.setPen(calm::INK);
      p.drawText(cell[k].adjusted(PAD, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, t);
    }
  }
}
