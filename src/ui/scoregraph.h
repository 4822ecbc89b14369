// The score graph under the move grid: the engine's score after each
// half-move of a reviewed game (White ahead above the middle line, held
// within a few pawns), the review's marks as dots, the position shown as a
// line across; a click goes to the half-move under the pointer.
#pragma once

#include <QWidget>
#include <vector>

#include "game/review.h"

class ScoreGraph : public QWidget {
  Q_OBJECT

 public:
  explicit ScoreGraph(QWidget* parent = nullptr);

  // Entry k: the score after half-move k (NOT_SCORED where none); marks
  // entry k the mark of half-move k (may be empty).
  void setScores(const std::vector<int>& scores, const std::vector<MoveMark>& marks);
  // The half-move whose position the board shows.
  void setCurrent(int halfMove);
  // The half-move a point of the graph stands for.
  int halfMoveAt(int x) const;
  // The point of the graph for half-move k and its score.
  QPoint pointOf(int k) const;

  QSize sizeHint() const override;

 signals:
  void halfMoveChosen(int k);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  std::vector<int> scores_;
  std::vector<MoveMark> marks_;
  int current_ = 0;
};
