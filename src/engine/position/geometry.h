// Square geometry, built once at start-up and read-only afterwards.
#pragma once

#include <cstdint>
#include <string>

// relation[a][b]: 1 same rank or file (a == b included), 2 same diagonal,
// 3 a knight's move apart, 0 otherwise.
extern uint8_t relation[64][64];
// King distance max(|file difference|, |rank difference|).
extern uint8_t distance[64][64];
// Square colour: a1 is 0 (dark).
extern uint8_t squarecolour[64];
// Squares from a square to the board edge along each diagonal.
extern int32_t rayUpRight[64];    // +9
extern int32_t rayUpLeft[64];     // +7
extern int32_t rayDownRight[64];  // -7
extern int32_t rayDownLeft[64];   // -9
// Knight targets in generation order: count, then up to 8 squares.
extern uint8_t knightlist[64][9];
// Squares strictly between a and b on a shared line, as split square sets.
extern uint32_t betweenlo[64][64];
extern uint32_t betweenhi[64][64];
// Per-square split sets: knight targets, rank-and-file lines, king neighbours.
extern uint32_t knightsetlo[64], knightsethi[64];
extern uint32_t linesetlo[64], linesethi[64];
extern uint32_t kingsetlo[64], kingsethi[64];

// Neighbours of the 28 edge squares in generation order (a corner uses three).
extern const uint8_t (&kingedgelist)[64][5];
// 0 inner square, 1 edge, 2 corner.
extern const uint8_t (&kingclass)[64];
// 1 on c3-f6, where all eight knight targets are on the board.
extern const uint8_t (&knightclass)[64];

void geometria();

// Diagnostic dump of the relation table: eight lines per square.
std::string perpicText();
bool scriviperpic(const std::string& path);

// True when nothing stands strictly between a and b.
inline bool lineClear(int a, int b, uint32_t occlo, uint32_t occhi) {
  return ((betweenlo[a][b] & occlo) | (betweenhi[a][b] & occhi)) == 0;
}
