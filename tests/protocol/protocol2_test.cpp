// The second xboard protocol and UCI, dispatched in-process.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/position/fen.h"
#include "engine/position/game.h"
#include "engine/position/position.h"
#include "engine/search/clock.h"
#include "engine/search/levels.h"
#include "engine/search/searchstate.h"
#include "protocol/enginelevel.h"
#include "protocol/enginescore.h"
#include "protocol/hashsize.h"
#include "protocol/iowinboard.h"
#include "protocol/numbers.h"
#include "protocol/winboard.h"
#include "protocol_fixture.h"
#include "settings/language.h"
#include "support/engine_fixture.h"
#include "text/output.h"

namespace {

class Protocol2 : public zeftest::ProtocolFixture {};

}  // namespace

TEST_F(Protocol2, AnnouncesFeaturesInsteadOfTheFirstProtocolLines) {
  processatick({"xboard", "protover 2"});
  ASSERT_EQ(out.size(), 2u);
  for (const char* f : {"setboard=1", "usermove=1", "ping=1", "colors=0", "sigint=0", "sigterm=0", "done=1",
                        "myname=\"Zefiran_3D 0.92\""})
    EXPECT_NE(out[1].find(f), std::string::npos) << f;
  EXPECT_EQ(modointerfaccia, 2);
}

// A feature line of its own offers the skill level (xboard aborts on an
// option after a feature it rejects in the same line); "option" sets it, and the
// engine's moves are then searched no deeper than the level's depth.
TEST_F(Protocol2, TheSkillLevelOptionSetsTheLevelOfTheEnginesMoves) {
  processatick({"xboard", "protover 2"});
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(out[0], "feature option=\"Skill Level -spin 5 0 5\"");
  EXPECT_NE(out[1].find(" done=1"), std::string::npos) << out[1];
  processatick({"option Skill Level=1"});
  EXPECT_EQ(frontEndLevel(), 1);
  processatick({"option Skill Level=many", "option Hash=8"});
  EXPECT_EQ(out.back(), "Error (unknown option): option Hash=8");
  EXPECT_EQ(frontEndLevel(), 1);
  out.clear();
  // A position no book knows, so that the engine searches.
  processatick({"new", "force", "post", "level 0 1 0",
                "setboard r3k2r/ppp2ppp/2n5/3q4/3P4/2N5/PP3PPP/R2QK2R w KQkq - 0 12", "time 6000", "otim 6000", "go"});
  ASSERT_EQ(starting("move ").size(), 1u);
  const std::vector<std::string> thinking = starting(std::to_string(strengthLevel(1).depth) + " ");
  EXPECT_FALSE(thinking.empty());
  EXPECT_EQ(thinking.size(), out.size() - 1) << "only the level's depth is searched";
  EXPECT_EQ(frontEndLevel(), 1) << "a new game keeps the level";
}

TEST_F(Protocol2, GoAfterForcePlaysTheSideToMoveAndScoresAreTheEngines) {
  processatick({"xboard", "protover 2", "new", "force", "post", "sd 4", "st 30"});
  // Black to move and a queen up: the engine plays Black and sees it as good.
  processatick({"setboard 6k1/5ppp/8/3q4/8/6P1/5P1P/6K1 b - - 0 1", "go"});
  ASSERT_EQ(starting("move ").size(), 1u);
  EXPECT_EQ(partita.count, 1);
  const std::vector<std::string> thinking = starting("4 ");
  ASSERT_FALSE(thinking.empty());
  EXPECT_GT(std::stoi(thinking.back().substr(2)), 300) << thinking.back();
  EXPECT_FALSE(has("tempo azzerato"));  // no first-protocol diagnostics
}

TEST_F(Protocol2, MateScoresInMovesAndUndoRemove) {
  processatick({"xboard", "protover 2", "new", "force", "post", "st 5"});
  processatick({"setboard 6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1", "go"});
  EXPECT_TRUE(has("3 100001 "));
  EXPECT_TRUE(has("move a1a8"));
  EXPECT_EQ(mateInMoves(-31999), -1);
  EXPECT_EQ(mateInMoves(31999), 2);
  // Take-backs: undo one ply, remove two; more than were played is an error.
  processatick({"force", "new", "force", "e2e4", "e7e5", "g1f3", "undo"});
  EXPECT_EQ(partita.count, 2);
  EXPECT_EQ(posizioni[0].side, WHITE);
  processatick({"remove"});
  EXPECT_EQ(partita.count, 0);
  EXPECT_EQ(posizionefen(posizioni[0]), "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w ");
  processatick({"remove"});
  EXPECT_TRUE(has("Error (no move to take back): remove"));
}

