// The window's left column: the FEN strip, the move grid with its scroll
// bar and its navigation buttons, and the side pages under it.
#include <QCheckBox>
#include <QFont>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "game/gamecontroller.h"
#include "graphics/gl/boardview.h"
#include "ui/indicatore.h"
#include "ui/main.h"
#include "ui/playerpanel.h"
#include "ui/widgetstyle.h"

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
  fillBackground(Panel7, QColor(0, 128, 0));
  v->addWidget(Panel7);

  Panel9 = new QWidget(Panel2);
  Panel9->setObjectName("Panel9");
  auto* v9 = new QVBoxLayout(Panel9);
  v9->setContentsMargins(0, 0, 0, 0);
  v9->setSpacing(0);
  Panel8 = new QLabel(Panel9);
  Panel8->setObjectName("Panel8");
  Panel8->setFixedHeight(20);
  Panel8->setFont(arialFont(9, false));
  Panel8->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  fillBackground(Panel8, QColor(128, 128, 128));
  setTextColour(Panel8, QColor(255, 255, 0));
  Panel8->hide();
  v9->addWidget(Panel8);
  auto* griglia = new QHBoxLayout;
  griglia->setSpacing(0);
  PaintBox1 = new QWidget(Panel9);
  PaintBox1->setObjectName("PaintBox1");
  // The grid paints every pixel itself from its bitmap.
  PaintBox1->setAttribute(Qt::WA_OpaquePaintEvent);
  PaintBox1->setMouseTracking(true);
  PaintBox1->setFont(arialFont(13, false));
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
  // First, back, forward, last: the game's moves stay recorded meanwhile.
  auto* navigazione = new QHBoxLayout;
  navigazione->setSpacing(0);
  const struct {
    QPushButton** bottone;
    const char* nome;
    const char* segno;
    void (GameController::*passo)();
  } bottoni[] = {{&gridFirst_, "gridFirst", "|<", &GameController::first},
                 {&gridBack_, "gridBack", "<", &GameController::back},
                 {&gridForward_, "gridForward", ">", &GameController::forward},
                 {&gridLast_, "gridLast", ">|", &GameController::last}};
  for (const auto& b : bottoni) {
    *b.bottone = new QPushButton(QString::fromUtf8(b.segno), Panel9);
    (*b.bottone)->setObjectName(b.nome);
    (*b.bottone)->setFocusPolicy(Qt::NoFocus);
    navigazione->addWidget(*b.bottone);
    connect(*b.bottone, &QPushButton::clicked, this, [this, passo = b.passo] { navigate(passo); });
  }
  v9->addLayout(navigazione);
  v9->addWidget(createScoreGraph(Panel9));
  v->addWidget(Panel9, 2);

  Panel6 = new QWidget(Panel2);
  Panel6->setObjectName("Panel6");
  Panel6->setMinimumHeight(100);
  auto* v6 = new QVBoxLayout(Panel6);
  v6->setContentsMargins(0, 0, 0, 0);
  Notebook2 = new QStackedWidget(Panel6);
  Notebook2->setObjectName("Notebook2");
  v6->addWidget(Notebook2);
  v6->addWidget(createAnalysisPanel(Panel6));
  v->addWidget(Panel6, 1);

  addPage(Notebook2, "Default");

  auto* pperft = addPage(Notebook2, "perft");
  auto* lp = new QVBoxLayout(pperft);
  lp->setContentsMargins(0, 0, 0, 0);
  perftresult = new QListWidget(pperft);
  perftresult->setObjectName("perftresult");
  lp->addWidget(perftresult);
  perftStop_ = new QPushButton(pperft);
  perftStop_->setObjectName("perftStop");
  perftStop_->setEnabled(false);
  lp->addWidget(perftStop_);
  connect(perftStop_, &QPushButton::clicked, this, [] { controllore().stopPerft(); });

  auto* pload = addPage(Notebook2, "load");
  auto* ll = new QVBoxLayout(pload);
  ll->setContentsMargins(0, 0, 0, 0);
  etichettainfopartita = makeLabel(pload, "etichettainfopartita", "Informazioni partita");
  ll->addWidget(etichettainfopartita);
  auto* liste = new QHBoxLayout;
  listacampipartita = new QListWidget(pload);
  listacampipartita->setObjectName("listacampipartita");
  listavaloripartita = new QListWidget(pload);
  listavaloripartita->setObjectName("listavaloripartita");
  liste->addWidget(listacampipartita);
  liste->addWidget(listavaloripartita);
  ll->addLayout(liste);

  auto* pepd = addPage(Notebook2, "epd");
  auto* le = new QGridLayout(pepd);
  etichettaesaminate = makeLabel(pepd, "etichettaesaminate", "ESAMINATE....");
  etichettadaesaminare = makeLabel(pepd, "etichettadaesaminare", "DA ESAMINARE.");
  etichettacorrette = makeLabel(pepd, "etichettacorrette", "CORRETTE.....");
  etichettaerrate = makeLabel(pepd, "etichettaerrate", "ERRATE.......");
  contaesaminate = makeLabel(pepd, "contaesaminate", "0");
  contadaesaminare = makeLabel(pepd, "contadaesaminare", "0");
  contacorrette = makeLabel(pepd, "contacorrette", "0");
  contaerrate = makeLabel(pepd, "contaerrate", "0");
  percentuale = makeLabel(pepd, "percentuale", "0%");
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

  auto* pedit = addPage(Notebook2, "editmode");
  auto* led = new QVBoxLayout(pedit);
  Button1 = new QPushButton(QString::fromUtf8("Ritorna al gioco"), pedit);
  Button1->setObjectName("Button1");
  // What a position needs besides its pieces.
  whiteToMove_ = new QRadioButton(pedit);
  whiteToMove_->setObjectName("editWhiteToMove");
  blackToMove_ = new QRadioButton(pedit);
  blackToMove_->setObjectName("editBlackToMove");
  led->addWidget(whiteToMove_);
  led->addWidget(blackToMove_);
  connect(whiteToMove_, &QRadioButton::toggled, this, [this](bool on) { editSideToMove(on); });
  const char* arrocchi[4] = {"editCastleWK", "editCastleWQ", "editCastleBK", "editCastleBQ"};
  for (int i = 0; i < 4; ++i) {
    castling_[i] = new QCheckBox(pedit);
    castling_[i]->setObjectName(arrocchi[i]);
    led->addWidget(castling_[i]);
    connect(castling_[i], &QCheckBox::toggled, this, [this, i](bool on) { editCastling(i, on); });
  }
  led->addWidget(Button1);
  led->addStretch(1);
  connect(Button1, &QPushButton::clicked, this, &TZefiran_3D::Button1Click);

  auto* pbook = addPage(Notebook2, "book");
  auto* lb = new QVBoxLayout(pbook);
  lb->setContentsMargins(0, 0, 0, 0);
  listapropostebook = new QListWidget(pbook);
  listapropostebook->setObjectName("listapropostebook");
  listapropostebook->setFont(QFont("Monospace", 9));
  lb->addWidget(listapropostebook);

  createReviewPage(Notebook2);
  return Panel2;
}
