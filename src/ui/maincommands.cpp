// The menu commands of the main window.
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QWidget>

#include "engine/position/fen.h"
#include "engine/position/game.h"
#include "engine/position/perft.h"
#include "engine/position/position.h"
#include "engine/search/clock.h"
#include "engine/search/searchstate.h"
#include "graphics/core/pieces.h"
#include "graphics/core/scene.h"
#include "graphics/gl/boardview.h"
#include "records/book.h"
#include "records/pgnfen.h"
#include "records/verifylog.h"
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

// A refused command leaves its check mark as it was (the toolkit has
// flipped it already).
bool TZefiran_3D::ricercaincorso() const { return partita.inricerca != 0 || testincorso_; }

void TZefiran_3D::mostragiocatori() {
  Label2->setText(q(partita.whiteplayer.str()));
  Label1->setText(q(partita.blackplayer.str()));
}

void TZefiran_3D::mostraorologi() {
  Label4->setText(q(clockText(partita.tempoBianco)));
  Label3->setText(q(clockText(partita.tempoNero)));
  coloreetichetta(Label4, QColor(255, 255, 255));
  coloreetichetta(Label3, QColor(0, 0, 0));
}

void TZefiran_3D::NuovaPartita1Click() {
  if (ricercaincorso()) return;
  paginanotebook2("Default");
  nuovapartita();
  Memo1->clear();
  Memo2->clear();
  mostragiocatori();
  mostraorologi();
  drawlog(1);
  ridisegna = 1;
  sistemagriglia(1);
}

void TZefiran_3D::dopocaricamento(bool paginaload) {
  casellascelta = -1;
  mostragiocatori();
  drawlog(1);
  ridisegna = 1;
  Panel1->disegnascena(true);
  sistemagriglia(1);
  if (!paginaload) {
    mostraorologi();
    return;
  }
  Label4->setText(QStringLiteral("-.--.--"));
  Label3->setText(QStringLiteral("-.--.--"));
  paginanotebook2("load");
  listacampipartita->clear();
  listavaloripartita->clear();
  for (const char* k : {"P_WHITE", "P_BLACK", "P_RESULT", "P_PLY"}) listacampipartita->addItem(t(k) + " : ");
  listavaloripartita->addItem(q(partita.whiteplayer.str()));
  listavaloripartita->addItem(q(partita.blackplayer.str()));
  listavaloripartita->addItem(q(partita.result.str()));
  listavaloripartita->addItem(QString::number(partita.count));
}

