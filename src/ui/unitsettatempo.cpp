#include "ui/unitsettatempo.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <vector>

#include "game/eventpump.h"
#include "game/gamecontroller.h"
#include "settings/language.h"

namespace {

constexpr int PAGINA_XMINXMOV = 0, PAGINA_XMIN = 1, PAGINA_XMINFISCH = 2, PAGINA_XMINQPF = 3;
const char* const nomipagine[4] = {"XMINXMOV", "XMIN", "XMINFISCH", "XMINQPF"};

QString t(const char* chiave) { return QString::fromUtf8(testo(chiave)); }

QLineEdit* campo(QWidget* genitore, const char* nome, int valore) {
  auto* e = new QLineEdit(QString::number(valore), genitore);
  e->setObjectName(nome);
  e->setMaximumWidth(60);
  return e;
}

// Upper bounds of the fields, exclusive; a moves field has none but must
// count at least one move.
constexpr int LIMITEORE = 24, LIMITEMINUTI = 60, LIMITESECONDI = 60, SENZALIMITE = 0;
constexpr int MINIMOMOSSE = 1;

// A field holding a whole number in 0..limite-1 (SENZALIMITE: no upper
// bound).
bool leggicampo(const QLineEdit* e, int limite, int& valore) {
  bool ok = false;
  valore = e->text().trimmed().toInt(&ok);
  return ok && valore >= 0 && (limite == SENZALIMITE || valore < limite);
}

}  // namespace

