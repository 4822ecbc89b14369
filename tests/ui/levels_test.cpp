// The engine's strength in the player menus: the levels named in the
// language (and renamed with it), the one chosen reaching the game and
// checked, and kept for the next start.
#include <QAction>
#include <QMenu>
#include <string>

#include "game/gamecontroller.h"
#include "uifixture.h"

namespace {

using zeftest::component;
using zeftest::t;
using zeftest::WindowTest;

using Levels = WindowTest;

// The menu item of a side's level, by its object name.
QAction* levelItem(QMainWindow& f, bool white, int level) {
  const std::string name = std::string(white ? "white" : "black") + "Level" + std::to_string(level);
  return component<QAction>(f, name.c_str());
}

TEST_F(Levels, AChosenLevelReachesTheGameAndSurvivesARestart) {
  {
    TZefiran_3D& f = openWindow();
    EXPECT_EQ(component<QMenu>(f, "blackLevel")->title(), t("M_LEVEL"));
    EXPECT_TRUE(levelItem(f, false, GameController::fullLevel())->isChecked());
    QAction* novice = levelItem(f, false, 1);
    EXPECT_TRUE(novice->text().startsWith(t("P_LEVELNOVICE"))) << novice->text().toStdString();
    novice->trigger();
    EXPECT_EQ(controllore().engineLevel(false), 1);
    EXPECT_EQ(controllore().engineLevel(true), GameController::fullLevel());
    EXPECT_FALSE(levelItem(f, false, GameController::fullLevel())->isChecked());
    // A level set by the game itself shows in the menu too.
    controllore().setEngineLevel(true, 0);
    EXPECT_TRUE(levelItem(f, true, 0)->isChecked());
    f.close();
    Preferences::useFile(QString::fromStdString(folder.file("preferences.conf")));  // read again from the file
    w.reset();
  }
  controllore().setEngineLevel(true, GameController::fullLevel());
  controllore().setEngineLevel(false, GameController::fullLevel());
  TZefiran_3D& f = openWindow();
  EXPECT_EQ(controllore().engineLevel(true), 0);
  EXPECT_EQ(controllore().engineLevel(false), 1);
  EXPECT_TRUE(levelItem(f, false, 1)->isChecked());
  // Another language renames the menu and its levels.
  std::string error;
  ASSERT_TRUE(caricalingua("italiano.dat", error)) << error;
  f.settalingua();
  EXPECT_EQ(component<QMenu>(f, "whiteLevel")->title(), t("M_LEVEL"));
  EXPECT_TRUE(levelItem(f, true, 1)->text().startsWith(t("P_LEVELNOVICE")));
  EXPECT_NE(t("P_LEVELNOVICE"), QStringLiteral("Novice"));
  controllore().setEngineLevel(true, GameController::fullLevel());
  controllore().setEngineLevel(false, GameController::fullLevel());
}

}  // namespace
