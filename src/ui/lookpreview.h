// A small board showing a look before it is chosen: the game's position
// drawn with that look's piece set and effects, in the 3D view from close
// by or in the flat view. While it draws, the scene's shared state (the
// set, the effects, the view, the camera and the meshes) is put aside and
// given back, so that the window's board is untouched.
#pragma once

#include "graphics/gl/boardview.h"
#include "ui/look.h"

class LookPreview : public BoardView {
  Q_OBJECT

 public:
  explicit LookPreview(bool flat, QWidget* parent = nullptr);
  void showLook(const Look& look);

 protected:
  void paintGL() override;
  // The preview is a picture: the pointer and the wheel steer nothing (the
  // camera they would move is the window's).
  void mousePressEvent(QMouseEvent*) override {}
  void mouseMoveEvent(QMouseEvent*) override {}
  void mouseReleaseEvent(QMouseEvent*) override {}
  void wheelEvent(QWheelEvent*) override {}

 private:
  Look look_;
  bool flat_;
};
