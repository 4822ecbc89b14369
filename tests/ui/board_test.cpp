// The board's mouse: hovering, picking up, putting down, switching pieces,
// moves with castling, en passant and the four promotions, and the clicks
// that are refused.
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

#include "graphics/gl/boardview.h"
#include "support/engine_fixture.h"
#include "ui/Unitpromozione.h"
#include "ui/resultunit.h"
#include "uifixture.h"

namespace {

using zeftest::ChiudiModali;
using zeftest::Finestra;
using zeftest::puntocasella;
using zeftest::sq;
using zeftest::t;
using zeftest::trova;

class Scacchiera : public Finestra {
 protected:
  // The window with both sides human and no tick of its own.
  TZefiran_3D& apriferma() {
    TZefiran_3D& f = apri();
    trova<QTimer>(f, "Timer1")->stop();
    partita.motorebianco = 0;
    partita.motorenero = 0;
    return f;
  }
  QPoint punto(int s) const {
    return puntocasella(s, trova<BoardView>(*w, "Panel1")->width(), trova<BoardView>(*w, "Panel1")->height());
  }
  // A click on a square, as the mouse makes it.
  void clicca(const char* casella) {
    QTest::mouseClick(trova<BoardView>(*w, "Panel1"), Qt::LeftButton, {}, punto(sq(casella)));
  }
  void mossa(const char* da, const char* a) {
    clicca(da);
    clicca(a);
  }
  static void imposta(const char* fen) {
    impostafen(fen, true);
    casellascelta = -1;
    casellasotto = -1;
  }
};

TEST_F(Scacchiera, HoverNamesTheSquareHidesTheCursorAndFocusesTheSink) {
  TZefiran_3D& f = apriferma();
  f.Panel1MouseMove(punto(sq("e5")).x(), punto(sq("e5")).y());
  EXPECT_EQ(casellasotto, sq("e5"));
  EXPECT_EQ(trova<BoardView>(f, "Panel1")->cursor().shape(), Qt::BlankCursor);
  EXPECT_EQ(f.focusWidget(), trova<QLineEdit>(f, "Edit1")) << "the sink takes the focus";
  f.Panel1MouseMove(punto(sq("c3")).x(), punto(sq("c3")).y());
  EXPECT_EQ(casellasotto, sq("c3"));
  // The real pointer over the panel gives the same square.
  QTest::mouseMove(trova<BoardView>(f, "Panel1"), punto(sq("g7")));
  EXPECT_TRUE(attendi([] { return casellasotto == sq("g7"); }, 3000)) << casellasotto;
  // Searching: the pointer is not followed.
  partita.inricerca = 1;
  f.Panel1MouseMove(punto(sq("a1")).x(), punto(sq("a1")).y());
  EXPECT_EQ(casellasotto, sq("g7"));
  partita.inricerca = 0;
}

TEST_F(Scacchiera, PickPutDownSwitchAndMove) {
  apriferma();
  modointerfaccia = 0;
  const int32_t bianco = partita.tempoBianco;
  clicca("e7");
  EXPECT_EQ(casellascelta, -1) << "Black's piece while White is to move";
  clicca("e4");
  EXPECT_EQ(casellascelta, -1) << "an empty square";
  clicca("e2");
  EXPECT_EQ(casellascelta, sq("e2"));
  clicca("e2");
  EXPECT_EQ(casellascelta, -1) << "the piece is put down";
  clicca("e2");
  clicca("d2");
  EXPECT_EQ(casellascelta, sq("d2")) << "another own piece is picked instead";
  clicca("d5");
  EXPECT_EQ(casellascelta, sq("d2")) << "an illegal target keeps the piece";
  EXPECT_EQ(partita.count, 0);
  clicca("e7");
  EXPECT_EQ(partita.count, 0) << "an enemy piece out of reach is no target";
  clicca("d4");
  ASSERT_EQ(partita.count, 1);
  EXPECT_EQ(posizioni[0].board[sq("d4")], PAWN);
  EXPECT_EQ(casellascelta, -1);
  EXPECT_EQ(casellasotto, -1);
  EXPECT_EQ(modointerfaccia, 1) << "the first move of the game decides the mode";
  EXPECT_EQ(partita.tempoBianco, bianco) << "the first move is not charged";
  EXPECT_EQ(partita.orologiofermo, 0);
  EXPECT_EQ(partita.movetext[0].str(), "d4");
}

TEST_F(Scacchiera, LaterHumanMovesChargeTheMoversClock) {
  apriferma();
  double ms = 10 * 3600 * 1000.0;
  setClockSource([&ms] { return ms / 86400000.0; });
  moveStart = adesso();
  mossa("e2", "e4");
  ms += 3000;
  mossa("e7", "e5");
  EXPECT_EQ(partita.count, 2);
  EXPECT_EQ(partita.tempoNero, 300000 - 3000);
  ms += 1500;
  mossa("g1", "f3");
  EXPECT_EQ(partita.tempoBianco, 300000 - 1500);
  setClockSource(nullptr);
}

TEST_F(Scacchiera, ClicksAreRefusedWhileASearchRuns) {
  apriferma();
  partita.inricerca = 2;
  clicca("e2");
  EXPECT_EQ(casellascelta, -1);
  partita.inricerca = 0;
  clicca("e2");
  EXPECT_EQ(casellascelta, sq("e2"));
  partita.inricerca = 1;
  clicca("e4");
  EXPECT_EQ(partita.count, 0);
  EXPECT_EQ(casellascelta, sq("e2"));
  partita.inricerca = 0;
}

TEST_F(Scacchiera, CastlingOnBothWingsAndEnPassant) {
  apriferma();
  imposta("r3k2r/pppppppp/8/8/8/8/PPPPPPPP/R3K2R w KQkq - 0 1");
  mossa("e1", "g1");
  EXPECT_EQ(posizioni[0].board[sq("g1")], KING);
  EXPECT_EQ(posizioni[0].board[sq("f1")], ROOK);
  EXPECT_EQ(posizioni[0].board[sq("h1")], 0);
  mossa("e8", "c8");
  EXPECT_EQ(posizioni[0].board[sq("c8")], -KING);
  EXPECT_EQ(posizioni[0].board[sq("d8")], -ROOK);
  EXPECT_EQ(partita.movetext[0].str(), "O-O");
  EXPECT_EQ(partita.movetext[1].str(), "O-O-O");

  imposta("4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1");
  mossa("e5", "d6");
  EXPECT_EQ(posizioni[0].board[sq("d6")], PAWN);
  EXPECT_EQ(posizioni[0].board[sq("d5")], 0) << "the passed pawn is taken";
}

TEST_F(Scacchiera, AMoveIntoCheckIsRefusedAndAPinnedPawnAsksNothing) {
  TZefiran_3D& f = apriferma();
  ChiudiModali chiudi;
  imposta("8/K3P2r/8/2k5/8/8/8/8 w - - 0 1");
  mossa("e7", "e8");
  QTest::qWait(100);
  EXPECT_EQ(partita.count, 0);
  EXPECT_EQ(casellascelta, sq("e7")) << "the piece stays picked up";
  EXPECT_TRUE(chiudi.visti.empty()) << "no promotion question for an illegal move";
  clicca("a7");
  EXPECT_EQ(casellascelta, sq("a7"));
  clicca("b6");
  EXPECT_EQ(partita.count, 0) << "the king may not step next to the other";
  EXPECT_EQ(casellascelta, sq("a7"));
  EXPECT_FALSE(trova<Tpromozione>(f, "promozione")->isVisible());
}

TEST_F(Scacchiera, PromotingTwiceWithoutTouchingTheButtonsGivesQueens) {
  TZefiran_3D& f = apriferma();
  ChiudiModali chiudi;
  QString titolo;
  chiudi.primadichiudere = [&](QDialog* d) { titolo = d->windowTitle(); };
  imposta("7k/PP6/8/8/8/8/8/K7 w - - 0 1");
  sceltapromozione = MV_PROMO_N;  // what an earlier use left behind
  mossa("a7", "a8");
  ASSERT_EQ(partita.count, 1);
  EXPECT_EQ(posizioni[0].board[sq("a8")], QUEEN);
  EXPECT_EQ(titolo, t("P_PROMOTE"));
  mossa("h8", "h7");
  mossa("b7", "b8");
  ASSERT_EQ(partita.count, 3);
  EXPECT_EQ(posizioni[0].board[sq("b8")], QUEEN);
  ASSERT_EQ(chiudi.visti.size(), 2u);
  EXPECT_EQ(chiudi.visti[0], trova<Tpromozione>(f, "promozione")->objectName());
  EXPECT_EQ(partita.movetext[2].str().substr(0, 3), "b8Q");
}

TEST_F(Scacchiera, EachButtonGivesItsPieceAndACaptureKeepsItsFlag) {
  TZefiran_3D& f = apriferma();
  ChiudiModali chiudi;
  struct Caso {
    QToolButton* bottone;
    int pezzo;
    uint32_t bit;
  } casi[] = {{trova<Tpromozione>(f, "promozione")->SpeedButton1, QUEEN, MV_PROMO_Q},
              {trova<Tpromozione>(f, "promozione")->SpeedButton2, ROOK, MV_PROMO_R},
              {trova<Tpromozione>(f, "promozione")->SpeedButton3, KNIGHT, MV_PROMO_N},
              {trova<Tpromozione>(f, "promozione")->SpeedButton4, BISHOP, MV_PROMO_B}};
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.pezzo);
    chiudi.primadichiudere = [&](QDialog*) { QTest::mouseClick(c.bottone, Qt::LeftButton); };
    imposta("r6k/1P6/8/8/8/8/8/K7 w - - 0 1");
    mossa("b7", "a8");
    ASSERT_EQ(partita.count, 1);
    EXPECT_EQ(posizioni[0].board[sq("a8")], c.pezzo);
    EXPECT_EQ(partita.moves[0] & MV_PROMOS, c.bit);
    EXPECT_NE(partita.moves[0] & MV_CAPTURE, 0u);
    EXPECT_TRUE(c.bottone->isChecked());
  }
  // Black promotes the same way, and a closed dialog keeps the choice shown.
  chiudi.primadichiudere = [&](QDialog* d) {
    QTest::mouseClick(trova<Tpromozione>(f, "promozione")->SpeedButton2, Qt::LeftButton);
    d->reject();
  };
  imposta("k7/8/8/8/8/8/6p1/K7 b - - 0 1");
  mossa("g2", "g1");
  EXPECT_EQ(posizioni[0].board[sq("g1")], -ROOK);
}

TEST_F(Scacchiera, AMateByClicksShowsTheNoticeAndKeepsThePlayers) {
  TZefiran_3D& f = apriferma();
  ChiudiModali chiudi;
  imposta("6k1/5ppp/8/8/8/8/5PPP/R5K1 w - - 0 1");
  partita.motorenero = 1;
  mossa("a1", "a8");
  ASSERT_EQ(partita.count, 1);
  EXPECT_EQ(trova<Tresultform>(f, "resultform")->aperture(), 1);
  EXPECT_EQ(trova<Tresultform>(f, "resultform")->Label1->text(), t("LMATTOB"));
  EXPECT_TRUE(trova<QPlainTextEdit>(f, "Memo1")->toPlainText().contains(t("LMATTOB")));
  EXPECT_EQ(partita.motorenero, 1);
  partita.motorenero = 0;
}

}  // namespace
