// Marks the window puts on squares besides the pieces: where the chosen
// piece may go (a dot on an empty square, a ring round a piece it can
// take), the two squares of the last move, tinted, and the hint's arrow.
#pragma once

#include <vector>

#include "graphics/core/hintarrow.h"

struct SquareMarks {
  std::vector<int> targets;   // squares the chosen piece can reach, each empty
  std::vector<int> captures;  // squares the chosen piece can reach that hold a piece
  int lastFrom = -1;          // the last move's squares, -1 none
  int lastTo = -1;
  HintArrow hint;  // the suggested move, drawn as an arrow
};

// Heights: just above the squares, under the flat symbols' tops like the
// check mark.
constexpr float MARK_HEIGHT = -0.994f;

// A target's dot: its radius as a share of a square's side.
constexpr float TARGET_DOT_RADIUS = 0.17f;
// A capture's ring: inner and outer radius as shares of a square's side.
constexpr float CAPTURE_RING_INNER = 0.40f;
constexpr float CAPTURE_RING_OUTER = 0.48f;
// Corners of a dot or ring, round the square's centre.
constexpr int MARK_SEGMENTS = 32;

// The centre of a square on the board (x along the files, z toward rank 1).
inline float squareCentreX(int s) { return static_cast<float>(s & 7) - 3.5f; }
inline float squareCentreZ(int s) { return 3.5f - static_cast<float>(s >> 3); }
