// The coach without a window: the hint, the analysis of the position
// shown, the review of a game and how each weighs and writes the scores.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>

#include "engine/position/fen.h"
#include "engine/position/game.h"
#include "engine/position/position.h"
#include "engine/search/clock.h"
#include "engine/search/driver.h"
#include "engine/search/searchstate.h"
#include "engine/toolkit.h"
#include "game/analysis.h"
#include "game/coachscore.h"
#include "game/gamefiles.h"
#include "game/hint.h"
#include "game/review.h"
#include "game/reviewnotes.h"
#include "records/gamenotes.h"
#include "settings/language.h"
#include "settings/manageini.h"
#include "support/command_output.h"
#include "support/engine_fixture.h"
#include "support/game_fixture.h"
#include "support/nested_command.h"
#include "support/tempfolder.h"

namespace {

class Coach : public ::testing::Test {
 protected:
  void SetUp() override {
    zeftest::initialiseEngineOnce();
    listaini.clear();
    inidefault();
    caricalinguainterna();
    setToolkit(&toolkit);
    modointerfaccia = 1;
    nuovapartita();
    c.setView(nullptr);
    c.setPlayer(true, false);
    c.setPlayer(false, false);
  }
  void TearDown() override {
    setToolkit(nullptr);
    c.setCoachMode(CoachMode::none);
    partita.motorebianco = partita.motorenero = 0;
    partita.inricerca = 0;
    nuovapartita();
  }
  bool play(const std::string& coord) { return zeftest::playCoord(c, coord) == MoveAttempt::played; }
  void load(const std::string& pgn) {
    openPgnText(pgn);
    std::string report;
    ASSERT_TRUE(c.loadGame(rigadiindice(indicepartite.at(0)), report)) << report;
  }

  GameController& c = controllore();
  zeftest::NestedCommand toolkit;
};

size_t occurrences(const std::string& text, const std::string& word) {
  size_t n = 0;
  for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) ++n;
  return n;
}

TEST(CoachScores, PawnsAndMatesAsPeopleAndGameFilesWriteThem) {
  EXPECT_EQ(pawnsText(35, true), "+0.35");
  EXPECT_EQ(pawnsText(-120, false), "-1.20");
  EXPECT_EQ(pawnsText(-5, true), "-0.05");
  EXPECT_EQ(pawnsText(0, true), "0.00");
  // Mate in one found at the root scores 32000 for the mover; the side to
  // move decides who mates.
  EXPECT_EQ(pawnsText(32000, true), "#1");
  EXPECT_EQ(pawnsText(-32000, false), "#-1");
  EXPECT_EQ(pawnsText(31999, true), "#2");
  EXPECT_EQ(pawnsText(-31999, true), "#-1") << "White to move and mated next move";
  EXPECT_EQ(evalCommand(35, true), "[%eval 0.35]");
  EXPECT_EQ(evalCommand(-120, true), "[%eval -1.2]");
  EXPECT_EQ(evalCommand(0, false), "[%eval 0.0]");
  EXPECT_EQ(evalCommand(31999, false), "[%eval #1]") << "Black to move is mated in one";
}

TEST(ReviewMarks, TheLossIsTheMoversWithinTheLimitAndEachThresholdMarks) {
  EXPECT_EQ(moveLoss(30, -30, true), 60);
  EXPECT_EQ(moveLoss(-30, 30, false), 60) << "Black loses what White gains";
  EXPECT_EQ(moveLoss(-30, 30, true), 0) << "a gain is no loss";
  EXPECT_EQ(moveLoss(31990, 400, true), LOSS_SCORE_LIMIT - 400) << "a mate missed in a won game";
  EXPECT_EQ(moveLoss(900, 600, true), 0) << "still beyond the limit: nothing lost";
  EXPECT_EQ(moveLoss(100, -31990, true), 100 + LOSS_SCORE_LIMIT);
  EXPECT_EQ(markOf(DUBIOUS_LOSS - 1), MoveMark::none);
  EXPECT_EQ(markOf(DUBIOUS_LOSS), MoveMark::dubious);
  EXPECT_EQ(markOf(MISTAKE_LOSS), MoveMark::mistake);
  EXPECT_EQ(markOf(BLUNDER_LOSS), MoveMark::blunder);
  EXPECT_EQ(glyphOf(MoveMark::blunder), "??");
  EXPECT_EQ(nagOf(MoveMark::dubious), "$6");
  EXPECT_EQ(nagOf(MoveMark::mistake), "$2");
  EXPECT_EQ(nagOf(MoveMark::blunder), "$4");
}

