// Whole games with the mouse only: against the engine in both views, with a
// step back through the grid and a save and reload at the end; and a game
// between two people clicked through the X server.
#include <QProcess>
#include <QStandardPaths>

#include "engine/position/makemove.h"
#include "graphics/gl/boardview.h"
#include "support/engine_fixture.h"
#include "uifixture.h"

namespace {

using zeftest::component;
using zeftest::findMove;
using zeftest::makeRoot;
using zeftest::ModalCloser;
using zeftest::rootMoves;
using zeftest::sq;
using zeftest::squarePoint;
using zeftest::WindowTest;

std::string coordinate(uint32_t m) {
  std::string s;
  for (int q : {static_cast<int>(mvFrom(m)), static_cast<int>(mvTo(m))}) {
    s += static_cast<char>('a' + (q & 7));
    s += static_cast<char>('1' + (q >> 3));
  }
  return s;
}

class Partita : public WindowTest {
 protected:
  QPoint punto(int s) const {
    return squarePoint(s, component<BoardView>(*w, "Panel1")->width(), component<BoardView>(*w, "Panel1")->height());
  }

  // A click as the mouse makes it: the pointer moves over the square (the
  // real pointer, so the hover follows it), then the button goes down and up.
  void clicca(int s) {
    QTest::mouseMove(component<BoardView>(*w, "Panel1"), punto(s));
    waitFor([s] { return casellasotto == s; }, 2000);
    QTest::mouseClick(component<BoardView>(*w, "Panel1"), Qt::LeftButton, {}, punto(s));
  }

  // Plays a move of the side to move with two clicks; false when it was not played.
  bool muovi(const std::string& m) {
    const int n = partita.current;
    clicca(sq(m.c_str()));
    if (casellascelta != sq(m.c_str())) return false;
    clicca(sq(m.c_str() + 2));
    return partita.current == n + 1 && partita.count == n + 1;
  }

  // The first of the wished moves that is legal here, else the first legal
  // move that is no promotion.
  static std::string scegli(std::initializer_list<const char*> desiderate) {
    for (const char* m : desiderate)
      if (findMove(m) && makeRoot(m)) return m;
    for (uint32_t m : rootMoves()) {
      if (m & MV_PROMOS) continue;
      const std::string c = coordinate(m);
      if (makeRoot(c)) return c;
    }
    return {};
  }
};

TEST_F(Partita, AgainstTheEngineWithTheMouseInBothViewsThenBackSaveAndReload) {
  TZefiran_3D& f = openWindow(1024, 768);
  ModalCloser chiudi;
  partita.tempoBianco = partita.tempoNero = 15000;
  component<QAction>(f, "scacchiera2D1")->trigger();
  ASSERT_EQ(vista, VISTA_PIATTA);
  std::vector<std::string> mie;
  const std::initializer_list<const char*> desiderate[4] = {
      {"e2e4"}, {"g1f3", "d2d3"}, {"f1c4", "f1e2", "f1d3"}, {"e1g1", "d2d3", "b1c3"}};
  for (int k = 0; k < 4; ++k) {
    SCOPED_TRACE(k);
    if (k == 2) component<QAction>(f, "scacchiera3D1")->trigger();
    ASSERT_TRUE(waitFor([] { return partita.inricerca == 0; }, 30000));
    const std::string m = scegli(desiderate[k]);
    ASSERT_FALSE(m.empty());
    ASSERT_TRUE(muovi(m)) << m;
    mie.push_back(m);
    EXPECT_EQ(modointerfaccia, 1);
    ASSERT_TRUE(waitFor([k] { return partita.count == 2 * k + 2 && partita.inricerca == 0; }, 30000))
        << "the engine replies";
  }
  EXPECT_EQ(vista, VISTA_3D);
  for (int k = 0; k < 4; ++k) EXPECT_EQ(coordinate(partita.moves[2 * k]), mie[k]) << k;

  // Back to the position after Black's first move, and on from there.
  f.sistemagriglia(1);
  const int rh = f.rowHeight(), u = component<QWidget>(f, "PaintBox1")->width() / 7;
  QTest::mouseClick(component<QWidget>(f, "PaintBox1"), Qt::LeftButton, {}, QPoint(5 * u, rh / 2));
  ASSERT_EQ(partita.current, 2);
  EXPECT_EQ(partita.count, 8) << "browsing keeps the game";
  EXPECT_EQ(partita.motorenero, 1) << "going to a move keeps who plays";
  EXPECT_TRUE(component<QAction>(f, "Dralen2")->isChecked());
  std::string altra;
  for (uint32_t m : rootMoves()) {
    const std::string c = coordinate(m);
    if (!(m & MV_PROMOS) && c != mie[1] && makeRoot(c)) {
      altra = c;
      break;
    }
  }
  ASSERT_TRUE(muovi(altra)) << altra;
  EXPECT_EQ(partita.count, 3) << "the later moves are gone";
  ASSERT_TRUE(waitFor([] { return partita.count == 4 && partita.inricerca == 0; }, 30000));
  EXPECT_EQ(coordinate(partita.moves[0]), mie[0]);
  EXPECT_EQ(coordinate(partita.moves[2]), altra);

  // Saved, replaced by a new game, loaded back: the same game.
  partita.motorenero = 0;
  const tpartita prima = partita;
  const uint32_t chiave = posizioni[0].hashcheck;
  const QString nome = QString::fromStdString(folder.file("mouse.pgn"));
  ASSERT_TRUE(f.savePgnTo(nome));
  component<QAction>(f, "Nuovapartita1")->trigger();
  partita.motorenero = 0;
  ASSERT_TRUE(f.openPgn(nome));
  ASSERT_EQ(partita.count, 4);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(partita.moves[i] & MV_MOVE, prima.moves[i] & MV_MOVE);
    EXPECT_EQ(partita.movetext[i].str(), prima.movetext[i].str());
  }
  EXPECT_EQ(posizioni[0].hashcheck, chiave);
}

