// The light and the materials of the Staunton set: a warm key light from
// White's left and a cool fill from the right, fixed to the board (so that
// shadows fall the same way however the camera turns), and turned wood for
// the pieces: boxwood for White, rosewood for Black, dark enough to tell
// apart and light enough to show their shape.
#pragma once

#include "graphics/gl/meshlists.h"

// Direction toward the key light, in board coordinates (unit length).
constexpr float KEY_LIGHT[3] = {-0.4436f, 0.7887f, 0.4259f};

// Sets both lights; the model-view matrix must hold the camera (or the
// camera with the board's mirror, for a reflection).
void setPieceLights();

// The material of a piece: its colour, highlights when asked for, and a
// glow for the piece that made the last move. `detail` is the darker shade
// of its cut and eyes.
void setPieceMaterial(bool white, bool lastMoved, bool detail, bool specular);
