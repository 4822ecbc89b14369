// The menu commands of the main window.
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>
#include <cstring>
#include <vector>

#include "game/bookbuild.h"
#include "game/gamecontroller.h"
#include "game/gamefiles.h"
#include "graphics/core/pieces.h"
#include "graphics/core/scene.h"
#include "graphics/gl/boardview.h"
#include "records/book.h"
#include "settings/folders.h"
#include "settings/language.h"
#include "settings/manageini.h"
#include "text/Textrout.h"
#include "ui/Uniteditfen.h"
#include "ui/Unitinfo.h"
#include "ui/main.h"
#include "ui/unitconfig.h"
#include "ui/unitsettatempo.h"

namespace {

QString t(const char* chiave) { return QString::fromUtf8(testo(chiave)); }
QString q(const std::string& s) { return QString::fromStdString(s); }

void coloreetichetta(QLabel* l, const QColor& c) {
  QPalette p = l->palette();
  p.setColor(QPalette::WindowText, c);
  l->setPalette(p);
}

}  // namespace

bool TZefiran_3D::busy() const { return testRunning_; }

void TZefiran_3D::showPlayers() {
  Label2->setText(q(controllore().playerName(true)));
  Label1->setText(q(controllore().playerName(false)));
}

void TZefiran_3D::showClocks() {
  const ClockReading now = controllore().clocks();
  Label4->setText(q(GameController::clockText(now.white)));
  Label3->setText(q(GameController::clockText(now.black)));
  coloreetichetta(Label4, QColor(255, 255, 255));
  coloreetichetta(Label3, QColor(0, 0, 0));
}

void TZefiran_3D::NuovaPartita1Click() {
  if (busy() || !mayDiscardGame()) return;
  controllore().newGame();
}

void TZefiran_3D::showLoadPage(const QString& report) {
  // A game from a file has no clock readings of its own.
  Label4->setText(QStringLiteral("-.--.--"));
  Label3->setText(QStringLiteral("-.--.--"));
  showSidePage("load");
  listacampipartita->clear();
  listavaloripartita->clear();
  const GameInfo info = controllore().info();
  for (const char* k : {"P_WHITE", "P_BLACK", "P_RESULT", "P_PLY", "P_MOVESREAD"})
    listacampipartita->addItem(t(k) + " : ");
  listavaloripartita->addItem(q(info.white));
  listavaloripartita->addItem(q(info.black));
  listavaloripartita->addItem(q(info.result));
  listavaloripartita->addItem(QString::number(controllore().recordedMoves()));
  // Whether the game was read to its end, and why not.
  listavaloripartita->addItem(report.isEmpty() ? t("P_READTOEND") : report);
}

