#include "protocol/xboard.h"

#include <chrono>
#include <csignal>
#include <optional>

#include "engine/host.h"
#include "engine/position/fen.h"
#include "engine/position/game.h"
#include "engine/position/position.h"
#include "engine/search/cache.h"
#include "engine/search/clock.h"
#include "engine/search/driver.h"
#include "engine/search/levels.h"
#include "engine/search/searchstate.h"
#include "engine/toolkit.h"
#include "game/game.h"
#include "protocol/commandwords.h"
#include "protocol/editmode.h"
#include "protocol/enginelevel.h"
#include "protocol/enginescore.h"
#include "protocol/hashsize.h"
#include "protocol/iowinboard.h"
#include "protocol/movetext.h"
#include "protocol/numbers.h"
#include "protocol/session.h"
#include "records/coordinates.h"
#include "records/debugoutput.h"
#include "settings/language.h"
#include "text/Textrout.h"
#include "text/output.h"

const char* const FEATURES2 =
    "feature ping=1 setboard=1 playother=1 san=0 usermove=1 time=1 draw=1 sigint=0 sigterm=0 reuse=1 analyze=1 "
    "myname=\"Zefiran_3D 0.92\" variants=\"normal\" colors=0 ics=0 name=0 pause=0 nps=0 debug=0 memory=1 smp=0 "
    "exclude=0 setscore=0 done=1";
// The options go on a line of their own, before the others: xboard 4.9 reads
// an option that follows a feature it rejects (setscore) in the same line
// from freed memory, and aborts.
const char* const OPTIONFEATURES = "feature option=\"Skill Level -spin 5 0 5\"";
static_assert(WEAKESTLEVEL == 0 && FULLLEVEL == 5, "the Skill Level option offers the levels 0 to 5");

