// The analysis's panel under the side pages: the depth and score of the
// engine's latest finished iteration on the position shown, and its
// expected line in SAN.
#pragma once

#include <QFrame>

class QLabel;
struct SearchReport;

class AnalysisPanel : public QFrame {
  Q_OBJECT

 public:
  explicit AnalysisPanel(QWidget* parent = nullptr);
  // The report to show; null: the analysis has nothing for this position yet.
  void showReport(const SearchReport* report);
  void settalingua();
  QString scoreText() const;
  QString lineText() const;

 private:
  QLabel* title_;
  QLabel* score_;
  QLabel* line_;
};