TEST_F(Protocol2, SetUpsLeaveTheEngineNoSideAndTakeBacksKeepItsSide) {
  // "new" gives the engine Black; a position set up after it is the front
  // end's to play until it says "go", even with Black to move.
  processatick({"xboard", "protover 2", "new"});
  processatick({"setboard rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1"});
  EXPECT_FALSE(has("move "));
  EXPECT_EQ(partita.motorebianco + partita.motorenero, 0);
  processatick({"new", "force", "edit", "#", "Ke1", "c", "Ke8", ".", "ping 1"});  // edit's set-up likewise
  EXPECT_EQ(out.back(), "pong 1");
  EXPECT_EQ(partita.motorebianco + partita.motorenero, 0);
  // Taking a move back leaves the engine on the side it had.
  processatick({"new", "force", "e2e4", "e7e5", "undo"});
  EXPECT_EQ(partita.count, 1);
  EXPECT_EQ(partita.motorebianco, 0);
  EXPECT_EQ(partita.motorenero, 1);
}

TEST_F(Protocol2, BadInputIsRefusedAndChangesNothing) {
  processatick({"xboard", "protover 2", "new", "force"});
  const uint32_t key = posizioni[0].hashcheck;
  out.clear();
  processatick({"setboard 8/8/8/8 w - - 0 1", "usermove i2i3", "usermove b7a8k", "usermove e2e5", "frobnicate 3",
                "usermove E2E4"});
  EXPECT_TRUE(has("tellusererror Illegal position"));
  EXPECT_TRUE(has("Illegal move (not a coordinate move): i2i3"));
  EXPECT_TRUE(has("Illegal move (bad promotion piece): b7a8k"));
  EXPECT_TRUE(has("Illegal move (no such move): e2e5"));
  EXPECT_TRUE(has("Error (unknown command): frobnicate 3"));
  EXPECT_EQ(partita.count, 1);  // only E2E4, read as e2e4
  EXPECT_NE(posizioni[0].hashcheck, key);
  processatick({"time 2147483647", "level 0 5 9999999", "level 99999999999 99999999999 0"});
  EXPECT_GT(engineTimeLeft, 0);
  EXPECT_LE(engineTimeLeft, MAXCLOCKMS);
  EXPECT_GT(partita.tempoBase, 0);
  processatick({"level 0 5 9999999"});
  EXPECT_GT(partita.incremento, 0);
  processatick({"time -500"});
  EXPECT_EQ(engineTimeLeft, 0);
  int64_t v = 0;
  EXPECT_TRUE(boundedInteger("99999999999999999999999", 0, 100, v));
  EXPECT_EQ(v, 100);
  EXPECT_FALSE(boundedInteger("12a", 0, 100, v));
  EXPECT_TRUE(boundedDecimal("0.5", 1000, MAXCLOCKMS, v));
  EXPECT_EQ(v, 500);
  EXPECT_EQ(hashLevelForMegabytes(1), 1);
  EXPECT_EQ(hashLevelForMegabytes(64), 7);
  EXPECT_EQ(hashLevelForMegabytes(100000), 10);
}

TEST_F(Protocol2, UciWhenTheFirstCommandIsUci) {
  processatick({"uci"});
  EXPECT_EQ(out.front(), "id name Zefiran_3D 0.92");
  EXPECT_EQ(out.back(), "uciok");
  EXPECT_TRUE(has("option name Hash type spin"));
  out.clear();
  processatick({"isready", "position fen 6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1", "go depth 3"});
  EXPECT_EQ(out.front(), "readyok");
  EXPECT_TRUE(has("info depth 3 score mate 1 "));
  EXPECT_EQ(out.back(), "bestmove a1a8");
  out.clear();
  // A faulty position leaves the last good one; "stop" queued behind an
  // endless search ends it at once.
  processatick({"position startpos moves e2e4 e7e5", "position startpos moves e2e4 e2e4", "go infinite", "stop"});
  EXPECT_TRUE(has("info string Error (illegal move (no such move): e2e4)"));
  EXPECT_EQ(partita.count, 2);
  ASSERT_TRUE(has("bestmove "));
  EXPECT_FALSE(has("temporestante"));  // the engine's diagnostics are not UCI
  out.clear();
  processatick({"position startpos moves e2e4", "go wtime 2147483647 btime -5 binc 99999999999 movestogo 1"});
  ASSERT_TRUE(has("bestmove "));
  EXPECT_GT(searchDeadline, 0);
}
