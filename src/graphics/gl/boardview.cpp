#include "graphics/gl/boardview.h"

#include <QCoreApplication>
#include <QCursor>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QPainter>
#include <QWheelEvent>
#include <cstdlib>
#include <cstring>

// qopengl.h (through QOpenGLWidget) brings the OpenGL 1.1 declarations.
#include <GL/glu.h>

#include "engine/position/position.h"
#include "graphics/core/angles.h"
#include "graphics/core/boardmarks.h"
#include "graphics/core/pieceset.h"
#include "graphics/core/scene.h"
#include "graphics/core/scenewalk.h"
#include "graphics/core/steering.h"
#include "graphics/gl/glquads.h"
#include "graphics/gl/hintarrowgl.h"
#include "graphics/gl/squaremarksgl.h"

namespace {

// Whether the context takes textures of any size (OpenGL 2.0 and later, or
// the extension on older drivers).
bool dimensioniqualsiasi() {
  const char* versione = reinterpret_cast<const char*>(glGetString(GL_VERSION));
  if (versione && versione[0] >= '2' && versione[0] <= '9') return true;
  const char* estensioni = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
  return estensioni && std::strstr(estensioni, "GL_ARB_texture_non_power_of_two") != nullptr;
}

const GLfloat luce0ambiente[4] = {1.0f, 1.0f, 1.0f, 1.0f};
const GLfloat luce0diffusa[4] = {1.0f, 1.0f, 1.0f, 1.0f};
const GLfloat luce0posizione[4] = {30.0f, 40.0f, 30.0f, 1.0f};
const GLfloat luce1diffusa[4] = {0.5f, 0.5f, 0.5f, 1.0f};
const GLfloat luce1posizione[4] = {30.0f, -40.0f, 30.0f, 1.0f};

// The glyph strip: one square cell per glyph, side by side.
constexpr int LATO_GLIFO = 64;
// The check mark: red, letting the square's own colour show through.
const GLfloat colorescacco[4] = {1.0f, 0.05f, 0.05f, 0.7f};
// A right-button movement up to this many pixels still counts as a click.
constexpr int SOGLIA_TRASCINAMENTO = 3;

}  // namespace

BoardView::BoardView(QWidget* parent) : QOpenGLWidget(parent), skin_(defaultSkin()) {
  setFormat(formatoscena());
  // Frames drawn outside paintGL must survive until Qt presents them.
  setUpdateBehavior(QOpenGLWidget::PartialUpdate);
  // The tables are cheap and idempotent; the camera needs them from the
  // first frame on, whoever builds them first.
  preparaangoli();
  riempicoloripezzi();
}

BoardView::~BoardView() {
  // QOpenGLWidget destroys the context after this destructor has run: the
  // notice must not reach this object any more.
  if (context()) disconnect(context(), nullptr, this, nullptr);
  if (pronto_) {
    makeCurrent();
    liberatexture();
    doneCurrent();
  }
}

QSurfaceFormat BoardView::formatoscena() {
  QSurfaceFormat f;
  f.setRenderableType(QSurfaceFormat::OpenGL);
  f.setProfile(QSurfaceFormat::CompatibilityProfile);
  f.setVersion(2, 1);
  f.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
  f.setRedBufferSize(8);
  f.setGreenBufferSize(8);
  f.setBlueBufferSize(8);
  f.setAlphaBufferSize(0);
  f.setDepthBufferSize(24);
  f.setStencilBufferSize(0);
  return f;
}

void BoardView::initializeGL() {
  iniziagl();
  // A new context (first show, or the widget moved to another window) has
  // no texture yet: make the current skin's again.
  connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &BoardView::perdicontesto, Qt::UniqueConnection);
}

void BoardView::perdicontesto() {
  makeCurrent();
  liberatexture();
  pronto_ = false;
  doneCurrent();
}