TEST_F(Coach, TheHintIsTheEnginesBestMoveAtThatDepthAndIsNotPlayed) {
  const std::string fen = "r1bqkb1r/pppp1ppp/2n2n2/4p2Q/2B1P3/8/PPPP1PPP/RNB1K1NR w KQkq - 4 4";
  constexpr int DEPTH = 5;
  zeftest::setUp(fen);
  moveStart = adesso();
  clockNow = moveStart;
  searchDeadline = 0x7fffffff;
  SearchLimits limits;
  limits.targetDepth = DEPTH;
  const uint32_t best = iterativeDeepening(limits, nullptr);
  ASSERT_NE(best, 0u);

  zeftest::setUp(fen);
  const std::optional<SearchReport> hint = findHint(c, 0, DEPTH);
  ASSERT_TRUE(hint.has_value());
  EXPECT_EQ(hint->from, mvFrom(best));
  EXPECT_EQ(hint->to, mvTo(best));
  EXPECT_EQ(hint->san, "Qxf7#") << "the mate in one";
  EXPECT_EQ(hint->line, "4. Qxf7#");
  EXPECT_EQ(c.recordedMoves(), 0);
  EXPECT_EQ(c.currentFen(), fen) << "the board stays as it was";

  // Mated: no move to suggest.
  zeftest::setUp("rnb1kbnr/pppp1ppp/8/4p3/6Pq/5P2/PPPPP2P/RNBQKBNR w KQkq - 1 3");
  EXPECT_FALSE(findHint(c, 100).has_value());
}

TEST_F(Coach, TheAnalysisFollowsThePositionShownPlaysNothingAndStopsWhenLeft) {
  ASSERT_TRUE(play("e2e4"));
  ASSERT_TRUE(play("e7e5"));
  c.setPlayer(true, true);  // the engine would be to move
  Analysis analysis;
  EXPECT_FALSE(analysis.due(c)) << "off";
  analysis.setOn(c, true);
  c.setCoachMode(CoachMode::analysis);
  EXPECT_FALSE(c.engineTurnDue()) << "analysis plays no move";
  EXPECT_TRUE(c.canPickUp(zeftest::sq("g1"))) << "the person plays both sides";
  ASSERT_TRUE(analysis.due(c));

  // Once it has a line, the player goes back a move: the search stops and
  // the command runs.
  std::string firstLine;
  analysis.run(c, [&] {
    if (!firstLine.empty()) return;
    firstLine = analysis.latest(c)->line;
    toolkit.command = [this] { c.goToMove(1); };
  });
  EXPECT_EQ(firstLine.rfind("2. ", 0), 0u) << firstLine;
  EXPECT_FALSE(c.searching());
  EXPECT_EQ(c.shownMove(), 1);
  EXPECT_EQ(c.recordedMoves(), 2) << "nothing was played";
  EXPECT_EQ(analysis.latest(c), nullptr) << "the line was the other position's";

  // The new position is searched; leaving the analysis stops it for good.
  ASSERT_TRUE(analysis.due(c));
  int reports = 0;
  std::string secondLine;
  analysis.run(c, [&] {
    if (++reports > 1) return;
    secondLine = analysis.latest(c)->line;
    toolkit.command = [&] { analysis.setOn(c, false); };
  });
  EXPECT_EQ(secondLine.rfind("1... ", 0), 0u) << secondLine;
  EXPECT_FALSE(c.searching());
  EXPECT_FALSE(analysis.due(c));
  EXPECT_EQ(c.recordedMoves(), 2);

  // An edited board is searched as it is set up: White without its queen.
  analysis.setOn(c, true);
  c.beginEditing();
  c.editor().put(zeftest::sq("d1"), board::EMPTY);
  c.editChanged();
  ASSERT_TRUE(analysis.due(c));
  analysis.run(c, [&] {
    if (analysis.latest(c)->depth >= 4) toolkit.command = [&] { analysis.setOn(c, false); };
  });
  ASSERT_NE(analysis.latest(c), nullptr);
  EXPECT_LT(analysis.latest(c)->score, -500) << "Black a queen ahead";
  EXPECT_EQ(analysis.latest(c)->line.rfind("1... ", 0), 0u) << analysis.latest(c)->line;
  std::string why;
  bool whyIsKey = false;
  ASSERT_TRUE(c.finishEditing(why, whyIsKey)) << why;

  // A position without a move is done at once.
  analysis.setOn(c, true);
  zeftest::setUp("rnb1kbnr/pppp1ppp/8/4p3/6Pq/5P2/PPPPP2P/RNBQKBNR w KQkq - 1 3");
  analysis.run(c, nullptr);
  EXPECT_FALSE(analysis.due(c));
}

