// The main window: the board, both players' panels with their clocks and
// thinking lines, the left column with the move grid and the side pages,
// every menu, and the 20 ms tick that drives the whole program.
#pragma once

#include <QMainWindow>
#include <QPixmap>
#include <QString>
#include <memory>
#include <vector>

#include "game/gamecontroller.h"
#include "game/testsuites.h"
#include "graphics/core/hintarrow.h"
#include "records/verifylog.h"
#include "ui/windowstate.h"

class BoardView;
struct CoachState;
class DiscardQuestion;
class MoveSounds;
class Cornice;
class QAction;
class QCheckBox;
class QKeySequence;
class QRadioButton;
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

struct SearchReport;

class TZefiran_3D : public QMainWindow, private GameView {
  Q_OBJECT

 public:
  // The window side of the start-up; the engine side (folders, settings,
  // book, language, tables, a new game) has run before.
  explicit TZefiran_3D(QWidget* parent = nullptr);
  ~TZefiran_3D() override;

  // The half-move (1 = White's first) of the grid cell under the mouse.
  int mossasotto = 0;
  // Time each EPD position is searched for, in milliseconds.
  int epdTime = 5000;

  // Where FormDestroy writes the verification log; empty when it was not
  // asked for.
  QString fileverifica = QString::fromStdString(verificationLogFile());

  // ---- behaviour ----
  void Timer1Timer();
  void drawlog(int flag);
  void settalingua();
  void aggiornagrafica();
  // Both clock labels from the clocks, in their normal colours.
  void showClocks();
  void showPlayers();
  // The move grid: drawn on its bitmap, then shown; the FEN strip follows.
  void sistemagriglia(int flag);
  // The grid's bitmap as last drawn, and its row height.
  const QPixmap& gridBitmap() const { return gridBitmap_; }
  int rowHeight() const;
  void PaintBox1Paint();
  void PaintBox1MouseMove(int x, int y);
  void PaintBox1Click();
  void ScrollBar1Change();
  // The FEN strip: shown with the start FEN of a set-up game, else hidden.
  void showFenStrip();
  // Hides Notebook1 or shows it on a page.
  void showBoardPage(const QString& nome);
  void showSidePage(const QString& nome);
  // The status strip's lines.
  void addStatus(const QString& riga);

  void NuovaPartita1Click();
  void Apripartitapgn1Click();
  void Salvapartitapdn1Click();
  void configurazione1Click();
  void Controllotempo1Click();
  void Gestionebook1Click();
  void Visualizzapropostebook1Click();
  void ripetimossa1Click();
  void muovisubito1Click();
  void EditaScacchiera1Click();
  void editaposizioneFEN1Click();
  void caricaposizionefen1Click();
  void Salvaposizionefen1Click();
  void Esci1Click();
  void scacchiera2D1Click();
  void scacchiera3D1Click();
  void Nascondilineeelaborate1Click();
  void Schermopieno1Click();
  void testSize(int w, int h);
  void Ruota1801Click();
  // A player menu item: the human or the engine for one colour.
  void choosePlayer(bool bianco, bool motore);
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
  bool openPgn(const QString& nome);
  bool savePgnTo(const QString& nome);
  bool loadFenFrom(const QString& nome);
  bool saveFenTo(const QString& nome);
  // A position typed in the FEN dialog, set up as a new game; an unplayable
  // one is refused with its reason in the status strip.
  bool applyFen(const QString& fen);
  void buildBookFrom(const QString& nome, bool nuovo);
  void runEpdOn(const QString& nome);
  void runSpeedOn(const QString& nome);
  // An EPD or speed run is going on (menu handlers nest inside it).
  bool testRunning() const { return testRunning_; }
  bool stopWanted() const { return stopWanted_; }

  // The open and save dialogs of the file commands; empty when cancelled.
  // Each kind of file ("games", "positions", "tests", "book") opens in the
  // folder last used for it.
  QString chooseFile(const QString& titolo, const char* kind, const QString& filtro, bool salva);

  // The preferences: read once the window is built, written when it closes.
  void loadPreferences();
  void savePreferences();
  // The window's size and state as last left (false: none kept).
  bool restoreWindowGeometry();
  // Asks before a game in progress is thrown away; true to go on.
  bool mayDiscardGame();
  DiscardQuestion* discardQuestion() const { return discardQuestion_; }
  MoveSounds& sounds() { return *sounds_; }

  // Whether the window is in board-editing mode.
  bool editing() const { return controllore().editing(); }

