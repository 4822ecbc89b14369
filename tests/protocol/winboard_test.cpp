#include "protocol/winboard.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <string>
#include <vector>

#include "engine/position/fen.h"
#include "engine/position/game.h"
#include "engine/position/position.h"
#include "engine/search/clock.h"
#include "engine/search/searchstate.h"
#include "protocol/iowinboard.h"
#include "protocol_fixture.h"
#include "settings/language.h"
#include "support/engine_fixture.h"
#include "text/output.h"

using zeftest::sq;

namespace {

class Protocol : public zeftest::ProtocolFixture {};

}  // namespace

TEST_F(Protocol, XboardAnnouncesItself) {
  bool hidden = false;
  setProtocolHooks({[&] { hidden = true; }, nullptr});
  // The first protocol's start lines wait for the next command: "protover"
  // may still come.
  processatick({"xboard"});
  EXPECT_TRUE(out.empty());
  EXPECT_EQ(modointerfaccia, 2);
  EXPECT_TRUE(hidden);
  processatick({"new"});
  ASSERT_EQ(out.size(), 3u);
  EXPECT_EQ(out[1], "Winboard gui detected");
  EXPECT_EQ(out[2], "feature done=0 myname=\"Zefiran_3D 0.92\"analyze=0 done=1");
  EXPECT_EQ(out[2].size(), 55u);
}

TEST_F(Protocol, WithoutProtoverTheFirstProtocolLinesComeAfterAShortWait) {
  processatick({"xboard"});
  processatick({});
  EXPECT_TRUE(out.empty());
  usleep(600000);
  processatick({});
  ASSERT_EQ(out.size(), 3u);
  EXPECT_EQ(out[1], "Winboard gui detected");
}

TEST_F(Protocol, PingPostTimeAndPrefixMatching) {
  processatick({"ping", "ping 3", "post"});
  EXPECT_EQ(out, (std::vector<std::string>{"pong", "pong 3"}));
  EXPECT_EQ(pensieri, 1);
  processatick({"nopost"});
  EXPECT_EQ(pensieri, 0);
  processatick({"time 30000"});
  EXPECT_EQ(engineTimeLeft, 300000);
  processatick({"time abc", "ping 9"});  // a bad number changes nothing and loses nothing
  EXPECT_EQ(engineTimeLeft, 300000);
  EXPECT_EQ(out.back(), "pong 9");
  processatick({"force", "gox"});  // commands are whole words
  EXPECT_EQ(forzato, 1);
  EXPECT_EQ(out.back(), "Error (unknown command): gox");
}

TEST_F(Protocol, LevelCommand) {
  processatick({"level 40 5 0"});
  EXPECT_FALSE(has("tempo"));  // the engine's remark is no protocol
  setDebugOutput(true);
  processatick({"level 40 5 0"});
  EXPECT_TRUE(has("# tempo = 5 per 40 mosse + 0 secondi"));
  EXPECT_EQ(partita.tempoBase, 300000);
  EXPECT_EQ(partita.mossePerControllo, 40);
  EXPECT_EQ(partita.modoTempo, TC_MOVES);
  EXPECT_EQ(modointerfaccia, 2);  // the first "level" also announces the engine
  EXPECT_TRUE(has("Winboard gui detected"));
  processatick({"level 0 2:30 12"});
  EXPECT_EQ(partita.tempoBase, 150000);
  EXPECT_EQ(partita.incremento, 12000);
  EXPECT_EQ(partita.modoTempo, TC_INCREMENT);
  processatick({"level 0 5 0"});
  EXPECT_EQ(partita.modoTempo, TC_GAME);
  EXPECT_EQ(count("Winboard gui detected"), 1);
  // Fewer than three fields, or words: nothing changes.
  processatick({"level 40", "level x y z"});
  EXPECT_EQ(partita.tempoBase, 300000);
  EXPECT_EQ(partita.modoTempo, TC_GAME);
}

TEST_F(Protocol, MoveParsing) {
  zeftest::setUp("k7/4P3/8/3pP3/8/8/8/4K3 w - d6 0 1");
  EXPECT_EQ(leggimossa("e7e8q"), mvMake(sq("e7"), sq("e8"), MV_PROMO_Q));
  EXPECT_EQ(leggimossa("e7e8Q"), mvMake(sq("e7"), sq("e8")));
  EXPECT_EQ(leggimossa("e5d6"), mvMake(sq("e5"), sq("d6"), MV_CAPTURE));
  EXPECT_EQ(leggimossa("e1e2"), mvMake(sq("e1"), sq("e2")));
  EXPECT_EQ(leggimossa("e1e"), 0u);
  EXPECT_EQ(leggimossa("e1ex"), 0u);  // the fourth character must be a rank digit
  EXPECT_EQ(leggimossa("e9e1"), 0u);
  EXPECT_EQ(colonnadalettera('h'), 7);
  EXPECT_EQ(colonnadalettera('z'), 0);
  EXPECT_EQ(mossawinboard(mvMake(sq("e7"), sq("e8"), MV_PROMO_Q)), "move e7e8Q");
  EXPECT_EQ(mossawinboard(mvMake(sq("e1"), sq("g1"))), "move e1g1");
  EXPECT_EQ(posizionefen(posizioni[0]), "k7/4P3/8/3pP3/8/8/8/4K3 w ");
}

