#include "graphics/core/steering.h"

#include <algorithm>

#include "graphics/core/scene.h"

namespace {

constexpr double MS_AL_GIORNO = 86400000.0;
constexpr double NESSUN_MOMENTO = -1.0;

// Moment of the last tick that moved the camera; none while no key is held.
double ultimomomento = NESSUN_MOMENTO;

}  // namespace

bool turnCamera(float gradi) {
  if (gradi == 0.0f) return false;
  float r = rotazione + gradi;
  while (r > 360.0f) r -= 360.0f;
  while (r < 0.0f) r += 360.0f;
  rotazione = r;
  ridisegna = 1;
  return true;
}

bool tiltCamera(float gradi) {
  const float e = std::clamp(elevazione + gradi, ELEVAZIONE_MINIMA, ELEVAZIONE_MASSIMA);
  if (e == elevazione) return false;
  elevazione = e;
  ridisegna = 1;
  return true;
}

bool moveCameraAway(float unita) {
  const float d = std::clamp(distanza + unita, DISTANZA_MINIMA, DISTANZA_MASSIMA);
  if (d == distanza) return false;
  distanza = d;
  ridisegna = 1;
  return true;
}

bool muovicamera(const uint8_t* tasti, double momento) {
  const bool solido = vista == VISTA_3D;
  const int giro = solido ? (tasti[TASTO_SINISTRA] ? 1 : 0) - (tasti[TASTO_DESTRA] ? 1 : 0) : 0;
  const int alza = solido ? (tasti[TASTO_SU] ? 1 : 0) - (tasti[TASTO_GIU] ? 1 : 0) : 0;
  const int allontana = (tasti[TASTO_A] ? 1 : 0) - (tasti[TASTO_Z] ? 1 : 0);
  const bool premuto =
      (solido && (tasti[TASTO_SINISTRA] || tasti[TASTO_DESTRA] || tasti[TASTO_SU] || tasti[TASTO_GIU])) ||
      tasti[TASTO_A] || tasti[TASTO_Z];
  if (!premuto) {
    ultimomomento = NESSUN_MOMENTO;
    return false;
  }
  double ms = ultimomomento == NESSUN_MOMENTO ? PASSO_TICK_MS : (momento - ultimomomento) * MS_AL_GIORNO;
  // A clock that went back (midnight, or a clock set by hand) counts as one tick.
  if (ms < 0.0) ms = PASSO_TICK_MS;
  ms = std::min(ms, PASSO_MASSIMO_MS);
  ultimomomento = momento;
  const float secondi = static_cast<float>(ms / 1000.0);
  turnCamera(static_cast<float>(giro) * GIRO_AL_SECONDO * secondi);
  tiltCamera(static_cast<float>(alza) * INCLINAZIONE_AL_SECONDO * secondi);
  moveCameraAway(static_cast<float>(allontana) * ZOOM_AL_SECONDO * secondi);
  return true;
}

bool orbitCamera(int dx, int dy) {
  if (vista != VISTA_3D) return false;
  const bool girata = turnCamera(static_cast<float>(dx) * GRADI_PER_PIXEL);
  const bool inclinata = tiltCamera(static_cast<float>(dy) * GRADI_PER_PIXEL);
  return girata || inclinata;
}

bool zoomCamera(int ottavi) {
  return moveCameraAway(-static_cast<float>(ottavi) / OTTAVI_PER_SCATTO * DISTANZA_PER_SCATTO);
}