namespace {

// The protocol version the front end announced ("protover N"); 1 for front
// ends that never send it.
int protover = 1;
bool analysing = false;
bool analysisDone = false;  // the analysis of this position ended by itself
bool clockKnown = false;    // "time" has given the engine's clock
int32_t fixedMoveTime = 0;  // "st": milliseconds per move, 0 for none
int depthLimit = 0;         // "sd": deepest iteration, 0 for none
int ownMoves = 0;           // the engine's moves in this time control, for its own clock

// "xboard" came without "protover" behind it: the first protocol's start
// lines wait for the next command or a short while, as a front end of the
// second protocol sends "protover" at once, perhaps in a later read.
bool awaitingProtover = false;
std::chrono::steady_clock::time_point xboardAt;
constexpr auto PROTOVERWAIT = std::chrono::milliseconds(500);

void firstProtocolStart() {
  awaitingProtover = false;
  avviawinboard();
}

constexpr int32_t NODEADLINE = 0x7fffffff;

bool second() { return protover >= 2; }

void writeResult(const char* key) { scrivilinea(testo(key)); }

// Result lines when the game is already over before the engine moves.
void resultBefore(int code) {
  switch (code) {
    case GAME_STALEMATE: writeResult("LWSTALLO"); break;
    case GAME_MATE: writeResult(game::whiteToMove() ? "LWMATTON" : "LWMATTOB"); break;
    case GAME_REPETITION: writeResult("LW3X"); break;
    case GAME_MATERIAL: writeResult("LWMATERIALE"); break;
    case GAME_FIFTY: writeResult("LW50MOSSE"); break;
    default: break;
  }
}

// Result lines after the engine's move for the side moverWhite.
void resultAfter(int code, bool moverWhite) {
  switch (code) {
    case GAME_MATE: writeResult(moverWhite ? "LWMATTOB" : "LWMATTON"); break;
    case GAME_RESIGN: writeResult(moverWhite ? "LWABBANDONAB" : "LWABBANDONAN"); break;
    case GAME_ON: break;
    default: resultBefore(code); break;
  }
}

void protocolError(const std::string& reason, const std::string& line) {
  scrivilinea("Error (" + reason + "): " + line);
}

// The engine takes the side to move (or, for playother, the other one).
void engineTakes(bool whiteSide) { game::setEngineSides(whiteSide, !whiteSide); }

bool looksLikeMove(const std::string& word) {
  return word.size() >= 4 && word.size() <= 5 && word[1] >= '1' && word[1] <= '8';
}

// The commands after which the engine searches: its move, or an analysis.
bool startsXboardSearch(const std::string& line) {
  const std::string w(firstWord(line));
  return w == "go" || w == "usermove" || w == "playother" || w == "analyze" ||
         (looksLikeMove(w) && restOf(line).empty());
}

void playFrontEndMove(const std::string& text) {
  const MoveReading r = readMoveText(text);
  if (!r.move) {
    scrivilinea("Illegal move (" + r.reason + "): " + text);
    return;
  }
  if (!game::play(r.move)) {
    scrivilinea("Illegal move (game record full): " + text);
    return;
  }
  analysisDone = false;
  // Out of force mode the engine answers: it plays the side now to move.
  if (!forzato) engineTakes(game::whiteToMove());
}

void setBoard(const std::string& line, const std::string& fen) {
  std::string problem;
  if (!game::setUp(fen, &problem)) {
    scrivilinea("tellusererror Illegal position: " + problem);
    protocolError("illegal position", line);
    return;
  }
  analysisDone = false;
}

void level(const std::string& line) {
  if (modointerfaccia != 2) {
    avviawinboard();
    announceFrontEnd();
  }
  if (!leggilivello(line)) return protocolError("bad time control", line);
  // Until "time" says otherwise the engine keeps its own clock, from the
  // base time of the control.
  engineTimeLeft = game::record().tempoBase;
  clockKnown = true;
  ownMoves = 0;
}

// The engine's own clock after its move: the time it took off, the
// increment and, at the end of a period of moves, the next base time on.
// A "time" from the front end replaces it.
void chargeOwnClock(int32_t spent) {
  const tpartita& g = game::record();
  int64_t left = static_cast<int64_t>(engineTimeLeft) - spent + g.incremento;
  if (g.mossePerControllo > 0 && ++ownMoves % g.mossePerControllo == 0) left += g.tempoBase;
  engineTimeLeft = static_cast<int32_t>(left < 0 ? 0 : left > MAXCLOCKMS ? MAXCLOCKMS : left);
}

void time(const std::string& line, bool own) {
  int64_t cs = 0;
  if (!boundedInteger(restOf(line), -MAXCLOCKMS / 10, MAXCLOCKMS / 10, cs)) {
    protocolError("bad time", line);
    return;
  }
  if (!own) return;
  // A clock that has run out is no time at all, not a negative one.
  engineTimeLeft = static_cast<int32_t>(cs < 0 ? 0 : cs * 10);
  clockKnown = true;
}

void memory(const std::string& line) {
  int64_t mb = 0;
  if (!boundedInteger(restOf(line), 1, 1 << 20, mb)) {
    protocolError("bad memory size", line);
    return;
  }
  setHashLevel(hashLevelForResidentLimit(mb));
}

// The time for the engine's move: "st" when given, else from its clock, and
// never more than the clock can spare.
void setDeadline() {
  if (fixedMoveTime > 0) {
    searchDeadline = fixedMoveTime - (fixedMoveTime > 1000 ? 100 : fixedMoveTime / 10);
    return;
  }
  if (!clockKnown) return;  // the allowance left by the last one (first protocol)
  EngineHost silent;
  EngineHost& previous = engineHost();
  if (second()) setEngineHost(&silent);
  int32_t t = allocateTime(engineTimeLeft);
  if (second()) setEngineHost(&previous);
  const int32_t spare = engineTimeLeft - engineTimeLeft / 8 - 50;
  if (t > spare) t = spare;
  searchDeadline = t < 1 ? 1 : t;
}

SearchLimits limitsOfTheGame() {
  SearchLimits limits;
  limits.timeDivisor = 4;
  if (depthLimit > 0) limits.maxDepth = depthLimit - 1 < 2 ? 2 : depthLimit - 1;
  limits.level = frontEndLevel();
  return limits;
}

// First protocol: depth, White's score, centiseconds, nodes per second and
// the line in fixed columns. Second: depth, the engine's score (mates as
// 100000 + N), centiseconds, nodes and the line.
std::string thinkingLine(const Iteration& it) {
  const uint32_t ms = it.elapsedMs;
  std::string pv = it.best ? coordinata(it.best, !second()) : std::string();
  for (uint32_t m : principalVariation(it.best, it.depth - 1)) pv += ' ' + coordinata(m, !second());
  if (second()) {
    const int own = fromMoverSide(it.score, game::whiteToMove());
    const int mate = mateInMoves(own);
    const int shown = mate > 0 ? 100000 + mate : mate < 0 ? -100000 + mate : own;
    return std::to_string(it.depth) + ' ' + std::to_string(shown) + ' ' + std::to_string(ms / 10) + ' ' +
           std::to_string(it.nodes) + ' ' + pv;
  }
  const long long nps = ms ? static_cast<long long>(it.nodes) * 1000 / ms : 0;
  const size_t blank = pv.find(' ');
  std::string line = allineadestra(std::to_string(it.depth), 2) + allineadestra(std::to_string(it.score), 10) +
                     allineadestra(std::to_string(ms / 10), 10) + allineadestra(std::to_string(nps), 10) +
                     allineadestra(pv.substr(0, blank), 10);
  if (blank != std::string::npos) line += pv.substr(blank);
  return line;
}

void statusLine() {
  scrivilinea("stat01: " + std::to_string(elapsedMs() / 10) + " " + std::to_string(genCalls) + " " +
              std::to_string(iterationDepth) + " 0 0");
}

void analyse() {
  if (game::outcome() < 0) {
    analysisDone = true;
    return;
  }
  moveStart = adesso();
  clockNow = moveStart;
  searchDeadline = NODEADLINE;
  beginSearch(urgentXboard, startsXboardSearch);
  iterativeDeepening(limitsOfTheGame(), [](const Iteration& it) {
    if (showIteration()) scrivilinea(thinkingLine(it));
  });
  // Stopped by a command: analysis starts again once it has been applied.
  analysisDone = searchDeadline == NODEADLINE;
}

}  // namespace

