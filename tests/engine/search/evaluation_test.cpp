// Full evaluation: colour symmetry over many positions, and hand-worked
// scores of the terms that symmetry cannot see.
#include "engine/search/evaluation.h"

#include <gtest/gtest.h>

#include <cctype>
#include <sstream>
#include <string>
#include <vector>

#include "engine/position/position.h"
#include "engine/search/clock.h"
#include "engine/search/evaltables.h"
#include "engine/search/searchstate.h"
#include "engine/toolkit.h"
#include "support/engine_fixture.h"

using zeftest::setUp;
using zeftest::sq;

namespace evaltest {

// The same position with the board turned upside down and the colours
// exchanged: ranks reversed, letter case swapped, side to move, castling
// rights and the en-passant rank mirrored.
std::string mirrorFen(const std::string& fen) {
  std::istringstream in(fen);
  std::string placement, side, castle, ep, rest;
  in >> placement >> side >> castle >> ep;
  std::getline(in, rest);
  std::vector<std::string> ranks;
  std::string cur;
  for (char c : placement) {
    if (c == '/') {
      ranks.push_back(cur);
      cur.clear();
    } else {
      cur += c;
    }
  }
  ranks.push_back(cur);
  auto swapCase = [](std::string s) {
    for (char& c : s) c = std::isupper(static_cast<unsigned char>(c)) ? std::tolower(c) : std::toupper(c);
    return s;
  };
  std::string out;
  for (size_t i = ranks.size(); i-- > 0;) {
    out += swapCase(ranks[i]);
    if (i) out += '/';
  }
  out += side == "w" ? " b " : " w ";
  out += castle == "-" ? std::string("-") : swapCase(castle);
  if (ep.size() == 2) ep[1] = ep[1] == '3' ? '6' : '3';
  out += " " + ep + rest;
  return out;
}

uint8_t mirrorCastling(uint8_t c) {
  return static_cast<uint8_t>(((c & 3) << 2) | ((c >> 2) & 3) | ((c & 16) << 1) | ((c & 32) >> 1));
}

}  // namespace evaltest

