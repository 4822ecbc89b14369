#include "graphics/core/solids.h"

#include <cmath>
#include <vector>

namespace {

constexpr float PI = 3.14159265358979f;
constexpr float RADIANS = PI / 180.0f;

Vec2 segmentNormal(Vec2 a, Vec2 b) {
  // Outward for a profile that runs from the foot up to the top.
  const float dr = b.u - a.u, dy = b.v - a.v;
  const float l = std::hypot(dr, dy);
  if (l == 0.0f) return {0.0f, 0.0f};
  return {dy / l, -dr / l};
}

}  // namespace

void flatQuad(Vec3 a, Vec3 b, Vec3 c, Vec3 d, Mesh& out) {
  Vec3 n = normalefaccia(a, b, c);
  if (n == Vec3{0.0f, 0.0f, 0.0f}) n = normalefaccia(a, c, d);
  out.push_back({{a, b, c, d}, {n, n, n, n}});
}

void flatTriangle(Vec3 a, Vec3 b, Vec3 c, Mesh& out) { flatQuad(a, b, c, c, out); }

void lathe(const Profile& profile, int slices, Vec3 centre, Mesh& out) {
  const std::vector<Vec2>& p = profile.points();
  const int k = static_cast<int>(p.size());
  if (k < 2 || slices < 3) return;
  // Each segment's own normal, and the normals its two ends take.
  std::vector<Vec2> own(k - 1), lower(k - 1), upper(k - 1);
  for (int i = 0; i + 1 < k; ++i) own[i] = segmentNormal(p[i], p[i + 1]);
  const float creaseCos = std::cos(CREASE_DEGREES * RADIANS);
  for (int i = 0; i + 1 < k; ++i) {
    lower[i] = upper[i] = own[i];
    if (i > 0 && p[i].u > 0.0f && own[i - 1].u * own[i].u + own[i - 1].v * own[i].v > creaseCos) {
      const Vec2 m{own[i - 1].u + own[i].u, own[i - 1].v + own[i].v};
      const float l = std::hypot(m.u, m.v);
      lower[i] = {m.u / l, m.v / l};
    }
    if (i + 2 < k && p[i + 1].u > 0.0f && own[i].u * own[i + 1].u + own[i].v * own[i + 1].v > creaseCos) {
      const Vec2 m{own[i].u + own[i + 1].u, own[i].v + own[i + 1].v};
      const float l = std::hypot(m.u, m.v);
      upper[i] = {m.u / l, m.v / l};
    }
  }
  std::vector<float> s(slices + 1), c(slices + 1);
  for (int j = 0; j <= slices; ++j) {
    const float a = 2.0f * PI * static_cast<float>(j % slices) / static_cast<float>(slices);
    s[j] = std::sin(a);
    c[j] = std::cos(a);
  }
  const auto at = [&](Vec2 q, int j) { return Vec3{centre.x + q.u * s[j], centre.y + q.v, centre.z + q.u * c[j]}; };
  const auto normal = [&](Vec2 n, int j) { return Vec3{n.u * s[j], n.v, n.u * c[j]}; };
  for (int i = 0; i + 1 < k; ++i) {
    if (p[i].u == 0.0f && p[i + 1].u == 0.0f) continue;
    if (p[i].u == p[i + 1].u && p[i].v == p[i + 1].v) continue;
    for (int j = 0; j < slices; ++j) {
      Quad q;
      q.p[0] = at(p[i], j);
      q.p[1] = at(p[i], j + 1);
      q.p[2] = at(p[i + 1], j + 1);
      q.p[3] = at(p[i + 1], j);
      q.n[0] = normal(lower[i], j);
      q.n[1] = normal(lower[i], j + 1);
      q.n[2] = normal(upper[i], j + 1);
      q.n[3] = normal(upper[i], j);
      // A corner on the axis: the quad is a triangle, its repeated corner last.
      if (p[i].u == 0.0f) {
        q = Quad{{q.p[1], q.p[2], q.p[3], q.p[3]}, {q.n[1], q.n[2], q.n[3], q.n[3]}};
      }
      out.push_back(q);
    }
  }
}

