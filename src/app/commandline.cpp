#include "app/commandline.h"

#include <cstdio>
#include <iostream>

#include "app/recordcommands.h"
#include "app/reviewcommand.h"
#include "app/settingscommand.h"
#include "engine/engine.h"
#include "engine/position/fen.h"
#include "engine/position/game.h"
#include "engine/position/geometry.h"
#include "engine/position/makemove.h"
#include "engine/position/movegen.h"
#include "engine/position/perft.h"
#include "engine/position/position.h"
#include "engine/search/clock.h"
#include "engine/search/driver.h"
#include "engine/search/searchstate.h"
#include "engine/toolkit.h"
#include "game/game.h"
#include "game/testsuites.h"
#include "records/coordinates.h"
#include "records/notation.h"
#include "settings/folders.h"
#include "settings/language.h"
#include "text/Textrout.h"

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
  if (args.size() < 2 || !readInteger(args[1], depth) || depth < 1 || depth > 9)
    return usage("usage: Zefiran3D --perft DEPTH [FEN]   (DEPTH 1 to 9)");
  const std::string fen = args.size() > 2 ? joined(args, 2) : std::string(STARTFEN);
  // The check test of the position needs the engine's geometry tables.
  initialiseEngine(0);
  if (args.size() > 2) {
    std::string problem = fenProblem(fen);
    if (!problem.empty()) {
      std::fprintf(stderr, "bad FEN: %s\n", problem.c_str());
      return 2;
    }
  }
  game::setUp(fen);
  loopperft(depth, [](const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
  });
  return 0;
}

// Every legal move of a position as "coordinate SAN read-back": the SAN our
// writer gives and the coordinate move our reader takes it back to.
// With "-" the FENs come from standard input, one per line, and each
// position's list ends with an empty line.
int legalSan(const std::string& fen);

int legalSanCommand(const std::vector<std::string>& args) {
  initialiseEngine(0);
  if (args.size() == 2 && args[1] == "-") {
    std::string line;
    int status = 0;
    while (std::getline(std::cin, line)) {
      if (trimspazi(line).empty()) continue;
      status |= legalSan(line);
      std::printf("\n");
      std::fflush(stdout);
    }
    return status;
  }
  return legalSan(joined(args, 1));
}

int legalSan(const std::string& fen) {
  std::string problem = fenProblem(fen);
  if (!problem.empty()) {
    std::fprintf(stderr, "bad FEN: %s\n", problem.c_str());
    return 2;
  }
  game::setUp(fen);
  ply = 1;
  const int n = generamosse(false);
  std::vector<uint32_t> moves(listamosse[1] + 1, listamosse[1] + 1 + n);
  for (uint32_t m : moves) {
    if (!m) continue;
    ply = 1;
    if (!eseguimossa(m, 32100)) continue;
    const std::string san = scrivisan(m & MV_MOVE, 0);
    const uint32_t back = leggisan(san);
    std::printf("%s %s %s\n", coordinata(m).c_str(), san.c_str(), back == SAN_INVALID ? "-" : coordinata(back).c_str());
  }
  return 0;
}

// --search FEN (--depth N | --movetime MS): one line per iteration, then the move.
int searchCommand(const std::vector<std::string>& args) {
  size_t i = 1;
  std::vector<std::string> fenParts;
  while (i < args.size() && args[i].rfind("--", 0) != 0) fenParts.push_back(args[i++]);
  int depth = 0, movetime = 0;
  for (; i < args.size(); ++i) {
    if (args[i] == "--depth" && i + 1 < args.size() && readInteger(args[i + 1], depth) && depth >= 1 && depth <= 49) {
      ++i;
    } else if (args[i] == "--movetime" && i + 1 < args.size() && readInteger(args[i + 1], movetime) && movetime >= 1) {
      ++i;
    } else {
      return usage("usage: Zefiran3D --search FEN (--depth N | --movetime MS)   (N 1 to 49, MS at least 1)");
    }
  }
  if ((depth > 0) == (movetime > 0) || fenParts.empty())
    return usage("usage: Zefiran3D --search FEN (--depth N | --movetime MS)   (N 1 to 49, MS at least 1)");
  const std::string fen = joined(fenParts, 0);
  // The check test of the position needs the engine's geometry tables.
  initialiseEngine(0);
  const std::string problem = fenProblem(fen);
  if (!problem.empty()) {
    std::fprintf(stderr, "bad FEN: %s\n", problem.c_str());
    return 2;
  }
  game::setUp(fen);
  SearchLimits limits;
  if (depth > 0) {
    limits.targetDepth = depth < 3 ? 3 : depth;
    searchDeadline = 0x7fffffff;
  } else {
    searchDeadline = movetime;
  }
  moveStart = adesso();
  clockNow = moveStart;
  const uint32_t best = iterativeDeepening(limits, [](const Iteration& it) {
    char head[128];
    std::snprintf(head, sizeof head, "depth %d score %d time %u nodes %lld pv ", it.depth, it.score, it.elapsedMs,
                  static_cast<long long>(it.nodes));
    std::string line = head;
    line += it.best ? coordinata(it.best) : std::string("-");
    for (uint32_t m : principalVariation(it.best, it.depth - 1)) {
      line += ' ';
      line += coordinata(m);
    }
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
  });
  std::printf("bestmove %s\n", best ? coordinata(best).c_str() : "(none)");
  return 0;
}

// --epd FILE.epd [--movetime MS] and --speed FILE.tst: the test runs with
// their log on standard output (and in the state folder's debug.txt).
int testRunCommand(const std::vector<std::string>& args) {
  const bool epd = args[0] == "--epd";
  int movetime = 5000;
  if (args.size() < 2)
    return usage(epd ? "usage: Zefiran3D --epd FILE.epd [--movetime MS]" : "usage: Zefiran3D --speed FILE.tst");
  if (epd && args.size() > 2) {
    if (args.size() != 4 || args[2] != "--movetime" || !readInteger(args[3], movetime) || movetime < 1)
      return usage("usage: Zefiran3D --epd FILE.epd [--movetime MS]");
  } else if (!epd && args.size() > 2) {
    return usage("usage: Zefiran3D --speed FILE.tst");
  }
  initialiseEngine(0);
  setUpFolders(nullptr);
  caricalinguainterna();
  setDebugEcho([](const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
  });
  if (epd) {
    const EpdOutcome r = eseguiepd(args[1], movetime, {});
    if (!r.opened) return 2;
    std::printf("solved %d of %d\n", r.correct, r.positions);
    return 0;
  }
  std::string why;
  const int n = eseguispeed(args[1], {}, &why);
  if (n < 0) {
    std::fprintf(stderr, "%s\n", why.c_str());
    return 2;
  }
  std::printf("searched %d positions\n", n);
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
  if (cmd == "--legal-san") return legalSanCommand(args);
  if (cmd == "--build-book") return buildBookCommand(args);
  if (cmd == "--pgn-check") return pgnCheckCommand(args);
  if (cmd == "--pgn-copy") return pgnCopyCommand(args);
  if (cmd == "--review") return reviewCommand(args);
  if (cmd == "--search") return searchCommand(args);
  if (cmd == "--epd" || cmd == "--speed") return testRunCommand(args);
  if (cmd == "--save-settings") return saveSettingsCommand(args);
  return std::nullopt;
}