namespace {

using evaltest::mirrorFen;

// Set up a position and evaluate it at ply 0; phase 0 keeps the set-up's.
int evalOf(const std::string& fen, int phase = 0, int castling = -1) {
  setUp(fen);
  if (castling >= 0) posizioni[0].castling = static_cast<uint8_t>(castling);
  if (phase) posizioni[0].phase = static_cast<uint8_t>(phase);
  evaluatePawns();
  return evaluateFull(0);
}

// The part of eval(position) + eval(mirror) that the colours are meant to
// leave over: Black's middle-game knight table is not White's mirror,
// Black's middle-game pawn table differs on its fifth rank, and the
// constant part of the trading bonus goes to White whichever side is ahead.
int expectedAsymmetry(const tposizione& p) {
  int a = 0;
  if (p.phase != 3) {
    for (int i = 0; i < p.wknights.n; ++i)
      a += knightWhiteMiddle[p.wknights.sq[i]] - knightBlackMiddle[p.wknights.sq[i] ^ 56];
    for (int i = 0; i < p.bknights.n; ++i)
      a += knightWhiteMiddle[p.bknights.sq[i] ^ 56] - knightBlackMiddle[p.bknights.sq[i]];
  }
  if (p.phase == 2) {
    for (int i = 0; i < p.wpawns.n; ++i) a += pawnWhiteMiddle[p.wpawns.sq[i]] - pawnBlackMiddle[p.wpawns.sq[i] ^ 56];
    for (int i = 0; i < p.bpawns.n; ++i) a += pawnWhiteMiddle[p.bpawns.sq[i] ^ 56] - pawnBlackMiddle[p.bpawns.sq[i]];
  }
  if (p.material > 150 || p.material < -150) a += 2 * (56 - 4 * p.piececount);
  return a;
}

const std::vector<std::string> symmetryPositions = {
    // openings
    "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1",
    "r1bqkbnr/pppp1ppp/2n5/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R w KQkq - 2 3",
    "rnbqkb1r/pp2pppp/3p1n2/8/3NP3/8/PPP2PPP/RNBQKB1R w KQkq - 1 5",
    "r1bqk2r/pppp1ppp/2n2n2/2b1p3/2B1P3/3P1N2/PPP2PPP/RNBQK2R w KQkq - 1 5",
    "rnbqk2r/ppp1ppbp/3p1np1/8/2PPP3/2N5/PP3PPP/R1BQKBNR w KQkq - 1 5",
    "r1bq1rk1/ppp2ppp/2np1n2/2b1p3/2B1P3/2NP1N2/PPP2PPP/R1BQ1RK1 w - - 0 7",
    "r1bqkb1r/pppppppp/n6n/8/8/N6N/PPPPPPPP/R1BQKB1R w KQkq - 4 3",
    "rnbqkbnr/ppp2ppp/8/8/3pp3/8/PPP2PPP/RNBQKBNR w KQkq - 0 4",
    "rnbqkbnr/pp3ppp/8/2ppp3/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 4",
    // middle games
    "r2q1rk1/pp2bppp/2n1pn2/3p4/3P4/2NBPN2/PP3PPP/R2Q1RK1 w - - 0 10",
    "2rq1rk1/pb1nbppp/1p2pn2/2pp4/2PP4/1PN1PN2/PB2BPPP/2RQ1RK1 w - - 0 11",
    "r1b2rk1/pp1nqppp/2p1p3/3p4/2PP4/2N1PN2/PPQ2PPP/R3KB1R w KQ - 0 10",
    "r3k2r/ppp2ppp/2n1bn2/2bqp3/8/2NP1N2/PPPBBPPP/R2QK2R b KQkq - 3 8",
    "3r1rk1/pp3ppp/2n1b3/q1pp4/8/P1PBPN2/2Q2PPP/R4RK1 w - - 0 15",
    "r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 w - - 0 10",
    "2kr3r/ppp2ppp/2n5/2b1q3/4P1b1/2N5/PPP1BPPP/R1BQ1RK1 w - - 0 11",
    "r1bqr1k1/pp1n1pbp/2pp1np1/4p3/2PPP3/2N1BP2/PP1QN1PP/R3KB1R w KQ - 0 9",
    "rnb1kb1r/ppq2ppp/4pn2/2pp4/3P4/2PBPN2/PP1N1PPP/R1BQK2R w KQkq - 0 7",
    "2r2rk1/1q3ppp/8/8/8/8/1Q3PPP/2R2RK1 w - - 0 1",
    "r4rk1/pQ3ppp/8/3n4/8/2N5/PP3PPP/R4RK1 b - - 0 1",
    "6k1/1q3ppp/3r4/8/3B4/2Q5/5PPP/3R2K1 w - - 0 1",
    "1r4k1/R4ppp/1p6/8/8/1P6/r4PPP/1R4K1 w - - 0 1",
    "r2qk2r/1P3ppp/8/8/8/8/1p3PPP/R2QK2R w KQkq - 0 1",
    "4rrk1/pp1b1ppp/2n5/q2N4/3QP3/8/PPP2PPP/1K1R3R w - - 0 1",
    // endings
    "8/5k2/8/3P4/8/8/5K2/8 w - - 0 1",
    "8/pp3k2/2p5/3p4/3P4/2P5/PP3K2/8 w - - 0 1",
    "6k1/5pp1/7p/8/8/7P/5PP1/3R2K1 w - - 0 1",
    "r5k1/5ppp/8/8/8/8/5PPP/2R3K1 b - - 0 1",
    "8/3k4/3p4/2pP1p2/2P2P2/3K4/8/2b2B2 w - - 0 1",
    "8/8/2k5/5n2/3N4/2K5/8/8 w - - 0 1",
    "8/1R4pk/6p1/1p6/1P6/6P1/r4PK1/8 w - - 0 1",
    "8/2k3p1/8/P2b4/1P6/8/5K2/2R5 w - - 0 1",
    "6k1/7p/4P3/8/8/8/2R5/6K1 b - - 0 1",
    "8/6pk/8/4N3/8/8/PP6/1K6 w - - 0 1",
};

}  // namespace

TEST(EvaluationSymmetry, MirrorGivesNegatedScoreAndSwappedTallies) {
  for (const std::string& fen : symmetryPositions) {
    for (int forced : {0, 1}) {
      SCOPED_TRACE(fen + (forced ? " (phase 1)" : ""));
      setUp(fen);
      if (forced && posizioni[0].phase != 2) continue;
      const int phase = forced ? 1 : posizioni[0].phase;
      const int a = evalOf(fen, phase);
      const tposizione p = posizioni[0];
      // The halvings of the ending are not linear: the trading constant
      // would not cancel through them.
      if (p.phase == 3 && (p.material > 150 || p.material < -150)) {
        ASSERT_TRUE(p.wpawns.n > 0 && p.bpawns.n > 0) << "position unfit for the symmetry test";
      }
      const int b = evalOf(mirrorFen(fen), phase);
      EXPECT_EQ(a + b, expectedAsymmetry(p));
      EXPECT_EQ(p.whitetally, posizioni[0].blacktally);
      EXPECT_EQ(p.blacktally, posizioni[0].whitetally);
    }
  }
}

