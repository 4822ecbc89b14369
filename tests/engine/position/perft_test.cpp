#include "engine/position/perft.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/position/fen.h"
#include "engine/position/position.h"
#include "support/engine_fixture.h"

namespace {

uint64_t count(const char* fen, int depth) {
  impostafen(fen, true);
  perftmode = 1;
  uint64_t n = perft(depth);
  perftmode = 0;
  return n;
}

struct Case {
  const char* fen;
  std::vector<uint64_t> counts;
};

// Published counts for the start position and the positions commonly used
// to test move generators (castling, en passant, promotions, checks, pins).
const Case cases[] = {
    {STARTFEN, {20, 400, 8902, 197281}},
    {"r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq -", {48, 2039, 97862}},
    {"8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - -", {14, 191, 2812, 43238}},
    {"r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1", {6, 264, 9467}},
    {"r2q1rk1/pP1p2pp/Q4n2/bbp1p3/Np6/1B3NBn/pPPP1PPP/R3K2R b KQ - 0 1", {6, 264, 9467}},
    {"rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8", {44, 1486, 62379}},
    {"r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 w - - 0 10", {46, 2079, 89890}},
    // En passant that would expose the king along the rank.
    {"8/8/8/K2pP2r/8/8/8/7k w - d6 0 1", {6, 78, 528}},
    // Promotions with and without capture, under-promotions giving check.
    {"n1n5/PPPk4/8/8/8/8/4Kppp/5N1N b - - 0 1", {24, 496, 9483}},
};

}  // namespace

TEST(Perft, PublishedCounts) {
  for (const Case& c : cases)
    for (size_t d = 0; d < c.counts.size(); ++d)
      EXPECT_EQ(count(c.fen, static_cast<int>(d + 1)), c.counts[d]) << c.fen << " depth " << d + 1;
}

TEST(Perft, LeavesRootUnchanged) {
  impostafen("r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq -", true);
  tposizione before = posizioni[0];
  perftmode = 1;
  perft(3);
  perftmode = 0;
  EXPECT_EQ(std::memcmp(&before, &posizioni[0], sizeof before), 0);
}

TEST(Perft, NoLegalMoveGivesZero) {
  EXPECT_EQ(count("7k/5Q2/6K1/8/8/8/8/8 b - - 0 1", 1), 0u);  // stalemate
  EXPECT_EQ(count("7k/6Q1/6K1/8/8/8/8/8 b - - 0 1", 3), 0u);  // mate
}

TEST(Perft, DiagnosticLinesOnlyWhiteToMoveAndFromDepthTwo) {
  zeftest::HostCapture host;
  auto& listaverifica = host.verification;
  count(STARTFEN, 1);
  EXPECT_TRUE(listaverifica.empty());
  count(STARTFEN, 2);
  ASSERT_EQ(listaverifica.size(), 400u);
  EXPECT_EQ(listaverifica.back().substr(listaverifica.back().rfind(' ') + 1), "400");
  listaverifica.clear();
  count("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1", 3);
  EXPECT_TRUE(listaverifica.empty());
}

TEST(Perft, LoopLinesAndElapsedText) {
  impostafen(STARTFEN, true);
  std::vector<std::string> lines;
  loopperft(3, [&](const std::string& l) { lines.push_back(l); });
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[2].substr(0, 18), "perft 3 = 8902 in ");
  EXPECT_EQ(partita.inricerca, 0);
  EXPECT_EQ(tempotesto(40), "00.00,04");
  EXPECT_EQ(tempotesto(9), "00.00,00");
  EXPECT_EQ(tempotesto(61230), "01.01,23");
  EXPECT_EQ(tempotesto(3600000 + 5000), "00.05,00");  // hours are dropped
}
