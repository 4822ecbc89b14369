// Which piece set the board shows, and the parts of a set that are drawn in
// colours of their own. The classic set is the program's own and the
// default; the Staunton set is built beside it and chosen by the user.
#pragma once

#include <cstdint>

#include "graphics/core/mesh.h"

enum class PieceSet { Classic, Staunton };

// The set costruiscipezzi builds (read at every rebuild).
extern PieceSet pieceSet;

// The Staunton set keeps each piece's body in pezzi[] (what the picking and
// the scene walk read) and its trim here: the ink of the flat symbols'
// outlines, and details in the contrasting colour (a flat symbol's inner
// lines, a solid piece's cut or eyes in a darker shade). Empty for the
// classic set.
extern Mesh pieceOutlines[NUMPEZZI];
extern Mesh pieceDetails[NUMPEZZI];

// Changes with every rebuild of the meshes, never repeating (even when a
// caller puts an earlier value back), so that a renderer keeping compiled
// copies knows when they are stale.
extern uint32_t pieceGeneration;
uint32_t nextPieceGeneration();
