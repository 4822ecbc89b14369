#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/position/position.h"
#include "records/notation.h"
#include "records/pgnfen.h"
#include "records/verifylog.h"
#include "settings/namevalue.h"
#include "settings/tempfolder.h"
#include "support/engine_fixture.h"

namespace {

std::string coord(uint32_t m) {
  std::string c{static_cast<char>('a' + mvFrom(m) % 8), static_cast<char>('1' + mvFrom(m) / 8),
                static_cast<char>('a' + mvTo(m) % 8), static_cast<char>('1' + mvTo(m) / 8)};
  if (m & MV_PROMO_Q) c += 'q';
  if (m & MV_PROMO_N) c += 'n';
  if (m & MV_PROMO_R) c += 'r';
  if (m & MV_PROMO_B) c += 'b';
  return c;
}

std::vector<std::string> played() {
  std::vector<std::string> moves;
  for (int i = 0; i < partita.count; ++i) moves.push_back(coord(partita.moves[i]));
  return moves;
}

// filepgn := the text's lines, indexed.
void useText(const std::string& text) {
  filepgn = dividirighe(text);
  indicizzapgn();
}

// Loads the only game of a movetext (after two tags) and gives its moves.
std::vector<std::string> loadMoves(const std::string& movetext, esitocaricamento* outcome = nullptr,
                                   const std::string& extraTags = "") {
  useText("[White \"A\"]\n[Black \"B\"]\n" + extraTags + "\n" + movetext + "\n");
  const esitocaricamento got = caricapartita(0);
  if (outcome) *outcome = got;
  return played();
}

using V = std::vector<std::string>;

// --- the index -----------------------------------------------------------

TEST(PgnIndex, EntriesNameTheStartLinePlayersAndResult) {
  useText(
      "[Event \"x\"]\n[White \"A\"]\n[Black \"B\"]\n[Result \"1/2-1/2\"]\n\n1. e4 e5 1/2-1/2\n\n"
      "[white \"C\"]\n[BLACK \"D\"]\n[WhiteElo \"2400\"]\n[result \"1-0\"]\n\n1. d4 1-0\n");
  ASSERT_EQ(indicepartite.size(), 2u);
  EXPECT_EQ(indicepartite[0], "0 A-B : 1/2-1/2");
  EXPECT_EQ(indicepartite[1], "7 C-D : 1-0");
  EXPECT_EQ(rigadiindice(indicepartite[1]), 7);
}

TEST(PgnIndex, GamesNotOpeningWithMoveOneGetTheirOwnEntries) {
  useText(
      "[White \"A\"]\n[Black \"B\"]\n[FEN \"4k3/8/8/8/8/8/4P3/4K3 b - - 0 23\"]\n\n23... Kd7 24. e4 *\n\n"
      "[White \"C\"]\n[Black \"D\"]\n\n{A game opening with a comment} 1. e4 *\n\n"
      "[White \"E\"]\n\n1. d4 *\n");
  ASSERT_EQ(indicepartite.size(), 3u);
  EXPECT_EQ(indicepartite[0], "0 A-B : ");
  EXPECT_EQ(indicepartite[1], "6 C-D : ");
  // A missing tag is this game's, not the previous game's.
  EXPECT_EQ(indicepartite[2], "11 E- : ");
  EXPECT_EQ(caricapartita(rigadiindice(indicepartite[0])), esitocaricamento::completa);
  EXPECT_EQ(played(), (V{"e8d7", "e2e4"}));
  EXPECT_EQ(caricapartita(rigadiindice(indicepartite[1])), esitocaricamento::completa);
  EXPECT_EQ(played(), (V{"e2e4"}));
}

TEST(PgnIndex, TagsAtTheEndOfTheFileStillMakeAnEntryAndTextWithoutTagsNone) {
  useText("1. e4 e5\n2. Nf3\n");
  EXPECT_TRUE(indicepartite.empty());
  useText("1. e4 e5\n\n[White \"A\"]\n[Black \"B\"]");
  ASSERT_EQ(indicepartite.size(), 1u);
  EXPECT_EQ(indicepartite[0], "2 A-B : ");
  EXPECT_EQ(caricapartita(2), esitocaricamento::completa);
  EXPECT_EQ(partita.count, 0);
  EXPECT_EQ(partita.whiteplayer.str(), "A");
}

TEST(PgnIndex, FilesWithCrLfAndLfGiveTheSameLinesAndAnUnreadableFileChangesNothing) {
  zeftest::TempFolder dir;
  const std::string game = "[White \"A\"]|[Black \"B\"]||1. e4 e5 2. Nf3 *|";
  std::string crlf, lf;
  for (char c : game) {
    crlf += c == '|' ? std::string("\r\n") : std::string(1, c);
    lf += c == '|' ? std::string("\n") : std::string(1, c);
  }
  dir.write("crlf.pgn", crlf);
  dir.write("lf.pgn", lf);
  std::string errore;
  ASSERT_TRUE(aprifilepgn(dir.file("crlf.pgn"), errore)) << errore;
  const std::vector<std::string> fromCrLf = filepgn;
  ASSERT_TRUE(aprifilepgn(dir.file("lf.pgn"), errore)) << errore;
  EXPECT_EQ(filepgn, fromCrLf);
  EXPECT_EQ(filepgn[3], "1. e4 e5 2. Nf3 *");
  ASSERT_EQ(caricapartita(0), esitocaricamento::completa);
  EXPECT_EQ(partita.count, 3);

  EXPECT_FALSE(aprifilepgn(dir.file("missing.pgn"), errore));
  EXPECT_NE(errore.find("missing.pgn"), std::string::npos);
  EXPECT_FALSE(aprifilepgn(dir.dir(), errore));
  dir.write("binary.pgn", std::string("[White \"A\"]\n\0\0", 14));
  EXPECT_FALSE(aprifilepgn(dir.file("binary.pgn"), errore));
  EXPECT_EQ(filepgn, fromCrLf);
  EXPECT_EQ(indicepartite.size(), 1u);
}

// --- tags and the game record ----------------------------------------------

TEST(PgnLoad, TagsFillTheGameRecordAndMissingOnesAreEmpty) {
  useText(
      "[Event \"Havana m\"]\n[Site \"Havana\"]\n[Date \"1901.??.??\"]\n[Round \"1\"]\n[White \"Capablanca\"]\n"
      "[Black \"Corzo\"]\n[Result \"0-1\"]\n[WhiteElo \"2700\"]\n\n1. e4 0-1\n");
  ASSERT_EQ(caricapartita(0), esitocaricamento::completa);
  EXPECT_EQ(partita.event.str(), "Havana m");
  EXPECT_EQ(partita.site.str(), "Havana");
  EXPECT_EQ(partita.date.str(), "1901.??.??");
  EXPECT_EQ(partita.pgnround.str(), "1");
  EXPECT_EQ(partita.whiteplayer.str(), "Capablanca");
  EXPECT_EQ(partita.blackplayer.str(), "Corzo");
  EXPECT_EQ(partita.result.str(), "0-1");
  EXPECT_TRUE(partita.startfen.empty());
  EXPECT_EQ(partita.current, 1);
  EXPECT_EQ(partita.movetext[0].str(), "e4");

  useText("[WHITE \"A name longer than twenty-five characters\"]\n\n1. e4\n");
  ASSERT_EQ(caricapartita(0), esitocaricamento::completa);
  EXPECT_EQ(partita.whiteplayer.str(), "A name longer than twenty");
  EXPECT_EQ(partita.blackplayer.str(), "");
  EXPECT_EQ(partita.event.str(), "");
  EXPECT_EQ(partita.result.str(), "*");
}

TEST(PgnLoad, FenTagSetsUpTheStartAndAnUnplayableOneChangesNothing) {
  esitocaricamento outcome;
  EXPECT_EQ(loadMoves("1... Kd7 2. e4 *", &outcome, "[FEN \"4k3/8/8/8/8/8/4P3/4K3 b - - 0 1\"]\n"),
            (V{"e8d7", "e2e4"}));
  EXPECT_EQ(outcome, esitocaricamento::completa);
  EXPECT_EQ(partita.startfen.str(), "4k3/8/8/8/8/8/4P3/4K3 b - - 0 1");

  listaverifica.clear();
  useText("[White \"C\"]\n[Black \"D\"]\n[FEN \"8/8/8/8/8/8/8/8 w - - 0 1\"]\n\n1. e4\n");
  std::string failed;
  EXPECT_EQ(caricapartita(0, &failed), esitocaricamento::rifiutata);
  EXPECT_EQ(played(), (V{"e8d7", "e2e4"}));
  ASSERT_EQ(listaverifica.size(), 1u);
  EXPECT_EQ(listaverifica[0].rfind("C D FEN: ", 0), 0u) << listaverifica[0];
  EXPECT_EQ(caricapartita(-1), esitocaricamento::rifiutata);
  EXPECT_EQ(caricapartita(99), esitocaricamento::rifiutata);
  EXPECT_EQ(partita.count, 2);
}

// --- movetext cleaning ---------------------------------------------------------

TEST(PgnLoad, CommentsAndVariationsAreIgnoredNestedOnesWhole) {
  EXPECT_EQ(loadMoves("1. e4 {best} e5 2. Nf3"), (V{"e2e4", "e7e5", "g1f3"}));
  EXPECT_EQ(loadMoves("1. e4 (1. d4 d5 (1... Nf6 2. c4) 2. c4) 1... e5 (1... c5 (1... e6)) 2. Nf3 *"),
            (V{"e2e4", "e7e5", "g1f3"}));
  EXPECT_EQ(loadMoves("1. e4 {a comment\nacross (two) lines} e5\n{(}2. Nf3 1-0"), (V{"e2e4", "e7e5", "g1f3"}));
  EXPECT_EQ(loadMoves("1.e4{glued}e5(2.d4)2.Nf3"), (V{"e2e4", "e7e5", "g1f3"}));
}

TEST(PgnLoad, UnmatchedBracketsDropTheRestAndStrayClosingOnesAreDropped) {
  esitocaricamento outcome;
  EXPECT_EQ(loadMoves("1. e4 e5 {unterminated 2. Nf3 Nc6", &outcome), (V{"e2e4", "e7e5"}));
  EXPECT_EQ(outcome, esitocaricamento::completa);
  EXPECT_EQ(loadMoves("1. e4 e5 (2. d4 (2. c4) 2. Nf3 Nc6"), (V{"e2e4", "e7e5"}));
  EXPECT_EQ(loadMoves("1. e4 } e5 ) 2. Nf3"), (V{"e2e4", "e7e5", "g1f3"}));
  EXPECT_EQ(puliscimosse("1. e4 } e5 {x"), "1 e4 e5 ");
}

TEST(PgnLoad, ResultEndsTheMovetextAndBlackMoveNumbersAreSkipped) {
  EXPECT_EQ(loadMoves("1. e4 1... e5 2. Nf3 1/2-1/2 2... Nc6"), (V{"e2e4", "e7e5", "g1f3"}));
  EXPECT_EQ(loadMoves("1. e4 e5 * 2. Nf3"), (V{"e2e4", "e7e5"}));
  EXPECT_EQ(loadMoves("1.e4 e5 2.Nf3 0-1"), (V{"e2e4", "e7e5", "g1f3"}));
  EXPECT_EQ(puliscimosse("  1.e4   e5 2. Nf3   1-0 junk"), "1 e4 e5 2 Nf3 ");
}

TEST(PgnLoad, SemicolonCommentsEscapeLinesAndTabs) {
  EXPECT_EQ(loadMoves("1. e4 ; Nf6 is a comment here\n%escape 2. d4\n1...\te5 2. Nf3 {a ; b} Nc6"),
            (V{"e2e4", "e7e5", "g1f3", "b8c6"}));
}

TEST(PgnLoad, AnnotationsChecksAndGlyphsAreNotMoves) {
  EXPECT_EQ(loadMoves("1. e4! $1 e5?! 2. Nf3 !? Nc6 +- 3. Bb5+ \xC2\xB1 a6!! 4. Ba4 = Nf6?? 5. O-O+! Be7!?"),
            (V{"e2e4", "e7e5", "g1f3", "b8c6", "f1b5", "a7a6", "b5a4", "g8f6", "e1g1", "f8e7"}));
  EXPECT_EQ(tokenmosse("e4 $14 !? +/- = ~ -- e5"), (V{"e4", "--", "e5"}));
}

TEST(PgnLoad, EnPassantMarksAndCastlingWithZeros) {
  EXPECT_EQ(loadMoves("1. e4 a6 2. e5 d5 3. exd6 e.p. Nf6 4. Nf3 e5 5. Bc4 Be7 6. 0-0 0-0 7. d4 exd4 *"),
            (V{"e2e4", "a7a6", "e4e5", "d7d5", "e5d6", "g8f6", "g1f3", "e7e5", "f1c4", "f8e7", "e1g1", "e8g8",
               "d2d4", "e5d4"}));
  EXPECT_NE(partita.moves[4] & MV_CAPTURE, 0u);
  EXPECT_EQ(loadMoves("1. e4 a6 2. e5 d5 3. exd6e.p. Nf6"), (V{"e2e4", "a7a6", "e4e5", "d7d5", "e5d6", "g8f6"}));
  EXPECT_EQ(loadMoves("1. d4 d5 2. Nc3 Nc6 3. Bf4 Bf5 4. Qd2 Qd7 5. 0-0-0+ O-O-O#"),
            (V{"d2d4", "d7d5", "b1c3", "b8c6", "c1f4", "c8f5", "d1d2", "d8d7", "e1c1", "e8c8"}));
}

TEST(PgnLoad, PromotionsWithAndWithoutEquals) {
  EXPECT_EQ(loadMoves("1. a8=Q Kg5 2. b8N Kh5 3. c8=R+ Kg5 4. d8B+", nullptr,
                      "[FEN \"8/PPPP4/8/7k/8/8/8/4K3 w - - 0 1\"]\n"),
            (V{"a7a8q", "h5g5", "b7b8n", "g5h5", "c7c8r", "h5g5", "d7d8b"}));
}

// --- tokens the SAN reader alone would not place ------------------------------

TEST(PgnLoad, APinnedTwinNeedsNoDisambiguation) {
  // The rook on e4 is pinned to its king, so "Rc4" can only be the c1 rook,
  // though both reach c4 and the reader's finder prefers the later one.
  zeftest::setUp("4r1k1/8/8/8/4R3/8/4K3/2R5 w - - 0 1");
  ASSERT_EQ(leggisan("Rc4"), mvMake(zeftest::sq("e4"), zeftest::sq("c4")));
  EXPECT_EQ(loadMoves("1. Rc4 Kf7 2. Kd3", nullptr, "[FEN \"4r1k1/8/8/8/4R3/8/4K3/2R5 w - - 0 1\"]\n"),
            (V{"c1c4", "g8f7", "e2d3"}));
  EXPECT_EQ(loadMoves("1... Rc7 2. Kg3", nullptr, "[FEN \"4R3/4r3/8/4k3/8/8/7K/2r5 b - - 0 1\"]\n"),
            (V{"c1c7", "h2g3"}));
}

TEST(PgnLoad, CapturesWithoutXAndLongAlgebraic) {
  EXPECT_EQ(loadMoves("1. e4 d5 2. ed5 Qd5 3. Nc3 Qa5"), (V{"e2e4", "d7d5", "e4d5", "d8d5", "b1c3", "d5a5"}));
  EXPECT_NE(partita.moves[2] & MV_CAPTURE, 0u);
  EXPECT_EQ(loadMoves("1. e2-e4 e7-e5 2. Ng1-f3 Nb8xc6"), (V{"e2e4", "e7e5", "g1f3", "b8c6"}));
}

TEST(PgnLoad, AnUnplayableTokenStopsTheLoadWithOneLogLine) {
  listaverifica.clear();
  useText("[White \"W\"]\n[Black \"Bl\"]\n\n1. e4 e5 2. Qd9 Nc6\n");
  std::string failed;
  EXPECT_EQ(caricapartita(0, &failed), esitocaricamento::interrotta);
  EXPECT_EQ(failed, "Qd9");
  EXPECT_EQ(played(), (V{"e2e4", "e7e5"}));
  ASSERT_EQ(listaverifica.size(), 1u);
  EXPECT_EQ(listaverifica[0], "W Bl Qd9");

  // No legal move fits: the square is taken by an own pawn.
  listaverifica.clear();
  EXPECT_EQ(loadMoves("1. e4 e5 2. Nd2 Nc6"), (V{"e2e4", "e7e5"}));
  EXPECT_EQ(listaverifica, (V{"A B Nd2"}));
  listaverifica.clear();
  esitocaricamento outcome;
  EXPECT_EQ(loadMoves("1. e4 -- 2. d4", &outcome), (V{"e2e4"}));
  EXPECT_EQ(outcome, esitocaricamento::interrotta);
  EXPECT_EQ(listaverifica, (V{"A B --"}));
}

TEST(PgnLoad, AGameLongerThanTheRecordKeepsItsFirst600HalfMoves) {
  std::string text;
  for (int i = 0; i < 151; ++i) text += "Nf3 Nf6 Ng1 Ng8 ";
  listaverifica.clear();
  esitocaricamento outcome;
  const V moves = loadMoves(text, &outcome);
  EXPECT_EQ(outcome, esitocaricamento::interrotta);
  ASSERT_EQ(moves.size(), 600u);
  EXPECT_EQ(moves[599], "f6g8");
  EXPECT_EQ(partita.count, MAXGAMEMOVES);
  EXPECT_EQ(listaverifica, (V{"A B Nf3"}));
  EXPECT_EQ(tokenmosse(text).size(), static_cast<size_t>(MAXTOKENMOSSE));
}

// --- the public game records --------------------------------------------------

TEST(PgnLoad, EveryGameOfTheShippedRecordsLoadsCompletely) {
  // Half-move totals per file as chess.js counts them.
  const std::pair<const char*, long> files[] = {
      {"Capablanca.pgn", 46577}, {"Carlsen8games.pgn", 479},     {"London1851.pgn", 19866},
      {"Philidor.pgn", 499},     {"Tarrasch7games.pgn", 411},    {"WorldChamp1886.pgn", 1680}};
  int games = 0;
  for (const auto& [name, expected] : files) {
    std::string errore;
    ASSERT_TRUE(aprifilepgn(std::string(ZEF_SOURCE_DIR) + "/data/book/games/" + name, errore)) << errore;
    long total = 0;
    for (const std::string& entry : indicepartite) {
      std::string failed;
      EXPECT_EQ(caricapartita(rigadiindice(entry), &failed), esitocaricamento::completa) << name << " " << entry
                                                                                        << " at " << failed;
      total += partita.count;
      ++games;
    }
    EXPECT_EQ(total, expected) << name;
  }
  EXPECT_EQ(games, 889);
}

}  // namespace
