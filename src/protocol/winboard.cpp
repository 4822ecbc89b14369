#include "protocol/winboard.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <deque>
#include <string_view>

#include "engine/position/fen.h"
#include "engine/position/game.h"
#include "engine/position/position.h"
#include "engine/search/clock.h"
#include "engine/search/driver.h"
#include "engine/search/searchstate.h"
#include "engine/toolkit.h"
#include "protocol/iowinboard.h"
#include "records/coordinates.h"
#include "settings/language.h"
#include "text/Textrout.h"
#include "text/output.h"

namespace {

ProtocolHooks hooks;
bool readTerminal = false;
bool inputEnded = false;
bool quitRequested = false;
std::string pending;  // text after the last line feed of earlier reads
std::chrono::steady_clock::time_point pendingSince;
// A line cut by a read is completed by the next one; text without its line
// feed is taken as a whole line once nothing more arrives for this long.
constexpr auto PENDINGWAIT = std::chrono::milliseconds(300);
// Lines that arrived while a search ran, applied in order once it ends.
std::deque<std::string> deferred;

constexpr size_t MAXLINE = 4096;

bool startsWith(std::string_view line, std::string_view word) { return line.substr(0, word.size()) == word; }

bool stdinReadable() {
  struct stat st {};
  if (fstat(0, &st) != 0) return false;
  if (S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode) || S_ISREG(st.st_mode)) return true;
  return readTerminal && isatty(0);
}

void requestQuit() {
  quitRequested = true;
  searchDeadline = 1;
  if (hooks.onQuit) hooks.onQuit();
}

void writeResult(const char* key) { scrivilinea(testo(key)); }

// Result lines when the game is already over before the engine moves.
void resultBefore(int code) {
  switch (code) {
    case GAME_STALEMATE: writeResult("LWSTALLO"); break;
    case GAME_MATE: writeResult(posizioni[0].side == WHITE ? "LWMATTON" : "LWMATTOB"); break;
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

void playFrontEndMove(const std::string& line) {
  if (forzato == 0 && !partita.motorebianco && !partita.motorenero) partita.motorenero = 1;
  uint32_t code = leggimossa(line);
  if (!code || !mossavalida(code)) {
    scrivilinea("illegal move");
    return;
  }
  // A pawn reaching the last rank without a promotion letter becomes a queen.
  const int8_t piece = posizioni[0].board[mvFrom(code)];
  const int to = mvTo(code);
  if (!(code & MV_PROMOS) && ((piece == 1 && to >= 56) || (piece == -1 && to < 8))) code |= MV_PROMO_Q;
  // A move the king's safety forbids: the front end must hear it was refused,
  // or it would wait for an answer that never comes.
  if (!giocamossa(code)) scrivilinea("illegal move");
  searchDeadline = allocateTime(engineTimeLeft);
}

void applyDeferred() {
  while (!deferred.empty() && partita.inricerca == 0 && !quitRequested) {
    const std::string line = deferred.front();
    deferred.pop_front();
    dispatchLine(line);
  }
}

std::string thinkingLine(const Iteration& it) {
  const uint32_t ms = it.elapsedMs;
  const long long nps = ms ? static_cast<long long>(it.nodes) * 1000 / ms : 0;
  std::string line = allineadestra(std::to_string(it.depth), 2) + allineadestra(std::to_string(it.score), 10) +
                     allineadestra(std::to_string(ms / 10), 10) + allineadestra(std::to_string(nps), 10) +
                     allineadestra(it.best ? coordinata(it.best, true) : std::string(), 10);
  for (uint32_t m : principalVariation(it.best, it.depth - 1)) {
    line += ' ';
    line += coordinata(m, true);
  }
  return line;
}

}  // namespace

void setProtocolHooks(ProtocolHooks h) { hooks = std::move(h); }
void setStdinPolicy(bool terminal) { readTerminal = terminal; }
bool protocolQuit() { return quitRequested; }
void muovisubito1Click() { searchDeadline = 1; }

std::vector<std::string> leggiinput() {
  std::vector<std::string> lines;
  if (inputEnded || !stdinReadable()) return lines;
  pollfd pfd{0, POLLIN, 0};
  int available = 0;
  bool readable = poll(&pfd, 1, 0) > 0 && (pfd.revents & (POLLIN | POLLHUP | POLLERR));
  if (readable) {
    if (ioctl(0, FIONREAD, &available) != 0) available = 0;
    char buf[255];
    const ssize_t n = read(0, buf, available > 0 && available < 255 ? static_cast<size_t>(available) : sizeof buf);
    if (n > 0) {
      for (ssize_t i = 0; i < n; ++i) {
        if (buf[i] == '\n') {
          lines.push_back(pending);
          pending.clear();
        } else if (pending.size() < MAXLINE) {
          pending += buf[i];
        }
      }
      pendingSince = std::chrono::steady_clock::now();
      return lines;
    }
    if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) inputEnded = true;
  }
  if (!pending.empty() && (inputEnded || std::chrono::steady_clock::now() - pendingSince >= PENDINGWAIT)) {
    lines.push_back(pending);
    pending.clear();
  }
  return lines;
}

