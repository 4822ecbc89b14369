// The promotion choice: four piece buttons in one group and OK. Each opening
// starts from the queen; closing the dialog in any way keeps the choice shown.
#pragma once

#include <QDialog>

#include "game/boardtypes.h"

class QButtonGroup;
class QPushButton;
class QToolButton;

// The piece the next promotion makes.
extern Promotion sceltapromozione;

class Tpromozione : public QDialog {
  Q_OBJECT

 public:
  explicit Tpromozione(QWidget* parent = nullptr);

  // The colour of the pieces pictured (the side that promotes); set before
  // the dialog opens.
  void impostacolore(bool bianco);

  // Applies the title and the button text of the current language; done at
  // every opening, and whenever the window applies a new language.
  void settalingua();

  QToolButton* SpeedButton1;  // queen
  QToolButton* SpeedButton2;  // rook
  QToolButton* SpeedButton3;  // knight
  QToolButton* SpeedButton4;  // bishop
  QPushButton* BitBtn1;       // OK

  void SpeedButton1Click();
  void SpeedButton2Click();
  void SpeedButton3Click();
  void SpeedButton4Click();

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void FormActivate();
  void disegnapezzi();

  QButtonGroup* gruppo_;
  bool bianco_ = true;
};
