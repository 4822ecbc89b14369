// The piece meshes compiled into display lists of the current context, so
// that a frame sends each piece as one call instead of every corner. The
// lists are made again whenever the meshes have been rebuilt.
#pragma once

#include <cstdint>

#include "graphics/core/mesh.h"

class MeshLists {
 public:
  enum Part { BODY, OUTLINE, DETAIL };
  static constexpr int PARTS = 3;

  // Makes the lists of pezzi[], pieceOutlines[] and pieceDetails[] when
  // they are stale; the context must be current.
  void update();
  // Draws one part of a piece type; nothing for an empty part.
  void draw(int piece, Part part) const;
  // Quads of one part, as counted for facce.
  int32_t quads(int piece, Part part) const { return quads_[piece][part]; }
  // The extent of a piece type's body: its widest radius about its centre
  // and its height above the board.
  float radius(int piece) const { return radius_[piece]; }
  float height(int piece) const { return height_[piece]; }
  // Frees the lists (the context must be current).
  void release();

 private:
  unsigned int base_ = 0;
  uint32_t generation_ = 0;
  bool made_ = false;
  int32_t quads_[NUMPEZZI][PARTS] = {};
  float radius_[NUMPEZZI] = {};
  float height_[NUMPEZZI] = {};
};
