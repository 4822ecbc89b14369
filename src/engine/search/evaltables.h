// Square tables of the evaluation and of the generators' ordering passes,
// all from White's side and indexed by square (a1 = 0). Black's tables are
// the vertical mirror (square s read at s ^ 56) unless defined separately.
#pragma once

#include <array>
#include <cstdint>

namespace evaltables {
using Table = std::array<int16_t, 64>;

// Tables are written as printed: rank 8 first, files a to h.
inline constexpr Table fromPrinted(const Table& printed) {
  Table t{};
  for (int row = 0; row < 8; ++row)
    for (int f = 0; f < 8; ++f) t[(7 - row) * 8 + f] = printed[row * 8 + f];
  return t;
}

inline constexpr Table mirrored(const Table& t) {
  Table m{};
  for (int s = 0; s < 64; ++s) m[s] = t[s ^ 56];
  return m;
}

// clang-format off
inline constexpr Table pawnWhiteMiddleBase = fromPrinted({
    0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0,
  -10,-10, 0, 0, 0, 0,-10,-10,
  -10,-10, 0, 4, 4, 0,-10,-10,
   -8, -8, 5,10,10, 0, -8, -8,
    0, 0, 3, 5, 5, 0, 0, 0,
    4, 4, 2,-15,-15,3, 4, 4,
    0, 0, 0, 0, 0, 0, 0, 0});

// The mirror of White's, except Black's fifth rank (rank 4 of the board).
inline constexpr Table pawnBlackMiddleBase = [] {
  Table t = mirrored(pawnWhiteMiddleBase);
  constexpr int16_t rank4[8] = {-10, -10, 0, 5, 5, 0, -10, -10};
  for (int f = 0; f < 8; ++f) t[24 + f] = rank4[f];
  return t;
}();

inline constexpr Table pawnWhiteEndBase = [] {
  constexpr int16_t byRank[8] = {0, -20, -10, -2, 2, 10, 20, 0};
  Table t{};
  for (int s = 0; s < 64; ++s) t[s] = byRank[s >> 3];
  return t;
}();

inline constexpr Table knightWhiteMiddleBase = fromPrinted({
  -70,-10, -5,  0, -5, -5,-10,-70,
  -10,  0,  0,  0,  0,  0,  0,-10,
   -5,  0,  2,  2,  2,  2,  0, -5,
   -5,  2,  2,  8,  8,  2,  2, -5,
   -5,  0,  6,  8,  8,  6,  0, -5,
   -5,  0, 10,  2,  2, 10,  0, -5,
   -5, -5,  0,  0,  0,  0, -5, -5,
  -30,-13,-10,-10,-10,-10,-16,-30});

inline constexpr Table knightBlackMiddleBase = fromPrinted({
  -30,-13,-10,-10,-10,-10,-16,-30,
  -10, -5,  0,  0,  0,  0, -5,-10,
   -7,  0, 10,  2,  2, 10,  0, -7,
   -5,  0,  6,  8,  8,  6,  0, -5,
   -5,  2,  2,  8,  8,  2,  2, -5,
   -5,  0,  2,  2,  2,  2,  0, -5,
   -5,  0,  0,  0,  0,  0,  0,-10,
  -70,-10, -5, -5, -5, -5,-10,-70});

inline constexpr Table knightEndBase = fromPrinted({
  -60,-30,-30,-30,-30,-30,-30,-60,
  -30, -5, -5, -5, -5, -5, -5,-30,
  -30, -5,  0,  0,  0,  0, -5,-30,
  -30, -5,  0, 15, 15,  0, -5,-30,
  -30, -5,  0, 15, 15,  0, -5,-30,
  -30, -5,  0,  0,  0,  0, -5,-30,
  -30, -5, -5, -5, -5, -5, -5,-30,
  -60,-30,-30,-30,-30,-30,-30,-60});

inline constexpr Table bishopWhiteMiddleBase = fromPrinted({
    0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0,
    0, 3, 0, 0, 0, 0, 3, 0,
    0, 0, 5, 0, 0, 5, 0, 0,
    2, 0, 0, 2, 2, 0, 0, 2,
    0, 5, 0, 7, 7, 0, 7, 0,
   -8,-5,-14,-5,-5,-16,-5,-8});

inline constexpr Table bishopEndBase = fromPrinted({
  -10, -1, -1, -1, -1, -1, -1,-10,
   -1,  0,  0,  0,  0,  0,  0, -1,
   -1,  0, 10, 10, 10, 10,  0, -1,
   -1,  0, 10, 15, 15, 10,  0, -1,
   -1,  0, 10, 15, 15, 10,  0, -1,
   -1,  0, 10, 10, 10, 10,  0, -1,
   -1,  0,  0,  0,  0,  0,  0, -1,
  -10, -1, -1, -1, -1, -1, -1,-10});

inline constexpr Table passedWhiteBase = fromPrinted({
    0, 0, 0, 0, 0, 0, 0, 0,
   60,90,99,99,99,99,90,60,
   35,50,55,55,55,55,50,35,
   10,15,20,20,20,20,15,10,
    5, 6, 8, 8, 8, 8, 6, 5,
    0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0});

inline constexpr Table kingopenBase = fromPrinted({
   -9, -9, -9, -9, -9, -9, -9, -9,
   -9, -9, -9, -9, -9, -9, -9, -9,
   -9, -9, -9, -9, -9, -9, -9, -9,
   -9, -9, -9, -9, -9, -9, -9, -9,
   -9, -9, -9, -9, -9, -9, -9, -9,
   -7, -7, -7, -7, -7, -7, -7, -7,
   -3,  0,  0,-10,-10,  0,  0, -6,
    5, 15, 10,-15, -5, 10,  5, -2});

inline constexpr Table kingmidBase = fromPrinted({
    0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0,
    0, 5,10, 0, 0,10, 5, 0,
    0, 0, 3, 0, 0, 3, 0, 0});

inline constexpr Table kingendBase = fromPrinted({
    0, 0, 0, 0, 0, 0, 0, 0,
    0, 5, 5, 5, 5, 5, 5, 0,
    5, 7,10,10,10,10, 7, 5,
    7,10,15,15,15,15,10, 7,
    7,10,15,15,15,15,10, 7,
    5, 7,10,10,10,10, 7, 5,
    0, 5, 5, 5, 5, 5, 5, 0,
    0, 0, 0, 0, 0, 0, 0, 0});

inline constexpr Table rookhomeBase = fromPrinted({
    0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0,
  -15, -8, 3, 6, 6, 3, -8,-15,
    0, -8, 3,10,10, 3, -8,  0});

inline constexpr Table mateCentreBase = fromPrinted({
    0, 1, 2, 3, 3, 2, 1, 0,
    1, 3, 4, 5, 5, 4, 3, 1,
    2, 4, 7, 7, 7, 7, 4, 2,
    3, 5, 7,10,10, 7, 5, 3,
    3, 5, 7,10,10, 7, 5, 3,
    2, 4, 7, 7, 7, 7, 4, 2,
    1, 3, 4, 5, 5, 4, 3, 1,
    0, 1, 2, 3, 3, 2, 1, 0});
// clang-format on

inline constexpr Table ringTable = [] {
  Table t{};
  for (int s = 0; s < 64; ++s) {
    int f = s & 7, r = s >> 3;
    int a = f < 7 - f ? f : 7 - f, b = r < 7 - r ? r : 7 - r;
    t[s] = static_cast<int16_t>(a < b ? a : b);
  }
  return t;
}();

}  // namespace evaltables

