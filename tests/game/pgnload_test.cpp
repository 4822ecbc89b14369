#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/position/position.h"
#include "game/bookbuild.h"
#include "game/gamefiles.h"
#include "records/notation.h"
#include "records/pgnfen.h"
#include "records/verifylog.h"
#include "settings/language.h"
#include "support/engine_fixture.h"
#include "support/tempfolder.h"
#include "text/namevalue.h"

namespace {

using V = std::vector<std::string>;

V played() {
  V moves;
  for (int i = 0; i < partita.count; ++i) {
    const uint32_t m = partita.moves[i];
    std::string c{static_cast<char>('a' + mvFrom(m) % 8), static_cast<char>('1' + mvFrom(m) / 8),
                  static_cast<char>('a' + mvTo(m) % 8), static_cast<char>('1' + mvTo(m) / 8)};
    moves.push_back(c);
  }
  return moves;
}

void useText(const std::string& text) { openPgnText(text); }

// The moves of a one-game file made of two tags (and extra ones) and the movetext.
V loadMoves(const std::string& movetext, const std::string& extraTags = "", esitocaricamento* outcome = nullptr) {
  useText("[White \"A\"]\n[Black \"B\"]\n" + extraTags + "\n" + movetext + "\n");
  const esitocaricamento got = caricapartita(0);
  if (outcome) *outcome = got;
  return played();
}

TEST(PgnIndex, EntriesForEveryGameWhateverItsMovetextBeginsWithTagsOrNot) {
  useText(
      "1. e4 e5\n\n[Event \"x\"]\n[white \"A\"]\n[BLACK \"B\"]\n[WhiteElo \"2400\"]\n[Result \"1/2-1/2\"]\n\n"
      "1. e4 e5 1/2-1/2\n\n[White \"C\"]\n[FEN \"4k3/8/8/8/8/8/4P3/4K3 b - - 0 23\"]\n\n23... Kd7 24. e4 *\n\n"
      "[White \"D\"]\n\n{opening comment} 1. d4 *\n\n[Black \"E\"]");
  EXPECT_EQ(indicepartite, (V{"0 - : ", "1 A-B : 1/2-1/2", "2 C- : ", "3 D- : ", "4 -E : "}));
  EXPECT_EQ(rigadiindice(indicepartite[2]), 2);
  EXPECT_EQ(caricapartita(0), esitocaricamento::completa);
  EXPECT_EQ(played(), (V{"e2e4", "e7e5"}));
  EXPECT_EQ(caricapartita(2), esitocaricamento::completa);
  EXPECT_EQ(played(), (V{"e8d7", "e2e4"}));
  EXPECT_EQ(caricapartita(3), esitocaricamento::completa);
  EXPECT_EQ(played(), (V{"d2d4"}));
}

TEST(PgnIndex, GamesWithoutTagsTagsBesideMovesAndBlankLinesAmongTags) {
  // Tagless games follow each other after a result and a blank line.
  useText("1. e4 e5 1-0\n\n1. d4 d5 0-1\n\n{only a comment}\n\n1. c4 *\n");
  EXPECT_EQ(indicepartite, (V{"0 - : ", "1 - : ", "2 - : "}));
  EXPECT_EQ(caricapartita(1), esitocaricamento::completa);
  EXPECT_EQ(played(), (V{"d2d4", "d7d5"}));
  EXPECT_EQ(caricapartita(2), esitocaricamento::completa);
  EXPECT_EQ(played(), (V{"c2c4"}));
  // Several tags on a line, and the moves on the line of the last tag.
  useText("[White \"A\"] [Black \"B\"] [Result \"1-0\"] 1. e4 e5 1-0 [White \"C\"][Black \"D\"] 1. d4 *\n");
  EXPECT_EQ(indicepartite, (V{"0 A-B : 1-0", "1 C-D : "}));
  EXPECT_EQ(caricapartita(0), esitocaricamento::completa);
  EXPECT_EQ(played(), (V{"e2e4", "e7e5"}));
  EXPECT_EQ(caricapartita(1), esitocaricamento::completa);
  EXPECT_EQ(played(), (V{"d2d4"}));
  // A blank line inside the tags joins them; a repeated tag starts the next game.
  useText("[White \"A\"]\n\n[Black \"B\"]\n\n1. e4 *\n\n[White \"C\"]\n[Result \"*\"]\n\n[White \"D\"]\n\n1. d4 *\n");
  EXPECT_EQ(indicepartite, (V{"0 A-B : ", "1 C- : *", "2 D- : "}));
  EXPECT_EQ(caricapartita(0), esitocaricamento::completa);
  EXPECT_EQ(played(), (V{"e2e4"}));
  // A tag written twice in one block is a slip, not a new game.
  useText("[White \"A\"]\n[WhiteElo \"\"]\n[WhiteElo \"1500\"]\n\n1. e4 *\n");
  EXPECT_EQ(indicepartite, (V{"0 A- : "}));
}

TEST(PgnIndex, CrLfAndLfFilesReadAlikeAndAnUnreadableFileChangesNothing) {
  zeftest::TempFolder dir;
  dir.write("crlf.pgn", "[White \"A\"]\r\n[Black \"B\"]\r\n\r\n1. e4 e5 2. Nf3 *\r\n");
  dir.write("lf.pgn", "[White \"A\"]\n[Black \"B\"]\n\n1. e4 e5 2. Nf3 *\n");
  dir.write("binary.pgn", std::string("[White \"A\"]\n\0\0", 14));
  std::string errore;
  ASSERT_TRUE(aprifilepgn(dir.file("crlf.pgn"), errore)) << errore;
  ASSERT_EQ(caricapartita(0), esitocaricamento::completa);
  const V fromCrLf = played();
  ASSERT_TRUE(aprifilepgn(dir.file("lf.pgn"), errore)) << errore;
  ASSERT_EQ(caricapartita(0), esitocaricamento::completa);
  EXPECT_EQ(played(), fromCrLf);
  EXPECT_EQ(played(), (V{"e2e4", "e7e5", "g1f3"}));
  for (const char* bad : {"missing.pgn", "", "binary.pgn"}) {
    EXPECT_FALSE(aprifilepgn(dir.file(bad), errore)) << bad;
    EXPECT_FALSE(errore.empty());
  }
  EXPECT_EQ(indicepartite, (V{"0 A-B : "}));
  ASSERT_EQ(caricapartita(0), esitocaricamento::completa);
  EXPECT_EQ(played(), fromCrLf);
}

TEST(PgnLoad, TagsFillTheGameRecordAndAnUnplayableFenChangesNothing) {
  useText(
      "[Event \"Havana m\"]\n[Site \"Havana\"]\n[Date \"1901.??.??\"]\n[Round \"1\"]\n"
      "[White \"A name longer than twenty-five characters\"]\n[Result \"0-1\"]\n\n1. e4 0-1\n");
  ASSERT_EQ(caricapartita(0), esitocaricamento::completa);
  EXPECT_EQ(partita.event.str() + "|" + partita.site.str() + "|" + partita.date.str() + "|" + partita.pgnround.str(),
            "Havana m|Havana|1901.??.??|1");
  EXPECT_EQ(partita.whiteplayer.str(), "A name longer than twenty");
  EXPECT_EQ(partita.blackplayer.str(), "");  // not the settings' player name
  EXPECT_EQ(partita.result.str(), "0-1");
  EXPECT_EQ(partita.movetext[0].str(), "e4");
  EXPECT_EQ(partita.current, 1);

  EXPECT_EQ(loadMoves("1... Kd7 2. e4", "[FEN \"4k3/8/8/8/8/8/4P3/4K3 b - - 0 1\"]\n"), (V{"e8d7", "e2e4"}));
  EXPECT_EQ(partita.startfen.str(), "4k3/8/8/8/8/8/4P3/4K3 b - - 0 1");
  listaverifica.clear();
  esitocaricamento outcome;
  EXPECT_EQ(loadMoves("1. e4", "[FEN \"8/8/8/8/8/8/8/8 w - - 0 1\"]\n", &outcome), (V{"e8d7", "e2e4"}));
  EXPECT_EQ(outcome, esitocaricamento::rifiutata);
  ASSERT_EQ(listaverifica.size(), 1u);
  EXPECT_EQ(listaverifica[0].rfind("A B FEN: ", 0), 0u) << listaverifica[0];
  EXPECT_EQ(caricapartita(-1), esitocaricamento::rifiutata);
  EXPECT_EQ(caricapartita(99), esitocaricamento::rifiutata);
}

TEST(PgnLoad, CommentsVariationsAndResultsAreCleanedAway) {
  const V three{"e2e4", "e7e5", "g1f3"};
  EXPECT_EQ(loadMoves("1. e4 {best} e5 2. Nf3"), three);
  EXPECT_EQ(loadMoves("1. e4 (1. d4 d5 (1... Nf6 2. c4) 2. c4) 1... e5 (1... c5 (1... e6)) 2. Nf3 *"), three);
  EXPECT_EQ(loadMoves("1. e4 {a comment\nacross (two) lines} e5\n{(}2. Nf3 1-0 3. Bc4"), three);
  EXPECT_EQ(loadMoves("1.e4{glued}e5(2.d4)2.Nf3 1/2-1/2"), three);
  EXPECT_EQ(loadMoves("1. e4 ; Nf6 is a comment\n%escape line 2. d4\n1...\te5 {a ; b} 2. Nf3 0-1 Nc6"), three);
  // What follows the result is not the game's: an open bracket there is no fault.
  esitocaricamento outcome;
  EXPECT_EQ(loadMoves("1. e4 e5 2. Nf3 1-0 {trailing (junk", "", &outcome), three);
  EXPECT_EQ(outcome, esitocaricamento::completa);
}

// The report of a game not read to its end, in the built-in English texts.
std::string stopOf(const std::string& movetext, const std::string& extraTags = "") {
  caricalinguainterna();
  esitocaricamento outcome;
  loadMoves(movetext, extraTags, &outcome);
  if (outcome == esitocaricamento::rifiutata) return "refused | " + loadReportText(lastLoad);
  return (outcome == esitocaricamento::completa ? "complete" : "stopped") + std::string(" ") +
         std::to_string(partita.count) + " | " + loadReportText(lastLoad);
}

TEST(PgnLoad, EveryGameNotReadToItsEndIsStoppedWithItsHalfMoveAndReason) {
  EXPECT_EQ(stopOf("1. e4 e5 2. Sf3 Sc6 3. Lb5 *"), "stopped 2 | stopped at half-move 3 (Sf3): unknown piece letter");
  EXPECT_EQ(stopOf("1. e4 e5 2. Cf3 Cc6 *"), "stopped 2 | stopped at half-move 3 (Cf3): unknown piece letter");
  EXPECT_EQ(stopOf("1. \u2658f3 \u265Ef6 2. \u2657g2 *"),
            "stopped 2 | stopped at half-move 3 (\u2657g2): not a legal move in the position");
  EXPECT_EQ(stopOf("1. e4 e5 2. nf3 *"), "stopped 2 | stopped at half-move 3 (nf3): not a move");
  EXPECT_EQ(stopOf("1. e4 e5 2. Nf3 {unclosed 2... Nc6 3. Bb5"),
            "stopped 3 | stopped at half-move 4 ({): comment not closed");
  EXPECT_EQ(stopOf("1. e4 e5 (1... c5 2. Nf3 2. Nf3 Nc6"),
            "stopped 2 | stopped at half-move 3 ((): variation not closed");
  EXPECT_EQ(stopOf("1. e4 (1. d4 (1. c4) 1. e4 e5 2. Nf3 *"),
            "stopped 1 | stopped at half-move 2 ((): variation not closed");
  EXPECT_EQ(stopOf("1. e4 } e5 2. Nf3 *"),
            "stopped 1 | stopped at half-move 2: closing bracket without an opening one");
  EXPECT_EQ(stopOf("1. e4 e5 ) 2. Nf3 *"),
            "stopped 2 | stopped at half-move 3: closing bracket without an opening one");
  EXPECT_EQ(stopOf("1. e4 e5 2. Nf3 {fine} Nc6 *"), "complete 4 | ");
  EXPECT_EQ(stopOf("1. e4", "[FEN \"8/8/8/3kK3/8/8/8/8 w - - 0 1\"]\n"),
            "refused | the FEN tag is not a playable position: the kings stand next to each other");
  EXPECT_EQ(lastLoad.outcome, esitocaricamento::rifiutata);
  // The half-move counts from the game's own start, Black first included.
  EXPECT_EQ(stopOf("23... Kd7 24. Kf2 Sd6", "[FEN \"4k3/8/8/8/8/8/4P3/4K3 b - - 0 23\"]\n"),
            "stopped 2 | stopped at half-move 3 (Sd6): unknown piece letter");
}

TEST(PgnLoad, MovesAfterTheResultAndAFileCutInsideATagAreStops) {
  EXPECT_EQ(stopOf("1. e4 e5 2. Nf3 1-0 3. Bc4"), "stopped 3 | stopped at half-move 4 (Bc4): moves after the result");
  EXPECT_EQ(stopOf("1. e4 e5 2. Nf3 1-0\n{a comment after the result}"), "complete 3 | ");
  caricalinguainterna();
  useText("[White \"A\"]\n\n1. e4 e5 1-0\n\n[White \"C\"]\n[Black \"D");
  ASSERT_EQ(indicepartite.size(), 2u);
  EXPECT_EQ(caricapartita(1), esitocaricamento::interrotta);
  EXPECT_EQ(loadReportText(lastLoad),
            "stopped at half-move 1 ([Black \"D): a tag pair not closed (the file is cut off?)");
}

TEST(PgnLoad, CoordinateMovesAreReadInEveryLegalCase) {
  EXPECT_EQ(loadMoves("1. e2e4 e7e5 2. g1f3 b8c6 3. f1c4 g8f6 4. e1g1 f8c5 5. d2d4 c5d4 6. f3d4 c6d4"),
            (V{"e2e4", "e7e5", "g1f3", "b8c6", "f1c4", "g8f6", "e1g1", "f8c5", "d2d4", "c5d4", "f3d4", "c6d4"}));
  EXPECT_NE(partita.moves[11] & MV_CAPTURE, 0u);
  esitocaricamento outcome;
  loadMoves("1. c7c8q Kf7 2. c8c7", "[FEN \"4k3/2P5/8/8/8/8/8/4K3 w - - 0 1\"]\n", &outcome);
  EXPECT_EQ(outcome, esitocaricamento::completa);
  EXPECT_EQ(partita.moves[0] & MV_PROMOS, MV_PROMO_Q);
  loadMoves("1. c7c8N Kd7", "[FEN \"4k3/2P5/8/8/8/8/8/4K3 w - - 0 1\"]\n", &outcome);
  EXPECT_EQ(outcome, esitocaricamento::completa);
  EXPECT_EQ(partita.moves[0] & MV_PROMOS, MV_PROMO_N);
  // A promotion needs its letter; a coordinate move of no legal move stops the game.
  EXPECT_EQ(loadMoves("1. c7c8 Kd7", "[FEN \"4k3/2P5/8/8/8/8/8/4K3 w - - 0 1\"]\n", &outcome), V{});
  EXPECT_EQ(outcome, esitocaricamento::interrotta);
  EXPECT_EQ(loadMoves("1. e2e4 e7e5 2. g1g3", "", &outcome), (V{"e2e4", "e7e5"}));
  EXPECT_EQ(lastLoad.reason, StopReason::illegal);
}

TEST(PgnLoad, CommentLinesStartingWithABracketStayInTheirComment) {
  const V four{"e2e4", "e7e5", "g1f3", "b8c6"};
  useText(
      "[White \"A\"]\n\n1. e4 e5 {a comment\n[that goes on] across lines} 2. Nf3 Nc6 *\n\n"
      "  [White \"Indented\"]\n\t[Black \"Tags\"]\n1. d4 *\n\n"
      "[White \"Open\"]\n\n1. e4 e5 2. Nf3 Nc6 {never closed\n[Event \"Next\"]\n[White \"After\"]\n\n1. c4 *\n");
  EXPECT_EQ(indicepartite, (V{"0 A- : ", "1 Indented-Tags : ", "2 Open- : ", "3 After- : "}));
  EXPECT_EQ(caricapartita(0), esitocaricamento::completa);
  EXPECT_EQ(played(), four);
  EXPECT_EQ(caricapartita(1), esitocaricamento::completa);
  EXPECT_EQ(partita.blackplayer.str(), "Tags");
  EXPECT_EQ(played(), (V{"d2d4"}));
  EXPECT_EQ(caricapartita(2), esitocaricamento::interrotta);
  EXPECT_EQ(played(), four);
  EXPECT_EQ(lastLoad.reason, StopReason::openComment);
  EXPECT_EQ(caricapartita(3), esitocaricamento::completa);
  EXPECT_EQ(played(), (V{"c2c4"}));
}

TEST(PgnLoad, MessyTokensOfRealFiles) {
  EXPECT_EQ(loadMoves("1. e4! $1 e5?! 2. Nf3 !? Nc6 +- 3. Bb5+ \xC2\xB1 a6!! 4. Ba4 = Nf6?? 5. O-O+! Be7!?"),
            (V{"e2e4", "e7e5", "g1f3", "b8c6", "f1b5", "a7a6", "b5a4", "g8f6", "e1g1", "f8e7"}));
  EXPECT_EQ(loadMoves("1. e4 a6 2. e5 d5 3. exd6 e.p. Nf6 4. Nf3 e5 5. Bc4 Be7 6. 0-0 0-0 7. d4 exd4"),
            (V{"e2e4", "a7a6", "e4e5", "d7d5", "e5d6", "g8f6", "g1f3", "e7e5", "f1c4", "f8e7", "e1g1", "e8g8", "d2d4",
               "e5d4"}));
  EXPECT_NE(partita.moves[4] & MV_CAPTURE, 0u);
  EXPECT_EQ(loadMoves("1. e4 a6 2. e5 d5 3. exd6e.p. Nf6"), (V{"e2e4", "a7a6", "e4e5", "d7d5", "e5d6", "g8f6"}));
  EXPECT_EQ(loadMoves("1. d4 d5 2. Nc3 Nc6 3. Bf4 Bf5 4. Qd2 Qd7 5. 0-0-0+ O-O-O#"),
            (V{"d2d4", "d7d5", "b1c3", "b8c6", "c1f4", "c8f5", "d1d2", "d8d7", "e1c1", "e8c8"}));
  EXPECT_EQ(parsePgnGame("e4 $14 !? +/- = ~ -- 12 e5").moves, (V{"e4", "--", "e5"}));
}

TEST(PgnLoad, TokensTheReaderMisplacesAreResolvedAgainstTheLegalMoves) {
  // The rook on e4 is pinned, so "Rc4" is the c1 rook, though the reader's
  // finder picks the later rook of the list.
  zeftest::setUp("4r1k1/8/8/8/4R3/8/4K3/2R5 w - - 0 1");
  ASSERT_EQ(leggisan("Rc4"), mvMake(zeftest::sq("e4"), zeftest::sq("c4")));
  EXPECT_EQ(loadMoves("1. Rc4 Kf7 2. Kd3", "[FEN \"4r1k1/8/8/8/4R3/8/4K3/2R5 w - - 0 1\"]\n"),
            (V{"c1c4", "g8f7", "e2d3"}));
  EXPECT_EQ(loadMoves("1... Rc7 2. Kg3", "[FEN \"4R3/4r3/8/4k3/8/8/7K/2r5 b - - 0 1\"]\n"), (V{"c1c7", "h2g3"}));
  // A capture without "x", a capture mark on a quiet move, long algebraic.
  EXPECT_EQ(loadMoves("1. e2-e4 d5 2. ed5 Qd5 3. Ng1-f3 Nb8xc6"), (V{"e2e4", "d7d5", "e4d5", "d8d5", "g1f3", "b8c6"}));
  EXPECT_NE(partita.moves[2] & MV_CAPTURE, 0u);
}

TEST(PgnLoad, AnUnplayableTokenStopsTheLoadWithOneLogLine) {
  for (const char* bad : {"Qd9", "Nd2", "--"}) {
    listaverifica.clear();
    std::string failed;
    useText(std::string("[White \"W\"]\n[Black \"Bl\"]\n\n1. e4 e5 2. ") + bad + " Nc6\n");
    EXPECT_EQ(caricapartita(0, &failed), esitocaricamento::interrotta);
    EXPECT_EQ(failed, bad);
    EXPECT_EQ(played(), (V{"e2e4", "e7e5"}));
    EXPECT_EQ(listaverifica, (V{std::string("W Bl ") + bad}));
  }
}

TEST(PgnLoad, AGameLongerThanTheRecordKeepsItsFirst600HalfMoves) {
  std::string text;
  for (int i = 0; i < 151; ++i) text += "Nf3 Nf6 Ng1 Ng8 ";
  listaverifica.clear();
  esitocaricamento outcome;
  const V moves = loadMoves(text, "", &outcome);
  EXPECT_EQ(outcome, esitocaricamento::interrotta);
  ASSERT_EQ(moves.size(), 600u);
  EXPECT_EQ(moves[599], "f6g8");
  EXPECT_EQ(listaverifica, (V{"A B Nf3"}));
  EXPECT_EQ(parsePgnGame(text).moves.size(), static_cast<size_t>(MAXTOKENMOSSE));
}

TEST(PgnLoad, EveryGameOfTheShippedRecordsLoadsCompletely) {
  // Half-move totals per file as chess.js counts them.
  const std::pair<const char*, long> files[] = {{"Capablanca.pgn", 46577},   {"Carlsen8games.pgn", 479},
                                                {"London1851.pgn", 19866},   {"Philidor.pgn", 499},
                                                {"Tarrasch7games.pgn", 411}, {"WorldChamp1886.pgn", 1680}};
  int games = 0;
  for (const auto& [name, expected] : files) {
    std::string errore, failed;
    ASSERT_TRUE(aprifilepgn(std::string(ZEF_SOURCE_DIR) + "/data/book/games/" + name, errore)) << errore;
    long total = 0;
    for (const std::string& entry : indicepartite) {
      EXPECT_EQ(caricapartita(rigadiindice(entry), &failed), esitocaricamento::completa) << entry << " at " << failed;
      total += partita.count;
      ++games;
    }
    EXPECT_EQ(total, expected) << name;
  }
  EXPECT_EQ(games, 889);
}

}  // namespace
