#include "graphics/core/swell.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

#include "graphics/core/polygon.h"

namespace {

struct Near {
  float distance;
  Vec2 point;
  Vec2 outward;  // of the nearest edge
};

Vec2 edgeOutward(Vec2 a, Vec2 b) {
  // Counter-clockwise outline: the outside is on the right of each edge.
  const float du = b.u - a.u, dv = b.v - a.v, l = std::hypot(du, dv);
  return l > 0.0f ? Vec2{dv / l, -du / l} : Vec2{0.0f, 0.0f};
}

bool isOpen(const Swell& s, int e) { return std::find(s.openEdges.begin(), s.openEdges.end(), e) != s.openEdges.end(); }

Near nearestEdge(const Swell& s, Vec2 p) {
  Near best{1e9f, p, {0.0f, 0.0f}};
  const int n = static_cast<int>(s.outline.size());
  for (int e = 0; e < n; ++e) {
    if (isOpen(s, e)) continue;
    const Vec2 a = s.outline[e], b = s.outline[(e + 1) % n];
    const Vec2 q = nearestOnSegment(a, b, p);
    const float d = std::hypot(p.u - q.u, p.v - q.v);
    if (d < best.distance - 1e-7f) {
      best = {d, q, edgeOutward(a, b)};
    } else if (d < best.distance + 1e-7f) {
      // A corner shared by two edges: between their two directions.
      const Vec2 o = edgeOutward(a, b);
      const Vec2 m{best.outward.u + o.u, best.outward.v + o.v};
      const float l = std::hypot(m.u, m.v);
      if (l > 0.0f) best.outward = {m.u / l, m.v / l};
    }
  }
  return best;
}

struct Surface {
  float half;
  Vec3 normal;  // of the front face
};

Surface surfaceAt(const Swell& s, Vec2 p) {
  const Near n = nearestEdge(s, p);
  const float t = s.thickness(p) / 2.0f;
  constexpr float ON_EDGE = 1e-6f;
  if (n.distance < ON_EDGE) return {0.0f, {n.outward.u, n.outward.v, 0.0f}};
  const float x = std::min(n.distance / s.rounding, 1.0f);
  const float bulge = std::sqrt(2.0f * x - x * x);
  // The slope of the rounding, along the direction away from the edge, and
  // the slope of the thickness itself (by differences).
  const float slope = x < 1.0f ? t * (1.0f - x) / (bulge * s.rounding) : 0.0f;
  const Vec2 away{(p.u - n.point.u) / n.distance, (p.v - n.point.v) / n.distance};
  constexpr float STEP = 0.002f;
  const float tu = (s.thickness({p.u + STEP, p.v}) - s.thickness({p.u - STEP, p.v})) / (4.0f * STEP);
  const float tv = (s.thickness({p.u, p.v + STEP}) - s.thickness({p.u, p.v - STEP})) / (4.0f * STEP);
  const float gu = slope * away.u + bulge * tu, gv = slope * away.v + bulge * tv;
  const float l = std::sqrt(gu * gu + gv * gv + 1.0f);
  return {t * bulge, {-gu / l, -gv / l, 1.0f / l}};
}

}  // namespace

float swellHeight(const Swell& s, Vec2 p) { return surfaceAt(s, p).half; }

void swell(const Swell& s, Mesh& out) {
  std::vector<Vec2> v = s.outline;
  if (v.size() < 3) return;
  std::vector<std::array<int, 3>> tris = triangulate(v);
  for (int level = 0; level < s.subdivisions; ++level) {
    std::map<std::pair<int, int>, int> middle;
    const auto mid = [&](int a, int b) {
      const std::pair<int, int> key{std::min(a, b), std::max(a, b)};
      const auto f = middle.find(key);
      if (f != middle.end()) return f->second;
      v.push_back({(v[a].u + v[b].u) / 2.0f, (v[a].v + v[b].v) / 2.0f});
      const int i = static_cast<int>(v.size()) - 1;
      middle[key] = i;
      return i;
    };
    std::vector<std::array<int, 3>> finer;
    for (const auto& t : tris) {
      const int ab = mid(t[0], t[1]), bc = mid(t[1], t[2]), ca = mid(t[2], t[0]);
      finer.push_back({t[0], ab, ca});
      finer.push_back({ab, t[1], bc});
      finer.push_back({ca, bc, t[2]});
      finer.push_back({ab, bc, ca});
    }
    tris = std::move(finer);
  }
  std::vector<Surface> surface(v.size());
  for (size_t i = 0; i < v.size(); ++i) surface[i] = surfaceAt(s, v[i]);
  const auto front = [&](int i) { return Vec3{v[i].u, v[i].v, surface[i].half}; };
  const auto back = [&](int i) { return Vec3{v[i].u, v[i].v, -surface[i].half}; };
  const auto mirrored = [](Vec3 n) { return Vec3{n.x, n.y, -n.z}; };
  for (const auto& t : tris) {
    // A triangle of corners all on the outline has no thickness: a fin in
    // the middle plane where a sharp corner pinches; front and back both go.
    if (surface[t[0]].half == 0.0f && surface[t[1]].half == 0.0f && surface[t[2]].half == 0.0f) continue;
    out.push_back({{front(t[0]), front(t[1]), front(t[2]), front(t[2])},
                   {surface[t[0]].normal, surface[t[1]].normal, surface[t[2]].normal, surface[t[2]].normal}});
    out.push_back({{back(t[0]), back(t[2]), back(t[1]), back(t[1])},
                   {mirrored(surface[t[0]].normal), mirrored(surface[t[2]].normal), mirrored(surface[t[1]].normal),
                    mirrored(surface[t[1]].normal)}});
  }
  // The open edges: a strip across the cut, corner by corner along it.
  const int n = static_cast<int>(s.outline.size());
  for (int e : s.openEdges) {
    const Vec2 a = s.outline[e], b = s.outline[(e + 1) % n];
    const float du = b.u - a.u, dv = b.v - a.v, l2 = du * du + dv * dv;
    std::vector<std::pair<float, int>> along;
    for (size_t i = 0; i < v.size(); ++i) {
      const Vec2 q = nearestOnSegment(a, b, v[i]);
      if (std::hypot(q.u - v[i].u, q.v - v[i].v) > 1e-6f) continue;
      along.push_back({((v[i].u - a.u) * du + (v[i].v - a.v) * dv) / l2, static_cast<int>(i)});
    }
    std::sort(along.begin(), along.end());
    const Vec2 o = edgeOutward(a, b);
    const Vec3 normal{o.u, o.v, 0.0f};
    for (size_t k = 0; k + 1 < along.size(); ++k) {
      const int i = along[k].second, j = along[k + 1].second;
      // Where the strip meets a rounded edge its corners close up: the
      // repeated corner goes last.
      Vec3 c[4] = {front(i), back(i), back(j), front(j)};
      if (c[0] == c[1]) {
        c[0] = c[1];
        c[1] = c[2];
        c[2] = c[3];
      }
      if (c[0] == c[1] || c[1] == c[2]) continue;
      out.push_back({{c[0], c[1], c[2], c[3]}, {normal, normal, normal, normal}});
    }
  }
}
