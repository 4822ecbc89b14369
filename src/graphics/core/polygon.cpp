#include "graphics/core/polygon.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace {

bool same(Vec2 a, Vec2 b) { return a.u == b.u && a.v == b.v; }

float cross(Vec2 o, Vec2 a, Vec2 b) { return (a.u - o.u) * (b.v - o.v) - (a.v - o.v) * (b.u - o.u); }

bool inTriangle(Vec2 p, Vec2 a, Vec2 b, Vec2 c) {
  // Counter-clockwise triangle; points on its edges count as inside, so that
  // an ear touching another corner is not cut.
  return cross(a, b, p) >= 0.0f && cross(b, c, p) >= 0.0f && cross(c, a, p) >= 0.0f;
}

float smallestAngle(Vec2 a, Vec2 b, Vec2 c) {
  const auto angle = [](Vec2 o, Vec2 p, Vec2 q) {
    const float x1 = p.u - o.u, y1 = p.v - o.v, x2 = q.u - o.u, y2 = q.v - o.v;
    return std::atan2(std::fabs(x1 * y2 - y1 * x2), x1 * x2 + y1 * y2);
  };
  return std::min({angle(a, b, c), angle(b, c, a), angle(c, a, b)});
}

// Lawson flips: an edge shared by two triangles whose union is convex is
// swapped for the other diagonal when that makes the thinner triangle wider.
void improve(std::span<const Vec2> p, std::vector<std::array<int, 3>>& tris) {
  for (int pass = 0; pass < 8; ++pass) {
    bool changed = false;
    std::map<std::pair<int, int>, std::pair<int, int>> edges;  // edge -> (triangle, opposite corner slot)
    for (int t = 0; t < static_cast<int>(tris.size()); ++t)
      for (int k = 0; k < 3; ++k) edges[{tris[t][k], tris[t][(k + 1) % 3]}] = {t, (k + 2) % 3};
    std::vector<bool> touched(tris.size(), false);
    for (const auto& [edge, own] : edges) {
      const auto other = edges.find({edge.second, edge.first});
      if (other == edges.end()) continue;
      const int t1 = own.first, t2 = other->second.first;
      if (touched[t1] || touched[t2]) continue;
      const int a = edge.first, b = edge.second;
      const int c = tris[t1][own.second], d = tris[t2][other->second.second];
      // The quad a-d-b-c must be convex for the swap to stay inside it.
      if (cross(p[c], p[a], p[d]) <= 0.0f || cross(p[d], p[b], p[c]) <= 0.0f) continue;
      const float now = std::min(smallestAngle(p[a], p[b], p[c]), smallestAngle(p[b], p[a], p[d]));
      const float swapped = std::min(smallestAngle(p[c], p[a], p[d]), smallestAngle(p[d], p[b], p[c]));
      if (swapped <= now + 1e-4f) continue;
      tris[t1] = {c, a, d};
      tris[t2] = {d, b, c};
      touched[t1] = touched[t2] = true;
      changed = true;
    }
    if (!changed) return;
  }
}

}  // namespace

float polygonArea(std::span<const Vec2> c) {
  float a = 0.0f;
  for (size_t i = 0; i < c.size(); ++i) {
    const Vec2 p = c[i], q = c[(i + 1) % c.size()];
    a += p.u * q.v - q.u * p.v;
  }
  return a / 2.0f;
}

std::vector<std::array<int, 3>> triangulate(std::span<const Vec2> corners) {
  std::vector<std::array<int, 3>> tris;
  const int n = static_cast<int>(corners.size());
  if (n < 3) return tris;
  const bool ccw = polygonArea(corners) > 0.0f;
  // Worked on counter-clockwise; the result is wound back as given.
  std::vector<Vec2> p(corners.begin(), corners.end());
  std::vector<int> index(n);
  for (int i = 0; i < n; ++i) index[i] = ccw ? i : n - 1 - i;
  std::vector<Vec2> q(n);
  for (int i = 0; i < n; ++i) q[i] = p[index[i]];
  std::vector<int> left(n);
  for (int i = 0; i < n; ++i) left[i] = i;
  std::vector<std::array<int, 3>> local;
  int guard = 0;
  while (left.size() > 3 && guard < n * n) {
    ++guard;
    bool cut = false;
    const int m = static_cast<int>(left.size());
    for (int i = 0; i < m && !cut; ++i) {
      const int a = left[(i + m - 1) % m], b = left[i], c = left[(i + 1) % m];
      if (cross(q[a], q[b], q[c]) <= 0.0f) continue;  // a reflex or flat corner is no ear
      bool empty = true;
      for (int k : left) {
        if (k == a || k == b || k == c) continue;
        if (same(q[k], q[a]) || same(q[k], q[b]) || same(q[k], q[c])) continue;
        if (inTriangle(q[k], q[a], q[b], q[c])) {
          empty = false;
          break;
        }
      }
      if (!empty) continue;
      local.push_back({a, b, c});
      left.erase(left.begin() + i);
      cut = true;
    }
    if (!cut) {
      // Only flat corners remain (or the outline crosses itself): drop the
      // flattest corner so that the rest still closes.
      left.erase(left.begin());
    }
  }
  if (left.size() == 3 && cross(q[left[0]], q[left[1]], q[left[2]]) > 0.0f)
    local.push_back({left[0], left[1], left[2]});
  improve(q, local);
  for (const auto& t : local) {
    if (ccw)
      tris.push_back({index[t[0]], index[t[1]], index[t[2]]});
    else
      tris.push_back({index[t[0]], index[t[2]], index[t[1]]});
  }
  return tris;
}

bool insidePolygon(std::span<const Vec2> c, Vec2 p) {
  bool in = false;
  for (size_t i = 0, j = c.size() - 1; i < c.size(); j = i++) {
    if ((c[i].v > p.v) != (c[j].v > p.v) && p.u < (c[j].u - c[i].u) * (p.v - c[i].v) / (c[j].v - c[i].v) + c[i].u)
      in = !in;
  }
  return in;
}

Vec2 nearestOnSegment(Vec2 a, Vec2 b, Vec2 p) {
  const float du = b.u - a.u, dv = b.v - a.v;
  const float l2 = du * du + dv * dv;
  if (l2 <= 0.0f) return a;
  const float t = std::clamp(((p.u - a.u) * du + (p.v - a.v) * dv) / l2, 0.0f, 1.0f);
  return {a.u + t * du, a.v + t * dv};
}
