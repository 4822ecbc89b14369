// The move grid: cell text placement, the scroll bar, hover and current
// marks, and going to a move by clicking it.
#include <QScrollBar>

#include "graphics/gl/boardview.h"
#include "support/engine_fixture.h"
#include "ui/griglia.h"
#include "uifixture.h"

namespace {

using zeftest::component;
using zeftest::findMove;
using zeftest::sq;
using zeftest::squarePoint;
using zeftest::WindowTest;

TEST(TestoCella, PlacementOfTheFourAlignments) {
  // Cell 10..100 x 20..40, text 30 x 12, a blank 4 wide.
  PostoTesto p = textPlace(10, 20, 'c', 30, 12, 4, 40, 100);
  EXPECT_FALSE(p.stirato);
  EXPECT_EQ(p.x, 40);
  EXPECT_EQ(p.y, 24);
  EXPECT_EQ(textPlace(10, 20, 's', 30, 12, 4, 40, 100).x, 14);
  EXPECT_EQ(textPlace(10, 20, 'd', 30, 12, 4, 40, 100).x, 66);
  EXPECT_EQ(textPlace(10, 20, 'x', 30, 12, 4, 40, 100).x, 10);
  // The vertical start is halved toward zero: a cell 3 pixels short of the
  // text starts it 1 pixel above the cell, not 2.
  EXPECT_EQ(textPlace(10, 20, 'c', 30, 23, 4, 40, 100).y, 19);
}

TEST(TestoCella, TextsThatDoNotFitAreStretchedIntoTheCell) {
  // Width: the text must be narrower than the cell less one blank.
  EXPECT_FALSE(textPlace(10, 20, 'c', 85, 12, 4, 40, 100).stirato);
  PostoTesto largo = textPlace(10, 20, 'c', 86, 12, 4, 40, 100);
  ASSERT_TRUE(largo.stirato);
  EXPECT_EQ(largo.destinazione, QRect(14, 24, 82, 12)) << "one blank in from both sides, at the text's height";
  // Height only: the text's own width, ten pixels in from top and bottom.
  PostoTesto alto = textPlace(10, 20, 'c', 30, 20, 4, 60, 100);
  EXPECT_FALSE(alto.stirato) << "20 < 40 fits";
  alto = textPlace(10, 20, 'c', 30, 40, 4, 60, 100);
  ASSERT_TRUE(alto.stirato);
  EXPECT_EQ(alto.destinazione, QRect(40, 30, 30, 20));
  // Both too large: the width rule decides.
  PostoTesto tutti = textPlace(10, 20, 'c', 200, 40, 4, 60, 100);
  ASSERT_TRUE(tutti.stirato);
  EXPECT_EQ(tutti.destinazione.left(), 14);
  EXPECT_EQ(tutti.destinazione.width(), 82);
}

class Griglia : public WindowTest {
 protected:
  TZefiran_3D& apriferma() {
    TZefiran_3D& f = openWindow();
    component<QTimer>(f, "Timer1")->stop();
    partita.motorebianco = 0;
    partita.motorenero = 0;
    return f;
  }
  static void gioca(std::initializer_list<const char*> mosse) {
    for (const char* m : mosse) ASSERT_TRUE(giocamossa(findMove(m))) << m;
  }
  int u() const { return component<QWidget>(*w, "PaintBox1")->width() / 7; }
  int rh() const { return w->rowHeight(); }
  // The centre of a cell: column 0 numbers, 1 White, 2 Black.
  QPoint cella(int riga, int colonna) const {
    const int x[3] = {u() / 2, (u() + 4 * u()) / 2, (4 * u() + 7 * u()) / 2};
    return QPoint(x[colonna], rh() * riga + rh() / 2);
  }
  // Pixels of a colour inside a cell of the grid's bitmap.
  int pixel(int riga, int colonna, QRgb colore) const {
    const QImage img = w->gridBitmap().toImage();
    const int x1[3] = {1, u() + 1, 4 * u() + 1}, x2[3] = {u() - 1, 4 * u() - 1, 7 * u() - 1};
    int n = 0;
    for (int y = rh() * riga + 1; y < rh() * (riga + 1) - 1; ++y)
      for (int x = x1[colonna]; x < x2[colonna]; ++x) n += (img.pixel(x, y) & 0xFFFFFF) == (colore & 0xFFFFFF);
    return n;
  }
};

TEST_F(Griglia, ScrollBarIsDisabledUntilTheMovesOutgrowTheRows) {
  TZefiran_3D& f = apriferma();
  component<QAction>(f, "Nuovapartita1")->trigger();
  partita.motorenero = 0;
  EXPECT_FALSE(component<QScrollBar>(f, "ScrollBar1")->isEnabled());
  EXPECT_EQ(component<QScrollBar>(f, "ScrollBar1")->value(), 1);
  EXPECT_GT(pixel(0, 0, qRgb(255, 255, 0)), 0) << "the move numbers are shown";
  EXPECT_EQ(pixel(0, 1, qRgb(255, 255, 255)), 0) << "no move yet";

  const int righe = component<QWidget>(f, "PaintBox1")->height() / rh();
  ASSERT_GT(righe, 2);
  for (int i = 0; i < righe; ++i) gioca({"g1f3", "g8f6", "f3g1", "f6g8"});
  f.sistemagriglia(1);
  // Four half-moves per row: twice as many moves as rows.
  const int a = partita.count / 2 - righe;
  ASSERT_GE(a, 0);
  EXPECT_TRUE(component<QScrollBar>(f, "ScrollBar1")->isEnabled());
  EXPECT_EQ(component<QScrollBar>(f, "ScrollBar1")->minimum(), 1);
  EXPECT_EQ(component<QScrollBar>(f, "ScrollBar1")->maximum(), a + 2);
  EXPECT_EQ(component<QScrollBar>(f, "ScrollBar1")->value(), 1) << "new moves do not scroll the grid";
  gioca({"g1f3", "g8f6"});
  f.sistemagriglia(1);
  EXPECT_EQ(component<QScrollBar>(f, "ScrollBar1")->maximum(), a + 3);
  EXPECT_EQ(component<QScrollBar>(f, "ScrollBar1")->value(), 1);

  // Scrolled, the first row is move 3: hovering its number column names
  // White's half-move 5.
  component<QScrollBar>(f, "ScrollBar1")->setValue(3);
  f.PaintBox1MouseMove(cella(0, 0).x(), cella(0, 0).y());
  EXPECT_EQ(f.mossasotto, 5);
  f.PaintBox1MouseMove(cella(1, 2).x(), cella(1, 2).y());
  EXPECT_EQ(f.mossasotto, 8);
}

TEST_F(Griglia, ClickingACellShowsThePositionAfterThatMove) {
  TZefiran_3D& f = apriferma();
  std::vector<uint32_t> chiavi{posizioni[0].hashcheck};
  for (const char* m : {"e2e4", "e7e5", "g1f3", "b8c6", "f1b5", "a7a6"}) {
    gioca({m});
    chiavi.push_back(posizioni[0].hashcheck);
  }
  f.sistemagriglia(1);
  QTest::mouseClick(component<QWidget>(f, "PaintBox1"), Qt::LeftButton, {}, cella(1, 0));
  EXPECT_EQ(f.mossasotto, 3) << "the number column of row 2 is White's half-move 3";
  EXPECT_EQ(partita.current, 3);
  EXPECT_EQ(posizioni[0].hashcheck, chiavi[3]);
  EXPECT_EQ(posizioni[0].board[sq("f3")], KNIGHT);
  EXPECT_EQ(posizioni[0].board[sq("c6")], 0);
  EXPECT_EQ(partita.count, 6) << "the record stays whole";
  QTest::mouseClick(component<QWidget>(f, "PaintBox1"), Qt::LeftButton, {}, cella(0, 2));
  EXPECT_EQ(partita.current, 2);
  EXPECT_EQ(posizioni[0].hashcheck, chiavi[2]);
  QTest::mouseClick(component<QWidget>(f, "PaintBox1"), Qt::LeftButton, {}, cella(2, 2));
  EXPECT_EQ(partita.current, 6);
  EXPECT_EQ(posizioni[0].hashcheck, chiavi[6]);
  EXPECT_EQ(posizioni[0].side, WHITE);
  // An empty cell past the game shows its last position.
  QTest::mouseClick(component<QWidget>(f, "PaintBox1"), Qt::LeftButton, {}, cella(5, 1));
  EXPECT_EQ(partita.current, 6);
  // Searching: the click is refused.
  QTest::mouseClick(component<QWidget>(f, "PaintBox1"), Qt::LeftButton, {}, cella(0, 1));
  ASSERT_EQ(partita.current, 1);
  partita.inricerca = 1;
  QTest::mouseClick(component<QWidget>(f, "PaintBox1"), Qt::LeftButton, {}, cella(2, 1));
  EXPECT_EQ(partita.current, 1);
  partita.inricerca = 0;
}

TEST_F(Griglia, CurrentMoveIsYellowAndTheHoveredOneBold) {
  TZefiran_3D& f = apriferma();
  // Moves made with the mouse redraw the grid at once.
  auto clicca = [&](const char* c) {
    QTest::mouseClick(
        component<BoardView>(f, "Panel1"), Qt::LeftButton, {},
        squarePoint(sq(c), component<BoardView>(f, "Panel1")->width(), component<BoardView>(f, "Panel1")->height()));
  };
  clicca("e2");
  clicca("e4");
  clicca("e7");
  clicca("e5");
  clicca("d2");
  clicca("d4");
  ASSERT_EQ(partita.count, 3);
  const QRgb giallo = qRgb(255, 255, 0), bianco = qRgb(255, 255, 255), nero = qRgb(0, 0, 0);
  EXPECT_GT(pixel(1, 1, giallo), 0) << "White's second move is the current one";
  EXPECT_EQ(pixel(1, 1, bianco), 0);
  EXPECT_GT(pixel(0, 1, bianco), 0);
  EXPECT_EQ(pixel(0, 1, giallo), 0);
  EXPECT_GT(pixel(0, 2, nero), 0);
  EXPECT_EQ(pixel(1, 2, nero), 0) << "Black has not replied";
  f.PaintBox1MouseMove(cella(5, 2).x(), cella(5, 2).y());  // away from the moves
  const int sottile = pixel(0, 1, bianco);
  f.PaintBox1MouseMove(cella(0, 1).x(), cella(0, 1).y());
  EXPECT_EQ(f.mossasotto, 1);
  EXPECT_GT(pixel(0, 1, bianco), sottile) << "the hovered move is bold";
  // Going back marks the earlier move.
  QTest::mouseClick(component<QWidget>(f, "PaintBox1"), Qt::LeftButton, {}, cella(0, 2));
  EXPECT_GT(pixel(0, 2, giallo), 0);
  EXPECT_EQ(pixel(1, 1, giallo), 0);
}

TEST_F(Griglia, AMoveFromAnEarlierPositionCutsTheRecord) {
  TZefiran_3D& f = apriferma();
  gioca({"e2e4", "e7e5", "g1f3", "b8c6", "f1b5"});
  f.sistemagriglia(1);
  QTest::mouseClick(component<QWidget>(f, "PaintBox1"), Qt::LeftButton, {}, cella(0, 2));  // after 1... e5
  ASSERT_EQ(partita.current, 2);
  auto clicca = [&](const char* c) {
    QTest::mouseClick(
        component<BoardView>(f, "Panel1"), Qt::LeftButton, {},
        squarePoint(sq(c), component<BoardView>(f, "Panel1")->width(), component<BoardView>(f, "Panel1")->height()));
  };
  clicca("f1");
  clicca("c4");
  ASSERT_EQ(partita.count, 3);
  EXPECT_EQ(partita.current, 3);
  EXPECT_EQ(partita.movetext[2].str(), "Bc4");
  EXPECT_EQ(partita.moves[3], 0u);
  EXPECT_EQ(posizioni[0].board[sq("g1")], KNIGHT) << "the later Nf3 is gone";
  EXPECT_GT(pixel(1, 1, qRgb(255, 255, 0)), 0);
  EXPECT_EQ(pixel(1, 2, qRgb(0, 0, 0)), 0) << "Black's Nc6 is no longer shown";
}

}  // namespace
