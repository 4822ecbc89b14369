#include "ui/playerpanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "ui/indicatore.h"
#include "ui/widgetstyle.h"

namespace {
constexpr int FRAMEWIDTH = 183;
constexpr int NAMEPIXELS = 16;
}  // namespace

PlayerPanel::PlayerPanel(const Names& names, const QColor& textColour, QWidget* parent) : QWidget(parent) {
  setObjectName(names.panel);
  setMinimumHeight(40);
  fillBackground(this, QColor(128, 128, 128));
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(2);
  frame_ = new Cornice(this);
  frame_->setObjectName(names.frame);
  frame_->setFixedWidth(FRAMEWIDTH);
  auto* inside = new QVBoxLayout(frame_);
  inside->setContentsMargins(4, 4, 4, 4);
  inside->setSpacing(0);
  name_ = new QLabel(frame_);
  name_->setObjectName(names.name);
  clock_ = new QLabel(frame_);
  clock_->setObjectName(names.clock);
  for (QLabel* l : {name_, clock_}) {
    l->setFont(arialFont(NAMEPIXELS, true));
    l->setAlignment(Qt::AlignCenter);
    setTextColour(l, textColour);
    inside->addWidget(l);
  }
  row->addWidget(frame_);
  material_ = new QLabel(this);
  material_->setObjectName(QString::fromUtf8(names.panel) + QStringLiteral("Material"));
  material_->setFont(arialFont(NAMEPIXELS, false));
  material_->setMinimumWidth(NAMEPIXELS);
  row->addWidget(material_);
  memo_ = makeMemo(this, names.memo);
  row->addWidget(memo_, 1);
}

void PlayerPanel::setToMove(bool toMove) {
  if (toMove == toMove_) return;
  toMove_ = toMove;
  // The side to move's name is underlined: it reads in either colour.
  QFont f = name_->font();
  f.setUnderline(toMove);
  name_->setFont(f);
}
