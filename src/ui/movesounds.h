// The board's sounds: a move, a capture, check and the end of the game,
// played from the WAV files in the program's "sounds" folder. Without a
// sound device (or the files) nothing is heard and nothing is reported.
#pragma once

#include <QString>
#include <memory>

class QSoundEffect;

class MoveSounds {
 public:
  enum Kind { move = 0, capture, check, end, kinds };
  // The sounds of the files in folder (move.wav, capture.wav, check.wav,
  // end.wav).
  explicit MoveSounds(const QString& folder);
  ~MoveSounds();
  void setEnabled(bool on) { enabled_ = on; }
  bool enabled() const { return enabled_; }
  void play(Kind kind);
  // How many sounds were asked for while enabled (tests).
  int played() const { return played_; }

 private:
  std::unique_ptr<QSoundEffect> effects_[kinds];
  bool enabled_ = false;
  int played_ = 0;
};
