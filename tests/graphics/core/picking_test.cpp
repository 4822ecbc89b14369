// The picker against the camera the scene is drawn with: every square at a
// grid of camera settings in both views, an independent flat-view layout,
// and the points that pick nothing.
#include "graphics/core/picking.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "graphics/core/angles.h"
#include "graphics/core/pieces.h"
#include "graphics/core/scene.h"
#include "graphics/core/steering.h"

namespace {

class Picking : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { preparaangoli(); }
  // The squares alone: with pieces built (by a test before), a point over a
  // piece's body picks the piece's square instead.
  void SetUp() override { svuotapezzi(); }
  void TearDown() override {
    vista = VISTA_3D;
    vista3d();
  }
  static void camera(int v, float rot, float elev, float dist) {
    vista = v;
    rotazione = rot;
    elevazione = elev;
    distanza = dist;
  }
  static std::string descrivi(int w, int h) {
    return "view " + std::to_string(vista) + " turn " + std::to_string(rotazione) + " tilt " +
           std::to_string(elevazione) + " distance " + std::to_string(distanza) + " panel " + std::to_string(w) + "x" +
           std::to_string(h);
  }
  // Checks every square's centre (as a pixel, through casellapunto) and
  // four points near its corners (exactly, through the matrices) under the
  // current camera; returns how many points lay inside the panel.
  static int controlla(int w, int h) {
    float pr[16], mv[16];
    projectionMatrix(w, h, pr);
    cameraMatrix(mv);
    int visti = 0;
    for (int s = 0; s < 64; ++s) {
      const float cx = static_cast<float>(s & 7) - 3.5f, cz = 3.5f - static_cast<float>(s >> 3);
      float px = 0, py = 0;
      if (projectPoint(cx, PIANO_TAVOLA, cz, w, h, px, py) && px >= 0 && py >= 0 && px < w && py < h) {
        ++visti;
        EXPECT_EQ(casellapunto(static_cast<int>(px), static_cast<int>(py), w, h), s)
            << "centre of " << s << " at " << px << ", " << py << " " << descrivi(w, h);
      }
      for (const float dx : {-0.45f, 0.45f})
        for (const float dz : {-0.45f, 0.45f}) {
          if (!projectPoint(cx + dx, PIANO_TAVOLA, cz + dz, w, h, px, py)) continue;
          if (px < 0 || py < 0 || px >= w || py >= h) continue;
          ++visti;
          EXPECT_EQ(squareOnRay(pr, mv, px, py, w, h), s)
              << "corner " << dx << "," << dz << " of " << s << " " << descrivi(w, h);
        }
    }
    return visti;
  }
};

TEST_F(Picking, EverySquareAtEveryCameraTheKeysAllow) {
  for (const auto& [w, h] : {std::pair{800, 600}, std::pair{500, 700}}) {
    // The flat view at its two turns.
    for (const float rot : {270.0f, 90.0f}) {
      camera(VISTA_PIATTA, rot, 90, 11);
      const int visti = controlla(w, h);
      // A panel wider than high shows the whole board.
      if (w > h) {
        EXPECT_EQ(visti, 64 * 5) << descrivi(w, h);
      }
    }
    for (const float rot : {0.0f, 37.0f, 90.0f, 180.0f, 225.0f, 270.0f, 301.5f, 360.0f})
      for (const float elev : {ELEVAZIONE_MINIMA, 30.0f, 60.0f, ELEVAZIONE_MASSIMA})
        for (const float dist : {DISTANZA_MINIMA, 11.5f, DISTANZA_MASSIMA}) {
          camera(VISTA_3D, rot, elev, dist);
          // Up close part of the board leaves the panel; some of it stays.
          EXPECT_GT(controlla(w, h), 64) << descrivi(w, h);
        }
  }
}

TEST_F(Picking, BlacksBackRanksInTheDefaultView) {
  // Where the polar approximation read rank 7 for rank 8.
  camera(VISTA_3D, 270, 60, 11.5f);
  float px = 0, py = 0;
  for (const int s : {63, 56, 60, 55, 48}) {
    ASSERT_TRUE(
        projectPoint(static_cast<float>(s & 7) - 3.5f, -1, 3.5f - static_cast<float>(s >> 3), 800, 600, px, py));
    EXPECT_EQ(casellapunto(static_cast<int>(px), static_cast<int>(py), 800, 600), s);
  }
}