TEST_F(Protocol, FrontEndMoveAndReplyInTheSameTick) {
  setDebugOutput(true);
  processatick({"xboard", "new", "post"});
  out.clear();
  processatick({"time 1000", "otim 29000", "e2e4"});
  EXPECT_EQ(partita.count, 2);
  EXPECT_TRUE(has("# temporestante = 10000"));
  EXPECT_TRUE(has("# tempo azzerato"));
  EXPECT_TRUE(has("# rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b "));
  EXPECT_EQ(count("move "), 1);
  EXPECT_EQ(out.back().rfind("move ", 0), 0u);
  // Thinking lines: depth in 2 columns, then four columns of 10.
  auto it = std::find_if(out.begin(), out.end(), [](const std::string& l) { return l.rfind(" 3", 0) == 0; });
  ASSERT_NE(it, out.end());
  EXPECT_GE(it->size(), 52u);
}

TEST_F(Protocol, NothingButProtocolOnStandardOutputWithoutDebug) {
  processatick({"xboard", "new", "post", "level 40 5 0", "time 1000", "otim 1000", "e2e4"});
  ASSERT_EQ(partita.count, 2);
  // The start lines, thinking lines (depth first) and the move; no remark.
  for (size_t i = 3; i < out.size(); ++i)
    EXPECT_TRUE(out[i].rfind("move ", 0) == 0 || (out[i].size() > 2 && std::isdigit(out[i][1]))) << out[i];
  EXPECT_EQ(out.back().rfind("move ", 0), 0u);
}

TEST_F(Protocol, LevelAloneGivesTheEngineItsClock) {
  // No "time" ever comes: the engine thinks on the base time of "level" and
  // keeps its own clock.
  const auto start = std::chrono::steady_clock::now();
  processatick({"xboard", "protover 2", "new", "level 0 0:10 0", "e2e4"});
  const auto thought = std::chrono::steady_clock::now() - start;
  ASSERT_EQ(partita.count, 2);
  EXPECT_GT(thought, std::chrono::milliseconds(40));
  EXPECT_LT(engineTimeLeft, 10000);
  EXPECT_GT(engineTimeLeft, 5000);
  processatick({"new"});
  EXPECT_EQ(engineTimeLeft, 10000);
}

TEST_F(Protocol, IllegalMovesAreRefused) {
  processatick({"xboard", "new", "force"});
  out.clear();
  processatick({"e2e5", "e7e5"});
  EXPECT_EQ(out, (std::vector<std::string>{"Illegal move (no such move): e2e5", "Illegal move (no such move): e7e5"}));
  EXPECT_EQ(partita.count, 0);
  // A pseudo-legal move that leaves the king attacked is refused too.
  zeftest::setUp("4k3/8/8/8/8/8/4r3/4K3 w - - 0 1");
  out.clear();
  processatick({"e1f2"});
  EXPECT_TRUE(has("Illegal move ("));
  EXPECT_EQ(partita.count, 0);
}

TEST_F(Protocol, BothSidesInOneTickAndNewGivesBlack) {
  processatick({"xboard", "new"});
  partita.motorebianco = 1;
  partita.motorenero = 1;
  searchDeadline = 20;
  out.clear();
  processatick({""});
  EXPECT_EQ(count("move "), 2);
  EXPECT_EQ(partita.count, 2);
  processatick({"white", "new"});
  EXPECT_EQ(partita.motorebianco, 0);
  EXPECT_EQ(partita.motorenero, 1);
}

TEST_F(Protocol, ResultLinesFromTheLanguageTable) {
  processatick({"xboard"});
  // The engine to move in a position that is already mate.
  zeftest::setUp("R5k1/5ppp/8/8/8/8/8/6K1 b - - 0 1");
  partita.motorenero = 1;
  out.clear();
  processatick({""});
  EXPECT_EQ(out, (std::vector<std::string>{"1-0 {White mates}"}));
  EXPECT_EQ(partita.motorenero, 0);
  // The engine mates: move line, then the result line.
  zeftest::setUp("6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1");
  partita.motorebianco = 1;
  searchDeadline = 1000;
  out.clear();
  processatick({""});
  ASSERT_GE(out.size(), 2u);
  EXPECT_EQ(out[out.size() - 2], "move a1a8");
  EXPECT_EQ(out.back(), "1-0 {White mates}");
}

TEST_F(Protocol, NestedTickDefersGameChanges) {
  processatick({"xboard", "new"});
  partita.inricerca = 2;  // as if a search were running
  const uint32_t key = posizioni[0].hashcheck;
  EXPECT_FALSE(processatick({"new", "e2e4", "ping 5", "quit"}));
  EXPECT_EQ(posizioni[0].hashcheck, key);
  EXPECT_EQ(searchDeadline, 1);  // quit stops the search at once
  EXPECT_EQ(out.size(), 3u);     // only the announcement so far
  partita.inricerca = 0;
  processatick({});
  EXPECT_EQ(partita.count, 1);  // new and e2e4 applied in order; quit comes before the engine's reply
  EXPECT_TRUE(has("pong 5"));
  EXPECT_TRUE(protocolQuit());
}

TEST_F(Protocol, EditModeSetsUpAPositionOrRefusesIt) {
  processatick({"xboard", "new", "force", "edit", "#", "Ke1", "Ra1", "Pe2", "c", "Ke8", "xe8", "Kd8", "Zz9", "."});
  EXPECT_EQ(posizionefen(posizioni[0]), "3k4/8/8/8/8/8/4P3/R3K3 w ");
  EXPECT_EQ(posizioni[0].castling & (CASTLE_WQ | CASTLE_WK), CASTLE_WQ);
  EXPECT_TRUE(has("Error (not an edit command): Zz9"));
  const uint32_t key = posizioni[0].hashcheck;
  processatick({"edit", "#", "Ke1", ".", "ping 2"});  // no Black king: refused, nothing changes
  EXPECT_TRUE(has("tellusererror Illegal position"));
  EXPECT_EQ(posizioni[0].hashcheck, key);
  EXPECT_EQ(out.back(), "pong 2");
}
