// The main menu, the board-editing popup and their captions.
#include <QAction>
#include <QCheckBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <utility>

#include "game/gamecontroller.h"
#include "graphics/gl/boardview.h"
#include "settings/language.h"
#include "ui/Uniteditfen.h"
#include "ui/Unitinfo.h"
#include "ui/Unitpromozione.h"
#include "ui/discardquestion.h"
#include "ui/main.h"
#include "ui/movesounds.h"
#include "ui/resultunit.h"
#include "ui/unitconfig.h"
#include "ui/unitsettatempo.h"

namespace {

QString t(const char* chiave) { return QString::fromUtf8(testo(chiave)); }

QAction* voce(QMenu* menu, const char* nome, const char* didascalia) {
  QAction* a = menu->addAction(QString::fromUtf8(didascalia));
  a->setObjectName(nome);
  return a;
}

QAction* segno(QMenu* menu, const char* nome, const char* didascalia, bool segnato) {
  QAction* a = voce(menu, nome, didascalia);
  a->setCheckable(true);
  a->setChecked(segnato);
  return a;
}

QMenu* sottomenu(QWidget* genitore, const char* nome, const char* didascalia) {
  auto* m = new QMenu(QString::fromUtf8(didascalia), genitore);
  m->setObjectName(nome);
  return m;
}

}  // namespace

