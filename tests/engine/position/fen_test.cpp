#include "engine/position/fen.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>

#include "engine/position/position.h"
#include "engine/search/cache.h"
#include "support/engine_fixture.h"

using zeftest::setUp;
using zeftest::sq;

TEST(Fen, StartPositionFields) {
  setUp(STARTFEN);
  const tposizione& p = posizioni[0];
  EXPECT_EQ(p.materialkey, 0x49184918u);
  EXPECT_EQ(p.material, 0);
  EXPECT_EQ(p.piececount, 14);
  EXPECT_EQ(p.phase, 1);
  EXPECT_EQ(p.epfile, 10);
  EXPECT_EQ(p.castling, 15);
  EXPECT_EQ(p.checker, 64);
  EXPECT_EQ(p.halfmoves, 0);
  EXPECT_EQ(p.side, WHITE);
  EXPECT_EQ(p.whiteking, sq("e1"));
  EXPECT_EQ(p.blackking, sq("e8"));
  EXPECT_EQ(p.wpawns.n, 8);
  EXPECT_EQ(p.bknights.n, 2);
  EXPECT_EQ(p.wqueens.n, 1);
  EXPECT_EQ(p.board[sq("d1")], QUEEN);
  EXPECT_EQ(p.board[sq("g8")], -KNIGHT);
  EXPECT_EQ(p.whitelo, 0x0000ffffu);
  EXPECT_EQ(p.blackhi, 0xffff0000u);
  EXPECT_EQ(p.occupiedlo, 0x0000ffffu);
  EXPECT_EQ(p.occupiedhi, 0xffff0000u);
  EXPECT_TRUE(partita.startfen.empty());
  EXPECT_EQ(partita.result.str(), "*");
}

TEST(Fen, KeysEqualComputedFromScratch) {
  for (const char* fen : {STARTFEN, "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
                          "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 b - e3 0 1", "4k3/8/8/8/8/8/8/4K3 w - - 0 1"}) {
    setUp(fen);
    uint32_t c = posizioni[0].hashcheck, x = posizioni[0].hashindex;
    EXPECT_TRUE(computeKeys()) << fen;
    EXPECT_EQ(posizioni[0].hashcheck, c);
    EXPECT_EQ(posizioni[0].hashindex, x);
  }
  // Side, castling and en-passant file each change the key.
  setUp("4k3/8/8/3p4/8/8/8/4K3 w - - 0 1");
  uint32_t white = posizioni[0].hashcheck;
  setUp("4k3/8/8/3p4/8/8/8/4K3 b - - 0 1");
  EXPECT_NE(posizioni[0].hashcheck, white);
  setUp("4k3/8/8/3p4/8/8/8/4K3 w - d6 0 1");
  EXPECT_NE(posizioni[0].hashcheck, white);
}

TEST(Fen, BareKingsPieceCountAndPhase) {
  impostafen("8/8/8/8/8/8/8/K6k w - - 0 1", true);
  EXPECT_EQ(posizioni[0].piececount, 0);
  EXPECT_EQ(posizioni[0].materialkey, 0u);
  EXPECT_EQ(posizioni[0].phase, 3);
  // Without newgame the phase follows the game record, which began at the start position.
  impostafen(STARTFEN, true);
  impostafen("8/8/8/8/8/8/8/K6k w - - 0 1", false);
  EXPECT_EQ(posizioni[0].phase, 1);
}

TEST(Fen, EnPassantAndClockFields) {
  setUp("4k3/8/8/8/4P3/8/8/4K3 b - e3 12 40");
  EXPECT_EQ(posizioni[0].epfile, 4);
  EXPECT_EQ(posizioni[0].halfmoves, 12);
  setUp("4k3/8/8/8/8/8/8/4K3 w - - - -");
  EXPECT_EQ(posizioni[0].epfile, 10);
  EXPECT_EQ(posizioni[0].halfmoves, 0);
  setUp("4k3/8/8/8/8/8/8/4K3 w -");
  EXPECT_EQ(posizioni[0].epfile, 10);
  EXPECT_EQ(posizioni[0].halfmoves, 0);
  setUp("4k3/8/8/8/8/8/8/4K3 w - - x7");
  EXPECT_EQ(posizioni[0].halfmoves, 0);
  // The last file letter in alphabetical order wins.
  setUp("4k3/8/8/7p/8/8/8/4K3 w - hb 0");
  EXPECT_EQ(posizioni[0].epfile, 7);
}