TEST(EvaluationSymmetry, CastlingStateMirrors) {
  const std::vector<std::string> fens = {
      "r1bq1rk1/ppp2ppp/2np1n2/2b1p3/2B1P3/2NP1N2/PPP2PPP/R1BQ1RK1 w - - 0 7",  // 12 pieces
      "r4rk1/pp3ppp/2n5/3q4/8/2N5/PP1Q1PPP/R4RK1 w - - 0 1",                    // 8 pieces
  };
  for (const std::string& fen : fens)
    for (int c : {0, 1, 2, 3, 4, 8, 12, 15, 16, 32, 48, 16 | 4, 32 | 2, 16 | 8, 5, 10}) {
      SCOPED_TRACE(fen + " castling " + std::to_string(c));
      const int a = evalOf(fen, 0, c);
      const tposizione p = posizioni[0];
      const int b = evalOf(mirrorFen(fen), 0, evaltest::mirrorCastling(static_cast<uint8_t>(c)));
      EXPECT_EQ(a + b, expectedAsymmetry(p));
    }
}

TEST(EvaluationSymmetry, CastlingValuesByPieceCount) {
  // Against having lost both rights, castling gains 25 + 30 with ten
  // pieces or more and 12 + 15 with 7 to 9; a kept right is worth 20 (king
  // side) or 10 (queen side), and 10 or 5.
  const std::string many = "r1bq1rk1/ppp2ppp/2np1n2/2b1p3/2B1P3/2NP1N2/PPP2PPP/R1BQ1RK1 w - - 0 7";
  const std::string fewer = "r4rk1/pp3ppp/2n5/3q4/8/2N5/PP1Q1PPP/R4RK1 w - - 0 1";
  EXPECT_EQ(evalOf(many, 0, CASTLED_W) - evalOf(many, 0, 0), 55);
  EXPECT_EQ(evalOf(many, 0, CASTLE_WK) - evalOf(many, 0, 0), 20);
  EXPECT_EQ(evalOf(many, 0, CASTLE_WQ) - evalOf(many, 0, 0), 10);
  EXPECT_EQ(evalOf(many, 0, CASTLED_B) - evalOf(many, 0, 0), -55);
  EXPECT_EQ(evalOf(many, 0, CASTLED_W | CASTLE_WK) - evalOf(many, 0, CASTLED_W), 0);
  EXPECT_EQ(evalOf(fewer, 0, CASTLED_W) - evalOf(fewer, 0, 0), 27);
  EXPECT_EQ(evalOf(fewer, 0, CASTLE_WK) - evalOf(fewer, 0, 0), 10);
  EXPECT_EQ(evalOf(fewer, 0, CASTLE_BQ) - evalOf(fewer, 0, 0), -5);
}

TEST(EvaluationEnding, RookAgainstBareKing) {
  // 480 material, (480/16) x (8 - 7) for the kings' distance, and the
  // trading bonus 480/4 + 56 - 4: above 450, so not halved.
  EXPECT_EQ(evalOf("4k3/8/8/8/8/8/8/4K2R w - - 0 1"), 480 + 30 + 120 + 52);
  // The king's centralisation and the distance term grow as they close in.
  EXPECT_EQ(evalOf("8/8/8/4k3/8/4K3/8/7R w - - 0 1"), 480 + 10 - 15 + 30 * 6 + 120 + 52);
}

TEST(EvaluationEnding, PawnlessAdvantageIsHalved) {
  // Rook and bishop against rook: 300 + kingend d4 15 + trading 50 + 44 =
  // 409, halved to 204, then the bishop's edge square -1.
  EXPECT_EQ(evalOf("r3k3/8/8/8/3K4/8/8/R1B5 w - - 0 1"), 203);
  // The same for Black: the trading constant still favours White, so
  // -300 - 15 - 50 + 44 = -321 is halved towards zero to -160, and the
  // bishop's edge square gives back 1.
  EXPECT_EQ(evalOf("r1b5/8/8/3k4/8/8/8/R3K3 w - - 0 1"), -159);
  // With a pawn White keeps the whole advantage: pawn a2 -32, 400, 15,
  // kings' distance 25 x 4, trading 66 + 44, bishop -1, rook behind the
  // passed pawn +10.
  EXPECT_EQ(evalOf("r3k3/8/8/8/3K4/8/P7/R1B5 w - - 0 1"), 602);
  // The bishop pair against the bare king: 600 + pair 68 + distance 37 +
  // trading 168, the bishops' edge squares -2.
  EXPECT_EQ(evalOf("4k3/8/8/8/8/8/8/2B1KB2 w - - 0 1"), 871);
}

