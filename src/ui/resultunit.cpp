#include "ui/resultunit.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "settings/language.h"
#include "ui/windowstate.h"

// A notice to read and acknowledge: a title and a close button, nothing to
// minimise it out of sight or blow it up over the board. The customise hint
// keeps the window system from adding its own defaults.
const Qt::WindowFlags Tresultform::BORDI =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

Tresultform::Tresultform(QWidget* parent) : QDialog(parent, BORDI) {
  setObjectName("resultform");
  setWindowTitle(QString::fromUtf8("partita finita"));
  setFixedSize(330, 87);
  setModal(true);

  Label1 = new QLabel(this);
  Label1->setObjectName("Label1");
  Label1->setGeometry(13, 16, 304, 17);
  Label1->setAlignment(Qt::AlignCenter);
  QFont f("Arial");
  f.setPixelSize(16);
  f.setBold(true);
  Label1->setFont(f);

  BitBtn1 = new QPushButton(QString::fromUtf8(testo("P_DIALOGOK")), this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setGeometry(120, 48, 89, 25);
  BitBtn1->setDefault(true);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setInterval(50);
  connect(Timer1, &QTimer::timeout, this, &Tresultform::Timer1Timer);
}

void Tresultform::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  FormActivate();
}

void Tresultform::hideEvent(QHideEvent* e) {
  FormClose();
  QDialog::hideEvent(e);
}

void Tresultform::FormActivate() {
  ++aperture_;
  posizione_ = static_cast<long long>(x()) * y();
  Timer1->start();
  risultatovisibile = 1;
  settalingua();
}

void Tresultform::settalingua() {
  setWindowTitle(QString::fromUtf8(testo("P_GAMEOVER")));
  BitBtn1->setText(QString::fromUtf8(testo("P_DIALOGOK")));
}

void Tresultform::Timer1Timer() {
  const long long ora = static_cast<long long>(x()) * y();
  if (ora == posizione_) return;
  posizione_ = ora;
  if (ridisegna_) ridisegna_();
}

void Tresultform::FormClose() {
  risultatovisibile = 0;
  Timer1->stop();
}
