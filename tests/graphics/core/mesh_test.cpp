#include "graphics/core/mesh.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "graphics/core/angles.h"

namespace {

class Primitive : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { preparaangoli(); }
  void SetUp() override { lavoro.clear(); }
};

float lunghezza(Vec3 v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }

TEST_F(Primitive, QuadCountsPerPrimitive) {
  ellissoide(20, 12, {1, 1, 1}, {0, 0, 0});
  EXPECT_EQ(lavoro.size(), 240u);
  lavoro.clear();
  ellissoide(8, 6, {1, 1, 1}, {0, 0, 0});
  EXPECT_EQ(lavoro.size(), 48u);
  lavoro.clear();
  cilindro(12, 0.1f, 0.8f, {0, 0, 0});
  EXPECT_EQ(lavoro.size(), 36u);
  lavoro.clear();
  const Vec2 profilo[5] = {{0, 1}, {0.2f, 0.9f}, {0.3f, 0.5f}, {0.1f, 0.0f}, {0, 0}};
  tornio(20, profilo, {0, 0, 0});
  EXPECT_EQ(lavoro.size(), 80u);  // n (k - 1)
  lavoro.clear();
  const Vec2 quadrato[5] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}, {-1, -1}};
  prisma(Asse::Y, {0, 0}, quadrato, 0.1f, {0, 0, 0});
  EXPECT_EQ(lavoro.size(), 12u);  // 3q
  prisma(Asse::Z, {0, 0}, quadrato, 0.1f, {0, 0, 0});
  EXPECT_EQ(lavoro.size(), 24u);
  lavoro.clear();
  scatola({1, 1, 1}, {0, 0, 0});
  EXPECT_EQ(lavoro.size(), 5u);
  // Primitives append: nothing already in the working mesh is lost.
  cilindro(6, 1, 1, {0, 0, 0});
  EXPECT_EQ(lavoro.size(), 23u);
}

TEST_F(Primitive, EllipsoidPolesAreDegenerateWithUnitNormals) {
  ellissoide(20, 12, {0.7f, 0.7f, 0.7f}, {0, -1, 0});
  // Stack 0 of every slice touches the top pole with its first two corners,
  // the last stack the bottom pole with its last two.
  for (int i = 0; i < 20; ++i) {
    const Quad& top = lavoro[i * 12];
    const Quad& bottom = lavoro[i * 12 + 11];
    EXPECT_NEAR(top.p[0].x, top.p[1].x, 1e-6);
    EXPECT_NEAR(top.p[0].z, top.p[1].z, 1e-6);
    EXPECT_NEAR(top.p[0].y, -1 + 0.35f, 1e-6);
    EXPECT_NEAR(bottom.p[2].y, -1 - 0.35f, 1e-6);
    for (int c : {0, 1}) {
      EXPECT_NEAR(top.n[c].x, 0, 1e-5);
      EXPECT_NEAR(top.n[c].y, 1, 1e-6);
      EXPECT_NEAR(top.n[c].z, 0, 1e-5);
    }
    for (int c : {2, 3}) {
      EXPECT_NEAR(bottom.n[c].x, 0, 1e-5);
      EXPECT_NEAR(bottom.n[c].y, -1, 1e-6);
      EXPECT_NEAR(bottom.n[c].z, 0, 1e-5);
    }
  }
}

