#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/position/game.h"
#include "engine/position/position.h"
#include "game/bookbuild.h"
#include "game/gamefiles.h"
#include "records/pgnfen.h"
#include "support/engine_fixture.h"
#include "support/tempfolder.h"
#include "text/namevalue.h"

namespace {

std::vector<uint32_t> gameMoves() { return std::vector<uint32_t>(partita.moves, partita.moves + partita.count); }

void loadText(const std::string& text) {
  filepgn = dividirighe(text);
  indicizzapgn();
  ASSERT_FALSE(indicepartite.empty());
  ASSERT_EQ(caricapartita(rigadiindice(indicepartite[0])), esitocaricamento::completa);
}

// Saves the game and loads the saved file's only game back.
std::string saveAndReload(const zeftest::TempFolder& dir) {
  std::string errore;
  EXPECT_TRUE(salvapgn(dir.file("g.pgn"), errore)) << errore;
  EXPECT_TRUE(aprifilepgn(dir.file("g.pgn"), errore)) << errore;
  EXPECT_EQ(indicepartite.size(), 1u);
  EXPECT_EQ(caricapartita(0), esitocaricamento::completa);
  return dir.read("g.pgn");
}

TEST(PgnSave, UpperCaseTagsThenTheMovetextAndItsResult) {
  loadText(
      "[Event \"Ev\"]\n[Site \"Si\"]\n[Date \"2001.01.05\"]\n[Round \"3\"]\n[White \"Wh\"]\n[Black \"Bl\"]\n"
      "[Result \"1-0\"]\n\n1. e4 e5 2. Nf3 Nc6 3. Bb5 a6 4. Bxc6 dxc6 5. O-O f6 6. d4 exd4 1-0\n");
  zeftest::TempFolder dir;
  EXPECT_EQ(
      saveAndReload(dir),
      "[EVENT \"Ev\"]\r\n[SITE \"Si\"]\r\n[DATE \"2001.01.05\"]\r\n[ROUND \"3\"]\r\n[WHITE \"Wh\"]\r\n"
      "[BLACK \"Bl\"]\r\n[RESULT \"1-0\"]\r\n1. e4 e5 2. Nf3 Nc6 3. Bb5 a6 4. Bxc6 dxc6 5. O-O f6 6. d4 exd4 1-0\r\n");
  EXPECT_EQ(partita.count, 12);
  EXPECT_EQ(dir.entries(), (std::vector<std::string>{"g.pgn"}));  // no temporary file left
}

TEST(PgnSave, LongGamesWrapUnderEightyOneCharacters) {
  std::string text = "[White \"A\"]\n\n";
  for (int i = 0; i < 40; ++i) text += "Nf3 Nf6 Ng1 Ng8 ";
  loadText(text);
  const std::vector<uint32_t> before = gameMoves();
  zeftest::TempFolder dir;
  const std::vector<std::string> lines = dividirighe(saveAndReload(dir));
  EXPECT_EQ(gameMoves(), before);
  ASSERT_GT(lines.size(), 9u);
  bool numberEndsALine = false;
  for (size_t i = 7; i + 1 < lines.size(); ++i) {
    EXPECT_LE(lines[i].size(), 80u) << lines[i];
    // The line was closed only because the next token would have reached 80.
    EXPECT_GE(lines[i].size() + lines[i + 1].find(' '), 80u) << lines[i];
    numberEndsALine |= lines[i].back() == '.';
  }
  EXPECT_TRUE(numberEndsALine);
}

TEST(PgnSave, SetUpStartsAndMovesWithoutTextsAreKept) {
  loadText("[White \"A\"]\n[FEN \"4k3/8/8/8/8/8/4P3/4K3 b - - 0 23\"]\n\n23... Kd7 24. e4 Ke6 *\n");
  std::vector<uint32_t> before = gameMoves();
  zeftest::TempFolder dir;
  EXPECT_NE(saveAndReload(dir).find(
                "[SetUp \"1\"]\r\n[FEN \"4k3/8/8/8/8/8/4P3/4K3 b - - 0 23\"]\r\n23... Kd7 24. e4 Ke6 *\r\n"),
            std::string::npos);
  EXPECT_EQ(gameMoves(), before);

  // Under a WinBoard front end the texts are not kept; the save replays them,
  // and leaves the game on the board as it was.
  loadText("[White \"A\"]\n\n1. e4 d5 2. exd5 Qxd5 3. Nc3 Qa5 *\n");
  modointerfaccia = 2;
  ASSERT_TRUE(giocamossa(mossavalida(mvMake(zeftest::sq("d2"), zeftest::sq("d4")))));
  modointerfaccia = 0;
  partita.motorenero = 1;
  posizioni[0].phase = 2;
  const tposizione root = posizioni[0];
  std::string errore;
  ASSERT_TRUE(salvapgn(dir.file("p.pgn"), errore)) << errore;
  EXPECT_NE(dir.read("p.pgn").find("1. e4 d5 2. exd5 Qxd5 3. Nc3 Qa5 4. d4 *\r\n"), std::string::npos);
  EXPECT_EQ(std::memcmp(&posizioni[0], &root, sizeof root), 0);
  EXPECT_EQ(partita.motorenero, 1);
  EXPECT_EQ(partita.current, 7);
}

// Runs a command and gives its standard output; its standard error goes to errFile.
std::string run(const std::string& command, const std::string& errFile) {
  std::string out;
  if (std::FILE* p = ::popen((command + " 2>" + errFile).c_str(), "r")) {
    char buffer[4096];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, p)) > 0) out.append(buffer, got);
    ::pclose(p);
  }
  return out;
}

