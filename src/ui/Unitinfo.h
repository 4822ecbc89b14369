// The information box: the program's name and version, the size of the
// last frame and of the transposition table, and the language module with
// its author and helpers.
#pragma once

#include <QDialog>
#include <QString>

class QFrame;
class QLabel;
class QPushButton;

// The label texts as they stand now (the last frame's quad count, the
// table's entries, the language in use).
struct RigheInfo {
  QString Label1, Label4, Label5, Label3, Label6;
};
RigheInfo infoLines();

class TInfo : public QDialog {
  Q_OBJECT

 public:
  explicit TInfo(QWidget* parent = nullptr);

  QLabel* Image1;
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label4;
  QLabel* Label5;
  QLabel* Label3;
  QLabel* Label6;
  QFrame* Bevel1;
  QPushButton* BitBtn1;

  // Applies the title, the credit line and the button text of the current
  // language; done at every opening (with the lines that are composed then),
  // and whenever the window applies a new language.
  void settalingua();

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void FormActivate();
};
