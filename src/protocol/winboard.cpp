#include "protocol/winboard.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <string_view>

#include "engine/position/game.h"
#include "game/game.h"
#include "protocol/commandwords.h"
#include "protocol/uci.h"
#include "protocol/xboard.h"
#include "text/output.h"

namespace {

// Chosen by the first command: "uci" gives UCI for the rest of the run,
// anything else the WinBoard/xboard protocol.
enum class Dialect { undecided, xboard, uci };
Dialect dialect = Dialect::undecided;

bool readTerminal = false;
bool inputEnded = false;
std::string pending;  // text after the last line feed of earlier reads
bool pendingTooLong = false;
std::chrono::steady_clock::time_point pendingSince;
// A line cut by a read is completed by the next one; text without its line
// feed is taken as a whole line once nothing more arrives for this long.
constexpr auto PENDINGWAIT = std::chrono::milliseconds(300);

// Longer lines are refused whole: a cut-off command could mean something else.
constexpr size_t MAXLINE = 8192;
// What one poll reads at most.
constexpr size_t READSIZE = 4096;

bool stdinReadable() {
  struct stat st {};
  if (fstat(0, &st) != 0) return false;
  if (S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode) || S_ISREG(st.st_mode)) return true;
  return readTerminal && isatty(0);
}

bool searching() { return game::record().inricerca != 0; }

// Lines are compared word by word: tabs count as blanks, and a carriage
// return from a front end on another system is dropped.
std::string cleaned(const std::string& raw) {
  std::string s;
  s.reserve(raw.size());
  for (char c : raw) {
    if (c == '\r') continue;
    s += c == '\t' ? ' ' : c;
  }
  return s;
}

// A line that must act while a search runs, or false to keep it for later.
bool urgent(const std::string& line) {
  if (line == OVERLONG) return false;
  if (dialect == Dialect::uci) return urgentUci(line);
  return urgentXboard(line);
}

void takeLine(std::string line) {
  if (searching() && urgent(line)) return;
  deferred.push_back(std::move(line));
}

}  // namespace

void setStdinPolicy(bool terminal) { readTerminal = terminal; }

std::vector<std::string> leggiinput() {
  std::vector<std::string> lines;
  if (inputEnded || !stdinReadable()) return lines;
  pollfd pfd{0, POLLIN, 0};
  int available = 0;
  bool readable = poll(&pfd, 1, 0) > 0 && (pfd.revents & (POLLIN | POLLHUP | POLLERR));
  if (readable) {
    if (ioctl(0, FIONREAD, &available) != 0) available = 0;
    char buf[READSIZE];
    const ssize_t n = read(
        0, buf, available > 0 && static_cast<size_t>(available) < READSIZE ? static_cast<size_t>(available) : READSIZE);
    if (n > 0) {
      for (ssize_t i = 0; i < n; ++i) {
        if (buf[i] == '\n') {
          lines.push_back(pendingTooLong ? std::string(OVERLONG) : cleaned(pending));
          pending.clear();
          pendingTooLong = false;
        } else if (pending.size() < MAXLINE) {
          pending += buf[i];
        } else {
          pendingTooLong = true;
        }
      }
      pendingSince = std::chrono::steady_clock::now();
      return lines;
    }
    if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) inputEnded = true;
  }
  if ((!pending.empty() || pendingTooLong) &&
      (inputEnded || std::chrono::steady_clock::now() - pendingSince >= PENDINGWAIT)) {
    lines.push_back(pendingTooLong ? std::string(OVERLONG) : cleaned(pending));
    pending.clear();
    pendingTooLong = false;
  }
  return lines;
}

void dispatchLine(const std::string& raw) {
  if (raw == OVERLONG) {
    scrivilinea(std::string(dialect == Dialect::uci ? "info string " : "") + "Error (line too long): ignored");
    return;
  }
  const std::string line = cleaned(raw);
  if (dialect == Dialect::undecided && firstWord(line) == "uci") {
    dialect = Dialect::uci;
    modointerfaccia = 2;
    announceFrontEnd();
  } else if (dialect == Dialect::undecided && !firstWord(line).empty()) {
    dialect = Dialect::xboard;
  }
  if (dialect == Dialect::uci) {
    dispatchUci(line);
  } else {
    dispatchXboard(line);
  }
}

bool tickprotocollo() { return processatick(leggiinput()); }

bool processatick(const std::vector<std::string>& lines) {
  if (searching()) {
    // Nested inside a search: urgent lines act at once (stop, move now,
    // quit, isready); everything else is applied in order afterwards.
    for (const std::string& l : lines) takeLine(cleaned(l));
    if (inputEnded && !protocolQuit() && modointerfaccia != 1) {
      endSearch(true);
      requestQuit();
    }
    if (dialect == Dialect::uci) uciSearchTick();
    return false;
  }
  for (const std::string& l : lines) deferred.push_back(cleaned(l));
  while (!deferred.empty() && !protocolQuit()) {
    const std::string line = deferred.front();
    deferred.pop_front();
    dispatchLine(line);
  }
  if (inputEnded && modointerfaccia != 1 && !protocolQuit() && (modointerfaccia == 2 || readTerminal)) requestQuit();
  if (protocolQuit()) return false;
  if (dialect == Dialect::xboard) xboardWaitTick();
  // Lines that come during the engine's move are applied in the next tick.
  if (dialect != Dialect::uci) xboardTurn();
  return !protocolQuit();
}

void resetprotocollo() {
  resetSession();
  pending.clear();
  pendingTooLong = false;
  inputEnded = false;
  dialect = Dialect::undecided;
  resetXboard();
  resetUci();
}
