#include "graphics/core/piecepicking.h"

#include <cmath>
#include <limits>

#include "graphics/core/matrix.h"
#include "graphics/core/scene.h"
#include "graphics/core/scenewalk.h"

namespace {

struct Ray {
  double origin[3];
  double direction[3];
};

// The ray from the near plane to the far plane through panel point (x, y).
bool rayThrough(const float proiezione[16], const float camera[16], float x, float y, int w, int h, Ray& ray) {
  if (w <= 0 || h <= 0) return false;
  float mvp[16];
  multiplyMatrix(proiezione, camera, mvp);
  double inverse[16];
  if (!invertMatrix(mvp, inverse)) return false;
  const double nx = 2.0 * x / w - 1.0, ny = 1.0 - 2.0 * y / h;
  double ends[2][3];
  for (int e = 0; e < 2; ++e) {
    const double d[4] = {nx, ny, e == 0 ? -1.0 : 1.0, 1.0};
    double r[4];
    transformPoint(inverse, d, r);
    if (std::fabs(r[3]) < 1e-12) return false;
    for (int k = 0; k < 3; ++k) ends[e][k] = r[k] / r[3];
  }
  for (int k = 0; k < 3; ++k) {
    ray.origin[k] = ends[0][k];
    ray.direction[k] = ends[1][k] - ends[0][k];
  }
  return true;
}

// Where along the ray (0 at the near plane, 1 at the far one) it meets the
// triangle a, b, c, or a negative value when it does not (both faces count).
double meets(const Ray& ray, const double a[3], const double b[3], const double c[3]) {
  double e1[3], e2[3], t[3];
  for (int k = 0; k < 3; ++k) {
    e1[k] = b[k] - a[k];
    e2[k] = c[k] - a[k];
    t[k] = ray.origin[k] - a[k];
  }
  const double* d = ray.direction;
  const double p[3] = {d[1] * e2[2] - d[2] * e2[1], d[2] * e2[0] - d[0] * e2[2], d[0] * e2[1] - d[1] * e2[0]};
  const double det = e1[0] * p[0] + e1[1] * p[1] + e1[2] * p[2];
  if (std::fabs(det) < 1e-15) return -1.0;
  const double u = (t[0] * p[0] + t[1] * p[1] + t[2] * p[2]) / det;
  if (u < 0.0 || u > 1.0) return -1.0;
  const double q[3] = {t[1] * e1[2] - t[2] * e1[1], t[2] * e1[0] - t[0] * e1[2], t[0] * e1[1] - t[1] * e1[0]};
  const double v = (d[0] * q[0] + d[1] * q[1] + d[2] * q[2]) / det;
  if (v < 0.0 || u + v > 1.0) return -1.0;
  return (e2[0] * q[0] + e2[1] * q[1] + e2[2] * q[2]) / det;
}

// A scene sink that meets each piece's quads with the ray and keeps the
// nearest; the squares, frame and plate come before any piece and are left
// to the board's own picking.
class PickSink {
 public:
  explicit PickSink(const Ray& ray) : ray_(ray) {}
  void cullfront(bool) {}
  void begin() { corner_ = 0; }
  void end() {}
  void normal(float, float, float) {}
  void texcoord(float, float) {}
  void piece(int square) { square_ = square; }
  void vertex(float x, float y, float z) {
    if (square_ < 0 || square_ == draggedPiece.square) return;
    double* v = quad_[corner_];
    v[0] = x;
    v[1] = y;
    v[2] = z;
    if (++corner_ < 4) return;
    corner_ = 0;
    for (const double t : {meets(ray_, quad_[0], quad_[1], quad_[2]), meets(ray_, quad_[0], quad_[2], quad_[3])})
      if (t >= 0.0 && t <= 1.0 && t < nearest_) {
        nearest_ = t;
        picked_ = square_;
      }
  }
  int picked() const { return picked_; }

 private:
  const Ray& ray_;
  int square_ = -1;
  int corner_ = 0;
  double quad_[4][3] = {};
  double nearest_ = std::numeric_limits<double>::infinity();
  int picked_ = -1;
};

}  // namespace

int pieceOnRay(const tposizione& pos, const float proiezione[16], const float camera[16], float x, float y, int w,
               int h) {
  Ray ray;
  if (!rayThrough(proiezione, camera, x, y, w, h, ray)) return -1;
  PickSink sink(ray);
  percorriscena(pos, sink);
  return sink.picked();
}
