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

#include "engine/position/game.h"
#include "engine/position/position.h"
#include "engine/search/clock.h"
#include "engine/search/searchstate.h"
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
#include "ui/indicatore.h"
#include "ui/main.h"
#include "ui/resultunit.h"
#include "ui/unitconfig.h"
#include "ui/unitsettatempo.h"

namespace {

constexpr int LARGHEZZAMINIMACOLONNA = 190;

QFont arial(int pixel, bool grassetto) {
  QFont f("Arial");
  f.setPixelSize(pixel);
  f.setBold(grassetto);
  return f;
}

void colora(QWidget* w, const QColor& sfondo) {
  QPalette p = w->palette();
  p.setColor(QPalette::Window, sfondo);
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

void coloretesto(QWidget* w, const QColor& c) {
  QPalette p = w->palette();
  p.setColor(QPalette::WindowText, c);
  p.setColor(QPalette::Text, c);
  w->setPalette(p);
}

QPlainTextEdit* creamemo(QWidget* genitore, const char* nome) {
  auto* m = new QPlainTextEdit(genitore);
  m->setObjectName(nome);
  m->setReadOnly(true);
  m->setFont(QFont("Monospace", 9));
  QPalette p = m->palette();
  p.setColor(QPalette::Base, QColor(0, 128, 0));
  p.setColor(QPalette::Text, QColor(255, 255, 255));
  m->setPalette(p);
  m->setFocusPolicy(Qt::ClickFocus);
  return m;
}

QWidget* pagina(QStackedWidget* notebook, const char* nome) {
  auto* p = new QWidget(notebook);
  p->setObjectName(nome);
  notebook->addWidget(p);
  return p;
}

QLabel* etichetta(QWidget* genitore, const char* nome, const char* testo) {
  auto* l = new QLabel(QString::fromUtf8(testo), genitore);
  l->setObjectName(nome);
  return l;
}

}  // namespace

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

  releaseAllKeys();
  casellasotto = -1;
  casellascelta = -1;

  settalingua();

  vista = VISTA_3D;
  scacchiera2D1->setChecked(false);
  scacchiera3D1->setChecked(true);
  vista3d();

  controllore().setView(this);
  // Without a settings file the human still has a name.
  if (!partita.motorebianco && partita.whiteplayer.empty()) partita.whiteplayer = humanName();
  if (!partita.motorenero && partita.blackplayer.empty()) partita.blackplayer = humanName();
  playersChanged();
  costruiscipezzi();
  drawlog(1);
  modointerfaccia = 0;
  setWindowTitle(QString::fromUtf8("Zefiran_3D 0.92 ") + QString::fromUtf8(VERSIONSUFFIX));
  showClocks();
  showSidePage("Default");
  editing_ = false;

  // What went wrong while starting, one line each, in the order it happened.
  for (const std::string& p : problemiavvio()) addStatus(QString::fromStdString(p));
  connect(Panel1, &BoardView::messaggioskin, this, &TZefiran_3D::addStatus);
  Panel1->caricaskin(QString::fromStdString(cartella + "skins/" + nomeskin));

  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setInterval(20);
  connect(Timer1, &QTimer::timeout, this, &TZefiran_3D::Timer1Timer);
  Timer1->start();
}

