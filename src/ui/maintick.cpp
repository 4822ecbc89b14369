// The 20 ms tick: the protocol half, the clocks and the thinking frame, the
// camera keys, redraws, and the engine's turn in the window.
#include <QLabel>
#include <QPlainTextEdit>
#include <QWidget>

#include "game/gamecontroller.h"
#include "graphics/core/scene.h"
#include "graphics/core/steering.h"
#include "graphics/gl/boardview.h"
#include "records/verifylog.h"
#include "settings/language.h"
#include "ui/indicatore.h"
#include "ui/main.h"
#include "ui/protocolbridge.h"
#include "ui/resultunit.h"

namespace {

void setClockColour(QLabel* l, const QColor& c) {
  QPalette p = l->palette();
  if (p.color(QPalette::WindowText) == c) return;
  p.setColor(QPalette::WindowText, c);
  l->setPalette(p);
}

// The clock of the side to move as it stands now: red once nothing is left.
void showClock(QLabel* l, int64_t shown, const QColor& normal) {
  setClockColour(l, shown <= 0 ? QColor(255, 0, 0) : normal);
  l->setText(QString::fromStdString(GameController::clockText(shown)));
}

}  // namespace

void TZefiran_3D::Timer1Timer() {
  GameController& session = controllore();
  session.sampleTime();
  if (interfaceMode() != InterfaceMode::window) {
    if (!passoprotocollo()) return;
  }
  if (interfaceMode() == InterfaceMode::frontEnd) return;

  const int32_t tick = contatoretick++;
  if (session.clocksRunning() && tick % 16 == 15) {
    aggiornagrafica();
    const bool white = session.whiteToMove();
    if (white)
      showClock(Label4, session.shownClock(true), QColor(255, 255, 255));
    else
      showClock(Label3, session.shownClock(false), QColor(0, 0, 0));
    if (ridisegna) Panel1->disegnascena(true);
  }
  if (muovicamera(tastipremuti, session.moment())) Panel1->seguipuntatore();
  arrangePanels();
  // The coach's search leaves the board as it is shown: the camera moves on.
  if (ridisegna) Panel1->disegnascena(session.coachSearching());

  // The engine's turn runs just after this tick rather than inside it: the
  // toolkit never re-enters a timer's own handler, and the search needs the
  // ticks to go on (clocks, thinking frame, camera) while it runs.
  if (closed_ || turnBooked_ || testRunning_) return;
  // The coach's searches (maincoach.cpp) start the same way, also while the
  // board is edited.
  if (coachDue()) {
    turnBooked_ = true;
    QMetaObject::invokeMethod(this, &TZefiran_3D::runCoach, Qt::QueuedConnection);
    return;
  }
  if (editing()) return;
  if (session.engineTurnDue()) {
    turnBooked_ = true;
    QMetaObject::invokeMethod(this, &TZefiran_3D::runEngineTurns, Qt::QueuedConnection);
  }
}

void TZefiran_3D::runEngineTurns() {
  turnBooked_ = false;
  // White first, then, in the same turn, Black when the engine plays it too.
  GameController& session = controllore();
  for (int turn = 0; turn < 2; ++turn) {
    if (closed_ || editing() || testRunning_ || !session.engineTurnDue()) return;
    if (turn == 1 && session.whiteToMove()) return;
    session.engineTurn();
  }
}

void TZefiran_3D::aggiornagrafica() {
  const int phase = (contatoretick / 16) % 8;
  Cornice* active = nullptr;
  const GameController& session = controllore();
  if (session.searching()) active = session.searchingWhite() ? PaintBox2 : PaintBox3;
  for (Cornice* c : {PaintBox2, PaintBox3}) {
    if (c == active)
      c->disegna(phase);
    else
      c->spenta();
  }
}

void TZefiran_3D::showGameOver(const GameOverMessage& m) {
  if (!m.key || risultatovisibile || closed_) return;
  const QString message = QString::fromUtf8(testo(m.key));
  resultform->Label1->setText(message);
  overMemo_ = m.memo == 2 ? Memo2 : Memo1;
  overText_ = message;
  overMemo_->appendPlainText(message);
  resultform->exec();
}
