#include "graphics/core/slotcut.h"

#include <cmath>
#include <vector>

#include "graphics/core/solids.h"

namespace {

struct Corner {
  Vec3 p, n;
};

// A half-space a·p + b >= 0 in the slot's terms.
struct Side {
  Vec3 a;
  float b;
  float at(Vec3 p) const { return a.x * p.x + a.y * p.y + a.z * p.z + b; }
};

std::vector<Corner> clip(const std::vector<Corner>& poly, const Side& s) {
  std::vector<Corner> out;
  const size_t n = poly.size();
  for (size_t i = 0; i < n; ++i) {
    const Corner& p = poly[i];
    const Corner& q = poly[(i + 1) % n];
    const float dp = s.at(p.p), dq = s.at(q.p);
    if (dp >= 0.0f) out.push_back(p);
    if ((dp >= 0.0f) != (dq >= 0.0f)) {
      const float t = dp / (dp - dq);
      const auto mix = [t](Vec3 a, Vec3 b) {
        return Vec3{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y), a.z + t * (b.z - a.z)};
      };
      out.push_back({mix(p.p, q.p), mix(p.n, q.n)});
    }
  }
  return out;
}

Side flipped(const Side& s) { return {{-s.a.x, -s.a.y, -s.a.z}, -s.b}; }

void emit(const std::vector<Corner>& poly, Mesh& out) {
  for (size_t k = 1; k + 1 < poly.size(); ++k)
    out.push_back(
        {{poly[0].p, poly[k].p, poly[k + 1].p, poly[k + 1].p}, {poly[0].n, poly[k].n, poly[k + 1].n, poly[k + 1].n}});
}

// A face of the slot, wound so that its normal points along `facing`.
void face(Vec3 a, Vec3 b, Vec3 c, Vec3 d, Vec3 facing, Mesh& out) {
  Vec3 n = normalefaccia(a, b, c);
  if (n == Vec3{0.0f, 0.0f, 0.0f}) n = normalefaccia(a, c, d);
  if (n.x * facing.x + n.y * facing.y + n.z * facing.z < 0.0f)
    flatQuad(d, c, b, a, out);
  else
    flatQuad(a, b, c, d, out);
}

}  // namespace

void cutSlot(Mesh& m, size_t from, const Slot& s, const std::function<float(float)>& radiusAt) {
  const Vec3 n{s.normal.u, s.normal.v, 0.0f};
  const Vec3 e{-s.normal.v, s.normal.u, 0.0f};
  const float cn = s.centre.u * n.x + s.centre.v * n.y, ce = s.centre.u * e.x + s.centre.v * e.y;
  // Inside the slot: all five hold.
  const Side sides[5] = {
      {{-n.x, -n.y, 0.0f}, cn + s.halfWidth},  // d < w
      {{n.x, n.y, 0.0f}, -cn + s.halfWidth},   // d > -w
      {{0.0f, 0.0f, 1.0f}, -s.depthFrom},      // z > depthFrom
      {{e.x, e.y, 0.0f}, -ce - s.alongFrom},   // u > from
      {{-e.x, -e.y, 0.0f}, ce + s.alongTo},    // u < to
  };
  Mesh kept(m.begin(), m.begin() + static_cast<std::ptrdiff_t>(from));
  for (size_t i = from; i < m.size(); ++i) {
    const Quad& q = m[i];
    std::vector<std::vector<Corner>> triangles;
    triangles.push_back({{q.p[0], q.n[0]}, {q.p[1], q.n[1]}, {q.p[2], q.n[2]}});
    if (!(q.p[2] == q.p[3])) triangles.push_back({{q.p[0], q.n[0]}, {q.p[2], q.n[2]}, {q.p[3], q.n[3]}});
    for (const auto& t : triangles) {
      // Outside the slot is the union of: fails side 0; holds 0, fails 1; ...
      std::vector<Corner> rest = t;
      for (const Side& side : sides) {
        emit(clip(rest, flipped(side)), kept);
        rest = clip(rest, side);
        if (rest.size() < 3) break;
      }
    }
  }
  m = std::move(kept);

  // The walls: for each point along the slot, the stretch of depth that
  // lies inside the solid and in front of depthFrom.
  constexpr int STEPS = 24;
  struct Stretch {
    bool inside;
    float front, backz;
  };
  const auto point = [&](float d, float u, float z) {
    return Vec3{s.centre.u + d * n.x + u * e.x, s.centre.v + d * n.y + u * e.y, z};
  };
  const auto stretch = [&](float d, float u) {
    const Vec3 p = point(d, u, 0.0f);
    const float r = radiusAt(p.y);
    const float h2 = r * r - p.x * p.x;
    if (h2 <= 0.0f) return Stretch{false, 0.0f, 0.0f};
    const float h = std::sqrt(h2);
    if (h <= s.depthFrom) return Stretch{false, 0.0f, 0.0f};
    return Stretch{true, h, std::max(-h, s.depthFrom)};
  };
  const Vec3 facingE{e.x, e.y, 0.0f}, facingBackE{-e.x, -e.y, 0.0f};
  for (const float d : {s.halfWidth, -s.halfWidth}) {
    const Vec3 facing = d > 0.0f ? Vec3{-n.x, -n.y, 0.0f} : n;  // toward the slot's middle
    for (int k = 0; k < STEPS; ++k) {
      const float u0 = s.alongFrom + (s.alongTo - s.alongFrom) * static_cast<float>(k) / STEPS;
      const float u1 = s.alongFrom + (s.alongTo - s.alongFrom) * static_cast<float>(k + 1) / STEPS;
      const Stretch a = stretch(d, u0), b = stretch(d, u1);
      if (!a.inside || !b.inside) continue;
      face(point(d, u0, a.backz), point(d, u1, b.backz), point(d, u1, b.front), point(d, u0, a.front), facing, m);
    }
  }
  for (int k = 0; k < STEPS; ++k) {
    const float u0 = s.alongFrom + (s.alongTo - s.alongFrom) * static_cast<float>(k) / STEPS;
    const float u1 = s.alongFrom + (s.alongTo - s.alongFrom) * static_cast<float>(k + 1) / STEPS;
    const float w = s.halfWidth;
    const Stretch a0 = stretch(w, u0), a1 = stretch(w, u1), b0 = stretch(-w, u0), b1 = stretch(-w, u1);
    if (!a0.inside || !a1.inside || !b0.inside || !b1.inside) continue;
    // The floor, where the slot stops short of the solid's back.
    if (a0.backz == s.depthFrom && a1.backz == s.depthFrom && b0.backz == s.depthFrom && b1.backz == s.depthFrom)
      face(point(w, u0, s.depthFrom), point(w, u1, s.depthFrom), point(-w, u1, s.depthFrom), point(-w, u0, s.depthFrom),
           {0.0f, 0.0f, 1.0f}, m);
  }
  // The two ends.
  for (const bool first : {true, false}) {
    const float u = first ? s.alongFrom : s.alongTo;
    const Stretch a = stretch(s.halfWidth, u), b = stretch(-s.halfWidth, u);
    if (!a.inside || !b.inside) continue;
    face(point(s.halfWidth, u, a.backz), point(s.halfWidth, u, a.front), point(-s.halfWidth, u, b.front),
         point(-s.halfWidth, u, b.backz), first ? facingE : facingBackE, m);
  }
}
