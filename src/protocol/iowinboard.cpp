#include "protocol/iowinboard.h"

#include <csignal>
#include <cstdlib>

#include "engine/position/fen.h"
#include "engine/position/game.h"
#include "engine/search/clock.h"
#include "game/game.h"
#include "protocol/numbers.h"
#include "records/coordinates.h"
#include "records/debugoutput.h"
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

bool leggilivello(std::string_view line) {
  const std::string rest = tagliainizio(line, 6);
  const size_t b1 = rest.find(' ');
  const std::string mps = trimspazi(b1 == std::string::npos ? rest : rest.substr(0, b1));
  const std::string tail = b1 == std::string::npos ? std::string() : rest.substr(b1 + 1);
  const size_t b2 = tail.find(' ');
  const std::string base = trimspazi(b2 == std::string::npos ? tail : tail.substr(0, b2));
  const std::string inc = trimspazi(b2 == std::string::npos ? std::string() : tail.substr(b2 + 1));
  debugLine("tempo = " + base + " per " + mps + " mosse + " + inc + " secondi");

  // Every field is clamped to what the clocks can hold: a front end's
  // "unlimited" must not wrap round into a negative time.
  int64_t moves = 0, minutes = 0, seconds = 0, increment = 0;
  if (!boundedInteger(mps, 0, MAXMOVESPERCONTROL, moves)) return false;
  if (mps.find('-') != std::string::npos) return false;
  if (!boundedDecimal(inc, 1000, MAXCLOCKMS / 10, increment)) return false;
  const size_t colon = base.find(':');
  if (colon == std::string::npos) {
    if (!boundedDecimal(base, 60000, MAXCLOCKMS, minutes)) return false;
  } else if (!boundedDecimal(base.substr(0, colon), 60000, MAXCLOCKMS, minutes) ||
             !boundedDecimal(base.substr(colon + 1), 1000, MAXCLOCKMS, seconds)) {
    return false;
  }
  const int64_t total = minutes + seconds;
  const int32_t kind = increment != 0 ? TC_INCREMENT : moves != 0 ? TC_MOVES : TC_GAME;
  game::setTimeControl(static_cast<int32_t>(total > MAXCLOCKMS ? MAXCLOCKMS : total), static_cast<int32_t>(moves),
                       static_cast<int32_t>(increment), kind, game::record().tempoFinale);
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
  std::string out = fenPlacement(p.board);
  out += p.side == BLACK ? " b " : " w ";
  return out;
}
