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
#include "game/game.h"
#include "game/gamefiles.h"
#include "records/pgnfen.h"
#include "support/command_output.h"
#include "support/engine_fixture.h"
#include "support/tempfolder.h"
#include "text/namevalue.h"

namespace {

std::vector<uint32_t> gameMoves() { return std::vector<uint32_t>(partita.moves, partita.moves + partita.count); }

void loadText(const std::string& text) {
  openPgnText(text);
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

TEST(PgnSave, StandardTagsABlankLineThenTheMovetextAndItsResult) {
  loadText(
      "[EVENT \"Ev\"]\n[SITE \"Si\"]\n[DATE \"2001.01.05\"]\n[ROUND \"3\"]\n[WHITE \"Wh\"]\n[BLACK \"Bl\"]\n"
      "[RESULT \"1-0\"]\n1. e4 e5 2. Nf3 Nc6 3. Bb5 a6 4. Bxc6 dxc6 5. O-O f6 6. d4 exd4\n");
  zeftest::TempFolder dir;
  EXPECT_EQ(saveAndReload(dir),
            "[Event \"Ev\"]\r\n[Site \"Si\"]\r\n[Date \"2001.01.05\"]\r\n[Round \"3\"]\r\n[White \"Wh\"]\r\n"
            "[Black \"Bl\"]\r\n[Result \"1-0\"]\r\n\r\n1. e4 e5 2. Nf3 Nc6 3. Bb5 a6 4. Bxc6 dxc6 5. O-O f6 6. d4 exd4 "
            "1-0\r\n");
  EXPECT_EQ(partita.count, 12);
  EXPECT_EQ(dir.entries(), (std::vector<std::string>{"g.pgn"}));  // no temporary file left
  // Unknown values are "?", quotes and backslashes escaped, long names whole.
  loadText("[White \"O\\\"Brien, Patrick \\\\ the long-named\"]\n[Black \"\"]\n\n1. e4 *\n");
  EXPECT_EQ(partita.whiteplayer.str(), "O\"Brien, Patrick \\ the lo");
  EXPECT_EQ(
      saveAndReload(dir),
      "[Event \"?\"]\r\n[Site \"?\"]\r\n[Date \"????.??.??\"]\r\n[Round \"?\"]\r\n"
      "[White \"O\\\"Brien, Patrick \\\\ the long-named\"]\r\n[Black \"?\"]\r\n[Result \"*\"]\r\n\r\n1. e4 *\r\n");
  // The program's earlier files wrote a quote bare: the value runs to the quote before "]".
  loadText("[WHITE \"O\"Brien\"]\n1. e4\n");
  EXPECT_EQ(partita.whiteplayer.str(), "O\"Brien");
}

TEST(PgnSave, EveryTagCommentGlyphAndVariationIsWrittenBack) {
  loadText(
      "[Event \"Rated Blitz game\"]\n[Site \"https://lichess.org/abcd1234\"]\n[White \"A\"]\n[Black \"B\"]\n"
      "[Result \"0-1\"]\n[UTCDate \"2020.01.02\"]\n[WhiteElo \"1500\"]\n[Opening \"King's Pawn\"]\n\n"
      "{Before the first move} 1. e4 $1 {[%clk 0:03:00]} 1... e5!? (1... c5 {Sicilian} 2. Nf3 (2. c3)) "
      "2. Nf3 ; rest of line\n2... Nc6?? 0-1\n");
  zeftest::TempFolder dir;
  const std::string saved = saveAndReload(dir);
  EXPECT_EQ(saved,
            "[Event \"Rated Blitz game\"]\r\n[Site \"https://lichess.org/abcd1234\"]\r\n[Date \"????.??.??\"]\r\n"
            "[Round \"?\"]\r\n[White \"A\"]\r\n[Black \"B\"]\r\n[Result \"0-1\"]\r\n[UTCDate \"2020.01.02\"]\r\n"
            "[WhiteElo \"1500\"]\r\n[Opening \"King's Pawn\"]\r\n\r\n"
            "{Before the first move} 1. e4 $1 {[%clk 0:03:00]} 1... e5 $5 (1... c5\r\n"
            "{Sicilian} 2. Nf3 (2. c3)) 2. Nf3 {rest of line} 2... Nc6 $4 0-1\r\n");
  // Read back, the same text again; a move played over the notes lets them go.
  EXPECT_EQ(saveAndReload(dir), saved);
  game::goTo(2);
  ASSERT_TRUE(game::play(mvMake(zeftest::sq("d2"), zeftest::sq("d4"))));
  const std::vector<std::string> lines = righepgn();
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[12], "{Sicilian} 2. Nf3 (2. c3)) 2. d4 *");
}

TEST(PgnSave, LongGamesWrapWithinSeventyNineCharacters) {
  std::string text = "[White \"A\"]\n\n";
  for (int i = 0; i < 40; ++i) text += "Nf3 Nf6 Ng1 Ng8 ";
  loadText(text);
  const std::vector<uint32_t> before = gameMoves();
  zeftest::TempFolder dir;
  const std::vector<std::string> lines = dividirighe(saveAndReload(dir));
  EXPECT_EQ(gameMoves(), before);
  ASSERT_GT(lines.size(), 10u);
  bool numberEndsALine = false;
  for (size_t i = 8; i + 1 < lines.size(); ++i) {
    EXPECT_LE(lines[i].size(), 79u) << lines[i];
    // The line was closed only because the next word would have passed 79.
    EXPECT_GT(lines[i].size() + 1 + lines[i + 1].find(' '), 79u) << lines[i];
    numberEndsALine |= lines[i].back() == '.';
  }
  EXPECT_TRUE(numberEndsALine);
}

TEST(PgnSave, SetUpStartsAndMovesWithoutTextsAreKept) {
  loadText("[White \"A\"]\n[FEN \"4k3/8/8/8/8/8/4P3/4K3 b - - 0 23\"]\n\n23... Kd7 24. e4 Ke6 *\n");
  std::vector<uint32_t> before = gameMoves();
  zeftest::TempFolder dir;
  EXPECT_NE(saveAndReload(dir).find(
                "[SetUp \"1\"]\r\n[FEN \"4k3/8/8/8/8/8/4P3/4K3 b - - 0 23\"]\r\n\r\n23... Kd7 24. e4 Ke6 *\r\n"),
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
  return zeftest::commandOutput(command + " 2>" + errFile);
}

TEST(PgnSave, ASetUpGameWithCastlingPromotionCheckAndMateReadsBackInPgnExtract) {
  loadText(
      "[White \"A\"]\n[Black \"B\"]\n[Result \"1-0\"]\n[FEN \"6k1/1P3ppp/8/8/8/8/8/R3K3 b Q - 0 17\"]\n\n"
      "17... Kf8 18. 0-0-0 Ke7 19. Re1 Kf8 20. Kb2 Kg8 21. b8Q 1-0\n");
  const std::vector<uint32_t> moves = gameMoves();
  zeftest::TempFolder dir;
  const std::string saved = saveAndReload(dir);
  EXPECT_NE(saved.find("[SetUp \"1\"]\r\n[FEN \"6k1/1P3ppp/8/8/8/8/8/R3K3 b Q - 0 17\"]\r\n\r\n"
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
    const std::string source = std::string(ZEF_SOURCE_DIR) + "/data/book/games/" + name;
    ASSERT_TRUE(aprifilepgn(source, errore)) << errore;
    const std::vector<std::string> index = indicepartite;
    for (const std::string& entry : index) {
      ASSERT_TRUE(aprifilepgn(source, errore)) << errore;
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
