// The game-over notice: one message, an OK button, and a watch on its own
// position so that the board under a dragged notice is repainted. Its frame
// has a title and a close button only.
#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QTimer;

class Tresultform : public QDialog {
  Q_OBJECT

 public:
  explicit Tresultform(QWidget* parent = nullptr);

  // The window flags of the notice: a dialog with title and close only.
  static const Qt::WindowFlags BORDI;

  // Called when the notice has moved (a forced redraw of the board).
  void impostaridisegno(std::function<void()> ridisegna) { ridisegna_ = std::move(ridisegna); }

  // Applies the title and the button text of the current language; done at
  // every opening, and whenever the window applies a new language.
  void settalingua();

  QLabel* Label1;
  QPushButton* BitBtn1;
  QTimer* Timer1;

  // How many times the notice has been shown since creation.
  int aperture() const { return aperture_; }

 protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private:
  void FormActivate();
  void Timer1Timer();
  void FormClose();

  std::function<void()> ridisegna_;
  long long posizione_ = 0;  // left * top at the last check
  int aperture_ = 0;
};
