#include "game/testsuites.h"

#include <cstdio>
#include <fstream>

#include "engine/position/fen.h"
#include "engine/position/game.h"
#include "engine/position/position.h"
#include "engine/search/cache.h"
#include "engine/search/clock.h"
#include "engine/search/driver.h"
#include "engine/search/evaltables.h"
#include "engine/search/evaluation.h"
#include "engine/search/quiescenza.h"
#include "engine/search/searchstate.h"
#include "engine/toolkit.h"
#include "game/game.h"
#include "records/coordinates.h"
#include "records/pgnfen.h"
#include "records/searchline.h"
#include "records/verifylog.h"
#include "settings/folders.h"
#include "settings/language.h"
#include "text/Textrout.h"

std::vector<tepdtest> epdtests;
std::vector<std::string> listadebug;

namespace {

// The WinBoard form of a move ("move e7e8Q"), as the log has always shown it.
std::string moveLine(uint32_t m) { return "move " + coordinata(m, true); }

std::function<void(const std::string&)> debugEcho;
// Empty: the state folder's "debug.txt".
std::string debugPath;
std::ofstream debugFile;
bool debugOpened = false;

// Evaluation noise 0 for the run, the previous level afterwards.
class QuietTables {
 public:
  QuietTables() : saved_(evalNoise) { buildEvalTables(0); }
  ~QuietTables() { buildEvalTables(saved_); }

 private:
  int saved_;
};

std::string between(const std::string& s, char d) { return tradelimitatori(s, d); }

// The moves of a "bm"/"am" field in the position of the line's FEN: each
// resolved against the legal moves, so "Ne5" also names a capture on e5.
void readMoves(const std::string& field, const std::string& fen, uint32_t (&slots)[5]) {
  const std::string list = trimspazi(tagliainizio(field, 2));
  size_t i = 0, k = 0;
  while (i < list.size() && k < 5) {
    while (i < list.size() && list[i] == ' ') ++i;
    size_t j = i;
    while (j < list.size() && list[j] != ' ') ++j;
    if (j > i) {
      impostafen(fen, true);
      const uint32_t m = mossadatoken(list.substr(i, j - i));
      slots[k++] = m ? m : 0xFFFFFFFFu;  // unreadable: no answer equals it
    }
    i = j;
  }
}

std::string stars(int n) { return std::string(static_cast<size_t>(n), '*'); }

}  // namespace

void setDebugEcho(std::function<void(const std::string&)> echo) { debugEcho = std::move(echo); }

void setDebugFile(const std::string& path) {
  if (debugFile.is_open()) debugFile.close();
  debugPath = path;
  debugOpened = false;
}

void scrividebug(const std::string& line) {
  listadebug.push_back(line);
  if (!debugOpened) {
    // The file holds everything logged since start-up: it starts empty once.
    std::string errore;
    const std::string folder = stateFolder();
    if (debugPath.empty()) makeUserFolder(folder, errore);
    debugFile.open(debugPath.empty() ? folder + DEBUGFILE : debugPath, std::ios::binary | std::ios::trunc);
    debugOpened = true;
    for (size_t i = 0; i + 1 < listadebug.size(); ++i) debugFile << listadebug[i] << "\r\n";
  }
  if (debugFile.is_open()) {
    debugFile << line << "\r\n";
    debugFile.flush();
  }
  if (debugEcho) debugEcho(line);
}

int leggiepd(const std::string& filename, std::string* errore) {
  std::vector<std::string> lines;
  std::string why;
  epdtests.clear();
  if (!leggirighefile(filename, lines, why)) {
    if (errore) *errore = why;
    return 0;
  }
  for (const std::string& raw : lines) {
    const std::string line = trimspazi(raw);
    if (line.empty()) continue;
    if (line.find(';') == std::string::npos) {
      scrividebug("skipped (no \";\"): " + line);
      continue;
    }
    std::vector<std::string> fields;
    size_t start = 0;
    while (fields.size() < 10) {
      const size_t semi = line.find(';', start);
      if (semi == std::string::npos) break;  // the text after the last ";" ends the list
      fields.push_back(trimspazi(line.substr(start, semi - start)));
      start = semi + 1;
    }
    if (fields.empty()) continue;
    size_t op = fields[0].find("bm");
    if (op == std::string::npos) op = fields[0].find("am");
    if (op == std::string::npos) {
      scrividebug("skipped (no \"bm\" or \"am\"): " + line);
      continue;
    }
    tepdtest t;
    t.fen = trimspazi(fields[0].substr(0, op)) + " 1 1";
    fields[0] = trimspazi(fields[0].substr(op));
    if (!fenProblem(t.fen).empty()) {
      scrividebug("skipped (" + fenProblem(t.fen) + "): " + line);
      continue;
    }
    for (const std::string& f : fields) {
      const std::string op2 = sinistra(f, 2);
      if (op2 == "bm") readMoves(f, t.fen, t.best);
      if (op2 == "am") readMoves(f, t.fen, t.avoid);
      if (op2 == "id") t.id = between(f, '"');
      if (op2 == "c0") t.c0 = between(f, '"');
      if (op2 == "c1") t.c1 = between(f, '"');
    }
    epdtests.push_back(t);
  }
  return static_cast<int>(epdtests.size());
}