 protected:
  void closeEvent(QCloseEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  // The left column is never narrower than this.
  static constexpr int LARGHEZZAMINIMACOLONNA = 190;

  // ---- components (tests reach them by object name) ----
  QWidget* Panel2;  // left column
  QFrame* Panel7;   // its green top strip
  QWidget* Panel9;  // FEN strip and move grid
  QLabel* Panel8;   // the start FEN, when there is one
  QWidget* PaintBox1;
  QScrollBar* ScrollBar1;
  QWidget* Panel6;  // side pages
  QStackedWidget* Notebook2;
  QListWidget* perftresult;
  QPushButton* perftStop_;          // page "perft": ends a long count
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
  QPushButton* BitBtn2;                       // "interrompi test"
  QPushButton* Button1;                       // "Ritorna al gioco"
  QRadioButton *whiteToMove_, *blackToMove_;  // page "editmode": the side to move
  QCheckBox* castling_[4];                    // and the castling rights, in CASTLE_WK, WQ, BK, BQ order
  QPushButton *gridFirst_, *gridBack_, *gridForward_, *gridLast_;

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
  QPushButton* BitBtn1;                                                // "Annulla"
  QLabel *statisticabook_, *lineebianco_, *lineenero_, *lineetotali_;  // page "book": the book's games
  QPushButton *bookAdd_, *bookNew_, *bookClose_;
  QPlainTextEdit* memoepd;
  QWidget* pannelloavanzamento;
  QLabel* etichettaavanzamento;
  QProgressBar* barraavanzamento;
  QLabel* Panel11;   // status strip
  QLineEdit* Edit1;  // focus sink for the camera keys
  QTimer* Timer1;

  QMenuBar* MainMenu1;
  QMenu* PopupMenu1;
  QMenu* editMenu_;
  QAction *copyFen_, *copyPgn_, *paste_;
  QAction *firstMove_, *previousMove_, *nextMove_, *lastMove_;
  QMenu *Zefiran1, *Visualizza1, *GiocatoreBianco1, *Nero1, *Tests1, *Perft1;
  QAction *Nuovapartita1, *Apripartitapgn1, *Salvapartitapdn1, *configurazione1, *Controllotempo1, *Gestionebook1,
      *Visualizzapropostebook1, *ripetimossa1, *muovisubito1, *EditaScacchiera1, *editaposizioneFEN1,
      *caricaposizionefen1, *Salvaposizionefen1, *Esci1;
  QAction *scacchiera2D1, *scacchiera3D1, *Nascondilineeelaborate1, *Schermopieno1, *testa640x4801, *testa800x6001,
      *testa1024x7681, *testa1024x8001, *Ruota1801;
  QAction *Umano1, *Dralen1, *Umano2, *Dralen2;
  QAction *resign_, *offerDraw_, *targetMarks_, *sound_;
  QAction *perft[9], *Epd1, *speed1, *Info1;
  QAction *Svuotascacchiera1, *Svuotacsella1, *ReBianco1, *DonnaBianca1, *orrebianca1, *alfierebianco1, *CavalloBianco1,
      *PedoneBianco1, *Renero1, *DonnaNera1, *orreNera1, *AlfierNeo1, *CavaloNero1, *PedoneNero1;

  Tresultform* resultform;
  Tsettatempo* settatempo;
  Tconfigurazione* configurazione;
  Teditfen* editfen;
  TInfo* info;
  Tpromozione* promozione;

  void createPanels();
  QWidget* createLeftColumn();
  QWidget* createClientArea();
  QWidget* createBoardPages(QWidget* genitore);
  void createMenus();
  void createPopup();
  // The look's choices in the View menu, and the look put on the window
  // (mainlook.cpp).
  void createLookMenu();
  void relabelLookMenu();
  void applyLook();
  // The engine's strength for each side, in its player menu, and kept with
  // the preferences (mainlevels.cpp).
  void createLevelMenus();
  void relabelLevelMenus();
  void showLevels();
  void loadLevelPreferences();
  void saveLevelPreferences();
  QMenu* levelMenus_[2] = {};
  std::vector<QAction*> levelItems_[2];  // White's, Black's: the strongest first
  // A test run or a book build replays positions of its own on the board:
  // commands that change the game wait for its end.
  bool busy() const;
  // GameView: the controller's notices.
  void moveMade(const MadeMove& move) override;
  void movesTakenBack() override;
  void positionReplaced() override;
  void playersChanged() override;
  void clocksChanged() override;
  void gameStateChanged() override;
  void thinkingLine(bool white, const std::string& line) override;
  void status(const std::string& line) override;
  // What moves, take-backs and replaced positions all redraw.
  void showPosition();
  // Shows a game-over message in the dialog and its memo, unless one is open.
  void showGameOver(const GameOverMessage& m);
  // Takes the message of a game that a take back reopened out of its memo.
  void withdrawGameOver();
  QPlainTextEdit* overMemo_ = nullptr;
  QString overText_;
  // The engine's moves the tick has asked for: White's, then Black's.
  void runEngineTurns();
  // Loads the game whose tags start at that line of the file, with its
  // report on the load page; what each game of the file gives, for the list.
  void loadGame(int riga);
  std::vector<QString> gameStates();
  // The load page of a game just loaded: its players, result, length and
  // whether it was read to its end.
  void showLoadPage(const QString& resoconto);
  void buildScene(int nuovavista);
  void buildBook(bool nuovo);
  // The book page's counts of the games in the book.
  void showBookCounts();

  void drawGrid();
  // The player panels in the order of the sides on the board.
  void arrangePanels();
  // Whose turn it is, in the title and on the panels.
  void updateTurn();
  // The pieces each side has taken and its lead, beside its panel.
  void showMaterial();
  void resignClick();
  void offerDrawClick();
  // The sound of a move just made, or of the game's end.
  void soundOf(const MadeMove& move);
  QString startFolder(const char* kind) const;
  void rememberFolder(const char* kind, const QString& file);
  DiscardQuestion* discardQuestion_ = nullptr;
  std::unique_ptr<MoveSounds> sounds_;
  // A step through the recorded moves (the grid's buttons and keys).
  void navigate(void (GameController::*passo)());
  // Whether a key event names one of the window's own shortcuts, which then
  // works whatever widget has the focus (text with a selection keeps its
  // copy key).
  bool ownsShortcut(QObject* receiver, const QKeyEvent* k) const;
  // Runs the shortcut a key names, when it names one.
  bool runShortcut(const QKeyEvent* k);
  // The window's own action with that shortcut, or null.
  QAction* shortcutFor(const QKeySequence& pressed) const;
  // Board editing: the popup's items on the square right-clicked, the side
  // to move and the castling rights of the edit page.
  void editPut(int8_t pezzo);
  void editSideToMove(bool bianco);
  void editCastling(int diritto, bool acceso);
  void showEditPage();
  int editSquare_ = -1;
  // The clipboard: the position as FEN, the game as PGN, and either back.
  void copyFenClick();
  void copyPgnClick();
  void pasteClick();
  // What a test run tells the window: thinking lines, redraws, stop requests.
  TestHooks testHooks();
  void endTestRun();
  bool gridEvent(QEvent* e);
  bool boardEvent(QEvent* e);
  // The left button on the board: pressed on a piece the player may move,
  // dragged past the toolkit's distance, the piece follows the pointer and
  // its release is the move (or the piece goes back); otherwise the press
  // and release are a click.
  void pressAt(const QPoint& p);
  void dragTo(const QPoint& p);
  void drop(const QPoint& p);
  // A person's move between two squares, asking for the promotion piece.
  bool tryMove(int from, int to);
  // The chosen piece's targets (unless turned off) and the last move, for
  // the board's next frame.
  void refreshMarks();
  int dragFrom_ = -1;  // the piece pressed on, until the press ends
  QPoint pressPoint_;
  bool showTargets_ = true;

  // ---- the coach: hint, analysis, review (maincoach.cpp) ----
  CoachState& coach();
  void createCoachMenu();
  void relabelCoachMenu();
  QWidget* createScoreBar(QWidget* parent);
  QWidget* createScoreGraph(QWidget* parent);
  QWidget* createAnalysisPanel(QWidget* parent);
  void createReviewPage(QStackedWidget* notebook);
  QAction* coachShortcut(const QKeySequence& pressed) const;
  // The hint's arrow while the board shows the position it was found in.
  HintArrow hintArrow() const;
  // A search of the coach's is due from the tick; runCoach runs it.
  bool coachDue();
  void runCoach();
  void hintClick();
  void analyseClick(bool on);
  bool analysing() const;
  void reviewClick();
  void startReview(int moveTimeMs);
  void stopReview();
  void reviewStepped();
  void showHint(const SearchReport& report);
  void clearHint();
  void showAnalysis();
  // The coach's parts after the position shown has changed.
  void showCoach();
  void updateCoachMode();
  std::shared_ptr<CoachState> coach_;

  QPixmap gridBitmap_;
  bool followCurrent_ = true;  // the next grid drawing scrolls to the current half-move
  bool testRunning_ = false;
  bool stopWanted_ = false;
  bool closed_ = false;
  bool turnBooked_ = false;  // the engine's turn is due right after the tick
};
