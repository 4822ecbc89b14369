// The window side of the test runs: the EPD run with its counters, stop
// button and result page, and the speed run. Both run inside the menu
// handler; the searches let the toolkit process events, which is how the
// stop button's press, the ticks and the redraws reach the window meanwhile.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "game/gamecontroller.h"
#include "game/testsuites.h"
#include "graphics/gl/boardview.h"
#include "settings/folders.h"
#include "settings/language.h"
#include "settings/manageini.h"
#include "ui/main.h"

namespace {

// The side code the test runs give a thinking line.
constexpr int WHITESIDE = 1;

QString t(const char* chiave) { return QString::fromUtf8(testo(chiave)); }
QString q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TestHooks TZefiran_3D::testHooks() {
  TestHooks h;
  h.memo = [this](int side, const std::string& riga) { (side == WHITESIDE ? Memo2 : Memo1)->appendPlainText(q(riga)); };
  h.stopRequested = [this] { return stopWanted_; };
  h.redraw = [this] {
    showPlayers();
    sistemagriglia(1);
    Panel1->disegnascena(true);
  };
  return h;
}

void TZefiran_3D::endTestRun() {
  testRunning_ = false;
  stopWanted_ = false;
  showPlayers();
  showClocks();
  drawlog(1);
  sistemagriglia(1);
  Panel1->disegnascena(true);
}

void TZefiran_3D::Epd1Click() {
  if (busy() || controllore().searching()) return;
  const QString nome = chooseFile(QStringLiteral("Epd"), "tests", QStringLiteral("EPD (*.epd);;* (*)"), false);
  if (nome.isEmpty()) return;
  runEpdOn(nome);
}

void TZefiran_3D::runEpdOn(const QString& nome) {
  if (busy() || controllore().searching()) return;
  showSidePage("epd");
  BitBtn2->setText(t("P_BREAK"));
  for (QLabel* l : {contaesaminate, contadaesaminare, contacorrette, contaerrate}) l->setText(QStringLiteral("0"));
  percentuale->setText(QStringLiteral("0%"));

  TestHooks h = testHooks();
  h.counters = [this](int esaminate, int daesaminare, int corrette, int errate, const std::string& perc) {
    contaesaminate->setText(QString::number(esaminate));
    contadaesaminare->setText(QString::number(daesaminare));
    contacorrette->setText(QString::number(corrette));
    contaerrate->setText(QString::number(errate));
    percentuale->setText(q(perc));
  };
  testRunning_ = true;
  stopWanted_ = false;
  EpdOutcome esito;
  controllore().replaceBy([&] { esito = eseguiepd(nome.toStdString(), epdTime, h); });
  endTestRun();
  if (!esito.opened && !listadebug.empty()) addStatus(q(listadebug.back()));

  BitBtn2->setText(t("P_BREAK"));
  // The memo shows the log as "debug.txt" holds it, and how to leave.
  QStringList righe;
  righe.reserve(static_cast<int>(listadebug.size()) + 2);
  for (const std::string& r : listadebug) righe.append(q(r));
  righe.append(t("P_DEBUGSAVED"));
  righe.append(t("P_PRESSEXIT"));
  memoepd->setPlainText(righe.join('\n'));
  showBoardPage("epd");
}

void TZefiran_3D::speed1Click() {
  if (busy() || controllore().searching()) return;
  const QString nome = chooseFile(QStringLiteral("speed"), "tests", QStringLiteral("speed (*.tst);;* (*)"), false);
  if (nome.isEmpty()) return;
  runSpeedOn(nome);
}

void TZefiran_3D::runSpeedOn(const QString& nome) {
  if (busy() || controllore().searching()) return;
  testRunning_ = true;
  stopWanted_ = false;
  std::string errore;
  int cercate = 0;
  controllore().replaceBy([&] { cercate = eseguispeed(nome.toStdString(), testHooks(), &errore); });
  endTestRun();
  if (cercate < 0) addStatus(q(errore));
}
