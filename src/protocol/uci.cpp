#include "protocol/uci.h"

#include <unistd.h>

#include <sstream>
#include <vector>

#include "engine/host.h"
#include "engine/position/fen.h"
#include "engine/position/game.h"
#include "engine/position/makemove.h"
#include "engine/position/movegen.h"
#include "engine/position/position.h"
#include "engine/search/cache.h"
#include "engine/search/clock.h"
#include "engine/search/driver.h"
#include "engine/search/searchstate.h"
#include "engine/toolkit.h"
#include "game/game.h"
#include "protocol/commandwords.h"
#include "protocol/enginelevel.h"
#include "protocol/enginescore.h"
#include "protocol/movetext.h"
#include "protocol/numbers.h"
#include "protocol/session.h"
#include "protocol/ucioptions.h"
#include "records/coordinates.h"
#include "records/debugoutput.h"
#include "text/output.h"

const char* const UCIAUTHOR = "the Zefiran_3D team";

namespace {

// The engine's own diagnostic lines are not UCI: they are shown as "info
// string" under debug output and dropped otherwise, and every other
// question goes to the program's host.
class UciHost : public EngineHost {
 public:
  EngineHost* inner = nullptr;
  void writeLine(const std::string& line) override {
    if (debugOutput()) scrivilinea("info string " + line);
  }
  std::string setting(std::string_view name) override { return inner->setting(name); }
  uint32_t bookMove() override { return inner->bookMove(); }
  std::string moveText(uint32_t move) override { return inner->moveText(move); }
  void verificationLine(const std::string& line) override { inner->verificationLine(line); }
};
UciHost uciHost;
bool hostInstalled = false;

constexpr int32_t NODEADLINE = 0x7fffffff;

std::string goodPosition = "position startpos";  // the last position set up without fault
int64_t nodeLimit = 0;
bool stopRequested = false;
bool superseded = false;  // a later "go" is waiting: an endless search ends
// The longest clock the engine has had since "ucinewgame": the game's time,
// which sets how long its last seconds are (clock.h).
int64_t gameClock = 0;

void info(const std::string& text) { scrivilinea("info string " + text); }

std::vector<std::string> words(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string w; in >> w;) out.push_back(w);
  return out;
}

// Sets up "position ..."; false (with the reason) when the command is faulty,
// after which the game may be half set up.
bool setUpPosition(const std::vector<std::string>& w, std::string& why) {
  size_t i = 1;
  std::string fen;
  if (i < w.size() && w[i] == "startpos") {
    fen = STARTFEN;
    ++i;
  } else if (i < w.size() && w[i] == "fen") {
    for (++i; i < w.size() && w[i] != "moves"; ++i) fen += (fen.empty() ? "" : " ") + w[i];
  } else {
    why = "startpos or fen expected";
    return false;
  }
  if (i < w.size() && w[i] != "moves") {
    why = "moves expected";
    return false;
  }
  std::string problem;
  if (!game::setUp(fen, &problem)) {
    why = "illegal position: " + problem;
    return false;
  }
  for (++i; i < w.size(); ++i) {
    const MoveReading r = readMoveText(w[i]);
    if (!r.move || !game::play(r.move)) {
      why = "illegal move (" + (r.move ? std::string("game record full") : r.reason) + "): " + w[i];
      return false;
    }
  }
  return true;
}

void position(const std::string& line) {
  std::string why;
  if (setUpPosition(words(line), why)) {
    goodPosition = line;
    return;
  }
  info("Error (" + why + "): " + line + "; the position stays as it was");
  std::string ignored;
  setUpPosition(words(goodPosition), ignored);
}

void setOption(const std::string& line) {
  // setoption name NAME [value VALUE]; names may hold blanks.
  const std::vector<std::string> w = words(line);
  std::string name, value;
  size_t i = 1;
  if (i < w.size() && w[i] == "name") ++i;
  for (; i < w.size() && w[i] != "value"; ++i) name += (name.empty() ? "" : " ") + w[i];
  for (++i; i < w.size(); ++i) value += (value.empty() ? "" : " ") + w[i];
  const std::string error = setUciOption(name, value);
  if (!error.empty()) info("Error (" + error + "): " + line);
}

