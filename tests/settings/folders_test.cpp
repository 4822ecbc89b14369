// Where the program reads its data and writes the user's files: a portable
// program folder, an installed tree (wherever it was moved), and the XDG
// folders of the environment.
#include "settings/folders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/search/cache.h"
#include "settings/manageini.h"
#include "support/environment_variable.h"
#include "support/tempfolder.h"
#include "text/namevalue.h"

namespace {

using zeftest::EnvironmentVariable;
using zeftest::TempFolder;

// A program folder as the build makes it, or an installed tree under a
// prefix of the test's choosing.
void buildFolder(const TempFolder& top, bool withSettings) {
  top.write("program/Zefiran3D", "");
  top.write("program/languages/english.dat", "");
  if (withSettings) top.write("program/Zefiran3D.ini", "hash=3\r\n");
}
void installedTree(const TempFolder& top, const std::string& prefix) {
  top.write(prefix + "/bin/zefiran3d", "");
  top.write(prefix + "/share/zefiran3d/languages/english.dat", "");
}

UserHome xdgHome(const TempFolder& top) {
  return {top.dir() + "home", top.dir() + "config", top.dir() + "state", top.dir() + "data"};
}

TEST(Folders, ABuildFolderWithItsSettingsFileKeepsEverythingBesideTheExecutable) {
  TempFolder top;
  buildFolder(top, true);
  const std::string program = top.dir() + "program/";
  const FolderChoice c = chooseFolders(program, xdgHome(top));
  EXPECT_TRUE(c.portable);
  EXPECT_EQ(c.data, program);
  EXPECT_EQ(c.config, program);
  EXPECT_EQ(c.state, program);
  EXPECT_EQ(c.userData, program);
  EXPECT_EQ(c.documents, program);
}

TEST(Folders, AProgramFolderWithoutSettingsReadsItsDataButWritesTheUsersFolders) {
  TempFolder top;
  buildFolder(top, false);
  const std::string program = top.dir() + "program";  // no trailing slash
  const FolderChoice c = chooseFolders(program, {top.dir() + "home", "", "", ""});
  EXPECT_FALSE(c.portable);
  EXPECT_EQ(c.data, program + "/");
  EXPECT_EQ(c.config, top.dir() + "home/.config/zefiran3d/");
  EXPECT_EQ(c.state, top.dir() + "home/.local/state/zefiran3d/");
  EXPECT_EQ(c.userData, top.dir() + "home/.local/share/zefiran3d/");
}

TEST(Folders, AnInstalledTreeMovedAnywhereFindsItsShareFolder) {
  TempFolder top;
  installedTree(top, "moved/elsewhere");
  const FolderChoice c = chooseFolders(top.dir() + "moved/elsewhere/bin/", xdgHome(top));
  EXPECT_FALSE(c.portable);
  EXPECT_EQ(c.data, top.dir() + "moved/elsewhere/share/zefiran3d/");
  EXPECT_EQ(c.config, top.dir() + "config/zefiran3d/");
  EXPECT_EQ(c.state, top.dir() + "state/zefiran3d/");
  EXPECT_EQ(c.userData, top.dir() + "data/zefiran3d/");
  EXPECT_EQ(c.documents, top.dir() + "home/");
}

TEST(Folders, XdgVariablesAreHonouredAndRelativeOrEmptyOnesIgnored) {
  EnvironmentVariable home("HOME", "/home/anna");
  EnvironmentVariable config("XDG_CONFIG_HOME", "/srv/anna/config");
  EnvironmentVariable state("XDG_STATE_HOME", "relative/state");
  EnvironmentVariable data("XDG_DATA_HOME", "");
  const UserHome h = userHomeFromEnvironment();
  EXPECT_EQ(h.home, "/home/anna");
  EXPECT_EQ(h.configHome, "/srv/anna/config");
  EXPECT_EQ(h.stateHome, "");
  EXPECT_EQ(h.dataHome, "");
  const FolderChoice c = chooseFolders("/nowhere/bin/", h);
  EXPECT_EQ(c.config, "/srv/anna/config/zefiran3d/");
  EXPECT_EQ(c.state, "/home/anna/.local/state/zefiran3d/");
}

// Settings saved by an installed program: the user's folder is made on the
// first save, the file is read back from there, and neither the program's
// folder nor its data folder receives anything.
TEST(Folders, AnInstalledProgramSavesAndReadsItsSettingsInTheUsersFolder) {
  TempFolder top;
  installedTree(top, "usr");
  const std::string saved = cartella;
  useFolders(chooseFolders(top.dir() + "usr/bin/", xdgHome(top)));
  tvaloriini v;
  v.giocatore = "Anna";
  v.hash = 2;
  std::string errore;
  const bool ok = salvaini(v, errore);
  listaini.clear();
  caricaimpostazioni();
  const std::string read = valoreini("giocatore");
  const std::string folder = configFolder();
  useFolders(FolderChoice{});
  cartella = saved;
  listaini.clear();
  clearProblems();
  setHashLevel(HASH_DEFAULT_LEVEL);

  ASSERT_TRUE(ok) << errore;
  EXPECT_EQ(folder, top.dir() + "config/zefiran3d/");
  EXPECT_TRUE(std::filesystem::exists(folder + NOMEINI));
  EXPECT_EQ(read, "Anna");
  EXPECT_EQ(top.entries().size(), 2u) << "only usr/ and config/";
  EXPECT_FALSE(std::filesystem::exists(top.dir() + "usr/bin/" + NOMEINI));
  EXPECT_FALSE(std::filesystem::exists(top.dir() + "usr/share/zefiran3d/" + NOMEINI));
}

}  // namespace