TEST(EvaluationEnding, OppositeBishopsHalve) {
  // Pawn a4: isolated -12, passed +5, rank-4 ending square -2. Material 100.
  // Kings d2 and e7 cancel. 91, halved towards zero to 46; then the pawn on
  // the bishop's light squares -5; the bishops' squares cancel.
  EXPECT_EQ(evalOf("8/4k3/3b4/8/P7/3B4/3K4/8 w - - 0 1"), 41);
  // Same-coloured bishops: no halving.
  EXPECT_EQ(evalOf("8/4k3/4b3/8/P7/3B4/3K4/8 w - - 0 1"), 86);
  // Halving goes towards zero for Black too.
  EXPECT_EQ(evalOf("8/3k4/3b4/p7/8/3B4/4K3/8 w - - 0 1"), -41);
}

TEST(EvaluationEnding, RooksOnTheSeventhAndBehindPassers) {
  // Moving the rook from e6 to e7 gains 3, 8 for the king on the eighth and
  // 6 for each pawn on the seventh.
  const std::string base = "6k1/p5p1/4R3/8/8/8/6PP/6K1 w - - 0 1";
  const std::string seventh = "6k1/p3R1p1/8/8/8/8/6PP/6K1 w - - 0 1";
  EXPECT_EQ(evalOf(seventh) - evalOf(base), 3 + 8 + 12);
  // A rook behind its own passed pawn: +10 (a1 behind a5), not in front.
  const std::string behind = "6k1/6p1/8/P7/8/8/6P1/R5K1 w - - 0 1";
  const std::string ahead = "6k1/6p1/R7/P7/8/8/6P1/6K1 w - - 0 1";
  EXPECT_EQ(evalOf(behind) - evalOf(ahead), 10);
  // Black's rook on its seventh rank with White's king on the first.
  const std::string bBase = "6k1/6pp/8/8/8/4r3/P5P1/6K1 w - - 0 1";
  const std::string bSeventh = "6k1/6pp/8/8/8/8/P3r1P1/6K1 w - - 0 1";
  EXPECT_EQ(evalOf(bSeventh) - evalOf(bBase), -(3 + 8 + 12));
  // Black's rook behind its passed pawn h4 (h8 is behind, h3 in front).
  EXPECT_EQ(evalOf("1k5r/1p6/8/8/7p/8/1P6/1K6 w - - 0 1") - evalOf("1k6/1p6/8/8/7p/7r/1P6/1K6 w - - 0 1"), -10);
  // In front of the pawn (h6 pawn, rook h4) it earns nothing.
  EXPECT_EQ(evalOf("1k6/1p6/7p/8/7r/8/1P6/1K6 w - - 0 1"), evalOf("1k6/1p6/7p/8/8/7r/1P6/1K6 w - - 0 1"));
}

TEST(EvaluationEnding, SingleBishopDislikesPawnsOnItsColour) {
  // The pawn a2 is on a light square like the bishop f1, not like g1.
  // Both bishops stand on edge squares and both kings on corners of the
  // first rank, so only the -5 differs.
  const int light = evalOf("6k1/8/8/8/8/8/P7/5BK1 w - - 0 1");
  const int dark = evalOf("6k1/8/8/8/8/8/P7/6BK w - - 0 1");
  EXPECT_EQ(light - dark, -5);
}

TEST(EvaluationMiddle, TalliesCountAttackersNearTheKing) {
  // Near Black's king g8: rook g7 (distance 1), knight f6 (2), queen h5
  // (3); the rook d1 is too far.
  evalOf("6k1/5pRp/5N2/7Q/8/8/5PPP/3R2K1 w - - 0 1", 2);
  EXPECT_EQ(posizioni[0].whitetally, 2 + 1 + 2);  // rook g7 2, knight 1, queen 2
  EXPECT_EQ(posizioni[0].blacktally, 0);
  // Distance 3 still counts, 4 does not: knights e5 and d4, rook d5 (one
  // for distance 3), Black's knight f3 beside White's king g1.
  evalOf("6k1/5ppp/8/3RN3/3N4/5n2/5PPP/6K1 w - - 0 1", 2);
  EXPECT_EQ(posizioni[0].whitetally, 1 + 1);
  EXPECT_EQ(posizioni[0].blacktally, 1);
  // The ending counts nothing.
  evalOf("6k1/5pRp/5N2/8/8/8/5PPP/6K1 w - - 0 1");
  EXPECT_EQ(posizioni[0].phase, 3);
  EXPECT_EQ(posizioni[0].whitetally, 0);
}

