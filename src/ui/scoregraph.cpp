#include "ui/scoregraph.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {

// Scores beyond three pawns reach the graph's edge: the shape of a game is
// in its first pawns.
constexpr int GRAPH_LIMIT = 300;
constexpr int HEIGHT = 72;
constexpr int MARGIN = 3;  // room for the dots at the ends
constexpr int DOT = 3;     // a mark's radius
const QColor GROUND(250, 250, 246);
const QColor WHITE_AHEAD(214, 214, 206);
const QColor BLACK_AHEAD(70, 70, 70);
const QColor CURVE(40, 40, 40);
const QColor CURRENT(40, 110, 220);

QColor markColour(MoveMark m) {
  switch (m) {
    case MoveMark::dubious: return QColor(230, 190, 20);
    case MoveMark::mistake: return QColor(240, 130, 20);
    case MoveMark::blunder: return QColor(220, 30, 30);
    case MoveMark::none: break;
  }
  return QColor();
}

}  // namespace

ScoreGraph::ScoreGraph(QWidget* parent) : QWidget(parent) {
  setFixedHeight(HEIGHT);
  setCursor(Qt::PointingHandCursor);
}

QSize ScoreGraph::sizeHint() const { return QSize(180, HEIGHT); }

void ScoreGraph::setScores(const std::vector<int>& scores, const std::vector<MoveMark>& marks) {
  scores_ = scores;
  marks_ = marks;
  update();
}

void ScoreGraph::setCurrent(int halfMove) {
  if (current_ == halfMove) return;
  current_ = halfMove;
  update();
}

int ScoreGraph::halfMoveAt(int x) const {
  const int last = static_cast<int>(scores_.size()) - 1;
  if (last <= 0) return 0;
  const double step = static_cast<double>(width() - 2 * MARGIN) / last;
  return std::clamp(static_cast<int>(std::lround((x - MARGIN) / step)), 0, last);
}

QPoint ScoreGraph::pointOf(int k) const {
  const int last = std::max(1, static_cast<int>(scores_.size()) - 1);
  const double x = MARGIN + static_cast<double>(width() - 2 * MARGIN) * k / last;
  const int score = k >= 0 && k < static_cast<int>(scores_.size()) && scores_[k] != NOT_SCORED ? scores_[k] : 0;
  const double half = height() / 2.0 - MARGIN;
  const double y = height() / 2.0 - half * std::clamp(score, -GRAPH_LIMIT, GRAPH_LIMIT) / GRAPH_LIMIT;
  return QPoint(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)));
}

void ScoreGraph::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), GROUND);
  const int middle = height() / 2;
  // The area between the curve and the middle: White's lead above it in a
  // light tone, Black's below it in a dark one.
  QPainterPath area;
  area.moveTo(pointOf(0).x(), middle);
  int drawn = 0;
  for (int k = 0; k < static_cast<int>(scores_.size()) && scores_[k] != NOT_SCORED; ++k, ++drawn)
    area.lineTo(pointOf(k));
  if (drawn > 0) {
    area.lineTo(pointOf(drawn - 1).x(), middle);
    area.closeSubpath();
    p.save();
    p.setClipRect(0, 0, width(), middle);
    p.fillPath(area, WHITE_AHEAD);
    p.setClipRect(0, middle, width(), height() - middle);
    p.fillPath(area, BLACK_AHEAD);
    p.restore();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(CURVE, 1.2));
    for (int k = 1; k < drawn; ++k) p.drawLine(pointOf(k - 1), pointOf(k));
  }
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QColor(160, 160, 160));
  p.drawLine(0, middle, width(), middle);
  // Its edge sets the graph apart from a light window.
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  if (!scores_.empty()) {
    p.setPen(QPen(CURRENT, 1));
    const int x = pointOf(std::clamp(current_, 0, static_cast<int>(scores_.size()) - 1)).x();
    p.drawLine(x, 0, x, height());
  }
  p.setRenderHint(QPainter::Antialiasing);
  for (int k = 1; k < static_cast<int>(marks_.size()) && k < drawn; ++k) {
    if (marks_[k] == MoveMark::none) continue;
    p.setPen(Qt::NoPen);
    p.setBrush(markColour(marks_[k]));
    p.drawEllipse(pointOf(k), DOT, DOT);
  }
}

void ScoreGraph::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || scores_.empty() || !rect().contains(e->position().toPoint())) return;
  emit halfMoveChosen(halfMoveAt(static_cast<int>(e->position().x())));
}
