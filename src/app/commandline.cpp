#include "app/commandline.h"

#include <cstdio>

#include "engine/engine.h"
#include "engine/position/fen.h"
#include "engine/position/geometry.h"
#include "engine/position/perft.h"
#include "engine/position/position.h"
#include "records/Textrout.h"

namespace {

std::string joined(const std::vector<std::string>& args, size_t from) {
  std::string s;
  for (size_t i = from; i < args.size(); ++i) s += (i > from ? " " : "") + args[i];
  return s;
}

int usage(const char* message) {
  std::fprintf(stderr, "%s\n", message);
  return 2;
}

int perftCommand(const std::vector<std::string>& args) {
  int depth = 0;
  if (args.size() < 2 || !leggiintero(args[1], depth) || depth < 1 || depth > 9)
    return usage("usage: Zefiran3D --perft DEPTH [FEN]   (DEPTH 1 to 9)");
  const std::string fen = args.size() > 2 ? joined(args, 2) : std::string(STARTFEN);
  if (args.size() > 2) {
    std::string problem = fenProblem(fen);
    if (!problem.empty()) {
      std::fprintf(stderr, "bad FEN: %s\n", problem.c_str());
      return 2;
    }
  }
  initialiseEngine(0);
  impostafen(fen, true);
  loopperft(depth, [](const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
  });
  return 0;
}

}  // namespace

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
  if (cmd == "--perft") return perftCommand(args);
  return std::nullopt;
}
