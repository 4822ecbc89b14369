// The main window: the board, both players' panels with their clocks and
// thinking lines, the left column with the move grid and the side pages,
// every menu, and the 20 ms tick that drives the whole program.
#pragma once

#include <QMainWindow>
#include <QPixmap>
#include <QString>

#include "records/testsuites.h"
#include "ui/controller.h"

class BoardView;
class Cornice;
class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QScrollBar;
class QSplitter;
class QStackedWidget;
class QTimer;
class QWidget;
class TInfo;
class Tconfigurazione;
class Teditfen;
class Tpromozione;
class Tresultform;
class Tsettatempo;

class TZefiran_3D : public QMainWindow {
  Q_OBJECT

 public:
  // The window side of the start-up; the engine side (folders, settings,
  // book, language, tables, a new game) has run before.
  explicit TZefiran_3D(QWidget* parent = nullptr);
  ~TZefiran_3D() override;

  // ---- components ----
  QWidget* Panel2;  // left column
  QFrame* Panel7;   // its green top strip
  QWidget* Panel9;  // FEN strip and move grid
  QLabel* Panel8;   // the start FEN, when there is one
  QWidget* PaintBox1;
  QScrollBar* ScrollBar1;
  QWidget* Panel6;  // side pages
  QStackedWidget* Notebook2;
  QListWidget* perftresult;
  QListWidget* listacampipartita;   // page "load": names of the game fields
  QListWidget* listavaloripartita;  // page "load": their values
  QLabel* etichettainfopartita;
  QListWidget* listapropostebook;  // page "book"
  QLabel* etichettaesaminate;
  QLabel* etichettadaesaminare;
  QLabel* etichettacorrette;
  QLabel* etichettaerrate;
  QLabel* contaesaminate;
  QLabel* contadaesaminare;
  QLabel* contacorrette;
  QLabel* contaerrate;
  QLabel* percentuale;
  QPushButton* BitBtn2;  // "interrompi test"
  QPushButton* Button1;  // "Ritorna al gioco"

  QWidget* Panel3;  // client area
  QSplitter* Splitter1;
  QWidget* Panel4;  // Black
  Cornice* PaintBox3;
  QLabel* Label1;
  QLabel* Label3;
  QPlainTextEdit* Memo1;
  QWidget* Panel5;  // White
  Cornice* PaintBox2;
  QLabel* Label2;
  QLabel* Label4;
  QPlainTextEdit* Memo2;
  QWidget* areaboard;  // Panel1 with Notebook1 over it
  BoardView* Panel1;
  QStackedWidget* Notebook1;
  QListWidget* listapartite;
  QLabel* statolistapartite;
  QPushButton* BitBtn1;  // "Annulla"
  QPlainTextEdit* memoepd;
  QWidget* pannelloavanzamento;
  QLabel* etichettaavanzamento;
  QProgressBar* barraavanzamento;
  QLabel* Panel11;   // status strip
  QLineEdit* Edit1;  // focus sink for the camera keys
  QTimer* Timer1;

  QMenuBar* MainMenu1;
  QMenu* PopupMenu1;
  QMenu *Zefiran1, *Visualizza1, *GiocatoreBianco1, *Nero1, *Tests1, *Perft1;
  QAction *Nuovapartita1, *Apripartitapgn1, *Salvapartitapdn1, *configurazione1, *Controllotempo1, *Gestionebook1,
      *Visualizzapropostebook1, *ripetimossa1, *muovisubito1, *EditaScacchiera1, *editaposizioneFEN1,
      *caricaposizionefen1, *Salvaposizionefen1, *Esci1;
  QAction *scacchiera2D1, *scacchiera3D1, *Nascondilineeelaborate1, *Schermopieno1, *testa640x4801, *testa800x6001,
      *testa1024x7681, *testa1024x8001, *Ruota1801;
  QAction *Umano1, *Dralen1, *Umano2, *Dralen2;
  QAction *perft[9], *Epd1, *speed1, *Info1;
  QAction *Svuotascacchiera1, *Svuotacsella1, *ReBianco1, *DonnaBianca1, *orrebianca1, *alfierebianco1, *CavalloBianco1,
      *PedoneBianco1, *Renero1, *DonnaNera1, *orreNera1, *AlfierNeo1, *CavaloNero1, *PedoneNero1;

  Tresultform* resultform;
  Tsettatempo* settatempo;
  Tconfigurazione* configurazione;
  Teditfen* editfen;
  TInfo* info;
  Tpromozione* promozione;

  // The half-move (1 = White's first) of the grid cell under the mouse.
  int mossasotto = 0;
  // Time each EPD position is searched for, in milliseconds.
  int tempoepd = 5000;

  // Where FormDestroy writes the verification log (the working folder).
  QString fileverifica = QStringLiteral("verifica.txt");

