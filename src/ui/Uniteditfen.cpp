#include "ui/Uniteditfen.h"

#include <QFont>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

#include "engine/position/fen.h"

namespace {
constexpr int LARGHEZZA = 537;
constexpr int ALTEZZA = 72;
constexpr int ALTEZZAMOTIVO = 22;
}  // namespace

Teditfen::Teditfen(QWidget* parent) : QDialog(parent) {
  setObjectName("editfen");
  setWindowTitle(QString::fromUtf8("Edita FEN"));
  setFixedSize(LARGHEZZA, ALTEZZA);
  setModal(true);

  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");
  Edit1->setGeometry(6, 4, 525, 23);
  Edit1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

  BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setGeometry(109, 40, 75, 25);
  BitBtn1->setDefault(true);
  BitBtn2 = new QPushButton(QStringLiteral("Cancel"), this);
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

void Teditfen::FormActivate() {
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
  const std::string problema = fenProblem(fen().toStdString());
  if (!problema.empty()) {
    mostramotivo(QString::fromUtf8("FEN: ") + QString::fromStdString(problema));
    Edit1->setFocus();
    Edit1->selectAll();
    return;
  }
  QDialog::accept();
}
