#include "ui/unitconfig.h"

#include <QButtonGroup>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "graphics/core/skinfile.h"
#include "settings/language.h"
#include "settings/manageini.h"
#include "text/Textrout.h"
#include "ui/lookpage.h"

namespace {

constexpr int SPOSTAMENTOSKIN = 600;  // the skin pictures start this far into the image
constexpr int LIVELLI = 9;

QString t(const char* chiave) { return QString::fromUtf8(testo(chiave)); }
QString u(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }
std::string s8(const QString& s) { return s.toUtf8().toStdString(); }

QLabel* etichetta(QWidget* genitore, const char* nome, const char* testo) {
  auto* l = new QLabel(QString::fromUtf8(testo), genitore);
  l->setObjectName(nome);
  return l;
}

QPushButton* bottone(QWidget* genitore, const char* nome, const char* testo) {
  auto* b = new QPushButton(QString::fromUtf8(testo), genitore);
  b->setObjectName(nome);
  return b;
}

QLabel* immagine(QWidget* genitore, const char* nome) {
  auto* l = new QLabel(genitore);
  l->setObjectName(nome);
  l->setFixedSize(296, 128);
  l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return l;
}

QListWidget* elenco(QWidget* genitore, const char* nome) {
  auto* l = new QListWidget(genitore);
  l->setObjectName(nome);
  return l;
}

// A failure in the user's language: the caption of what did not happen,
// then the cause as the reader reports it.
QString fallito(const char* chiave, const QString& causa) { return t(chiave) + " " + causa; }

void riempi(QListWidget* lista, const QString& cartella, const QString& filtro) {
  lista->clear();
  const QStringList nomi = QDir(cartella).entryList({filtro}, QDir::Files, QDir::Name | QDir::IgnoreCase);
  lista->addItems(nomi);
}

}  // namespace