void dispatchLine(const std::string& line) {
  if (startsWith(line, "xboard")) {
    avviawinboard();
    if (hooks.onXboard) hooks.onXboard();
  }
  if (startsWith(line, "quit")) requestQuit();
  if (startsWith(line, "post")) pensieri = 1;
  if (startsWith(line, "nopost")) pensieri = 0;
  if (startsWith(line, "ping")) scrivilinea("pong" + tagliainizio(line, 4));
  if (startsWith(line, "new")) {
    nuovapartita();
    forzato = 0;
  }
  if (startsWith(line, "black")) {
    partita.motorebianco = 0;
    partita.motorenero = 1;
  }
  if (startsWith(line, "force")) forzato = 1;
  if (startsWith(line, "white")) {
    partita.motorebianco = 1;
    partita.motorenero = 0;
  }
  if (startsWith(line, "go")) {
    forzato = 0;
    // The engine may be asked to move before any move of the front end: give
    // it the time the front end last announced rather than none.
    if (engineTimeLeft > 0) searchDeadline = allocateTime(engineTimeLeft);
  }
  if (line.size() > 2 && line[1] >= '1' && line[1] <= '8') playFrontEndMove(line);
  if (startsWith(line, "level")) {
    if (modointerfaccia != 2) {
      avviawinboard();
      if (hooks.onXboard) hooks.onXboard();
    }
    leggilivello(line);  // a level that is not made of numbers changes nothing
  }
  if (startsWith(line, "time")) {
    int cs = 0;
    if (leggiintero(tagliainizio(line, 5), cs)) engineTimeLeft = cs * 10;
  }
}

bool tickprotocollo() { return processatick(leggiinput()); }

bool processatick(const std::vector<std::string>& lines) {
  if (partita.inricerca != 0) {
    // Nested inside a search: only "quit" acts at once (the search stops at
    // its next clock check); everything is applied in order afterwards.
    for (const std::string& l : lines) {
      if (startsWith(l, "quit")) searchDeadline = 1;
      deferred.push_back(l);
    }
    return false;
  }
  applyDeferred();
  for (const std::string& l : lines) {
    if (quitRequested) break;
    dispatchLine(l);
  }
  if (inputEnded && modointerfaccia != 1 && !quitRequested && (modointerfaccia == 2 || readTerminal)) requestQuit();
  if (quitRequested) return false;
  if (posizioni[0].side == WHITE && partita.motorebianco && !forzato) {
    velkormuove();
    applyDeferred();
  }
  if (quitRequested) return false;
  if (posizioni[0].side == BLACK && partita.motorenero && !forzato) {
    velkormuove();
    applyDeferred();
  }
  return !quitRequested;
}

void resetprotocollo() {
  deferred.clear();
  pending.clear();
  inputEnded = false;
  quitRequested = false;
  forzato = 0;
  pensieri = 0;
}

void velkormuove() {
  const int before = finepartita();
  if (before < 0) {
    resultBefore(before);
    partita.motorebianco = 0;
    partita.motorenero = 0;
    return;
  }
  const bool white = posizioni[0].side == WHITE;
  if (!white) scrivilinea("tempo azzerato");
  moveStart = adesso();
  clockNow = moveStart;
  scrivilinea(posizionefen(posizioni[0]));
  SearchLimits limits;
  limits.timeDivisor = 4;
  auto post = [](const Iteration& it) {
    if (pensieri) scrivilinea(thinkingLine(it));
  };
  EngineChoice choice = pensamossa(limits, post);
  partita.inricerca = white ? 1 : 2;
  std::string line = mossawinboard(choice.move);
  bool played = choice.move && giocamossa(choice.move);
  if (!played && choice.fromBook) {
    // A book line from another position can name an illegal move: search instead.
    posizioni[0].phase = 2;
    choice = pensamossa(limits, post);
    partita.inricerca = white ? 1 : 2;
    line = mossawinboard(choice.move);
    played = choice.move && giocamossa(choice.move);
  }
  if (played) {
    const int after = finepartita();
    if (after != GAME_RESIGN) scrivilinea(line);
    resultAfter(after, white);
  }
  partita.inricerca = 0;
}
