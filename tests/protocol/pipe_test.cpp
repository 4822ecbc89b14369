// The engine as a front end sees it: a separate process behind pipes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "engine/position/fen.h"
#include "engine/position/game.h"
#include "engine/position/position.h"
#include "protocol/iowinboard.h"
#include "support/engine_fixture.h"
#include "support/engine_process.h"

namespace {

// Whether "move xxxx" is legal after the given moves from the start position.
bool legalReply(const std::string& moveLine, const std::vector<std::string>& before) {
  impostafen(STARTFEN, true);
  for (const std::string& m : before)
    if (!giocamossa(mossavalida(leggimossa(m)))) return false;
  const std::string m = moveLine.substr(5);
  uint32_t code = leggimossa(m);
  return code && mossavalida(code) && giocamossa(mossavalida(code));
}

}  // namespace

TEST(Pipe, AnnouncementAndPing) {
  EngineProcess e;
  e.line("xboard");
  std::string l;
  ASSERT_TRUE(e.readLine(l));
  ASSERT_TRUE(e.readLine(l));
  EXPECT_EQ(l, "Winboard gui detected");
  ASSERT_TRUE(e.readLine(l));
  EXPECT_EQ(l, "feature done=0 myname=\"Zefiran_3D 0.92\"analyze=0 done=1");
  e.line("ping 1");
  ASSERT_TRUE(e.readLine(l));
  EXPECT_EQ(l, "pong 1");
  e.line("quit");
  EXPECT_EQ(e.wait(), 0);
}

TEST(Pipe, LineSplitAcrossReadsIsNotLost) {
  EngineProcess e;
  e.line("xboard");
  e.line("new");
  e.line("level 0 1 0");
  e.line("time 6000");
  e.send("e2");
  usleep(150000);  // several ticks pass between the two halves
  e.send("e4\n");
  std::string reply;
  ASSERT_TRUE(e.waitFor("move ", &reply));
  EXPECT_TRUE(legalReply(reply, {"e2e4"})) << reply;
  e.line("quit");
  EXPECT_EQ(e.wait(), 0);
}

TEST(Pipe, ManyLinesLongLinesAndBadNumbers) {
  EngineProcess e;
  e.line("xboard");
  std::string burst;
  for (int i = 0; i < 150; ++i) burst += "ping " + std::to_string(i) + "\n";
  e.send(burst);
  std::string l;
  for (int i = 0; i < 150; ++i) {
    ASSERT_TRUE(e.waitFor("pong", &l)) << i;
    EXPECT_EQ(l, "pong " + std::to_string(i));
  }
  e.line(std::string(300, 'x'));
  e.line("time abc");
  e.line("level 40");
  e.line("level a b c");
  e.line("e2ex");
  e.line("ping 999");
  ASSERT_TRUE(e.waitFor("pong", &l));
  EXPECT_EQ(l, "pong 999");
  e.line("quit");
  EXPECT_EQ(e.wait(), 0);
}

TEST(Pipe, EndOfInputEndsTheProgram) {
  EngineProcess e;
  e.line("xboard");
  e.closeInput();
  EXPECT_EQ(e.wait(), 0);
}

TEST(Pipe, QuitStopsARunningSearch) {
  EngineProcess e({"--engine", "--debug"});
  e.line("xboard");
  e.line("new");
  e.line("level 0 60 0");
  e.line("time 360000");  // about 16 s for this move
  e.line("e2e4");
  ASSERT_TRUE(e.waitFor("# tempo azzerato"));
  usleep(200000);
  e.line("quit");
  EXPECT_EQ(e.wait(5000), 0);
}

TEST(Pipe, NewDuringASearchAbandonsTheMove) {
  EngineProcess e({"--engine", "--debug"});
  e.line("xboard");
  e.line("new");
  e.line("level 0 1 0");
  e.line("time 3000");
  e.line("d2d4");
  ASSERT_TRUE(e.waitFor("# tempo azzerato"));
  e.line("new");
  e.line("e2e4");
  // The move for the old game is never sent; the new game's reply is.
  std::string reply;
  ASSERT_TRUE(e.waitFor("move ", &reply));
  EXPECT_TRUE(legalReply(reply, {"e2e4"})) << reply;
  e.line("quit");
  EXPECT_EQ(e.wait(), 0);
}