Tconfigurazione::Tconfigurazione(QWidget* parent) : QDialog(parent) {
  setObjectName("configurazione");
  setWindowTitle(QString::fromUtf8("Configurazione"));
  setModal(true);
  auto* principale = new QVBoxLayout(this);
  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName("PageControl1");
  principale->addWidget(PageControl1);

  // Game data.
  auto* dati = new QWidget;
  dati->setObjectName("TabSheet1");
  auto* gd = new QGridLayout(dati);
  etichettagiocatore = etichetta(dati, "etichettagiocatore", "Nome giocatore");
  etichettalocalita = etichetta(dati, "etichettalocalita", "Località");
  etichettaevento = etichetta(dati, "etichettaevento", "Evento");
  Edit1 = new QLineEdit(dati);
  Edit1->setObjectName("Edit1");
  Edit1->setMaxLength(25);
  Edit2 = new QLineEdit(dati);
  Edit2->setObjectName("Edit2");
  Edit2->setMaxLength(80);
  Edit3 = new QLineEdit(dati);
  Edit3->setObjectName("Edit3");
  Edit3->setMaxLength(80);
  gd->addWidget(etichettagiocatore, 0, 0);
  gd->addWidget(Edit1, 0, 1);
  gd->addWidget(etichettalocalita, 1, 0);
  gd->addWidget(Edit2, 1, 1);
  gd->addWidget(etichettaevento, 2, 0);
  gd->addWidget(Edit3, 2, 1);
  gd->setRowStretch(3, 1);
  PageControl1->addTab(dati, QString::fromUtf8("Dati partita"));

  // Memory.
  auto* mem = new QWidget;
  mem->setObjectName("TabSheet2");
  auto* gm = new QVBoxLayout(mem);
  etichettahash = etichetta(mem, "etichettahash", "Memoria HASH");
  gm->addWidget(etichettahash);
  auto* riga = new QHBoxLayout;
  auto* gruppo = new QButtonGroup(this);
  for (int i = 0; i < LIVELLI; ++i) {
    const QString didascalia = QString::number(1 << i) + " mb";
    livelli[i] = new QPushButton(didascalia, mem);
    livelli[i]->setObjectName(QString("SpeedButton%1").arg(i + 1));
    livelli[i]->setCheckable(true);
    gruppo->addButton(livelli[i], i + 1);
    riga->addWidget(livelli[i]);
    connect(livelli[i], &QPushButton::clicked, this, [this, i] { livelloClick(i + 1); });
  }
  gm->addLayout(riga);
  auto* stima = new QHBoxLayout;
  etichettamemoria = etichetta(mem, "etichettamemoria", "Memoria totale richiesta dall'applicazione = kb.");
  memoria = etichetta(mem, "memoria", "");
  stima->addWidget(etichettamemoria);
  stima->addWidget(memoria);
  stima->addStretch(1);
  gm->addLayout(stima);
  gm->addStretch(1);
  PageControl1->addTab(mem, QString::fromUtf8("memoria"));

  // Playing style.
  auto* stile = new QWidget;
  stile->setObjectName("TabSheet3");
  auto* gs = new QGridLayout(stile);
  etichettalibro = etichetta(stile, "etichettalibro", "Usa book fino a  mossa");
  SpinEdit1 = new QSpinBox(stile);
  SpinEdit1->setObjectName("SpinEdit1");
  SpinEdit1->setRange(0, 100);
  etichettaabbandono = etichetta(stile, "etichettaabbandono", "Il computer può decidere di abbandonare?");
  Si1 = bottone(stile, "Si1", "Si");
  No1 = bottone(stile, "No1", "No");
  auto* sino = new QButtonGroup(this);
  for (QPushButton* b : {Si1, No1}) {
    b->setCheckable(true);
    sino->addButton(b);
  }
  No1->setChecked(true);
  gs->addWidget(etichettalibro, 0, 0);
  gs->addWidget(SpinEdit1, 0, 1);
  gs->addWidget(etichettaabbandono, 1, 0);
  auto* bottonisino = new QHBoxLayout;
  bottonisino->addWidget(Si1);
  bottonisino->addWidget(No1);
  gs->addLayout(bottonisino, 1, 1);
  gs->setRowStretch(2, 1);
  gs->setColumnStretch(2, 1);
  PageControl1->addTab(stile, QString::fromUtf8("stile gioco"));

  // Graphics.
  auto* grafica = new QWidget;
  grafica->setObjectName("TabSheet4");
  auto* gg = new QGridLayout(grafica);
  etichettaskin = etichetta(grafica, "etichettaskin", "Skin disponibili");
  FileListBox1 = elenco(grafica, "FileListBox1");
  etichettaskinattuale = etichetta(grafica, "etichettaskinattuale", "Skin Attuale");
  nomeskinattuale = etichetta(grafica, "nomeskinattuale", "");
  Image1 = immagine(grafica, "Image1");
  etichettapreview = etichetta(grafica, "etichettapreview", "Preview Skin ");
  Image2 = immagine(grafica, "Image2");
  BitBtn3 = bottone(grafica, "BitBtn3", "Cambia Skin");
  gg->addWidget(etichettaskin, 0, 0);
  gg->addWidget(FileListBox1, 1, 0, 5, 1);
  gg->addWidget(etichettaskinattuale, 0, 1);
  gg->addWidget(nomeskinattuale, 0, 2);
  gg->addWidget(Image1, 1, 1, 1, 2);
  gg->addWidget(etichettapreview, 2, 1, 1, 2);
  gg->addWidget(Image2, 3, 1, 1, 2);
  gg->addWidget(BitBtn3, 4, 1, 1, 2);
  PageControl1->addTab(grafica, QString::fromUtf8("Grafica"));
  connect(FileListBox1, &QListWidget::itemClicked, this, &Tconfigurazione::FileListBox1Click);
  connect(FileListBox1, &QListWidget::itemDoubleClicked, this, &Tconfigurazione::cambiaskin);
  connect(BitBtn3, &QPushButton::clicked, this, &Tconfigurazione::cambiaskin);

  // Languages.
  auto* lingue = new QWidget;
  lingue->setObjectName("TabSheet5");
  auto* gl = new QGridLayout(lingue);
  etichettalingue = etichetta(lingue, "etichettalingue", "Linguagi disponibili");
  FileListBox2 = elenco(lingue, "FileListBox2");
  etichettalinguaattuale = etichetta(lingue, "etichettalinguaattuale", "Linguaggio Attuale");
  nomelinguaattuale = etichetta(lingue, "nomelinguaattuale", "");
  BitBtn4 = bottone(lingue, "BitBtn4", "Cambia linguaggio");
  gl->addWidget(etichettalingue, 0, 0);
  gl->addWidget(FileListBox2, 1, 0, 3, 1);
  gl->addWidget(etichettalinguaattuale, 1, 1);
  gl->addWidget(nomelinguaattuale, 2, 1);
  gl->addWidget(BitBtn4, 3, 1);
  PageControl1->addTab(lingue, QString::fromUtf8("linguggi"));
  lookPage = new LookPage(PageControl1);
  PageControl1->addTab(lookPage, QString());
  connect(FileListBox2, &QListWidget::itemDoubleClicked, this, &Tconfigurazione::cambialingua);
  connect(BitBtn4, &QPushButton::clicked, this, &Tconfigurazione::cambialingua);

  errore = etichetta(this, "errore", "");
  errore->setStyleSheet("color: rgb(255, 0, 0);");
  errore->setWordWrap(true);
  principale->addWidget(errore);

  auto* fondo = new QHBoxLayout;
  BitBtn1 = bottone(this, "BitBtn1", "Salva Configurazioni");
  BitBtn2 = bottone(this, "BitBtn2", "Annulla configurazioni");
  fondo->addWidget(BitBtn1);
  fondo->addStretch(1);
  fondo->addWidget(BitBtn2);
  principale->addLayout(fondo);
  connect(BitBtn1, &QPushButton::clicked, this, &Tconfigurazione::BitBtn1Click);
  connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

  aggiornaelenchi();
}

