#include "records/notation.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/position/geometry.h"
#include "engine/position/makemove.h"
#include "engine/position/position.h"
#include "support/engine_fixture.h"

using zeftest::setUp;
using zeftest::sq;

namespace {

uint32_t mv(const char* from, const char* to, uint32_t flags = 0) { return mvMake(sq(from), sq(to), flags); }

// --- reading ---------------------------------------------------------------

TEST(LeggiSan, PawnPushComesFromTheNearestPawn) {
  setUp("4k3/8/8/8/8/4P3/8/4K3 w - - 0 1");
  EXPECT_EQ(leggisan("e4"), mv("e3", "e4"));
  setUp("4k3/8/8/8/8/8/4P3/4K3 w - - 0 1");
  EXPECT_EQ(leggisan("e4"), mv("e2", "e4"));
  setUp("4k3/8/4p3/8/8/8/8/4K3 b - - 0 1");
  EXPECT_EQ(leggisan("e5"), mv("e6", "e5"));
  setUp("4k3/4p3/8/8/8/8/8/4K3 b - - 0 1");
  EXPECT_EQ(leggisan("e5"), mv("e7", "e5"));
}

TEST(LeggiSan, PawnCapturesAndEnPassant) {
  setUp("4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1");
  EXPECT_EQ(leggisan("exd6"), mv("e5", "d6", MV_CAPTURE));
  setUp("4k3/8/8/8/3pP3/8/8/4K3 b - e3 0 1");
  EXPECT_EQ(leggisan("dxe3"), mv("d4", "e3", MV_CAPTURE));
  setUp("4k3/8/8/8/3p4/4P3/8/4K3 w - - 0 1");
  EXPECT_EQ(leggisan("exd4"), mv("e3", "d4", MV_CAPTURE));
  setUp("4k3/8/8/8/3p4/2P5/8/4K3 w - - 0 1");
  EXPECT_EQ(leggisan("cxd4"), mv("c3", "d4", MV_CAPTURE));
}

TEST(LeggiSan, PromotionWithAndWithoutEquals) {
  setUp("3nk3/4P3/8/8/8/8/8/4K3 w - - 0 1");
  EXPECT_EQ(leggisan("e8=Q"), mv("e7", "e8", MV_PROMO_Q));
  EXPECT_EQ(leggisan("e8Q"), mv("e7", "e8", MV_PROMO_Q));
  EXPECT_EQ(leggisan("e8=R+"), mv("e7", "e8", MV_PROMO_R));
  EXPECT_EQ(leggisan("e8B"), mv("e7", "e8", MV_PROMO_B));
  EXPECT_EQ(leggisan("exd8N"), mv("e7", "d8", MV_CAPTURE | MV_PROMO_N));
  setUp("4k3/8/8/8/8/8/3p4/2N1K3 b - - 0 1");
  EXPECT_EQ(leggisan("dxc1=N"), mv("d2", "c1", MV_CAPTURE | MV_PROMO_N));
  EXPECT_EQ(leggisan("d1Q"), mv("d2", "d1", MV_PROMO_Q));
}

TEST(LeggiSan, KnightDisambiguationByFileAndRank) {
  setUp("1n2k3/8/5n2/8/8/8/8/4K3 b - - 0 1");
  EXPECT_EQ(leggisan("Nbd7"), mv("b8", "d7"));
  EXPECT_EQ(leggisan("Nfd7"), mv("f6", "d7"));
  setUp("4k3/8/8/8/8/2N5/8/2N1K3 w - - 0 1");
  EXPECT_EQ(leggisan("N1e2"), mv("c1", "e2"));
  EXPECT_EQ(leggisan("N3e2"), mv("c3", "e2"));
  EXPECT_EQ(leggisan("N3xe2"), mv("c3", "e2", MV_CAPTURE));
}

TEST(LeggiSan, QueenWithFromFileAndFromRank) {
  // Three black queens reach e1: from h4 (diagonal), h1 (rank) and e4 (file).
  setUp("k7/8/8/8/4q2q/8/8/K3R2q b - - 0 1");
  EXPECT_EQ(leggisan("Qh4xe1"), mv("h4", "e1", MV_CAPTURE));
  EXPECT_EQ(leggisan("Qexe1"), mv("e4", "e1", MV_CAPTURE));
  EXPECT_EQ(leggisan("Q1xe1"), mv("h1", "e1", MV_CAPTURE));
}

TEST(LeggiSan, SlidersNeedAnOpenLineAndTheLastOneWins) {
  setUp("4k3/8/8/8/8/8/8/R3K2R w - - 0 1");
  EXPECT_EQ(leggisan("Rd1"), mv("a1", "d1"));  // e1 king blocks the h1 rook
  EXPECT_EQ(leggisan("Rf1"), mv("h1", "f1"));
  setUp("4k3/8/8/8/8/8/1P6/B3K3 w - - 0 1");
  EXPECT_EQ(leggisan("Bc3"), SAN_INVALID);  // b2 pawn blocks
  EXPECT_EQ(leggisan("Bb1"), SAN_INVALID);  // not a diagonal
  // Without disambiguation the last rook in list order (from a1 up) is taken.
  setUp("4k3/8/8/3R4/8/8/8/3RK3 w - - 0 1");
  EXPECT_EQ(leggisan("Rd3"), mv("d5", "d3"));
  EXPECT_EQ(leggisan("R1d3"), mv("d1", "d3"));
}

TEST(LeggiSan, PinnedKnightIsPassedOverForTheFreeOne) {
  // The f6 knight is last in list order but pinned by the d4 bishop.
  setUp("8/6K1/5N2/8/3b4/2N5/8/7k w - - 0 1");
  EXPECT_EQ(leggisan("Ne4"), mv("c3", "e4"));
  setUp("8/6K1/5N2/8/8/2N5/8/7k w - - 0 1");
  EXPECT_EQ(leggisan("Ne4"), mv("f6", "e4"));
  // Black twin: the f6 knight pinned by a white bishop on d4.
  setUp("8/6k1/5n2/8/3B4/2n5/8/7K b - - 0 1");
  EXPECT_EQ(leggisan("Ne4"), mv("c3", "e4"));
  setUp("8/6k1/5n2/8/8/2n5/8/7K b - - 0 1");
  EXPECT_EQ(leggisan("Ne4"), mv("f6", "e4"));
  // Pinned along a file by a rook.
  setUp("4r2k/8/8/8/4N3/8/4K3/7N w - - 0 1");
  EXPECT_EQ(leggisan("Nf2"), mv("h1", "f2"));
}

TEST(LeggiSan, CastlingWithTheLetterOOrTheDigitZero) {
  setUp("r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1");
  EXPECT_EQ(leggisan("O-O"), mv("e1", "g1"));
  EXPECT_EQ(leggisan("O-O+"), mv("e1", "g1"));
  EXPECT_EQ(leggisan("O-O-O"), mv("e1", "c1"));
  EXPECT_EQ(leggisan("O-O-O#"), mv("e1", "c1"));
  EXPECT_EQ(leggisan("0-0"), mv("e1", "g1"));
  EXPECT_EQ(leggisan("0-0-0+"), mv("e1", "c1"));
  EXPECT_EQ(leggisan("O-O-O-O"), SAN_INVALID);
  setUp("r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1");
  EXPECT_EQ(leggisan("O-O"), mv("e8", "g8"));
  EXPECT_EQ(leggisan("O-O-O"), mv("e8", "c8"));
}

TEST(LeggiSan, AnnotationMarksDroppedInTheirOrder) {
  setUp("4k3/8/8/8/8/8/8/4K1N1 w - - 0 1");
  const uint32_t nf3 = mv("g1", "f3");
  EXPECT_EQ(leggisan("Nf3!?"), nf3);
  EXPECT_EQ(leggisan("Nf3+"), nf3);
  EXPECT_EQ(leggisan("Nf3#"), nf3);
  EXPECT_EQ(leggisan("Nf3+!"), nf3);
  EXPECT_EQ(leggisan("Nf3?!"), nf3);  // the "?" kept is ignored by the reader
}

TEST(LeggiSan, FigurinesAreTheirPiecesAndForeignLettersAreRefused) {
  setUp("r1bqkbnr/pppp1ppp/2n5/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R w KQkq - 2 3");
  EXPECT_EQ(leggisan("\u2657b5"), mv("f1", "b5"));   // white bishop symbol
  EXPECT_EQ(leggisan("\u265Db5+"), mv("f1", "b5"));  // the black symbol names the same piece
  EXPECT_EQ(leggisan("\u2658c3"), mv("b1", "c3"));
  EXPECT_EQ(leggisan("\u2659d4"), mv("d2", "d4"));
  EXPECT_EQ(leggisan("Pd4"), mv("d2", "d4"));
  // German, French and other letters, lower-case pieces and unknown symbols
  // are no pawn moves, though a pawn could go to their square.
  for (const char* text :
       {"Sc3", "Ld3", "Tg1", "Dd3", "Cc3", "Fd3", "Kd3x", "nc3", "\u2600d4", "\u00e9d4", "Nc3Q", "e4=K", "d3=", "Xd3"})
    EXPECT_EQ(leggisan(text), SAN_INVALID) << text;
  EXPECT_EQ(sanShape("Sf3"), SanShape::unknownPiece);
  EXPECT_EQ(sanShape("Lb5+"), SanShape::unknownPiece);
  EXPECT_EQ(sanShape("\u2600d4"), SanShape::unknownPiece);
  EXPECT_EQ(sanShape("\u2658f3"), SanShape::wellFormed);
  EXPECT_EQ(sanShape("nf3"), SanShape::unreadable);
  EXPECT_EQ(sanShape("--"), SanShape::unreadable);
  EXPECT_EQ(sanShape("Nb8xc6"), SanShape::wellFormed);
}

TEST(LeggiSan, KingMovesFromTheKingSquare) {
  setUp("4k3/8/8/8/8/8/4p3/4K3 w - - 0 1");
  EXPECT_EQ(leggisan("Kxe2"), mv("e1", "e2", MV_CAPTURE));
  setUp("4k3/8/8/8/8/8/8/4K3 b - - 0 1");
  EXPECT_EQ(leggisan("Kf7"), mv("e8", "f7"));
}

TEST(LeggiSan, UnreadableTextsGiveTheInvalidCode) {
  setUp("4k3/8/8/8/8/8/4P3/4K1N1 w - - 0 1");
  for (const char* text : {"",  "+", "!?",  "#",   "?",   "e9",  "i4",       "e0", "N",  "Nf",   "x",   "--",
                           "e", "4", "Ne4", "Qd1", "Bb5", "Rd4", "\xff\xfe", "e1", "e2", "hxa3", "e2e4"}) {
    EXPECT_EQ(leggisan(text), SAN_INVALID) << '"' << text << '"';
  }
  setUp("4k3/8/8/8/8/8/8/4K3 b - - 0 1");
  EXPECT_EQ(leggisan("e8"), SAN_INVALID);
  EXPECT_EQ(leggisan("axb8"), SAN_INVALID);
}

TEST(LeggiSan, InvalidCodeNeverNamesAGeneratedMove) {
  // From and to are the same square on 12 bits and on 17 bits alike.
  EXPECT_EQ(mvFrom(SAN_INVALID), mvTo(SAN_INVALID));
  EXPECT_EQ(mvFrom(SAN_INVALID & MV_MOVE), mvTo(SAN_INVALID & MV_MOVE));
  EXPECT_NE(SAN_INVALID & MV_MOVE, MV_MARKER);
  EXPECT_NE(SAN_INVALID, 0u);
}

TEST(LeggiSan, ReadsTheTextOnlyInsideItsBounds) {
  // A view into a longer buffer must not see the characters past its end.
  setUp("4k3/8/8/8/8/8/4P3/4K3 w - - 0 1");
  const char buffer[] = "e4Q";
  EXPECT_EQ(leggisan(std::string_view(buffer, 2)), mv("e2", "e4"));
  EXPECT_EQ(leggisan(std::string_view(buffer, 1)), SAN_INVALID);
}

TEST(ScaccoDiLinea, SeesOnlyTheRightSliderOnEachLine) {
  setUp("4r2k/8/8/8/8/8/8/4K3 w - - 0 1");
  EXPECT_TRUE(scaccodilinea(WHITE));
  EXPECT_FALSE(scaccodilinea(BLACK));
  setUp("4b2k/8/8/8/8/8/8/4K3 w - - 0 1");
  EXPECT_FALSE(scaccodilinea(WHITE));  // a bishop on a file
  setUp("7k/8/8/b7/8/8/8/4K3 w - - 0 1");
  EXPECT_TRUE(scaccodilinea(WHITE));
  setUp("7k/8/8/r7/8/8/8/4K3 w - - 0 1");
  EXPECT_FALSE(scaccodilinea(WHITE));  // a rook on a diagonal
  setUp("4q2k/8/8/8/8/8/4P3/4K3 w - - 0 1");
  EXPECT_FALSE(scaccodilinea(WHITE));  // own piece in between
  setUp("7k/8/8/8/8/8/8/q3K3 w - - 0 1");
  EXPECT_TRUE(scaccodilinea(WHITE));
  setUp("4k3/8/8/8/8/8/8/4K2Q b - - 0 1");
  EXPECT_FALSE(scaccodilinea(BLACK));
  setUp("4k3/8/8/8/Q7/8/8/4K3 b - - 0 1");
  EXPECT_TRUE(scaccodilinea(BLACK));
  setUp("4k3/8/8/8/8/8/8/3RK3 b - - 0 1");
  EXPECT_FALSE(scaccodilinea(BLACK));  // the d-file rook does not see e8
  setUp("k7/8/8/8/8/8/8/R3K3 b - - 0 1");
  EXPECT_TRUE(scaccodilinea(BLACK));
}

TEST(PieceFinders, TwinsAnswerForTheirOwnColour) {
  setUp("4k3/8/8/8/8/8/8/1N2K1n1 w - - 0 1");
  EXPECT_EQ(trovacavallobianco(sq("c3"), 0, 0), sq("b1"));
  EXPECT_EQ(trovacavallonero(sq("c3"), 0, 0), -1);
  EXPECT_EQ(trovacavallo(BLACK, sq("f3"), 0, 0), sq("g1"));
  EXPECT_EQ(trovatorre(WHITE, 64, 0, 0), -1);
}

// --- writing ---------------------------------------------------------------

TEST(ScriviSan, PawnsAndPromotions) {
  setUp("3nk3/4P3/8/3pP3/8/8/4P3/4K3 w - d6 0 1");
  EXPECT_EQ(scrivisan(mv("e2", "e4"), 0), "e4");
  EXPECT_EQ(scrivisan(mv("e5", "d6", MV_CAPTURE), 0), "exd6");
  EXPECT_EQ(scrivisan(mv("e7", "e8", MV_PROMO_Q), 0), "e8Q");
  EXPECT_EQ(scrivisan(mv("e7", "d8", MV_CAPTURE | MV_PROMO_N), 0), "exd8N");
  EXPECT_EQ(scrivisan(mv("e7", "e8", MV_PROMO_R), 0), "e8R");
  EXPECT_EQ(scrivisan(mv("e7", "e8", MV_PROMO_B), 0), "e8B");
}

TEST(ScriviSan, CastlingFromTheFourCodes) {
  setUp("r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1");
  EXPECT_EQ(scrivisan(388, 0), "O-O");
  EXPECT_EQ(scrivisan(132, 0), "O-O-O");
  EXPECT_EQ(scrivisan(4028, 0), "O-O");
  EXPECT_EQ(scrivisan(3772, 0), "O-O-O");
  // Ordering score bits do not hide a castling move.
  EXPECT_EQ(scrivisan(388 | mvScore(77), 0), "O-O");
  EXPECT_EQ(scrivisan(mv("e1", "f1"), 0), "Kf1");
  EXPECT_EQ(scrivisan(mv("e8", "d8"), 0), "Kd8");
}

TEST(ScriviSan, DisambiguationByFileOrRank) {
  setUp("4k3/8/8/4N3/8/8/8/4N1K1 w - - 0 1");
  EXPECT_EQ(scrivisan(mv("e1", "f3"), 0), "N1f3");
  EXPECT_EQ(scrivisan(mv("e5", "f3"), 0), "N5f3");
  setUp("4k3/8/8/8/8/5N2/8/1N2K3 w - - 0 1");
  EXPECT_EQ(scrivisan(mv("b1", "d2"), 0), "Nbd2");
  EXPECT_EQ(scrivisan(mv("f3", "d2"), 0), "Nfd2");
  EXPECT_EQ(scrivisan(mv("b1", "c3"), 0), "Nc3");
  // Three knights on d4: one shares the file, one does not.
  setUp("4k3/8/8/1N3N2/8/1N6/8/4K3 w - - 0 1");
  EXPECT_EQ(scrivisan(mv("b3", "d4"), 0), "Nb3d4");
  EXPECT_EQ(scrivisan(mv("f5", "d4"), 0), "Nfd4");
  setUp("1n2k3/8/5n2/8/8/8/8/4K3 b - - 0 1");
  EXPECT_EQ(scrivisan(mv("b8", "d7"), 0), "Nbd7");
  // Pins are not considered: the f6 knight is pinned yet still counts.
  setUp("8/6K1/5N2/8/3b4/2N5/8/7k w - - 0 1");
  EXPECT_EQ(scrivisan(mv("c3", "e4"), 0), "Nce4");
}

TEST(ScriviSan, BlockedLinesCauseNoDisambiguation) {
  setUp("Q3k3/8/p7/8/8/8/8/Q3K3 w - - 0 1");
  EXPECT_EQ(scrivisan(mv("a1", "a4"), 0), "Qa4");
  setUp("Q3k3/8/8/8/8/8/8/Q3K3 w - - 0 1");
  EXPECT_EQ(scrivisan(mv("a1", "a4"), 0), "Q1a4");
  setUp("4k3/8/8/8/8/8/8/R4RK1 w - - 0 1");
  EXPECT_EQ(scrivisan(mv("a1", "d1"), 0), "Rad1");
  setUp("4k3/8/8/8/8/2B5/8/B3K3 w - - 0 1");
  EXPECT_EQ(scrivisan(mv("a1", "b2"), 0), "Bab2");
}

TEST(ScriviSan, CapturesAndNoCheckSign) {
  // The scholar's mate: Qxf7 is mate but no sign is written.
  setUp("r1bqkb1r/pppp1ppp/2n2n2/4p2Q/2B1P3/8/PPPP1PPP/RNB1K1NR w KQkq - 4 4");
  EXPECT_EQ(scrivisan(mv("h5", "f7", MV_CAPTURE), 0), "Qxf7");
  EXPECT_EQ(scrivisan(mv("c4", "f7", MV_CAPTURE), 0), "Bxf7");
  EXPECT_EQ(scrivisan(mv("h5", "e5", MV_CAPTURE), 0), "Qxe5");
}

TEST(ScriviSan, ReadsTheRecordOfTheGivenPly) {
  setUp("4k3/8/8/8/8/8/8/4K1N1 w - - 0 1");
  posizioni[3] = posizioni[0];
  setUp("4k3/8/8/8/8/8/8/4K3 w - - 0 1");
  EXPECT_EQ(scrivisan(mv("g1", "f3"), 3), "Nf3");
  EXPECT_EQ(scrivisan(mv("g1", "f3"), 0), "");  // empty from-square
  EXPECT_EQ(scrivisan(mv("g1", "f3"), -1), "");
  EXPECT_EQ(scrivisan(mv("g1", "f3"), MAXPLY), "");
}

TEST(SanWithCheckMark, CheckAndMateMarksAndTheEngineStateKept) {
  setUp("6k1/5ppp/8/8/8/8/5PPP/R3K2R w KQ - 0 1");
  EXPECT_EQ(sanWithCheckMark(mv("a1", "a8"), 0), "Ra8#");
  EXPECT_EQ(sanWithCheckMark(mv("e1", "g1"), 0), "O-O");
  EXPECT_EQ(sanWithCheckMark(mv("a1", "a7"), 0), "Ra7");
  setUp("6k1/5pp1/8/8/8/8/5PPP/R3K2R w KQ - 0 1");
  EXPECT_EQ(sanWithCheckMark(mv("a1", "a8"), 0), "Ra8+");  // h7 is free
  setUp("r3k3/1P6/8/8/8/8/8/4K3 w - - 0 1");
  EXPECT_EQ(sanWithCheckMark(mv("b7", "a8", MV_CAPTURE | MV_PROMO_Q), 0), "bxa8Q+");
  EXPECT_EQ(sanWithCheckMark(mv("b7", "b8", MV_PROMO_N), 0), "b8N");
  setUp("4k3/8/8/8/8/r7/8/4K3 b - - 0 1");
  EXPECT_EQ(sanWithCheckMark(mv("a3", "a2"), 0), "Ra2");
  EXPECT_EQ(sanWithCheckMark(mv("e8", "e7"), 0), "Ke7");
  // Castling into check gives the mark too (the rook gives it).
  setUp("5k2/8/8/8/8/8/8/4K2R w K - 0 1");
  EXPECT_EQ(sanWithCheckMark(mv("e1", "g1"), 0), "O-O+");
  // Called between two plies of a search: records, lists, ply and the counters stay.
  setUp("6k1/5ppp/8/8/8/8/5PPP/R3K2R w KQ - 0 1");
  ASSERT_TRUE(zeftest::makeRoot("a1a8"));
  const tposizione one = posizioni[1], two = posizioni[2];
  const uint64_t made = positionsMade;
  ply = 1;
  EXPECT_EQ(sanWithCheckMark(mv("a1", "a8"), 0), "Ra8#");
  EXPECT_EQ(std::memcmp(&one, &posizioni[1], sizeof one), 0);
  EXPECT_EQ(std::memcmp(&two, &posizioni[2], sizeof two), 0);
  EXPECT_EQ(positionsMade, made);
  EXPECT_EQ(ply, 1);
  EXPECT_EQ(perftmode, 0);
  // An illegal move, and a record with no room for the scratch plies, keep the plain text.
  setUp("4k3/8/8/8/8/8/8/r3K3 w - - 0 1");
  EXPECT_EQ(sanWithCheckMark(mv("e1", "d1"), 0), "Kd1");
  EXPECT_EQ(sanWithCheckMark(mv("e1", "d1"), MAXPLY - 2), "");
}

// Every piece move scrivisan writes reads back as the same code.
void expectRoundTrip(const char* fen) {
  setUp(fen);
  const tposizione& p = posizioni[0];
  const int sign = p.side == BLACK ? -1 : 1;
  int checked = 0;
  for (int from = 0; from < 64; ++from) {
    const int piece = p.board[from] * sign;
    if (piece < KNIGHT || piece > QUEEN) continue;
    for (int to = 0; to < 64; ++to) {
      if (to == from || p.board[to] * sign > 0) continue;
      const int rel = relation[from][to];
      bool reaches = false;
      if (piece == KNIGHT)
        reaches = rel == 3;
      else if (rel == 1 || rel == 2)
        reaches = (piece == QUEEN || (piece == ROOK && rel == 1) || (piece == BISHOP && rel == 2)) &&
                  lineClear(from, to, p.occupiedlo, p.occupiedhi);
      if (!reaches) continue;
      const uint32_t code = mvMake(from, to, p.board[to] != 0 ? MV_CAPTURE : 0);
      const std::string text = scrivisan(code, 0);
      EXPECT_EQ(leggisan(text), code) << fen << " " << text;
      ++checked;
    }
  }
  EXPECT_GT(checked, 10);
}

TEST(ScriviSan, RoundTripsThroughLeggiSan) {
  expectRoundTrip("4k3/8/1N3N2/8/1N3N2/8/8/4K3 w - - 0 1");
  expectRoundTrip("1r2k2r/8/8/3q4/8/3q1q2/8/4K3 b - - 0 1");
  expectRoundTrip("4k3/8/8/2B1B3/8/2B1B3/8/R3K2R w - - 0 1");
  expectRoundTrip("r1bqkb1r/pppp1ppp/2n2n2/4p2Q/2B1P3/8/PPPP1PPP/RNB1K1NR w KQkq - 4 4");
}

}  // namespace
