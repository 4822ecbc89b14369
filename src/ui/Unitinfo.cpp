#include "ui/Unitinfo.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>

#include "game/gamecontroller.h"
#include "graphics/core/scene.h"
#include "settings/language.h"
#include "settings/manageini.h"
#include "text/Textrout.h"
#include "ui/windowstate.h"

namespace {

QString t(const char* chiave) { return QString::fromUtf8(testo(chiave)); }

QFont arial(int pixel) {
  QFont f(QStringLiteral("Arial"));
  f.setPixelSize(pixel);
  f.setBold(true);
  return f;
}

// The box's picture: a knight on a square of the board.
QPixmap immagine() {
  QPixmap pm(32, 32);
  pm.fill(QColor(0, 128, 0));
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(2, 2, 28, 28, QColor(240, 220, 160));
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPixelSize(26);
  QPainterPath forma;
  forma.addText(0, 0, f, QString(QChar(0x265E)));
  const QRectF r = forma.boundingRect();
  forma.translate((32 - r.width()) / 2 - r.left(), (32 - r.height()) / 2 - r.top());
  p.setPen(QPen(QColor(255, 255, 255), 1.0));
  p.setBrush(QColor(0, 0, 0));
  p.drawPath(forma);
  return pm;
}

}  // namespace

RigheInfo infoLines() {
  RigheInfo r;
  r.Label1 = QString::fromUtf8("Zefiran_3D 0.92 ") + QString::fromUtf8(VERSIONSUFFIX);
  r.Label5 = t("P_INFOFACES") + " :  = " + QString::number(facce);
  r.Label4 = t("P_INFOHASH") + " :  = " + QString::number(hashKilobytes()) + " kb";
  r.Label3 = t("P_LANGUAGEMODULE") + " " + QString::fromStdString(nomelingua) + " " + t("P_LANGUAGEBY") + " " +
             t("P_LANGUAGEAUTHOR");
  const std::string aiuto = testo("P_LANGUAGEHELP");
  r.Label6 =
      trimspazi(aiuto).empty() ? QStringLiteral(" ") : t("P_LANGUAGETHANX") + ": " + QString::fromStdString(aiuto);
  return r;
}

TInfo::TInfo(QWidget* parent) : QDialog(parent) {
  setObjectName("info");
  setWindowTitle(QStringLiteral("Info"));
  setFixedSize(476, 293);
  setModal(true);

  Image1 = new QLabel(this);
  Image1->setObjectName("Image1");
  Image1->setGeometry(8, 40, 32, 32);
  Image1->setPixmap(immagine());

  auto etichetta = [this](const char* nome, int x, int y, int w, int h, int pixel, bool centrata) {
    auto* l = new QLabel(this);
    l->setObjectName(nome);
    l->setGeometry(x, y, w, h);
    l->setFont(arial(pixel));
    if (centrata) l->setAlignment(Qt::AlignCenter);
    return l;
  };
  Label1 = etichetta("Label1", 64, 32, 393, 19, 16, false);
  Label2 = etichetta("Label2", 64, 64, 393, 19, 13, false);
  Label2->setFont(QFont());
  Label2->setText(t("P_INFOCREDIT"));
  Label4 = etichetta("Label4", 16, 112, 441, 19, 13, true);
  Label5 = etichetta("Label5", 16, 136, 441, 19, 13, true);
  Label3 = etichetta("Label3", 16, 176, 441, 19, 13, true);
  Label6 = etichetta("Label6", 16, 200, 441, 19, 13, true);

  Bevel1 = new QFrame(this);
  Bevel1->setObjectName("Bevel1");
  Bevel1->setGeometry(16, 232, 449, 2);
  Bevel1->setFrameShape(QFrame::HLine);
  Bevel1->setFrameShadow(QFrame::Sunken);

  BitBtn1 = new QPushButton(t("P_DIALOGOK"), this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setGeometry(160, 248, 169, 25);
  BitBtn1->setDefault(true);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

  Label1->setText(infoLines().Label1);
}

void TInfo::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  FormActivate();
}

void TInfo::settalingua() {
  setWindowTitle(t("P_INFOTITLE"));
  Label2->setText(t("P_INFOCREDIT"));
  BitBtn1->setText(t("P_DIALOGOK"));
}

void TInfo::FormActivate() {
  settalingua();
  const RigheInfo r = infoLines();
  Label5->setText(r.Label5);
  Label4->setText(r.Label4);
  Label3->setText(r.Label3);
  Label6->setText(r.Label6);
}
