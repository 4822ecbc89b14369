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

// The clock of the side to move less the time its move has taken so far.
void orologio(QLabel* l, int32_t resto, const QColor& normale) {
  const int64_t trascorso = elapsedMs();
  coloreorologio(l, resto <= trascorso ? QColor(255, 0, 0) : normale);
  const int64_t mostrato = static_cast<int64_t>(resto) - trascorso;
  l->setText(QString::fromStdString(clockText(mostrato < INT32_MIN ? INT32_MIN : static_cast<int32_t>(mostrato))));
}

}  // namespace

void TZefiran_3D::Timer1Timer() {
  clockNow = adesso();
  if (modointerfaccia != 1) {
    if (!passoprotocollo()) return;
  }
  if (modointerfaccia != 0 && modointerfaccia != 1) return;

  const int32_t preso = contatoretick++;
  if (partita.orologiofermo == 0 && preso % 16 == 15) {
    aggiornagrafica();
    const bool bianco = posizioni[0].side == WHITE;
    if (bianco && (partita.inricerca != 0 || partita.motorebianco == 0))
      orologio(Label4, partita.tempoBianco, QColor(255, 255, 255));
    if (!bianco && (partita.inricerca != 0 || partita.motorenero == 0))
      orologio(Label3, partita.tempoNero, QColor(0, 0, 0));
    if (ridisegna) Panel1->disegnascena(true);
  }
  if (muovicamera(tastipremuti, clockNow)) Panel1->seguipuntatore();
  if (ridisegna) Panel1->disegnascena(false);

  // The engine's turn runs just after this tick rather than inside it: the
  // toolkit never re-enters a timer's own handler, and the search needs the
  // ticks to go on (clocks, thinking frame, camera) while it runs.
  if (partita.inricerca != 0 || chiuso_ || turnoprenotato_) return;
  if (tocca_al_motore()) {
    turnoprenotato_ = true;
    QMetaObject::invokeMethod(this, &TZefiran_3D::turnimotore, Qt::QueuedConnection);
  }
}

bool TZefiran_3D::tocca_al_motore() const {
  const bool bianco = posizioni[0].side == WHITE;
  return bianco ? partita.motorebianco == 1 : partita.motorenero == 1;
}

void TZefiran_3D::turnimotore() {
  turnoprenotato_ = false;
  // White first, then, in the same turn, Black when the engine plays it too.
  if (partita.inricerca != 0 || chiuso_) return;
  if (posizioni[0].side == WHITE && partita.motorebianco == 1) turnomotore();
  if (partita.inricerca != 0 || chiuso_) return;
  if (posizioni[0].side == BLACK && partita.motorenero == 1) turnomotore();
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

void TZefiran_3D::turnomotore() {
  const bool bianco = posizioni[0].side == WHITE;
  // A finished game (or a set-up position without moves) leaves the engine
  // nothing to play: it stops playing both sides.
  if (finepartita() < 0) {
    partita.motorebianco = 0;
    partita.motorenero = 0;
    return;
  }
  QPlainTextEdit* memo = bianco ? Memo2 : Memo1;
  searchDeadline = allocateTime(bianco ? partita.tempoBianco : partita.tempoNero);
  moveStart = adesso();
  clockNow = moveStart;
  partita.inricerca = bianco ? 1 : 2;
  iterationDepth = 2;

  SearchLimits limiti;
  limiti.timeDivisor = 5;
  const EngineChoice scelta = pensamossa(
      limiti, [memo](const Iteration& it) { memo->appendPlainText(QString::fromStdString(rigaricerca(it))); });

  if (!scelta.move || !giocamossa(scelta.move)) {
    // No move, or a game record already full: the engine stops here and
    // says so, rather than trying again at every tick.
    const std::string perche =
        "engine stopped: " + std::string(scelta.move ? "its move could not be played" : "no move found");
    listaverifica.push_back(perche);
    aggiungistato(QString::fromStdString(perche));
    partita.inricerca = 0;
    partita.motorebianco = 0;
    partita.motorenero = 0;
    return;
  }
  sistemagriglia(1);
  memo->appendPlainText(QStringLiteral("+-+-+-+-+-+-+-+-+-+-+-+-"));
  chargeClock();
  const bool altromotore = bianco ? partita.motorenero == 1 : partita.motorebianco == 1;
  if (!altromotore) moveStart = adesso();

  const int r = finepartita();
  Panel1->disegnascena(true);
  systemBeep();
  partita.inricerca = 0;
  if (r < 0) {
    // Cleared before the notice opens: its nested ticks must not start
    // another engine move.
    partita.motorebianco = 0;
    partita.motorenero = 0;
    if (!risultatovisibile)
      mostrafinepartita(messaggiofinepartita(r, bianco ? Autore::MotoreBianco : Autore::MotoreNero, !bianco));
  }
}

void TZefiran_3D::finepartitaumana(int risultato) {
  if (risultato >= 0 || risultatovisibile) return;
  mostrafinepartita(messaggiofinepartita(risultato, Autore::Umano, posizioni[0].side == WHITE));
  Panel1->disegnascena(true);
}

void TZefiran_3D::mostrafinepartita(const MessaggioFine& m) {
  if (!m.chiave || risultatovisibile || chiuso_) return;
  const QString messaggio = QString::fromUtf8(testo(m.chiave));
  resultform->Label1->setText(messaggio);
  (m.memo == 2 ? Memo2 : Memo1)->appendPlainText(messaggio);
  resultform->exec();
}