TEST_F(Primitive, CylinderCapsAndSides) {
  cilindro(6, 0.5f, 2.0f, {1, 2, 3});
  ASSERT_EQ(lavoro.size(), 18u);
  const Quad& cap = lavoro[0];
  EXPECT_EQ(cap.p[0], cap.p[1]);
  EXPECT_EQ(cap.p[0], (Vec3{1, 3, 3}));
  for (const Vec3& n : cap.n) EXPECT_EQ(n, (Vec3{0, 1, 0}));
  const Quad& side = lavoro[1];
  for (int c = 0; c < 4; ++c) {
    // Radial normal of length R, taken before the move to the centre.
    EXPECT_NEAR(side.n[c].x, side.p[c].x - 1, 1e-6);
    EXPECT_EQ(side.n[c].y, 0.0f);
    EXPECT_NEAR(side.n[c].z, side.p[c].z - 3, 1e-6);
    EXPECT_NEAR(lunghezza(side.n[c]), 0.5f, 1e-5);
  }
  EXPECT_NEAR(side.p[0].y, 3, 1e-6);
  EXPECT_NEAR(side.p[2].y, 1, 1e-6);
  const Quad& bottom = lavoro[2];
  EXPECT_EQ(bottom.p[2], bottom.p[3]);
  EXPECT_EQ(bottom.p[2], (Vec3{1, 1, 3}));
  for (const Vec3& n : bottom.n) EXPECT_EQ(n, (Vec3{0, -1, 0}));
  // Side 0 starts at angle 0 (+z) and steps 60 degrees towards +x.
  EXPECT_NEAR(cap.p[2].z, 3.5f, 1e-6);
  EXPECT_NEAR(cap.p[3].x, 1 + 0.5f * std::sin(60 * 3.14159265f / 180), 1e-5);
}

TEST_F(Primitive, CylinderOfSevenSidesLeavesAGap) {
  cilindro(7, 1, 1, {0, 0, 0});
  // 51° steps: the last side ends at 357°, not where the first began.
  const Quad& last = lavoro[3 * 6];
  EXPECT_NEAR(last.p[3].x, seno[357], 1e-6);
  EXPECT_GT(std::fabs(last.p[3].x - lavoro[0].p[2].x), 0.04f);
}

TEST_F(Primitive, LatheCornersOnTheAxisTakeTheOtherThreeForTheNormal) {
  // A flat top ring, then a shallow slope outward and down.
  const Vec2 profilo[3] = {{0, 1}, {0.3f, 1}, {0.8f, 0.8f}};
  tornio(4, profilo, {0, 0, 0});
  ASSERT_EQ(lavoro.size(), 8u);
  const Quad& top = lavoro[0];
  EXPECT_EQ(top.p[0], top.p[1]);
  // The ring's face normal comes from corners 1, 3 and 4 and points up; the
  // corners on the axis get no sideways part.
  EXPECT_EQ(top.n[0].x, 0.0f);
  EXPECT_EQ(top.n[0].z, 0.0f);
  EXPECT_NEAR(top.n[0].y, 1, 1e-5);
  // The slope's own facet normal, from its corners 1, 2 and 4.
  const Quad& slope = lavoro[1];
  const float ny = normalefaccia(slope.p[0], slope.p[1], slope.p[3]).y;
  EXPECT_NEAR(ny, 0.8704f, 1e-3);
  // Slopes differing by less than 0.6 share their average at the common ring.
  EXPECT_NEAR(top.n[3].y, (1 + ny) / 2, 1e-5);
  EXPECT_NEAR(slope.n[0].y, (1 + ny) / 2, 1e-5);
  EXPECT_NEAR(slope.n[1].y, (1 + ny) / 2, 1e-5);
  EXPECT_NEAR(slope.n[3].y, ny, 1e-5);
  // Radial parts are the corner's own position.
  for (int c = 0; c < 4; ++c) {
    EXPECT_EQ(slope.n[c].x, slope.p[c].x);
    EXPECT_EQ(slope.n[c].z, slope.p[c].z);
  }
  // Every slice repeats the same normals.
  EXPECT_NEAR(lavoro[7].n[0].y, (1 + ny) / 2, 1e-5);
}

