// Soft shadows under the pieces: for each piece a dark pool where it stands
// and a fainter one stretched away from the key light by its height, both
// drawn from one blurred disc, a hair above the squares and blended in.
#pragma once

#include "graphics/gl/meshlists.h"

// The position record (engine/position/position.h), kept out of this header:
// the window includes it through the board view and sees no engine header.
struct tposizione;

// Height of the shadows: above the squares, below the check mark.
constexpr float SHADOW_HEIGHT = -0.998f;

class PieceShadows {
 public:
  // Draws the shadows of the position's pieces; the context must be current
  // and the camera loaded. Returns the quads drawn.
  int32_t draw(const tposizione& pos, const MeshLists& lists);
  void release();

 private:
  unsigned int texture_ = 0;
};
