#include "graphics/core/boardmarks.h"

#include <cmath>

#include "graphics/core/scene.h"

void altoschermo(float& ux, float& uz) {
  float m[16];
  cameraMatrix(m);
  // The screen's y of a board direction d is m[1] dx + m[5] dy + m[9] dz:
  // (m[1], m[9]) is the board-plane direction that rises fastest. It has a
  // length of at least the sine of the lowest elevation.
  const float x = m[1], z = m[9];
  const float l = std::sqrt(x * x + z * z);
  if (!(l > 1e-6f)) {
    ux = 0.0f;
    uz = -1.0f;
    return;
  }
  ux = x / l;
  uz = z / l;
}

namespace {

void poni(Etichetta& e, int glifo, float cx, float cz, float ux, float uz) {
  // The viewer's right is up turned a quarter clockwise seen from above.
  const float rx = -uz, rz = ux;
  const float h = MEZZA_ETICHETTA;
  const float a[4] = {-1, 1, 1, -1};  // along right
  const float b[4] = {-1, -1, 1, 1};  // along up
  e.glifo = glifo;
  for (int k = 0; k < 4; ++k) {
    e.x[k] = cx + h * (a[k] * rx + b[k] * ux);
    e.z[k] = cz + h * (a[k] * rz + b[k] * uz);
  }
}

}  // namespace

void frameLabels(Etichetta out[ETICHETTE]) {
  float ux = 0.0f, uz = -1.0f;
  altoschermo(ux, uz);
  int n = 0;
  for (int i = 0; i < 8; ++i) {
    const float centro = static_cast<float>(i) - 3.5f;
    // Letters below rank 1 and above rank 8, digits left of file a and right of file h.
    for (const float lato : {CENTRO_ETICHETTE, -CENTRO_ETICHETTE}) {
      poni(out[n++], i, centro, lato, ux, uz);
      poni(out[n++], GLIFO_CIFRE + i, lato, -centro, ux, uz);
    }
  }
}

int checkedKingSquare(const tposizione& p) {
  if (p.checker == NOSQ) return -1;
  const bool bianco = p.side == WHITE;
  const int re = bianco ? p.whiteking : p.blackking;
  // A set-up position may lack the king its checker byte speaks of.
  if (re > 63 || p.board[re] != (bianco ? KING : -KING)) return -1;
  return re;
}

void labelColour(const Skin& s, float rgb[3]) {
  // The average of the frame tile (the first seventh of the width).
  double somma = 0.0;
  long n = 0;
  const int larghezza = s.width / 7;
  for (int y = 0; y < s.height; ++y)
    for (int x = 0; x < larghezza; ++x) {
      const uint8_t* p = &s.rgb[(static_cast<size_t>(y) * s.width + x) * 3];
      somma += 0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2];
      ++n;
    }
  const double luce = n > 0 ? somma / n / 255.0 : 0.0;
  const float c = luce > 0.5 ? 0.08f : 0.95f;
  rgb[0] = rgb[1] = rgb[2] = c;
}