TEST(EvaluationMiddle, QueenBlockedByItsOwnCamp) {
  // Queen d1: e2 occupied -18 (up-right), c2 empty and b3 occupied -8.
  // Compared with the knight standing where it blocks nothing.
  const std::string blockedBoth = "4k3/8/8/8/8/1N6/4P3/3QK3 w - - 0 1";
  const std::string blockedRight = "4k3/8/8/8/8/8/4P3/N2QK3 w - - 0 1";
  EXPECT_EQ(evalOf(blockedBoth, 2) - evalOf(blockedRight, 2),
            -8 + knightWhiteMiddle[sq("b3")] - knightWhiteMiddle[sq("a1")]);
  // A queen above its second rank looks back: from d4, e3 occupied -18
  // (down-right), c3 occupied -12 (down-left), d3 occupied -12. From d5
  // everything behind is empty. Black's king h7 sees neither queen.
  const std::string high = "8/7k/8/8/3Q4/2PPP3/8/4K3 w - - 0 1";
  const std::string free = "8/7k/8/3Q4/8/2PPP3/8/4K3 w - - 0 1";
  EXPECT_EQ(evalOf(high, 2) - evalOf(free, 2), -18 - 12 - 12);
}

TEST(EvaluationMiddle, QueenNearTheEnemyKing) {
  // Within distance 3 and with fewer than 11 pieces the queen earns 7 per
  // square of distance (so more at 3 than at 1), and 6 on a line with the
  // king. d5 is at distance 3 from g7 and on no line with it; b5 is far.
  const std::string near = "8/6k1/8/3Q4/8/8/8/4K3 w - - 0 1";
  const std::string far = "8/6k1/8/1Q6/8/8/8/4K3 w - - 0 1";
  EXPECT_EQ(evalOf(near, 2) - evalOf(far, 2), 21);
  EXPECT_EQ(posizioni[0].whitetally, 0);
  evalOf(near, 2);
  EXPECT_EQ(posizioni[0].whitetally, 2);
  // On the g-file: distance 2 and a shared file.
  EXPECT_EQ(evalOf("8/6k1/8/6Q1/8/8/8/4K3 w - - 0 1", 2) - evalOf(far, 2), 14 + 6);
}

TEST(EvaluationMiddle, WholePositionByHand) {
  // White: rooks a1 and e1, king g1, pawns f2 g2 h2. Black: king g8, queen
  // d8, rook d7, knight b8, bishop c8, pawns f7 g7 h7. Six pieces, phase 2.
  // Pawns cancel (0). Material -1015. Kings: ending tables cancel, distance
  // term -(1015/16) x 1 = -63. Trading: -1015/9 + 56 - 24 = -80.
  // White rooks: a1 home 0 + 4 (b1, c1 free) + open file 8 = 12;
  //              e1 home 10 + 4 (e2, e3 free) + open file 8 = 22.
  // Black: rook d7 home 6 + 4 + open 8 = 18, bishop c8 -14, knight b8 -13,
  //        queen d8 unblocked: -9 in all, counted against Black.
  EXPECT_EQ(evalOf("1nbq2k1/3r1ppp/8/8/8/8/5PPP/R3R1K1 w - - 0 1"), -1115);
  EXPECT_EQ(posizioni[0].phase, 2);
}

