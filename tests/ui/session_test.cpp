// What a player sees when the game is reopened, restarted or replaced: the
// messages, clocks, thinking lines and name plates follow the game.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTimer>

#include "game/gamecontroller.h"
#include "support/engine_fixture.h"
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
  EXPECT_EQ(component<QLabel>(f, "Label2")->text().toStdString(), humanName());
  EXPECT_EQ(component<QLabel>(f, "Label1")->text().toStdString(), ENGINENAME);
}

}  // namespace