TZefiran_3D::~TZefiran_3D() {
  controllore().setView(nullptr);
  // FormDestroy: the run's verification log goes to the working folder.
  scriviverifica(fileverifica.toStdString());
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
  Panel11->setFont(arial(12, true));
  Panel11->setIndent(6);
  coloretesto(Panel11, QColor(255, 0, 0));
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

QWidget* TZefiran_3D::createLeftColumn() {
  Panel2 = new QWidget;
  Panel2->setObjectName("Panel2");
  Panel2->setMinimumWidth(LARGHEZZAMINIMACOLONNA);
  auto* v = new QVBoxLayout(Panel2);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(0);

  Panel7 = new QFrame(Panel2);
  Panel7->setObjectName("Panel7");
  Panel7->setFixedHeight(12);
  colora(Panel7, QColor(0, 128, 0));
  v->addWidget(Panel7);

  Panel9 = new QWidget(Panel2);
  Panel9->setObjectName("Panel9");
  auto* v9 = new QVBoxLayout(Panel9);
  v9->setContentsMargins(0, 0, 0, 0);
  v9->setSpacing(0);
  Panel8 = new QLabel(Panel9);
  Panel8->setObjectName("Panel8");
  Panel8->setFixedHeight(20);
  Panel8->setFont(arial(9, false));
  Panel8->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  colora(Panel8, QColor(128, 128, 128));
  coloretesto(Panel8, QColor(255, 255, 0));
  Panel8->hide();
  v9->addWidget(Panel8);
  auto* griglia = new QHBoxLayout;
  griglia->setSpacing(0);
  PaintBox1 = new QWidget(Panel9);
  PaintBox1->setObjectName("PaintBox1");
  // The grid paints every pixel itself from its bitmap.
  PaintBox1->setAttribute(Qt::WA_OpaquePaintEvent);
  PaintBox1->setMouseTracking(true);
  PaintBox1->setFont(arial(13, false));
  PaintBox1->installEventFilter(this);
  ScrollBar1 = new QScrollBar(Qt::Vertical, Panel9);
  ScrollBar1->setObjectName("ScrollBar1");
  ScrollBar1->setMinimum(1);
  ScrollBar1->setMaximum(1);
  ScrollBar1->setEnabled(false);
  connect(ScrollBar1, &QScrollBar::valueChanged, this, &TZefiran_3D::ScrollBar1Change);
  griglia->addWidget(PaintBox1, 1);
  griglia->addWidget(ScrollBar1);
  v9->addLayout(griglia, 1);
  v->addWidget(Panel9, 2);

  Panel6 = new QWidget(Panel2);
  Panel6->setObjectName("Panel6");
  Panel6->setMinimumHeight(100);
  auto* v6 = new QVBoxLayout(Panel6);
  v6->setContentsMargins(0, 0, 0, 0);
  Notebook2 = new QStackedWidget(Panel6);
  Notebook2->setObjectName("Notebook2");
  v6->addWidget(Notebook2);
  v->addWidget(Panel6, 1);

  pagina(Notebook2, "Default");

  auto* pperft = pagina(Notebook2, "perft");
  auto* lp = new QVBoxLayout(pperft);
  lp->setContentsMargins(0, 0, 0, 0);
  perftresult = new QListWidget(pperft);
  perftresult->setObjectName("perftresult");
  lp->addWidget(perftresult);

  auto* pload = pagina(Notebook2, "load");
  auto* ll = new QVBoxLayout(pload);
  ll->setContentsMargins(0, 0, 0, 0);
  etichettainfopartita = etichetta(pload, "etichettainfopartita", "Informazioni partita");
  ll->addWidget(etichettainfopartita);
  auto* liste = new QHBoxLayout;
  listacampipartita = new QListWidget(pload);
  listacampipartita->setObjectName("listacampipartita");
  listavaloripartita = new QListWidget(pload);
  listavaloripartita->setObjectName("listavaloripartita");
  liste->addWidget(listacampipartita);
  liste->addWidget(listavaloripartita);
  ll->addLayout(liste);

  auto* pepd = pagina(Notebook2, "epd");
  auto* le = new QGridLayout(pepd);
  etichettaesaminate = etichetta(pepd, "etichettaesaminate", "ESAMINATE....");
  etichettadaesaminare = etichetta(pepd, "etichettadaesaminare", "DA ESAMINARE.");
  etichettacorrette = etichetta(pepd, "etichettacorrette", "CORRETTE.....");
  etichettaerrate = etichetta(pepd, "etichettaerrate", "ERRATE.......");
  contaesaminate = etichetta(pepd, "contaesaminate", "0");
  contadaesaminare = etichetta(pepd, "contadaesaminare", "0");
  contacorrette = etichetta(pepd, "contacorrette", "0");
  contaerrate = etichetta(pepd, "contaerrate", "0");
  percentuale = etichetta(pepd, "percentuale", "0%");
  QLabel* coppie[4][2] = {{etichettaesaminate, contaesaminate},
                          {etichettadaesaminare, contadaesaminare},
                          {etichettacorrette, contacorrette},
                          {etichettaerrate, contaerrate}};
  for (int i = 0; i < 4; ++i) {
    le->addWidget(coppie[i][0], i, 0);
    le->addWidget(coppie[i][1], i, 1);
  }
  le->addWidget(percentuale, 4, 1);
  BitBtn2 = new QPushButton(QString::fromUtf8("interrompi test"), pepd);
  BitBtn2->setObjectName("BitBtn2");
  le->addWidget(BitBtn2, 5, 0, 1, 2);
  connect(BitBtn2, &QPushButton::clicked, this, &TZefiran_3D::BitBtn2Click);

  auto* pedit = pagina(Notebook2, "editmode");
  auto* led = new QVBoxLayout(pedit);
  Button1 = new QPushButton(QString::fromUtf8("Ritorna al gioco"), pedit);
  Button1->setObjectName("Button1");
  led->addWidget(Button1);
  led->addStretch(1);
  connect(Button1, &QPushButton::clicked, this, &TZefiran_3D::Button1Click);

  auto* pbook = pagina(Notebook2, "book");
  auto* lb = new QVBoxLayout(pbook);
  lb->setContentsMargins(0, 0, 0, 0);
  listapropostebook = new QListWidget(pbook);
  listapropostebook->setObjectName("listapropostebook");
  listapropostebook->setFont(QFont("Monospace", 9));
  lb->addWidget(listapropostebook);

  return Panel2;
}

QWidget* TZefiran_3D::createClientArea() {
  Panel3 = new QWidget;
  Panel3->setObjectName("Panel3");
  auto* v = new QVBoxLayout(Panel3);
  v->setContentsMargins(0, 0, 0, 0);
  Splitter1 = new QSplitter(Qt::Vertical, Panel3);
  Splitter1->setObjectName("Splitter1");
  Splitter1->setChildrenCollapsible(false);
  v->addWidget(Splitter1);

  // A player's panel: the thinking frame around name and clock, then the memo.
  auto pannello = [this](const char* nome, Cornice*& cornice, const char* nomecornice, QLabel*& nomelabel,
                         const char* nomenome, QLabel*& orologio, const char* nomeorologio, QPlainTextEdit*& memo,
                         const char* nomememo, const QColor& testo) {
    auto* p = new QWidget(Splitter1);
    p->setObjectName(nome);
    p->setMinimumHeight(40);
    colora(p, QColor(128, 128, 128));
    auto* h = new QHBoxLayout(p);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(2);
    cornice = new Cornice(p);
    cornice->setObjectName(nomecornice);
    cornice->setFixedWidth(183);
    auto* dentro = new QVBoxLayout(cornice);
    dentro->setContentsMargins(4, 4, 4, 4);
    dentro->setSpacing(0);
    nomelabel = new QLabel(cornice);
    nomelabel->setObjectName(nomenome);
    orologio = new QLabel(cornice);
    orologio->setObjectName(nomeorologio);
    for (QLabel* l : {nomelabel, orologio}) {
      l->setFont(arial(16, true));
      l->setAlignment(Qt::AlignCenter);
      coloretesto(l, testo);
      dentro->addWidget(l);
    }
    h->addWidget(cornice);
    memo = creamemo(p, nomememo);
    h->addWidget(memo, 1);
    return p;
  };

  Panel4 =
      pannello("Panel4", PaintBox3, "PaintBox3", Label1, "Label1", Label3, "Label3", Memo1, "Memo1", QColor(0, 0, 0));
  Splitter1->addWidget(Panel4);

  areaboard = new QWidget(Splitter1);
  areaboard->setObjectName("areaboard");
  auto* g = new QGridLayout(areaboard);
  g->setContentsMargins(0, 0, 0, 0);
  Panel1 = new BoardView(areaboard);
  Panel1->setObjectName("Panel1");
  Panel1->setMouseTracking(true);
  Panel1->installEventFilter(this);
  g->addWidget(Panel1, 0, 0);
  Notebook1 = new QStackedWidget(areaboard);
  Notebook1->setObjectName("Notebook1");
  colora(Notebook1, palette().color(QPalette::Window));
  createBoardPages(Notebook1);
  g->addWidget(Notebook1, 0, 0);
  Notebook1->hide();
  Splitter1->addWidget(areaboard);

  Panel5 = pannello("Panel5", PaintBox2, "PaintBox2", Label2, "Label2", Label4, "Label4", Memo2, "Memo2",
                    QColor(255, 255, 255));
  Splitter1->addWidget(Panel5);

  Splitter1->setStretchFactor(0, 0);
  Splitter1->setStretchFactor(1, 1);
  Splitter1->setStretchFactor(2, 0);
  Splitter1->setSizes({60, 600, 60});
  return Panel3;
}

QWidget* TZefiran_3D::createBoardPages(QWidget*) {
  auto* plista = pagina(Notebook1, "listapartite");
  auto* ll = new QVBoxLayout(plista);
  statolistapartite = etichetta(plista, "statolistapartite", "");
  ll->addWidget(statolistapartite);
  listapartite = new QListWidget(plista);
  listapartite->setObjectName("listapartite");
  ll->addWidget(listapartite, 1);
  BitBtn1 = new QPushButton(QString::fromUtf8("Annulla"), plista);
  BitBtn1->setObjectName("BitBtn1");
  ll->addWidget(BitBtn1, 0, Qt::AlignLeft);
  connect(BitBtn1, &QPushButton::clicked, this, &TZefiran_3D::BitBtn1Click);
  connect(listapartite, &QListWidget::itemDoubleClicked, this, &TZefiran_3D::listapartiteDblClick);

  pagina(Notebook1, "opengl");

  auto* pepd = pagina(Notebook1, "epd");
  auto* le = new QVBoxLayout(pepd);
  memoepd = new QPlainTextEdit(pepd);
  memoepd->setObjectName("memoepd");
  memoepd->setReadOnly(true);
  memoepd->setFont(QFont("Monospace", 9));  // the log's columns line up
  le->addWidget(memoepd);

  auto* pbook = pagina(Notebook1, "book");
  auto* lb = new QVBoxLayout(pbook);
  lb->addWidget(etichetta(pbook, "statisticabook", "Book statistic"));
  lb->addWidget(etichetta(pbook, "lineebianco", "White lines : 0000"));
  lb->addWidget(etichetta(pbook, "lineenero", "Black lines : 0000"));
  lb->addWidget(etichetta(pbook, "lineetotali", "total lines : 0000"));
  auto* bottoni = new QHBoxLayout;
  auto* aggiungi = new QPushButton(QString::fromUtf8("Aggiungi"), pbook);
  aggiungi->setObjectName("bookAggiungi");
  auto* nuovo = new QPushButton(QString::fromUtf8("Nuovo"), pbook);
  nuovo->setObjectName("bookNuovo");
  auto* esci = new QPushButton(QString::fromUtf8("Esci"), pbook);
  esci->setObjectName("bookEsci");
  bottoni->addWidget(aggiungi);
  bottoni->addWidget(nuovo);
  bottoni->addWidget(esci);
  bottoni->addStretch(1);
  lb->addLayout(bottoni);
  connect(aggiungi, &QPushButton::clicked, this, &TZefiran_3D::bookAggiungiClick);
  connect(nuovo, &QPushButton::clicked, this, &TZefiran_3D::bookNuovoClick);
  connect(esci, &QPushButton::clicked, this, [this] { showBoardPage(QString()); });
  pannelloavanzamento = new QWidget(pbook);
  pannelloavanzamento->setObjectName("pannelloavanzamento");
  auto* la = new QVBoxLayout(pannelloavanzamento);
  etichettaavanzamento = etichetta(pannelloavanzamento, "etichettaavanzamento", "");
  barraavanzamento = new QProgressBar(pannelloavanzamento);
  barraavanzamento->setObjectName("barraavanzamento");
  la->addWidget(etichettaavanzamento);
  la->addWidget(barraavanzamento);
  lb->addWidget(pannelloavanzamento);
  lb->addStretch(1);
  return Notebook1;
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
  if (!partita.startfen.empty()) {
    const QString t = QString::fromUtf8("Fen: ") + QString::fromStdString(partita.startfen.str());
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
  // FormCloseQuery: a running search ends at its next time check; its move
  // is not played and nothing new starts once the window has closed.
  controllore().shutDown();
  searchDeadline = 1;
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

void TZefiran_3D::keyPressEvent(QKeyEvent* e) {
  if (!e->isAutoRepeat()) pressKey(e->key());
  QMainWindow::keyPressEvent(e);
}

void TZefiran_3D::keyReleaseEvent(QKeyEvent* e) {
  if (!e->isAutoRepeat()) releaseKey(e->key());
  QMainWindow::keyReleaseEvent(e);
}

bool TZefiran_3D::eventFilter(QObject* o, QEvent* e) {
  if (o == Edit1) {
    if (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease) {
      auto* k = static_cast<QKeyEvent*>(e);
      if (!k->isAutoRepeat()) {
        if (e->type() == QEvent::KeyPress)
          pressKey(k->key());
        else
          releaseKey(k->key());
      }
      return true;  // the sink keeps no text
    }
    if (e->type() == QEvent::FocusOut) releaseAllKeys();
    return false;
  }
  if (o == Panel1 && boardEvent(e)) return true;
  if (o == PaintBox1 && gridEvent(e)) return true;
  return QMainWindow::eventFilter(o, e);
}