std::string infoLine(const Iteration& it) {
  const int own = fromMoverSide(it.score, game::whiteToMove());
  const int mate = mateInMoves(own);
  const uint32_t ms = it.elapsedMs;
  const long long nps = ms ? static_cast<long long>(it.nodes) * 1000 / ms : 0;
  std::string line = "info depth " + std::to_string(it.depth) + " score " +
                     (mate ? "mate " + std::to_string(mate) : "cp " + std::to_string(own)) + " nodes " +
                     std::to_string(it.nodes) + " nps " + std::to_string(nps) + " time " + std::to_string(ms);
  if (it.best) {
    line += " pv " + coordinata(it.best);
    for (uint32_t m : principalVariation(it.best, it.depth - 1)) line += ' ' + coordinata(m);
  }
  return line;
}

// A legal move of the root, for a search stopped before it chose one.
uint32_t anyLegalMove() {
  ply = 1;
  const int n = generamosse(false);
  for (int i = 1; i <= n; ++i) {
    const uint32_t m = listamosse[1][i] & MV_MOVE;
    ply = 1;
    if (m && eseguimossa(m, 32100)) return m;
  }
  return 0;
}

// The thinking time from the clock, through the engine's own time controls.
int32_t clockAllowance(int64_t remaining, int64_t increment, int64_t movesToGo) {
  const tpartita& g = game::record();
  if (remaining > gameClock) gameClock = remaining;
  // The period ends after movesToGo more moves of the engine.
  const int32_t movesPerControl = movesToGo > 0 ? static_cast<int32_t>(g.count / 2 + movesToGo) : 0;
  const int32_t kind = movesToGo > 0 ? TC_MOVES : increment > 0 ? TC_INCREMENT : TC_GAME;
  game::setTimeControl(static_cast<int32_t>(gameClock), movesPerControl, static_cast<int32_t>(increment), kind,
                       g.tempoFinale);
  int32_t t = allocateTime(static_cast<int32_t>(remaining));
  // Never more than the clock can spare, whatever the increment adds.
  const int64_t spare = remaining - remaining / 8 - 50;
  if (t > spare) t = static_cast<int32_t>(spare);
  return t < 1 ? 1 : t;
}

