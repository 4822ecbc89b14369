// What a player sees when the game is reopened, restarted or replaced: the
// messages, clocks, thinking lines and name plates follow the game.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTimer>

#include "game/gamecontroller.h"
#include "graphics/gl/boardview.h"
#include "support/engine_fixture.h"
#include "ui/movesounds.h"
#include "ui/playerpanel.h"
#include "uifixture.h"

namespace {

using zeftest::component;
using zeftest::ModalCloser;
using zeftest::playCoord;
using zeftest::t;
using zeftest::WindowTest;

using Sessione = WindowTest;

QString clockLabel(int32_t ms) { return QString::fromStdString(GameController::clockText(ms)); }

TEST_F(Sessione, ATakenBackMateLeavesNoMessageAndThePgnGoesOn) {
  TZefiran_3D& f = openWindow();
  ModalCloser chiudi;
  controllore().setPlayer(false, false);
  for (const char* m : {"f2f3", "e7e5", "g2g4", "d8h4"})
    ASSERT_EQ(playCoord(controllore(), m), MoveAttempt::played) << m;
  const QString matto = t("LMATTON");
  ASSERT_FALSE(matto.isEmpty());
  auto mostrato = [&] {
    return component<QPlainTextEdit>(f, "Memo1")->toPlainText().contains(matto) ||
           component<QPlainTextEdit>(f, "Memo2")->toPlainText().contains(matto);
  };
  ASSERT_TRUE(mostrato()) << "the mate is announced";

  component<QAction>(f, "ripetimossa1")->trigger();
  ASSERT_EQ(playCoord(controllore(), "g8f6"), MoveAttempt::played);
  EXPECT_FALSE(mostrato()) << "a reopened game is not mated";
  component<QAction>(f, "copyPgn")->trigger();
  EXPECT_TRUE(QApplication::clipboard()->text().trimmed().endsWith("*"))
      << QApplication::clipboard()->text().toStdString();
}

TEST_F(Sessione, ANewGameBetweenEnginesRunsTheirClocks) {
  partita.tempoBase = 60000;  // moves of a second or two
  TZefiran_3D& f = openWindow();
  ModalCloser chiudi;
  component<QAction>(f, "Dralen1")->trigger();
  component<QAction>(f, "Dralen2")->trigger();
  ASSERT_TRUE(waitFor([] { return controllore().recordedMoves() >= 2; }, 60000)) << "the engines play";
  component<QAction>(f, "Nuovapartita1")->trigger();
  // The engines' searches run inside the event loop, so the plates are
  // looked at from a timer of their own: while Black's engine thinks on
  // the first move of the new game, its clock counts down on its plate.
  const QString inizio = clockLabel(partita.tempoBase);
  bool corre = false;
  QTimer guarda;
  QObject::connect(&guarda, &QTimer::timeout, [&] {
    if (controllore().recordedMoves() == 1 && component<QLabel>(f, "Label3")->text() != inizio) corre = true;
  });
  guarda.start(50);
  EXPECT_TRUE(waitFor([&] { return corre; }, 60000)) << component<QLabel>(f, "Label3")->text().toStdString();
}

TEST_F(Sessione, AFenSetUpClearsTheThinkingLinesAndTheClocks) {
  partita.tempoBase = 4000;
  TZefiran_3D& f = openWindow();
  ModalCloser chiudi;
  controllore().newGame();
  ASSERT_EQ(playCoord(controllore(), "e2e4"), MoveAttempt::played);
  ASSERT_TRUE(waitFor([] { return controllore().recordedMoves() == 2 && !controllore().searching(); }, 30000));
  ASSERT_FALSE(component<QPlainTextEdit>(f, "Memo1")->toPlainText().isEmpty()) << "the engine's lines are shown";

  ASSERT_TRUE(f.applyFen("4k3/8/8/8/8/8/4P3/4K3 w - - 0 1"));
  EXPECT_TRUE(component<QPlainTextEdit>(f, "Memo1")->toPlainText().isEmpty());
  EXPECT_TRUE(component<QPlainTextEdit>(f, "Memo2")->toPlainText().isEmpty());
  EXPECT_EQ(component<QLabel>(f, "Label4")->text(), clockLabel(4000));
  EXPECT_EQ(component<QLabel>(f, "Label3")->text(), clockLabel(4000));
  EXPECT_EQ(component<QStackedWidget>(f, "Notebook2")->currentWidget()->objectName(), "Default");
}

TEST_F(Sessione, AFenFileKeepsTheNamePlates) {
  TZefiran_3D& f = openWindow();
  const std::string nome = folder.file("posizione.fen");
  std::string errore;
  ASSERT_TRUE(scrivirighe(nome, {"4k3/8/8/8/8/8/4P3/4K3 w - - 0 1"}, errore)) << errore;
  ASSERT_TRUE(f.loadFenFrom(QString::fromStdString(nome)));
  EXPECT_EQ(component<QLabel>(f, "Label2")->text().toStdString(), humanName(true));
  EXPECT_EQ(component<QLabel>(f, "Label1")->text().toStdString(), ENGINENAME);
}

// The keys every program uses work whatever has the focus, through the X
// server's keyboard: the board's focus sink, a memo.
TEST_F(Sessione, UndoAndMoveKeysWorkWithTheBoardOrAMemoFocused) {
  TZefiran_3D& f = openWindow();
  const QString xdotool = QStandardPaths::findExecutable("xdotool");
  ASSERT_FALSE(xdotool.isEmpty()) << "scripts/setup installs xdotool";
  controllore().setPlayer(false, false);
  for (const char* m : {"e2e4", "e7e5", "g1f3"}) ASSERT_EQ(playCoord(controllore(), m), MoveAttempt::played);
  // A click on the board: its focus sink holds the keys.
  auto* board = component<BoardView>(f, "Panel1");
  const QPoint g = board->mapToGlobal(zeftest::squarePoint(zeftest::sq("d4"), board->width(), board->height()));
  QProcess::execute(xdotool, {"mousemove", "--sync", QString::number(g.x()), QString::number(g.y()), "click", "1"});
  ASSERT_TRUE(waitFor([&] { return f.focusWidget() == component<QLineEdit>(f, "Edit1"); }, 3000));
  const float distance = distanza;
  QProcess::execute(xdotool, {"key", "--clearmodifiers", "ctrl+z"});
  EXPECT_TRUE(waitFor([] { return controllore().shownMove() == 2; }, 3000)) << "Ctrl+Z takes back";
  QTest::qWait(100);
  EXPECT_FLOAT_EQ(distanza, distance) << "and does not zoom";
  // With a memo focused, Home and End still step through the moves.
  component<QPlainTextEdit>(f, "Memo1")->setFocus();
  QProcess::execute(xdotool, {"key", "Home"});
  EXPECT_TRUE(waitFor([] { return controllore().shownMove() == 0; }, 3000));
  QProcess::execute(xdotool, {"key", "End"});
  EXPECT_TRUE(waitFor([] { return controllore().shownMove() == 3; }, 3000));
}

TEST_F(Sessione, NewGameAsksBeforeAGameInProgressIsLost) {
  TZefiran_3D& f = openWindow();
  Preferences::instance().setValue(ASK_BEFORE_DISCARD, true);
  controllore().setPlayer(false, false);
  component<QAction>(f, "Nuovapartita1")->trigger();
  EXPECT_EQ(controllore().recordedMoves(), 0) << "nothing to lose: no question";
  ASSERT_EQ(playCoord(controllore(), "e2e4"), MoveAttempt::played);

  ModalCloser answer;
  answer.beforeClosing = [](QDialog* d) {
    if (auto* q = qobject_cast<DiscardQuestion*>(d)) q->reject();
  };
  component<QAction>(f, "Nuovapartita1")->trigger();
  ASSERT_EQ(answer.seen.size(), 1u);
  EXPECT_EQ(answer.seen[0], "discardQuestion");
  EXPECT_EQ(controllore().recordedMoves(), 1) << "kept";

  answer.beforeClosing = [](QDialog* d) {
    if (auto* q = qobject_cast<DiscardQuestion*>(d)) q->doNotAsk()->setChecked(true);
  };
  component<QAction>(f, "Nuovapartita1")->trigger();
  EXPECT_EQ(controllore().recordedMoves(), 0) << "thrown away";
  ASSERT_EQ(playCoord(controllore(), "d2d4"), MoveAttempt::played);
  component<QAction>(f, "Nuovapartita1")->trigger();
  EXPECT_EQ(answer.seen.size(), 2u) << "not asked again";
  EXPECT_EQ(controllore().recordedMoves(), 0);
}

TEST_F(Sessione, PreferencesSurviveARestart) {
  {
    TZefiran_3D& f = openWindow();
    component<QAction>(f, "Ruota1801")->trigger();
    component<QAction>(f, "scacchiera2D1")->trigger();
    component<QAction>(f, "Dralen1")->trigger();
    component<QAction>(f, "Umano2")->trigger();
    component<QAction>(f, "targetMarks")->trigger();
    component<QAction>(f, "sound")->trigger();
    TimeControl tc = controllore().timeControl();
    tc.base = 120000;
    tc.increment = 2000;
    tc.kind = TimeControl::withIncrement;
    controllore().setTimeControl(tc);
    f.resize(900, 700);
    f.close();
    Preferences::useFile(QString::fromStdString(folder.file("preferences.conf")));  // read again from the file
    w.reset();
  }
  controllore().setPlayer(true, false);
  controllore().setPlayer(false, true);
  vista3d();
  TZefiran_3D& f = openWindow();
  EXPECT_EQ(vista, VISTA_PIATTA);
  EXPECT_TRUE(boardTurned()) << "the flat view keeps the board turned";
  EXPECT_TRUE(controllore().enginePlays(true));
  EXPECT_FALSE(controllore().enginePlays(false));
  EXPECT_FALSE(component<QAction>(f, "targetMarks")->isChecked());
  EXPECT_TRUE(f.sounds().enabled());
  EXPECT_EQ(controllore().timeControl().base, 120000);
  EXPECT_EQ(controllore().timeControl().increment, 2000);
  EXPECT_EQ(controllore().timeControl().kind, TimeControl::withIncrement);
}

TEST_F(Sessione, AnUnreadablePreferencesFileGivesTheDefaultsAndAMessage) {
  // A folder where the file should be: nobody, not even root, reads it.
  const QString name = QString::fromStdString(folder.file("unreadable.conf"));
  ASSERT_TRUE(QDir().mkpath(name + "/view"));
  Preferences::useFile(name);
  TZefiran_3D& f = openWindow();
  EXPECT_EQ(vista, VISTA_3D);
  EXPECT_TRUE(component<QLabel>(f, "Panel11")->text().contains(zeftest::t("P_PREFSUNREADABLE")));
  f.close();
  EXPECT_TRUE(QFileInfo(name).isDir()) << "and nothing is written over it";
}

TEST_F(Sessione, TurnMaterialResignationAndSound) {
  TZefiran_3D& f = openWindow();
  ModalCloser chiudi;
  controllore().setPlayer(false, false);
  component<QAction>(f, "sound")->trigger();
  EXPECT_TRUE(f.windowTitle().endsWith(zeftest::t("P_WHITETOMOVE")));
  EXPECT_TRUE(static_cast<PlayerPanel*>(component<QWidget>(f, "Panel5"))->toMove());
  for (const char* m : {"e2e4", "d7d5", "e4d5"}) ASSERT_EQ(playCoord(controllore(), m), MoveAttempt::played);
  EXPECT_TRUE(f.windowTitle().endsWith(zeftest::t("P_BLACKTOMOVE")));
  EXPECT_TRUE(static_cast<PlayerPanel*>(component<QWidget>(f, "Panel4"))->toMove());
  EXPECT_EQ(component<QLabel>(f, "Panel5Material")->text(), QString::fromUtf8("\u265F +1"))
      << "White has taken a pawn and leads by one";
  EXPECT_TRUE(component<QLabel>(f, "Panel4Material")->text().isEmpty());
  EXPECT_EQ(f.sounds().played(), 3) << "a sound per move";

  component<QAction>(f, "resign")->trigger();
  EXPECT_TRUE(controllore().over());
  EXPECT_EQ(controllore().resultText(), "1-0") << "Black, to move, resigned";
  EXPECT_EQ(playCoord(controllore(), "g8f6"), MoveAttempt::illegal);
  EXPECT_EQ(f.sounds().played(), 4) << "and the end's sound";
  component<QAction>(f, "copyPgn")->trigger();
  EXPECT_TRUE(QApplication::clipboard()->text().trimmed().endsWith("1-0"));
}

}  // namespace
