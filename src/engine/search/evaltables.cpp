#include "engine/search/evaltables.h"

#include "engine/toolkit.h"

using namespace evaltables;

int16_t knightWhiteMiddle[64];
int16_t knightBlackMiddle[64];
int16_t knightEnd[64];
int16_t bishopWhiteMiddle[64];
int16_t bishopBlackMiddle[64];
int16_t bishopEnd[64];
int evalNoise = 0;

namespace {

void copyTo(int16_t (&dst)[64], const Table& src) {
  for (int i = 0; i < 64; ++i) dst[i] = src[i];
}

// R div 2 - random(R): for R = 3 one of +1, 0, -1.
int16_t offset(int noise) { return static_cast<int16_t>(noise > 0 ? noise / 2 - casuale(noise) : 0); }

int sq(const char* n) { return (n[0] - 'a') + 8 * (n[1] - '1'); }

}  // namespace

void buildEvalTables(int noise) {
  evalNoise = noise;
  copyTo(knightWhiteMiddle, knightWhiteMiddleBase);
  copyTo(knightBlackMiddle, knightBlackMiddleBase);
  copyTo(knightEnd, knightEndBase);
  copyTo(bishopWhiteMiddle, bishopWhiteMiddleBase);
  copyTo(bishopBlackMiddle, mirrored(bishopWhiteMiddleBase));
  copyTo(bishopEnd, bishopEndBase);
  if (noise <= 0) return;
  for (const char* n : {"d2", "e2", "c4", "f4"}) bishopWhiteMiddle[sq(n)] += offset(noise);
  for (const char* n : {"d7", "e7", "c5", "f5"}) bishopBlackMiddle[sq(n)] += offset(noise);
  for (int s = 0; s < 64; ++s) {
    if (!centreblock[s]) continue;
    bishopEnd[s] += offset(noise);
    knightWhiteMiddle[s] += offset(noise);
    knightBlackMiddle[s] += offset(noise);
  }
}
