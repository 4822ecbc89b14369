// The frame of a player's panel that shows the engine thinking: eight
// segments around the box, in colours that run round it as the phase
// advances.
#pragma once

#include <QColor>
#include <QWidget>

class Cornice : public QWidget {
  Q_OBJECT

 public:
  explicit Cornice(QWidget* parent = nullptr);

  // Colours of the eight segments, each C[(s + phase) mod 8].
  static QColor coloresegmento(int segmento, int fase);

  // Shows the frame at a phase 0..7; spenta() clears it.
  void disegna(int fase);
  void spenta();
  // -1 while no frame is shown.
  int fase() const { return fase_; }

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  int fase_ = -1;
};
