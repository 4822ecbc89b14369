// Which of the six piece meshes draws a piece of the position.
#pragma once

#include "engine/position/position.h"
#include "graphics/core/mesh.h"

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
