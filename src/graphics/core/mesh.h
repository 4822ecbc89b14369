// Piece meshes and the primitives they are built from. A mesh is an ordered
// list of quads with a normal per corner; the builders append to the
// working mesh, and each finished piece keeps a copy of it.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

struct Vec3 {
  float x, y, z;
};
inline bool operator==(const Vec3& a, const Vec3& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }

struct Vec2 {
  float u, v;
};

struct Quad {
  Vec3 p[4];  // corners in drawing order
  Vec3 n[4];  // one normal per corner, not necessarily unit length
};

using Mesh = std::vector<Quad>;

// The six piece meshes, kept in this order.
enum : int {
  MESH_PEDONE = 0,
  MESH_RE = 1,
  MESH_DONNA = 2,
  MESH_TORRE = 3,
  MESH_ALFIERE = 4,
  MESH_CAVALLO = 5,
  NUMPEZZI = 6,
};

extern Mesh lavoro;           // the working mesh the primitives append to
extern Mesh pezzi[NUMPEZZI];  // pawn, king, queen, rook, bishop, knight

// Unit normal of (p1 - p0) x (p2 - p0); (0, 0, 0) for a degenerate triangle.
Vec3 normalefaccia(Vec3 p0, Vec3 p1, Vec3 p2);

// Angular steps are trunc(360 / n) for n slices or sides and trunc(180 / m)
// for m stacks; counts below 1 add nothing.

// n * m quads; sizes are full extents, normals those of the unit sphere.
void ellissoide(int fette, int strati, Vec3 dimensioni, Vec3 centro);
// 3n quads (top cap, side, bottom cap per side), axis vertical.
void cilindro(int lati, float raggio, float altezza, Vec3 centro);
// n * (k - 1) quads from a profile of k (radius, height) points listed from
// the top down, with smoothed vertical normal components.
void tornio(int fette, std::span<const Vec2> profilo, Vec3 spostamento);

enum class Asse { Y, Z };
// 3q quads for a closed outline of q + 1 points (last = first) fanned from
// centro: along y the pairs are (x, z) (flat symbols), along z they are (x, y).
void prisma(Asse asse, Vec2 centro, std::span<const Vec2> contorno, float spessore, Vec3 spostamento);
// 5 quads (no bottom) between two opposite corners.
void scatola(Vec3 a, Vec3 b);
