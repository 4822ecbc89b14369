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

// The reference pictures live beside this file; ZEF_UPDATE_REFERENCES=1
// writes them anew from this build (look at them before committing).
QString referencePath(const char* name) {
  return QStringLiteral(ZEF_SOURCE_DIR "/tests/graphics/gl/references/") + name + ".png";
}

// Pixels whose colour differs by more than the renderer's own rounding.
double differingShare(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return 1.0;
  long differing = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      if (std::abs(qRed(p) - qRed(q)) > 40 || std::abs(qGreen(p) - qGreen(q)) > 40 ||
          std::abs(qBlue(p) - qBlue(q)) > 40)
        ++differing;
    }
  return static_cast<double>(differing) / (a.width() * a.height());
}

TEST_F(StauntonView, BothSetsInBothViewsMatchTheirReferences) {
  const bool update = std::getenv("ZEF_UPDATE_REFERENCES") != nullptr;
  struct Case {
    const char* name;
    PieceSet set;
    int view;
  };
  for (const Case c :
       {Case{"classic_solid", PieceSet::Classic, VISTA_3D}, Case{"classic_flat", PieceSet::Classic, VISTA_PIATTA},
        Case{"staunton_solid", PieceSet::Staunton, VISTA_3D},
        Case{"staunton_flat", PieceSet::Staunton, VISTA_PIATTA}}) {
    SCOPED_TRACE(c.name);
    show(c.set, c.view);
    zeftest::setUp("r1bqkb1r/1ppp1ppp/p1n2n2/4p3/B3P3/5N2/PPPP1PPP/RNBQK2R w KQkq - 2 5");
    posizioni[0].lastmove = mvMake(zeftest::sq("g8"), zeftest::sq("f6"));
    const QImage now = picture().convertToFormat(QImage::Format_RGB32);
    now.save(shotFolder() + "/" + c.name + ".png");
    if (update) {
      ASSERT_TRUE(now.save(referencePath(c.name)));
      continue;
    }
    const QImage reference(referencePath(c.name));
    ASSERT_FALSE(reference.isNull()) << referencePath(c.name).toStdString();
    EXPECT_LT(differingShare(now, reference.convertToFormat(QImage::Format_RGB32)), 0.01);
  }
}

// A lone piece in the 3D view, each effect off and on.
TEST_F(StauntonView, EachEffectTurnsOffAlone) {
  zeftest::setUp("8/8/8/8/4K3/8/8/k7 w - - 0 1");
  show(PieceSet::Staunton, VISTA_3D);
  lookEffects = {false, false, false};
  const QImage plain = picture();
  // The shadow falls away from the key light: right and back of e4.
  lookEffects.shadows = true;
  const QImage shaded = picture();
  const QPoint behind = onSquare("e4", -1.0f, 0.42f, -0.42f);
  EXPECT_LT(qGray(shaded.pixel(behind)), qGray(plain.pixel(behind)) - 12);
  // Highlights: the king's brightest point is brighter with them.
  lookEffects = {true, false, false};
  const QImage shiny = picture();
  const auto brightest = [&](const QImage& i) {
    int best = 0;
    const QPoint a = onSquare("e4", 0.6f, -0.3f), b = onSquare("e4", -0.8f, 0.3f);
    for (int y = std::min(a.y(), b.y()); y <= std::max(a.y(), b.y()); ++y)
      for (int x = std::min(a.x(), b.x()); x <= std::max(a.x(), b.x()); ++x)
        best = std::max(best, qGray(i.pixel(x, y)));
    return best;
  };
  EXPECT_GT(brightest(shiny), brightest(plain) + 10);
  // The reflection shows in front of the king, where the plain board does not change.
  lookEffects = {false, false, true};
  const QImage mirrored = picture();
  int changed = 0;
  for (float dz = 0.45f; dz < 0.9f; dz += 0.05f) {
    const QPoint p = onSquare("e4", -1.0f, 0.0f, dz);
    if (std::abs(qGray(mirrored.pixel(p)) - qGray(plain.pixel(p))) > 6) ++changed;
  }
  EXPECT_GT(changed, 3);
  EXPECT_EQ(mirrored.pixel(10, 10), plain.pixel(10, 10)) << "nothing of it past the board";
}