void BoardView::iniziagl() {
  impostaproiezione(width(), height());
  glClearColor(sfondo_[0], sfondo_[1], sfondo_[2], sfondo_[3]);
  glEnable(GL_TEXTURE_2D);
  glShadeModel(GL_SMOOTH);
  glClearDepth(1.0);
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LESS);
  glEnable(GL_CULL_FACE);
  glCullFace(GL_BACK);
  glLightfv(GL_LIGHT0, GL_AMBIENT, luce0ambiente);
  glLightfv(GL_LIGHT0, GL_DIFFUSE, luce0diffusa);
  glLightfv(GL_LIGHT1, GL_DIFFUSE, luce1diffusa);
  glEnable(GL_LIGHT0);
  glEnable(GL_LIGHT1);
  glEnable(GL_LIGHTING);
  glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
  glEnable(GL_NORMALIZE);
  riempicoloripezzi();

  std::string errore;
  unsigned int nome = 0;
  if (!createxture(skin_, nome, errore)) {
    // The loaded skin passed the file checks but this context refused it
    // (too large for the driver, say): fall back to the plain one.
    segnala(QString(), errore);
    skin_ = defaultSkin();
    createxture(skin_, nome, errore);
  }
  texture_ = nome;
  creaglifi();
  labelColour(skin_, labelColour_);
  pronto_ = true;
  fresco_ = false;
}

void BoardView::reimpostavista(int w, int h) {
  if (!pronto_) return;  // the surface sets its own up when it is made
  makeCurrent();
  impostaproiezione(w, h);
  doneCurrent();
  ridisegna = 1;
}

void BoardView::impostaproiezione(int w, int h) {
  const qreal dpr = devicePixelRatioF();
  glViewport(0, 0, static_cast<GLsizei>(w * dpr), static_cast<GLsizei>(h * dpr));
  // The picking casts its rays through these very matrices.
  GLfloat proiezione[16];
  projectionMatrix(w, h, proiezione);
  glMatrixMode(GL_PROJECTION);
  glLoadMatrixf(proiezione);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}

void BoardView::resizeGL(int w, int h) {
  impostaproiezione(w, h);
  fresco_ = false;  // the framebuffer was remade: nothing of the last frame is left
  ridisegna = 1;
}

bool BoardView::createxture(const Skin& s, unsigned int& nome, std::string& errore) {
  GLuint t = 0;
  glGenTextures(1, &t);
  glBindTexture(GL_TEXTURE_2D, t);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  // Rows are tightly packed whatever the width.
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  GLint esito = 0;
  if (dimensioniqualsiasi()) {
    // The sampling is GL_NEAREST at both ends, so the base level is all
    // that is ever read; at its own size no texel blends two tiles.
    for (int i = 0; i < 32 && glGetError() != GL_NO_ERROR; ++i) {}
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, s.width, s.height, 0, GL_RGB, GL_UNSIGNED_BYTE, s.rgb.data());
    const GLenum e = glGetError();
    if (e != GL_NO_ERROR) esito = static_cast<GLint>(e);
  } else {
    // Without non-power-of-two textures, GLU scales the image to fit.
    esito = gluBuild2DMipmaps(GL_TEXTURE_2D, 3, s.width, s.height, GL_RGB, GL_UNSIGNED_BYTE, s.rgb.data());
  }
  if (esito != 0) {
    const GLubyte* testo = gluErrorString(static_cast<GLenum>(esito));
    errore = std::string("the texture could not be made (") +
             (testo ? reinterpret_cast<const char*>(testo) : std::to_string(esito).c_str()) + ")";
    glDeleteTextures(1, &t);
    glBindTexture(GL_TEXTURE_2D, texture_);
    return false;
  }
  nome = t;
  return true;
}

void BoardView::liberatexture() {
  staunton_.release();
  for (unsigned int* nome : {&texture_, &glifi_})
    if (*nome != 0) {
      GLuint t = *nome;
      glDeleteTextures(1, &t);
      *nome = 0;
    }
}

void BoardView::segnala(const QString& percorso, const std::string& motivo) {
  const QString nome = percorso.isEmpty() ? QStringLiteral("skin") : QFileInfo(percorso).fileName();
  ultimoerrore_ = QStringLiteral("Skin %1 not loaded: %2").arg(nome, QString::fromStdString(motivo));
  emit messaggioskin(ultimoerrore_);
}