QString TZefiran_3D::chooseFile(const QString& titolo, const char* kind, const QString& filtro, bool salva) {
  const QString cartellainiziale = startFolder(kind);
  // The toolkit's own dialog: the same on every desktop, and modal like the
  // program's other dialogs (the tick goes on inside it).
  QFileDialog d(this, titolo, cartellainiziale, filtro);
  d.setObjectName(salva ? "dialogosalva" : "dialogoapri");
  d.setOption(QFileDialog::DontUseNativeDialog);
  d.setAcceptMode(salva ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  d.setFileMode(salva ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return QString();
  rememberFolder(kind, d.selectedFiles().constFirst());
  return d.selectedFiles().constFirst();
}

namespace {
const QString FILTROPGN = QStringLiteral("PGN (*.pgn);;* (*)");
}

void TZefiran_3D::Apripartitapgn1Click() {
  if (busy() || !mayDiscardGame()) return;
  const QString nome = chooseFile(t("M_OPENGAME"), "games", FILTROPGN, false);
  if (nome.isEmpty()) return;
  // The file is read once the engine has stopped searching: its game
  // replaces the one on the board.
  controllore().whenIdle([this, nome] { openPgn(nome); }, true);
}

bool TZefiran_3D::openPgn(const QString& nome) {
  if (busy() || controllore().searching()) return false;
  std::string errore;
  if (!aprifilepgn(nome.toStdString(), errore)) {
    addStatus(q(errore));
    return false;
  }
  if (indicepartite.empty()) return true;
  if (indicepartite.size() == 1) {
    loadGame(rigadiindice(indicepartite[0]));
    return true;
  }
  listapartite->clear();
  const std::vector<QString> states = gameStates();
  for (size_t i = 0; i < indicepartite.size(); ++i) {
    QString voce = q(indicepartite[i]);
    if (i < states.size() && !states[i].isEmpty()) voce += QStringLiteral("   [") + states[i] + QStringLiteral("]");
    listapartite->addItem(voce);
  }
  statolistapartite->setText(t("P_GAMESFILE") + " " + QString::number(indicepartite.size()));
  showBoardPage("listapartite");
  return true;
}

std::vector<QString> TZefiran_3D::gameStates() {
  // Very large files are listed without reading each game.
  constexpr size_t MOSTGAMESCHECKED = 5000;
  std::vector<QString> states;
  if (indicepartite.size() > MOSTGAMESCHECKED) return states;
  for (const LoadReport& r : checkGames())
    states.push_back(r.outcome == esitocaricamento::rifiutata ? t("P_NOTLOADED") : q(loadReportText(r)));
  return states;
}

void TZefiran_3D::loadGame(int riga) {
  std::string report;
  if (!controllore().loadGame(riga, report)) {
    addStatus(t("P_NOTLOADED") + (report.empty() ? QString() : " " + q(report)));
    return;
  }
  showLoadPage(q(report));
  if (!report.empty()) addStatus(q(report));
}

void TZefiran_3D::listapartiteDblClick() {
  if (busy()) return;
  QListWidgetItem* voce = listapartite->currentItem();
  if (!voce) return;
  if (controllore().searching()) {
    controllore().whenIdle([this] { listapartiteDblClick(); }, true);
    return;
  }
  showBoardPage(QString());
  const int i = listapartite->row(voce);
  if (i < 0 || i >= static_cast<int>(indicepartite.size())) return;
  loadGame(rigadiindice(indicepartite[i]));
}

void TZefiran_3D::Salvapartitapdn1Click() {
  const QString nome = chooseFile(t("M_SAVEGAME"), "games", QString(), true);
  if (nome.isEmpty()) return;
  savePgnTo(nome);
}

bool TZefiran_3D::savePgnTo(const QString& nome) {
  std::string errore;
  if (salvapgn(nome.toStdString(), errore)) return true;
  addStatus(t("P_NOTSAVED") + " " + q(errore));
  return false;
}

void TZefiran_3D::configurazione1Click() {
  if (busy()) return;
  if (controllore().searching()) {
    controllore().whenIdle([this] { configurazione1Click(); }, false);
    return;
  }
  if (configurazione->exec() != QDialog::Accepted) return;
  if (!leggiini()) inidefault();
  Panel1->caricaskin(q(cartella + "skins/" + nomeskin));
  settalingua();
  ridisegna = 1;
}

void TZefiran_3D::Controllotempo1Click() {
  if (controllore().searching()) {
    controllore().whenIdle([this] { Controllotempo1Click(); }, false);
    return;
  }
  if (settatempo->exec() != QDialog::Accepted) return;
  coloreetichetta(Label2, QColor(255, 255, 255));
  coloreetichetta(Label1, QColor(0, 0, 0));
}

void TZefiran_3D::showBookCounts() {
  // Each line is a game; its last letter says who won it.
  int bianco = 0, nero = 0;
  for (const std::string& riga : listabook) {
    if (riga.empty()) continue;
    if (riga.back() == 'B') ++bianco;
    if (riga.back() == 'N') ++nero;
  }
  lineebianco_->setText(t("P_WHITELINES") + " " + QString::number(bianco));
  lineenero_->setText(t("P_BLACKLINES") + " " + QString::number(nero));
  lineetotali_->setText(t("P_TOTALLINES") + " " + QString::number(listabook.size()));
}

void TZefiran_3D::Gestionebook1Click() {
  if (busy()) return;
  pannelloavanzamento->hide();
  showBookCounts();
  showBoardPage("book");
}

void TZefiran_3D::buildBook(bool nuovo) {
  if (busy()) return;
  // Without a file there is nothing to add: the last index is not reused.
  const QString nome = chooseFile(t("M_MANAGEBOOK"), "book", FILTROPGN, false);
  if (nome.isEmpty()) return;
  buildBookFrom(nome, nuovo);
}

void TZefiran_3D::buildBookFrom(const QString& nome, bool nuovo) {
  if (busy()) return;
  if (controllore().searching()) {
    controllore().whenIdle([this, nome, nuovo] { buildBookFrom(nome, nuovo); }, true);
    return;
  }
  std::string errore;
  if (!aprifilepgn(nome.toStdString(), errore)) {
    addStatus(q(errore));
    return;
  }
  pannelloavanzamento->show();
  barraavanzamento->setRange(0, static_cast<int>(indicepartite.size()));
  barraavanzamento->setValue(0);
  etichettaavanzamento->clear();
  const tavanzamentobook avanzamento = [this](int fatte, int totale, const std::string& etichetta) {
    barraavanzamento->setMaximum(totale);
    barraavanzamento->setValue(fatte);
    etichettaavanzamento->setText(q(etichetta));
  };
  // The build replays every game on the board and lets the window process
  // its events: it counts as a run, so nothing else starts meanwhile.
  testRunning_ = true;
  bool ok = false;
  controllore().replaceBy([&] { ok = nuovo ? nuovobook(avanzamento, errore) : managebook(avanzamento, errore); });
  testRunning_ = false;
  stopWanted_ = false;
  if (!ok) addStatus(t("P_BOOKNOTWRITTEN") + " " + q(errore));
  showBookCounts();
  const std::string lasciate = bookSkipText(lastBookBuild);
  if (!lasciate.empty()) addStatus(q(lasciate));
}

void TZefiran_3D::bookAggiungiClick() { buildBook(false); }
void TZefiran_3D::bookNuovoClick() { buildBook(true); }

void TZefiran_3D::Visualizzapropostebook1Click() {
  if (busy()) return;
  showSidePage("book");
  trovamossadabook(true);
  listapropostebook->clear();
  for (const std::string& riga : propostebook) listapropostebook->addItem(q(riga));
}

void TZefiran_3D::muovisubito1Click() { controllore().moveNow(); }

void TZefiran_3D::ripetimossa1Click() {
  if (busy() || editing()) return;
  controllore().takeBack();
}

void TZefiran_3D::editaposizioneFEN1Click() {
  if (busy() || !mayDiscardGame()) return;
  if (editfen->exec() == QDialog::Accepted) applyFen(editfen->fen());
  drawlog(1);
}

bool TZefiran_3D::applyFen(const QString& fen) {
  if (busy()) return false;
  // A text that is no playable position would leave the engine a board
  // it cannot search: it is refused and the game stays as it was.
  std::string problema;
  if (!controllore().setUpFen(fen.toStdString(), problema)) {
    addStatus(fenRefusalText(problema));
    return false;
  }
  drawlog(1);
  return true;
}

void TZefiran_3D::caricaposizionefen1Click() {
  if (busy() || !mayDiscardGame()) return;
  const QString nome = chooseFile(t("M_LOADFEN"), "positions", QStringLiteral("FEN (*.fen);;* (*)"), false);
  if (nome.isEmpty()) return;
  loadFenFrom(nome);
}

bool TZefiran_3D::loadFenFrom(const QString& nome) {
  if (busy()) return false;
  if (controllore().searching()) {
    controllore().whenIdle([this, nome] { loadFenFrom(nome); }, true);
    return true;
  }
  std::string errore;
  if (!controllore().loadFenFile(nome.toStdString(), errore)) {
    addStatus(q(errore));
    return false;
  }
  return true;
}

void TZefiran_3D::Esci1Click() { close(); }

void TZefiran_3D::buildScene(int nuovavista) {
  vista = nuovavista;
  scacchiera2D1->setChecked(nuovavista == VISTA_PIATTA);
  scacchiera3D1->setChecked(nuovavista == VISTA_3D);
  costruiscipezzi();
  showBoardPage("opengl");
  // The other view keeps the side the board is seen from.
  const bool turned = boardTurned();
  if (nuovavista == VISTA_PIATTA)
    vistapiatta();
  else
    vista3d();
  if (turned) ruota180();
  arrangePanels();
  Panel1->disegnascena(true);
}

void TZefiran_3D::scacchiera2D1Click() {
  if (busy() || controllore().searching()) {
    scacchiera2D1->setChecked(!scacchiera2D1->isChecked());
    return;
  }
  buildScene(VISTA_PIATTA);
}

void TZefiran_3D::scacchiera3D1Click() {
  if (busy() || controllore().searching()) {
    scacchiera3D1->setChecked(!scacchiera3D1->isChecked());
    return;
  }
  buildScene(VISTA_3D);
}

void TZefiran_3D::Nascondilineeelaborate1Click() {
  // The toolkit has toggled the mark already.
  const bool nascoste = Nascondilineeelaborate1->isChecked();
  Memo1->setVisible(!nascoste);
  Memo2->setVisible(!nascoste);
}

void TZefiran_3D::Schermopieno1Click() {
  for (QWidget* w : {Panel4, Panel5, Panel2}) w->setVisible(w->isHidden());
}

void TZefiran_3D::testSize(int w, int h) {
  showNormal();
  resize(w, h);
}

void TZefiran_3D::Ruota1801Click() {
  ruota180();
  arrangePanels();
  ridisegna = 1;
}

void TZefiran_3D::choosePlayer(bool bianco, bool motore) {
  if (busy()) {
    // Refused during a test run: the menus go on showing who plays.
    playersChanged();
    return;
  }
  // The engine back at the board resumes the game: the analysis, where the
  // person plays both sides, ends.
  if (motore && analysing()) analyseClick(false);
  controllore().setPlayer(bianco, motore);
}

void TZefiran_3D::Umano1Click() { choosePlayer(true, false); }
void TZefiran_3D::Dralen1Click() { choosePlayer(true, true); }
void TZefiran_3D::Umano2Click() { choosePlayer(false, false); }
void TZefiran_3D::Dralen2Click() { choosePlayer(false, true); }

void TZefiran_3D::perftClick(int depth) {
  if (busy() || controllore().searching()) return;
  showSidePage("perft");
  perftresult->clear();
  // Each depth shows when it is done; the count runs inside this handler
  // and lets the window process its events, so Stop and closing reach it.
  testRunning_ = true;
  perftStop_->setEnabled(true);
  controllore().perft(depth, [this](const std::string& riga) { perftresult->addItem(q(riga)); });
  perftStop_->setEnabled(false);
  testRunning_ = false;
  if (controllore().perftStopped()) addStatus(t("P_BREAKUSER"));
}

void TZefiran_3D::Info1Click() { info->exec(); }

void TZefiran_3D::BitBtn1Click() { showBoardPage(QString()); }

void TZefiran_3D::BitBtn2Click() {
  // During a run the press is a stop request, seen after the current position.
  if (testRunning_) {
    stopWanted_ = true;
    return;
  }
  showSidePage("Default");
  showBoardPage(QString());
}
