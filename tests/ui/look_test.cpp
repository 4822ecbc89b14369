// The window's look: choosing the piece set and the style in the View menu
// and in the settings (with its previews), remembering the choice, the calm
// grid's rows and the side-to-move mark; and the pictures of both looks for
// the README (written to the build folder's look-pictures, and to the
// folder named by ZEF_README_IMAGES when it is set).
#include "ui/look.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <cstdlib>

#include "graphics/core/pieces.h"
#include "graphics/core/pieceset.h"
#include "graphics/gl/boardview.h"
#include "support/engine_fixture.h"
#include "ui/calmstyle.h"
#include "ui/lookpage.h"
#include "ui/lookpreview.h"
#include "ui/playerpanel.h"
#include "ui/unitconfig.h"
#include "uifixture.h"

namespace {

using zeftest::component;
using zeftest::ModalCloser;
using zeftest::WindowTest;

class LookTest : public WindowTest {
 protected:
  // The fixture gives each test preferences of its own; the look in force
  // starts and ends classic.
  void SetUp() override {
    WindowTest::SetUp();
    useLook(Look{});
  }
  void TearDown() override {
    WindowTest::TearDown();
    useLook(Look{});
  }
  TZefiran_3D& openStill(int width = 1024, int height = 768) {
    TZefiran_3D& f = openWindow(width, height);
    component<QTimer>(f, "Timer1")->stop();
    partita.motorebianco = partita.motorenero = 0;
    return f;
  }
  static void play(std::initializer_list<const char*> moves) {
    for (const char* m : moves) ASSERT_TRUE(giocamossa(zeftest::findMove(m))) << m;
  }
};

// The grid's bitmap holds a move row where anything but the page colour
// shows along the row's middle line.
int rowsWithMoves(const QImage& grid, int rowHeight) {
  int rows = 0;
  for (int y = rowHeight / 2; y < grid.height(); y += rowHeight) {
    bool ink = false;
    for (int x = 0; x < grid.width() && !ink; ++x) {
      const QColor c = grid.pixelColor(x, y);
      ink = c != calm::PAGE && c != calm::STRIPE;
    }
    if (ink) ++rows;
  }
  return rows;
}

TEST_F(LookTest, TheViewMenuChoosesTheSetAndStyleAndTheyAreRemembered) {
  {
    TZefiran_3D& f = openStill();
    EXPECT_EQ(pieceSet, PieceSet::Classic) << "a new installation keeps the classic look";
    EXPECT_TRUE(component<QAction>(f, "pieceSetClassic")->isChecked());
    EXPECT_FALSE(component<QAction>(f, "effectShadows")->isEnabled()) << "effects belong to the Staunton set";
    component<QAction>(f, "pieceSetStaunton")->trigger();
    component<QAction>(f, "styleCalm")->trigger();
    EXPECT_EQ(pieceSet, PieceSet::Staunton);
    EXPECT_EQ(windowStyle(), WindowStyle::Calm);
    EXPECT_FALSE(pieceDetails[MESH_CAVALLO].empty()) << "the Staunton meshes were built";
    component<QAction>(f, "effectReflection")->trigger();
    EXPECT_TRUE(lookEffects.reflection);
    EXPECT_EQ(component<QWidget>(f, "Panel4")->palette().color(QPalette::Window), calm::PANEL);
  }
  w.reset();
  // As the program is started next: the look from the preferences.
  useLook(Look{});
  TZefiran_3D& g = openStill();
  EXPECT_EQ(pieceSet, PieceSet::Staunton);
  EXPECT_EQ(windowStyle(), WindowStyle::Calm);
  EXPECT_TRUE(lookEffects.reflection);
  EXPECT_TRUE(component<QAction>(g, "styleCalm")->isChecked());
  // And back: the classic panels are the program's own grey.
  component<QAction>(g, "styleClassic")->trigger();
  component<QAction>(g, "pieceSetClassic")->trigger();
  EXPECT_EQ(component<QWidget>(g, "Panel4")->palette().color(QPalette::Window), QColor(128, 128, 128));
  EXPECT_TRUE(pieceDetails[MESH_CAVALLO].empty());
}

TEST_F(LookTest, TheCalmGridHasARowPerMoveAndTheSideToMoveIsMarked) {
  TZefiran_3D& f = openStill();
  component<QAction>(f, "styleCalm")->trigger();
  play({"e2e4", "e7e5", "g1f3"});
  f.sistemagriglia(1);
  EXPECT_EQ(rowsWithMoves(f.gridBitmap().toImage(), f.rowHeight()), 2);
  play({"b8c6", "f1b5"});
  f.sistemagriglia(1);
  EXPECT_EQ(rowsWithMoves(f.gridBitmap().toImage(), f.rowHeight()), 3);

  auto* black = component<PlayerPanel>(f, "Panel4");
  auto* white = component<PlayerPanel>(f, "Panel5");
  black->setToMove(true);
  white->setToMove(false);
  QTest::qWait(30);
  const auto accent = [](PlayerPanel* p) { return p->grab().toImage().pixelColor(2, p->height() / 2); };
  EXPECT_EQ(accent(black), calm::ACCENT);
  EXPECT_NE(accent(white), calm::ACCENT);
  // The window colours White's clock white; the calm panel keeps its ink.
  EXPECT_EQ(component<QLabel>(f, "Label4")->palette().color(QPalette::WindowText), calm::INK);
  // The classic panels show no such mark.
  component<QAction>(f, "styleClassic")->trigger();
  QTest::qWait(30);
  EXPECT_EQ(accent(black), QColor(128, 128, 128));
}

TEST_F(LookTest, TheSettingsPageChoosesWithPreviewsThatLeaveTheBoardAlone) {
  TZefiran_3D& f = openStill();
  ModalCloser closer;
  size_t pawnQuads = 0;
  QImage solid, flat;
  closer.beforeClosing = [&](QDialog* d) {
    auto* page = d->findChild<LookPage*>("lookPage");
    ASSERT_NE(page, nullptr);
    page->stauntonSet->setChecked(true);
    page->calmStyle->setChecked(true);
    page->shadows->setChecked(false);
    d->findChild<QTabWidget*>("PageControl1")->setCurrentWidget(page);
    QTest::qWait(100);
    solid = page->solidPreview->grabFramebuffer();
    flat = page->flatPreview->grabFramebuffer();
    QDir().mkpath(ZEF_BINARY_DIR "/look-pictures");
    d->grab().save(ZEF_BINARY_DIR "/look-pictures/settings_look.png");
    pawnQuads = pezzi[MESH_PEDONE].size();
    QTest::mouseClick(component<Tconfigurazione>(f, "configurazione")->BitBtn1, Qt::LeftButton);
  };
  const size_t classicPawn = pezzi[MESH_PEDONE].size();
  component<QAction>(f, "configurazione1")->trigger();
  EXPECT_EQ(pawnQuads, classicPawn) << "the previews drew their own pieces and put the window's back";
  EXPECT_NE(solid, flat);
  EXPECT_EQ(pieceSet, PieceSet::Staunton);
  EXPECT_EQ(windowStyle(), WindowStyle::Calm);
  EXPECT_FALSE(lookEffects.shadows);
  EXPECT_FALSE(component<QAction>(f, "effectShadows")->isChecked());
  EXPECT_EQ(savedLook().pieces, PieceSet::Staunton);
}

// The pictures of the README: the classic look and the Staunton set in the
// calm style, each in both views, a few moves into a game.
TEST_F(LookTest, PicturesOfBothLooksForTheReadme) {
  QStringList folders{QStringLiteral(ZEF_BINARY_DIR "/look-pictures")};
  if (const char* d = std::getenv("ZEF_README_IMAGES")) folders << QString::fromLocal8Bit(d);
  for (const QString& d : folders) QDir().mkpath(d);
  TZefiran_3D& f = openStill(1200, 900);
  play({"e2e4", "e7e5", "g1f3", "b8c6", "f1b5", "a7a6", "b5a4", "g8f6", "e1g1", "f8e7", "f1e1"});
  f.sistemagriglia(1);
  QImage shots[4];
  const char* names[4] = {"look_classic_3d", "look_classic_2d", "look_staunton_3d", "look_staunton_2d"};
  for (int k = 0; k < 4; ++k) {
    if (k == 2) {
      component<QAction>(f, "pieceSetStaunton")->trigger();
      component<QAction>(f, "styleCalm")->trigger();
    }
    component<QAction>(f, k % 2 ? "scacchiera2D1" : "scacchiera3D1")->trigger();
    // The moves were played past the window: its turn marks are set here.
    component<PlayerPanel>(f, "Panel4")->setToMove(true);
    component<PlayerPanel>(f, "Panel5")->setToMove(false);
    QTest::qWait(100);
    shots[k] = f.grab().toImage().scaledToWidth(800, Qt::SmoothTransformation);
    for (const QString& d : folders) ASSERT_TRUE(shots[k].save(d + "/" + names[k] + ".png"));
  }
  EXPECT_NE(shots[0], shots[2]);
  EXPECT_NE(shots[1], shots[3]);
}

}  // namespace
