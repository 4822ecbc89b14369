#include "support/engine_fixture.h"

#include "engine/engine.h"
#include "engine/position/fen.h"

namespace zeftest {

void initialiseEngineOnce() {
  static bool done = false;
  if (done) return;
  done = true;
  initialiseEngine(0);
}

void setUp(const std::string& fen) { impostafen(fen, true); }

int sq(const char* name) { return (name[0] - 'a') + 8 * (name[1] - '1'); }

}  // namespace zeftest
