#include "app/commandline.h"
#include "app/recordcommands.h"

#include <cstdio>
#include <iostream>

#include "engine/engine.h"
#include "engine/position/fen.h"
#include "engine/position/game.h"
#include "engine/position/makemove.h"
#include "engine/position/movegen.h"
#include "engine/position/geometry.h"
#include "engine/position/perft.h"
#include "engine/position/position.h"
#include "records/Textrout.h"
#include "records/notation.h"

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
  impostafen(fen, true);
  ply = 1;
  const int n = generamosse(false);
  std::vector<uint32_t> moves(listamosse[1] + 1, listamosse[1] + 1 + n);
  auto coord = [](uint32_t m) {
    std::string c;
    c += static_cast<char>('a' + (mvFrom(m) & 7));
    c += static_cast<char>('1' + (mvFrom(m) >> 3));
    c += static_cast<char>('a' + (mvTo(m) & 7));
    c += static_cast<char>('1' + (mvTo(m) >> 3));
    if (m & MV_PROMO_Q) c += 'q';
    if (m & MV_PROMO_N) c += 'n';
    if (m & MV_PROMO_R) c += 'r';
    if (m & MV_PROMO_B) c += 'b';
    return c;
  };
  for (uint32_t m : moves) {
    if (!m) continue;
    ply = 1;
    if (!eseguimossa(m, 32100)) continue;
    const std::string san = scrivisan(m & MV_MOVE, 0);
    const uint32_t back = leggisan(san);
    std::printf("%s %s %s\n", coord(m).c_str(), san.c_str(), back == SAN_INVALID ? "-" : coord(back).c_str());
  }
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
  return std::nullopt;
}
