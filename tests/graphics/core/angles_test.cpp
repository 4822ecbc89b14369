#include "graphics/core/angles.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class Angoli : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { preparaangoli(); }
};

TEST_F(Angoli, QuarterTurnsOfSineAndCosine) {
  const float atteso_sin[4] = {0.0f, 1.0f, 0.0f, -1.0f};
  const float atteso_cos[4] = {1.0f, 0.0f, -1.0f, 0.0f};
  for (int q = 0; q < 4; ++q) {
    EXPECT_NEAR(seno[q * 90], atteso_sin[q], 2e-6) << q * 90;
    EXPECT_NEAR(coseno[q * 90], atteso_cos[q], 2e-6) << q * 90;
    EXPECT_NEAR(mezzoseno[q * 90], atteso_sin[q] / 2, 2e-6) << q * 90;
    EXPECT_NEAR(mezzocoseno[q * 90], atteso_cos[q] / 2, 2e-6) << q * 90;
  }
  EXPECT_NEAR(seno[30], 0.5f, 5e-6);
  EXPECT_NEAR(coseno[60], 0.5f, 5e-6);
  EXPECT_NEAR(seno[360], 0.0f, 2e-6);
  EXPECT_NEAR(coseno[360], 1.0f, 2e-6);
}

TEST_F(Angoli, HalvesAreExactlyZeroOnTheAxes) {
  // The truncated pi leaves tiny residues in the full tables; the halves
  // used by the camera are forced to exact zeros.
  EXPECT_EQ(mezzoseno[0], 0.0f);
  EXPECT_EQ(mezzoseno[180], 0.0f);
  EXPECT_EQ(mezzocoseno[90], 0.0f);
  EXPECT_EQ(mezzocoseno[270], 0.0f);
  EXPECT_NE(seno[180], 0.0f);
}

TEST_F(Angoli, TableIsBuiltFromTheShiftedAngle) {
  for (int i : {1, 45, 123, 271, 359}) {
    const float x = static_cast<float>(450 - i) * 3.141592f / 180.0f;
    EXPECT_EQ(seno[i], std::cos(x)) << i;
    EXPECT_EQ(coseno[i], std::sin(x)) << i;
  }
}

TEST_F(Angoli, TangentTableEnds) {
  EXPECT_EQ(tangenti[0], 0);
  EXPECT_EQ(tangenti[1], 0);
  EXPECT_EQ(tangenti[2], 2);  // 50 tan 2° = 1.75 rounds to 2
  EXPECT_EQ(tangenti[2865], 89);
  for (int k = 2866; k < TANGENTI; ++k) ASSERT_EQ(tangenti[k], 90) << k;
}

TEST_F(Angoli, TangentTableIsTheSmallestReachingDegree) {
  // 50 tan 45° = 50: slope 50 is the first one that maps to 45 degrees.
  EXPECT_EQ(tangenti[50], 45);
  EXPECT_EQ(tangenti[51], 46);
  for (int k = 3; k <= 2865; ++k) {
    ASSERT_GE(tangenti[k], tangenti[k - 1]) << k;
    const int i = tangenti[k];
    ASSERT_GE(std::nearbyint(50.0f * mezzoseno[i] / mezzocoseno[i]), k) << k;
    if (i > 2) {
      ASSERT_LT(std::nearbyint(50.0f * mezzoseno[i - 1] / mezzocoseno[i - 1]), k) << k;
    }
  }
}

TEST_F(Angoli, BearingOfTheAxesAndTheFourQuadrants) {
  EXPECT_EQ(angolo(0, 0), 270);
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

}  // namespace
