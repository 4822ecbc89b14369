// The main window: its start-up, the assembly of its parts, the layout of
// the left column, and the window's own events.
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "game/gamecontroller.h"
#include "graphics/core/pieces.h"
#include "graphics/core/scene.h"
#include "graphics/gl/boardview.h"
#include "records/verifylog.h"
#include "settings/manageini.h"
#include "text/namevalue.h"
#include "ui/Uniteditfen.h"
#include "ui/Unitinfo.h"
#include "ui/Unitpromozione.h"
#include "ui/discardquestion.h"
#include "ui/indicatore.h"
#include "ui/main.h"
#include "ui/movesounds.h"
#include "ui/resultunit.h"
#include "ui/shortcutrouter.h"
#include "ui/unitconfig.h"
#include "ui/unitsettatempo.h"
#include "ui/widgetstyle.h"

TZefiran_3D::TZefiran_3D(QWidget* parent) : QMainWindow(parent) {
  setObjectName("Zefiran_3D");
  setMinimumSize(640, 480);
  risultatovisibile = 0;

  createPanels();
  createMenus();
  createPopup();

  resultform = new Tresultform(this);
  resultform->impostaridisegno([this] { Panel1->disegnascena(true); });
  settatempo = new Tsettatempo(this);
  configurazione = new Tconfigurazione(this);
  editfen = new Teditfen(this);
  info = new TInfo(this);
  promozione = new Tpromozione(this);
  discardQuestion_ = new DiscardQuestion(this);
  sounds_ = std::make_unique<MoveSounds>(QString::fromStdString(cartella + "sounds"));

  releaseAllKeys();
  casellasotto = -1;
  casellascelta = -1;

  settalingua();

  vista = VISTA_3D;
  scacchiera2D1->setChecked(false);
  scacchiera3D1->setChecked(true);
  vista3d();

  controllore().setView(this);
  playersChanged();
  costruiscipezzi();
  drawlog(1);
  setInterfaceMode(InterfaceMode::undecided);
  setWindowTitle(QString::fromUtf8("Zefiran_3D 0.92 ") + QString::fromUtf8(VERSIONSUFFIX));
  showClocks();
  showSidePage("Default");

  // What went wrong while starting, one line each, in the order it happened.
  for (const std::string& p : problemiavvio()) addStatus(QString::fromStdString(p));
  connect(Panel1, &BoardView::messaggioskin, this, &TZefiran_3D::addStatus);
  Panel1->caricaskin(QString::fromStdString(cartella + "skins/" + nomeskin));

  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setInterval(20);
  connect(Timer1, &QTimer::timeout, this, &TZefiran_3D::Timer1Timer);
  loadPreferences();
  updateTurn();
  showMaterial();
  Timer1->start();
  // The window's shortcuts are looked at before any widget keeps them.
  qApp->installEventFilter(
      new ShortcutRouter([this](QObject* o, const QKeyEvent* k) { return ownsShortcut(o, k); }, this));
}

TZefiran_3D::~TZefiran_3D() {
  controllore().setView(nullptr);
  // FormDestroy: the run's verification log, when it was asked for.
  if (!fileverifica.isEmpty()) scriviverifica(fileverifica.toStdString());
}

void TZefiran_3D::createPanels() {
  auto* centrale = new QWidget(this);
  centrale->setObjectName("centrale");
  auto* verticale = new QVBoxLayout(centrale);
  verticale->setContentsMargins(0, 0, 0, 0);
  verticale->setSpacing(0);
  auto* riga = new QHBoxLayout;
  riga->setContentsMargins(0, 0, 0, 0);
  riga->setSpacing(0);
  riga->addWidget(createLeftColumn());
  riga->addWidget(createClientArea(), 1);
  verticale->addLayout(riga, 1);

  Panel11 = new QLabel(centrale);
  Panel11->setObjectName("Panel11");
  Panel11->setMinimumHeight(22);
  Panel11->setFont(arialFont(12, true));
  Panel11->setIndent(6);
  setTextColour(Panel11, QColor(255, 0, 0));
  Panel11->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Panel11->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  verticale->addWidget(Panel11);

  // Behind the panels, where it can hold the focus without being seen.
  Edit1 = new QLineEdit(centrale);
  Edit1->setObjectName("Edit1");
  Edit1->setGeometry(0, 0, 1, 1);
  Edit1->lower();
  Edit1->installEventFilter(this);

  setCentralWidget(centrale);
}

void TZefiran_3D::drawlog(int) {
  const int W = width();
  const int H = Panel1->height();
  int P = Panel2->width();
  if (P < H) P = W - H;
  if (P < W - H) P = W - H;
  if (W / 3 < P) P = W / 3;
  if (P > 300) P = 300;
  // The column's own minimum; the window's minimum width keeps a third of
  // it above this, so the two limits above still hold.
  if (P < LARGHEZZAMINIMACOLONNA) P = LARGHEZZAMINIMACOLONNA;
  Panel2->setFixedWidth(P);
  showFenStrip();
}

