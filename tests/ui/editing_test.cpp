// The window's take-back, navigation, board editing, FEN files and
// clipboard, as a player uses them.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "game/gamecontroller.h"
#include "graphics/gl/boardview.h"
#include "support/engine_fixture.h"
#include "uifixture.h"

namespace {

using zeftest::ChiudiModali;
using zeftest::findMove;
using zeftest::Finestra;
using zeftest::RispondiFile;
using zeftest::sq;
using zeftest::t;
using zeftest::trova;

class Modifica : public Finestra {
 protected:
  TZefiran_3D& apriferma() {
    TZefiran_3D& f = apri();
    trova<QTimer>(f, "Timer1")->stop();
    return f;
  }
  // A right click on a square in edit mode, then one of the popup's items.
  void metti(TZefiran_3D& f, const char* casella, const char* voce) {
    auto* board = trova<BoardView>(f, "Panel1");
    QTest::mouseClick(board, Qt::RightButton, {}, zeftest::puntocasella(sq(casella), board->width(), board->height()));
    QMenu* popup = trova<QMenu>(f, "PopupMenu1");
    ASSERT_TRUE(popup->isVisible()) << casella;
    popup->hide();
    trova<QAction>(f, voce)->trigger();
  }
};

TEST_F(Modifica, TakeBackAgainstTheEngineGivesThePlayerTheMoveAndTheClocks) {
  TZefiran_3D& f = apri();
  partita.tempoBase = partita.tempoBianco = partita.tempoNero = 4000;
  controllore().newGame();
  ASSERT_TRUE(controllore().humanMove(findMove("e2e4")));
  ASSERT_TRUE(attendi([] { return partita.count == 2 && partita.inricerca == 0; }, 30000)) << "the engine replies";
  ASSERT_TRUE(controllore().humanMove(findMove("d2d4")));
  ASSERT_TRUE(attendi([] { return partita.count == 4 && partita.inricerca == 0; }, 30000));
  const ClockReading alle2 = controllore().reading(2);

  EXPECT_EQ(trova<QAction>(f, "ripetimossa1")->shortcut(), QKeySequence(QKeySequence::Undo));
  trova<QAction>(f, "ripetimossa1")->trigger();
  EXPECT_EQ(partita.current, 2);
  EXPECT_EQ(posizioni[0].side, WHITE) << "the player is to move again";
  EXPECT_EQ(partita.tempoNero, alle2.black);
  EXPECT_EQ(trova<QLabel>(f, "Label3")->text(), QString::fromStdString(clockText(alle2.black)))
      << "Black's clock as it was then";
  QTest::qWait(300);
  EXPECT_EQ(partita.count, 4) << "the engine does not replay while the player looks back";

  // Forward and back through the recorded moves: buttons and keys.
  QTest::mouseClick(trova<QPushButton>(f, "gridForward"), Qt::LeftButton);
  EXPECT_EQ(partita.current, 3);
  QTest::keyClick(trova<QLineEdit>(f, "Edit1"), Qt::Key_End);
  EXPECT_EQ(partita.current, 4);
  QTest::keyClick(trova<QLineEdit>(f, "Edit1"), Qt::Key_Home);
  EXPECT_EQ(partita.current, 0);
  QTest::keyClick(trova<QLineEdit>(f, "Edit1"), Qt::Key_PageDown);
  EXPECT_EQ(partita.current, 1);
  QTest::mouseClick(trova<QPushButton>(f, "gridBack"), Qt::LeftButton);
  EXPECT_EQ(partita.current, 0);
  EXPECT_EQ(partita.count, 4);
  QTest::mouseClick(trova<QPushButton>(f, "gridLast"), Qt::LeftButton);
  EXPECT_EQ(partita.current, 4);
  partita.motorenero = 0;
}

TEST_F(Modifica, PiecesArePlacedAndRemovedAndAPlayablePositionStartsAGame) {
  TZefiran_3D& f = apriferma();
  trova<QAction>(f, "EditaScacchiera1")->trigger();
  ASSERT_TRUE(f.editing());
  EXPECT_TRUE(trova<QCheckBox>(f, "editCastleWK")->isChecked()) << "edit mode starts from the board";
  metti(f, "h1", "Svuotacsella1");
  EXPECT_EQ(posizioni[0].board[sq("h1")], EMPTY) << "the board shows the edit";
  EXPECT_FALSE(trova<QCheckBox>(f, "editCastleWK")->isEnabled()) << "no rook, no right";

  trova<QAction>(f, "Svuotascacchiera1")->trigger();
  QPushButton* ritorna = trova<QPushButton>(f, "Button1");
  // Each refusal keeps the edit going and says why.
  QTest::mouseClick(ritorna, Qt::LeftButton);
  EXPECT_TRUE(f.editing());
  EXPECT_EQ(trova<QLabel>(f, "Panel11")->text(), t("E_KINGS"));
  metti(f, "e1", "ReBianco1");
  metti(f, "e8", "Renero1");
  metti(f, "a8", "PedoneBianco1");
  QTest::mouseClick(ritorna, Qt::LeftButton);
  EXPECT_EQ(trova<QLabel>(f, "Panel11")->text(), t("E_PAWNRANK"));
  metti(f, "a8", "orrebianca1");  // the rook replaces the pawn and gives check
  QTest::mouseClick(ritorna, Qt::LeftButton);
  EXPECT_EQ(trova<QLabel>(f, "Panel11")->text(), t("E_CHECK"));
  trova<QRadioButton>(f, "editBlackToMove")->setChecked(true);
  for (const char* c : {"b2", "c2", "d2", "f2", "g2"}) metti(f, c, "alfierebianco1");
  QTest::mouseClick(ritorna, Qt::LeftButton);
  EXPECT_EQ(trova<QLabel>(f, "Panel11")->text(), t("E_TOOMANY"));
  metti(f, "g2", "Svuotacsella1");

  QTest::mouseClick(ritorna, Qt::LeftButton);
  EXPECT_FALSE(f.editing());
  EXPECT_EQ(partita.startfen.str(), "R3k3/8/8/8/8/8/1BBB1B2/4K3 b - - 0 1");
  EXPECT_EQ(partita.count, 0);
  EXPECT_EQ(posizioni[0].side, BLACK);
  EXPECT_TRUE(controllore().enginePlays(false)) << "the players stay as they were";

  // An edit that changes nothing leaves the game as it was, moves and all.
  ASSERT_TRUE(controllore().humanMove(findMove("e8d7")));
  trova<QAction>(f, "EditaScacchiera1")->trigger();
  QTest::mouseClick(ritorna, Qt::LeftButton);
  EXPECT_EQ(partita.count, 1);
  EXPECT_EQ(partita.startfen.str(), "R3k3/8/8/8/8/8/1BBB1B2/4K3 b - - 0 1");
}

TEST_F(Modifica, PositionsGoToAFenFileAndTheClipboardAndComeBack) {
  TZefiran_3D& f = apriferma();
  controllore().setPlayer(false, false);
  for (const char* m : {"e2e4", "c7c5", "g1f3"}) ASSERT_TRUE(controllore().humanMove(findMove(m))) << m;
  const std::string dopo = "rnbqkbnr/pp1ppppp/8/2p5/4P3/5N2/PPPP1PPP/RNBQKB1R b KQkq - 1 2";
  ASSERT_TRUE(trova<QAction>(f, "Salvaposizionefen1")->isEnabled());
  const QString nome = QString::fromStdString(folder.file("dopo.fen"));
  {
    RispondiFile risposte({nome});
    trova<QAction>(f, "Salvaposizionefen1")->trigger();
  }
  controllore().newGame();
  {
    RispondiFile risposte({nome});
    trova<QAction>(f, "caricaposizionefen1")->trigger();
  }
  EXPECT_EQ(partita.startfen.str(), dopo);

  // FEN and PGN through the clipboard.
  controllore().newGame();
  for (const char* m : {"d2d4", "g8f6"}) ASSERT_TRUE(controllore().humanMove(findMove(m))) << m;
  trova<QAction>(f, "copyFen")->trigger();
  const QString fen = QApplication::clipboard()->text();
  trova<QAction>(f, "copyPgn")->trigger();
  const QString pgn = QApplication::clipboard()->text();
  EXPECT_TRUE(pgn.contains("1. d4 Nf6")) << pgn.toStdString();
  controllore().newGame();
  QApplication::clipboard()->setText(fen);
  trova<QAction>(f, "paste")->trigger();
  EXPECT_EQ(QString::fromStdString(partita.startfen.str()), fen);
  QApplication::clipboard()->setText(pgn);
  trova<QAction>(f, "paste")->trigger();
  EXPECT_TRUE(partita.startfen.empty());
  ASSERT_EQ(partita.count, 2);
  EXPECT_EQ(partita.movetext[1].str(), "Nf6");
  // Text that is neither: refused with its reason, nothing changes.
  QApplication::clipboard()->setText("no position here");
  trova<QLabel>(f, "Panel11")->clear();
  trova<QAction>(f, "paste")->trigger();
  EXPECT_EQ(partita.count, 2);
  EXPECT_TRUE(trova<QLabel>(f, "Panel11")->text().startsWith(t("E_FENREFUSED")));
}

TEST_F(Modifica, ABlackFirstMoveStandsInBlacksColumnAndTheGridFollowsTheGame) {
  TZefiran_3D& f = apriferma();
  ChiudiModali chiudi;  // the repetitions end the game on the way
  controllore().setPlayer(false, false);
  ASSERT_TRUE(f.applyFen("4k3/8/8/8/8/8/8/R3K3 b - - 0 40"));
  f.sistemagriglia(1);
  const int rh = f.rowHeight(), u = trova<QWidget>(f, "PaintBox1")->width() / 7;
  f.PaintBox1MouseMove(5 * u, rh / 2);
  EXPECT_EQ(f.mossasotto, 1) << "Black's cell of the first row is the first half-move";
  f.PaintBox1MouseMove(2 * u, rh / 2);
  EXPECT_EQ(f.mossasotto, 0) << "the White cell of that row is empty";
  // Many moves later the current one is still in sight.
  for (int i = 0; i < 30; ++i)
    for (const char* m : {"e8d8", "a1a2", "d8e8", "a2a1"})
      if (!controllore().humanMove(findMove(m))) break;
  ASSERT_GT(partita.count, 60);
  const int righe = trova<QWidget>(f, "PaintBox1")->height() / rh;
  const int riga = (partita.current + 1 + 1) / 2;
  auto* barra = trova<QScrollBar>(f, "ScrollBar1");
  EXPECT_GE(riga, barra->value());
  EXPECT_LT(riga, barra->value() + righe);
  controllore().goToMove(1);
  EXPECT_LE(barra->value(), 1);
}

}  // namespace
