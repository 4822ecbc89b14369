// The board panel of the real window picks the square drawn under the
// pointer: every square's centre, projected with the matrices the panel's
// OpenGL context holds after a frame, is hovered and clicked at several
// camera settings; the frame and the background pick nothing.
#include "graphics/core/picking.h"

#include <gtest/gtest.h>
#include <qopengl.h>

#include <QCursor>
#include <QOpenGLContext>
#include <QProcess>
#include <QStandardPaths>
#include <QWindow>
#include <string>

#include "graphics/core/steering.h"
#include "graphics/gl/boardview.h"
#include "support/engine_fixture.h"
#include "uifixture.h"

namespace {

using zeftest::component;
using zeftest::sq;
using zeftest::WindowTest;

class Picking : public WindowTest {
 protected:
  TZefiran_3D& aprifermo() {
    TZefiran_3D& f = openWindow();
    component<QTimer>(f, "Timer1")->stop();
    partita.motorebianco = 0;
    partita.motorenero = 0;
    // Two kings: a cheap frame, and every square but two clicks as empty.
    impostafen("7k/8/8/8/8/8/8/K7 w - - 0 1", true);
    casellascelta = casellasotto = -1;
    return f;
  }

  // Draws a frame and keeps the matrices and viewport the panel drew it with.
  void leggimatrici() {
    component<BoardView>(*w, "Panel1")->disegnascena(true);
    component<BoardView>(*w, "Panel1")->makeCurrent();
    glGetFloatv(GL_PROJECTION_MATRIX, proiezione_);
    glGetFloatv(GL_MODELVIEW_MATRIX, camera_);
    glGetIntegerv(GL_VIEWPORT, viewport_);
    component<BoardView>(*w, "Panel1")->doneCurrent();
  }

  // The panel pixel (logical) where board point (x, y, z) is drawn, as GL maps it.
  QPoint pixel(float x, float y, float z) const {
    float c[4] = {x, y, z, 1.0f}, e[4], p[4];
    for (int l = 0; l < 4; ++l)
      e[l] = camera_[l] * c[0] + camera_[4 + l] * c[1] + camera_[8 + l] * c[2] + camera_[12 + l];
    for (int l = 0; l < 4; ++l)
      p[l] = proiezione_[l] * e[0] + proiezione_[4 + l] * e[1] + proiezione_[8 + l] * e[2] + proiezione_[12 + l] * e[3];
    const double dpr = component<BoardView>(*w, "Panel1")->devicePixelRatioF();
    const double wx = viewport_[0] + viewport_[2] * (p[0] / p[3] + 1.0) / 2.0;
    const double wy = viewport_[1] + viewport_[3] * (p[1] / p[3] + 1.0) / 2.0;
    return QPoint(static_cast<int>(std::floor(wx / dpr)), static_cast<int>(std::floor((viewport_[3] - wy) / dpr)));
  }
  QPoint centro(int s) const {
    return pixel(static_cast<float>(s & 7) - 3.5f, -1.0f, 3.5f - static_cast<float>(s >> 3));
  }

  // Every square hovered and clicked at its drawn centre.
  void ognicasella(const std::string& camera) {
    SCOPED_TRACE(camera);
    leggimatrici();
    int provate = 0;
    for (int s = 0; s < 64; ++s) {
      const QPoint p = centro(s);
      if (!component<BoardView>(*w, "Panel1")->rect().contains(p)) continue;
      ++provate;
      w->Panel1MouseMove(p.x(), p.y());
      EXPECT_EQ(casellasotto, s) << "hover at " << p.x() << "," << p.y();
      QTest::mouseClick(component<BoardView>(*w, "Panel1"), Qt::LeftButton, {}, p);
      EXPECT_EQ(casellasotto, s) << "click at " << p.x() << "," << p.y();
      casellascelta = -1;
    }
    EXPECT_EQ(provate, 64);
  }