void TZefiran_3D::showFenStrip() {
  const std::string fen = controllore().startFen();
  if (!fen.empty()) {
    const QString t = QString::fromUtf8("Fen: ") + QString::fromStdString(fen);
    Panel8->setText(t);
    Panel8->setToolTip(t);
    Panel8->show();
  } else {
    Panel8->hide();
  }
}

void TZefiran_3D::showBoardPage(const QString& nome) {
  // "opengl" is the board itself: nothing covers it.
  if (nome.isEmpty() || nome == "opengl") {
    Notebook1->hide();
    return;
  }
  if (auto* p = Notebook1->findChild<QWidget*>(nome, Qt::FindDirectChildrenOnly)) Notebook1->setCurrentWidget(p);
  Notebook1->show();
  Notebook1->raise();
}

void TZefiran_3D::showSidePage(const QString& nome) {
  if (auto* p = Notebook2->findChild<QWidget*>(nome, Qt::FindDirectChildrenOnly)) Notebook2->setCurrentWidget(p);
}

void TZefiran_3D::addStatus(const QString& riga) {
  const QString ora = Panel11->text();
  Panel11->setText(ora.isEmpty() ? riga : ora + "\n" + riga);
}

void TZefiran_3D::closeEvent(QCloseEvent* e) {
  if (!closed_ && !mayDiscardGame()) {
    e->ignore();
    return;
  }
  if (!closed_) savePreferences();
  // FormCloseQuery: a running search ends at its next time check; its move
  // is not played and nothing new starts once the window has closed.
  controllore().shutDown();
  // A test run would go on with its next position: it stops too.
  if (testRunning_) stopWanted_ = true;
  closed_ = true;
  Timer1->stop();
  e->accept();
}

void TZefiran_3D::resizeEvent(QResizeEvent* e) {
  QMainWindow::resizeEvent(e);
  drawlog(1);
  // The board's height is known only once the layout has followed.
  QTimer::singleShot(0, this, [this] { drawlog(1); });
}

void TZefiran_3D::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  ridisegna = 1;
  drawlog(1);
}

namespace {
// The camera keys are plain keys: with Ctrl or Alt they belong to the
// menus' shortcuts.
bool cameraKey(const QKeyEvent* k) {
  return !k->isAutoRepeat() && !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}
}  // namespace

bool TZefiran_3D::runShortcut(const QKeyEvent* k) {
  // Where the toolkit did not run the shortcut (a window that is not the
  // active one), the key still does what the menu says.
  QAction* a = shortcutFor(QKeySequence(k->keyCombination()));
  if (a) a->trigger();
  return a != nullptr;
}

QAction* TZefiran_3D::shortcutFor(const QKeySequence& pressed) const {
  for (QAction* a : {ripetimossa1, copyFen_, paste_, firstMove_, previousMove_, nextMove_, lastMove_})
    if (a->isEnabled() && a->shortcut() == pressed) return a;
  return coachShortcut(pressed);
}

void TZefiran_3D::keyPressEvent(QKeyEvent* e) {
  if (runShortcut(e)) return;
  if (cameraKey(e)) pressKey(e->key());
  QMainWindow::keyPressEvent(e);
}

void TZefiran_3D::keyReleaseEvent(QKeyEvent* e) {
  if (!e->isAutoRepeat()) releaseKey(e->key());
  QMainWindow::keyReleaseEvent(e);
}

bool TZefiran_3D::ownsShortcut(QObject* receiver, const QKeyEvent* k) const {
  auto* widget = qobject_cast<QWidget*>(receiver);
  if (!widget || widget->window() != this) return false;
  const QKeySequence pressed(k->keyCombination());
  if (pressed == QKeySequence(QKeySequence::Copy)) {
    if (auto* line = qobject_cast<QLineEdit*>(widget); line && line->hasSelectedText()) return false;
    if (auto* text = qobject_cast<QPlainTextEdit*>(widget); text && text->textCursor().hasSelection()) return false;
  }
  return shortcutFor(pressed) != nullptr;
}

bool TZefiran_3D::eventFilter(QObject* o, QEvent* e) {
  if (o == Edit1) {
    if (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease) {
      auto* k = static_cast<QKeyEvent*>(e);
      if (e->type() == QEvent::KeyPress && (runShortcut(k) || !cameraKey(k))) return true;
      if (e->type() == QEvent::KeyPress) pressKey(k->key());
      if (e->type() == QEvent::KeyRelease && !k->isAutoRepeat()) releaseKey(k->key());
      return true;  // the sink keeps no text
    }
    if (e->type() == QEvent::FocusOut) releaseAllKeys();
    return false;
  }
  if (o == Panel1 && boardEvent(e)) return true;
  if (o == PaintBox1 && gridEvent(e)) return true;
  return QMainWindow::eventFilter(o, e);
}
