#include "app/headless.h"

#include <poll.h>

#include <chrono>
#include <csignal>

#include "app/startup.h"
#include "engine/search/clock.h"
#include "engine/toolkit.h"
#include "protocol/winboard.h"
#include "records/verifylog.h"

namespace {

using Clock = std::chrono::steady_clock;

// Inside a search, the message pump runs the tick every 20 ms, so that the
// protocol keeps reading (and "quit" stops the search at once).
class HeadlessToolkit : public Toolkit {
 public:
  Clock::time_point lastTick = Clock::now();
  void pumpMessages() override {
    const auto now = Clock::now();
    if (now - lastTick < std::chrono::milliseconds(20)) return;
    lastTick = now;
    sampleClock();
    tickprotocollo();
  }
};

}  // namespace

int eseguimotore(const char* argv0) {
  // A front end that goes away must not kill the engine in the middle of a write.
  std::signal(SIGPIPE, SIG_IGN);
  avviaprogramma(argv0);
  HeadlessToolkit tk;
  setToolkit(&tk);
  setStdinPolicy(true);
  while (!protocolQuit()) {
    pollfd pfd{0, POLLIN, 0};
    poll(&pfd, 1, 20);
    tk.lastTick = Clock::now();
    sampleClock();
    tickprotocollo();
  }
  setToolkit(nullptr);
  if (const std::string log = verificationLogFile(); !log.empty()) scriviverifica(log);
  return 0;
}