TEST(Fen, ImpossibleEnPassantSquaresAndCastlingRightsAreDropped) {
  // Only behind a pawn of the side that just moved, with the squares it crossed empty.
  for (const char* fen :
       {"4k3/8/8/8/4P3/8/8/4K3 w - e3 0 1", "4k3/8/8/8/8/8/8/4K3 b - e3 0 1", "4k3/8/8/8/4P3/4N3/8/4K3 b - e3 0 1",
        "4k3/8/8/4p3/8/8/8/4K3 w - e3 0 1", "4k3/8/8/4p3/8/8/8/4K3 w - d6 0 1"}) {
    setUp(fen);
    EXPECT_EQ(posizioni[0].epfile, 10) << fen;
    EXPECT_EQ(fenProblem(fen), "") << fen;
  }
  setUp("4k3/8/8/4p3/8/8/8/4K3 w - e6 0 1");
  EXPECT_EQ(posizioni[0].epfile, 4);
  // Rights whose king or rook has left home are not kept.
  impostafen("r3k2r/8/8/8/8/8/8/R4K1R w KQkq - 0 1", true);
  EXPECT_EQ(posizioni[0].castling, CASTLE_BK | CASTLE_BQ);
  impostafen("1r2k2r/8/8/8/8/8/8/R3K3 w KQkq - 0 1", true);
  EXPECT_EQ(posizioni[0].castling, CASTLE_WQ | CASTLE_BK);
}

TEST(Fen, PositionsTheRulesCannotReachAreRefusedWithTheirReason) {
  const std::pair<const char*, const char*> refused[] = {
      {"4k3/4R3/8/8/8/8/8/4K3 w - - 0 1", "the side not to move is in check"},
      {"8/8/8/3kK3/8/8/8/8 w - - 0 1", "the kings stand next to each other"},
      {"8/8/8/8/8/8/6kK/8 b - - 0 1", "the kings stand next to each other"},
      {"4k3/8/8/8/8/8/8/8 w - - 0 1", "each side needs exactly one king"},
      {"4k3/8/8/8/8/8/8/3KK3 w - - 0 1", "each side needs exactly one king"},
      {"4k2P/8/8/8/8/8/8/4K3 w - - 0 1", "a pawn on the first or last rank"},
      {"4k3/8/8/8/8/8/8/p3K3 w - - 0 1", "a pawn on the first or last rank"},
      {"4k3/8/8/8/8/8/8/4K3 w K - 0 1", "castling right K without the king on e1 and a rook on h1"},
      {"4k3/8/8/8/8/8/8/R3K3 w Q - 0 1", ""},
      {"r3k3/8/8/8/8/8/8/4K3 w q - 0 1", ""},
      {"r4k2/8/8/8/8/8/8/4K3 w q - 0 1", "castling right q without the king on e8 and a rook on a8"},
      {"4k2r/8/8/8/8/8/8/4K3 w Kk - 0 1", "castling right K without the king on e1 and a rook on h1"},
      {"4k3/8/8/8/8/8/8/4K3 w - e9 0 1", "bad en-passant field"},
      {"4k3/8/8/8/8/8/8/4K3 w - e4 0 1", ""},
  };
  for (const auto& [fen, reason] : refused) EXPECT_EQ(fenProblem(fen), reason) << fen;
  // A refused position changes nothing on the board.
  setUp("4k3/8/8/8/8/8/4P3/4K3 w - - 0 1");
  const tposizione before = posizioni[0];
  EXPECT_NE(fenProblem("8/8/8/3kK3/8/8/8/8 w - - 0 1"), "");
  EXPECT_EQ(std::memcmp(&before, &posizioni[0], sizeof before), 0);
}

TEST(Fen, EmptyRankStringAndUnknownSide) {
  setUp("4k3//8/8/8/8/8/4K3 b - - 0 1");
  EXPECT_EQ(posizioni[0].board[sq("e8")], -KING);
  EXPECT_EQ(posizioni[0].board[sq("e1")], KING);
  EXPECT_EQ(posizioni[0].side, BLACK);
  // A side field none of w, W, b, B keeps the previous side to move.
  impostafen("4k3/8/8/8/8/8/8/4K3 x - - 0 1", true);
  EXPECT_EQ(posizioni[0].side, BLACK);
  impostafen("4k3/8/8/8/8/8/8/4K3 W - - 0 1", true);
  EXPECT_EQ(posizioni[0].side, WHITE);
}

TEST(Fen, CastlingLettersAnywhere) {
  setUp("r3k2r/8/8/8/8/8/8/R3K2R w qKkQ - 0 1");
  EXPECT_EQ(posizioni[0].castling, 15);
  setUp("r3k2r/8/8/8/8/8/8/R3K2R w k - 0 1");
  EXPECT_EQ(posizioni[0].castling, 4);
}

