#include "records/pgnfen.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>

#include "engine/position/fen.h"
#include "engine/position/game.h"
#include "engine/position/position.h"
#include "records/notation.h"
#include "settings/language.h"
#include "text/Textrout.h"
#include "text/namevalue.h"

namespace {

// The largest move number a saved game starts from.
constexpr int MAXFULLMOVE = 100000;

}  // namespace

std::string pgnSan(uint32_t move, int p) {
  std::string s = sanWithCheckMark(move, p);
  if (move & MV_PROMOS) {
    size_t at = s.size();
    while (at > 0 && (s[at - 1] == '+' || s[at - 1] == '#')) --at;
    if (at > 0) s.insert(at - 1, "=");
  }
  return s;
}

bool leggirighefile(const std::string& path, std::vector<std::string>& righe, std::string& errore) {
  errore.clear();
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) {
    errore = "cannot open " + path + ": " + errorCause(errno);
    return false;
  }
  struct stat st {};
  if (::fstat(::fileno(f), &st) != 0 || !S_ISREG(st.st_mode)) {
    errore = "cannot read " + path + ": not a regular file";
    std::fclose(f);
    return false;
  }
  if (st.st_size > MAXFILEPARTITE) {
    errore = "cannot read " + path + ": larger than " + std::to_string(MAXFILEPARTITE) + " bytes";
    std::fclose(f);
    return false;
  }
  std::string data;
  data.reserve(static_cast<size_t>(st.st_size));
  char buffer[65536];
  size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
    data.append(buffer, got);
    if (static_cast<long long>(data.size()) > MAXFILEPARTITE) break;
  }
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) {
    errore = "cannot read " + path;
    return false;
  }
  if (static_cast<long long>(data.size()) > MAXFILEPARTITE) {
    errore = "cannot read " + path + ": larger than " + std::to_string(MAXFILEPARTITE) + " bytes";
    return false;
  }
  if (data.find('\0') != std::string::npos) {
    errore = "cannot read " + path + ": not a text file";
    return false;
  }
  righe = dividirighe(data);
  return true;
}

LoadReport lastLoad;

std::string stopReasonText(StopReason reason) {
  switch (reason) {
    case StopReason::none: return {};
    case StopReason::unknownPiece: return testo("P_STOPPIECE");
    case StopReason::unreadable: return testo("P_STOPUNREADABLE");
    case StopReason::illegal: return testo("P_STOPILLEGAL");
    case StopReason::openComment: return testo("P_STOPCOMMENT");
    case StopReason::openVariation: return testo("P_STOPVARIATION");
    case StopReason::strayClose: return testo("P_STOPCLOSING");
    case StopReason::tooLong: return testo("P_STOPLENGTH");
    case StopReason::badFen: return testo("P_STOPFEN");
    case StopReason::afterResult: return testo("P_STOPAFTERRESULT");
    case StopReason::brokenTag: return testo("P_STOPTAG");
  }
  return {};
}

std::string loadReportText(const LoadReport& r) {
  if (r.reason == StopReason::none) return {};
  if (r.reason == StopReason::badFen) return stopReasonText(r.reason) + ": " + r.detail;
  std::string s = testo("P_STOPPEDAT") + " " + std::to_string(r.halfmove);
  if (!r.token.empty()) s += " (" + r.token + ")";
  s += ": " + stopReasonText(r.reason);
  if (!r.detail.empty()) s += ": " + r.detail;
  return s;
}

void startingMove(int& number, bool& blackFirst) {
  number = 1;
  blackFirst = false;
  if (partita.startfen.empty()) return;
  const std::vector<std::string> f = fenFields(partita.startfen.view());
  if (f.size() > 1) blackFirst = f[1] == "b" || f[1] == "B";
  int n = 0;
  if (f.size() > 5 && readInteger(f[5], n) && n >= 1 && n <= MAXFULLMOVE) number = n;
}

bool salvafen(const std::string& filename, const std::string& fen, std::string& errore) {
  return scrivirighe(filename, {fen}, errore);
}

bool leggifilefen(const std::string& path, std::string& fen, std::string& errore) {
  std::vector<std::string> lines;
  if (!leggirighefile(path, lines, errore)) return false;
  fen.clear();
  for (auto it = lines.rbegin(); it != lines.rend() && fen.empty(); ++it) fen = trimspazi(*it);
  if (fen.empty()) {
    errore = path + " holds no position";
    return false;
  }
  const std::string problem = fenProblem(fen);
  if (!problem.empty()) {
    errore = path + ": " + problem;
    return false;
  }
  return true;
}