void TZefiran_3D::createMenus() {
  MainMenu1 = menuBar();
  MainMenu1->setObjectName("MainMenu1");

  Zefiran1 = sottomenu(this, "Zefiran1", "Zefiran3D");
  Nuovapartita1 = voce(Zefiran1, "Nuovapartita1", "Nuova partita");
  Apripartitapgn1 = voce(Zefiran1, "Apripartitapgn1", "Apri partita (.pgn) ..");
  Salvapartitapdn1 = voce(Zefiran1, "Salvapartitapdn1", "Salva partita (.pgn) ..");
  Zefiran1->addSeparator();
  configurazione1 = voce(Zefiran1, "configurazione1", "Configurazione ..");
  Controllotempo1 = voce(Zefiran1, "Controllotempo1", "Controllo tempo..");
  Zefiran1->addSeparator();
  Gestionebook1 = voce(Zefiran1, "Gestionebook1", "Gestione book");
  Visualizzapropostebook1 = voce(Zefiran1, "Visualizzapropostebook1", "Visualizza proposte book");
  Zefiran1->addSeparator();
  ripetimossa1 = voce(Zefiran1, "ripetimossa1", "indietro una mossa");
  muovisubito1 = voce(Zefiran1, "muovisubito1", "muovi subito");
  resign_ = voce(Zefiran1, "resign", "Abbandona");
  offerDraw_ = voce(Zefiran1, "offerDraw", "Offri la patta");
  Zefiran1->addSeparator();
  EditaScacchiera1 = voce(Zefiran1, "EditaScacchiera1", "Edita Scacchiera");
  editaposizioneFEN1 = voce(Zefiran1, "editaposizioneFEN1", "editaposizione (FEN) ..");
  caricaposizionefen1 = voce(Zefiran1, "caricaposizionefen1", "Carica posizione (.fen)..");
  Salvaposizionefen1 = voce(Zefiran1, "Salvaposizionefen1", "Salva posizione(.fen)..");
  Zefiran1->addSeparator();
  Esci1 = voce(Zefiran1, "Esci1", "Esci");
  MainMenu1->addMenu(Zefiran1);
  // Taking back and the clipboard answer the keys every program uses.
  ripetimossa1->setShortcut(QKeySequence::Undo);

  editMenu_ = sottomenu(this, "editMenu", "Modifica");
  copyFen_ = voce(editMenu_, "copyFen", "Copia posizione (FEN)");
  copyPgn_ = voce(editMenu_, "copyPgn", "Copia partita (PGN)");
  paste_ = voce(editMenu_, "paste", "Incolla posizione o partita");
  copyFen_->setShortcut(QKeySequence::Copy);
  paste_->setShortcut(QKeySequence::Paste);
  // Stepping through the recorded moves, from anywhere in the window.
  editMenu_->addSeparator();
  const struct {
    QAction** action;
    const char* name;
    Qt::Key key;
    void (GameController::*step)();
  } steps[] = {{&firstMove_, "firstMove", Qt::Key_Home, &GameController::first},
               {&previousMove_, "previousMove", Qt::Key_PageUp, &GameController::back},
               {&nextMove_, "nextMove", Qt::Key_PageDown, &GameController::forward},
               {&lastMove_, "lastMove", Qt::Key_End, &GameController::last}};
  for (const auto& s : steps) {
    *s.action = voce(editMenu_, s.name, s.name);
    (*s.action)->setShortcut(QKeySequence(s.key));
    connect(*s.action, &QAction::triggered, this, [this, step = s.step] { navigate(step); });
  }
  MainMenu1->addMenu(editMenu_);

  Visualizza1 = sottomenu(this, "Visualizza1", "Visualizza");
  scacchiera2D1 = segno(Visualizza1, "scacchiera2D1", "Scacchiera 2D", false);
  scacchiera3D1 = segno(Visualizza1, "scacchiera3D1", "Scacchiera3D", true);
  Visualizza1->addSeparator();
  Nascondilineeelaborate1 = segno(Visualizza1, "Nascondilineeelaborate1", "Nascondi linee elaborate", false);
  Schermopieno1 = segno(Visualizza1, "Schermopieno1", "Schermo pieno", false);
  testa640x4801 = voce(Visualizza1, "testa640x4801", "640x480");
  testa800x6001 = voce(Visualizza1, "testa800x6001", "800x600");
  testa1024x7681 = voce(Visualizza1, "testa1024x7681", "1024x768");
  testa1024x8001 = voce(Visualizza1, "testa1024x8001", "1200x800");
  for (QAction* a : {testa640x4801, testa800x6001, testa1024x7681, testa1024x8001}) a->setVisible(false);
  Visualizza1->addSeparator();
  Ruota1801 = voce(Visualizza1, "Ruota1801", "Ruota 180°");
  Visualizza1->addSeparator();
  targetMarks_ = segno(Visualizza1, "targetMarks", "Mostra dove può andare il pezzo", true);
  sound_ = segno(Visualizza1, "sound", "Suoni", false);
  MainMenu1->addMenu(Visualizza1);

  GiocatoreBianco1 = sottomenu(this, "GiocatoreBianco1", "Bianco");
  Umano1 = segno(GiocatoreBianco1, "Umano1", "Umano", true);
  Dralen1 = segno(GiocatoreBianco1, "Dralen1", "Zefiran3D", false);
  MainMenu1->addMenu(GiocatoreBianco1);

  Nero1 = sottomenu(this, "Nero1", "Nero");
  Umano2 = segno(Nero1, "Umano2", "Umano", false);
  Dralen2 = segno(Nero1, "Dralen2", "Zefiran3D", true);
  MainMenu1->addMenu(Nero1);
  createLevelMenus();

  Tests1 = sottomenu(this, "Tests1", "Tests");
  Perft1 = sottomenu(this, "Perft1", "Perft");
  const char* nomiperft[9] = {"perft11", "perft21", "N31",     "perft41", "perft51",
                              "perft61", "perft71", "perft81", "perft91"};
  for (int i = 0; i < 9; ++i) {
    const std::string didascalia = "perft" + std::to_string(i + 1);
    perft[i] = voce(Perft1, nomiperft[i], didascalia.c_str());
    connect(perft[i], &QAction::triggered, this, [this, i] { perftClick(i + 1); });
  }
  Tests1->addMenu(Perft1);
  Epd1 = voce(Tests1, "Epd1", "Epd..");
  speed1 = voce(Tests1, "speed1", "speed ...");
  MainMenu1->addMenu(Tests1);

  Info1 = MainMenu1->addAction(QString::fromUtf8("Info"));
  Info1->setObjectName("Info1");

  connect(Nuovapartita1, &QAction::triggered, this, &TZefiran_3D::NuovaPartita1Click);
  connect(Apripartitapgn1, &QAction::triggered, this, &TZefiran_3D::Apripartitapgn1Click);
  connect(Salvapartitapdn1, &QAction::triggered, this, &TZefiran_3D::Salvapartitapdn1Click);
  connect(configurazione1, &QAction::triggered, this, &TZefiran_3D::configurazione1Click);
  connect(Controllotempo1, &QAction::triggered, this, &TZefiran_3D::Controllotempo1Click);
  connect(Gestionebook1, &QAction::triggered, this, &TZefiran_3D::Gestionebook1Click);
  connect(Visualizzapropostebook1, &QAction::triggered, this, &TZefiran_3D::Visualizzapropostebook1Click);
  connect(muovisubito1, &QAction::triggered, this, &TZefiran_3D::muovisubito1Click);
  connect(resign_, &QAction::triggered, this, &TZefiran_3D::resignClick);
  connect(offerDraw_, &QAction::triggered, this, &TZefiran_3D::offerDrawClick);
  connect(targetMarks_, &QAction::toggled, this, [this](bool on) {
    showTargets_ = on;
    refreshMarks();
    Panel1->disegnascena(true);
  });
  connect(sound_, &QAction::toggled, this, [this](bool on) { sounds_->setEnabled(on); });
  connect(ripetimossa1, &QAction::triggered, this, &TZefiran_3D::ripetimossa1Click);
  connect(Salvaposizionefen1, &QAction::triggered, this, &TZefiran_3D::Salvaposizionefen1Click);
  connect(copyFen_, &QAction::triggered, this, &TZefiran_3D::copyFenClick);
  connect(copyPgn_, &QAction::triggered, this, &TZefiran_3D::copyPgnClick);
  connect(paste_, &QAction::triggered, this, &TZefiran_3D::pasteClick);
  connect(EditaScacchiera1, &QAction::triggered, this, &TZefiran_3D::EditaScacchiera1Click);
  connect(editaposizioneFEN1, &QAction::triggered, this, &TZefiran_3D::editaposizioneFEN1Click);
  connect(caricaposizionefen1, &QAction::triggered, this, &TZefiran_3D::caricaposizionefen1Click);
  connect(Esci1, &QAction::triggered, this, &TZefiran_3D::Esci1Click);
  connect(scacchiera2D1, &QAction::triggered, this, &TZefiran_3D::scacchiera2D1Click);
  connect(scacchiera3D1, &QAction::triggered, this, &TZefiran_3D::scacchiera3D1Click);
  connect(Nascondilineeelaborate1, &QAction::triggered, this, &TZefiran_3D::Nascondilineeelaborate1Click);
  connect(Schermopieno1, &QAction::triggered, this, &TZefiran_3D::Schermopieno1Click);
  connect(testa640x4801, &QAction::triggered, this, [this] { testSize(640, 480); });
  connect(testa800x6001, &QAction::triggered, this, [this] { testSize(800, 600); });
  connect(testa1024x7681, &QAction::triggered, this, [this] { testSize(1024, 768); });
  connect(testa1024x8001, &QAction::triggered, this, [this] { testSize(1200, 800); });
  connect(Ruota1801, &QAction::triggered, this, &TZefiran_3D::Ruota1801Click);
  connect(Umano1, &QAction::triggered, this, &TZefiran_3D::Umano1Click);
  connect(Dralen1, &QAction::triggered, this, &TZefiran_3D::Dralen1Click);
  connect(Umano2, &QAction::triggered, this, &TZefiran_3D::Umano2Click);
  connect(Dralen2, &QAction::triggered, this, &TZefiran_3D::Dralen2Click);
  connect(Info1, &QAction::triggered, this, &TZefiran_3D::Info1Click);
  connect(Epd1, &QAction::triggered, this, &TZefiran_3D::Epd1Click);
  connect(speed1, &QAction::triggered, this, &TZefiran_3D::speed1Click);
  createLookMenu();
  createCoachMenu();
}