bool BoardView::caricaskin(const QString& percorso) {
  Skin nuova;
  std::string errore;
  if (!readSkin(QFile::encodeName(percorso).toStdString(), nuova, errore)) {
    segnala(percorso, errore);
    return false;
  }
  if (pronto_) {
    makeCurrent();
    unsigned int nome = 0;
    const bool ok = createxture(nuova, nome, errore);
    if (ok) {
      // The old texture is no longer drawn: free it rather than let every
      // skin change leave one behind.
      GLuint vecchia = texture_;
      if (vecchia != 0) glDeleteTextures(1, &vecchia);
      texture_ = nome;
    }
    doneCurrent();
    if (!ok) {
      segnala(percorso, errore);
      return false;
    }
  }
  skin_ = std::move(nuova);
  labelColour(skin_, labelColour_);
  ultimoerrore_.clear();
  fresco_ = false;
  ridisegna = 1;
  return true;
}

void BoardView::impostasfondo(float r, float g, float b, float a) {
  sfondo_[0] = r;
  sfondo_[1] = g;
  sfondo_[2] = b;
  sfondo_[3] = a;
  fresco_ = false;
}

void BoardView::modoedita(bool attivo) {
  if (attivo)
    impostasfondo(1.0f, 0.0f, 0.0f, 0.0f);
  else
    impostasfondo(0.8f, 0.8f, 1.0f, 0.0f);
}

void BoardView::disegnascena(bool forzato) {
  if (!forzato && partita.inricerca != 0) return;
  if (!pronto_ || !isVisible()) {
    // No surface to draw into yet (or hidden): Qt draws when it shows it.
    update();
    return;
  }
  // Drawn at once into the widget's framebuffer, so that the frame exists
  // (and facce and ridisegna are settled) when this returns, even inside a
  // search; Qt puts it on the screen at its next event processing. A
  // repaint() would not do: Qt 6 defers it while a previous frame is still
  // being presented.
  makeCurrent();
  const qreal dpr = devicePixelRatioF();
  glViewport(0, 0, static_cast<GLsizei>(width() * dpr), static_cast<GLsizei>(height() * dpr));
  disegna();
  glFlush();
  doneCurrent();
  fresco_ = true;
  update();
}

void BoardView::paintGL() {
  // The frame disegnascena has just drawn is still in the framebuffer
  // (partial updates keep it): present it as it is.
  if (fresco_) {
    fresco_ = false;
    return;
  }
  disegna();
}

void BoardView::disegna() {
  glCullFace(GL_BACK);
  facce = 0;
  glClearColor(sfondo_[0], sfondo_[1], sfondo_[2], sfondo_[3]);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();

  // With the identity in place, the lights sit relative to the eye.
  glLightfv(GL_LIGHT0, GL_POSITION, luce0posizione);
  glLightfv(GL_LIGHT0, GL_DIFFUSE, luce0diffusa);
  glLightfv(GL_LIGHT1, GL_POSITION, luce1posizione);
  glLightfv(GL_LIGHT1, GL_DIFFUSE, luce1diffusa);

  GLfloat camera[16];
  cameraMatrix(camera);
  glLoadMatrixf(camera);

  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, texture_);
  GlQuads uscita;
  facce = pieceSet == PieceSet::Staunton ? staunton_.draw(posizioni[0]) : percorriscena(posizioni[0], uscita);
  disegnasegni();
  ridisegna = 0;
}

void BoardView::disegnasegni() {
  // Flat colours, unlit, seen from either side.
  glDisable(GL_LIGHTING);
  glDisable(GL_CULL_FACE);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  // The blend would leave a translucent alpha in the framebuffer, and the
  // window composes the widget by it: the board's own alpha stays.
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);

  glDisable(GL_TEXTURE_2D);
  drawSquareMarks(marks_);
  const int re = checkedKingSquare(posizioni[0]);
  if (re >= 0) {
    // Drawn after the pieces: the depth test keeps the king in front of it.
    const float f = static_cast<float>(re & 7), r = static_cast<float>(re >> 3);
    glDisable(GL_TEXTURE_2D);
    glColor4fv(colorescacco);
    glBegin(GL_QUADS);
    glVertex3f(f - 4.0f, ALTEZZA_SCACCO, 4.0f - r);
    glVertex3f(f - 3.0f, ALTEZZA_SCACCO, 4.0f - r);
    glVertex3f(f - 3.0f, ALTEZZA_SCACCO, 3.0f - r);
    glVertex3f(f - 4.0f, ALTEZZA_SCACCO, 3.0f - r);
    glEnd();
  }

  if (glifi_ != 0) {
    Etichetta etichette[ETICHETTE];
    frameLabels(etichette);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, glifi_);
    // The clear parts of a glyph's square leave the depth buffer alone.
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0.1f);
    glColor4f(labelColour_[0], labelColour_[1], labelColour_[2], 1.0f);
    // Texture row 0 is the strip's top line: the glyphs' tops are at t = 0.
    const float t[4] = {1.0f, 1.0f, 0.0f, 0.0f};
    glBegin(GL_QUADS);
    for (const Etichetta& e : etichette) {
      const float s0 = static_cast<float>(e.glifo) / GLIFI, s1 = static_cast<float>(e.glifo + 1) / GLIFI;
      const float s[4] = {s0, s1, s1, s0};
      for (int k = 0; k < 4; ++k) {
        glTexCoord2f(s[k], t[k]);
        glVertex3f(e.x[k], ALTEZZA_ETICHETTE, e.z[k]);
      }
    }
    glEnd();
    glDisable(GL_ALPHA_TEST);
  }
  // Last, over the pieces and every other mark.
  glDisable(GL_TEXTURE_2D);
  drawHintArrow(marks_.hint);

  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  glDisable(GL_BLEND);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, texture_);
  glEnable(GL_CULL_FACE);
  glEnable(GL_LIGHTING);
}