void ball(Vec3 centre, float radius, int slices, Mesh& out) {
  // From the bottom pole round to the top pole.
  const int steps = slices / 2;
  Profile arc(-radius);
  for (int i = 1; i < steps; ++i) {
    const float a = -PI / 2 + PI * static_cast<float>(i) / static_cast<float>(steps);
    arc.line(radius * std::cos(a), radius * std::sin(a));
  }
  arc.close(radius);
  lathe(arc, slices, centre, out);
}

void block(Vec3 a, Vec3 b, Mesh& out) {
  const float x0 = std::fmin(a.x, b.x), x1 = std::fmax(a.x, b.x);
  const float y0 = std::fmin(a.y, b.y), y1 = std::fmax(a.y, b.y);
  const float z0 = std::fmin(a.z, b.z), z1 = std::fmax(a.z, b.z);
  flatQuad({x0, y1, z1}, {x1, y1, z1}, {x1, y1, z0}, {x0, y1, z0}, out);  // top
  flatQuad({x0, y0, z0}, {x1, y0, z0}, {x1, y0, z1}, {x0, y0, z1}, out);  // bottom
  flatQuad({x0, y0, z1}, {x1, y0, z1}, {x1, y1, z1}, {x0, y1, z1}, out);  // front (+z)
  flatQuad({x1, y0, z0}, {x0, y0, z0}, {x0, y1, z0}, {x1, y1, z0}, out);  // back
  flatQuad({x0, y0, z0}, {x0, y0, z1}, {x0, y1, z1}, {x0, y1, z0}, out);  // left
  flatQuad({x1, y0, z1}, {x1, y0, z0}, {x1, y1, z0}, {x1, y1, z1}, out);  // right
}

void ringBlock(float r0, float r1, float fromDegrees, float toDegrees, float y0, float y1, int steps, Mesh& out) {
  const auto at = [](float r, float a, float y) { return Vec3{r * std::sin(a), y, r * std::cos(a)}; };
  const float a0 = fromDegrees * RADIANS, a1 = toDegrees * RADIANS;
  for (int i = 0; i < steps; ++i) {
    const float p = a0 + (a1 - a0) * static_cast<float>(i) / static_cast<float>(steps);
    const float q = a0 + (a1 - a0) * static_cast<float>(i + 1) / static_cast<float>(steps);
    // Outer wall with radial normals, inner wall facing the axis.
    Quad o{{at(r1, p, y0), at(r1, q, y0), at(r1, q, y1), at(r1, p, y1)},
           {at(1, p, 0), at(1, q, 0), at(1, q, 0), at(1, p, 0)}};
    out.push_back(o);
    Quad in{{at(r0, q, y0), at(r0, p, y0), at(r0, p, y1), at(r0, q, y1)},
            {at(-1, q, 0), at(-1, p, 0), at(-1, p, 0), at(-1, q, 0)}};
    out.push_back(in);
    flatQuad(at(r0, p, y1), at(r1, p, y1), at(r1, q, y1), at(r0, q, y1), out);  // top
    flatQuad(at(r0, q, y0), at(r1, q, y0), at(r1, p, y0), at(r0, p, y0), out);  // bottom
  }
  flatQuad(at(r0, a0, y0), at(r1, a0, y0), at(r1, a0, y1), at(r0, a0, y1), out);  // the two ends
  flatQuad(at(r1, a1, y0), at(r0, a1, y0), at(r0, a1, y1), at(r1, a1, y1), out);
}

void turnAndMove(Mesh& m, size_t from, float degrees, Vec3 by) {
  const float a = degrees * RADIANS, c = std::cos(a), s = std::sin(a);
  // Counter-clockwise seen from above (+y): x toward -z.
  const auto turn = [&](Vec3 v) { return Vec3{c * v.x + s * v.z, v.y, -s * v.x + c * v.z}; };
  for (size_t i = from; i < m.size(); ++i)
    for (int k = 0; k < 4; ++k) {
      const Vec3 p = turn(m[i].p[k]);
      m[i].p[k] = {p.x + by.x, p.y + by.y, p.z + by.z};
      m[i].n[k] = turn(m[i].n[k]);
    }
}