std::string percentualeepd(int correct, int examined) {
  if (examined <= 0) return "0%";
  char b[64];
  std::snprintf(b, sizeof b, "%.10g", static_cast<double>(correct) / examined * 100.0);
  return sinistra(b, 4) + "%";
}

EpdOutcome eseguiepd(const std::string& filename, int allowanceMs, const TestHooks& hooks) {
  EpdOutcome out;
  QuietTables quiet;
  std::string why;
  out.positions = leggiepd(filename, &why);
  if (!why.empty()) {
    scrividebug(why);
    return out;
  }
  out.opened = true;
  const int n = out.positions;
  if (hooks.counters) hooks.counters(0, n, 0, 0, "0%");
  for (const tepdtest& t : epdtests) {
    scrividebug("");
    scrividebug(stars(90));
    scrividebug(allineasinistra(t.id + "  " + t.fen + "  " + moveLine(t.best[0]), 84) + "   ***");
    scrividebug(stars(90));
    impostafen(t.fen, true);
    if (hooks.redraw) hooks.redraw();
    moveStart = adesso();
    clockNow = moveStart;
    searchDeadline = allowanceMs;
    const int side = posizioni[0].side;
    SearchLimits limits;
    limits.timeDivisor = 4;
    limits.extraMs = 0;
    const uint32_t m = iterativeDeepening(limits, [&](const Iteration& it) {
      const std::string line = rigaricerca(it);
      if (hooks.memo) hooks.memo(side, line);
      scrividebug(line);
    });
    game::play(m);
    ++out.examined;
    bool right = false;
    for (uint32_t b : t.best) right |= b != 0 && (m & MV_MOVE) == b;
    if (right) {
      ++out.correct;
      scrividebug(testo("P_RIGHTSOL"));
    } else {
      out.wrong.push_back(t.id + " " + t.fen + " " + testo("P_FOUND") + " " + moveLine(m) + " " + testo("P_INSTEAD") +
                          " " + moveLine(t.best[0]));
      scrividebug(testo("P_WRONGSOL"));
    }
    if (hooks.counters)
      hooks.counters(out.examined, n - out.examined, out.correct, out.examined - out.correct,
                     percentualeepd(out.correct, out.examined));
    if (hooks.stopRequested && hooks.stopRequested()) {
      out.stopped = true;
      scrividebug("");
      scrividebug(testo("P_BREAKUSER"));
      break;
    }
  }
  scrividebug("");
  scrividebug(testo("P_WRONGLIST"));
  for (const std::string& w : out.wrong) scrividebug(w);
  scrividebug("");
  scrividebug(testo("P_FOUND") + " " + std::to_string(out.correct) + " " + testo("P_SOLUTIONS") + "  " +
              std::to_string(n));
  return out;
}

void testaposizione(const std::string& fen, int depth, const TestHooks& hooks) {
  impostafen(fen, true);
  if (hooks.redraw) hooks.redraw();
  moveStart = adesso();
  clockNow = moveStart;
  searchDeadline = 60000000;
  const int side = posizioni[0].side;
  genCallsInCheck = 0;
  evalCalls = 0;
  SearchLimits limits;
  limits.targetDepth = depth < 3 ? 3 : depth;
  limits.maxDepth = 48;
  const uint32_t m = iterativeDeepening(limits, [&](const Iteration& it) {
    const std::string line = rigaricerca(it);
    scrividebug(line);
    scrividebug("  nodi = " + std::to_string(genCalls) + " nodiq = " + std::to_string(captureGenCalls) +
                " nodis = " + std::to_string(genCallsInCheck));
    scrividebug("  valuta = " + std::to_string(evalCalls) + " hash = " + std::to_string(hashHits));
    if (hooks.memo) hooks.memo(side, line);
  });
  game::play(m);
  if (hooks.memo) hooks.memo(side, "+-+-+-+-+-+-+-+-+-+-+-+-");
}

int eseguispeed(const std::string& filename, const TestHooks& hooks, std::string* errore) {
  std::vector<std::string> lines;
  std::string why;
  if (!leggirighefile(filename, lines, why)) {
    if (errore) *errore = why;
    return -1;
  }
  QuietTables quiet;
  int searched = 0;
  for (const std::string& line : lines) {
    const size_t at = line.find('@');
    if (at == std::string::npos) continue;
    int depth = 0;
    if (!readInteger(sinistra(line, 2), depth)) {
      scrividebug("skipped (no depth in the first two characters): " + line);
      continue;
    }
    const std::string label = at > 2 ? line.substr(2, at - 2) : std::string();
    const std::string fen = trimspazi(line.substr(at + 1));
    if (!fenProblem(fen).empty()) {
      scrividebug("skipped (" + fenProblem(fen) + "): " + line);
      continue;
    }
    scrividebug(stars(69));
    scrividebug(label);
    scrividebug(stars(69));
    game::setClocksRunning(true);
    clearHashTable();
    listaverifica.push_back(std::string(58, '-'));
    testaposizione(fen, depth, hooks);
    ++searched;
    if (hooks.stopRequested && hooks.stopRequested()) break;
  }
  game::setClocksRunning(false);
  return searched;
}
