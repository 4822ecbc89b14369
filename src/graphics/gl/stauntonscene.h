// The board scene with the Staunton set. The board is drawn exactly as the
// classic scene walk draws it; the pieces come from display lists, lit and
// coloured by their own materials, with the effects of lookEffects in the
// 3D view: highlights, soft shadows and a reflection in the board. In the
// flat view the symbols are drawn unlit in flat colours: fill, ink outline
// and inner lines in the contrasting colour.
#pragma once

#include <cstdint>

#include "graphics/gl/meshlists.h"
#include "graphics/gl/pieceshadows.h"

// The position record (engine/position/position.h), kept out of this header:
// the window includes it through the board view and sees no engine header.
struct tposizione;

// How much of the reflection shows through the polished board.
constexpr float REFLECTIVITY = 0.22f;

class StauntonScene {
 public:
  // Draws the board and the pieces of pos; the context must be current, the
  // camera loaded and the skin's texture bound. Returns the quads that count
  // toward facce (the frame, the plate and every piece quad).
  int32_t draw(const tposizione& pos);
  // Frees what the context holds for it (the context must be current).
  void release();

 private:
  int32_t drawBoard();
  int32_t drawSolids(const tposizione& pos, bool mirrored);
  int32_t drawSymbols(const tposizione& pos);
  void maskOutsideTheBoard();

  MeshLists lists_;
  PieceShadows shadows_;
};
