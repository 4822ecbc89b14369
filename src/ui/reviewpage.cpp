#include "ui/reviewpage.h"

#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "game/review.h"
#include "settings/language.h"

namespace {
QString t(const char* key) { return QString::fromUtf8(testo(key)); }
constexpr double MS_PER_SECOND = 1000.0;
}  // namespace

ReviewPage::ReviewPage(QWidget* parent) : QWidget(parent) {
  setObjectName("review");
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(4, 2, 4, 2);
  v->setSpacing(3);
  title_ = new QLabel(this);
  title_->setObjectName("reviewTitle");
  QFont bold = title_->font();
  bold.setBold(true);
  title_->setFont(bold);
  v->addWidget(title_);
  auto* row = new QHBoxLayout;
  timeLabel_ = new QLabel(this);
  time_ = new QDoubleSpinBox(this);
  time_->setObjectName("reviewTime");
  time_->setDecimals(1);
  time_->setSingleStep(0.1);
  time_->setRange(REVIEW_SHORTEST_MS / MS_PER_SECOND, REVIEW_LONGEST_MS / MS_PER_SECOND);
  time_->setValue(REVIEW_TIME_MS / MS_PER_SECOND);
  row->addWidget(timeLabel_, 1);
  row->addWidget(time_);
  v->addLayout(row);
  auto* buttons = new QHBoxLayout;
  start_ = new QPushButton(this);
  start_->setObjectName("reviewStart");
  stop_ = new QPushButton(this);
  stop_->setObjectName("reviewStop");
  stop_->setEnabled(false);
  progress_ = new QProgressBar(this);
  progress_->setObjectName("reviewProgress");
  progress_->setRange(0, 1);
  progress_->setValue(0);
  // The buttons and the progress share a row: the side pages are short
  // beside a tall move list.
  buttons->addWidget(start_);
  buttons->addWidget(stop_);
  buttons->addWidget(progress_, 1);
  v->addLayout(buttons);
  summary_ = new QLabel(this);
  summary_->setObjectName("reviewSummary");
  summary_->setWordWrap(true);
  summary_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // The page's room below the buttons is the summary's: a stretch under a
  // wrapped label would leave it a single line.
  v->addWidget(summary_, 1);
  connect(start_, &QPushButton::clicked, this, [this] { emit startWanted(moveTimeMs()); });
  connect(stop_, &QPushButton::clicked, this, [this] { emit stopWanted(); });
  settalingua();
}

void ReviewPage::settalingua() {
  title_->setText(t("P_REVIEW"));
  timeLabel_->setText(t("P_REVIEWTIME"));
  start_->setText(t("P_REVIEWSTART"));
  stop_->setText(t("P_REVIEWSTOP"));
}

int ReviewPage::moveTimeMs() const { return static_cast<int>(std::lround(time_->value() * MS_PER_SECOND)); }

void ReviewPage::setMoveTimeMs(int ms) { time_->setValue(ms / MS_PER_SECOND); }

void ReviewPage::setRunning(bool running) {
  start_->setEnabled(!running);
  stop_->setEnabled(running);
  time_->setEnabled(!running);
}

void ReviewPage::setProgress(int done, int total) {
  progress_->setRange(0, std::max(total, 1));
  progress_->setValue(done);
}

void ReviewPage::setSummary(const QString& text) { summary_->setText(text); }

QString ReviewPage::summary() const { return summary_->text(); }
