#include "ui/movesounds.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

MoveSounds::MoveSounds(const QString& folder) {
  const char* names[kinds] = {"move.wav", "capture.wav", "check.wav", "end.wav"};
  for (int k = 0; k < kinds; ++k) {
    const QString path = folder + QStringLiteral("/") + QString::fromUtf8(names[k]);
    if (!QFileInfo::exists(path)) continue;
    effects_[k] = std::make_unique<QSoundEffect>();
    effects_[k]->setSource(QUrl::fromLocalFile(path));
    effects_[k]->setVolume(0.6f);
  }
}

MoveSounds::~MoveSounds() = default;

void MoveSounds::play(Kind kind) {
  if (!enabled_ || kind < 0 || kind >= kinds) return;
  ++played_;
  if (effects_[kind]) effects_[kind]->play();
}
