// The board surface: an OpenGL view that draws the scene of the root
// position with the current camera, skin and highlights.
//
// The window embeds one BoardView as its board panel, turns the left
// button and the pointer into squares and moves itself, and asks for frames
// with disegnascena. The view steers its own camera: the pointer dragged with
// the right button orbits the 3D view and the wheel zooms, both views. A frame is drawn at once
// into the widget's framebuffer and shown at Qt's next event processing;
// one that is not forced is skipped while a search runs. Qt also calls
// paintGL on its own when the surface needs its content (first show,
// resize), which draws the same scene.
#pragma once

#include <QOpenGLWidget>
#include <QPoint>
#include <QString>
#include <QSurfaceFormat>

#include "graphics/core/skinfile.h"
#include "graphics/core/squaremarks.h"
#include "graphics/gl/stauntonscene.h"

class BoardView : public QOpenGLWidget {
  Q_OBJECT

 public:
  explicit BoardView(QWidget* parent = nullptr);
  ~BoardView() override;

  // The surface the scene needs: double-buffered RGBA with a depth buffer,
  // compatibility profile (fixed-function pipeline).
  static QSurfaceFormat formatoscena();

  // Loads a skin file and makes it the board's texture. On any failure the
  // previous texture stays (the built-in plain one before any skin loaded),
  // messaggioskin is emitted with a one-line reason and false is returned.
  // Works before the surface exists: the texture is made when it does.
  bool caricaskin(const QString& percorso);

  // Draws one frame now. Not forced, it does nothing while a search runs
  // (partita.inricerca != 0). Clears ridisegna once drawn.
  void disegnascena(bool forzato);

  // Background colour of the scene; modoedita switches between the edit
  // board's red (1, 0, 0, 0) and the normal (0.8, 0.8, 1, 0).
  void impostasfondo(float r, float g, float b, float a);
  void modoedita(bool attivo);

  // Viewport and projection for a surface of w x h (device-independent)
  // pixels. Qt already does this on every resize (resizeGL); a call of the
  // window's own is harmless.
  void reimpostavista(int w, int h);

  // The camera moved under a pointer that did not: the pointer's position is
  // sent again as a move, so that whoever follows the pointer reads the
  // square now under it. Nothing when the pointer is elsewhere.
  void seguipuntatore();

  // The marks drawn on squares from the next frame on: the chosen piece's
  // targets and the last move.
  void setMarks(const SquareMarks& marks) { marks_ = marks; }
  const SquareMarks& marks() const { return marks_; }

  // Whether the right button, since it last went down, dragged the camera
  // (so that its release is no click).
  bool orbitato() const { return orbitato_; }

  QString ultimoerrore() const { return ultimoerrore_; }
  // Size of the skin in use (the built-in one until a file loads).
  int skinWidth() const { return skin_.width; }
  int skinHeight() const { return skin_.height; }

 signals:
  void messaggioskin(const QString& testo);

 protected:
  void initializeGL() override;
  void resizeGL(int w, int h) override;
  void paintGL() override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;

 private:
  void iniziagl();
  void impostaproiezione(int w, int h);
  void disegna();
  void disegnasegni();
  void creaglifi();
  void perdicontesto();
  bool createxture(const Skin& s, unsigned int& nome, std::string& errore);
  void liberatexture();  // the skin's and the glyphs'
  void segnala(const QString& percorso, const std::string& motivo);

  Skin skin_;
  StauntonScene staunton_;  // the scene when the Staunton set is chosen
  unsigned int texture_ = 0;
  unsigned int glifi_ = 0;  // the labels' letters and digits
  float labelColour_[3] = {0.95f, 0.95f, 0.95f};
  QPoint trascinamento_;  // last pointer position of a right-button drag
  bool orbita_ = false;   // the right button is down
  bool orbitato_ = false;
  bool pronto_ = false;
  bool fresco_ = false;  // the framebuffer holds a frame drawn by disegnascena
  float sfondo_[4] = {0.8f, 0.8f, 1.0f, 0.0f};
  QString ultimoerrore_;
  SquareMarks marks_;
};
