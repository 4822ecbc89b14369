#include "ui/picking.h"

#include <algorithm>
#include <cmath>

#include "graphics/core/angles.h"

namespace {

// The slope index of p / q in fiftieths, from a single-precision quotient.
int pendenza(int p, int q) {
  const float v = static_cast<float>(50 * p) / static_cast<float>(q);
  if (!(v < static_cast<float>(TANGENTI - 1))) return TANGENTI - 1;
  return arrotondapari(v);
}

int limita(int v) { return std::clamp(v, 0, 7); }

}  // namespace

int arrotondapari(float v) { return static_cast<int>(std::nearbyint(v)); }

int angolo(int dx, int dy) {
  if (dy == 0) return dx <= 0 ? 270 : 90;
  if (dx == 0) return dy <= 0 ? 0 : 180;
  if (dx > 0 && dy < 0) return tangenti[pendenza(dx, -dy)];
  if (dx > 0) return 180 - tangenti[pendenza(dx, dy)];
  if (dy > 0) return 180 + tangenti[pendenza(-dx, dy)];
  return 360 - tangenti[pendenza(-dx, -dy)];
}

int casellapunto(int x, int y, int w, int h, float rotazione) {
  const int dx = x - w / 2;
  const int dy = y - h / 2;
  const int half = std::min(w, h) / 2;
  if (half <= 0) return -1;
  int c = static_cast<int>(std::trunc(static_cast<float>(angolo(dx, dy)) + rotazione - 270.0f));
  if (c < 0)
    c += 360;
  else if (c > 359)
    c -= 360;
  // The camera keeps its turn within 0..360; anything else still reads the
  // tables inside their bounds.
  c = std::clamp(c, 0, GRADI - 1);
  const float d = std::sqrt(static_cast<float>(dx * dx + dy * dy)) / static_cast<float>(half) * 10.0f;
  // d is in half-squares along the bearing, so the products are board units
  // from the centre; the square is the unit cell the point falls in (rounding
  // to the nearest whole unit would pick a square half a square away from
  // the one drawn under the pointer).
  const int file = limita(static_cast<int>(std::floor(mezzoseno[c] * d)) + 4);
  const int rank = limita(static_cast<int>(std::floor(mezzocoseno[c] * d)) + 4);
  return file + 8 * rank;
}