void BoardView::creaglifi() {
  QImage strip(GLIFI * LATO_GLIFO, LATO_GLIFO, QImage::Format_RGBA8888);
  strip.fill(Qt::transparent);
  {
    QPainter p(&strip);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font;
    font.setBold(true);
    font.setPixelSize(LATO_GLIFO * 7 / 8);
    p.setFont(font);
    p.setPen(Qt::white);
    for (int g = 0; g < GLIFI; ++g) {
      const QChar c = g < GLIFO_CIFRE ? QChar('a' + g) : QChar('1' + g - GLIFO_CIFRE);
      p.drawText(QRect(g * LATO_GLIFO, 0, LATO_GLIFO, LATO_GLIFO), Qt::AlignCenter, QString(c));
    }
  }
  GLuint t = 0;
  glGenTextures(1, &t);
  glBindTexture(GL_TEXTURE_2D, t);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  // Both sides are powers of two: any context takes it.
  if (gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGBA, strip.width(), strip.height(), GL_RGBA, GL_UNSIGNED_BYTE,
                        strip.constBits()) != 0) {
    // Without the labels the board still plays.
    glDeleteTextures(1, &t);
    t = 0;
  }
  glifi_ = t;
  glBindTexture(GL_TEXTURE_2D, texture_);
}

void BoardView::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::RightButton) {
    orbita_ = true;
    orbitato_ = false;
    trascinamento_ = e->position().toPoint();
  }
  QOpenGLWidget::mousePressEvent(e);
}

void BoardView::mouseMoveEvent(QMouseEvent* e) {
  if (orbita_ && (e->buttons() & Qt::RightButton)) {
    const QPoint p = e->position().toPoint();
    const QPoint d = p - trascinamento_;
    // Small jitters of a right click wait until they add up to a drag.
    if (orbitato_ || std::abs(d.x()) + std::abs(d.y()) > SOGLIA_TRASCINAMENTO) {
      orbitato_ = true;
      trascinamento_ = p;
      if (orbitCamera(d.x(), d.y())) {
        disegnascena(false);
        // This very move reached the window's filter under the old camera.
        seguipuntatore();
      }
    }
  }
  QOpenGLWidget::mouseMoveEvent(e);
}

void BoardView::seguipuntatore() {
  if (!underMouse()) return;
  const QPointF p = mapFromGlobal(QCursor::pos().toPointF());
  if (!rect().contains(p.toPoint())) return;
  // At the position the drag last saw, the move orbits nothing: no loop.
  QMouseEvent mossa(QEvent::MouseMove, p, mapToGlobal(p), Qt::NoButton, QGuiApplication::mouseButtons(),
                    QGuiApplication::keyboardModifiers());
  if (orbita_) trascinamento_ = p.toPoint();
  QCoreApplication::sendEvent(this, &mossa);
}

void BoardView::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() == Qt::RightButton) orbita_ = false;
  QOpenGLWidget::mouseReleaseEvent(e);
}

void BoardView::wheelEvent(QWheelEvent* e) {
  if (zoomCamera(e->angleDelta().y())) {
    disegnascena(false);
    seguipuntatore();
  }
  e->accept();
}
