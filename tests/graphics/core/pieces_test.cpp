#include "graphics/core/pieces.h"

#include <gtest/gtest.h>

#include <cmath>

#include "graphics/core/angles.h"
#include "graphics/core/mesh.h"
#include "graphics/core/scene.h"

namespace {

class Pezzi : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { preparaangoli(); }
  void TearDown() override {
    vista = VISTA_3D;
    costruiscipezzi();
  }
  static void costruisci(int v) {
    vista = v;
    costruiscipezzi();
  }
};

// Counts from the primitive formulas: ellipsoid n*m, cylinder 3n, lathe
// n(k-1), prism 3q, box 5.
TEST_F(Pezzi, SolidSetQuadCounts) {
  costruisci(VISTA_3D);
  EXPECT_EQ(pezzi[MESH_PEDONE].size(), 240u + 200u + 36u + 240u);  // 716
  EXPECT_EQ(pezzi[MESH_TORRE].size(), 30u + 60u + 240u);
  EXPECT_EQ(pezzi[MESH_ALFIERE].size(), 20u * 16u + 30u + 240u);
  EXPECT_EQ(pezzi[MESH_DONNA].size(), 658u);
  EXPECT_EQ(pezzi[MESH_RE].size(), 140u + 30u + 100u + 100u + 240u + 36u + 36u);
  EXPECT_EQ(pezzi[MESH_CAVALLO].size(), 240u + 30u + 21u);
}

TEST_F(Pezzi, FlatSetQuadCounts) {
  costruisci(VISTA_PIATTA);
  EXPECT_EQ(pezzi[MESH_PEDONE].size(), 102u);
  EXPECT_EQ(pezzi[MESH_TORRE].size(), 18u + 25u);
  EXPECT_EQ(pezzi[MESH_ALFIERE].size(), 24u + 27u + 18u + 30u);
  EXPECT_EQ(pezzi[MESH_DONNA].size(), 18u + 4 * 18u + 12u + 12u + 9u + 9u);
  EXPECT_EQ(pezzi[MESH_RE].size(), 24u + 36u + 36u + 10u);
  EXPECT_EQ(pezzi[MESH_CAVALLO].size(), 24u + 60u);
  svuotapezzi();
  for (const Mesh& m : pezzi) EXPECT_TRUE(m.empty());
}

TEST_F(Pezzi, BuildingNeedsNoEarlierTableSetUp) {
  for (int i = 0; i < GRADI; ++i) seno[i] = coseno[i] = 0.0f;
  costruisci(VISTA_3D);
  // The pawn's head would have collapsed onto its axis.
  float largo = 0;
  for (const Quad& q : pezzi[MESH_PEDONE]) largo = std::max(largo, std::fabs(q.p[0].x));
  EXPECT_NEAR(largo, 0.35f, 1e-3);
}

TEST_F(Pezzi, SolidPiecesStandOnTheBoardAndFitTheirSquare) {
  costruisci(VISTA_3D);
  const float cima[NUMPEZZI] = {0.1f, 1.1f, 0.9f, 0.05f, 0.556f, 0.324f};
  for (int k = 0; k < NUMPEZZI; ++k) {
    float alto = -9, basso = 9, largo = 0;
    for (const Quad& q : pezzi[k])
      for (const Vec3& v : q.p) {
        alto = std::max(alto, v.y);
        basso = std::min(basso, v.y);
        largo = std::max({largo, std::fabs(v.x), std::fabs(v.z)});
      }
    EXPECT_NEAR(alto, cima[k], 1e-3) << k;
    EXPECT_NEAR(basso, -1.35f, 1e-3) << k;  // the base ball, half under the board
    EXPECT_LE(largo, 0.5f) << k;
  }
}

TEST_F(Pezzi, FlatSymbolsLieOnTheBoardInsideTheirSquare) {
  costruisci(VISTA_PIATTA);
  for (int k = 0; k < NUMPEZZI; ++k) {
    int sopra = 0;
    for (const Quad& q : pezzi[k])
      for (int c = 0; c < 4; ++c) {
        const Vec3& v = q.p[c];
        ASSERT_GE(v.y, -1.0251f) << k;
        ASSERT_LE(v.y, -0.9749f) << k;
        ASSERT_LT(std::fabs(v.x), 0.5f) << k;
        ASSERT_LT(std::fabs(v.z), 0.5f) << k;
        if (v.y > -0.976f && q.n[c].y > 0.99f) ++sopra;
      }
    // Every symbol shows an upward-facing top to the camera above it.
    EXPECT_GT(sopra, 0) << k;
  }
}

TEST_F(Pezzi, FlatPrismTopsFaceUp) {
  // Every top face of the flat set is wound so that it faces the camera;
  // a reversed outline would hide the symbol under the board.
  costruisci(VISTA_PIATTA);
  for (int k = 0; k < NUMPEZZI; ++k)
    for (const Quad& q : pezzi[k]) {
      bool cima = true;
      for (const Vec3& v : q.p) cima &= std::fabs(v.y + 0.975f) < 1e-6f;
      if (!cima) continue;
      for (const Vec3& n : q.n) ASSERT_GT(n.y, 0.0f) << "piece " << k;
    }
}

TEST_F(Pezzi, SolidKnightProfileIsAlongX) {
  costruisci(VISTA_3D);
  const Mesh& c = pezzi[MESH_CAVALLO];
  // After the 240 base quads: the head (10 segments), then the neck (7).
  ASSERT_EQ(c.size(), 291u);
  const Quad& front = c[240];
  EXPECT_NEAR(front.p[0].x, 0.04f, 1e-6);
  EXPECT_NEAR(front.p[0].y, 0.079f, 1e-6);
  EXPECT_NEAR(front.p[0].z, 0.075f, 1e-6);
  EXPECT_NEAR(front.n[0].z, 1.0f, 1e-5);
  const Quad& neck = c[240 + 30];
  EXPECT_NEAR(neck.p[0].y, -0.543f, 1e-6);
}

}  // namespace
