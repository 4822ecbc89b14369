#include "ui/picking.h"

#include <gtest/gtest.h>

#include "graphics/core/angles.h"
#include "support/engine_fixture.h"
#include "uifixture.h"

namespace {

using zeftest::puntocasella;
using zeftest::sq;

class Picking : public ::testing::Test {
 protected:
  void SetUp() override { preparaangoli(); }
};

TEST_F(Picking, BearingOfTheAxesAndTheFourQuadrants) {
  EXPECT_EQ(angolo(0, 0), 270) << "the panel centre";
  EXPECT_EQ(angolo(-7, 0), 270);
  EXPECT_EQ(angolo(7, 0), 90);
  EXPECT_EQ(angolo(0, -7), 0);
  EXPECT_EQ(angolo(0, 7), 180);
  EXPECT_EQ(angolo(5, -5), 45);
  EXPECT_EQ(angolo(5, 5), 135);
  EXPECT_EQ(angolo(-5, 5), 225);
  EXPECT_EQ(angolo(-5, -5), 315);
  // 50 * 1/4 = 12.5 rounds to the even 12, the slope of 13 degrees (13 would
  // be the slope of 15).
  EXPECT_EQ(angolo(1, -4), 13);
  EXPECT_EQ(angolo(1, 4), 167);
  EXPECT_EQ(angolo(-1, 4), 193);
  EXPECT_EQ(angolo(-1, -4), 347);
  // Nearly vertical and nearly horizontal vectors: the table's ends.
  EXPECT_EQ(angolo(1, -1000), 0);
  EXPECT_EQ(angolo(-1, -1000), 360);
  EXPECT_EQ(angolo(1000, -1), 90);
  EXPECT_EQ(angolo(-100000, 1), 270);
}

TEST_F(Picking, CentreIsE5AndFarPointsClampToTheEdge) {
  EXPECT_EQ(casellapunto(400, 300, 800, 600, 270.0f), sq("e5"));
  EXPECT_EQ(casellapunto(400, 0, 800, 600, 270.0f), sq("e8")) << "straight up, beyond rank 8";
  EXPECT_EQ(casellapunto(400, 599, 800, 600, 270.0f), sq("e1"));
  EXPECT_EQ(casellapunto(5000, 300, 800, 600, 270.0f), sq("h5")) << "far to the right";
  EXPECT_EQ(casellapunto(-5000, 300, 800, 600, 270.0f), sq("a5"));
  EXPECT_EQ(casellapunto(0, 0, 800, 600, 270.0f), sq("a8"));
  EXPECT_EQ(casellapunto(799, 599, 800, 600, 270.0f), sq("h1"));
  EXPECT_EQ(casellapunto(10, 10, 0, 600, 270.0f), -1) << "no area";
  // Every point of the panel and around it names some square.
  for (int y = -50; y < 650; y += 37)
    for (int x = -50; x < 850; x += 41) {
      const int s = casellapunto(x, y, 800, 600, 270.0f);
      EXPECT_GE(s, 0);
      EXPECT_LE(s, 63);
    }
}

TEST_F(Picking, SquaresAtTheirComputedPoints) {
  // Half = 300, so one square is 60 pixels; the centre is the corner of d4,
  // e4, d5 and e5, and a square is the cell drawn under the pointer.
  EXPECT_EQ(casellapunto(430, 270, 800, 600, 270.0f), sq("e5"));
  EXPECT_EQ(casellapunto(370, 270, 800, 600, 270.0f), sq("d5"));
  EXPECT_EQ(casellapunto(370, 330, 800, 600, 270.0f), sq("d4"));
  EXPECT_EQ(casellapunto(430, 330, 800, 600, 270.0f), sq("e4"));
  EXPECT_EQ(casellapunto(430, 510, 800, 600, 270.0f), sq("e1"));
  EXPECT_EQ(casellapunto(550, 270, 800, 600, 270.0f), sq("g5"));
  for (int s = 0; s < 64; ++s) {
    const QPoint p = puntocasella(s, 800, 600, 270.0f);
    EXPECT_EQ(casellapunto(p.x(), p.y(), 800, 600, 270.0f), s) << s;
  }
}

TEST_F(Picking, HalfATurnMirrorsTheBoardAndKeepsTheCentre) {
  EXPECT_EQ(casellapunto(400, 300, 800, 600, 90.0f), sq("e5"));
  for (int s = 0; s < 64; ++s) {
    const QPoint p = puntocasella(s, 800, 600, 270.0f);
    const int atteso = (7 - (s & 7)) + 8 * (7 - (s >> 3));
    EXPECT_EQ(casellapunto(p.x(), p.y(), 800, 600, 90.0f), atteso) << s;
  }
  // A turn in between: the computed points follow it.
  for (int s = 0; s < 64; ++s) {
    const QPoint p = puntocasella(s, 900, 700, 300.0f);
    EXPECT_EQ(casellapunto(p.x(), p.y(), 900, 700, 300.0f), s) << s;
  }
}

}  // namespace
