#include "engine/position/game.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/position/fen.h"
#include "engine/position/position.h"
#include "support/engine_fixture.h"

using zeftest::setUp;
using zeftest::sq;

namespace {
// Play a coordinate move at game level through the legality match.
bool play(const std::string& coord) {
  uint32_t code = mossavalida(static_cast<uint32_t>(sq(coord.c_str()) + 64 * sq(coord.c_str() + 2)));
  if (!code) return false;
  if (coord.size() > 4) {
    code &= ~MV_PROMOS;
    code |= coord[4] == 'q' ? MV_PROMO_Q : coord[4] == 'n' ? MV_PROMO_N : coord[4] == 'r' ? MV_PROMO_R : MV_PROMO_B;
  }
  return giocamossa(code);
}

// The game record keeps the text its host gives for each move played.
class CoordinateHost : public zeftest::HostCapture {
 public:
  std::string moveText(uint32_t move) override { return zeftest::coord(move); }
};
}  // namespace

TEST(Game, BackRankMate) {
  CoordinateHost host;
  setUp("6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1");
  ASSERT_TRUE(play("a1a8"));
  EXPECT_EQ(finepartita(), GAME_MATE);
  EXPECT_EQ(partita.result.str(), "1-0");
  EXPECT_EQ(partita.message, "Zefiran3D: Il Bianco Vince");
  EXPECT_EQ(partita.movetext[0].str(), "a1a8");
  setUp("r5k1/8/8/8/8/8/5PPP/6K1 b - - 0 1");
  ASSERT_TRUE(play("a8a1"));
  EXPECT_EQ(finepartita(), GAME_MATE);
  EXPECT_EQ(partita.result.str(), "0-1");
  EXPECT_EQ(partita.message, "Zefiran3D: Il Nero Vince");
}

TEST(Game, Stalemate) {
  setUp("7k/8/5Q2/6K1/8/8/8/8 w - - 0 1");
  ASSERT_TRUE(play("f6f7"));
  EXPECT_EQ(finepartita(), GAME_STALEMATE);
  EXPECT_EQ(partita.result.str(), "1/2-1/2");
  EXPECT_EQ(partita.message, "Zefiran3D: Partita patta (stallo)");
}

TEST(Game, ThreefoldRepetitionSinceTheLastIrreversibleMove) {
  setUp("4k3/8/8/8/8/8/4P3/R3K3 w - - 0 1");
  // The start position of this shuffle occurs before a pawn move and is never counted.
  ASSERT_TRUE(play("a1a2"));
  ASSERT_TRUE(play("e8d8"));
  ASSERT_TRUE(play("a2a1"));
  ASSERT_TRUE(play("d8e8"));
  EXPECT_EQ(finepartita(), GAME_ON);
  ASSERT_TRUE(play("e2e3"));  // irreversible: history starts again
  ASSERT_TRUE(play("e8d8"));
  ASSERT_TRUE(play("a1a2"));
  ASSERT_TRUE(play("d8e8"));
  ASSERT_TRUE(play("a2a1"));
  ASSERT_TRUE(play("e8d8"));  // the position after e2e3 e8d8, a second time
  EXPECT_EQ(repetitionCount(), 2);
  EXPECT_EQ(finepartita(), GAME_ON);
  ASSERT_TRUE(play("a1a2"));
  ASSERT_TRUE(play("d8e8"));
  ASSERT_TRUE(play("a2a1"));
  ASSERT_TRUE(play("e8d8"));
  EXPECT_EQ(repetitionCount(), 3);
  EXPECT_EQ(finepartita(), GAME_REPETITION);
  EXPECT_EQ(partita.message, "Zefiran3D: Partita patta (3x)");
}

TEST(Game, FiftyMoveRuleAt101) {
  setUp("4k3/8/8/8/8/8/8/R3K3 w - - 99 1");
  ASSERT_TRUE(play("a1a2"));
  EXPECT_EQ(posizioni[0].halfmoves, 100);
  EXPECT_EQ(finepartita(), GAME_ON);
  ASSERT_TRUE(play("e8d8"));
  EXPECT_EQ(posizioni[0].halfmoves, 101);
  EXPECT_EQ(finepartita(), GAME_FIFTY);
  EXPECT_EQ(partita.message, "Zefiran3D: Partita patta (50 mosse)");
}