TEST_F(Partita, TwoPeopleClickAGameWithCastlingThroughTheXServer) {
  const QString xdotool = QStandardPaths::findExecutable("xdotool");
  if (xdotool.isEmpty()) GTEST_SKIP() << "xdotool is not installed";
  TZefiran_3D& f = openWindow(1024, 768);
  component<QAction>(f, "Umano2")->trigger();
  ASSERT_EQ(partita.motorenero, 0);
  // A click where the X server puts it: pointer to the screen point, button 1.
  auto clickx = [&](int s) {
    const QPoint g = component<BoardView>(f, "Panel1")->mapToGlobal(punto(s));
    QProcess::execute(xdotool, {"mousemove", "--sync", QString::number(g.x()), QString::number(g.y()), "click", "1"});
  };
  const char* mosse[] = {"e2e4", "e7e5", "g1f3", "b8c6", "f1c4", "f8c5", "e1g1", "g8f6"};
  for (int i = 0; i < 8; ++i) {
    SCOPED_TRACE(mosse[i]);
    if (i == 4) {
      component<QAction>(f, "Ruota1801")->trigger();  // the rest from Black's side of the board
      component<QAction>(f, "scacchiera2D1")->trigger();
      ASSERT_FLOAT_EQ(rotazione, 90.0f) << "the flat view keeps the board turned";
    }
    const int da = sq(mosse[i]), a = sq(mosse[i] + 2);
    clickx(da);
    ASSERT_TRUE(waitFor([da] { return casellascelta == da; }, 3000)) << casellascelta;
    clickx(a);
    ASSERT_TRUE(waitFor([i] { return partita.count == i + 1; }, 3000));
  }
  EXPECT_EQ(vista, VISTA_PIATTA);
  EXPECT_FLOAT_EQ(rotazione, 90.0f);
  const char* testi[] = {"e4", "e5", "Nf3", "Nc6", "Bc4", "Bc5", "O-O", "Nf6"};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(partita.movetext[i].str(), testi[i]) << i;
  EXPECT_EQ(posizioni[0].board[sq("g1")], KING);
  EXPECT_EQ(posizioni[0].board[sq("f1")], ROOK);
}

TEST_F(Partita, TwoPeoplePlayToMateInThe3DViewPromotingOnTheEighthRank) {
  TZefiran_3D& f = openWindow(1024, 768);
  ModalCloser chiudi;
  component<QAction>(f, "Umano2")->trigger();
  ASSERT_EQ(vista, VISTA_3D);
  ASSERT_EQ(partita.motorenero, 0);
  // Every move to or from Black's back ranks clicked where the squares are
  // drawn, half of the game with the camera turned and tilted.
  const char* mosse[] = {"e2e4", "f7f5", "e4f5", "g7g6", "f5g6", "g8f6", "g6h7", "h8g8", "h7g8", "f6g8", "d1h5"};
  for (int i = 0; i < 11; ++i) {
    SCOPED_TRACE(mosse[i]);
    if (i == 6) {
      rotazione = 300;
      elevazione = 40;
      ridisegna = 1;
    }
    ASSERT_TRUE(muovi(mosse[i])) << "count " << partita.count;
  }
  EXPECT_EQ(partita.movetext[8].str(), "hxg8Q");
  EXPECT_EQ(partita.movetext[10].str(), "Qh5#");
  EXPECT_EQ(finepartita(), -2);
  const std::vector<QString> attesi = {"promozione", "resultform"};
  EXPECT_EQ(chiudi.seen, attesi) << "the promotion dialog, then the game-over notice";
}

}  // namespace
