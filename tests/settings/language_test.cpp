#include "settings/language.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "settings/manageini.h"
#include "support/tempfolder.h"
#include "text/namevalue.h"

namespace {

using zeftest::TempFolder;

class LanguageFile : public ::testing::Test {
 protected:
  void SetUp() override {
    savedFolder_ = cartella;
    savedName_ = nomelingua;
    cartella = folder.dir();
    listalingua.clear();
    clearProblems();
  }
  void TearDown() override {
    cartella = savedFolder_;
    nomelingua = savedName_;
    listalingua.clear();
    clearProblems();
  }
  void writeLanguage(const std::string& name, const std::string& bytes) { folder.write("languages/" + name, bytes); }
  void load(const std::string& name) {
    std::string errore;
    ASSERT_TRUE(caricalingua(name, errore)) << errore;
  }

  TempFolder folder;

 private:
  std::string savedFolder_, savedName_;
};

TEST_F(LanguageFile, KeysMatchInAnyCase) {
  writeLanguage("t.dat", "p_break=Stop\r\nM_NewGame=Fresh game\r\n");
  load("t.dat");
  EXPECT_EQ(testo("P_BREAK"), "Stop");
  EXPECT_EQ(testo("M_NEWGAME"), "Fresh game");
  EXPECT_FALSE(linguainterna());
}

TEST_F(LanguageFile, TextKeepsEverythingAfterTheFirstEquals) {
  writeLanguage("t.dat", "P_FOUND=a = b==c \r\nP_OK=\r\n");
  load("t.dat");
  EXPECT_EQ(testo("P_FOUND"), "a = b==c ");
  EXPECT_EQ(testo("P_OK"), "");
}

TEST_F(LanguageFile, MissingKeyGivesTheEmptyText) {
  writeLanguage("t.dat", "P_OK=Right\r\nM_HUMAN\r\n");
  load("t.dat");
  EXPECT_EQ(testo("M_HUMAN"), "");
  EXPECT_EQ(testo("P_O"), "");
  EXPECT_EQ(testo("P_OK "), "");
  EXPECT_EQ(testo(""), "");
}

TEST_F(LanguageFile, FirstMatchWinsAndTheBomIsIgnored) {
  writeLanguage("t.dat", "\xEF\xBB\xBFP_OK=one\r\np_ok=two\r\n");
  load("t.dat");
  EXPECT_EQ(testo("P_OK"), "one");
}

TEST_F(LanguageFile, LoadingReplacesTheWholeTableAndLookupsFollowIt) {
  writeLanguage("a.dat", "P_OK=A\r\nP_NO=No A\r\n");
  writeLanguage("b.dat", "P_OK=B\n");
  load("a.dat");
  EXPECT_EQ(testo("P_NO"), "No A");
  load("b.dat");
  EXPECT_EQ(testo("P_OK"), "B");
  EXPECT_EQ(testo("P_NO"), "");
}

TEST_F(LanguageFile, UnusableFileLeavesTheTableAsItWas) {
  writeLanguage("good.dat", "P_OK=kept\r\n");
  writeLanguage("binary.dat", std::string("P_OK=x\0\xff", 8));
  writeLanguage("foreign.dat", "hello=world\r\n");
  load("good.dat");
  std::string errore;
  EXPECT_FALSE(caricalingua("binary.dat", errore));
  EXPECT_FALSE(errore.empty());
  EXPECT_FALSE(caricalingua("foreign.dat", errore));
  EXPECT_NE(errore.find("foreign.dat"), std::string::npos);
  EXPECT_FALSE(caricalingua("absent.dat", errore));
  EXPECT_EQ(testo("P_OK"), "kept");
}

TEST_F(LanguageFile, StartUpFallsBackToBuiltInEnglishAndReportsOnce) {
  nomelingua = "absent.dat";
  caricalinguaavvio();
  EXPECT_TRUE(linguainterna());
  EXPECT_EQ(testo("M_NEWGAME"), "New game");
  EXPECT_EQ(testo("LWMATTOB"), "1-0 {White mates}");
  caricalinguaavvio();
  ASSERT_EQ(problemiavvio().size(), 1u);
  EXPECT_NE(problemiavvio()[0].find("absent.dat"), std::string::npos);
}

TEST_F(LanguageFile, StartUpUsesTheNamedFile) {
  writeLanguage("mine.dat", "M_NEWGAME=Partita nuova\r\n");
  nomelingua = "mine.dat";
  caricalinguaavvio();
  EXPECT_FALSE(linguainterna());
  EXPECT_EQ(testo("M_NEWGAME"), "Partita nuova");
  EXPECT_TRUE(problemiavvio().empty());
}

TEST(LanguageKeys, ListHoldsEveryKeyOnce) {
  std::set<std::string_view> distinct(std::begin(chiavilingua), std::end(chiavilingua));
  EXPECT_EQ(distinct.size(), NUMEROCHIAVI);
  for (const char* key : {"P_GAMEOVER", "P_PROMOTE", "P_ENDGAME", "P_TIMECONTROL", "P_INFOFACES", "P_LANGUAGEHELP",
                          "LSTALLO", "LWSTALLO", "LWMATERIALE", "M_HUMAN"})
    EXPECT_EQ(distinct.count(key), 1u) << key;
}

// The shipped language files, read as the program reads them.
class ShippedLanguage : public ::testing::TestWithParam<const char*> {
 protected:
  std::string path() const { return std::string(ZEF_SOURCE_DIR) + "/data/languages/" + GetParam(); }
  std::vector<std::string> lines() const {
    std::vector<std::string> out;
    std::string errore;
    EXPECT_EQ(leggirighe(path(), out, errore), esitolettura::letto) << errore;
    return out;
  }
};

TEST_P(ShippedLanguage, DefinesEveryKeyOnceAndNothingElse) {
  const std::vector<std::string> table = lines();
  std::set<std::string> known(std::begin(chiavilingua), std::end(chiavilingua));
  std::set<std::string> seen;
  for (const std::string& line : table) {
    const size_t eq = line.find('=');
    ASSERT_NE(eq, std::string::npos) << line;
    const std::string key = line.substr(0, eq);
    EXPECT_EQ(known.count(key), 1u) << "unknown key " << key;
    EXPECT_TRUE(seen.insert(key).second) << "defined twice: " << key;
  }
  for (std::string_view key : chiavilingua) {
    EXPECT_TRUE(definesName(table, key)) << "missing " << key;
    if (key != "P_LANGUAGEHELP") {
      EXPECT_FALSE(lookupNameValue(table, key).empty()) << "empty " << key;
    }
  }
  EXPECT_NE(lookupNameValue(table, "P_LANGUAGEAUTHOR").find("Zefiran_3D"), std::string::npos);
}

TEST_P(ShippedLanguage, EveryLineEndsWithCrLf) {
  const std::string bytes = TempFolder::readFile(path());
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n') {
      EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "at byte " << i;
    }
    if (bytes[i] == '\r') {
      EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "at byte " << i;
    }
  }
}

