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

void coloreorologio(QLabel* l, const QColor& c) {
  QPalette p = l->palette();
  if (p.color(QPalette::WindowText) == c) return;
  p.setColor(QPalette::WindowText, c);
  l->setPalette(p);
}

// The clock of the side to move as it stands now: red once nothing is left.
void orologio(QLabel* l, int64_t mostrato, const QColor& normale) {
  coloreorologio(l, mostrato <= 0 ? QColor(255, 0, 0) : normale);
  l->setText(QString::fromStdString(GameController::clockText(mostrato)));
}

}  // namespace

void TZefiran_3D::Timer1Timer() {
  GameController& gioco = controllore();
  gioco.sampleTime();
  if (interfaceMode() != InterfaceMode::window) {
    if (!passoprotocollo()) return;
  }
  if (interfaceMode() == InterfaceMode::frontEnd) return;

  const int32_t preso = contatoretick++;
  if (gioco.clocksRunning() && preso % 16 == 15) {
    aggiornagrafica();
    const bool bianco = gioco.whiteToMove();
    if (bianco)
      orologio(Label4, gioco.shownClock(true), QColor(255, 255, 255));
    else
      orologio(Label3, gioco.shownClock(false), QColor(0, 0, 0));
    if (ridisegna) Panel1->disegnascena(true);
  }
  if (muovicamera(tastipremuti, gioco.moment())) Panel1->seguipuntatore();
  arrangePanels();
  if (ridisegna) Panel1->disegnascena(false);

  // The engine's turn runs just after this tick rather than inside it: the
  // toolkit never re-enters a timer's own handler, and the search needs the
  // ticks to go on (clocks, thinking frame, camera) while it runs.
  if (closed_ || turnBooked_ || editing() || testRunning_) return;
  if (gioco.engineTurnDue()) {
    turnBooked_ = true;
    QMetaObject::invokeMethod(this, &TZefiran_3D::runEngineTurns, Qt::QueuedConnection);
  }
}

void TZefiran_3D::runEngineTurns() {
  turnBooked_ = false;
  // White first, then, in the same turn, Black when the engine plays it too.
  GameController& gioco = controllore();
  for (int volta = 0; volta < 2; ++volta) {
    if (closed_ || editing() || testRunning_ || !gioco.engineTurnDue()) return;
    if (volta == 1 && gioco.whiteToMove()) return;
    gioco.engineTurn();
  }
}

void TZefiran_3D::aggiornagrafica() {
  const int fase = (contatoretick / 16) % 8;
  Cornice* attiva = nullptr;
  const GameController& gioco = controllore();
  if (gioco.searching()) attiva = gioco.searchingWhite() ? PaintBox2 : PaintBox3;
  for (Cornice* c : {PaintBox2, PaintBox3}) {
    if (c == attiva)
      c->disegna(fase);
    else
      c->spenta();
  }
}

void TZefiran_3D::showGameOver(const GameOverMessage& m) {
  if (!m.key || risultatovisibile || closed_) return;
  const QString messaggio = QString::fromUtf8(testo(m.key));
  resultform->Label1->setText(messaggio);
  overMemo_ = m.memo == 2 ? Memo2 : Memo1;
  overText_ = messaggio;
  overMemo_->appendPlainText(messaggio);
  resultform->exec();
}
