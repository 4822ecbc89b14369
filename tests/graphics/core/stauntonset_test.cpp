// The Staunton set's meshes: every solid closed with its normals outward,
// standing on its square, the bishop's cut open, the knight looking toward
// Black's side; the flat symbols lying face up inside their squares.
#include "graphics/core/stauntonset.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/position/fen.h"
#include "graphics/core/mesh.h"
#include "graphics/core/piecepicking.h"
#include "graphics/core/pieces.h"
#include "graphics/core/pieceset.h"
#include "graphics/core/polygon.h"
#include "graphics/core/scene.h"
#include "graphics/core/stauntonshapes.h"

namespace {

const char* names[NUMPEZZI] = {"pawn", "king", "queen", "rook", "bishop", "knight"};

Vec3 sub(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 cross(Vec3 a, Vec3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
float dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// The quad's triangles (one when its last corners coincide).
template <class F>
void triangles(const Quad& q, F&& f) {
  f(q.p[0], q.p[1], q.p[2]);
  if (!(q.p[2] == q.p[3])) f(q.p[0], q.p[2], q.p[3]);
}

Vec3 faceNormal(const Quad& q) {
  return q.p[0] == q.p[1] ? normalefaccia(q.p[0], q.p[2], q.p[3]) : normalefaccia(q.p[0], q.p[1], q.p[2]);
}

// Whether p is inside a closed mesh: crossings of a ray, counted (the ray
// slanted so that it meets no edge head on).
bool inside(const Mesh& m, Vec3 p) {
  const Vec3 d{0.0123f, 0.0371f, 1.0f};
  int crossings = 0;
  for (const Quad& q : m)
    triangles(q, [&](Vec3 a, Vec3 b, Vec3 c) {
      const Vec3 e1 = sub(b, a), e2 = sub(c, a), h = cross(d, e2);
      const float det = dot(e1, h);
      if (std::fabs(det) < 1e-12f) return;
      const Vec3 s = sub(p, a);
      const float u = dot(s, h) / det;
      if (u < 0.0f || u > 1.0f) return;
      const Vec3 qv = cross(s, e1);
      const float v = dot(d, qv) / det;
      if (v < 0.0f || u + v > 1.0f) return;
      if (dot(e2, qv) / det > 0.0f) ++crossings;
    });
  return crossings % 2 == 1;
}

class Staunton : public ::testing::Test {
 protected:
  void SetUp() override { pieceSet = PieceSet::Staunton; }
  void TearDown() override {
    pieceSet = PieceSet::Classic;
    vista = VISTA_3D;
    costruiscipezzi();
  }
  static void build(int v) {
    vista = v;
    costruiscipezzi();
  }
};

// A closed surface's area vectors add up to nothing, and wound outward it
// encloses a positive volume; each corner's normal leans the way its face does.
TEST_F(Staunton, SolidsAreClosedWithNormalsOutward) {
  build(VISTA_3D);
  for (int k = 0; k < NUMPEZZI; ++k) {
    SCOPED_TRACE(names[k]);
    for (const Mesh* m : {&pezzi[k], &pieceDetails[k]}) {
      Vec3 sum{0, 0, 0};
      double area = 0, volume = 0;
      int against = 0;
      for (const Quad& q : *m) {
        triangles(q, [&](Vec3 a, Vec3 b, Vec3 c) {
          const Vec3 n = cross(sub(b, a), sub(c, a));
          sum = {sum.x + n.x, sum.y + n.y, sum.z + n.z};
          area += std::sqrt(dot(n, n));
          volume += dot(a, cross(b, c)) / 6.0;
        });
        const Vec3 f = faceNormal(q);
        // Smooth normals may lean off a coarse facet, never turn against it.
        for (const Vec3& n : q.n)
          if (dot(f, n) < -0.5f * std::sqrt(dot(n, n))) ++against;
      }
      if (m->empty()) continue;
      EXPECT_LT(std::sqrt(dot(sum, sum)), 1e-3 * area) << "a hole";
      EXPECT_GT(volume, 0.0) << "wound inward";
      EXPECT_EQ(against, 0) << "corner normals against their face";
    }
  }
}

TEST_F(Staunton, SolidsStandInsideTheirSquareTallestTheKing) {
  build(VISTA_3D);
  float top[NUMPEZZI];
  for (int k = 0; k < NUMPEZZI; ++k) {
    float low = 9, high = -9, wide = 0;
    for (const Mesh* m : {&pezzi[k], &pieceDetails[k]})
      for (const Quad& q : *m)
        for (const Vec3& v : q.p) {
          low = std::min(low, v.y);
          high = std::max(high, v.y);
          wide = std::max({wide, std::fabs(v.x), std::fabs(v.z)});
        }
    EXPECT_NEAR(low, -1.0f, 1e-5) << names[k] << " stands on the board";
    EXPECT_LT(wide, 0.45f) << names[k];
    top[k] = high;
  }
  EXPECT_LT(top[MESH_PEDONE], top[MESH_TORRE]);
  EXPECT_LT(top[MESH_TORRE], top[MESH_CAVALLO]);
  EXPECT_LT(top[MESH_CAVALLO], top[MESH_ALFIERE]);
  EXPECT_LT(top[MESH_ALFIERE], top[MESH_DONNA]);
  EXPECT_LT(top[MESH_DONNA], top[MESH_RE]);
}

TEST_F(Staunton, TheBishopsCutIsOpenToTheFront) {
  build(VISTA_3D);
  const Mesh& b = pezzi[MESH_ALFIERE];
  // In the slot, in front of the axis, and just beside it in the mitre.
  // (The shapes' own units, as the set proportions them.)
  const auto at = [](float x, float y, float z) { return Vec3{x * 1.3f, -1.0f + y * 1.5f, z * 1.3f}; };
  EXPECT_FALSE(inside(b, at(0.012f, 0.64f, 0.05f)));
  EXPECT_TRUE(inside(b, at(0.012f + 0.03f, 0.64f - 0.024f, 0.05f)));
  // Behind the slot's floor the mitre is whole.
  EXPECT_TRUE(inside(b, at(0.012f, 0.64f, -0.07f)));
}

TEST_F(Staunton, TheKnightLooksTowardBlacksSide) {
  build(VISTA_3D);
  // Its head reaches far toward -z (the muzzle) and little toward +z.
  float ahead = 0, behind = 0;
  for (const Quad& q : pezzi[MESH_CAVALLO])
    for (const Vec3& v : q.p)
      if (v.y > -1.0f + 0.45f * 1.5f) {
        ahead = std::max(ahead, -v.z);
        behind = std::max(behind, v.z);
      }
  EXPECT_GT(ahead, 0.3f);
  EXPECT_GT(ahead, behind + 0.1f);
  EXPECT_TRUE(inside(pezzi[MESH_CAVALLO], {0.0f, -1.0f + 0.545f * 1.5f, -0.25f * 1.3f})) << "the muzzle";
  EXPECT_FALSE(pieceDetails[MESH_CAVALLO].empty()) << "eyes and nostrils";
}

// The picking meets the bodies as they are drawn: Black's knight turned
// round, its muzzle toward White.
TEST_F(Staunton, PickingMeetsBlacksKnightTurnedRound) {
  build(VISTA_3D);
  const tposizione before = posizioni[0];
  impostafen("8/8/8/3n4/8/8/8/8 w - - 0 1", true);
  const float saved[3] = {rotazione, elevazione, distanza};
  rotazione = 0;
  elevazione = 15;
  distanza = 7;
  float camera[16], projection[16];
  cameraMatrix(camera);
  projectionMatrix(800, 600, projection);
  const auto pick = [&](float dz) {
    float x = 0, y = 0;
    EXPECT_TRUE(projectPoint(-0.5f, -1.0f + 0.545f * 1.5f, -0.5f + dz, 800, 600, x, y));
    return pieceOnRay(posizioni[0], projection, camera, x, y, 800, 600);
  };
  EXPECT_EQ(pick(0.3f), 35) << "the muzzle, toward White";
  EXPECT_EQ(pick(-0.3f), -1) << "nothing where White's knight would have it";
  rotazione = saved[0];
  elevazione = saved[1];
  distanza = saved[2];
  posizioni[0] = before;
}

TEST_F(Staunton, FlatSymbolsLieFaceUpInsideTheirSquare) {
  build(VISTA_PIATTA);
  for (int k = 0; k < NUMPEZZI; ++k) {
    SCOPED_TRACE(names[k]);
    EXPECT_FALSE(pezzi[k].empty());
    EXPECT_FALSE(pieceOutlines[k].empty());
    float fill = 9, ink = 9;
    for (const Mesh* m : {&pezzi[k], &pieceOutlines[k], &pieceDetails[k]})
      for (const Quad& q : *m) {
        const Vec3 f = faceNormal(q);
        ASSERT_GT(f.y, 0.99f) << "faces the camera above";
        for (const Vec3& v : q.p) {
          ASSERT_LT(std::fabs(v.x), 0.47f);
          ASSERT_LT(std::fabs(v.z), 0.47f);
          ASSERT_GT(v.y, -0.995f) << "above the check mark";
          ASSERT_LT(v.y, -0.95f);
          (m == &pezzi[k] ? fill : ink) = std::min(m == &pezzi[k] ? fill : ink, v.y);
        }
      }
    EXPECT_GT(ink, fill) << "the first outline lies over the first fill";
  }
}

TEST(Polygon, TrianglesCoverTheOutline) {
  const std::vector<Vec2> o = knightOutline();
  const auto tris = triangulate(o);
  EXPECT_EQ(tris.size(), o.size() - 2);
  float sum = 0;
  for (const auto& t : tris) {
    const Vec2 c[3] = {o[t[0]], o[t[1]], o[t[2]]};
    const float a = polygonArea(c);
    EXPECT_GT(a, 0.0f);
    sum += a;
  }
  EXPECT_NEAR(sum, polygonArea(o), 1e-5);
}

}  // namespace