TEST_P(ShippedLanguage, WinBoardResultLinesCarryTheRightResult) {
  const std::vector<std::string> table = lines();
  const struct {
    const char* key;
    const char* result;
  } expected[] = {
      {"LWMATTOB", "1-0 {"},     {"LWMATTON", "0-1 {"}, {"LWABBANDONAB", "0-1 {"},    {"LWABBANDONAN", "1-0 {"},
      {"LWSTALLO", "1/2-1/2 {"}, {"LW3X", "1/2-1/2 {"}, {"LWMATERIALE", "1/2-1/2 {"}, {"LW50MOSSE", "1/2-1/2 {"},
  };
  for (const auto& e : expected) {
    const std::string line = lookupNameValue(table, e.key);
    EXPECT_EQ(line.rfind(e.result, 0), 0u) << e.key << ": " << line;
    ASSERT_FALSE(line.empty());
    EXPECT_EQ(line.back(), '}') << e.key;
    EXPECT_EQ(line.find('\n'), std::string::npos);
  }
}

INSTANTIATE_TEST_SUITE_P(Files, ShippedLanguage, ::testing::Values("english.dat", "italiano.dat"));

TEST(BuiltInEnglish, IsTheShippedEnglishFile) {
  const std::string shipped = TempFolder::readFile(std::string(ZEF_SOURCE_DIR) + "/data/languages/english.dat");
  ASSERT_FALSE(shipped.empty());
  EXPECT_TRUE(testoinglese() == shipped) << "data/languages/english.dat changed: run cmake -P cmake/languages.cmake";
}

}  // namespace
