// Which piece set the board shows, and the parts of a set that are drawn in
// colours of their own. The classic set is the program's own and the
// default; the Staunton set is built beside it and chosen by the user.
#pragma once

#include <cstdint>

#include "engine/position/position.h"
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

// The mesh of a piece code (either colour; a king for anything unknown).
inline int meshForPiece(int8_t piece) {
  switch (piece < 0 ? -piece : piece) {
    case PAWN: return MESH_PEDONE;
    case KNIGHT: return MESH_CAVALLO;
    case BISHOP: return MESH_ALFIERE;
    case ROOK: return MESH_TORRE;
    case QUEEN: return MESH_DONNA;
    default: return MESH_RE;
  }
}