  // ---- behaviour ----
  void Timer1Timer();
  void drawlog(int flag);
  void settalingua();
  void aggiornagrafica();
  // The engine's move for the side to move, as the tick starts it.
  void turnomotore();
  // The engine's moves the tick has asked for: White's, then Black's.
  void turnimotore();
  // Whether the engine plays the side to move.
  bool tocca_al_motore() const;
  // The game-over message after a human move (the board's click handler).
  void finepartitaumana(int risultato);
  // Shows a game-over message in the dialog and its memo, unless one is open.
  void mostrafinepartita(const MessaggioFine& m);
  // Both clock labels from the clocks, in their normal colours.
  void mostraorologi();
  void mostragiocatori();
  // The move grid: drawn on its bitmap, then shown; the FEN strip follows.
  void sistemagriglia(int flag);
  // The grid's bitmap as last drawn, and its row height.
  const QPixmap& bitmapgriglia() const { return bitmapgriglia_; }
  int altezzariga() const;
  void PaintBox1Paint();
  void PaintBox1MouseMove(int x, int y);
  void PaintBox1Click();
  void ScrollBar1Change();
  // The FEN strip: shown with the start FEN of a set-up game, else hidden.
  void strisciafen();
  // Hides Notebook1 or shows it on a page.
  void paginanotebook1(const QString& nome);
  void paginanotebook2(const QString& nome);
  // The status strip's lines.
  void aggiungistato(const QString& riga);

  void NuovaPartita1Click();
  void Apripartitapgn1Click();
  void Salvapartitapdn1Click();
  void configurazione1Click();
  void Controllotempo1Click();
  void Gestionebook1Click();
  void Visualizzapropostebook1Click();
  void muovisubito1Click();
  void EditaScacchiera1Click();
  void editaposizioneFEN1Click();
  void caricaposizionefen1Click();
  void Esci1Click();
  void scacchiera2D1Click();
  void scacchiera3D1Click();
  void Nascondilineeelaborate1Click();
  void Schermopieno1Click();
  void testadimensione(int w, int h);
  void Ruota1801Click();
  // A player menu item: the human or the engine for one colour.
  void scegligiocatore(bool bianco, bool motore);
  void Umano1Click();
  void Dralen1Click();
  void Umano2Click();
  void Dralen2Click();
  void perftClick(int depth);
  void Info1Click();
  void Button1Click();
  void BitBtn1Click();
  void BitBtn2Click();
  void listapartiteDblClick();
  void bookAggiungiClick();
  void bookNuovoClick();
  void Panel1MouseMove(int x, int y);
  void Panel1Click();
  void Epd1Click();
  void speed1Click();

  // What the file commands do once their dialog has given a name.
  // Opening a game file: nothing for no games, the game for one, the list
  // page for more. False (and a line in the status strip) when unreadable.
  bool apripgn(const QString& nome);
  bool salvapgnsu(const QString& nome);
  bool caricafensu(const QString& nome);
  // A position typed in the FEN dialog, set up as a new game; an unplayable
  // one is refused with its reason in the status strip.
  bool applicafen(const QString& fen);
  void costruiscilibroda(const QString& nome, bool nuovo);
  void eseguiepdsu(const QString& nome);
  void eseguispeedsu(const QString& nome);
  // An EPD or speed run is going on (menu handlers nest inside it).
  bool testincorso() const { return testincorso_; }
  bool stoprichiesto() const { return stoprichiesto_; }

  // The open and save dialogs of the file commands; empty when cancelled.
  QString sceglifile(const QString& titolo, const QString& cartellainiziale, const QString& filtro, bool salva);

  // Whether the window is in board-editing mode.
  bool modoedita() const { return modoedita_; }

 protected:
  void closeEvent(QCloseEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void creapannelli();
  QWidget* creacolonnasinistra();
  QWidget* creaareaclient();
  QWidget* creapaginenotebook1(QWidget* genitore);
  void creamenu();
  void creapopup();
  // A menu command that would disturb a running search does nothing then.
  bool ricercaincorso() const;
  // The game has just been loaded or set up: board, names, clocks, strip.
  void dopocaricamento(bool paginaload);
  void costruisciscena(int nuovavista);
  void costruiscilibro(bool nuovo);

  void disegnagriglia();
  // What a test run tells the window: thinking lines, redraws, stop requests.
  TestHooks agganci();
  void finetest();
  bool eventogriglia(QEvent* e);
  bool eventoboard(QEvent* e);

  QPixmap bitmapgriglia_;
  bool testincorso_ = false;
  bool stoprichiesto_ = false;
  bool modoedita_ = false;
  bool chiuso_ = false;
  bool turnoprenotato_ = false;  // the engine's turn is due right after the tick
};
