#include "graphics/core/hintarrow.h"

#include <gtest/gtest.h>

#include <cmath>

#include "graphics/core/squaremarks.h"

TEST(HintArrow, PointsFromTheLeavingSquareToTheMiddleOfTheTargetEvenlyOnBothSides) {
  ArrowOutline o;
  EXPECT_FALSE(arrowOutline(HintArrow{}, o));
  EXPECT_FALSE(arrowOutline(HintArrow{12, 12}, o));
  // g1 to f3: a knight's move, up the board and to the left.
  const int g1 = 6, f3 = 21;
  ASSERT_TRUE(arrowOutline(HintArrow{g1, f3}, o));
  EXPECT_FLOAT_EQ(o.headX[1], squareCentreX(f3));
  EXPECT_FLOAT_EQ(o.headZ[1], squareCentreZ(f3));
  const auto distance = [](float x0, float z0, float x1, float z1) { return std::hypot(x1 - x0, z1 - z0); };
  // The tail begins its gap away from g1's middle, between the two corners.
  const float tailX = (o.shaftX[0] + o.shaftX[3]) / 2, tailZ = (o.shaftZ[0] + o.shaftZ[3]) / 2;
  EXPECT_NEAR(distance(tailX, tailZ, squareCentreX(g1), squareCentreZ(g1)), ARROW_TAIL_GAP, 1e-5);
  EXPECT_NEAR(distance(o.shaftX[0], o.shaftZ[0], o.shaftX[3], o.shaftZ[3]), ARROW_SHAFT_WIDTH, 1e-5);
  EXPECT_NEAR(distance(o.headX[0], o.headZ[0], o.headX[2], o.headZ[2]), ARROW_HEAD_WIDTH, 1e-5);
  // The shaft meets the head's base, which stands the head's length from the tip.
  EXPECT_FLOAT_EQ((o.shaftX[1] + o.shaftX[2]) / 2, (o.headX[0] + o.headX[2]) / 2);
  const float baseX = (o.headX[0] + o.headX[2]) / 2, baseZ = (o.headZ[0] + o.headZ[2]) / 2;
  EXPECT_NEAR(distance(baseX, baseZ, o.headX[1], o.headZ[1]), ARROW_HEAD_LENGTH, 1e-5);
  // Left and right are mirror images about the line g1-f3.
  EXPECT_NEAR(distance(o.headX[0], o.headZ[0], o.headX[1], o.headZ[1]),
              distance(o.headX[2], o.headZ[2], o.headX[1], o.headZ[1]), 1e-5);
}
