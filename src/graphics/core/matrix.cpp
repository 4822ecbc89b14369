#include "graphics/core/matrix.h"

#include <cmath>
#include <cstring>
#include <utility>

void multiplyMatrix(const float a[16], const float b[16], float r[16]) {
  float t[16];
  for (int c = 0; c < 4; ++c)
    for (int l = 0; l < 4; ++l) {
      float v = 0.0f;
      for (int k = 0; k < 4; ++k) v += a[k * 4 + l] * b[c * 4 + k];
      t[c * 4 + l] = v;
    }
  std::memcpy(r, t, sizeof t);
}

bool invertMatrix(const float m[16], double inv[16]) {
  // Gauss-Jordan elimination with partial pivoting on [m | I], in lines and
  // columns of the mathematical matrix (a[l][c] = m[c * 4 + l]).
  double a[4][8];
  for (int l = 0; l < 4; ++l)
    for (int c = 0; c < 4; ++c) {
      a[l][c] = m[c * 4 + l];
      a[l][c + 4] = l == c ? 1.0 : 0.0;
    }
  for (int c = 0; c < 4; ++c) {
    int perno = c;
    for (int l = c + 1; l < 4; ++l)
      if (std::fabs(a[l][c]) > std::fabs(a[perno][c])) perno = l;
    if (std::fabs(a[perno][c]) < 1e-12) return false;
    if (perno != c)
      for (int k = 0; k < 8; ++k) std::swap(a[c][k], a[perno][k]);
    const double d = a[c][c];
    for (int k = 0; k < 8; ++k) a[c][k] /= d;
    for (int l = 0; l < 4; ++l) {
      if (l == c || a[l][c] == 0.0) continue;
      const double f = a[l][c];
      for (int k = 0; k < 8; ++k) a[l][k] -= f * a[c][k];
    }
  }
  for (int l = 0; l < 4; ++l)
    for (int c = 0; c < 4; ++c) inv[c * 4 + l] = a[l][c + 4];
  return true;
}

void transformPoint(const double m[16], const double in[4], double out[4]) {
  double t[4];
  for (int l = 0; l < 4; ++l) t[l] = m[l] * in[0] + m[4 + l] * in[1] + m[8 + l] * in[2] + m[12 + l] * in[3];
  std::memcpy(out, t, sizeof t);
}

void transformPoint(const float m[16], const float in[4], float out[4]) {
  float t[4];
  for (int l = 0; l < 4; ++l) t[l] = m[l] * in[0] + m[4 + l] * in[1] + m[8 + l] * in[2] + m[12 + l] * in[3];
  std::memcpy(out, t, sizeof t);
}
