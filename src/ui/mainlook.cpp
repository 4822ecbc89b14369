// The window's look: the View menu's choice of piece set, window style and
// effects, and the style put on the window's parts. The choice is kept in
// the preferences and read when the window opens.
#include <QAction>
#include <QActionGroup>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <utility>

#include "graphics/core/pieces.h"
#include "graphics/core/scene.h"
#include "graphics/gl/boardview.h"
#include "ui/calmstyle.h"
#include "ui/look.h"
#include "ui/main.h"
#include "ui/playerpanel.h"
#include "ui/widgetstyle.h"

namespace {

QAction* choice(QMenu* menu, QActionGroup* group, const char* name) {
  QAction* a = menu->addAction(QString());
  a->setObjectName(name);
  a->setCheckable(true);
  if (group) group->addAction(a);
  return a;
}

}  // namespace

void TZefiran_3D::createLookMenu() {
  Visualizza1->addSeparator();
  QMenu* pieces = Visualizza1->addMenu(QString());  // captioned by relabelLookMenu
  pieces->setObjectName("lookPieces");
  auto* sets = new QActionGroup(this);
  choice(pieces, sets, "pieceSetClassic");
  choice(pieces, sets, "pieceSetStaunton");
  pieces->addSeparator();
  choice(pieces, nullptr, "effectShadows");
  choice(pieces, nullptr, "effectReflection");
  choice(pieces, nullptr, "effectSpecular");
  QMenu* styles = Visualizza1->addMenu(QString());  // captioned by relabelLookMenu
  styles->setObjectName("lookStyle");
  auto* group = new QActionGroup(this);
  choice(styles, group, "styleClassic");
  choice(styles, group, "styleCalm");
  relabelLookMenu();

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

void TZefiran_3D::relabelLookMenu() {
  const std::pair<const char*, const char*> captions[] = {{"pieceSetClassic", "M_PIECESCLASSIC"},
                                                          {"pieceSetStaunton", "M_PIECESSTAUNTON"},
                                                          {"effectShadows", "M_SHADOWS"},
                                                          {"effectReflection", "M_REFLECTION"},
                                                          {"effectSpecular", "M_HIGHLIGHTS"},
                                                          {"styleClassic", "M_STYLECLASSIC"},
                                                          {"styleCalm", "M_STYLECALM"}};
  for (const auto& [name, key] : captions)
    if (QAction* a = findChild<QAction*>(name)) a->setText(lookCaption(key));
  if (QMenu* m = findChild<QMenu*>("lookPieces")) m->setTitle(lookCaption("M_PIECESET"));
  if (QMenu* m = findChild<QMenu*>("lookStyle")) m->setTitle(lookCaption("M_WINDOWSTYLE"));
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