TEST_F(Primitive, LatheKeepsSharpCreases) {
  // A flat disc on top of a vertical wall: slopes 1 and 0 differ by more
  // than 0.6, so the rim keeps each face's own slope.
  const Vec2 profilo[4] = {{0, 1}, {0.5f, 1}, {0.5f, 0}, {0, 0}};
  tornio(8, profilo, {0, 0.5f, 0});
  EXPECT_NEAR(lavoro[0].n[3].y, 1, 1e-5);
  EXPECT_NEAR(lavoro[1].n[0].y, 0, 1e-5);
  EXPECT_NEAR(lavoro[1].n[3].y, 0, 1e-5);
  EXPECT_NEAR(lavoro[2].n[0].y, -1, 1e-5);
  // The offset moves positions only.
  EXPECT_NEAR(lavoro[0].p[0].y, 1.5f, 1e-6);
}

TEST_F(Primitive, FacetNormal) {
  const Vec3 n = normalefaccia({0, 0, 0}, {2, 0, 0}, {0, 0, -3});
  EXPECT_NEAR(n.x, 0, 1e-7);
  EXPECT_NEAR(n.y, 1, 1e-7);
  EXPECT_NEAR(n.z, 0, 1e-7);
  const Vec3 z = normalefaccia({1, 1, 1}, {1, 1, 1}, {2, 2, 2});
  EXPECT_EQ(z, (Vec3{0, 0, 0}));
}

TEST_F(Primitive, FlatPrismTopFacesUpForACounterClockwiseOutline) {
  // Counter-clockwise as seen from above with -z up the screen.
  const Vec2 quadrato[5] = {{-1, -1}, {-1, 1}, {1, 1}, {1, -1}, {-1, -1}};
  prisma(Asse::Y, {0, 0}, quadrato, 0.2f, {0, -1, 0});
  const Quad& top = lavoro[0];
  const Quad& bottom = lavoro[1];
  EXPECT_EQ(top.p[0], (Vec3{0, -0.9f, 0}));
  EXPECT_NEAR(top.n[0].y, 1, 1e-6);
  EXPECT_NEAR(bottom.n[0].y, -1, 1e-6);
  EXPECT_NEAR(bottom.p[2].y, -1.1f, 1e-6);
  // The first wall faces away from the centre (-x for the edge at x = -1).
  const Quad& side = lavoro[2];
  EXPECT_NEAR(side.n[0].x, -1, 1e-6);
}

TEST_F(Primitive, SolidPrismLiesInTheXyPlane) {
  const Vec2 triangolo[4] = {{0, 0}, {0, 1}, {1, 0}, {0, 0}};
  prisma(Asse::Z, {0.3f, 0.3f}, triangolo, 0.15f, {0, 0, 0});
  const Quad& front = lavoro[0];
  EXPECT_NEAR(front.p[0].z, 0.075f, 1e-7);
  EXPECT_EQ(front.p[2], (Vec3{0, 1, 0.075f}));
  EXPECT_NEAR(front.n[0].z, 1, 1e-6);  // a clockwise outline faces +z
  EXPECT_NEAR(lavoro[1].n[0].z, -1, 1e-6);
}

TEST_F(Primitive, BoxFacesAndNormals) {
  scatola({0.2f, -0.975f, 0.3f}, {-0.2f, -1, -0.3f});
  ASSERT_EQ(lavoro.size(), 5u);
  const Vec3 atteso[5] = {{0, 1, 0}, {0, 0, 1}, {0, 0, -1}, {-1, 0, 0}, {1, 0, 0}};
  for (int f = 0; f < 5; ++f)
    for (int c = 0; c < 4; ++c) {
      EXPECT_NEAR(lavoro[f].n[c].x, atteso[f].x, 1e-6) << f;
      EXPECT_NEAR(lavoro[f].n[c].y, atteso[f].y, 1e-6) << f;
      EXPECT_NEAR(lavoro[f].n[c].z, atteso[f].z, 1e-6) << f;
    }
  EXPECT_EQ(lavoro[0].p[0], (Vec3{-0.2f, -0.975f, 0.3f}));
  EXPECT_EQ(lavoro[4].p[3], (Vec3{0.2f, -1.0f, -0.3f}));
}

}  // namespace