void xboardWaitTick() {
  if (awaitingProtover && std::chrono::steady_clock::now() - xboardAt >= PROTOVERWAIT) firstProtocolStart();
}

void resetXboard() {
  endEdit();
  awaitingProtover = false;
  ownMoves = 0;
  protover = 1;
  analysing = false;
  analysisDone = false;
  clockKnown = false;
  fixedMoveTime = 0;
  depthLimit = 0;
  forzato = 0;
  pensieri = 0;
  resetFrontEndLevel();
}

bool urgentXboard(const std::string& line) {
  const std::string_view w = firstWord(line);
  if (w == "?") {
    if (!analysing) endSearch(false);
    return true;
  }
  if (analysing) {
    if (w == ".") {
      statusLine();
      return true;
    }
    if (!w.empty()) endSearch(w == "quit");
    return false;
  }
  // Commands after which the move being searched no longer fits the game.
  if (w == "quit" || w == "new" || w == "force" || w == "result" || w == "setboard" || w == "undo" || w == "remove" ||
      w == "analyze" || w == "edit")
    endSearch(true);
  return false;
}

void dispatchXboard(const std::string& line) {
  const std::string w(firstWord(line));
  const std::string rest(restOf(line));
  if (w.empty()) return;
  if (inedit()) {
    if (w == "quit") return requestQuit();
    return editLine(w);
  }
  if (awaitingProtover && w != "protover") firstProtocolStart();
  if (w == "xboard") {
    // A front end of the second protocol says so on the next line: it gets
    // the feature announcement instead of the first protocol's start lines.
    modointerfaccia = 2;
    std::signal(SIGINT, SIG_IGN);
    if (deferred.empty() || firstWord(deferred.front()) != "protover") {
      awaitingProtover = true;
      xboardAt = std::chrono::steady_clock::now();
    }
    announceFrontEnd();
  } else if (w == "protover") {
    awaitingProtover = false;
    int64_t v = 0;
    if (!boundedInteger(rest, 1, 99, v)) return protocolError("bad version", line);
    protover = static_cast<int>(v);
    if (modointerfaccia != 2) {
      modointerfaccia = 2;
      announceFrontEnd();
    }
    if (second()) {
      scrivilinea(OPTIONFEATURES);
      scrivilinea(FEATURES2);
    }
  } else if (w == "quit") {
    requestQuit();
  } else if (w == "new") {
    game::newGame();
    if (clockKnown && !fixedMoveTime) engineTimeLeft = game::record().tempoBase;
    ownMoves = 0;
    forzato = 0;
    depthLimit = 0;
    fixedMoveTime = 0;
    analysisDone = false;
  } else if (w == "force") {
    forzato = 1;
  } else if (w == "go") {
    forzato = 0;
    analysing = false;
    engineTakes(game::whiteToMove());
  } else if (w == "playother") {
    forzato = 0;
    engineTakes(!game::whiteToMove());
  } else if (w == "white") {
    engineTakes(true);
  } else if (w == "black") {
    engineTakes(false);
  } else if (w == "level") {
    level(line);
  } else if (w == "st") {
    int64_t s = 0;
    if (!boundedInteger(rest, 1, MAXCLOCKMS / 1000, s)) return protocolError("bad time", line);
    fixedMoveTime = static_cast<int32_t>(s * 1000);
  } else if (w == "sd") {
    int64_t d = 0;
    if (!boundedInteger(rest, 1, 49, d)) return protocolError("bad depth", line);
    depthLimit = static_cast<int>(d);
  } else if (w == "time" || w == "otim") {
    time(line, w == "time");
  } else if (w == "usermove") {
    playFrontEndMove(rest);
  } else if (w == "edit") {
    startEdit();
    analysisDone = false;
  } else if (w == "setboard") {
    setBoard(line, rest);
  } else if (w == "undo" || w == "remove") {
    const int plies = w == "undo" ? 1 : 2;
    if (game::record().count < plies) return protocolError("no move to take back", line);
    game::takeBack(plies);
    analysisDone = false;
  } else if (w == "ping") {
    scrivilinea(rest.empty() ? "pong" : "pong " + rest);
  } else if (w == "post") {
    pensieri = 1;
  } else if (w == "nopost") {
    pensieri = 0;
  } else if (w == "result") {
    forzato = 1;
  } else if (w == "analyze") {
    analysing = true;
    analysisDone = false;
  } else if (w == "exit") {
    analysing = false;
  } else if (w == ".") {
    if (analysing) statusLine();
  } else if (w == "memory") {
    memory(line);
  } else if (w == "option") {
    if (!setXboardOption(rest)) protocolError("unknown option", line);
  } else if (w == "variant") {
    if (rest != "normal") protocolError("unsupported variant", line);
  } else if (w == "hard" || w == "easy" || w == "draw" || w == "random" || w == "computer" || w == "name" ||
             w == "rating" || w == "ics" || w == "accepted" || w == "rejected" || w == "?" || w == "hint" ||
             w == "bk" || w == "cores" || w == "egtpath" || w == "nps") {
    // Known and nothing to do: no pondering, draw offers declined, no book display.
  } else if (looksLikeMove(w) && rest.empty()) {
    playFrontEndMove(w);
  } else {
    protocolError("unknown command", line);
  }
}

