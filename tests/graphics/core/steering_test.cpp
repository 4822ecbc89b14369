// Camera steering: key rates from the time between ticks, the limits every
// way of steering shares, the drag orbit and the wheel.
#include "graphics/core/steering.h"

#include <gtest/gtest.h>

#include <cstring>

#include "graphics/core/angles.h"
#include "graphics/core/scene.h"

namespace {

constexpr double MS = 1.0 / 86400000.0;  // a millisecond as a day fraction

class Sterzo : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { preparaangoli(); }
  void SetUp() override {
    std::memset(tasti, 0, sizeof tasti);
    vista = VISTA_3D;
    vista3d();
    muovicamera(tasti, 0.0);  // nothing held: the next press starts afresh
    ridisegna = 0;
  }
  void TearDown() override {
    std::memset(tasti, 0, sizeof tasti);
    muovicamera(tasti, 0.0);
    vista = VISTA_3D;
    vista3d();
    ridisegna = 0;
  }
  // Holds the keys for n ticks every passo ms from moment inizio.
  void tieni(int n, double passo, double inizio = 0.5) {
    for (int i = 0; i < n; ++i) muovicamera(tasti, inizio + i * passo * MS);
  }
  uint8_t tasti[256];
};

TEST_F(Sterzo, AHeldArrowTurnsNinetyDegreesASecond) {
  tasti[TASTO_SINISTRA] = 1;
  rotazione = 300;
  // The first tick of a press counts as one period: 50 ticks are a second.
  tieni(50, 20);
  EXPECT_NEAR(rotazione, 300 + 90 - 360, 0.01f) << "wrapped past 360";
  EXPECT_EQ(ridisegna, 1);
  tasti[TASTO_SINISTRA] = 0;
  muovicamera(tasti, 0.6);
  tasti[TASTO_DESTRA] = 1;
  // Ticks that come late count their real time, but at most a stalled
  // tick's worth, so the rate never rises above the limit.
  rotazione = 90;
  tieni(11, 100);  // the first tick 20 ms, then ten of 100 ms counted as 60
  EXPECT_NEAR(rotazione, 90 - 0.09f * (20 + 10 * PASSO_MASSIMO_MS), 0.01f);
  // A tap turns by a fraction of a degree: the board can be aimed.
  tasti[TASTO_DESTRA] = 0;
  muovicamera(tasti, 0.7);
  tasti[TASTO_DESTRA] = 1;
  const float prima = rotazione;
  muovicamera(tasti, 0.8);
  EXPECT_NEAR(prima - rotazione, 1.8f, 1e-4);
}

TEST_F(Sterzo, AClockThatGoesBackCountsOneTick) {
  tasti[TASTO_SINISTRA] = 1;
  muovicamera(tasti, 0.9);
  muovicamera(tasti, 0.1);  // midnight, or a clock set back
  EXPECT_NEAR(rotazione, 270 + 2 * 1.8f, 1e-4);
}

TEST_F(Sterzo, OppositeKeysCancelAndTiltStaysInRange) {
  tasti[TASTO_SINISTRA] = tasti[TASTO_DESTRA] = 1;
  tasti[TASTO_A] = tasti[TASTO_Z] = 1;
  EXPECT_TRUE(muovicamera(tasti, 0.5));
  EXPECT_EQ(rotazione, 270.0f);
  EXPECT_EQ(distanza, 11.5f);
  EXPECT_EQ(ridisegna, 0) << "nothing changed";
  std::memset(tasti, 0, sizeof tasti);
  tasti[TASTO_GIU] = 1;
  tieni(200, 20);
  EXPECT_EQ(elevazione, ELEVAZIONE_MINIMA);
  tasti[TASTO_GIU] = 0;
  muovicamera(tasti, 0.55);
  tasti[TASTO_SU] = 1;
  tieni(50, 20, 0.6);
  EXPECT_NEAR(elevazione, ELEVAZIONE_MINIMA + INCLINAZIONE_AL_SECONDO, 0.01f);
  tieni(200, 20, 0.7);
  EXPECT_EQ(elevazione, ELEVAZIONE_MASSIMA);
}

TEST_F(Sterzo, DistanceIsBoundedForKeysAndWheelInBothViews) {
  vista = VISTA_PIATTA;
  vistapiatta();
  tasti[TASTO_SINISTRA] = tasti[TASTO_SU] = 1;
  EXPECT_FALSE(muovicamera(tasti, 0.5)) << "the flat view does not turn or tilt";
  EXPECT_EQ(rotazione, 270.0f);
  EXPECT_EQ(elevazione, 90.0f);
  tasti[TASTO_Z] = 1;
  tieni(50, 20, 0.6);
  EXPECT_NEAR(distanza, 11 - ZOOM_AL_SECONDO, 0.01f);
  EXPECT_EQ(rotazione, 270.0f);
  tieni(200, 20, 0.7);
  EXPECT_EQ(distanza, DISTANZA_MINIMA) << "the eye stays out of the pieces";
  EXPECT_TRUE(zoomCamera(-OTTAVI_PER_SCATTO));
  EXPECT_FLOAT_EQ(distanza, DISTANZA_MINIMA + DISTANZA_PER_SCATTO) << "wheel toward the user: farther";
  EXPECT_TRUE(zoomCamera(10 * OTTAVI_PER_SCATTO));
  EXPECT_EQ(distanza, DISTANZA_MINIMA);
  ridisegna = 0;
  EXPECT_FALSE(zoomCamera(OTTAVI_PER_SCATTO));
  EXPECT_EQ(ridisegna, 0);
  for (int i = 0; i < 100; ++i) zoomCamera(-OTTAVI_PER_SCATTO);
  EXPECT_EQ(distanza, DISTANZA_MASSIMA);
  EXPECT_FALSE(orbitCamera(40, 40)) << "no orbit in the flat view";
}

TEST_F(Sterzo, DraggingOrbitsWithTheNearEdgeFollowingThePointer) {
  float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  // The middle of the near edge, at the default camera and after a drag.
  ASSERT_TRUE(projectPoint(0, -1, 4, 800, 600, x0, y0));
  EXPECT_TRUE(orbitCamera(30, 0));
  EXPECT_EQ(ridisegna, 1);
  EXPECT_NEAR(rotazione, 270 + 30 * GRADI_PER_PIXEL, 1e-4);
  ASSERT_TRUE(projectPoint(0, -1, 4, 800, 600, x1, y1));
  EXPECT_GT(x1, x0 + 10);
  // Downward the view rises toward straight above, and stops there.
  EXPECT_TRUE(orbitCamera(0, 50));
  EXPECT_NEAR(elevazione, 60 + 50 * GRADI_PER_PIXEL, 1e-4);
  orbitCamera(0, 1000);
  EXPECT_EQ(elevazione, ELEVAZIONE_MASSIMA);
  EXPECT_FALSE(orbitCamera(0, 5));
  orbitCamera(0, -1000);
  EXPECT_EQ(elevazione, ELEVAZIONE_MINIMA);
  // Whole turns stay within 0..360.
  for (int i = 0; i < 30; ++i) orbitCamera(997, 0);
  EXPECT_GE(rotazione, 0.0f);
  EXPECT_LE(rotazione, 360.0f);
}

}  // namespace
