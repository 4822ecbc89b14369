// The 20 ms tick: the protocol half, the clocks and the thinking frame, the
// camera keys, redraws, and the engine's turn in the window.
#include <QLabel>
#include <QPlainTextEdit>
#include <QWidget>

#include "engine/position/game.h"
#include "engine/position/position.h"
#include "engine/search/clock.h"
#include "engine/search/driver.h"
#include "engine/search/searchstate.h"
#include "engine/toolkit.h"
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
  l->setText(QString::fromStdString(clockText(mostrato < INT32_MIN ? INT32_MIN : static_cast<int32_t>(mostrato))));
}

}  // namespace

void TZefiran_3D::Timer1Timer() {
  clockNow = adesso();
  if (modointerfaccia != 1) {
    if (!passoprotocollo()) return;
  }
  if (modointerfaccia != 0 && modointerfaccia != 1) return;

  GameController& gioco = controllore();
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
  if (muovicamera(tastipremuti, clockNow)) Panel1->seguipuntatore();
  arrangePanels();
  if (ridisegna) Panel1->disegnascena(false);

  // The engine's turn runs just after this tick rather than inside it: the
  // toolkit never re-enters a timer's own handler, and the search needs the
  // ticks to go on (clocks, thinking frame, camera) while it runs.
  if (closed_ || turnBooked_ || editing_ || testRunning_) return;
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
    if (closed_ || editing_ || testRunning_ || !gioco.engineTurnDue()) return;
    if (volta == 1 && gioco.whiteToMove()) return;
    gioco.engineTurn();
  }
}

void TZefiran_3D::aggiornagrafica() {
  const int fase = (contatoretick / 16) % 8;
  Cornice* attiva = nullptr;
  if (partita.inricerca == 1) attiva = PaintBox2;
  if (partita.inricerca == 2) attiva = PaintBox3;
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
  (m.memo == 2 ? Memo2 : Memo1)->appendPlainText(messaggio);
  resultform->exec();
}