void TZefiran_3D::createPopup() {
  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName("PopupMenu1");
  Svuotascacchiera1 = voce(PopupMenu1, "Svuotascacchiera1", "Svuota scacchiera");
  Svuotacsella1 = voce(PopupMenu1, "Svuotacsella1", "Svuota casella");
  PopupMenu1->addSeparator();
  ReBianco1 = voce(PopupMenu1, "ReBianco1", "Re Bianco");
  DonnaBianca1 = voce(PopupMenu1, "DonnaBianca1", "Donna Bianca");
  orrebianca1 = voce(PopupMenu1, "orrebianca1", "Torre Bianca");
  alfierebianco1 = voce(PopupMenu1, "alfierebianco1", "Alfiere Bianco");
  CavalloBianco1 = voce(PopupMenu1, "CavalloBianco1", "Cavallo Bianco");
  PedoneBianco1 = voce(PopupMenu1, "PedoneBianco1", "Pedone Bianco");
  PopupMenu1->addSeparator();
  Renero1 = voce(PopupMenu1, "Renero1", "Re Nero");
  DonnaNera1 = voce(PopupMenu1, "DonnaNera1", "Donna Nera");
  orreNera1 = voce(PopupMenu1, "orreNera1", "Torre Nera");
  AlfierNeo1 = voce(PopupMenu1, "AlfierNeo1", "Alfiere Nero");
  CavaloNero1 = voce(PopupMenu1, "CavaloNero1", "Cavallo Nero");
  PedoneNero1 = voce(PopupMenu1, "PedoneNero1", "Pedone Nero");
  // Each item acts on the square that was right-clicked.
  connect(Svuotascacchiera1, &QAction::triggered, this, [this] {
    if (!editing()) return;
    controllore().editor().clearBoard();
    controllore().editChanged();
    showEditPage();
  });
  connect(Svuotacsella1, &QAction::triggered, this, [this] { editPut(board::EMPTY); });
  using namespace board;
  const std::pair<QAction*, int8_t> pezzi[] = {
      {ReBianco1, KING},        {DonnaBianca1, QUEEN}, {orrebianca1, ROOK},    {alfierebianco1, BISHOP},
      {CavalloBianco1, KNIGHT}, {PedoneBianco1, PAWN}, {Renero1, -KING},       {DonnaNera1, -QUEEN},
      {orreNera1, -ROOK},       {AlfierNeo1, -BISHOP}, {CavaloNero1, -KNIGHT}, {PedoneNero1, -PAWN}};
  for (const auto& [azione, pezzo] : pezzi)
    connect(azione, &QAction::triggered, this, [this, pezzo = pezzo] { editPut(pezzo); });
}

