#include "support/engine_fixture.h"

#include "engine/engine.h"
#include "engine/position/fen.h"

namespace zeftest {

void (*hostInstaller)() = nullptr;

void initialiseEngineOnce() {
  static bool done = false;
  if (done) return;
  done = true;
  if (hostInstaller) hostInstaller();
  initialiseEngine(0);
}

void setUp(const std::string& fen) { impostafen(fen, true); }

int sq(const char* name) { return (name[0] - 'a') + 8 * (name[1] - '1'); }

}  // namespace zeftest

#include "engine/position/makemove.h"
#include "engine/position/movegen.h"

namespace zeftest {

std::vector<uint32_t> rootMoves() {
  ply = 1;
  uint8_t savedMode = perftmode;
  perftmode = 1;
  int n = generamosse(false);
  perftmode = savedMode;
  return std::vector<uint32_t>(listamosse[1] + 1, listamosse[1] + 1 + n);
}

uint32_t findMove(const std::string& coord) {
  if (coord.size() < 4) return 0;
  int from = sq(coord.c_str()), to = sq(coord.c_str() + 2);
  uint32_t promo = 0;
  if (coord.size() > 4) {
    switch (coord[4]) {
      case 'q': promo = MV_PROMO_Q; break;
      case 'n': promo = MV_PROMO_N; break;
      case 'r': promo = MV_PROMO_R; break;
      case 'b': promo = MV_PROMO_B; break;
      default: break;
    }
  }
  for (uint32_t m : rootMoves())
    if (mvFrom(m) == from && mvTo(m) == to && (m & MV_PROMOS) == promo) return m;
  return 0;
}

std::string coord(uint32_t move) {
  auto square = [](int s) { return std::string{static_cast<char>('a' + s % 8), static_cast<char>('1' + s / 8)}; };
  std::string text = square(mvFrom(move)) + square(mvTo(move));
  if (move & MV_PROMO_Q) text += 'q';
  if (move & MV_PROMO_N) text += 'n';
  if (move & MV_PROMO_R) text += 'r';
  if (move & MV_PROMO_B) text += 'b';
  return text;
}

bool makeRoot(const std::string& coord, int bound) {
  uint32_t m = findMove(coord);
  if (!m) return false;
  ply = 1;
  return eseguimossa(m, bound);
}

}  // namespace zeftest

#include <gtest/gtest.h>
#include <unistd.h>

namespace zeftest {
std::string tempPath(const std::string& name) {
  return ::testing::TempDir() + "zef" + std::to_string(getpid()) + "_" + name;
}
}  // namespace zeftest