TEST(PgnSave, ASetUpGameWithCastlingPromotionCheckAndMateReadsBackInPgnExtract) {
  loadText(
      "[White \"A\"]\n[Black \"B\"]\n[Result \"1-0\"]\n[FEN \"6k1/1P3ppp/8/8/8/8/8/R3K3 b Q - 0 17\"]\n\n"
      "17... Kf8 18. 0-0-0 Ke7 19. Re1 Kf8 20. Kb2 Kg8 21. b8Q 1-0\n");
  const std::vector<uint32_t> moves = gameMoves();
  zeftest::TempFolder dir;
  const std::string saved = saveAndReload(dir);
  EXPECT_NE(saved.find("[SetUp \"1\"]\r\n[FEN \"6k1/1P3ppp/8/8/8/8/8/R3K3 b Q - 0 17\"]\r\n"
                       "17... Kf8 18. O-O-O Ke7 19. Re1+ Kf8 20. Kb2 Kg8 21. b8=Q# 1-0\r\n"),
            std::string::npos)
      << saved;
  EXPECT_EQ(gameMoves(), moves);
  // Debian's pgn-extract reads the file without a word and finds the same moves.
  const std::string lalg = run("/usr/games/pgn-extract -s -Wlalg " + dir.file("g.pgn"), dir.file("err.txt"));
  EXPECT_EQ(dir.read("err.txt"), "");
  EXPECT_NE(lalg.find("17... g8f8 18. e1c1 f8e7 19. d1e1+ e7f8 20. c1b2 f8g8 21. b7b8Q# 1-0"), std::string::npos)
      << lalg;
}

TEST(PgnSave, AFailedSaveSaysSoAndLeavesTheOldFile) {
  loadText("[White \"A\"]\n\n1. e4 *\n");
  zeftest::TempFolder dir;
  std::string errore;
  EXPECT_FALSE(salvapgn(dir.file("no/such/folder/g.pgn"), errore));
  EXPECT_FALSE(errore.empty());
  dir.write("old.pgn", "old contents");
  ::chmod(dir.dir().c_str(), 0555);
  const bool saved = salvapgn(dir.file("old.pgn"), errore);
  ::chmod(dir.dir().c_str(), 0755);
  if (::geteuid() != 0) {
    EXPECT_FALSE(saved);  // root writes anyway
    EXPECT_EQ(dir.read("old.pgn"), "old contents");
  }
}

TEST(PgnSave, EveryShippedGameSurvivesASaveAndLoad) {
  // Each save is flushed to disk; a memory file system keeps 889 of them quick.
  const char* oldTmp = std::getenv("TMPDIR");
  const std::string savedTmp = oldTmp ? oldTmp : "";
  if (::access("/dev/shm", W_OK) == 0) ::setenv("TMPDIR", "/dev/shm", 1);
  zeftest::TempFolder dir;
  oldTmp ? ::setenv("TMPDIR", savedTmp.c_str(), 1) : ::unsetenv("TMPDIR");
  int games = 0;
  for (const char* name : {"Capablanca.pgn", "Carlsen8games.pgn", "London1851.pgn", "Philidor.pgn",
                           "Tarrasch7games.pgn", "WorldChamp1886.pgn"}) {
    std::string errore;
    ASSERT_TRUE(aprifilepgn(std::string(ZEF_SOURCE_DIR) + "/data/book/games/" + name, errore)) << errore;
    const std::vector<std::string> source = filepgn, index = indicepartite;
    for (const std::string& entry : index) {
      filepgn = source;
      ASSERT_EQ(caricapartita(rigadiindice(entry)), esitocaricamento::completa) << entry;
      const std::vector<uint32_t> before = gameMoves();
      const std::string names = partita.whiteplayer.str() + partita.blackplayer.str() + partita.result.str();
      saveAndReload(dir);
      EXPECT_EQ(gameMoves(), before) << entry;
      EXPECT_EQ(partita.whiteplayer.str() + partita.blackplayer.str() + partita.result.str(), names);
      ++games;
    }
  }
  EXPECT_EQ(games, 889);
}

TEST(FenFile, TheLastNonEmptyLineIsSetUpAndABadFileChangesNothing) {
  zeftest::TempFolder dir;
  dir.write("p.fen", "8/8/8/8/8/8/8/K6k w - - 0 1\r\n4k3/8/8/8/8/8/4P3/4K3 b - - 0 1\r\n   \r\n\r\n");
  dir.write("empty.fen", "\r\n  \r\n");
  dir.write("bad.fen", "[Event \"a PGN file picked by mistake\"]\n");
  loadText("[White \"A\"]\n\n1. e4 *\n");
  std::string errore;
  ASSERT_TRUE(caricafen(dir.file("p.fen"), errore)) << errore;
  EXPECT_EQ(partita.count, 0);
  EXPECT_EQ(partita.startfen.str(), "4k3/8/8/8/8/8/4P3/4K3 b - - 0 1");
  EXPECT_EQ(posizioni[0].side, BLACK);
  const tposizione before = posizioni[0];
  for (const char* bad : {"empty.fen", "bad.fen", "missing.fen"}) {
    EXPECT_FALSE(caricafen(dir.file(bad), errore)) << bad;
    EXPECT_FALSE(errore.empty());
  }
  EXPECT_EQ(std::memcmp(&posizioni[0], &before, sizeof before), 0);
}

}  // namespace