TEST_F(Coach, AKnownBlunderIsMarkedAndTheSavedGameReadsBackInPgnExtract) {
  load("[White \"W\"]\n[Black \"B\"]\n[Result \"1-0\"]\n\n1. e4 e5 2. Bc4 Nc6 3. Qh5 {threat} Nf6 4. Qxf7# 1-0\n");
  c.goToMove(3);
  GameReview review;
  ASSERT_TRUE(review.start(c, REVIEW_SHORTEST_MS));
  c.setCoachMode(CoachMode::review);
  int steps = 0;
  while (review.step(c)) {
    ++steps;
    EXPECT_FALSE(c.canPickUp(zeftest::sq("d2"))) << "nobody moves during a review";
  }
  EXPECT_EQ(steps, 7) << "eight positions, the last one ends it";
  ASSERT_TRUE(review.done());
  EXPECT_EQ(review.marks().at(6), MoveMark::blunder) << "3... Nf6?? allows the mate";
  EXPECT_EQ(review.marks().at(7), MoveMark::none);
  EXPECT_GT(review.scores().at(7), COACH_MATE_SCORE);
  EXPECT_EQ(c.shownMove(), 3) << "the board goes back where it was";
  EXPECT_EQ(moveSign(6), "??") << "the move list writes the mark after the move";
  EXPECT_EQ(moveSign(7), "");

  zeftest::TempFolder dir;
  std::string error;
  ASSERT_TRUE(salvapgn(dir.file("g.pgn"), error)) << error;
  // Both writers break lines where the scores' lengths take them.
  const auto oneLine = [](std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
  };
  const std::string saved = oneLine(dir.read("g.pgn"));
  EXPECT_NE(saved.find("Nf6 $4 {[%eval"), std::string::npos) << saved;
  EXPECT_NE(saved.find("{threat}"), std::string::npos) << "the file's comment stays";
  // Debian's pgn-extract reads it without a word, keeping the NAG and every score.
  const std::string extracted =
      oneLine(zeftest::commandOutput("/usr/games/pgn-extract -s " + dir.file("g.pgn") + " 2>" + dir.file("err.txt")));
  EXPECT_EQ(dir.read("err.txt"), "");
  EXPECT_NE(extracted.find("Nf6 $4"), std::string::npos) << extracted;
  EXPECT_EQ(occurrences(extracted, "[%eval "), 6u) << "after every move but the mate: " << extracted;
  EXPECT_NE(extracted.find("Qxf7# 1-0"), std::string::npos) << extracted;
}

TEST_F(Coach, AReviewWhoseGameIsReplacedOrThatIsStoppedMarksNothing) {
  load("[White \"W\"]\n[Black \"B\"]\n\n1. e4 e5 2. Bc4 Nc6 3. Qh5 Nf6 4. Qxf7# 1-0\n");
  const std::vector<std::vector<std::string>> notesBefore = gameNotes.after;
  GameReview review;
  ASSERT_TRUE(review.start(c, REVIEW_SHORTEST_MS));
  ASSERT_TRUE(review.step(c));
  toolkit.command = [this] { c.newGame(); };
  EXPECT_TRUE(review.step(c)) << "the search stopped for the new game";
  EXPECT_EQ(c.recordedMoves(), 0);
  EXPECT_FALSE(review.step(c)) << "another game: the review ends";
  EXPECT_FALSE(review.running());
  EXPECT_FALSE(review.done());

  load("[White \"W\"]\n[Black \"B\"]\n\n1. e4 e5 2. Bc4 Nc6 3. Qh5 Nf6 4. Qxf7# 1-0\n");
  c.goToMove(2);
  ASSERT_TRUE(review.start(c, REVIEW_SHORTEST_MS));
  ASSERT_TRUE(review.step(c));
  toolkit.command = [&] { review.stop(c); };
  EXPECT_FALSE(review.step(c));
  EXPECT_FALSE(review.done());
  EXPECT_EQ(review.scored(), 1) << "the scores so far stay";
  EXPECT_EQ(c.shownMove(), 2) << "the board goes back where it was";
  EXPECT_EQ(gameNotes.after, notesBefore);
}

}  // namespace
