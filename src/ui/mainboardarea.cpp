// The window's client area: the two player panels around the board, and
// the pages that may cover the board (the game list, the EPD log, the book).
#include <QFont>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "graphics/core/scene.h"
#include "graphics/gl/boardview.h"
#include "ui/indicatore.h"
#include "ui/main.h"
#include "ui/playerpanel.h"
#include "ui/widgetstyle.h"

QWidget* TZefiran_3D::createClientArea() {
  Panel3 = new QWidget;
  Panel3->setObjectName("Panel3");
  auto* v = new QVBoxLayout(Panel3);
  v->setContentsMargins(0, 0, 0, 0);
  Splitter1 = new QSplitter(Qt::Vertical, Panel3);
  Splitter1->setObjectName("Splitter1");
  Splitter1->setChildrenCollapsible(false);
  v->addWidget(Splitter1);

  const auto pannello = [this](const PlayerPanel::Names& nomi, const QColor& testo) {
    return new PlayerPanel(nomi, testo, Splitter1);
  };
  auto* nero = pannello({"Panel4", "PaintBox3", "Label1", "Label3", "Memo1"}, QColor(0, 0, 0));
  Panel4 = nero;
  PaintBox3 = nero->frame();
  Label1 = nero->name();
  Label3 = nero->clock();
  Memo1 = nero->memo();
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
  fillBackground(Notebook1, palette().color(QPalette::Window));
  createBoardPages(Notebook1);
  g->addWidget(Notebook1, 0, 0);
  Notebook1->hide();
  g->addWidget(createScoreBar(areaboard), 0, 1);
  Splitter1->addWidget(areaboard);

  auto* bianco = pannello({"Panel5", "PaintBox2", "Label2", "Label4", "Memo2"}, QColor(255, 255, 255));
  Panel5 = bianco;
  PaintBox2 = bianco->frame();
  Label2 = bianco->name();
  Label4 = bianco->clock();
  Memo2 = bianco->memo();
  Splitter1->addWidget(Panel5);

  Splitter1->setStretchFactor(0, 0);
  Splitter1->setStretchFactor(1, 1);
  Splitter1->setStretchFactor(2, 0);
  Splitter1->setSizes({60, 600, 60});
  return Panel3;
}

QWidget* TZefiran_3D::createBoardPages(QWidget*) {
  auto* plista = addPage(Notebook1, "listapartite");
  auto* ll = new QVBoxLayout(plista);
  statolistapartite = makeLabel(plista, "statolistapartite", "");
  ll->addWidget(statolistapartite);
  listapartite = new QListWidget(plista);
  listapartite->setObjectName("listapartite");
  ll->addWidget(listapartite, 1);
  BitBtn1 = new QPushButton(QString::fromUtf8("Annulla"), plista);
  BitBtn1->setObjectName("BitBtn1");
  ll->addWidget(BitBtn1, 0, Qt::AlignLeft);
  connect(BitBtn1, &QPushButton::clicked, this, &TZefiran_3D::BitBtn1Click);
  connect(listapartite, &QListWidget::itemDoubleClicked, this, &TZefiran_3D::listapartiteDblClick);

  addPage(Notebook1, "opengl");

  auto* pepd = addPage(Notebook1, "epd");
  auto* le = new QVBoxLayout(pepd);
  memoepd = new QPlainTextEdit(pepd);
  memoepd->setObjectName("memoepd");
  memoepd->setReadOnly(true);
  memoepd->setFont(QFont("Monospace", 9));  // the log's columns line up
  le->addWidget(memoepd);

  auto* pbook = addPage(Notebook1, "book");
  auto* lb = new QVBoxLayout(pbook);
  statisticabook_ = makeLabel(pbook, "statisticabook", "Book statistic");
  lineebianco_ = makeLabel(pbook, "lineebianco", "White lines : 0000");
  lineenero_ = makeLabel(pbook, "lineenero", "Black lines : 0000");
  lineetotali_ = makeLabel(pbook, "lineetotali", "total lines : 0000");
  for (QLabel* l : {statisticabook_, lineebianco_, lineenero_, lineetotali_}) lb->addWidget(l);
  auto* bottoni = new QHBoxLayout;
  bookAdd_ = new QPushButton(QString::fromUtf8("Aggiungi"), pbook);
  bookAdd_->setObjectName("bookAggiungi");
  bookNew_ = new QPushButton(QString::fromUtf8("Nuovo"), pbook);
  bookNew_->setObjectName("bookNuovo");
  bookClose_ = new QPushButton(QString::fromUtf8("Esci"), pbook);
  bookClose_->setObjectName("bookEsci");
  bottoni->addWidget(bookAdd_);
  bottoni->addWidget(bookNew_);
  bottoni->addWidget(bookClose_);
  bottoni->addStretch(1);
  lb->addLayout(bottoni);
  connect(bookAdd_, &QPushButton::clicked, this, &TZefiran_3D::bookAggiungiClick);
  connect(bookNew_, &QPushButton::clicked, this, &TZefiran_3D::bookNuovoClick);
  connect(bookClose_, &QPushButton::clicked, this, [this] { showBoardPage(QString()); });
  pannelloavanzamento = new QWidget(pbook);
  pannelloavanzamento->setObjectName("pannelloavanzamento");
  auto* la = new QVBoxLayout(pannelloavanzamento);
  etichettaavanzamento = makeLabel(pannelloavanzamento, "etichettaavanzamento", "");
  barraavanzamento = new QProgressBar(pannelloavanzamento);
  barraavanzamento->setObjectName("barraavanzamento");
  la->addWidget(etichettaavanzamento);
  la->addWidget(barraavanzamento);
  lb->addWidget(pannelloavanzamento);
  lb->addStretch(1);
  return Notebook1;
}

void TZefiran_3D::arrangePanels() {
  // The side whose pieces stand at the bottom of the board has its panel at
  // the bottom: White's at the start (rotazione 270), Black's once turned.
  const bool nerosotto = rotazione > 0.0f && rotazione < 180.0f;
  if (Splitter1->indexOf(nerosotto ? Panel4 : Panel5) == 2) return;
  const QList<int> misure = Splitter1->sizes();
  Splitter1->insertWidget(0, nerosotto ? Panel5 : Panel4);
  Splitter1->insertWidget(2, nerosotto ? Panel4 : Panel5);
  // The panels keep their heights, the board its own.
  if (misure.size() == 3) Splitter1->setSizes({misure[2], misure[1], misure[0]});
}
