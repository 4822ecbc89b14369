// The engine's strength in the player menus: a submenu of the levels for
// each side, its check mark on the side's level, and the levels kept with
// the preferences.
#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include "game/gamecontroller.h"
#include "settings/language.h"
#include "ui/main.h"
#include "ui/preferences.h"

namespace {

constexpr const char* WHITE_LEVEL = "players/whiteLevel";
constexpr const char* BLACK_LEVEL = "players/blackLevel";

int side(bool white) { return white ? 0 : 1; }

}  // namespace

void TZefiran_3D::createLevelMenus() {
  for (const bool white : {true, false}) {
    QMenu* player = white ? GiocatoreBianco1 : Nero1;
    player->addSeparator();
    QMenu* menu = player->addMenu(QString());
    menu->setObjectName(white ? "whiteLevel" : "blackLevel");
    levelMenus_[side(white)] = menu;
    auto* group = new QActionGroup(menu);
    // The strongest first, as the list of a rating.
    for (int level = GameController::fullLevel(); level >= 0; --level) {
      QAction* item = menu->addAction(QString());
      item->setObjectName(QStringLiteral("%1Level%2").arg(white ? "white" : "black").arg(level));
      item->setCheckable(true);
      item->setData(level);
      item->setActionGroup(group);
      connect(item, &QAction::triggered, this, [white, level] { controllore().setEngineLevel(white, level); });
      levelItems_[side(white)].push_back(item);
    }
  }
  showLevels();
}

void TZefiran_3D::relabelLevelMenus() {
  const QString title = QString::fromUtf8(testo("M_LEVEL"));
  for (const bool white : {true, false}) {
    levelMenus_[side(white)]->setTitle(title);
    for (QAction* item : levelItems_[side(white)]) {
      const int level = item->data().toInt();
      const QString rating = QString::fromUtf8(testo("P_LEVELRATING")).arg(GameController::levelElo(level));
      item->setText(QString::fromUtf8(GameController::levelName(level)) + QStringLiteral(" (") + rating +
                    QStringLiteral(")"));
    }
  }
}

void TZefiran_3D::showLevels() {
  for (const bool white : {true, false})
    for (QAction* item : levelItems_[side(white)])
      item->setChecked(item->data().toInt() == controllore().engineLevel(white));
}

void TZefiran_3D::loadLevelPreferences() {
  const Preferences& p = Preferences::instance();
  for (const bool white : {true, false}) {
    const int full = GameController::fullLevel();
    const int level = p.number(QString::fromUtf8(white ? WHITE_LEVEL : BLACK_LEVEL), full);
    controllore().setEngineLevel(white, level);
  }
  showLevels();
}

void TZefiran_3D::saveLevelPreferences() {
  Preferences& p = Preferences::instance();
  p.setValue(QString::fromUtf8(WHITE_LEVEL), controllore().engineLevel(true));
  p.setValue(QString::fromUtf8(BLACK_LEVEL), controllore().engineLevel(false));
}