void go(const std::string& line) {
  const std::vector<std::string> w = words(line);
  const bool white = game::whiteToMove();
  // A clock given as negative (the flag has fallen) is no time left, but still a clock.
  constexpr int64_t NOCLOCK = -MAXCLOCKMS - 1;
  int64_t wtime = NOCLOCK, btime = NOCLOCK, winc = 0, binc = 0, movestogo = 0, movetime = 0, depth = 0, nodes = 0,
          mate = 0;
  bool infinite = false;
  for (size_t i = 1; i < w.size(); ++i) {
    const std::string& k = w[i];
    auto number = [&](int64_t lo, int64_t hi, int64_t& out) {
      if (i + 1 >= w.size() || !boundedInteger(w[i + 1], lo, hi, out)) {
        info("Error (bad number): " + k);
        return;
      }
      ++i;
    };
    if (k == "wtime")
      number(-MAXCLOCKMS, MAXCLOCKMS, wtime);
    else if (k == "btime")
      number(-MAXCLOCKMS, MAXCLOCKMS, btime);
    else if (k == "winc")
      number(0, MAXCLOCKMS / 10, winc);
    else if (k == "binc")
      number(0, MAXCLOCKMS / 10, binc);
    else if (k == "movestogo")
      number(0, 10000, movestogo);
    else if (k == "movetime")
      number(1, MAXCLOCKMS, movetime);
    else if (k == "depth")
      number(1, 49, depth);
    else if (k == "nodes")
      number(1, 0x7fffffff, nodes);
    else if (k == "mate")
      number(1, 24, mate);
    else if (k == "infinite")
      infinite = true;
    // "ponder" is never asked for (not announced); "searchmoves" is not
    // supported: its moves are skipped with it.
  }
  const int64_t own = white ? wtime : btime;
  const bool timed = movetime > 0 || own != NOCLOCK;
  SearchLimits limits;
  limits.timeDivisor = 4;
  if (depth > 0) limits.targetDepth = static_cast<int>(depth < 3 ? 3 : depth);
  if (mate > 0) limits.targetDepth = static_cast<int>(2 * mate + 1 > 49 ? 49 : 2 * mate + 1);
  nodeLimit = nodes;
  const bool bounded = depth > 0 || mate > 0 || nodes > 0;
  // A bare "go" searches until "stop", as with "go infinite".
  if (!timed && !bounded) infinite = true;

  if (infinite || !timed) {
    searchDeadline = NODEADLINE;
  } else if (movetime > 0) {
    searchDeadline = static_cast<int32_t>(movetime - (movetime > 500 ? 50 : movetime / 10));
    if (searchDeadline < 1) searchDeadline = 1;
  } else {
    searchDeadline = clockAllowance(own < 0 ? 0 : own, white ? winc : binc, movestogo);
  }
  stopRequested = false;
  superseded = false;
  moveStart = adesso();
  clockNow = moveStart;
  beginSearch(urgentUci, [](const std::string& l) { return firstWord(l) == "go"; });
  auto post = [](const Iteration& it) {
    if (showIteration()) scrivilinea(infoLine(it));
  };
  uint32_t best = 0;
  if (game::outcome() < 0) {
    info("no legal move: the game is over");
  } else if (infinite || bounded) {
    // The book plays no part when the front end asks for a search.
    best = iterativeDeepening(limits, post);
  } else {
    limits.level = frontEndLevel();
    best = pensamossa(limits, post).move;
  }
  // A search that ends by itself under "infinite" still waits for "stop".
  if (infinite) {
    const game::SearchMark mark(white);
    while (!stopRequested && !superseded && !searchAbandoned()) {
      usleep(5000);
      sampleClock();
      pumpMessages();
    }
  }
  nodeLimit = 0;
  if (searchAbandoned()) return;  // end of input or quit
  // The move must be legal in the position the search was given.
  if (best && !game::isLegal(best)) best = 0;
  if (!best) best = anyLegalMove();
  scrivilinea("bestmove " + (best ? coordinata(best) : std::string("0000")));
}

}  // namespace

bool urgentUci(const std::string& line) {
  const std::string_view w = firstWord(line);
  if (w == "isready") {
    scrivilinea("readyok");
    return true;
  }
  if (w == "stop") {
    stopRequested = true;
    endSearch(false);
    return true;
  }
  if (w == "ponderhit") return true;
  if (w == "quit") endSearch(true);
  // A new "go" while one runs: the running search gives its move now, and
  // the new one starts after it (with whatever follows it in the queue).
  if (w == "go") {
    superseded = true;
    endSearch(false);
  }
  return false;
}

void uciSearchTick() {
  if (nodeLimit > 0 && genCalls >= nodeLimit) endSearch(false);
}

void resetUci() {
  if (hostInstalled) setEngineHost(uciHost.inner);
  hostInstalled = false;
  goodPosition = "position startpos";
  nodeLimit = 0;
  stopRequested = false;
  superseded = false;
  gameClock = 0;
  resetFrontEndLevel();
}

void dispatchUci(const std::string& line) {
  const std::string w(firstWord(line));
  if (w.empty()) return;
  if (w == "uci") {
    if (!hostInstalled) {
      uciHost.inner = &engineHost();
      setEngineHost(&uciHost);
      hostInstalled = true;
    }
    scrivilinea(std::string("id name ") + ENGINENAME);
    scrivilinea(std::string("id author ") + UCIAUTHOR);
    for (const UciOption& option : uciOptions()) scrivilinea(optionLine(option));
    scrivilinea("uciok");
  } else if (w == "isready") {
    scrivilinea("readyok");
  } else if (w == "ucinewgame") {
    game::newGame();
    clearHashTable();
    goodPosition = "position startpos";
    gameClock = 0;
  } else if (w == "position") {
    position(line);
  } else if (w == "go") {
    go(line);
  } else if (w == "setoption") {
    setOption(line);
  } else if (w == "quit") {
    requestQuit();
  } else if (w == "debug") {
    setDebugOutput(restOf(line) != "off");
  } else if (w == "stop" || w == "ponderhit" || w == "register") {
    // Nothing is running, nothing is pondered, no registration.
  } else {
    info("Error (unknown command): " + line);
  }
}
