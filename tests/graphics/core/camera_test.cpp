#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "graphics/core/angles.h"
#include "graphics/core/scene.h"
#include "graphics/core/steering.h"

namespace {

class Camera : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { preparaangoli(); }
  void SetUp() override {
    std::memset(tasti, 0, sizeof tasti);
    vista = VISTA_3D;
    vista3d();
    ridisegna = 0;
  }
  void TearDown() override {
    vista = VISTA_3D;
    vista3d();
    ridisegna = 0;
  }
  uint8_t tasti[256];
};

TEST_F(Camera, Presets) {
  rotazione = 35;
  scostamento = 2;
  vistapiatta();
  EXPECT_EQ(elevazione, 90.0f);
  EXPECT_EQ(distanza, 11.0f);
  EXPECT_EQ(rotazione, 270.0f);
  EXPECT_EQ(scostamento, 0.0f);
  rotazione = 90;
  vista3d();
  EXPECT_EQ(elevazione, 60.0f);
  EXPECT_EQ(distanza, 11.5f);
  EXPECT_EQ(rotazione, 270.0f);
}

TEST_F(Camera, HalfTurn) {
  rotazione = 270;
  ruota180();
  EXPECT_FLOAT_EQ(rotazione, 90);
  EXPECT_EQ(ridisegna, 1);
  ruota180();
  EXPECT_FLOAT_EQ(rotazione, 270);
  rotazione = 180;
  ruota180();
  EXPECT_FLOAT_EQ(rotazione, 360);
}

TEST_F(Camera, SwatchCoordinates) {
  riempicoloripezzi();
  const float s[4] = {0.735714f, 0.771429f, 0.807143f, 0.842857f};
  for (int n = 1; n <= 8; ++n) {
    EXPECT_NEAR(coloripezzi[n].s, s[(n - 1) % 4], 1e-6) << n;
    EXPECT_FLOAT_EQ(coloripezzi[n].t, n <= 4 ? 0.6f : 0.8f) << n;
  }
}

void applica(const float m[16], float x, float y, float z, float out[3]) {
  for (int l = 0; l < 3; ++l) out[l] = m[l] * x + m[4 + l] * y + m[8 + l] * z + m[12 + l];
}

// At rotation 270 the camera takes a board point (x, y, z), shifted by s
// along z, to the eye point (x, -z' sin e + y cos e, z' cos e + y sin e - d)
// with z' = z + s.
TEST_F(Camera, ModelViewAtWhitesSide) {
  struct Caso {
    float elevazione, distanza, spinta;
  };
  // The shift is 4 * mezzoseno[270] * (90 - e) / 90: 2/3 of a square at 60,
  // 1.8 squares at the lowest elevation, none looking straight down.
  for (const Caso c :
       {Caso{60, 11.5f, -2.0f / 3}, Caso{9, 11.5f, -1.8f}, Caso{90, 11, 0}, Caso{33, 7, -4.0f * 57 / 180}}) {
    rotazione = 270;
    elevazione = c.elevazione;
    distanza = c.distanza;
    float mv[16];
    cameraMatrix(mv);
    const double e = c.elevazione * M_PI / 180;
    const float punti[3][3] = {{0, -1, 0}, {-3.5f, -1, 3.5f}, {2, 0.5f, -4}};
    for (const auto& p : punti) {
      float out[3];
      applica(mv, p[0], p[1], p[2], out);
      const double z = p[2] + c.spinta;
      EXPECT_NEAR(out[0], p[0], 1e-4);
      EXPECT_NEAR(out[1], -z * std::sin(e) + p[1] * std::cos(e), 1e-4) << c.elevazione;
      EXPECT_NEAR(out[2], z * std::cos(e) + p[1] * std::sin(e) - c.distanza, 1e-4) << c.elevazione;
    }
  }
}

}  // namespace
