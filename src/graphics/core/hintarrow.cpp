#include "graphics/core/hintarrow.h"

#include <cmath>

#include "graphics/core/squaremarks.h"

bool arrowOutline(const HintArrow& arrow, ArrowOutline& out) {
  if (!arrow.shown()) return false;
  const float x0 = squareCentreX(arrow.from), z0 = squareCentreZ(arrow.from);
  const float x1 = squareCentreX(arrow.to), z1 = squareCentreZ(arrow.to);
  const float length = std::hypot(x1 - x0, z1 - z0);
  // Along the arrow (ux, uz) and to its left (lx, lz), seen from its tail.
  const float ux = (x1 - x0) / length, uz = (z1 - z0) / length;
  const float lx = uz, lz = -ux;
  const float tailX = x0 + ux * ARROW_TAIL_GAP, tailZ = z0 + uz * ARROW_TAIL_GAP;
  const float baseX = x1 - ux * ARROW_HEAD_LENGTH, baseZ = z1 - uz * ARROW_HEAD_LENGTH;
  const float shaft = ARROW_SHAFT_WIDTH / 2, head = ARROW_HEAD_WIDTH / 2;
  const float sx[4] = {tailX + lx * shaft, baseX + lx * shaft, baseX - lx * shaft, tailX - lx * shaft};
  const float sz[4] = {tailZ + lz * shaft, baseZ + lz * shaft, baseZ - lz * shaft, tailZ - lz * shaft};
  const float hx[3] = {baseX + lx * head, x1, baseX - lx * head};
  const float hz[3] = {baseZ + lz * head, z1, baseZ - lz * head};
  for (int i = 0; i < 4; ++i) {
    out.shaftX[i] = sx[i];
    out.shaftZ[i] = sz[i];
  }
  for (int i = 0; i < 3; ++i) {
    out.headX[i] = hx[i];
    out.headZ[i] = hz[i];
  }
  return true;
}
