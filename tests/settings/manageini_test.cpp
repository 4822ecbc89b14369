#include "settings/manageini.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/position/game.h"
#include "engine/search/cache.h"
#include "support/tempfolder.h"
#include "text/namevalue.h"

namespace {

using zeftest::TempFolder;

// Settings globals set to values no file or default gives, so that each test
// sees what it applied itself.
void scramble() {
  setHashLevel(1);
  profonditalibro = -99;
  abbandonoconsentito = true;
  nomeskin = "stale.usk";
  nomelingua = "stale.dat";
  listaini.clear();
  clearProblems();
}

class IniFile : public ::testing::Test {
 protected:
  void SetUp() override {
    scramble();
    savedFolder_ = cartella;
    cartella = folder.dir();
  }
  void TearDown() override {
    cartella = savedFolder_;
    listaini.clear();
    clearProblems();
    setHashLevel(HASH_DEFAULT_LEVEL);
  }
  void writeIni(const std::string& bytes) { folder.write(NOMEINI, bytes); }

  TempFolder folder;

 private:
  std::string savedFolder_;
};

void expectDefaults() {
  EXPECT_EQ(hashEntries(), 1u << 18);
  EXPECT_EQ(profonditalibro, 0);
  EXPECT_FALSE(abbandonoconsentito);
  EXPECT_EQ(nomeskin, "default.usk");
  EXPECT_EQ(nomelingua, "english.dat");
}

TEST_F(IniFile, AppliesEverySetting) {
  writeIni(
      "FILE DI CONFIGURAZIONE DI ZEFIRAN 3D\r\n\r\ngiocatore=Anna\r\nhash=3\r\nprofonditalibro=8\r\n"
      "abbandona=si\r\nskin=marble.usk\r\nlinguaggio=italiano.dat\r\n");
  caricaimpostazioni();
  EXPECT_EQ(hashEntries(), 262144u);
  EXPECT_EQ(hashMask, 262143u);
  EXPECT_EQ(profonditalibro, 16);
  EXPECT_TRUE(abbandonoconsentito);
  EXPECT_EQ(nomeskin, "marble.usk");
  EXPECT_EQ(nomelingua, "italiano.dat");
  EXPECT_EQ(valoreini("giocatore"), "Anna");
  EXPECT_TRUE(problemiavvio().empty());
}

TEST_F(IniFile, KeysInAnyCaseFirstMatchWinsValuesAsWritten) {
  writeIni(
      "hash 4\r\nHASH=2\r\nhash=6\r\nProfonditaLibro= 5 \r\nABBANDONA=Si\r\nSKIN=Marble.usk\r\n"
      "skin=b.usk\r\nLinguaggio=Italiano.dat\r\n");
  caricaimpostazioni();
  EXPECT_EQ(hashEntries(), 1u << 17);
  EXPECT_EQ(profonditalibro, 10);
  EXPECT_FALSE(abbandonoconsentito) << "only a lower-case si allows resigning";
  EXPECT_EQ(nomeskin, "Marble.usk");
  EXPECT_EQ(nomelingua, "Italiano.dat");
}

TEST_F(IniFile, MixedLineEndingsLeaveNoCarriageReturnInValues) {
  writeIni("hash=3\nskin=x.usk\r\nabbandona=si\rlinguaggio=y.dat");
  caricaimpostazioni();
  EXPECT_EQ(nomeskin, "x.usk");
  EXPECT_TRUE(abbandonoconsentito);
  EXPECT_EQ(nomelingua, "y.dat");
  EXPECT_EQ(hashEntries(), 1u << 18);
}

TEST_F(IniFile, MissingFileGivesDefaultsQuietly) {
  caricaimpostazioni();
  expectDefaults();
  EXPECT_TRUE(listaini.empty());
  EXPECT_TRUE(problemiavvio().empty());
}

TEST_F(IniFile, BinaryFileGivesDefaultsAndIsReported) {
  writeIni(std::string("hash=5\r\nskin=x.usk\r\n\0\x01\x02\xff", 24));
  caricaimpostazioni();
  expectDefaults();
  EXPECT_TRUE(listaini.empty()) << "names of new games come from nothing";
  ASSERT_EQ(problemiavvio().size(), 1u);
  EXPECT_NE(problemiavvio()[0].find(NOMEINI), std::string::npos);
}

TEST_F(IniFile, GarbledTextGivesDefaultsButKeepsTheLines) {
  writeIni("\xff\xfe=\xff\r\nhash=tre\r\ngiocatore=Bruno\r\nskin=x.usk\r\nabbandona=si\r\n");
  caricaimpostazioni();
  expectDefaults();
  EXPECT_EQ(valoreini("giocatore"), "Bruno");
  ASSERT_EQ(problemiavvio().size(), 1u);
  EXPECT_NE(problemiavvio()[0].find("hash"), std::string::npos);
  // A file without any hash line is treated the same way.
  writeIni("skin=x.usk\r\n");
  scramble();
  caricaimpostazioni();
  expectDefaults();
}

TEST_F(IniFile, HashOutsideTheLevelsGivesTheDefaultSize) {
  writeIni("hash=11\r\nskin=x.usk\r\n");
  caricaimpostazioni();
  EXPECT_EQ(hashEntries(), 1u << 18);
  EXPECT_EQ(nomeskin, "x.usk");
  writeIni("hash=0\r\n");
  scramble();
  caricaimpostazioni();
  EXPECT_EQ(hashEntries(), 1u << 18);
}

TEST_F(IniFile, BookDepthIsClampedAndUnreadableIsZero) {
  writeIni("hash=3\r\nprofonditalibro=9999999999\r\n");
  caricaimpostazioni();
  EXPECT_EQ(profonditalibro, 0) << "not an integer";
  writeIni("hash=3\r\nprofonditalibro=2000000000\r\n");
  caricaimpostazioni();
  EXPECT_EQ(profonditalibro, 2000);
  writeIni("hash=3\r\nprofonditalibro=-4\r\n");
  caricaimpostazioni();
  EXPECT_EQ(profonditalibro, 0);
}

TEST_F(IniFile, FileNamesThatLeaveTheirFolderAreRefused) {
  writeIni("hash=3\r\nskin=../../etc/passwd\r\nlinguaggio=sub\\x.dat\r\n");
  caricaimpostazioni();
  EXPECT_EQ(nomeskin, "default.usk");
  EXPECT_EQ(nomelingua, "english.dat");
  EXPECT_EQ(problemiavvio().size(), 2u);
}

TEST_F(IniFile, WriterProducesTheHeaderAndTheKeysInOrder) {
  tvaloriini v;
  v.giocatore = "Anna";
  v.localita = "Roma";
  v.evento = "Torneo";
  v.hash = 4;
  v.profonditalibro = 8;
  v.abbandona = true;
  v.skin = "default.usk";
  v.linguaggio = "italiano.dat";
  const std::vector<std::string> expected = {
      "FILE DI CONFIGURAZIONE DI ZEFIRAN 3D",
      "NON EDITARE DIRETTAMENTE QUESTO FILE MA",
      "UTILIZZARE IL MENU' FILE -> CONFIGURAZIONE",
      "",
      "giocatore=Anna",
      "localita=Roma",
      "evento=Torneo",
      "hash=4",
      "profonditalibro=8",
      "abbandona=si",
      "skin=default.usk",
      "linguaggio=italiano.dat",
  };
  EXPECT_EQ(componiini(v), expected);
  v.abbandona = false;
  EXPECT_EQ(componiini(v)[9], "abbandona=no");
}

TEST_F(IniFile, EmptyValuesAreNotWrittenAndLineBreaksCannotAddSettings) {
  tvaloriini v;
  v.localita = "Eve\r\nhash=10";
  const std::vector<std::string> lines = componiini(v);
  ASSERT_EQ(lines.size(), 8u);  // header, localita, hash, profonditalibro, abbandona
  EXPECT_EQ(lines[4], "localita=Eve  hash=10");
  EXPECT_EQ(lines[5], "hash=3");
  listaini = lines;
  EXPECT_EQ(valoreini("giocatore"), "");
  EXPECT_EQ(valoreini("hash"), "3");
}

TEST_F(IniFile, SaveWritesCrLfLinesAndReadsBack) {
  tvaloriini v;
  v.giocatore = "Anna";
  v.hash = 2;
  v.profonditalibro = 6;
  v.abbandona = true;
  v.skin = "s.usk";
  v.linguaggio = "italiano.dat";
  std::string errore;
  ASSERT_TRUE(salvaini(v, errore)) << errore;
  const std::string bytes = folder.read(NOMEINI);
  EXPECT_EQ(bytes.rfind("FILE DI CONFIGURAZIONE DI ZEFIRAN 3D\r\nNON EDITARE", 0), 0u);
  EXPECT_NE(bytes.find("\r\n\r\ngiocatore=Anna\r\nhash=2\r\nprofonditalibro=6\r\n"), std::string::npos);
  EXPECT_EQ(bytes.substr(bytes.size() - 25), "linguaggio=italiano.dat\r\n");
  EXPECT_EQ(folder.entries(), std::vector<std::string>{NOMEINI}) << "no temporary file left behind";

  scramble();
  caricaimpostazioni();
  EXPECT_EQ(hashEntries(), 1u << 17);
  EXPECT_EQ(profonditalibro, 12);
  EXPECT_TRUE(abbandonoconsentito);
  EXPECT_EQ(nomeskin, "s.usk");
  EXPECT_EQ(nomelingua, "italiano.dat");
  EXPECT_EQ(valoreini("giocatore"), "Anna");
}

TEST_F(IniFile, SaveThatFailsHalfWayKeepsTheOldFile) {
  const std::string old = "hash=5\r\nskin=old.usk\r\n";
  writeIni(old);
  tvaloriini v;
  v.giocatore = std::string(4000, 'x');
  // Writes past 64 bytes fail (EFBIG) while the limit holds.
  struct rlimit saved {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto previous = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit low = saved;
  low.rlim_cur = 64;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &low), 0);
  std::string errore;
  const bool saved_ok = salvaini(v, errore);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);

  EXPECT_FALSE(saved_ok);
  EXPECT_NE(errore.find(NOMEINI), std::string::npos) << errore;
  EXPECT_EQ(folder.read(NOMEINI), old);
  EXPECT_EQ(folder.entries(), std::vector<std::string>{NOMEINI});
}

TEST_F(IniFile, SaveIntoAMissingFolderFails) {
  cartella = folder.dir() + "missing/";
  std::string errore;
  EXPECT_FALSE(salvaini(tvaloriini{}, errore));
  EXPECT_FALSE(errore.empty());
}

TEST(ProgramFolder, IsTheFolderOfTheRunningExecutable) {
  const std::string dir = cartellaprogramma("ignored/by/design");
  ASSERT_FALSE(dir.empty());
  EXPECT_EQ(dir.back(), '/');
  EXPECT_EQ(dir.front(), '/');
  EXPECT_TRUE(std::filesystem::exists(dir + "test_settings")) << dir;
}

}  // namespace