TEST(EvaluationMiddle, RookFiles) {
  // Twelve pawns, files d and e open: 4P - 16 = 32, and 10 more on the
  // file next to the enemy king's.
  EXPECT_EQ(evalOf("4k3/ppp2ppp/8/8/3R4/8/PPP2PPP/6K1 w - - 0 1", 2) -
                evalOf("4k3/ppp2ppp/8/8/4R3/8/PPP2PPP/6K1 w - - 0 1", 2),
            10);
  // Thirteen pawns: the half-open d-file 2P - 4 = 22, the open e-file 36,
  // the closed c-file nothing.
  const int dFile = evalOf("4k3/pppp1ppp/8/8/3R4/8/PPP2PPP/6K1 w - - 0 1", 2);
  const int eFile = evalOf("4k3/pppp1ppp/8/8/4R3/8/PPP2PPP/6K1 w - - 0 1", 2);
  const int cFile = evalOf("4k3/pppp1ppp/8/8/2R5/8/PPP2PPP/6K1 w - - 0 1", 2);
  EXPECT_EQ(dFile - eFile, 22 - 36);
  EXPECT_EQ(cFile - eFile, -36);
  // With five pawns or fewer files do not count.
  EXPECT_EQ(evalOf("4k3/p7/8/8/3R4/8/PP6/6K1 w - - 0 1", 2), evalOf("4k3/p7/8/8/4R3/8/PP6/6K1 w - - 0 1", 2));
}

TEST(EvaluationMiddle, OwnCampSquares) {
  // Six pieces and five pawns (no file terms). Rook h2 beside the g2 pawn:
  // home -15 and -16, against nothing on h3.
  const std::string camp = "1nbq2k1/3r1ppp/8/8/8/8/5PPR/R5K1 w - - 0 1";
  const std::string out = "1nbq2k1/3r1ppp/8/8/8/7R/5PP1/R5K1 w - - 0 1";
  EXPECT_EQ(evalOf(camp) - evalOf(out), -31);
  // Rook b1 with c1 empty: -8 + 4.
  EXPECT_EQ(
      evalOf("1nbq2k1/3r1ppp/8/8/8/8/5PP1/1R4KR w - - 0 1") - evalOf("1nbq2k1/3r1ppp/8/8/8/1R6/5PP1/6KR w - - 0 1"),
      -4);
  // The same squares do not count with five pieces or fewer.
  EXPECT_EQ(
      evalOf("2bq2k1/5ppp/8/8/8/8/5PPR/R5K1 w - - 0 1", 2) - evalOf("2bq2k1/5ppp/8/8/8/7R/5PP1/R5K1 w - - 0 1", 2), 0);
  // A bishop c1 shut in by pawns b2 and d2: -14 and -30, against h6 (0);
  // one pawn alone does not shut it in.
  EXPECT_EQ(evalOf("4k3/8/7B/8/8/8/1P1P4/4K3 w - - 0 1", 2) - evalOf("4k3/8/8/8/8/8/1P1P4/2B1K3 w - - 0 1", 2),
            14 + 30);
  EXPECT_EQ(evalOf("4k3/8/7B/8/8/8/1P6/4K3 w - - 0 1", 2) - evalOf("4k3/8/8/8/8/8/1P6/2B1K3 w - - 0 1", 2), 14);
  EXPECT_EQ(evalOf("4k3/8/7B/8/8/8/3P4/4K3 w - - 0 1", 2) - evalOf("4k3/8/8/8/8/8/3P4/2B1K3 w - - 0 1", 2), 14);
  // The d2 pawn walled in by the bishop on d3: 2 for the square, -12.
  EXPECT_EQ(evalOf("4k3/8/8/8/8/3B4/3P4/4K3 w - - 0 1", 2) - evalOf("4k3/8/7B/8/8/8/3P4/4K3 w - - 0 1", 2), 2 - 12);
}

TEST(EvaluationClock, EveryTwoThousandFortyEighthCallChecksTheDeadline) {
  double fake = 0.5;
  setClockSource([&fake] { return fake; });
  setUp("r1bqkbnr/pppp1ppp/2n5/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R w KQkq - 2 3");
  moveStart = 0.5;
  clockNow = 0.5;
  searchDeadline = 1000;
  stopSearch = 0;
  fake = 0.5 + 2.0 / 86400.0;  // two seconds later
  evalCalls = 0;
  for (int i = 0; i < 2047; ++i) evaluateFull(0);
  EXPECT_EQ(stopSearch, 0);
  EXPECT_EQ(clockNow, 0.5);
  evaluateFull(0);
  EXPECT_EQ(stopSearch, 1);
  EXPECT_EQ(clockNow, fake);

  // Within the allowance the sample refreshes the time but does not stop.
  stopSearch = 0;
  searchDeadline = 5000;
  fake = 0.5 + 3.0 / 86400.0;
  for (int i = 0; i < 2048; ++i) evaluateFull(0);
  EXPECT_EQ(stopSearch, 0);
  EXPECT_EQ(clockNow, fake);
  setClockSource(nullptr);
}
