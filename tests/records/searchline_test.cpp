// The thinking line of one iteration, as the window's memos and the test
// suites' logs show it.
#include "records/searchline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/position/game.h"
#include "engine/position/position.h"
#include "engine/search/cache.h"
#include "engine/search/clock.h"
#include "engine/search/driver.h"
#include "engine/search/searchstate.h"
#include "engine/toolkit.h"
#include "records/notation.h"
#include "support/engine_fixture.h"

namespace {

TEST(SearchLine, DepthScoreTimeAndTheLineInSan) {
  zeftest::setUp("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1");
  const uint32_t e4 = zeftest::findMove("e2e4");
  ASSERT_NE(e4, 0u);
  clearPvTable();
  Iteration it{3, 25, 1234, 100, e4};
  EXPECT_EQ(rigaricerca(it), "[3]   25 00.01,23 e4");
  it.score = -31990;
  it.depth = 12;
  EXPECT_EQ(rigaricerca(it).substr(0, 23), "[12] -31990 00.01,23 e4") << "a long score is not cut";
  it.best = 0;
  EXPECT_EQ(rigaricerca(it), "[12] -31990 00.01,23 ");
}

TEST(SearchLine, ThePrincipalVariationIsWrittenInSan) {
  zeftest::setUp("6k1/5ppp/8/8/8/8/5PPP/R5K1 w - - 0 1");
  moveStart = adesso();
  clockNow = moveStart;
  searchDeadline = 100000;
  SearchLimits l;
  l.targetDepth = 5;
  std::vector<std::string> righe;
  iterativeDeepening(l, [&](const Iteration& it) { righe.push_back(rigaricerca(it)); });
  ASSERT_FALSE(righe.empty());
  // Each line names the best move and then at most depth + 3 SAN moves,
  // none of them empty.
  for (const std::string& r : righe) {
    const size_t inizio = r.find(" Ra8");
    ASSERT_NE(inizio, std::string::npos) << r;
    const std::string mosse = r.substr(inizio + 1);
    EXPECT_EQ(mosse.find("  "), std::string::npos) << r;
    EXPECT_NE(mosse.back(), ' ') << r;
    const int depth = std::stoi(r.substr(1));
    EXPECT_LE(std::count(mosse.begin(), mosse.end(), ' '), depth + 3) << r;
  }
  EXPECT_EQ(posizioni[0].board[0], ROOK) << "the root position is untouched";
}

TEST(SearchLine, TheLineReplaysAsLegalMovesFromTheRoot) {
  const std::string fen = "r1bqkbnr/pppp1ppp/2n5/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R w KQkq - 2 3";
  zeftest::setUp(fen);
  moveStart = adesso();
  clockNow = moveStart;
  searchDeadline = 100000;
  SearchLimits l;
  l.targetDepth = 6;
  std::string ultima;
  iterativeDeepening(l, [&](const Iteration& it) { ultima = rigaricerca(it); });
  // Tokens: "[d]", score, time, then the moves.
  std::vector<std::string> parole;
  for (size_t i = 0; i < ultima.size();) {
    const size_t j = ultima.find(' ', i);
    const std::string p = ultima.substr(i, j == std::string::npos ? std::string::npos : j - i);
    if (!p.empty()) parole.push_back(p);
    if (j == std::string::npos) break;
    i = j + 1;
  }
  ASSERT_GE(parole.size(), 5u) << ultima << " (a line of at least two moves)";
  zeftest::setUp(fen);
  for (size_t k = 3; k < parole.size(); ++k) {
    const uint32_t m = mossavalida(leggisan(parole[k]));
    ASSERT_NE(m, 0u) << parole[k] << " in " << ultima;
    ASSERT_TRUE(giocamossa(m)) << parole[k] << " in " << ultima;
  }
}

}  // namespace
