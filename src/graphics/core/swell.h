// A solid swelled out of a closed outline in the xy-plane, the way a carver
// rounds a flat cut-out: each face stands off the plane by half the local
// thickness, eased to nothing over `rounding` from the outline, so that the
// two faces meet in a rounded edge. Edges marked open are left as flat cuts
// of full thickness (where the solid sinks into another) and closed with a
// strip. The knight's head and neck.
#pragma once

#include <functional>
#include <vector>

#include "graphics/core/mesh.h"

struct Swell {
  std::vector<Vec2> outline;   // counter-clockwise (x forward, y up), the first corner not repeated
  std::vector<int> openEdges;  // edge i runs from corner i to corner i + 1
  std::function<float(Vec2)> thickness;
  float rounding = 0.05f;
  int subdivisions = 2;  // each halves the triangles' sides
};

void swell(const Swell& s, Mesh& out);

// How far the front face stands off the plane at a point inside the outline.
float swellHeight(const Swell& s, Vec2 p);
