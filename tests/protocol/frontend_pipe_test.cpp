// Both protocols through pipes: the end of input during a search, UCI's
// stop, and input meant to derail the engine (it must answer afterwards).
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <random>
#include <string>

#include "support/engine_process.h"

TEST(FrontEndPipe, EndOfInputDuringASearchEndsTheProgram) {
  for (const char* first : {"xboard", "uci"}) {
    EngineProcess e;
    e.line(first);
    if (std::string(first) == "uci") {
      ASSERT_TRUE(e.waitFor("uciok"));
      e.line("position startpos");
      e.line("go wtime 3600000 btime 3600000");
      ASSERT_TRUE(e.waitFor("info depth"));
    } else {
      e.line("protover 2");
      e.line("new");
      e.line("post");
      e.line("level 0 60 0");
      e.line("time 360000");
      e.line("usermove e2e4");
      ASSERT_TRUE(e.waitFor("3 "));
    }
    e.closeInput();
    EXPECT_EQ(e.wait(3000), 0) << first;  // a hang guard: the program ends at once
  }
}

TEST(FrontEndPipe, UciStopAndIsreadyDuringAnEndlessSearch) {
  EngineProcess e;
  e.line("uci");
  ASSERT_TRUE(e.waitFor("uciok"));
  // Mate in one: the search ends by itself, yet the move waits for "stop".
  e.line("position startpos moves f2f3 e7e5 g2g4");
  e.line("go infinite");
  ASSERT_TRUE(e.waitFor("info depth 3 score mate 1"));
  e.line("isready");
  ASSERT_TRUE(e.waitFor("readyok"));
  e.line("stop");
  std::string best;
  ASSERT_TRUE(e.waitFor("bestmove ", &best));
  EXPECT_EQ(best, "bestmove d8h4");
  e.line("quit");
  EXPECT_EQ(e.wait(), 0);
}

TEST(FrontEndPipe, AQueuedStopBelongsToTheSearchItFollows) {
  EngineProcess e;
  e.line("uci");
  ASSERT_TRUE(e.waitFor("uciok"));
  e.line("position startpos");
  // In one read: the second "go" ends the first search, the "stop" the second.
  e.send("go infinite\ngo infinite\nstop\n");
  ASSERT_TRUE(e.waitFor("bestmove ", nullptr, 5000));
  ASSERT_TRUE(e.waitFor("bestmove ", nullptr, 5000));
  e.line("isready");
  ASSERT_TRUE(e.waitFor("readyok", nullptr, 5000));
  e.line("quit");
  EXPECT_EQ(e.wait(), 0);
}

TEST(FrontEndPipe, ProtoverInALaterReadGetsOnlyTheSecondProtocolsLines) {
  EngineProcess e;
  e.line("xboard");
  usleep(150000);
  e.line("protover 2");
  std::string features;
  ASSERT_TRUE(e.waitFor("feature ", &features));
  EXPECT_EQ(features.rfind("feature option=", 0), 0u) << features;
  e.line("ping 1");
  ASSERT_TRUE(e.waitFor("pong 1"));
  for (const std::string& l : e.seen) EXPECT_EQ(l.find("Winboard gui detected"), std::string::npos);
  e.line("quit");
  EXPECT_EQ(e.wait(), 0);
}

// The sanitizer's shadow memory alone is larger than these limits: the
// measurement means something only in a plain build.
#if !defined(__SANITIZE_ADDRESS__)
// The resident size of a process in megabytes, from /proc.
long residentMegabytes(int pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6)) / 1024;
  return -1;
}

TEST(FrontEndPipe, MemoryKeepsTheResidentSizeWithinIt) {
  for (const int mb : {48, 100}) {
    EngineProcess e;
    e.line("xboard");
    e.line("protover 2");
    e.line("memory " + std::to_string(mb));
    e.line("new");
    e.line("ping 1");
    ASSERT_TRUE(e.waitFor("pong 1"));
    const long resident = residentMegabytes(e.pid());
    EXPECT_GT(resident, 0);
    EXPECT_LE(resident, mb);
    // A table at least half the room left: the limit is used, not dodged.
    EXPECT_GT(resident, mb / 2) << mb;
    e.line("quit");
    EXPECT_EQ(e.wait(), 0);
  }
}
#endif

// Random lines, binary, overlong lines and huge numbers after the first
// command of each protocol; the engine must still answer the last question.
TEST(FrontEndPipe, HostileInputNeverDerailsIt) {
  std::mt19937 rng(20);
  const char* words[] = {"usermove",
                         "setboard",
                         "level",
                         "time",
                         "otim",
                         "st",
                         "sd",
                         "memory",
                         "go",
                         "position",
                         "fen",
                         "moves",
                         "wtime",
                         "movestogo",
                         "setoption",
                         "name",
                         "value",
                         "undo",
                         "remove",
                         "ping",
                         "e2e4",
                         "e7e8q",
                         "9999999999999999999999",
                         "-2147483649",
                         "analyze",
                         ".",
                         "exit",
                         "force",
                         "new",
                         "startpos"};
  for (const char* first : {"xboard", "uci"}) {
    EngineProcess e;
    e.line(first);
    if (std::string(first) == "xboard") e.line("protover 2");
    std::string burst;
    for (int i = 0; i < 400; ++i) {
      std::string l;
      const int kind = static_cast<int>(rng() % 4);
      const int n = 1 + static_cast<int>(rng() % 8);
      for (int k = 0; k < n; ++k) {
        if (kind == 0) {
          l += static_cast<char>(rng() % 256);
        } else {
          l += words[rng() % (sizeof words / sizeof *words)];
          l += ' ';
        }
      }
      if (i % 100 == 0) l += std::string(20000, kind == 0 ? '\xff' : '9');
      // Searches without end would only wait: the burst never starts one.
      if (l.find("go") != std::string::npos || l.find("analyze") != std::string::npos) continue;
      burst += l + "\n";
    }
    burst += std::string("\0\xff\x01", 3) + "\n";
    e.send(burst);
    if (std::string(first) == "uci") {
      e.line("isready");
      EXPECT_TRUE(e.waitFor("readyok")) << first;
    } else {
      e.line("exit");
      e.line("ping 77");
      EXPECT_TRUE(e.waitFor("pong 77")) << first;
    }
    e.line("quit");
    EXPECT_EQ(e.wait(), 0) << first;
  }
}