QString TZefiran_3D::sceglifile(const QString& titolo, const QString& cartellainiziale, const QString& filtro,
                                bool salva) {
  // The toolkit's own dialog: the same on every desktop, and modal like the
  // program's other dialogs (the tick goes on inside it).
  QFileDialog d(this, titolo, cartellainiziale, filtro);
  d.setObjectName(salva ? "dialogosalva" : "dialogoapri");
  d.setOption(QFileDialog::DontUseNativeDialog);
  d.setAcceptMode(salva ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  d.setFileMode(salva ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return QString();
  return d.selectedFiles().constFirst();
}

namespace {
const QString FILTROPGN = QStringLiteral("PGN (*.pgn);;* (*)");
}

void TZefiran_3D::Apripartitapgn1Click() {
  if (ricercaincorso()) return;
  const QString nome = sceglifile(t("M_OPENGAME"), q(cartella), FILTROPGN, false);
  if (nome.isEmpty()) return;
  apripgn(nome);
}

// After a load: the game on the board and in the grid, its names, and its
// fields on the side page "load".
static void notacaricamento(TZefiran_3D& w, esitocaricamento esito, const std::string& token) {
  if (esito == esitocaricamento::interrotta)
    w.aggiungistato(QString::fromUtf8("game loaded up to the move it could not play: ") + q(token));
}

bool TZefiran_3D::apripgn(const QString& nome) {
  std::string errore;
  if (!aprifilepgn(nome.toStdString(), errore)) {
    aggiungistato(q(errore));
    return false;
  }
  if (indicepartite.empty()) return true;
  if (indicepartite.size() == 1) {
    std::string token;
    const esitocaricamento esito = caricapartita(rigadiindice(indicepartite[0]), &token);
    if (esito == esitocaricamento::rifiutata) {
      aggiungistato(QString::fromUtf8("game not loaded: ") +
                    q(listaverifica.empty() ? std::string() : listaverifica.back()));
      return true;
    }
    dopocaricamento(true);
    notacaricamento(*this, esito, token);
    return true;
  }
  listapartite->clear();
  for (const std::string& voce : indicepartite) listapartite->addItem(q(voce));
  statolistapartite->setText(t("P_GAMESFILE") + " " + QString::number(indicepartite.size()));
  paginanotebook1("listapartite");
  return true;
}

void TZefiran_3D::listapartiteDblClick() {
  if (ricercaincorso()) return;
  QListWidgetItem* voce = listapartite->currentItem();
  if (!voce) return;
  paginanotebook1(QString());
  std::string token;
  const esitocaricamento esito = caricapartita(rigadiindice(voce->text().toStdString()), &token);
  if (esito == esitocaricamento::rifiutata) {
    aggiungistato(QString::fromUtf8("game not loaded: ") +
                  q(listaverifica.empty() ? std::string() : listaverifica.back()));
    return;
  }
  dopocaricamento(true);
  notacaricamento(*this, esito, token);
}

void TZefiran_3D::Salvapartitapdn1Click() {
  const QString nome = sceglifile(t("M_SAVEGAME"), q(cartella), QString(), true);
  if (nome.isEmpty()) return;
  salvapgnsu(nome);
}

bool TZefiran_3D::salvapgnsu(const QString& nome) {
  std::string errore;
  if (salvapgn(nome.toStdString(), errore)) return true;
  aggiungistato(QString::fromUtf8("game not saved: ") + q(errore));
  return false;
}

void TZefiran_3D::configurazione1Click() {
  if (ricercaincorso()) return;
  if (configurazione->exec() != QDialog::Accepted) return;
  if (!leggiini()) inidefault();
  Panel1->caricaskin(q(cartella + "skins/" + nomeskin));
  settalingua();
  ridisegna = 1;
}

void TZefiran_3D::Controllotempo1Click() {
  if (settatempo->exec() != QDialog::Accepted) return;
  mostraorologi();
  coloreetichetta(Label2, QColor(255, 255, 255));
  coloreetichetta(Label1, QColor(0, 0, 0));
}

void TZefiran_3D::Gestionebook1Click() {
  if (ricercaincorso()) return;
  pannelloavanzamento->hide();
  paginanotebook1("book");
}

void TZefiran_3D::costruiscilibro(bool nuovo) {
  if (ricercaincorso()) return;
  // Without a file there is nothing to add: the last index is not reused.
  const QString nome = sceglifile(t("M_MANAGEBOOK"), q(cartella), FILTROPGN, false);
  if (nome.isEmpty()) return;
  costruiscilibroda(nome, nuovo);
}

void TZefiran_3D::costruiscilibroda(const QString& nome, bool nuovo) {
  if (ricercaincorso() || testincorso_) return;
  std::string errore;
  if (!aprifilepgn(nome.toStdString(), errore)) {
    aggiungistato(q(errore));
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
  testincorso_ = true;
  const bool ok = nuovo ? nuovobook(avanzamento, errore) : managebook(avanzamento, errore);
  testincorso_ = false;
  stoprichiesto_ = false;
  if (!ok) aggiungistato(QString::fromUtf8("book not written: ") + q(errore));
  dopocaricamento(false);
}

void TZefiran_3D::bookAggiungiClick() { costruiscilibro(false); }
void TZefiran_3D::bookNuovoClick() { costruiscilibro(true); }

void TZefiran_3D::Visualizzapropostebook1Click() {
  if (ricercaincorso()) return;
  paginanotebook2("book");
  trovamossadabook(true);
  listapropostebook->clear();
  for (const std::string& riga : propostebook) listapropostebook->addItem(q(riga));
}

void TZefiran_3D::muovisubito1Click() { searchDeadline = 1; }

void TZefiran_3D::EditaScacchiera1Click() {
  Panel1->modoedita(true);
  modoedita_ = true;
  paginanotebook2("editmode");
  Panel11->setText(t("P_RIGHTCLICK"));
  Panel1->disegnascena(false);
}

void TZefiran_3D::Button1Click() {
  Panel1->modoedita(false);
  modoedita_ = false;
  paginanotebook2("Default");
  Panel11->clear();
  Panel1->disegnascena(false);
}

void TZefiran_3D::editaposizioneFEN1Click() {
  if (ricercaincorso()) return;
  if (editfen->exec() == QDialog::Accepted) applicafen(editfen->fen());
  drawlog(1);
}

bool TZefiran_3D::applicafen(const QString& fen) {
  if (ricercaincorso()) return false;
  // A text that is no playable position would leave the engine a board
  // it cannot search: it is refused and the game stays as it was.
  const std::string problema = fenProblem(fen.toStdString());
  if (!problema.empty()) {
    aggiungistato(QString::fromUtf8("FEN refused: ") + q(problema));
    return false;
  }
  impostafen(fen.toStdString(), true);
  dopocaricamento(false);
  return true;
}

void TZefiran_3D::caricaposizionefen1Click() {
  if (ricercaincorso()) return;
  const QString nome = sceglifile(t("M_LOADFEN"), q(cartella), QStringLiteral("FEN (*.fen);;* (*)"), false);
  if (nome.isEmpty()) return;
  caricafensu(nome);
}

bool TZefiran_3D::caricafensu(const QString& nome) {
  if (ricercaincorso()) return false;
  std::string errore;
  if (!caricafen(nome.toStdString(), errore)) {
    aggiungistato(q(errore));
    return false;
  }
  dopocaricamento(false);
  return true;
}

void TZefiran_3D::Esci1Click() { close(); }

void TZefiran_3D::costruisciscena(int nuovavista) {
  vista = nuovavista;
  scacchiera2D1->setChecked(nuovavista == VISTA_PIATTA);
  scacchiera3D1->setChecked(nuovavista == VISTA_3D);
  costruiscipezzi();
  paginanotebook1("opengl");
  if (nuovavista == VISTA_PIATTA)
    vistapiatta();
  else
    vista3d();
  Panel1->disegnascena(true);
}

void TZefiran_3D::scacchiera2D1Click() {
  if (ricercaincorso()) {
    scacchiera2D1->setChecked(!scacchiera2D1->isChecked());
    return;
  }
  costruisciscena(VISTA_PIATTA);
}

void TZefiran_3D::scacchiera3D1Click() {
  if (ricercaincorso()) {
    scacchiera3D1->setChecked(!scacchiera3D1->isChecked());
    return;
  }
  costruisciscena(VISTA_3D);
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

void TZefiran_3D::testadimensione(int w, int h) {
  showNormal();
  resize(w, h);
}

void TZefiran_3D::Ruota1801Click() {
  ruota180();
  ridisegna = 1;
}

void TZefiran_3D::scegligiocatore(bool bianco, bool motore) {
  QAction* umano = bianco ? Umano1 : Umano2;
  QAction* zefiran = bianco ? Dralen1 : Dralen2;
  if (ricercaincorso()) {
    // Refused: the clicked item keeps the check mark it had.
    QAction* cliccato = motore ? zefiran : umano;
    cliccato->setChecked(!cliccato->isChecked());
    return;
  }
  modointerfaccia = 1;
  auto& nome = bianco ? partita.whiteplayer : partita.blackplayer;
  nome = motore ? std::string(ENGINENAME) : valoreini("giocatore");
  (bianco ? Label2 : Label1)->setText(q(nome.str()));
  (bianco ? partita.motorebianco : partita.motorenero) = motore ? 1 : 0;
  umano->setChecked(!motore);
  zefiran->setChecked(motore);
  if (motore && posizioni[0].side == (bianco ? WHITE : BLACK)) partita.orologiofermo = 0;
}

void TZefiran_3D::Umano1Click() { scegligiocatore(true, false); }
void TZefiran_3D::Dralen1Click() { scegligiocatore(true, true); }
void TZefiran_3D::Umano2Click() { scegligiocatore(false, false); }
void TZefiran_3D::Dralen2Click() { scegligiocatore(false, true); }

void TZefiran_3D::perftClick(int depth) {
  if (ricercaincorso()) return;
  paginanotebook2("perft");
  perftresult->clear();
  loopperft(depth, [this](const std::string& riga) { perftresult->addItem(q(riga)); });
}

void TZefiran_3D::Info1Click() { info->exec(); }

void TZefiran_3D::BitBtn1Click() { paginanotebook1(QString()); }

void TZefiran_3D::BitBtn2Click() {
  // During a run the press is a stop request, seen after the current position.
  if (testincorso_) {
    stoprichiesto_ = true;
    return;
  }
  paginanotebook2("Default");
  paginanotebook1(QString());
}