TEST(Game, InsufficientMaterialExactlyAsListed) {
  const struct {
    const char* fen;
    int code;
  } cases[] = {
      {"4k3/8/8/8/8/8/8/4K3 w - - 0 1", GAME_MATERIAL},   {"4k3/8/8/8/8/8/8/2B1K3 w - - 0 1", GAME_MATERIAL},
      {"4k3/8/8/8/8/8/8/1N2K3 b - - 0 1", GAME_MATERIAL}, {"4kb2/8/8/8/8/8/8/4K3 w - - 0 1", GAME_MATERIAL},
      {"4kn2/8/8/8/8/8/8/4K3 w - - 0 1", GAME_MATERIAL},  {"4k3/8/8/8/8/8/8/1NN1K3 w - - 0 1", GAME_ON},
      {"4k3/8/8/8/8/8/8/1NB1K3 w - - 0 1", GAME_ON},      {"4k3/8/8/8/8/8/4P3/4K3 w - - 0 1", GAME_ON},
      {"4kb2/8/8/8/8/8/8/2B1K3 w - - 0 1", GAME_ON},
  };
  for (const auto& c : cases) {
    setUp(c.fen);
    EXPECT_EQ(finepartita(), c.code) << c.fen;
  }
}

TEST(Game, ResignationAfterTheThirdHopelessCount) {
  abbandonoconsentito = true;
  setUp("4k3/8/8/8/8/8/8/QQ2K3 w - - 0 1");
  posizioni[0].phase = 2;
  partita.resigncount = 2;
  EXPECT_EQ(finepartita(), GAME_ON);
  partita.resigncount = 3;
  EXPECT_EQ(finepartita(), GAME_RESIGN);
  EXPECT_EQ(partita.result.str(), "1-0");
  EXPECT_EQ(partita.message, "Zefiran3D: il nero abbandona");
  posizioni[0].phase = 1;  // never while the book phase lasts
  EXPECT_EQ(finepartita(), GAME_ON);
  abbandonoconsentito = false;
  posizioni[0].phase = 2;
  EXPECT_EQ(finepartita(), GAME_ON);
}

TEST(Game, SteppingBackThenPlayingDiscardsLaterMoves) {
  CoordinateHost host;
  setUp(STARTFEN);
  ASSERT_TRUE(play("e2e4"));
  ASSERT_TRUE(play("e7e5"));
  ASSERT_TRUE(play("g1f3"));
  ASSERT_TRUE(play("b8c6"));
  rigiocapartita(2);
  EXPECT_EQ(partita.current, 2);
  EXPECT_EQ(partita.count, 4);
  EXPECT_EQ(posizioni[0].board[sq("g1")], KNIGHT);
  ASSERT_TRUE(play("f1c4"));
  EXPECT_EQ(partita.count, 3);
  EXPECT_EQ(partita.current, 3);
  EXPECT_EQ(partita.moves[3], 0u);
  EXPECT_EQ(partita.movetext[2].str(), "f1c4");
  EXPECT_TRUE(partita.movetext[3].empty());
}

TEST(Game, IllegalMoveChangesNothing) {
  setUp("4k3/8/8/8/8/8/4r3/4K3 w - - 0 1");
  tposizione before = posizioni[0];
  ply = 1;
  EXPECT_FALSE(giocamossa(mvMake(sq("e1"), sq("f2"))));
  EXPECT_EQ(partita.count, 0);
  EXPECT_EQ(posizioni[0].hashcheck, before.hashcheck);
}

TEST(Game, PromotionMatchGivesTheBishopCode) {
  setUp("4k3/P7/8/8/8/8/8/4K3 w - - 0 1");
  EXPECT_EQ(mossavalida(static_cast<uint32_t>(sq("a7") + 64 * sq("a8"))), mvMake(sq("a7"), sq("a8"), MV_PROMO_B));
  EXPECT_EQ(mossavalida(static_cast<uint32_t>(sq("a7") + 64 * sq("b8"))), 0u);
}

TEST(Game, RecordFullRefusesMoreMoves) {
  setUp("4k3/8/8/8/8/8/8/R3K3 w - - 0 1");
  // Shuffle until the record holds 600 half-moves (the fifty-move verdict does not stop play).
  const char* cycle[] = {"a1a2", "e8d8", "a2a1", "d8e8"};
  for (int i = 0; i < MAXGAMEMOVES; ++i) ASSERT_TRUE(play(cycle[i % 4])) << i;
  EXPECT_EQ(partita.count, MAXGAMEMOVES);
  EXPECT_FALSE(play("a1a2"));
  EXPECT_EQ(partita.count, MAXGAMEMOVES);
  EXPECT_EQ(numeromossa(), 300);
}
