#include "engine/search/clock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/position/fen.h"
#include "engine/position/position.h"
#include "engine/toolkit.h"
#include "support/engine_fixture.h"

namespace {
using Captured = zeftest::HostCapture;

constexpr double MS = 1.0 / 86400000.0;
}  // namespace

TEST(Clock, WholeGameAllocation) {
  zeftest::setUp(STARTFEN);
  partita.modoTempo = TC_GAME;
  Captured out;
  EXPECT_EQ(allocateTime(300000), 13636);  // divisor 16 + 2 x 14 = 44
  ASSERT_EQ(out.lines.size(), 1u);
  EXPECT_EQ(out.lines[0], "temporestante = 300000");
  EXPECT_EQ(allocateTime(6000), 1);
  // Few pieces left: the divisor is at least 15.
  zeftest::setUp("4k3/8/8/8/8/8/8/R3K3 w - - 0 1");
  EXPECT_EQ(allocateTime(150000), 20000);
  partita.modoTempo = TC_INCREMENT;
  partita.incremento = 2000;
  EXPECT_EQ(allocateTime(150000), 22000);
  partita.modoTempo = TC_GAME;
}

// A game of six seconds is not played at 1 ms a move from its first move:
// only its last tenth is.
TEST(Clock, ShortGameKeepsThinkingTime) {
  zeftest::setUp(STARTFEN);
  partita.modoTempo = TC_GAME;
  const int32_t base = partita.tempoBase;
  partita.tempoBase = 6000;
  Captured out;
  EXPECT_EQ(allocateTime(6000), 272);  // (6000 / 44) x 2
  EXPECT_EQ(allocateTime(601), 26);
  EXPECT_EQ(allocateTime(600), 1);
  partita.tempoBase = base;
}

TEST(Clock, MovesPerPeriodAllocation) {
  zeftest::setUp(STARTFEN);
  Captured out;
  partita.modoTempo = TC_MOVES;
  partita.mossePerControllo = 40;
  partita.count = 0;  // move 1 of 40
  EXPECT_EQ(allocateTime(300000), static_cast<int>((300000 / 40) * 1.7));
  partita.count = 76;  // move 39 of 40: no 1.7 factor
  EXPECT_EQ(allocateTime(20000), 10000);
  partita.count = 78;  // move 40: all but 250 ms
  EXPECT_EQ(allocateTime(20000), 19750);
  partita.count = 80;  // the next period starts again at move 1
  EXPECT_EQ(allocateTime(300000), static_cast<int>((300000 / 40) * 1.7));
  EXPECT_EQ(allocateTime(30), 1);  // never below 1
  partita.mossePerControllo = 0;   // no period: as the whole game
  partita.count = 0;
  EXPECT_EQ(allocateTime(300000), 13636);
  partita.modoTempo = TC_GAME;
  partita.count = 0;
}

TEST(Clock, ClockTexts) {
  EXPECT_EQ(clockText(305000), "05.05");
  EXPECT_EQ(clockText(3723000), "01.02.03");
  EXPECT_EQ(clockText(0), "00.00");
  EXPECT_EQ(clockText(-1), "00.00");
  EXPECT_EQ(clockText(59999), "00.59");
}

TEST(Clock, ElapsedAcrossMidnight) {
  double fake = 0.5;
  setClockSource([&] { return fake; });
  moveStart = 0.5;
  clockNow = 0.5 + 1500.5 * MS;  // moments are day fractions: whole milliseconds truncate
  EXPECT_EQ(elapsedMs(), 1500u);
  // Past midnight the time of day restarts; counting goes on from the last value.
  fake = 200.5 * MS;
  clockNow = fake;
  moveStart = 1.0 - 100 * MS;
  EXPECT_EQ(elapsedMs(), 1700u);
  setClockSource(nullptr);
}

TEST(Clock, ChargeAndBonuses) {
  zeftest::setUp(STARTFEN);
  partita.tempoBianco = partita.tempoNero = 300000;
  partita.modoTempo = TC_INCREMENT;
  partita.incremento = 5000;
  posizioni[0].side = BLACK;  // White has just moved
  double fake = 0.25;
  setClockSource([&] { return fake; });
  moveStart = 0.25 - 2000 * MS;
  chargeClock();
  EXPECT_NEAR(partita.tempoBianco, 303000, 1);
  EXPECT_EQ(partita.tempoNero, 300000);
  setClockSource(nullptr);
  posizioni[0].side = WHITE;
  partita.modoTempo = TC_GAME;
}
