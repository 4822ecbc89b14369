// One player's panel: the thinking frame around the name and the clock,
// and the memo of the engine's lines beside it. The window holds two, and
// puts the one of the side at the bottom of the board below it.
#pragma once

#include <QColor>
#include <QWidget>

class Cornice;
class QLabel;
class QPlainTextEdit;

class PlayerPanel : public QWidget {
  Q_OBJECT

 public:
  // The object names of the panel and its parts, as the window knows them;
  // textColour is the side's colour for its name and clock.
  struct Names {
    const char *panel, *frame, *name, *clock, *memo;
  };
  PlayerPanel(const Names& names, const QColor& textColour, QWidget* parent = nullptr);

  Cornice* frame() const { return frame_; }
  QLabel* name() const { return name_; }
  QLabel* clock() const { return clock_; }
  QPlainTextEdit* memo() const { return memo_; }
  // The pieces this side has taken and its lead in material, beside the
  // frame.
  QLabel* material() const { return material_; }
  // Marks the panel of the side to move.
  void setToMove(bool toMove);
  bool toMove() const { return toMove_; }

 private:
  Cornice* frame_;
  QLabel* name_;
  QLabel* clock_;
  QLabel* material_;
  bool toMove_ = false;
  QPlainTextEdit* memo_;
};
