#include "ui/discardquestion.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/language.h"
#include "ui/preferences.h"

namespace {
QString t(const char* key) { return QString::fromUtf8(testo(key)); }
}  // namespace

DiscardQuestion::DiscardQuestion(QWidget* parent) : QDialog(parent) {
  setObjectName("discardQuestion");
  setModal(true);
  auto* column = new QVBoxLayout(this);
  question_ = new QLabel(this);
  question_->setWordWrap(true);
  column->addWidget(question_);
  doNotAsk_ = new QCheckBox(this);
  doNotAsk_->setObjectName("doNotAsk");
  column->addWidget(doNotAsk_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  discard_ = new QPushButton(this);
  discard_->setObjectName("discardGame");
  keep_ = new QPushButton(this);
  keep_->setObjectName("keepGame");
  // Keeping the game is what Enter and Escape do: nothing is lost by mistake.
  keep_->setDefault(true);
  buttons->addWidget(discard_);
  buttons->addWidget(keep_);
  column->addLayout(buttons);
  connect(discard_, &QPushButton::clicked, this, &QDialog::accept);
  connect(keep_, &QPushButton::clicked, this, &QDialog::reject);
  settalingua();
}

void DiscardQuestion::settalingua() {
  setWindowTitle(t("P_DISCARDTITLE"));
  question_->setText(t("P_DISCARDQUESTION"));
  doNotAsk_->setText(t("P_DONOTASK"));
  discard_->setText(t("P_DISCARD"));
  keep_->setText(t("P_KEEPGAME"));
}

bool DiscardQuestion::mayDiscard() {
  Preferences& p = Preferences::instance();
  if (!p.flag(ASK_BEFORE_DISCARD, true)) return true;
  doNotAsk_->setChecked(false);
  keep_->setFocus();
  const bool discard = exec() == QDialog::Accepted;
  // Not asking again is remembered only for a game thrown away on purpose.
  if (discard && doNotAsk_->isChecked()) p.setValue(ASK_BEFORE_DISCARD, false);
  return discard;
}
