// The half-outline of a turned piece: (radius, height) points from the axis
// at the foot up to the axis at the top, drawn as a lathe turns it: straight
// cuts, curves and arcs. Where two steps meet at a sharp angle the surface
// keeps a crease; elsewhere it is shaded smooth.
#pragma once

#include <vector>

#include "graphics/core/mesh.h"

class Profile {
 public:
  // Starts on the axis at the given height.
  explicit Profile(float y);

  // A straight step to (r, y).
  Profile& line(float r, float y);
  // A quadratic curve to (r, y), pulled toward the control point (cr, cy).
  Profile& curve(float cr, float cy, float r, float y, int steps = 6);
  // An arc around (cr, cy) from the current point's angle to the given one
  // (degrees, counter-clockwise positive, 0 pointing away from the axis);
  // the radius is the current point's distance from the centre.
  Profile& arc(float cr, float cy, float toDegrees, int steps = 8);
  // Closes onto the axis at the given height.
  Profile& close(float y);

  const std::vector<Vec2>& points() const { return points_; }  // (radius, height)
  float height() const;                                        // the highest point
  float width() const;                                         // the largest radius

 private:
  std::vector<Vec2> points_;
};