void TZefiran_3D::settalingua() {
  Nuovapartita1->setText(t("M_NEWGAME"));
  Apripartitapgn1->setText(t("M_OPENGAME"));
  Salvapartitapdn1->setText(t("M_SAVEGAME"));
  configurazione1->setText(t("M_CONFIG"));
  Controllotempo1->setText(t("M_TIME"));
  Gestionebook1->setText(t("M_MANAGEBOOK"));
  Visualizzapropostebook1->setText(t("M_HINTBOOK"));
  ripetimossa1->setText(t("M_BACK"));
  muovisubito1->setText(t("M_MOVENOW"));
  resign_->setText(t("M_RESIGN"));
  offerDraw_->setText(t("M_OFFERDRAW"));
  firstMove_->setText(t("P_FIRSTMOVE"));
  previousMove_->setText(t("P_PREVMOVE"));
  nextMove_->setText(t("P_NEXTMOVE"));
  lastMove_->setText(t("P_LASTMOVE"));
  EditaScacchiera1->setText(t("M_EDITBOARD"));
  editaposizioneFEN1->setText(t("M_EDITFEN"));
  caricaposizionefen1->setText(t("M_LOADFEN"));
  Salvaposizionefen1->setText(t("M_SAVEFEN"));
  Esci1->setText(t("M_EXIT"));
  Visualizza1->setTitle(t("M_VIEWL"));
  scacchiera2D1->setText(t("M_BOARD2D"));
  scacchiera3D1->setText(t("M_BOARD3D"));
  Nascondilineeelaborate1->setText(t("M_HIDELINE"));
  Schermopieno1->setText(t("M_FULLSCREEN"));
  GiocatoreBianco1->setTitle(t("M_WHITE"));
  Ruota1801->setText(t("M_ROTATE"));
  targetMarks_->setText(t("M_TARGETMARKS"));
  sound_->setText(t("M_SOUND"));
  if (discardQuestion_) discardQuestion_->settalingua();
  const QString umano = t("M_HUMAN");
  Umano1->setText(umano);
  Umano2->setText(umano);
  Nero1->setTitle(t("M_BLACK"));
  Tests1->setTitle(t("M_TEST"));
  Info1->setText(t("M_INFO"));
  Svuotascacchiera1->setText(t("M_CLEARBOARD"));
  Svuotacsella1->setText(t("M_CLEARSQUARE"));
  ReBianco1->setText(t("M_WHITEKING"));
  DonnaBianca1->setText(t("M_WHITEQUEEN"));
  orrebianca1->setText(t("M_WHITEROOK"));
  alfierebianco1->setText(t("M_WHITEBISHOP"));
  CavalloBianco1->setText(t("M_WHITEKNIGHT"));
  PedoneBianco1->setText(t("M_WHITEPAWN"));
  Renero1->setText(t("M_BLACKKING"));
  DonnaNera1->setText(t("M_BLACKQUEEN"));
  orreNera1->setText(t("M_BLACKROOK"));
  AlfierNeo1->setText(t("M_BLACKBISHOP"));
  CavaloNero1->setText(t("M_BLACKKNIGHT"));
  PedoneNero1->setText(t("M_BLACKPAWN"));

  etichettainfopartita->setText(t("P_INFOGAME"));
  etichettaesaminate->setText(t("P_TESTED"));
  etichettadaesaminare->setText(t("P_NOTTESTED"));
  etichettacorrette->setText(t("P_OK"));
  etichettaerrate->setText(t("P_FAILED"));
  BitBtn2->setText(t("P_BREAK"));
  perftStop_->setText(t("P_BREAK"));
  BitBtn1->setText(t("P_CANCEL"));
  statisticabook_->setText(t("P_BOOKSTATISTIC"));
  bookAdd_->setText(t("P_BOOKADD"));
  bookNew_->setText(t("P_BOOKNEW"));
  bookClose_->setText(t("P_CLOSE"));
  showBookCounts();
  Button1->setText(t("P_RETURNGAME"));
  editMenu_->setTitle(t("M_EDIT"));
  copyFen_->setText(t("M_COPYFEN"));
  copyPgn_->setText(t("M_COPYPGN"));
  paste_->setText(t("M_PASTE"));
  gridFirst_->setToolTip(t("P_FIRSTMOVE"));
  gridBack_->setToolTip(t("P_PREVMOVE"));
  gridForward_->setToolTip(t("P_NEXTMOVE"));
  gridLast_->setToolTip(t("P_LASTMOVE"));
  whiteToMove_->setText(t("P_WHITETOMOVE"));
  blackToMove_->setText(t("P_BLACKTOMOVE"));
  const char* arrocchi[4] = {"P_CASTLEWK", "P_CASTLEWQ", "P_CASTLEBK", "P_CASTLEBQ"};
  for (int i = 0; i < 4; ++i) castling_[i]->setText(t(arrocchi[i]));
  relabelLookMenu();
  relabelLevelMenus();
  relabelCoachMenu();
  // The dialogs take the new language too, shown or not.
  resultform->settalingua();
  settatempo->settalingua();
  configurazione->setlanguage();
  editfen->settalingua();
  info->settalingua();
  promozione->settalingua();
}
