// The window's look: the View menu's choice of piece set, window style and
// effects, and the style put on the window's parts. The choice is kept in
// the preferences and read when the window opens.
#include <QAction>
#include <QActionGroup>
#include <QFrame>
#include <QLabel>
#include <QMenu>

#include "graphics/core/pieces.h"
#include "graphics/core/scene.h"
#include "graphics/gl/boardview.h"
#include "settings/language.h"
#include "ui/calmstyle.h"
#include "ui/look.h"
#include "ui/main.h"
#include "ui/playerpanel.h"
#include "ui/widgetstyle.h"

namespace {

// A caption from the language file, or the English one when the file has
// no such key.
QString caption(const char* key, const char* english) {
  const std::string t = testo(key);
  return QString::fromUtf8(t.empty() ? english : t.c_str());
}

QAction* choice(QMenu* menu, QActionGroup* group, const char* name, const QString& text) {
  QAction* a = menu->addAction(text);
  a->setObjectName(name);
  a->setCheckable(true);
  if (group) group->addAction(a);
  return a;
}

}  // namespace

void TZefiran_3D::createLookMenu() {
  Visualizza1->addSeparator();
  QMenu* pieces = Visualizza1->addMenu(caption("M_PIECESET", "Pieces"));
  pieces->setObjectName("lookPieces");
  auto* sets = new QActionGroup(this);
  choice(pieces, sets, "pieceSetClassic", caption("M_PIECESCLASSIC", "Classic"));
  choice(pieces, sets, "pieceSetStaunton", caption("M_PIECESSTAUNTON", "Staunton"));
  pieces->addSeparator();
  choice(pieces, nullptr, "effectShadows", caption("M_SHADOWS", "Shadows"));
  choice(pieces, nullptr, "effectReflection", caption("M_REFLECTION", "Reflection in the board"));
  choice(pieces, nullptr, "effectSpecular", caption("M_HIGHLIGHTS", "Highlights"));
  QMenu* styles = Visualizza1->addMenu(caption("M_WINDOWSTYLE", "Window style"));
  styles->setObjectName("lookStyle");
  auto* group = new QActionGroup(this);
  choice(styles, group, "styleClassic", caption("M_STYLECLASSIC", "Classic"));
  choice(styles, group, "styleCalm", caption("M_STYLECALM", "Calm"));

  const auto chosen = [this] {
    Look l;
    const auto on = [this](const char* name) { return findChild<QAction*>(name)->isChecked(); };
    l.pieces = on("pieceSetStaunton") ? PieceSet::Staunton : PieceSet::Classic;
    l.style = on("styleCalm") ? WindowStyle::Calm : WindowStyle::Classic;
    l.effects.shadows = on("effectShadows");
    l.effects.reflection = on("effectReflection");
    l.effects.specular = on("effectSpecular");
    saveLook(l);
    useLook(l);
  };
  for (QAction* a : pieces->actions() + styles->actions()) connect(a, &QAction::triggered, this, chosen);
  // The settings dialog chooses too; either way the window follows.
  connect(&LookNotice::instance(), &LookNotice::changed, this, &TZefiran_3D::applyLook);
  useLook(savedLook());
}

void TZefiran_3D::applyLook() {
  const Look l = currentLook();
  const auto check = [this](const char* name, bool on) {
    if (QAction* a = findChild<QAction*>(name)) a->setChecked(on);
  };
  check("pieceSetClassic", l.pieces == PieceSet::Classic);
  check("pieceSetStaunton", l.pieces == PieceSet::Staunton);
  check("styleClassic", l.style == WindowStyle::Classic);
  check("styleCalm", l.style == WindowStyle::Calm);
  check("effectShadows", l.effects.shadows);
  check("effectReflection", l.effects.reflection);
  check("effectSpecular", l.effects.specular);
  // The effects belong to the Staunton set's renderer.
  for (const char* name : {"effectShadows", "effectReflection", "effectSpecular"})
    if (QAction* a = findChild<QAction*>(name)) a->setEnabled(l.pieces == PieceSet::Staunton);

  const bool calmStyle = l.style == WindowStyle::Calm;
  for (QWidget* w : {Panel4, Panel5})
    if (auto* panel = qobject_cast<PlayerPanel*>(w)) panel->setStyle(l.style);
  fillBackground(Panel7, calmStyle ? calm::PANEL : QColor(0, 128, 0));
  fillBackground(Panel8, calmStyle ? calm::PANEL : QColor(128, 128, 128));
  setTextColour(Panel8, calmStyle ? calm::MUTED : QColor(255, 255, 0));
  Panel8->setFont(calmStyle ? calm::textFont(calm::STATUS_PIXELS, false) : arialFont(9, false));
  PaintBox1->setFont(calmStyle ? calm::textFont(calm::GRID_PIXELS, false) : arialFont(13, false));
  Panel11->setFont(calmStyle ? calm::textFont(calm::STATUS_PIXELS, true) : arialFont(12, true));
  setTextColour(Panel11, calmStyle ? calm::ALERT : QColor(255, 0, 0));
  sistemagriglia(1);

  costruiscipezzi();
  ridisegna = 1;
  Panel1->disegnascena(true);
}
