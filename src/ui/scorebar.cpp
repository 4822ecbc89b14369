#include "ui/scorebar.h"

#include <QPainter>
#include <algorithm>

#include "game/coachscore.h"

namespace {

// Beyond five pawns (and at a mate) the bar is full.
constexpr int FULL_BAR = 500;
constexpr int WIDTH = 18;
constexpr int TEXT_LENGTH = 40;  // the part of the bar its text runs along
const QColor WHITE_PART(240, 240, 236);
const QColor BLACK_PART(48, 48, 48);
const QColor OUTLINE(128, 128, 128);

}  // namespace

ScoreBar::ScoreBar(QWidget* parent) : QWidget(parent) {
  setFixedWidth(WIDTH);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
}

QSize ScoreBar::sizeHint() const { return QSize(WIDTH, 200); }

void ScoreBar::setScore(std::optional<int> whiteScore, bool whiteToMove) {
  if (score_ == whiteScore && whiteToMove_ == whiteToMove) return;
  score_ = whiteScore;
  whiteToMove_ = whiteToMove;
  update();
}

void ScoreBar::setWhiteAtBottom(bool bottom) {
  if (whiteAtBottom_ == bottom) return;
  whiteAtBottom_ = bottom;
  update();
}

double ScoreBar::whiteShare() const {
  if (!score_) return 0.5;
  const int held = std::clamp(*score_, -FULL_BAR, FULL_BAR);
  return 0.5 + static_cast<double>(held) / (2.0 * FULL_BAR);
}

void ScoreBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const int h = height();
  const int white = static_cast<int>(whiteShare() * h + 0.5);
  // White's part grows from White's side of the board.
  const QRect whiteRect = whiteAtBottom_ ? QRect(0, h - white, width(), white) : QRect(0, 0, width(), white);
  p.fillRect(rect(), BLACK_PART);
  p.fillRect(whiteRect, WHITE_PART);
  p.setPen(OUTLINE);
  p.drawLine(0, h / 2, width(), h / 2);
  // White's part would melt into a light window without its edge.
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  if (!score_) return;
  // The score at the end of the side ahead, in the other part's colour.
  const bool whiteAhead = *score_ >= 0;
  QString text = QString::fromStdString(pawnsText(*score_, whiteToMove_));
  if (text.startsWith(QLatin1Char('+')) || text.startsWith(QLatin1Char('-'))) text.remove(0, 1);
  QFont f = font();
  f.setPixelSize(9);
  p.setFont(f);
  p.setPen(whiteAhead ? BLACK_PART : WHITE_PART);
  const bool atBottom = whiteAhead == whiteAtBottom_;
  const QRect band = atBottom ? QRect(0, h - TEXT_LENGTH - 2, width(), TEXT_LENGTH) : QRect(0, 2, width(), TEXT_LENGTH);
  p.save();
  // Turned a quarter, so that the text fits the bar's width.
  p.translate(band.center());
  p.rotate(-90);
  p.drawText(QRect(-band.height() / 2, -band.width() / 2, band.height(), band.width()), Qt::AlignCenter, text);
  p.restore();
}
