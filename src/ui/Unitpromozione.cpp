#include "ui/Unitpromozione.h"

#include <QButtonGroup>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>

#include "settings/language.h"

Promotion sceltapromozione = Promotion::queen;

namespace {

// A piece picture from the chess figures of the font: the solid figure in
// the piece's colour, and for White the outlined figure over it in black, so
// that both colours read on the button's face.
QPainterPath sagoma(QChar simbolo, int lato) {
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPixelSize(lato * 9 / 10);
  QPainterPath forma;
  forma.addText(0, 0, f, QString(simbolo));
  forma.setFillRule(Qt::WindingFill);
  return forma;
}

QPixmap figura(QChar piena, QChar vuota, bool bianco, int lato) {
  QPixmap pm(lato, lato);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath corpo = sagoma(piena, lato);
  QPainterPath bordo = sagoma(vuota, lato);
  const QRectF r = corpo.boundingRect();
  const QPointF spostamento((lato - r.width()) / 2 - r.left(), (lato - r.height()) / 2 - r.top());
  corpo.translate(spostamento);
  bordo.translate(spostamento);
  p.setPen(Qt::NoPen);
  p.setBrush(bianco ? QColor(255, 255, 255) : QColor(0, 0, 0));
  p.drawPath(corpo);
  if (bianco) {
    p.setBrush(QColor(0, 0, 0));
    p.drawPath(bordo);
  }
  return pm;
}

}  // namespace

Tpromozione::Tpromozione(QWidget* parent) : QDialog(parent) {
  setObjectName("promozione");
  setWindowTitle(QString::fromUtf8("proomosso a "));
  setFixedSize(255, 263);
  setModal(true);

  gruppo_ = new QButtonGroup(this);
  gruppo_->setExclusive(true);
  auto bottone = [this](const char* nome, int x, int y) {
    auto* b = new QToolButton(this);
    b->setObjectName(nome);
    b->setGeometry(x, y, 77, 81);
    b->setCheckable(true);
    b->setIconSize(QSize(64, 64));
    gruppo_->addButton(b);
    return b;
  };
  SpeedButton1 = bottone("SpeedButton1", 36, 24);
  SpeedButton2 = bottone("SpeedButton2", 132, 24);
  SpeedButton3 = bottone("SpeedButton3", 36, 116);
  SpeedButton4 = bottone("SpeedButton4", 132, 116);
  SpeedButton1->setChecked(true);
  connect(SpeedButton1, &QToolButton::clicked, this, &Tpromozione::SpeedButton1Click);
  connect(SpeedButton2, &QToolButton::clicked, this, &Tpromozione::SpeedButton2Click);
  connect(SpeedButton3, &QToolButton::clicked, this, &Tpromozione::SpeedButton3Click);
  connect(SpeedButton4, &QToolButton::clicked, this, &Tpromozione::SpeedButton4Click);

  BitBtn1 = new QPushButton(QString::fromUtf8(testo("P_DIALOGOK")), this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setGeometry(40, 216, 169, 25);
  BitBtn1->setDefault(true);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
  disegnapezzi();
}

void Tpromozione::impostacolore(bool bianco) {
  if (bianco == bianco_) return;
  bianco_ = bianco;
  disegnapezzi();
}

void Tpromozione::disegnapezzi() {
  // Queen, rook, knight, bishop: the figures of the four buttons in order,
  // solid and outlined.
  const QChar piene[4] = {QChar(0x265B), QChar(0x265C), QChar(0x265E), QChar(0x265D)};
  const QChar vuote[4] = {QChar(0x2655), QChar(0x2656), QChar(0x2658), QChar(0x2657)};
  QToolButton* bottoni[4] = {SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4};
  for (int i = 0; i < 4; ++i) bottoni[i]->setIcon(QIcon(figura(piene[i], vuote[i], bianco_, 64)));
}

void Tpromozione::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  FormActivate();
}

void Tpromozione::settalingua() {
  setWindowTitle(QString::fromUtf8(testo("P_PROMOTE")));
  BitBtn1->setText(QString::fromUtf8(testo("P_DIALOGOK")));
}

void Tpromozione::FormActivate() {
  settalingua();
  sceltapromozione = Promotion::queen;
  // The buttons show the choice the dialog starts from.
  SpeedButton1->setChecked(true);
  BitBtn1->setFocus();
}

void Tpromozione::SpeedButton1Click() { sceltapromozione = Promotion::queen; }
void Tpromozione::SpeedButton2Click() { sceltapromozione = Promotion::rook; }
void Tpromozione::SpeedButton3Click() { sceltapromozione = Promotion::knight; }
void Tpromozione::SpeedButton4Click() { sceltapromozione = Promotion::bishop; }
