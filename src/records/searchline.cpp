#include "records/searchline.h"

#include <vector>

#include "engine/position/perft.h"
#include "records/notation.h"

std::string rigaricerca(const Iteration& it) {
  std::string punti = std::to_string(it.score);
  if (punti.size() < 4) punti.insert(0, 4 - punti.size(), ' ');
  std::string riga =
      "[" + std::to_string(it.depth) + "] " + punti + " " + tempotesto(static_cast<int32_t>(it.elapsedMs)) + " ";
  if (!it.best) return riga;
  riga += scrivisan(it.best, 0);
  // Move k of the line was made from record k + 1 (the best move from record 0).
  const std::vector<uint32_t> linea = principalVariation(it.best, it.depth + 3);
  for (size_t k = 0; k < linea.size(); ++k) {
    riga += ' ';
    riga += scrivisan(linea[k], static_cast<int>(k) + 1);
  }
  return riga;
}