// Seen from the side, low, Black's knight is White's turned round: the two
// heads lean over their feet opposite ways.
TEST_F(StauntonView, TheKnightsLookAtEachOther) {
  show(PieceSet::Staunton, VISTA_3D);
  lookEffects = {false, false, false};
  rotazione = 0;
  elevazione = 12;
  distanza = 6;
  zeftest::setUp("8/8/8/8/8/8/8/8 w - - 0 1");
  const QImage empty = picture();
  const QPoint foot = onSquare("d4", -1.0f), head = onSquare("d4", -1.0f + 0.6f * 1.5f);
  // How far right of the foot the head's pixels lie, on average.
  const auto lean = [&](const char* fen) {
    zeftest::setUp(fen);
    const QImage i = picture();
    long sum = 0, n = 0;
    for (int y = head.y() - 15; y <= head.y() + 15; ++y)
      for (int x = foot.x() - 60; x <= foot.x() + 60; ++x)
        if (i.pixel(x, y) != empty.pixel(x, y)) {
          sum += x - foot.x();
          ++n;
        }
    EXPECT_GT(n, 50) << fen;
    return n ? static_cast<double>(sum) / n : 0.0;
  };
  const double white = lean("8/8/8/8/3N4/8/8/8 w - - 0 1"), black = lean("8/8/8/8/3n4/8/8/8 w - - 0 1");
  // (Which way White's looks is the mesh's own test.)
  EXPECT_LT(white * black, 0.0) << white << " " << black;
  EXPECT_GT(std::fabs(white - black), 4.0);
}

// A dragged piece leaves its square and hangs over the pointer's point.
TEST_F(StauntonView, ADraggedPieceFollowsThePointer) {
  show(PieceSet::Staunton, VISTA_3D);
  lookEffects = {false, false, false};
  zeftest::setUp("4k3/8/8/8/8/8/4P3/4K3 w - - 0 1");
  const QImage still = picture();
  zeftest::setUp("4k3/8/8/8/8/8/8/4K3 w - - 0 1");
  const QImage without = picture();
  zeftest::setUp("4k3/8/8/8/8/8/4P3/4K3 w - - 0 1");
  draggedPiece = {zeftest::sq("e2"), 0.5f, 0.5f};  // over e4
  const QImage dragged = picture();
  draggedPiece = DraggedPiece{};
  const QPoint e2 = onSquare("e2", -1.0f, 0.0f, 0.15f), e4 = onSquare("e4", -1.0f + DRAG_LIFT_3D + 0.3f);
  EXPECT_NE(still.pixel(e2), without.pixel(e2));
  EXPECT_EQ(dragged.pixel(e2), without.pixel(e2)) << "the square is bare";
  EXPECT_NE(dragged.pixel(e4), without.pixel(e4)) << "the pawn hangs over e4";
}

// The flat symbols keep an ink outline on light and dark squares, and the
// black ones show their inner lines in the light colour.
TEST_F(StauntonView, FlatSymbolsAreOutlinedOnBothSquareColours) {
  zeftest::setUp("8/8/8/3pp3/3PP3/8/8/8 w - - 0 1");
  show(PieceSet::Staunton, VISTA_PIATTA);
  const QImage i = picture();
  const auto across = [&](const char* square, float dz, auto test) {
    int n = 0;
    const QPoint a = onSquare(square, -1.0f, -0.5f, dz), b = onSquare(square, -1.0f, 0.5f, dz);
    for (int x = a.x(); x <= b.x(); ++x) n += test(i.pixel(x, a.y()));
    return n;
  };
  const auto ink = [](QRgb p) { return qGray(p) < 40; };
  const auto light = [](QRgb p) { return qGray(p) > 200; };
  for (const char* s : {"d4", "e4"}) {
    SCOPED_TRACE(s);
    EXPECT_GE(across(s, 0.1f, ink), 2) << "the outline on either side of the body";
    EXPECT_GE(across(s, 0.1f, light), 3) << "the white fill";
  }
  for (const char* s : {"d5", "e5"}) {
    SCOPED_TRACE(s);
    // The line across the foot: 0.1 up a pawn 0.5 high drawn 0.6 high, from the baseline 0.43.
    EXPECT_GE(across(s, 0.43f - 0.1f * 1.2f, light), 3) << "the inner line of a black symbol";
  }
}

}  // namespace