void Tconfigurazione::aggiornaelenchi() {
  riempi(FileListBox1, u(cartella + "skins/"), QStringLiteral("*.usk"));
  riempi(FileListBox2, u(cartella + "languages/"), QStringLiteral("*.dat"));
}

void Tconfigurazione::setlanguage() {
  setWindowTitle(t("P_CONFIGURATION"));
  const char* schede[5] = {"P_GAMEDATA", "P_MEMORY", "P_GAMESTYLE", "P_GRAPHIC", "P_LANGUAGE"};
  for (int i = 0; i < 5; ++i) PageControl1->setTabText(i, t(schede[i]));
  etichettagiocatore->setText(t("P_PLAYER"));
  etichettalocalita->setText(t("P_SITE"));
  etichettaevento->setText(t("P_EVENT"));
  etichettahash->setText(t("P_HASHMEMORY"));
  etichettamemoria->setText(t("P_TOTALMEMORY"));
  BitBtn1->setText(t("P_SAVECONFIG"));
  BitBtn2->setText(t("P_DROPCONF"));
  etichettalibro->setText(t("P_USEBOOK"));
  etichettaabbandono->setText(t("P_CANRESIGN"));
  Si1->setText(t("P_YES"));
  No1->setText(t("P_NO"));
  etichettaskin->setText(t("P_SKINAVAILABLE"));
  etichettaskinattuale->setText(t("P_SKINUSED"));
  etichettapreview->setText(t("P_SKINPREVIEW"));
  BitBtn3->setText(t("P_SKINCHANGE"));
  etichettalingue->setText(t("P_LANGUAGEAVAILABLE"));
  etichettalinguaattuale->setText(t("P_LANGUAGEUSED"));
  BitBtn4->setText(t("P_LANGUAGECHANGE"));
  lookPage->setLanguage();
}

void Tconfigurazione::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  FormShow();
}