  GLfloat proiezione_[16] = {}, camera_[16] = {};
  GLint viewport_[4] = {};
};

TEST_F(Picking, EverySquareUnderThePointerAtSeveralCameras) {
  TZefiran_3D& f = aprifermo();
  ASSERT_EQ(vista, VISTA_3D);
  ognicasella("3D preset");
  component<QAction>(f, "Ruota1801")->trigger();
  ognicasella("3D turned half round");
  rotazione = 35;
  elevazione = 25;
  distanza = 14;
  ognicasella("3D turned 35, low");
  rotazione = 180;
  elevazione = ELEVAZIONE_MASSIMA;
  distanza = DISTANZA_MINIMA + 4;
  ognicasella("3D from above, close");
  component<QAction>(f, "scacchiera2D1")->trigger();
  ASSERT_EQ(vista, VISTA_PIATTA);
  ognicasella("flat");
  component<QAction>(f, "Ruota1801")->trigger();
  ognicasella("flat turned");
}

TEST_F(Picking, OffTheSquaresNothingIsHoveredOrPlayed) {
  TZefiran_3D& f = aprifermo();
  leggimatrici();
  const QPoint a1 = centro(sq("a1"));
  QTest::mouseClick(component<BoardView>(f, "Panel1"), Qt::LeftButton, {}, a1);
  ASSERT_EQ(casellascelta, sq("a1"));
  // The frame beside a1 and a8, the name plate, and the background.
  for (const QPoint p : {pixel(-4.3f, -1, 3.5f), pixel(-4.3f, -1, -3.5f), pixel(0, -1, 4.6f), QPoint(2, 2)}) {
    f.Panel1MouseMove(p.x(), p.y());
    EXPECT_EQ(casellasotto, -1) << p.x() << "," << p.y();
    QTest::mouseClick(component<BoardView>(f, "Panel1"), Qt::LeftButton, {}, p);
    EXPECT_EQ(casellascelta, sq("a1")) << "the piece stays picked up";
    EXPECT_EQ(partita.count, 0);
  }
  // Back on the board, the move is made.
  QTest::mouseClick(component<BoardView>(f, "Panel1"), Qt::LeftButton, {}, centro(sq("b2")));
  EXPECT_EQ(partita.count, 1);
  EXPECT_EQ(posizioni[0].board[sq("b2")], KING);
  // Leaving the panel takes the highlight with it.
  f.Panel1MouseMove(centro(sq("e4")).x(), centro(sq("e4")).y());
  ASSERT_EQ(casellasotto, sq("e4"));
  QEvent via(QEvent::Leave);
  QApplication::sendEvent(component<BoardView>(f, "Panel1"), &via);
  EXPECT_EQ(casellasotto, -1);
}

TEST_F(Picking, RightDragOrbitsAndTheWheelZoomsWithinTheLimits) {
  TZefiran_3D& f = aprifermo();
  const QPoint m(component<BoardView>(f, "Panel1")->width() / 2, component<BoardView>(f, "Panel1")->height() / 2);
  QTest::mousePress(component<BoardView>(f, "Panel1"), Qt::RightButton, {}, m);
  QMouseEvent sposta(QEvent::MouseMove, QPointF(m + QPoint(40, 20)),
                     component<BoardView>(f, "Panel1")->mapToGlobal(QPointF(m + QPoint(40, 20))), Qt::NoButton,
                     Qt::RightButton, {});
  QApplication::sendEvent(component<BoardView>(f, "Panel1"), &sposta);
  QTest::mouseRelease(component<BoardView>(f, "Panel1"), Qt::RightButton, {}, m + QPoint(40, 20));
  EXPECT_NEAR(rotazione, 270 + 40 * GRADI_PER_PIXEL, 1e-3);
  EXPECT_NEAR(elevazione, 60 + 20 * GRADI_PER_PIXEL, 1e-3);
  EXPECT_TRUE(component<BoardView>(f, "Panel1")->orbitato());
  // The picker follows the new camera at once.
  ognicasella("after a drag");
  for (int i = 0; i < 80; ++i) {
    QWheelEvent ruota(QPointF(m), component<BoardView>(f, "Panel1")->mapToGlobal(QPointF(m)), QPoint(),
                      QPoint(0, OTTAVI_PER_SCATTO), Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(component<BoardView>(f, "Panel1"), &ruota);
  }
  EXPECT_EQ(distanza, DISTANZA_MINIMA);
  // A right click without a drag is still a click (the edit board's menu).
  QTest::mouseClick(component<BoardView>(f, "Panel1"), Qt::RightButton, {}, m);
  EXPECT_FALSE(component<BoardView>(f, "Panel1")->orbitato());
}

// The camera moving under a pointer that stays put: the hovered square is
// read again, for the wheel and for held keys alike. The pointer is the X
// server's own, so that the window sees where it really is.
TEST_F(Picking, TheHoveredSquareFollowsTheCameraUnderAStillPointer) {
  const QString xdotool = QStandardPaths::findExecutable("xdotool");
  ASSERT_FALSE(xdotool.isEmpty()) << "scripts/setup installs xdotool";
  TZefiran_3D& f = aprifermo();
  leggimatrici();
  const QPoint p = centro(sq("h8"));
  QPoint g;
  // From elsewhere each time: a pointer already standing there would not
  // move, and on a loaded machine the window may still be settling.
  for (int volta = 0; volta < 5 && casellasotto != sq("h8"); ++volta) {
    g = component<BoardView>(f, "Panel1")->mapToGlobal(p);
    QProcess::execute(xdotool, {"mousemove", "--sync", "0", "0"});
    QProcess::execute(xdotool, {"mousemove", "--sync", QString::number(g.x()), QString::number(g.y())});
    waitFor([] { return casellasotto == sq("h8"); }, 1000);
  }
  ASSERT_EQ(casellasotto, sq("h8"));
  const QPoint qui = component<BoardView>(f, "Panel1")->mapFromGlobal(QCursor::pos());
  for (int i = 0; i < 20; ++i) {
    QWheelEvent ruota(QPointF(qui), QPointF(g), QPoint(), QPoint(0, -OTTAVI_PER_SCATTO), Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(component<BoardView>(f, "Panel1"), &ruota);
  }
  EXPECT_NE(casellasotto, sq("h8")) << "the board shrank away from the pointer";
  EXPECT_EQ(casellasotto, casellapunto(qui.x(), qui.y(), component<BoardView>(f, "Panel1")->width(),
                                       component<BoardView>(f, "Panel1")->height()));
  // Held keys turn the board under it: the tick reads the square again.
  double momento = 0.5;
  setClockSource([&momento] { return momento; });
  distanza = 11.5f;
  f.Panel1MouseMove(qui.x(), qui.y());
  const int prima = casellasotto;
  tastipremuti[TASTO_SINISTRA] = 1;
  for (int i = 0; i < 25; ++i) {
    momento += 20.0 / 86400000.0;
    f.Timer1Timer();
  }
  tastipremuti[TASTO_SINISTRA] = 0;
  setClockSource(nullptr);
  EXPECT_NEAR(rotazione, 270 + 45, 0.01f);
  EXPECT_NE(casellasotto, prima);
  EXPECT_EQ(casellasotto, casellapunto(qui.x(), qui.y(), component<BoardView>(f, "Panel1")->width(),
                                       component<BoardView>(f, "Panel1")->height()));
}

}  // namespace
