#include "graphics/core/scene.h"

#include <cmath>
#include <cstring>

#include "graphics/core/angles.h"
#include "graphics/core/matrix.h"

float rotazione = 270.0f;
float elevazione = 60.0f;
float distanza = 11.5f;
float scostamento = 0.0f;
int32_t vista = VISTA_3D;
int32_t casellasotto = -1;
int32_t casellascelta = -1;
DraggedPiece draggedPiece;
uint8_t ridisegna = 0;
int32_t facce = 0;
CoordTex coloripezzi[9];

void riempicoloripezzi() {
  coloripezzi[0] = {0.0f, 0.0f};
  for (int n = 1; n <= 8; ++n) {
    const float quarto = static_cast<float>(((n - 1) % 4) + 1);
    coloripezzi[n].s = (quarto * 0.25f + 4.9f) / 7.0f;
    coloripezzi[n].t = n <= 4 ? 0.6f : 0.8f;
  }
}

void vistapiatta() {
  elevazione = 90.0f;
  distanza = 11.0f;
  rotazione = 270.0f;
  scostamento = 0.0f;
}

void vista3d() {
  elevazione = 60.0f;
  distanza = 11.5f;
  rotazione = 270.0f;
  scostamento = 0.0f;
}

void ruota180() {
  rotazione += 180.0f;
  if (rotazione > 360.0f) rotazione -= 360.0f;
  ridisegna = 1;
}

namespace {

void identita(float m[16]) {
  std::memset(m, 0, 16 * sizeof(float));
  m[0] = m[5] = m[10] = m[15] = 1.0f;
}

void ruota(float m[16], float gradi, int asse) {
  const double a = gradi * 3.14159265358979323846 / 180.0;
  const float c = static_cast<float>(std::cos(a));
  const float s = static_cast<float>(std::sin(a));
  float r[16];
  identita(r);
  if (asse == 1) {  // y
    r[0] = c;
    r[8] = s;
    r[2] = -s;
    r[10] = c;
  } else {  // z
    r[0] = c;
    r[4] = -s;
    r[1] = s;
    r[5] = c;
  }
  multiplyMatrix(m, r, m);
}

void trasla(float m[16], float x, float y, float z) {
  float t[16];
  identita(t);
  t[12] = x;
  t[13] = y;
  t[14] = z;
  multiplyMatrix(m, t, m);
}

}  // namespace

void cameraMatrix(float m[16]) {
  identita(m);
  ruota(m, 90.0f, 1);
  trasla(m, distanza, scostamento, 0.0f);
  ruota(m, elevazione, 2);
  ruota(m, rotazione, 1);
  const float k = (90.0f - elevazione) / 90.0f;
  int r = static_cast<int>(rotazione);
  if (r < 0) r = 0;
  if (r > 360) r = 360;
  trasla(m, 4.0f * mezzocoseno[r] * k, 0.0f, 4.0f * mezzoseno[r] * k);
}

void projectionMatrix(int w, int h, float m[16]) {
  const double aspetto = h > 0 ? static_cast<double>(w) / h : 1.0;
  const double f = 1.0 / std::tan(45.0 * 3.14159265358979323846 / 360.0);
  const double vicino = 0.3, lontano = 300.0;
  std::memset(m, 0, 16 * sizeof(float));
  m[0] = static_cast<float>(f / aspetto);
  m[5] = static_cast<float>(f);
  m[10] = static_cast<float>((lontano + vicino) / (vicino - lontano));
  m[11] = -1.0f;
  m[14] = static_cast<float>(2.0 * lontano * vicino / (vicino - lontano));
}

bool projectPoint(float x, float y, float z, int w, int h, float& px, float& py) {
  float mv[16], pr[16], mvp[16];
  cameraMatrix(mv);
  projectionMatrix(w, h, pr);
  multiplyMatrix(pr, mv, mvp);
  const float v[4] = {x, y, z, 1.0f};
  float c[4];
  transformPoint(mvp, v, c);
  if (c[3] <= 0.0f) return false;
  px = (c[0] / c[3] + 1.0f) * 0.5f * static_cast<float>(w);
  py = (1.0f - c[1] / c[3]) * 0.5f * static_cast<float>(h);
  return true;
}
