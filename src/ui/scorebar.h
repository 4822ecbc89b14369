// The score bar beside the board: how the engine sees the position shown,
// as White's share of a thin vertical bar (White's part on White's side of
// the board) and the score written at its end.
#pragma once

#include <QWidget>
#include <optional>

class ScoreBar : public QWidget {
  Q_OBJECT

 public:
  explicit ScoreBar(QWidget* parent = nullptr);

  // The score of the position shown (centipawns from White's side, mates
  // beyond ±31000) with its side to move; nothing: no score, an even bar
  // without a text.
  void setScore(std::optional<int> whiteScore, bool whiteToMove);
  std::optional<int> score() const { return score_; }
  // Whether White's side of the board is at the bottom.
  void setWhiteAtBottom(bool bottom);
  // White's share of the bar, 0 to 1.
  double whiteShare() const;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  std::optional<int> score_;
  bool whiteToMove_ = true;
  bool whiteAtBottom_ = true;
};
