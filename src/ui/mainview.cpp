// What the window shows when the game controller reports a change.
#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>

#include "game/eventpump.h"
#include "game/gamecontroller.h"
#include "graphics/core/scene.h"
#include "graphics/gl/boardview.h"
#include "ui/main.h"
#include "ui/movesounds.h"

void TZefiran_3D::showPosition() {
  // A piece picked up on the board it showed before is no longer there.
  casellascelta = -1;
  draggedPiece.square = -1;
  dragFrom_ = -1;
  refreshMarks();
  updateTurn();
  showMaterial();
  ridisegna = 1;
  followCurrent_ = true;
  sistemagriglia(1);
  showCoach();
  Panel1->disegnascena(true);
}

void TZefiran_3D::moveMade(const MadeMove& move) {
  showPosition();
  soundOf(move);
  if (!move.byEngine) return;
  (move.white ? Memo2 : Memo1)->appendPlainText(QStringLiteral("+-+-+-+-+-+-+-+-+-+-+-+-"));
  // Without the board's sounds the engine's move still gets its beep.
  if (!sounds_->enabled()) soundBeep();
}

void TZefiran_3D::movesTakenBack() { showPosition(); }

void TZefiran_3D::positionReplaced() {
  // A new position starts a new story: the thinking lines and the pages of
  // the game before it go (a test run's lines and page are its results).
  if (!controllore().editing() && !testRunning_) {
    Memo1->clear();
    Memo2->clear();
    overMemo_ = nullptr;
    showSidePage("Default");
  }
  showPosition();
  drawlog(1);
}

void TZefiran_3D::playersChanged() {
  // The menus show who plays each side, whatever changed it.
  const GameController& session = controllore();
  Umano1->setChecked(!session.enginePlays(true));
  Dralen1->setChecked(session.enginePlays(true));
  Umano2->setChecked(!session.enginePlays(false));
  Dralen2->setChecked(session.enginePlays(false));
  showLevels();
  showPlayers();
  updateTurn();
}

void TZefiran_3D::clocksChanged() { showClocks(); }

void TZefiran_3D::gameStateChanged() {
  Panel1->disegnascena(true);
  updateTurn();
  const GameController& session = controllore();
  if (!session.over()) {
    // Reopened by a take back: the message of its end no longer holds.
    withdrawGameOver();
    return;
  }
  sounds_->play(MoveSounds::end);
  showGameOver(session.gameOverMessage());
}

void TZefiran_3D::withdrawGameOver() {
  if (!overMemo_) return;
  // The message is the memo's last line that says it.
  QStringList lines = overMemo_->toPlainText().split(QLatin1Char('\n'));
  for (int i = lines.size() - 1; i >= 0; --i) {
    if (lines[i] != overText_) continue;
    lines.removeAt(i);
    overMemo_->setPlainText(lines.join(QLatin1Char('\n')));
    break;
  }
  overMemo_ = nullptr;
  overText_.clear();
}

void TZefiran_3D::thinkingLine(bool white, const std::string& line) {
  (white ? Memo2 : Memo1)->appendPlainText(QString::fromStdString(line));
}

void TZefiran_3D::status(const std::string& line) { addStatus(QString::fromStdString(line)); }
