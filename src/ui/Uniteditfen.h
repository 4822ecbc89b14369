// The FEN entry: one line of text, OK and Cancel. A text that describes no
// playable position is not taken: the dialog stays open and says why in a
// line under the buttons, so the text can be mended.
#pragma once

#include <QDialog>
#include <QString>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

// The refusal line for a set-up problem (fenProblem's text) in the current
// language: the "refused" caption, then the problem in the language's words
// where it has them, else as the set-up states it.
QString fenRefusalText(const std::string& problema);

class Teditfen : public QDialog {
  Q_OBJECT

 public:
  explicit Teditfen(QWidget* parent = nullptr);

  QLineEdit* Edit1;
  QPushButton* BitBtn1;  // OK
  QPushButton* BitBtn2;  // Cancel
  QLabel* motivo;        // why the text was refused; hidden while there is nothing to say

  // The text as confirmed.
  QString fen() const;

  void accept() override;

  // Applies the title and button texts of the current language; done at
  // every opening, and whenever the window applies a new language.
  void settalingua();

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void FormActivate();
  void mostramotivo(const QString& testo);
};
