// Plane polygons for the pieces built in code: their area, the triangles
// that fill them, and the distance from a point to their outline. A polygon
// is a list of corners without the first repeated at the end.
#pragma once

#include <array>
#include <span>
#include <vector>

#include "graphics/core/mesh.h"

// Signed area: positive when the corners run counter-clockwise (u right, v up).
float polygonArea(std::span<const Vec2> corners);

// Triangles covering a simple polygon (no edge crossing another), as
// indices into its corners, each wound as the polygon is. Ear clipping, then
// edges flipped where that widens the thinnest angle.
std::vector<std::array<int, 3>> triangulate(std::span<const Vec2> corners);

// Whether p lies inside the polygon (even-odd rule).
bool insidePolygon(std::span<const Vec2> corners, Vec2 p);

// The point of segment a-b nearest to p.
Vec2 nearestOnSegment(Vec2 a, Vec2 b, Vec2 p);
