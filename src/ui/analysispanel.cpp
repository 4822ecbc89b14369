#include "ui/analysispanel.h"

#include <QLabel>
#include <QVBoxLayout>

#include "game/coachscore.h"
#include "game/coachsearch.h"
#include "settings/language.h"

namespace {
QString t(const char* key) { return QString::fromUtf8(testo(key)); }
}  // namespace

AnalysisPanel::AnalysisPanel(QWidget* parent) : QFrame(parent) {
  setObjectName("analysisPanel");
  setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(4, 2, 4, 4);
  v->setSpacing(1);
  title_ = new QLabel(this);
  title_->setObjectName("analysisTitle");
  QFont bold = title_->font();
  bold.setBold(true);
  title_->setFont(bold);
  score_ = new QLabel(this);
  score_->setObjectName("analysisScore");
  line_ = new QLabel(this);
  line_->setObjectName("analysisLine");
  line_->setWordWrap(true);
  line_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  line_->setMinimumHeight(line_->fontMetrics().lineSpacing() * 3);
  line_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  v->addWidget(title_);
  v->addWidget(score_);
  v->addWidget(line_);
  settalingua();
}

void AnalysisPanel::settalingua() { title_->setText(t("P_ANALYSIS")); }

void AnalysisPanel::showReport(const SearchReport* r) {
  if (!r) {
    score_->setText(QStringLiteral("..."));
    line_->clear();
    return;
  }
  score_->setText(
      t("P_DEPTH") +
      QStringLiteral(" %1   %2").arg(r->depth).arg(QString::fromStdString(pawnsText(r->score, r->whiteToMove))));
  line_->setText(QString::fromStdString(r->line));
}

QString AnalysisPanel::scoreText() const { return score_->text(); }
QString AnalysisPanel::lineText() const { return line_->text(); }
