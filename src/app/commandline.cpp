#include "app/commandline.h"

#include <cstdio>

#include "engine/engine.h"
#include "engine/position/geometry.h"

std::optional<int> runCommandLine(const std::vector<std::string>& args) {
  if (args.empty()) return std::nullopt;
  const std::string& cmd = args[0];
  if (cmd == "--perpic") {
    geometria();
    if (!scriviperpic("perpic.txt")) {
      std::fprintf(stderr, "cannot write perpic.txt\n");
      return 1;
    }
    return 0;
  }
  return std::nullopt;
}