// Capture values by piece type: nothing, pawn, knight, bishop, rook, queen, king.
inline constexpr int16_t captureValue[7] = {0, 100, 295, 300, 480, 900, 2000};

inline constexpr evaltables::Table kingopen = evaltables::kingopenBase;  // Black reads s ^ 56
inline constexpr evaltables::Table kingmid = evaltables::kingmidBase;    // Black reads s ^ 56
inline constexpr evaltables::Table kingend = evaltables::kingendBase;    // symmetric
inline constexpr evaltables::Table kingring = evaltables::ringTable;     // ring number from the edge
inline constexpr evaltables::Table rookhome = evaltables::rookhomeBase;  // first two ranks; Black reads s ^ 56
inline constexpr evaltables::Table mateCentre = evaltables::mateCentreBase;
inline constexpr evaltables::Table passedWhite = evaltables::passedWhiteBase;
inline constexpr evaltables::Table passedBlack = evaltables::mirrored(evaltables::passedWhiteBase);
inline constexpr evaltables::Table pawnWhiteEnd = evaltables::pawnWhiteEndBase;
inline constexpr evaltables::Table pawnBlackEnd = evaltables::mirrored(evaltables::pawnWhiteEndBase);
inline constexpr evaltables::Table pawnWhiteMiddle = evaltables::pawnWhiteMiddleBase;
inline constexpr evaltables::Table pawnBlackMiddle = evaltables::pawnBlackMiddleBase;
inline constexpr int16_t connectedWhite[8] = {0, 10, 16, 25, 70, 170, 250, 0};
inline constexpr int16_t connectedBlack[8] = {0, 250, 170, 70, 25, 16, 10, 0};
inline constexpr evaltables::Table innerSquare = [] {
  evaltables::Table t{};
  for (int s = 0; s < 64; ++s) t[s] = ((s & 7) > 0 && (s & 7) < 7 && (s >> 3) > 0 && (s >> 3) < 7) ? 1 : 0;
  return t;
}();
inline constexpr evaltables::Table centreblock = [] {
  evaltables::Table t{};
  for (int s = 0; s < 64; ++s) t[s] = ((s & 7) >= 2 && (s & 7) <= 5 && (s >> 3) >= 2 && (s >> 3) <= 5) ? 1 : 0;
  return t;
}();

// Tables that carry the random offsets of the last build.
extern int16_t knightWhiteMiddle[64];
extern int16_t knightBlackMiddle[64];
extern int16_t knightEnd[64];  // symmetric; also the ordering table outside phase 2
extern int16_t bishopWhiteMiddle[64];
extern int16_t bishopBlackMiddle[64];
extern int16_t bishopEnd[64];  // symmetric

// Noise amplitude of the last build (3 at start-up, 0 for repeatable tests).
extern int evalNoise;
// Rebuild the tables that carry random offsets, with amplitude noise.
void buildEvalTables(int noise);