Tsettatempo::Tsettatempo(QWidget* parent) : QDialog(parent) {
  setObjectName("settatempo");
  setWindowTitle(QString::fromUtf8("Controllo tempo"));
  setModal(true);

  auto* principale = new QVBoxLayout(this);
  auto* bottoni = new QHBoxLayout;
  auto* gruppo = new QButtonGroup(this);
  gruppo->setExclusive(true);
  QPushButton** speed[4] = {&SpeedButton1, &SpeedButton2, &SpeedButton3, &SpeedButton4};
  const char* didascalie[4] = {"X tempo per Y mosse", "X tempo per tutta la partita",
                               "X tempo per tutta la partita + bonus", "X tempo y mosse + quick finish"};
  for (int i = 0; i < 4; ++i) {
    auto* b = new QPushButton(QString::fromUtf8(didascalie[i]), this);
    b->setObjectName(QString("SpeedButton%1").arg(i + 1));
    b->setCheckable(true);
    gruppo->addButton(b, i);
    bottoni->addWidget(b);
    *speed[i] = b;
  }
  principale->addLayout(bottoni);

  Notebook1 = new QStackedWidget(this);
  Notebook1->setObjectName("Notebook1");
  for (int i = 0; i < 4; ++i) {
    auto* p = new QWidget(Notebook1);
    p->setObjectName(nomipagine[i]);
    auto* g = new QGridLayout(p);
    switch (i) {
      case PAGINA_XMINXMOV:
        xminxmov = creaperiodo(p, g, 0, 0, 5, 0);
        mossexmov = creamosse(p, g, 1, 40);
        mossexmov->setObjectName("mossexmov");
        break;
      case PAGINA_XMIN: xmin = creaperiodo(p, g, 0, 0, 5, 0); break;
      case PAGINA_XMINFISCH: {
        xminfisch = creaperiodo(p, g, 0, 0, 5, 0);
        xminfischbonus = creaperiodo(p, g, 1, 0, 0, 1);
        etichettabonus_ = new QLabel(QString::fromUtf8("di bonus ogni mossa"), p);
        g->addWidget(etichettabonus_, 1, 7);
        break;
      }
      case PAGINA_XMINQPF:
        xminqpf = creaperiodo(p, g, 0, 0, 5, 0);
        mosseqpf = creamosse(p, g, 1, 40);
        mosseqpf->setObjectName("mosseqpf");
        xminqpffinale = creaperiodo(p, g, 2, 0, 5, 0);
        break;
    }
    g->setColumnStretch(8, 1);
    g->setRowStretch(3, 1);
    Notebook1->addWidget(p);
  }
  principale->addWidget(Notebook1);

  motivo = new QLabel(this);
  motivo->setObjectName("motivo");
  motivo->setStyleSheet("color: rgb(255, 0, 0);");
  motivo->setWordWrap(true);
  motivo->hide();
  principale->addWidget(motivo);

  auto* fondo = new QHBoxLayout;
  BitBtn1 = new QPushButton(t("P_DIALOGOK"), this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setDefault(true);
  BitBtn2 = new QPushButton(t("P_DIALOGCANCEL"), this);
  BitBtn2->setObjectName("BitBtn2");
  fondo->addStretch(1);
  fondo->addWidget(BitBtn1);
  fondo->addWidget(BitBtn2);
  principale->addLayout(fondo);

  connect(SpeedButton1, &QPushButton::clicked, this, &Tsettatempo::SpeedButton1Click);
  connect(SpeedButton2, &QPushButton::clicked, this, &Tsettatempo::SpeedButton2Click);
  connect(SpeedButton3, &QPushButton::clicked, this, &Tsettatempo::SpeedButton3Click);
  connect(SpeedButton4, &QPushButton::clicked, this, &Tsettatempo::SpeedButton4Click);
  connect(BitBtn1, &QPushButton::clicked, this, &Tsettatempo::BitBtn1Click);
  connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

  mostrapagina(PAGINA_XMIN);
}

Tsettatempo::Periodo Tsettatempo::creaperiodo(QWidget* pagina, QGridLayout* g, int riga, int ore, int minuti,
                                              int secondi) {
  Periodo p;
  const QString base = QString("%1_%2_").arg(pagina->objectName()).arg(riga);
  p.ore = campo(pagina, (base + "ore").toUtf8().constData(), ore);
  p.minuti = campo(pagina, (base + "minuti").toUtf8().constData(), minuti);
  p.secondi = campo(pagina, (base + "secondi").toUtf8().constData(), secondi);
  auto* lo = new QLabel(QString::fromUtf8("Ore"), pagina);
  auto* lm = new QLabel(QString::fromUtf8("Min."), pagina);
  auto* ls = new QLabel(QString::fromUtf8("Sec."), pagina);
  etichetteore_ << lo;
  etichetteminuti_ << lm;
  etichettesecondi_ << ls;
  g->addWidget(p.ore, riga, 0);
  g->addWidget(lo, riga, 1);
  g->addWidget(p.minuti, riga, 2);
  g->addWidget(lm, riga, 3);
  g->addWidget(p.secondi, riga, 4);
  g->addWidget(ls, riga, 5);
  return p;
}

QLineEdit* Tsettatempo::creamosse(QWidget* pagina, QGridLayout* g, int riga, int mosse) {
  auto* per = new QLabel(QString::fromUtf8("per"), pagina);
  auto* e = campo(pagina, "mosse", mosse);
  auto* lm = new QLabel(QString::fromUtf8("Mosse"), pagina);
  etichetteper_ << per;
  etichettemosse_ << lm;
  g->addWidget(per, riga, 0);
  g->addWidget(e, riga, 2);
  g->addWidget(lm, riga, 3);
  return e;
}

void Tsettatempo::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  FormActivate();
}

void Tsettatempo::FormActivate() {
  settalingua();
  mostramotivo(QString());
}

void Tsettatempo::mostramotivo(const QString& testo) {
  motivo->setText(testo);
  motivo->setVisible(!testo.isEmpty());
}