void xboardTurn() {
  if (analysing) {
    if (!analysisDone) analyse();
    return;
  }
  if (forzato) return;
  if (game::whiteToMove() && game::record().motorebianco) velkormuove();
  if (protocolQuit() || forzato || analysing) return;
  if (!game::whiteToMove() && game::record().motorenero) velkormuove();
}

void velkormuove() {
  const int before = game::outcome();
  if (before < 0) {
    resultBefore(before);
    game::setEngineSides(false, false);
    return;
  }
  const bool white = game::whiteToMove();
  setDeadline();
  if (!white && !second()) debugLine("tempo azzerato");
  moveStart = adesso();
  clockNow = moveStart;
  if (!second()) debugLine(posizionefen(game::position()));
  const SearchLimits limits = limitsOfTheGame();
  auto post = [](const Iteration& it) {
    if (pensieri && showIteration()) scrivilinea(thinkingLine(it));
  };
  beginSearch(urgentXboard, startsXboardSearch);
  EngineChoice choice = pensamossa(limits, post);
  if (searchAbandoned()) return;
  // The engine's side stays marked as searching until its move is played
  // and told.
  std::optional<game::SearchMark> mark(std::in_place, white);
  std::string line = mossawinboard(choice.move);
  bool played = choice.move && game::play(choice.move);
  if (!played && choice.fromBook) {
    // A book line from another position can name an illegal move: search instead.
    game::leaveBook();
    choice = pensamossa(limits, post);
    if (searchAbandoned()) return;
    mark.emplace(white);  // the search cleared the mark when it ended
    line = mossawinboard(choice.move);
    played = choice.move && game::play(choice.move);
  }
  if (played) {
    chargeOwnClock(static_cast<int32_t>(elapsedMs()));
    const int after = game::outcome();
    if (after != GAME_RESIGN) scrivilinea(line);
    resultAfter(after, white);
  }
}
