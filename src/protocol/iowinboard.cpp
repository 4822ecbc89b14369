#include "protocol/iowinboard.h"

#include <csignal>
#include <cstdlib>

#include "engine/position/game.h"
#include "engine/search/clock.h"
#include "records/coordinates.h"
#include "text/Textrout.h"
#include "text/output.h"

uint8_t forzato = 0;
uint8_t pensieri = 0;

const char* const FEATURELINE = "feature done=0 myname=\"Zefiran_3D 0.92\"analyze=0 done=1";

void avviawinboard() {
  modointerfaccia = 2;
  // Front ends interrupt their engines with SIGINT unless told otherwise.
  std::signal(SIGINT, SIG_IGN);
  scrivilinea("Zefiran_3D 0.92 by the Zefiran_3D team");
  scrivilinea("Winboard gui detected");
  scrivilinea(FEATURELINE);
}

namespace {

// A decimal number such as "5", "0.5" or "12"; false for anything else.
bool decimal(const std::string& s, double& out) {
  if (s.empty()) return false;
  char* end = nullptr;
  out = std::strtod(s.c_str(), &end);
  return end && *end == '\0' && out >= 0 && out < 1e7;
}

}  // namespace

bool leggilivello(std::string_view line) {
  const std::string rest = tagliainizio(line, 6);
  const size_t b1 = rest.find(' ');
  const std::string mps = trimspazi(b1 == std::string::npos ? rest : rest.substr(0, b1));
  const std::string tail = b1 == std::string::npos ? std::string() : rest.substr(b1 + 1);
  const size_t b2 = tail.find(' ');
  const std::string base = trimspazi(b2 == std::string::npos ? tail : tail.substr(0, b2));
  const std::string inc = trimspazi(b2 == std::string::npos ? std::string() : tail.substr(b2 + 1));
  scrivilinea("tempo = " + base + " per " + mps + " mosse + " + inc + " secondi");

  int moves = 0;
  double minutes = 0, seconds = 0, increment = 0;
  if (!leggiintero(mps, moves) || moves < 0 || !decimal(inc, increment)) return false;
  const size_t colon = base.find(':');
  if (colon == std::string::npos) {
    if (!decimal(base, minutes)) return false;
  } else if (!decimal(base.substr(0, colon), minutes) || !decimal(base.substr(colon + 1), seconds)) {
    return false;
  }
  partita.tempoBase = static_cast<int32_t>(minutes * 60000 + seconds * 1000);
  partita.mossePerControllo = moves;
  partita.incremento = static_cast<int32_t>(increment * 1000);
  partita.modoTempo = partita.incremento != 0 ? TC_INCREMENT : moves != 0 ? TC_MOVES : TC_GAME;
  return true;
}

int colonnadalettera(char letter) { return letter >= 'a' && letter <= 'h' ? letter - 'a' : 0; }

uint32_t leggimossa(std::string_view text) {
  if (text.size() < 4) return 0;
  if (text[1] < '1' || text[1] > '8' || text[3] < '1' || text[3] > '8') return 0;
  const int from = colonnadalettera(text[0]) + 8 * (text[1] - '1');
  const int to = colonnadalettera(text[2]) + 8 * (text[3] - '1');
  uint32_t promo = 0;
  if (text.size() > 4) {
    switch (text[4]) {
      case 'q': promo = MV_PROMO_Q; break;
      case 'n': promo = MV_PROMO_N; break;
      case 'r': promo = MV_PROMO_R; break;
      case 'b': promo = MV_PROMO_B; break;
      default: break;
    }
  }
  const tposizione& p = posizioni[0];
  const int8_t piece = p.board[from];
  uint32_t capture = 0;
  if (p.board[to] != 0) capture = MV_CAPTURE;
  if ((piece == 1 || piece == -1) && (from & 7) != (to & 7) && p.board[to] == 0) {
    const int behind = piece == 1 ? to - 8 : to + 8;
    if (behind >= 0 && behind < 64 && p.board[behind] != 0) capture = MV_CAPTURE;
  }
  return mvMake(from, to, capture | promo);
}

std::string mossawinboard(uint32_t move) { return "move " + coordinata(move, true); }

std::string posizionefen(const tposizione& p) {
  static const char white[] = " PNBRQK";
  static const char black[] = " pnbrqk";
  std::string out;
  for (int r = 7; r >= 0; --r) {
    int run = 0;
    for (int f = 0; f < 8; ++f) {
      const int8_t v = p.board[r * 8 + f];
      if (v == 0 || v > 6 || v < -6) {
        ++run;
        continue;
      }
      if (run) out += static_cast<char>('0' + run);
      run = 0;
      out += v > 0 ? white[v] : black[-v];
    }
    if (run) out += static_cast<char>('0' + run);
    if (r > 0) out += '/';
  }
  out += p.side == BLACK ? " b " : " w ";
  return out;
}
