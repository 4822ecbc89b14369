// One player's panel: the thinking frame around the name and the clock,
// and the memo of the engine's lines beside it. The window holds two, and
// puts the one of the side at the bottom of the board below it.
//
// The panel wears the window's style: the classic grey with the side's own
// text colour, or the calm style, where the names and clocks keep the
// style's ink whatever colour the window gives them (a clock run out stays
// red) and an amber bar marks the side to move as well.
#pragma once

#include <QColor>
#include <QWidget>

#include "ui/look.h"

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
  // Marks the panel of the side to move: its name underlined, and in the
  // calm style an amber bar beside it.
  void setToMove(bool toMove);
  bool toMove() const { return toMove_; }

  void setStyle(WindowStyle style);
  WindowStyle style() const { return style_; }

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void showToMove();
  void keepInk(QLabel* l);

  Cornice* frame_;
  QLabel* name_;
  QLabel* clock_;
  QLabel* material_;
  QPlainTextEdit* memo_;
  QWidget* accent_;
  QColor textColour_;
  WindowStyle style_ = WindowStyle::Classic;
  bool toMove_ = false;
};
