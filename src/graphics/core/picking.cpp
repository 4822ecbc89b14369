#include "graphics/core/picking.h"

#include <cmath>

#include "graphics/core/matrix.h"
#include "graphics/core/piecepicking.h"
#include "graphics/core/scene.h"

namespace {

// A board point of the cast ray: normalised device coordinates (nx, ny) at
// depth nz (-1 near plane, 1 far plane) taken back to board units.
bool indietro(const double inversa[16], double nx, double ny, double nz, double p[3]) {
  const double d[4] = {nx, ny, nz, 1.0};
  double r[4];
  transformPoint(inversa, d, r);
  if (std::fabs(r[3]) < 1e-12) return false;
  for (int k = 0; k < 3; ++k) p[k] = r[k] / r[3];
  return true;
}

}  // namespace

bool boardPoint(const float proiezione[16], const float camera[16], float x, float y, int w, int h, float& bx,
                float& bz) {
  if (w <= 0 || h <= 0) return false;
  float mvp[16];
  multiplyMatrix(proiezione, camera, mvp);
  double inversa[16];
  if (!invertMatrix(mvp, inversa)) return false;
  const double nx = 2.0 * x / w - 1.0;
  const double ny = 1.0 - 2.0 * y / h;
  double vicino[3], lontano[3];
  if (!indietro(inversa, nx, ny, -1.0, vicino) || !indietro(inversa, nx, ny, 1.0, lontano)) return false;
  const double dy = lontano[1] - vicino[1];
  if (std::fabs(dy) < 1e-12) return false;  // a ray parallel to the board
  const double t = (PIANO_TAVOLA - vicino[1]) / dy;
  // Only the stretch between the clipping planes is drawn.
  if (t < 0.0 || t > 1.0) return false;
  bx = static_cast<float>(vicino[0] + t * (lontano[0] - vicino[0]));
  bz = static_cast<float>(vicino[2] + t * (lontano[2] - vicino[2]));
  return true;
}

int squareAtBoardPoint(float bx, float bz) {
  // File a spans x -4..-3 and rank 1 spans z 4..3, as the squares are drawn.
  const float f = std::floor(bx + 4.0f), r = std::floor(4.0f - bz);
  if (!(f >= 0.0f && f <= 7.0f && r >= 0.0f && r <= 7.0f)) return NESSUNA_CASELLA;
  return static_cast<int>(f) + 8 * static_cast<int>(r);
}

int squareOnRay(const float proiezione[16], const float camera[16], float x, float y, int w, int h) {
  float bx = 0.0f, bz = 0.0f;
  if (!boardPoint(proiezione, camera, x, y, w, h, bx, bz)) return NESSUNA_CASELLA;
  return squareAtBoardPoint(bx, bz);
}

int casellapunto(int x, int y, int w, int h) {
  float pr[16], mv[16];
  projectionMatrix(w, h, pr);
  cameraMatrix(mv);
  const float px = static_cast<float>(x) + 0.5f, py = static_cast<float>(y) + 0.5f;
  // A piece stands in front of the board behind it: its body is met first.
  const int piece = pieceOnRay(posizioni[0], pr, mv, px, py, w, h);
  if (piece >= 0) return piece;
  return squareOnRay(pr, mv, px, py, w, h);
}
