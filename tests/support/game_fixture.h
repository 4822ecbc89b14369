// A person's move for the game controller written in coordinates, as the
// tests write moves (e2e4, e7e8q with its promotion piece).
#pragma once

#include <string>

#include "game/gamecontroller.h"

namespace zeftest {

inline MoveAttempt playCoord(GameController& c, const std::string& coord) {
  if (coord.size() < 4) return MoveAttempt::illegal;
  const int from = (coord[0] - 'a') + 8 * (coord[1] - '1');
  const int to = (coord[2] - 'a') + 8 * (coord[3] - '1');
  Promotion p = Promotion::none;
  if (coord.size() > 4) {
    switch (coord[4]) {
      case 'n': p = Promotion::knight; break;
      case 'r': p = Promotion::rook; break;
      case 'b': p = Promotion::bishop; break;
      default: p = Promotion::queen; break;
    }
  }
  return c.humanMove(from, to, p);
}

}  // namespace zeftest
