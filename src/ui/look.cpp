#include "ui/look.h"

#include <QString>

#include "settings/language.h"
#include "ui/preferences.h"

namespace {

WindowStyle style_ = WindowStyle::Classic;

const QString PIECES = QStringLiteral("look/pieceSet");
const QString STYLE = QStringLiteral("look/style");
const QString SHADOWS = QStringLiteral("look/shadows");
const QString REFLECTION = QStringLiteral("look/reflection");
const QString SPECULAR = QStringLiteral("look/specular");

const QString STAUNTON = QStringLiteral("staunton");
const QString CLASSIC = QStringLiteral("classic");
const QString CALM = QStringLiteral("calm");

}  // namespace

Look savedLook() {
  const Preferences& p = Preferences::instance();
  Look l;
  // Anything but the names written below keeps the classic look.
  l.pieces = p.value(PIECES).toString() == STAUNTON ? PieceSet::Staunton : PieceSet::Classic;
  l.style = p.value(STYLE).toString() == CALM ? WindowStyle::Calm : WindowStyle::Classic;
  const LookEffects defaults;
  l.effects.shadows = p.flag(SHADOWS, defaults.shadows);
  l.effects.reflection = p.flag(REFLECTION, defaults.reflection);
  l.effects.specular = p.flag(SPECULAR, defaults.specular);
  return l;
}

void saveLook(const Look& l) {
  Preferences& p = Preferences::instance();
  p.setValue(PIECES, l.pieces == PieceSet::Staunton ? STAUNTON : CLASSIC);
  p.setValue(STYLE, l.style == WindowStyle::Calm ? CALM : CLASSIC);
  p.setValue(SHADOWS, l.effects.shadows);
  p.setValue(REFLECTION, l.effects.reflection);
  p.setValue(SPECULAR, l.effects.specular);
}

Look currentLook() { return {pieceSet, style_, lookEffects}; }

WindowStyle windowStyle() { return style_; }

void useLook(const Look& l) {
  pieceSet = l.pieces;
  lookEffects = l.effects;
  style_ = l.style;
  emit LookNotice::instance().changed();
}

LookNotice& LookNotice::instance() {
  static LookNotice notice;
  return notice;
}

QString lookCaption(const char* key) { return QString::fromStdString(testo(key)); }
