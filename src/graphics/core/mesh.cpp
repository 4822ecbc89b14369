#include "graphics/core/mesh.h"

#include <algorithm>
#include <cmath>

#include "graphics/core/angles.h"

Mesh lavoro;
Mesh pezzi[NUMPEZZI];

Vec3 normalefaccia(Vec3 p0, Vec3 p1, Vec3 p2) {
  const Vec3 a{p1.x - p0.x, p1.y - p0.y, p1.z - p0.z};
  const Vec3 b{p2.x - p0.x, p2.y - p0.y, p2.z - p0.z};
  const Vec3 c{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
  const float l = std::sqrt(c.x * c.x + c.y * c.y + c.z * c.z);
  if (l == 0.0f) return {0.0f, 0.0f, 0.0f};
  return {c.x / l, c.y / l, c.z / l};
}

namespace {

void sposta(size_t da, Vec3 d) {
  for (size_t q = da; q < lavoro.size(); ++q)
    for (Vec3& p : lavoro[q].p) {
      p.x += d.x;
      p.y += d.y;
      p.z += d.z;
    }
}

// The normal of a flat face: from corners 1, 2 and 4, or from 1, 3 and 4
// when the first two coincide (a fan corner or a point on the axis).
Vec3 normalequad(const Quad& q) {
  if (q.p[0] == q.p[1]) return normalefaccia(q.p[0], q.p[2], q.p[3]);
  return normalefaccia(q.p[0], q.p[1], q.p[3]);
}

void aggiungipiana(Vec3 a, Vec3 b, Vec3 c, Vec3 d) {
  Quad q{{a, b, c, d}, {}};
  const Vec3 n = normalequad(q);
  for (Vec3& v : q.n) v = n;
  lavoro.push_back(q);
}

}  // namespace

void ellissoide(int fette, int strati, Vec3 dim, Vec3 centro) {
  if (fette < 1 || strati < 1) return;
  const int a = 360 / fette;
  const int b = 180 / strati;
  const auto P = [](int alfa, int beta) {
    return Vec3{seno[alfa] * seno[beta], coseno[beta], coseno[alfa] * seno[beta]};
  };
  const size_t da = lavoro.size();
  for (int i = 0; i < fette; ++i)
    for (int j = 0; j < strati; ++j) {
      Quad q;
      q.p[0] = P(a * (i + 1), b * j);
      q.p[1] = P(a * i, b * j);
      q.p[2] = P(a * i, b * (j + 1));
      q.p[3] = P(a * (i + 1), b * (j + 1));
      for (int c = 0; c < 4; ++c) q.n[c] = q.p[c];
      lavoro.push_back(q);
    }
  for (size_t q = da; q < lavoro.size(); ++q)
    for (Vec3& p : lavoro[q].p) {
      p.x = centro.x + dim.x * p.x / 2.0f;
      p.y = centro.y + dim.y * p.y / 2.0f;
      p.z = centro.z + dim.z * p.z / 2.0f;
    }
}

void cilindro(int lati, float raggio, float altezza, Vec3 centro) {
  if (lati < 1) return;
  const int f = 360 / lati;
  const float h = altezza / 2.0f;
  const auto orlo = [raggio](int t, float y) { return Vec3{raggio * seno[t], y, raggio * coseno[t]}; };
  const size_t da = lavoro.size();
  const Vec3 su{0.0f, 1.0f, 0.0f}, giu{0.0f, -1.0f, 0.0f};
  for (int j = 0; j < lati; ++j) {
    const int A = f * j, B = f * (j + 1);
    lavoro.push_back(Quad{{{0.0f, h, 0.0f}, {0.0f, h, 0.0f}, orlo(A, h), orlo(B, h)}, {su, su, su, su}});
    Quad lato{{orlo(B, h), orlo(A, h), orlo(A, -h), orlo(B, -h)}, {}};
    for (int c = 0; c < 4; ++c) lato.n[c] = Vec3{lato.p[c].x, 0.0f, lato.p[c].z};
    lavoro.push_back(lato);
    lavoro.push_back(Quad{{orlo(B, -h), orlo(A, -h), {0.0f, -h, 0.0f}, {0.0f, -h, 0.0f}}, {giu, giu, giu, giu}});
  }
  sposta(da, centro);
}

void tornio(int fette, std::span<const Vec2> profilo, Vec3 spostamento) {
  const int k = static_cast<int>(profilo.size());
  if (fette < 1 || k < 2) return;
  const int f = 360 / fette;
  const auto Q = [&](int t, int q) { return Vec3{profilo[q].u * seno[t], profilo[q].v, profilo[q].u * coseno[t]}; };
  // ny[p]: vertical component of the face normal of segment p (1..k-1),
  // with the ends repeated so that every segment has two neighbours.
  std::vector<float> ny(static_cast<size_t>(k) + 1, 0.0f);
  const size_t da = lavoro.size();
  for (int s = 1; s <= fette; ++s)
    for (int p = 1; p < k; ++p) {
      Quad q{{Q(f * s, p - 1), Q(f * (s - 1), p - 1), Q(f * (s - 1), p), Q(f * s, p)}, {}};
      const Vec3 N = normalequad(q);
      for (int c = 0; c < 4; ++c) q.n[c] = Vec3{q.p[c].x, N.y, q.p[c].z};
      ny[p] = N.y;
      lavoro.push_back(q);
    }
  ny[0] = ny[1];
  ny[k] = ny[k - 1];
  // Neighbouring segments whose slopes differ little share the average at
  // their common ring; a larger difference is kept as a crease.
  size_t i = da;
  for (int s = 1; s <= fette; ++s)
    for (int p = 1; p < k; ++p, ++i) {
      Quad& q = lavoro[i];
      const float prima = std::fabs(ny[p - 1] - ny[p]) < 0.6f ? (ny[p - 1] + ny[p]) / 2.0f : ny[p];
      const float dopo = std::fabs(ny[p + 1] - ny[p]) < 0.6f ? (ny[p] + ny[p + 1]) / 2.0f : ny[p];
      q.n[0].y = q.n[1].y = prima;
      q.n[2].y = q.n[3].y = dopo;
    }
  sposta(da, spostamento);
}

void prisma(Asse asse, Vec2 centro, std::span<const Vec2> contorno, float spessore, Vec3 spostamento) {
  const int punti = static_cast<int>(contorno.size());
  if (punti < 2) return;
  const float h = spessore / 2.0f;
  const size_t da = lavoro.size();
  // Place a flat pair at a given depth along the prism's axis.
  const auto at = [asse](Vec2 p, float d) { return asse == Asse::Y ? Vec3{p.u, d, p.v} : Vec3{p.u, p.v, d}; };
  for (int j = 0; j + 1 < punti; ++j) {
    const Vec2 a = contorno[j], b = contorno[j + 1];
    if (asse == Asse::Y) {
      aggiungipiana(at(centro, h), at(centro, h), at(a, h), at(b, h));
      aggiungipiana(at(centro, -h), at(centro, -h), at(b, -h), at(a, -h));
      aggiungipiana(at(a, -h), at(b, -h), at(b, h), at(a, h));
    } else {
      aggiungipiana(at(centro, h), at(centro, h), at(b, h), at(a, h));
      aggiungipiana(at(centro, -h), at(centro, -h), at(a, -h), at(b, -h));
      aggiungipiana(at(a, -h), at(a, h), at(b, h), at(b, -h));
    }
  }
  sposta(da, spostamento);
}

void scatola(Vec3 a, Vec3 b) {
  const float x0 = std::min(a.x, b.x), x1 = std::max(a.x, b.x);
  const float y0 = std::min(a.y, b.y), y1 = std::max(a.y, b.y);
  const float z0 = std::min(a.z, b.z), z1 = std::max(a.z, b.z);
  const auto faccia = [](Vec3 p, Vec3 q, Vec3 r, Vec3 s) {
    const Vec3 n = normalefaccia(p, q, r);
    lavoro.push_back(Quad{{p, q, r, s}, {n, n, n, n}});
  };
  faccia({x0, y1, z1}, {x1, y1, z1}, {x1, y1, z0}, {x0, y1, z0});
  faccia({x0, y1, z1}, {x0, y0, z1}, {x1, y0, z1}, {x1, y1, z1});
  faccia({x0, y1, z0}, {x1, y1, z0}, {x1, y0, z0}, {x0, y0, z0});
  faccia({x0, y1, z1}, {x0, y1, z0}, {x0, y0, z0}, {x0, y0, z1});
  faccia({x1, y1, z0}, {x1, y1, z1}, {x1, y0, z1}, {x1, y0, z0});
}
