// The look the user chose: the piece set, the window's style and the
// Staunton set's effects, kept in the preferences ("look/pieceSet",
// "look/style", "look/shadows", "look/reflection", "look/specular"). A new
// installation has the classic set and style, the program's own look.
#pragma once

#include <QObject>
#include <QString>

#include "graphics/core/lookeffects.h"
#include "graphics/core/pieceset.h"

enum class WindowStyle { Classic, Calm };

struct Look {
  PieceSet pieces = PieceSet::Classic;
  WindowStyle style = WindowStyle::Classic;
  LookEffects effects;
};

// The look in the preferences, and storing one there.
Look savedLook();
void saveLook(const Look& look);

// The look in force: the scene's set and effects, and the window's style.
Look currentLook();
WindowStyle windowStyle();
// Makes a look the one in force (the scene's globals and the style) and
// tells whoever listens; the meshes are not rebuilt here.
void useLook(const Look& look);

// A caption of the look's choices: the language table's text for the key.
QString lookCaption(const char* key);

// Tells that the look in force has changed (the window restyles itself and
// rebuilds the pieces).
class LookNotice : public QObject {
  Q_OBJECT

 public:
  static LookNotice& instance();

 signals:
  void changed();
};