TEST_F(Picking, FlatViewAgreesWithTheLayoutWorkedOutByHand) {
  // Eye 12 units above the board, 45 degree field: scala pixels per square.
  constexpr int W = 900, H = 600;
  const double scala = (H / 2.0) / (12.0 * std::tan(22.5 * M_PI / 180.0));
  for (const float rot : {270.0f, 90.0f}) {
    camera(VISTA_PIATTA, rot, 90, 11);
    const double verso = rot < 180 ? -1 : 1;
    for (int s = 0; s < 64; ++s)
      for (const double d : {-0.4, 0.0, 0.4}) {
        const double x = (s & 7) - 3.5 + d, z = 3.5 - (s >> 3) - d;
        const int px = static_cast<int>(std::floor(W / 2.0 + verso * x * scala));
        const int py = static_cast<int>(std::floor(H / 2.0 + verso * z * scala));
        EXPECT_EQ(casellapunto(px, py, W, H), s) << "turn " << rot << " offset " << d;
      }
  }
}

TEST_F(Picking, FrameBackgroundAndSkyPickNothing) {
  constexpr int W = 800, H = 600;
  float pr[16], mv[16], px = 0, py = 0;
  for (const float rot : {270.0f, 90.0f, 33.0f}) {
    camera(VISTA_3D, rot, 60, 11.5f);
    projectionMatrix(W, H, pr);
    cameraMatrix(mv);
    // Just outside each edge of the squares, on the frame and the name plate.
    for (const auto& [x, z] : {std::pair{-4.05f, 0.5f}, std::pair{4.05f, -2.5f}, std::pair{0.5f, 4.05f},
                               std::pair{-3.5f, -4.05f}, std::pair{4.5f, 4.5f}, std::pair{0.0f, 4.6f}}) {
      ASSERT_TRUE(projectPoint(x, PIANO_TAVOLA, z, W, H, px, py));
      EXPECT_EQ(squareOnRay(pr, mv, px, py, W, H), NESSUNA_CASELLA) << x << "," << z << " turn " << rot;
    }
  }
  camera(VISTA_PIATTA, 270, 90, 11);
  EXPECT_EQ(casellapunto(3, H / 2, W, H), NESSUNA_CASELLA) << "background beside the frame";
  EXPECT_EQ(casellapunto(W - 1, H - 1, W, H), NESSUNA_CASELLA);
  // Seen from low down the sky shows above the board: its rays never meet it.
  camera(VISTA_3D, 270, ELEVAZIONE_MINIMA, 11.5f);
  EXPECT_EQ(casellapunto(W / 2, 0, W, H), NESSUNA_CASELLA);
  EXPECT_EQ(casellapunto(10, 10, 0, H), NESSUNA_CASELLA) << "no area";
  EXPECT_EQ(casellapunto(10, 10, W, 0), NESSUNA_CASELLA);
}

TEST_F(Picking, SquareCellsOfBoardPoints) {
  EXPECT_EQ(squareAtBoardPoint(-4.0f, 4.0f), 0) << "a1's outer corner";
  EXPECT_EQ(squareAtBoardPoint(-3.01f, 3.01f), 0);
  EXPECT_EQ(squareAtBoardPoint(-3.0f, 3.0f), 9) << "the shared corner belongs to b2";
  EXPECT_EQ(squareAtBoardPoint(3.99f, -3.99f), 63);
  EXPECT_EQ(squareAtBoardPoint(4.0f, 0.0f), NESSUNA_CASELLA);
  EXPECT_EQ(squareAtBoardPoint(0.0f, -4.0f), NESSUNA_CASELLA);
  EXPECT_EQ(squareAtBoardPoint(-4.01f, 0.0f), NESSUNA_CASELLA);
  EXPECT_EQ(squareAtBoardPoint(NAN, 0.0f), NESSUNA_CASELLA);
}

}  // namespace
