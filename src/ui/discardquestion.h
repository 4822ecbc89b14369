// The question asked before a game in progress is thrown away (a new game,
// a file opened, a position loaded or set up, leaving the program), with
// "do not ask again", which the preferences remember.
#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

class DiscardQuestion : public QDialog {
  Q_OBJECT

 public:
  explicit DiscardQuestion(QWidget* parent = nullptr);
  // The texts of the current language.
  void settalingua();
  // Asks, unless the preferences say not to: true to go on and throw the
  // game away.
  bool mayDiscard();

  QLabel* question() const { return question_; }
  QCheckBox* doNotAsk() const { return doNotAsk_; }
  QPushButton* discard() const { return discard_; }
  QPushButton* keep() const { return keep_; }

 private:
  QLabel* question_;
  QCheckBox* doNotAsk_;
  QPushButton* discard_;
  QPushButton* keep_;
};

// The preference that turns the question off.
inline constexpr const char* ASK_BEFORE_DISCARD = "game/askBeforeDiscard";