TEST(Fen, DoubledBlanksDoNotShiftFields) {
  setUp("  4k3/8/8/8/8/8/8/4K2R   b  K  -  7 1 ");
  EXPECT_EQ(posizioni[0].side, BLACK);
  EXPECT_EQ(posizioni[0].castling, 1);
  EXPECT_EQ(posizioni[0].halfmoves, 7);
}

TEST(Fen, CheckerOfSideToMove) {
  setUp("4k3/8/8/8/8/8/8/r3K3 w - - 0 1");
  EXPECT_EQ(posizioni[0].checker, sq("a1"));
  setUp("4k3/8/8/8/8/8/8/r3K3 b - - 0 1");
  EXPECT_EQ(posizioni[0].checker, 64);
  setUp("4k3/3P4/8/8/8/8/8/4K3 b - - 0 1");
  EXPECT_EQ(posizioni[0].checker, sq("d7"));
}

TEST(Fen, NewGameResetsRecordAndEngineFlags) {
  partita.count = 5;
  partita.moves[3] = 1234;
  partita.motorenero = 1;
  impostafen("4k3/8/8/8/8/8/8/4K3 w - - 0 1", true);
  EXPECT_EQ(partita.count, 0);
  EXPECT_EQ(partita.moves[3], 0u);
  EXPECT_EQ(partita.startfen.str(), "4k3/8/8/8/8/8/8/4K3 w - - 0 1");
  EXPECT_EQ(partita.date.str(), "?");
  EXPECT_EQ(partita.motorenero, 0);
  nuovapartita();
  EXPECT_EQ(partita.motorenero, 1);
  EXPECT_EQ(partita.motorebianco, 0);
  EXPECT_EQ(partita.blackplayer.str(), "Zefiran_3D 0.92");
  EXPECT_TRUE(partita.startfen.empty());
}

// User-typed text: none of these may write past the board or a piece list.
TEST(Fen, MalformedAndOversizedTextIsClippedSafely) {
  const std::string longRank(200, 'Q');
  const char* nasty[] = {"",
                         "/",
                         "////////////////",
                         "9999999999/99999999",
                         "QQQQQQQQ/QQQQQQQQ/QQQQQQQQ/QQQQQQQQ/QQQQQQQQ/QQQQQQQQ/QQQQQQQQ/QQQQQQQQ w",
                         "NNNNNNNN/nnnnnnnn/BBBBBBBB/bbbbbbbb/RRRRRRRR/rrrrrrrr/PPPPPPPP/pppppppp b KQkq a1 -3 x",
                         "kkkkkkkk/KKKKKKKK/8/8/8/8/8/8 w",
                         "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR/extra/ranks w KQkq - 99999999999999999999 1",
                         "\x01\x02\xff garbage \t\t",
                         "8/8/8/8/8/8/8/8 w - - 0 1"};
  for (const char* fen : nasty) {
    impostafen(fen, true);
    const tposizione& p = posizioni[0];
    EXPECT_LE(p.wqueens.n, CAP_QUEENS);
    EXPECT_LE(p.bqueens.n, CAP_QUEENS);
    EXPECT_LE(p.wknights.n, CAP_MINOR);
    EXPECT_LE(p.bpawns.n, CAP_PAWNS);
    EXPECT_TRUE(computeKeys());
  }
  impostafen(longRank, true);
  EXPECT_EQ(posizioni[0].wqueens.n, CAP_QUEENS);
  int onBoard = 0;
  for (int s = 0; s < 64; ++s) onBoard += posizioni[0].board[s] == QUEEN;
  EXPECT_EQ(onBoard, CAP_QUEENS);
  // A placement with pieces beyond the lists keeps the ones that fit, in order.
  impostafen("NNNNNN2/8/8/8/8/8/8/4K2k w - - 0 1", true);
  EXPECT_EQ(posizioni[0].wknights.n, 4);
  EXPECT_EQ(posizioni[0].board[sq("d8")], KNIGHT);
  EXPECT_EQ(posizioni[0].board[sq("e8")], EMPTY);
  EXPECT_EQ(posizioni[0].piececount, 4);
}

TEST(Fen, NoKingIsAcceptedUnchanged) {
  impostafen("8/8/8/3Q4/8/8/8/8 w - - 0 1", true);
  EXPECT_EQ(posizioni[0].board[sq("d5")], QUEEN);
  EXPECT_EQ(posizioni[0].piececount, 1);
}