void Tconfigurazione::FormShow() {
  errore->clear();
  aggiornaelenchi();
  setlanguage();
  mostraskin(Image1, u(nomeskin));
  nomeskinattuale->setText(u(nomeskin));
  Image2->clear();
  nomelinguaattuale->setText(u(nomelingua));

  // A level the file does not give as a whole number in 1..10 is the
  // default table's, as the settings reader applies it.
  int livello = 0;
  if (!readInteger(valoreini("hash"), livello) || livello < 1 || livello > 10) livello = 3;
  livello_ = QString::number(livello);
  Edit1->setText(u(valoreini("giocatore")));
  Edit2->setText(u(valoreini("localita")));
  Edit3->setText(u(valoreini("evento")));
  for (int i = 0; i < LIVELLI; ++i) {
    livelli[i]->setChecked(i + 1 == livello);
  }
  SpinEdit1->setValue(std::clamp(numero(valoreini("profonditalibro")), 0, 100));
  const bool si = valoreini("abbandona") == "si";
  Si1->setChecked(si);
  No1->setChecked(!si);
  memoria->setText(stimamemoria(livello_));
  lookPage->useSkin(u(cartella + "skins/" + nomeskin));
  lookPage->load(currentLook());
}

QString Tconfigurazione::stimamemoria(const QString& livello) {
  const int k = livello.toInt();
  const long long mb = k >= 1 && k <= 30 ? (1LL << (k - 1)) : 0;
  return QString::number(mb * 1024 + 19500) + " kb.";
}

QImage Tconfigurazione::anteprimaskin(const QString& percorso, QString& motivo) {
  Skin s;
  std::string e;
  if (!readSkin(s8(percorso), s, e)) {
    motivo = u(e);
    return QImage();
  }
  QImage img(s.width, s.height, QImage::Format_RGB888);
  // Row 0 of the skin is the bottom row of the picture.
  for (int y = 0; y < s.height; ++y) {
    const uint8_t* riga = &s.rgb[static_cast<size_t>(s.height - 1 - y) * s.width * 3];
    std::copy(riga, riga + static_cast<size_t>(s.width) * 3, img.scanLine(y));
  }
  if (s.width <= SPOSTAMENTOSKIN) return QImage();
  return img.copy(SPOSTAMENTOSKIN, 0, s.width - SPOSTAMENTOSKIN, s.height);
}

void Tconfigurazione::mostraskin(QLabel* dove, const QString& nome) {
  QString motivo;
  const QImage img = anteprimaskin(u(cartella + "skins/") + nome, motivo);
  if (!motivo.isEmpty()) {
    errore->setText(fallito("P_SKINNOTUSED", nome + ": " + motivo));
    return;
  }
  dove->setPixmap(QPixmap::fromImage(img));
}

void Tconfigurazione::livelloClick(int livello) {
  livello_ = QString::number(livello);
  memoria->setText(stimamemoria(livello_));
}

void Tconfigurazione::FileListBox1Click() {
  if (QListWidgetItem* v = FileListBox1->currentItem()) {
    errore->clear();
    mostraskin(Image2, v->text());
  }
}

void Tconfigurazione::cambiaskin() {
  QListWidgetItem* v = FileListBox1->currentItem();
  if (!v) return;
  QString motivo;
  anteprimaskin(u(cartella + "skins/") + v->text(), motivo);
  if (!motivo.isEmpty()) {
    errore->setText(fallito("P_SKINNOTUSED", v->text() + ": " + motivo));
    return;
  }
  errore->clear();
  nomeskin = s8(v->text());
  nomeskinattuale->setText(v->text());
  mostraskin(Image1, v->text());
}

void Tconfigurazione::cambialingua() {
  QListWidgetItem* v = FileListBox2->currentItem();
  if (!v) return;
  std::string e;
  if (!caricalingua(s8(v->text()), e)) {
    errore->setText(fallito("P_LANGUAGENOTUSED", u(e)));
    return;
  }
  errore->clear();
  nomelingua = s8(v->text());
  nomelinguaattuale->setText(v->text());
  setlanguage();
}

void Tconfigurazione::BitBtn1Click() {
  tvaloriini v;
  v.giocatore = s8(Edit1->text());
  v.localita = s8(Edit2->text());
  v.evento = s8(Edit3->text());
  v.hash = livello_.toInt();
  v.profonditalibro = SpinEdit1->value();
  v.abbandona = Si1->isChecked();
  v.skin = nomeskin;
  v.linguaggio = nomelingua;
  std::string e;
  if (!salvaini(v, e)) {
    errore->setText(fallito("P_CONFIGNOTSAVED", u(e)));
    return;
  }
  lookPage->apply();
  accept();
}
