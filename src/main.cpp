#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/commandline.h"
#include "app/headless.h"
#include "app/startup.h"
#include "protocol/winboard.h"
#include "records/debugoutput.h"
#include "records/enginehost.h"
#include "records/verifylog.h"

#ifdef ZEF_HAVE_GUI
#include "ui/app.h"
#endif

namespace {
bool haveDisplay() {
  const char* x = std::getenv("DISPLAY");
  const char* w = std::getenv("WAYLAND_DISPLAY");
  return (x && *x) || (w && *w);
}
}  // namespace

int main(int argc, char** argv) {
  // The engine's questions (settings, book, notation, output) are answered
  // by the layers above it from the start.
  installEngineHost();
  std::vector<std::string> args(argv + 1, argv + argc);
  if (auto code = runCommandLine(args)) return *code;
  bool engine = false;
  for (const std::string& a : args) {
    if (a == "--engine") {
      engine = true;
    } else if (a == "--debug") {
      setDebugOutput(true);  // the engine's remarks on standard output as "# ..." lines
    } else if (a == "--verification-log") {
      askForVerificationLog();
    } else {
      std::fprintf(stderr, "unknown option: %s (see the README for the command line)\n", a.c_str());
      return 2;
    }
  }
  const bool window = !engine && haveDisplay();
#ifdef ZEF_HAVE_GUI
  if (window) {
    // The window stands on the game alone; the program gives it the rest.
    WindowServices services;
    services.start = avviaprogramma;
    services.protocolTick = tickprotocollo;
    services.connectProtocol = [](std::function<void()> hide, std::function<void()> close) {
      ProtocolHooks hooks;
      hooks.onXboard = std::move(hide);
      hooks.onQuit = std::move(close);
      setProtocolHooks(std::move(hooks));
    };
    return eseguifinestra(argc, argv, services);
  }
#else
  if (window) std::fprintf(stderr, "Zefiran_3D: built without the window; serving as a WinBoard engine\n");
#endif
  return eseguimotore(argv[0]);
}
