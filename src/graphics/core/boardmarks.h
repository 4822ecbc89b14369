// What the board shows beside its squares and pieces: a mark under the king
// in check, and the file letters and rank numbers on the frame, which stay
// by their files and ranks when the board turns and always read upright to
// the viewer.
#pragma once

#include "engine/position/position.h"
#include "graphics/core/skinfile.h"

// Heights: the check mark just above the squares (and below the flat
// symbols' tops), the labels just above the frame and the name plate.
constexpr float ALTEZZA_SCACCO = -0.995f;
constexpr float ALTEZZA_ETICHETTE = -0.985f;

// Glyphs of the labels: 0..7 the letters a..h, 8..15 the digits 1..8.
constexpr int GLIFI = 16;
constexpr int GLIFO_CIFRE = 8;
constexpr int ETICHETTE = 32;  // each file and rank named on both sides of the board

// Label centres lie this far from the board's middle lines, in the frame's
// inner half, clear of the name plate; each label is a square of side
// 2 * MEZZA_ETICHETTA, turned to face the viewer.
constexpr float CENTRO_ETICHETTE = 4.18f;
constexpr float MEZZA_ETICHETTA = 0.17f;

// One label: its glyph and its four corners on the board (x, z), in the
// order lower left, lower right, upper right, upper left as the viewer reads
// the glyph (counter-clockwise seen from above).
struct Etichetta {
  int glifo;
  float x[4], z[4];
};

// The unit board direction (x, z) that points up on the screen under the
// current camera: the labels' up.
void altoschermo(float& ux, float& uz);

// The 32 labels for the current camera.
void frameLabels(Etichetta out[ETICHETTE]);

// The square of the king of the side to move when that king is in check
// (the record's checker), else -1.
int checkedKingSquare(const tposizione& p);

// Colour (r, g, b in 0..1) that the labels take on the frame of skin s:
// dark on a light frame, light on a dark one.
void labelColour(const Skin& s, float rgb[3]);
