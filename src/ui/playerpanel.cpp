#include "ui/playerpanel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "ui/calmstyle.h"
#include "ui/indicatore.h"
#include "ui/widgetstyle.h"

namespace {
constexpr int FRAMEWIDTH = 183;
constexpr int NAMEPIXELS = 16;
const QColor CLASSIC_PANEL(128, 128, 128);
const QColor TIME_OUT(255, 0, 0);
}  // namespace

PlayerPanel::PlayerPanel(const Names& names, const QColor& textColour, QWidget* parent)
    : QWidget(parent), textColour_(textColour) {
  setObjectName(names.panel);
  setMinimumHeight(40);
  fillBackground(this, CLASSIC_PANEL);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(2);
  accent_ = new QWidget(this);
  accent_->setObjectName(QString::fromUtf8(names.panel) + "ToMove");
  accent_->setFixedWidth(calm::ACCENT_WIDTH);
  accent_->hide();
  row->addWidget(accent_);
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
    l->installEventFilter(this);
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

void PlayerPanel::setStyle(WindowStyle style) {
  style_ = style;
  const bool calmStyle = style == WindowStyle::Calm;
  fillBackground(this, calmStyle ? calm::PANEL : CLASSIC_PANEL);
  name_->setFont(calmStyle ? calm::textFont(calm::NAME_PIXELS, true) : arialFont(NAMEPIXELS, true));
  clock_->setFont(calmStyle ? calm::textFont(calm::CLOCK_PIXELS, false) : arialFont(NAMEPIXELS, true));
  for (QLabel* l : {name_, clock_}) {
    if (calmStyle)
      keepInk(l);
    else
      setTextColour(l, textColour_);
  }
  material_->setFont(calmStyle ? calm::textFont(calm::NAME_PIXELS, false) : arialFont(NAMEPIXELS, false));
  setTextColour(material_, calmStyle ? calm::MUTED : palette().color(QPalette::WindowText));
  styleMemo(memo_, calmStyle);
  showToMove();
}

void PlayerPanel::setToMove(bool toMove) {
  if (toMove == toMove_) return;
  toMove_ = toMove;
  showToMove();
}

void PlayerPanel::showToMove() {
  // The side to move's name is underlined: it reads in either colour and
  // either style; the calm style adds its amber bar.
  QFont f = name_->font();
  f.setUnderline(toMove_);
  name_->setFont(f);
  if (style_ != WindowStyle::Calm) {
    accent_->hide();
    return;
  }
  fillBackground(accent_, toMove_ ? calm::ACCENT : calm::PANEL);
  accent_->show();
}

void PlayerPanel::keepInk(QLabel* l) {
  // The window paints White's clock white and Black's black, which the
  // calm panel would hide; only the run-out red is kept.
  const QColor now = l->palette().color(QPalette::WindowText);
  const QColor wanted = now == TIME_OUT ? TIME_OUT : calm::INK;
  if (now != wanted) setTextColour(l, wanted);
}

bool PlayerPanel::eventFilter(QObject* o, QEvent* e) {
  if (style_ == WindowStyle::Calm && e->type() == QEvent::PaletteChange && (o == name_ || o == clock_))
    keepInk(static_cast<QLabel*>(o));
  return QWidget::eventFilter(o, e);
}
