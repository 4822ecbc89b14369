#include "app/reviewcommand.h"

#include <chrono>
#include <cstdio>
#include <optional>

#include "app/replacingfile.h"
#include "engine/engine.h"
#include "game/gamecontroller.h"
#include "game/gamefiles.h"
#include "game/review.h"
#include "records/pgnfen.h"
#include "settings/language.h"
#include "text/Textrout.h"

namespace {

constexpr const char* USAGE = "usage: Zefiran3D --review GAMES.pgn [--movetime MS] [--out FILE]   (MS 100 to 5000)";

int usage() {
  std::fprintf(stderr, "%s\n", USAGE);
  return 2;
}

// "3 ?!, 1 ?, 0 ??": the marks the review gave the game's moves.
std::string markCounts(const std::vector<MoveMark>& marks) {
  int counts[4] = {};
  for (MoveMark m : marks) ++counts[static_cast<int>(m)];
  return std::to_string(counts[static_cast<int>(MoveMark::dubious)]) + " ?!, " +
         std::to_string(counts[static_cast<int>(MoveMark::mistake)]) + " ?, " +
         std::to_string(counts[static_cast<int>(MoveMark::blunder)]) + " ??";
}

}  // namespace

int reviewCommand(const std::vector<std::string>& args) {
  if (args.size() < 2) return usage();
  int movetime = REVIEW_TIME_MS;
  std::string out;
  for (size_t i = 2; i < args.size(); ++i) {
    if (args[i] == "--movetime" && i + 1 < args.size() && readInteger(args[i + 1], movetime) &&
        movetime >= REVIEW_SHORTEST_MS && movetime <= REVIEW_LONGEST_MS) {
      ++i;
    } else if (args[i] == "--out" && i + 1 < args.size()) {
      out = args[++i];
    } else {
      return usage();
    }
  }
  initialiseEngine(0);
  caricalinguainterna();
  std::string errore;
  if (!aprifilepgn(args[1], errore)) {
    std::fprintf(stderr, "%s\n", errore.c_str());
    return 2;
  }
  GameController& session = controllore();
  const std::vector<std::string> index = indicepartite;
  std::optional<ReplacingFile> file;
  if (!out.empty()) file.emplace(out);
  size_t stopped = 0, written = 0;
  for (size_t i = 0; i < index.size(); ++i) {
    const auto began = std::chrono::steady_clock::now();
    std::string report;
    const bool loaded = session.loadGame(rigadiindice(index[i]), report);
    std::string progress = "review " + std::to_string(i + 1) + "/" + std::to_string(index.size()) + " " + index[i];
    if (!report.empty()) ++stopped;
    if (!loaded) {
      std::fprintf(stderr, "%s: not reviewed, %s\n", progress.c_str(), report.c_str());
      continue;
    }
    GameReview review;
    if (review.start(session, movetime))
      while (review.step(session)) {}
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    char took[32];
    std::snprintf(took, sizeof took, "%.1f s", seconds);
    progress += ": " + std::to_string(session.recordedMoves()) + " half-moves, " + markCounts(review.marks()) + ", " +
                took + (report.empty() ? std::string() : ", " + report);
    std::fprintf(stderr, "%s\n", progress.c_str());
    std::fflush(stderr);
    // Games are apart by a blank line, as in any PGN file.
    std::string game = written ? "\r\n" : "";
    for (const std::string& line : righepgn()) game += line + "\r\n";
    ++written;
    if (file) {
      file->write(game);
    } else {
      std::fputs(game.c_str(), stdout);
      std::fflush(stdout);
    }
  }
  if (file && !file->commit(errore)) {
    std::fprintf(stderr, "%s\n", errore.c_str());
    return 2;
  }
  return stopped ? 1 : 0;
}