void Tsettatempo::settalingua() {
  setWindowTitle(t("P_TIMECONTROL"));
  SpeedButton1->setText(t("P_TIMEXY"));
  SpeedButton2->setText(t("P_TIMEX"));
  SpeedButton3->setText(t("P_TIMEXB"));
  SpeedButton4->setText(t("P_TIMEXYQ"));
  for (QLabel* l : etichetteore_) l->setText(t("P_HOURS"));
  for (QLabel* l : etichetteminuti_) l->setText(t("P_MIN"));
  for (QLabel* l : etichettesecondi_) l->setText(t("P_SEC"));
  for (QLabel* l : etichetteper_) l->setText(t("P_FOR"));
  for (QLabel* l : etichettemosse_) l->setText(t("P_MOVES"));
  etichettabonus_->setText(t("P_BONUSMOVE"));
  BitBtn1->setText(t("P_DIALOGOK"));
  BitBtn2->setText(t("P_DIALOGCANCEL"));
}

void Tsettatempo::mostrapagina(int indice) {
  // A reason given for another page's field no longer applies.
  mostramotivo(QString());
  Notebook1->setCurrentIndex(indice);
  QPushButton* speed[4] = {SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4};
  speed[indice]->setChecked(true);
}

QString Tsettatempo::pagina() const { return QString::fromLatin1(nomipagine[Notebook1->currentIndex()]); }

void Tsettatempo::SpeedButton1Click() { mostrapagina(PAGINA_XMINXMOV); }
void Tsettatempo::SpeedButton2Click() { mostrapagina(PAGINA_XMIN); }
void Tsettatempo::SpeedButton3Click() { mostrapagina(PAGINA_XMINFISCH); }
void Tsettatempo::SpeedButton4Click() { mostrapagina(PAGINA_XMINQPF); }

void Tsettatempo::BitBtn1Click() {
  struct Controllo {
    QLineEdit* campo;
    int limite;
    const char* motivo;  // the key of the reason shown when the field fails
  };
  // The page's fields in the order they are checked.
  std::vector<Controllo> controlli;
  auto periodo = [&](const Periodo& p) {
    controlli.push_back({p.ore, LIMITEORE, "P_BADHOURS"});
    controlli.push_back({p.minuti, LIMITEMINUTI, "P_BADMINUTES"});
    controlli.push_back({p.secondi, LIMITESECONDI, "P_BADSECONDS"});
  };
  auto mosse = [&](QLineEdit* campo) { controlli.push_back({campo, SENZALIMITE, "P_BADMOVES"}); };
  const int indice = Notebook1->currentIndex();
  switch (indice) {
    case PAGINA_XMINXMOV:
      periodo(xminxmov);
      mosse(mossexmov);
      break;
    case PAGINA_XMIN: periodo(xmin); break;
    case PAGINA_XMINFISCH:
      periodo(xminfisch);
      periodo(xminfischbonus);
      break;
    default:
      periodo(xminqpf);
      mosse(mosseqpf);
      periodo(xminqpffinale);
      break;
  }
  std::vector<int> valori;
  for (const Controllo& c : controlli) {
    int v = 0;
    // A control of "for 0 moves" has no period: at least one move.
    const bool campomosse = c.limite == SENZALIMITE;
    if (!leggicampo(c.campo, c.limite, v) || (campomosse && v < MINIMOMOSSE)) {
      mostramotivo(t(c.motivo));
      c.campo->setFocus();
      c.campo->selectAll();
      soundBeep();
      return;
    }
    valori.push_back(v);
  }
  auto durata = [&](size_t k) { return valori[k] * 3600000 + valori[k + 1] * 60000 + valori[k + 2] * 1000; };
  TimeControl g = controllore().timeControl();
  switch (indice) {
    case PAGINA_XMINXMOV:
      g.base = durata(0);
      g.moves = valori[3];
      g.kind = TimeControl::movesPerControl;
      break;
    case PAGINA_XMIN:
      g.base = durata(0);
      g.kind = TimeControl::wholeGame;
      break;
    case PAGINA_XMINFISCH:
      g.base = durata(0);
      g.increment = durata(3);
      g.moves = 0;
      g.kind = TimeControl::withIncrement;
      break;
    default:
      g.base = durata(0);
      g.moves = valori[3];
      g.finalTime = durata(4);
      g.kind = TimeControl::quickPlayFinish;
      break;
  }
  controllore().setTimeControl(g);
  accept();
}
