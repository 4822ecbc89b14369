#include "graphics/core/angles.h"

#include <cmath>
#include <cstdint>

float seno[GRADI];
float coseno[GRADI];
float mezzoseno[GRADI];
float mezzocoseno[GRADI];
uint16_t tangenti[TANGENTI];

void preparaangoli() {
  // The angle is measured from 450° backwards so that cos x gives sin i; the
  // arithmetic stays in single precision with the truncated pi the tables
  // were always built with, so the camera and the meshes agree to the last bit.
  for (int i = 0; i < GRADI; ++i) {
    const float x = static_cast<float>(450 - i) * 3.141592f / 180.0f;
    const float c = std::cos(x);
    const float s = std::sin(x);
    seno[i] = c;
    coseno[i] = s;
    mezzoseno[i] = c / 2.0f;
    mezzocoseno[i] = s / 2.0f;
  }
  mezzoseno[0] = 0.0f;
  mezzoseno[180] = 0.0f;
  mezzocoseno[90] = 0.0f;
  mezzocoseno[270] = 0.0f;

  tangenti[0] = 0;
  tangenti[1] = 0;
  // 50 * tan 89° rounds to 2865: the last slope that still maps below 90.
  constexpr int ultima = 2865;
  int k = 2;
  for (int i = 2; i <= 89; ++i) {
    const float t = 50.0f * mezzoseno[i] / mezzocoseno[i];
    const long reach = std::lround(std::nearbyint(t));
    while (k <= reach && k <= ultima) tangenti[k++] = static_cast<uint16_t>(i);
  }
  // Steeper slopes read as 90.
  while (k < TANGENTI) tangenti[k++] = 90;
}

namespace {

// The slope index of p / q in fiftieths, from a single-precision quotient.
int pendenza(int p, int q) {
  const float v = static_cast<float>(50 * static_cast<int64_t>(p)) / static_cast<float>(q);
  if (!(v < static_cast<float>(TANGENTI - 1))) return TANGENTI - 1;
  return static_cast<int>(std::nearbyint(v));
}

}  // namespace

int angolo(int dx, int dy) {
  if (dy == 0) return dx <= 0 ? 270 : 90;
  if (dx == 0) return dy <= 0 ? 0 : 180;
  if (dx > 0 && dy < 0) return tangenti[pendenza(dx, -dy)];
  if (dx > 0) return 180 - tangenti[pendenza(dx, dy)];
  if (dy > 0) return 180 + tangenti[pendenza(-dx, dy)];
  return 360 - tangenti[pendenza(-dx, -dy)];
}
