// The review's side page: the time the engine spends on each position,
// the buttons that start and stop the review, its progress and, once it is
// done, how many moves of each side it marked.
#pragma once

#include <QWidget>

class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;

class ReviewPage : public QWidget {
  Q_OBJECT

 public:
  explicit ReviewPage(QWidget* parent = nullptr);
  void settalingua();
  // The time per position the player chose, in milliseconds.
  int moveTimeMs() const;
  void setMoveTimeMs(int ms);
  void setRunning(bool running);
  void setProgress(int done, int total);
  void setSummary(const QString& text);
  QString summary() const;

 signals:
  void startWanted(int moveTimeMs);
  void stopWanted();

 private:
  QLabel* title_;
  QLabel* timeLabel_;
  QDoubleSpinBox* time_;
  QPushButton* start_;
  QPushButton* stop_;
  QProgressBar* progress_;
  QLabel* summary_;
};
