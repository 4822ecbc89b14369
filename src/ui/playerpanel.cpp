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
  styleMemo(memo_, calmStyle);
  showAccent();
}

void PlayerPanel::setToMove(bool toMove) {
  toMove_ = toMove;
  showAccent();
}

void PlayerPanel::showAccent() {
  if (style_ != WindowStyle::Calm) {
    accent_->hide();
    return;
  }
  fillBackground(accent_, toMove_ ? calm::ACCENT : calm::PANEL);
  accent_->show();
  QFont f = name_->font();
  f.setWeight(toMove_ ? QFont::Bold : QFont::Normal);
  name_->setFont(f);
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
