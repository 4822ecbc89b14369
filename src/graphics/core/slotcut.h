// A straight slot cut into a turned solid, as the cut in a bishop's mitre:
// the slab of half-width `halfWidth` about a plane that holds the depth
// direction z, from `depthFrom` forward (the slot opens toward +z), between
// two ends along the plane. What lies inside is removed and the slot gets
// its two walls, its floor and its ends.
#pragma once

#include <functional>

#include "graphics/core/mesh.h"

struct Slot {
  Vec2 centre;  // (x, y) of a point on the middle plane, at z = 0
  Vec2 normal;  // (x, y) of the middle plane's normal, unit length
  float halfWidth;
  float depthFrom;
  float alongFrom, alongTo;  // the ends, measured from centre along (-normal.y, normal.x)
};

// Cuts the quads of m from index `from` on; radiusAt gives the solid's
// radius about the vertical axis (x = z = 0) at a height, 0 outside it.
void cutSlot(Mesh& m, size_t from, const Slot& slot, const std::function<float(float)>& radiusAt);
