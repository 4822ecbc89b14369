#include "ui/Uniteditfen.h"

#include <QFont>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

#include "game/gamecontroller.h"
#include "settings/language.h"

namespace {
constexpr int LARGHEZZA = 537;
constexpr int ALTEZZA = 72;
constexpr int ALTEZZAMOTIVO = 22;

QString t(const char* chiave) { return QString::fromUtf8(testo(chiave)); }

// The set-up's reasons that read the same whatever the text was, with the
// key of their wording in the user's language. The others name a rank, a
// square or a character of the text and are shown as the set-up gives them.
struct MotivoNoto {
  const char* problema;
  const char* chiave;
};
constexpr MotivoNoto motivinoti[] = {
    {"empty FEN", "E_FENEMPTY"},
    {"each side needs exactly one king", "E_KINGS"},
    {"too many pawns", "E_TOOMANY"},
    {"too many pieces of one kind", "E_TOOMANY"},
    {"too many queens", "E_TOOMANY"},
    {"a pawn on the first or last rank", "E_PAWNRANK"},
    {"the kings stand next to each other", "E_FENKINGSNEAR"},
    {"no side to move", "E_FENNOSIDE"},
    {"the side not to move is in check", "E_CHECK"},
};
}  // namespace

QString fenRefusalText(const std::string& problema) {
  QString dettaglio = QString::fromStdString(problema);
  for (const MotivoNoto& m : motivinoti)
    if (problema == m.problema && !testo(m.chiave).empty()) dettaglio = t(m.chiave);
  return t("E_FENREFUSED") + " " + dettaglio;
}

Teditfen::Teditfen(QWidget* parent) : QDialog(parent) {
  setObjectName("editfen");
  setWindowTitle(QString::fromUtf8("Edita FEN"));
  setFixedSize(LARGHEZZA, ALTEZZA);
  setModal(true);

  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");
  Edit1->setGeometry(6, 4, 525, 23);
  Edit1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

  BitBtn1 = new QPushButton(t("P_DIALOGOK"), this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setGeometry(109, 40, 75, 25);
  BitBtn1->setDefault(true);
  BitBtn2 = new QPushButton(t("P_DIALOGCANCEL"), this);
  BitBtn2->setObjectName("BitBtn2");
  BitBtn2->setGeometry(353, 40, 75, 25);
  connect(BitBtn1, &QPushButton::clicked, this, &Teditfen::accept);
  connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

  motivo = new QLabel(this);
  motivo->setObjectName("motivo");
  motivo->setGeometry(6, ALTEZZA - 2, LARGHEZZA - 12, ALTEZZAMOTIVO - 2);
  QPalette p = motivo->palette();
  p.setColor(QPalette::WindowText, QColor(255, 0, 0));
  motivo->setPalette(p);
  motivo->hide();
}

QString Teditfen::fen() const { return Edit1->text(); }

void Teditfen::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  FormActivate();
}

void Teditfen::settalingua() {
  setWindowTitle(t("P_FENTITLE"));
  BitBtn1->setText(t("P_DIALOGOK"));
  BitBtn2->setText(t("P_DIALOGCANCEL"));
}

void Teditfen::FormActivate() {
  settalingua();
  mostramotivo(QString());
  Edit1->clear();
  Edit1->setFocus();
}

void Teditfen::mostramotivo(const QString& testo) {
  motivo->setText(testo);
  motivo->setVisible(!testo.isEmpty());
  setFixedSize(LARGHEZZA, testo.isEmpty() ? ALTEZZA : ALTEZZA + ALTEZZAMOTIVO);
}

void Teditfen::accept() {
  // A board without both kings, or with the side not to move in check,
  // would leave the engine a position it cannot search.
  const std::string problema = positionProblem(fen().toStdString());
  if (!problema.empty()) {
    mostramotivo(fenRefusalText(problema));
    Edit1->setFocus();
    Edit1->selectAll();
    return;
  }
  QDialog::accept();
}
