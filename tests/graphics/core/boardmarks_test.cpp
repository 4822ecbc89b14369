// The check mark's square and the frame's labels: where they lie, which
// way they read as the board turns, and their colour on light and dark frames.
#include "graphics/core/boardmarks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "graphics/core/angles.h"
#include "graphics/core/scene.h"
#include "support/engine_fixture.h"

namespace {

class Segni : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { preparaangoli(); }
  void SetUp() override { TearDown(); }
  void TearDown() override {
    vista = VISTA_3D;
    vista3d();
  }
  // The label of glyph g nearest to board point (x, z).
  static const Etichetta& cerca(const Etichetta* e, int g, float x, float z) {
    const Etichetta* migliore = nullptr;
    float d = 1e9f;
    for (int i = 0; i < ETICHETTE; ++i) {
      if (e[i].glifo != g) continue;
      const float cx = (e[i].x[0] + e[i].x[2]) / 2, cz = (e[i].z[0] + e[i].z[2]) / 2;
      const float q = (cx - x) * (cx - x) + (cz - z) * (cz - z);
      if (q < d) {
        d = q;
        migliore = &e[i];
      }
    }
    return *migliore;
  }
};

TEST_F(Segni, EveryFileAndRankIsNamedOnBothSidesOfTheBoard) {
  Etichetta e[ETICHETTE];
  frameLabels(e);
  int volte[GLIFI] = {};
  for (const Etichetta& l : e) {
    ASSERT_GE(l.glifo, 0);
    ASSERT_LT(l.glifo, GLIFI);
    ++volte[l.glifo];
    const float cx = (l.x[0] + l.x[2]) / 2, cz = (l.z[0] + l.z[2]) / 2;
    if (l.glifo < GLIFO_CIFRE) {
      EXPECT_FLOAT_EQ(cx, l.glifo - 3.5f) << "a letter stands by its file";
      EXPECT_FLOAT_EQ(std::fabs(cz), CENTRO_ETICHETTE);
    } else {
      EXPECT_FLOAT_EQ(cz, 3.5f - (l.glifo - GLIFO_CIFRE)) << "a digit stands by its rank";
      EXPECT_FLOAT_EQ(std::fabs(cx), CENTRO_ETICHETTE);
    }
    // On the frame, inside its outer edge, off the squares.
    for (int k = 0; k < 4; ++k) {
      EXPECT_LE(std::max(std::fabs(l.x[k]), std::fabs(l.z[k])), 4.5f);
      EXPECT_GE(std::max(std::fabs(l.x[k]), std::fabs(l.z[k])), 4.0f);
    }
    EXPECT_NEAR(std::fabs(l.x[2] - l.x[0]) + std::fabs(l.z[2] - l.z[0]), 4 * MEZZA_ETICHETTA, 1e-5)
        << "at the default turn the labels are square to the board";
  }
  for (int g = 0; g < GLIFI; ++g) EXPECT_EQ(volte[g], 2) << g;
}

TEST_F(Segni, LabelsReadUprightAtEveryTurn) {
  struct Caso {
    int v;
    float rot, elev, ux, uz;
  };
  // Up on the screen: toward rank 8 from White's side, toward rank 1 from
  // Black's, along the ranks when the board is seen from a side, and in
  // between at the turns in between.
  for (const Caso c :
       {Caso{VISTA_PIATTA, 270, 90, 0, -1}, Caso{VISTA_PIATTA, 90, 90, 0, 1}, Caso{VISTA_3D, 270, 60, 0, -1},
        Caso{VISTA_3D, 90, 30, 0, 1}, Caso{VISTA_3D, 0, 60, 1, 0}, Caso{VISTA_3D, 180, 9, -1, 0},
        Caso{VISTA_3D, 300, 45, 0.5f, -0.8660254f}, Caso{VISTA_3D, 225, 70, -0.7071068f, -0.7071068f}}) {
    vista = c.v;
    rotazione = c.rot;
    elevazione = c.elev;
    float ux = 0, uz = 0;
    altoschermo(ux, uz);
    EXPECT_NEAR(ux, c.ux, 1e-5) << "turn " << c.rot;
    EXPECT_NEAR(uz, c.uz, 1e-5) << "turn " << c.rot;
    // A label's lower left to upper left corner runs up the screen, its
    // lower left to lower right corner to the viewer's right.
    float x0 = 0, y0 = 0, x1 = 0, y1 = 0, x3 = 0, y3 = 0;
    Etichetta e[ETICHETTE];
    frameLabels(e);
    const Etichetta& a = cerca(e, 0, -3.5f, 4.2f);
    ASSERT_TRUE(projectPoint(a.x[0], ALTEZZA_ETICHETTE, a.z[0], 800, 600, x0, y0));
    ASSERT_TRUE(projectPoint(a.x[1], ALTEZZA_ETICHETTE, a.z[1], 800, 600, x1, y1));
    ASSERT_TRUE(projectPoint(a.x[3], ALTEZZA_ETICHETTE, a.z[3], 800, 600, x3, y3));
    EXPECT_GT(x1 - x0, 0.0f) << "turn " << c.rot;
    EXPECT_GT(y0 - y3, 0.0f) << "turn " << c.rot;
    // Seen from low down perspective slants the label; higher up it is square to the screen.
    if (c.elev >= 30) {
      EXPECT_GT(x1 - x0, std::fabs(y1 - y0)) << "turn " << c.rot;
      EXPECT_GT(y0 - y3, std::fabs(x3 - x0)) << "turn " << c.rot;
    }
  }
}

TEST_F(Segni, TheKingInCheckOfTheSideToMove) {
  zeftest::setUp("4k3/8/8/8/8/8/8/4K2r w - - 0 1");
  EXPECT_EQ(checkedKingSquare(posizioni[0]), zeftest::sq("e1"));
  zeftest::setUp("4k3/8/8/8/8/8/3n4/4K3 w - - 0 1");
  EXPECT_EQ(checkedKingSquare(posizioni[0]), -1) << "no check";
  zeftest::setUp("4k3/8/8/1B6/8/8/8/4K3 b - - 0 1");
  EXPECT_EQ(checkedKingSquare(posizioni[0]), zeftest::sq("e8"));
  zeftest::setUp("4k3/8/8/1B6/8/8/8/4K3 w - - 0 1");
  EXPECT_EQ(checkedKingSquare(posizioni[0]), -1) << "Black in check with White to move marks nothing";
  tposizione p = posizioni[0];
  p.side = BLACK;
  p.checker = zeftest::sq("b5");
  p.board[p.blackking] = 0;
  EXPECT_EQ(checkedKingSquare(p), -1) << "a record without the king";
}

TEST_F(Segni, LabelColourContrastsWithTheFrame) {
  Skin s = defaultSkin();
  float c[3];
  for (const uint8_t v : {uint8_t{230}, uint8_t{40}}) {
    for (size_t i = 0; i < s.rgb.size(); ++i) s.rgb[i] = v;
    labelColour(s, c);
    EXPECT_EQ(c[0], c[1]);
    EXPECT_EQ(c[1], c[2]);
    EXPECT_GT(std::fabs(c[0] - v / 255.0f), 0.6f) << static_cast<int>(v);
  }
  labelColour(Skin{}, c);  // no pixels at all
  EXPECT_GE(c[0], 0.0f);
}

}  // namespace
