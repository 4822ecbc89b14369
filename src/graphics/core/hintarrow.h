// The hint's arrow on the board: a flat arrow from the middle of the
// square a piece leaves to the middle of the square it reaches, drawn over
// the board and the pieces in both views.
#pragma once

// The squares of the suggested move; -1 for none.
struct HintArrow {
  int from = -1;
  int to = -1;
  bool shown() const { return from >= 0 && from < 64 && to >= 0 && to < 64 && from != to; }
};

// Sizes as shares of a square's side: the shaft's width, the head's width
// and length, and how far from the leaving square's middle the shaft begins.
constexpr float ARROW_SHAFT_WIDTH = 0.2f;
constexpr float ARROW_HEAD_WIDTH = 0.55f;
constexpr float ARROW_HEAD_LENGTH = 0.45f;
constexpr float ARROW_TAIL_GAP = 0.2f;
// Its height: just above the square marks.
constexpr float ARROW_HEIGHT = -0.99f;

// The arrow's outline on the board (x along the files, z toward rank 1):
// the shaft's four corners (tail left, head left, head right, tail right
// as one walks along it) and the head's three (left, tip, right).
struct ArrowOutline {
  float shaftX[4], shaftZ[4];
  float headX[3], headZ[3];
};

// False when the arrow is not shown.
bool arrowOutline(const HintArrow& arrow, ArrowOutline& out);
