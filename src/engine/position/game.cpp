#include "engine/position/game.h"

#include <string>

#include "engine/host.h"
#include "engine/position/attacks.h"
#include "engine/position/fen.h"
#include "engine/position/makemove.h"
#include "engine/position/movegen.h"
#include "engine/position/position.h"
#include "engine/search/evaluation.h"

uint32_t storico[STORICOSIZE];
int32_t modointerfaccia = 0;
bool abbandonoconsentito = false;

namespace {

// Record 1 becomes the game position, with its repetition entry.
void promoteRecordOne() {
  ply = 1;
  posizioni[1].pawnslot = 0;
  evaluatePawns();
  posizioni[0] = posizioni[1];
  posizioni[0].extension = 0;
  const int index = posizioni[0].halfmoves - 1;
  // Past the fifty-move verdict the history has no room; those positions are not recorded.
  if (index >= 0 && index < STORICOSIZE) storico[index] = posizioni[0].hashcheck;
}

}  // namespace

void cancellastorico() {
  for (uint32_t& e : storico) e = 0;
}

bool giocamossa(uint32_t move) {
  tpartita& g = partita;
  const int slot = (g.current < 0 || g.current != g.count) ? (g.current < 0 ? 0 : g.current) : g.count;
  if (slot >= MAXGAMEMOVES) return false;
  ply = 1;
  if (!eseguimossa(move, 32100)) return false;
  if (g.current < 0 || g.current != g.count) {
    const int from = g.current < 0 ? 0 : g.current;
    for (int i = from; i < g.count && i < MAXGAMEMOVES; ++i) {
      g.moves[i] = 0;
      g.movetext[i].clear();
    }
    g.count = from;
    g.current = from;
  }
  g.moves[g.count] = move;
  ++g.count;
  ++g.current;
  if (modointerfaccia != 2) g.movetext[g.count - 1] = engineHost().moveText(move & MV_MOVE);
  promoteRecordOne();
  return true;
}

uint32_t mossavalida(uint32_t code) {
  ply = 1;
  const int n = generamosse(false);
  uint32_t result = 0;
  for (int i = 1; i <= n; ++i) {
    const uint32_t m = listamosse[1][i];
    if (m != 0 && (m & MV_SQUARES) == (code & MV_SQUARES)) result = m & MV_MOVE;
  }
  return result;
}

int repetitionCount() {
  const uint32_t key = posizioni[ply - 1 >= 0 ? ply - 1 : 0].hashcheck;
  const int n = posizioni[0].halfmoves < STORICOSIZE ? posizioni[0].halfmoves : STORICOSIZE;
  int count = 0;
  for (int i = 0; i < n; ++i) count += storico[i] == key;
  return count;
}

int numeromossa() { return (partita.count + 1) / 2; }

int finepartita() {
  tpartita& g = partita;
  const tposizione& root = posizioni[0];
  int code = GAME_ON;
  ply = 1;
  if (root.halfmoves > 100) {
    code = GAME_FIFTY;
  } else if (repetitionCount() >= 3) {
    code = GAME_REPETITION;
  } else if (root.materialkey == 0 || root.materialkey == MK_WBISHOP || root.materialkey == MK_WKNIGHT ||
             root.materialkey == MK_BBISHOP || root.materialkey == MK_BKNIGHT) {
    code = GAME_MATERIAL;
  } else {
    const bool white = root.side == WHITE;
    bool inCheck;
    if (white) {
      calcolaattacchinero(0);
      inCheck = attacchinero[0].sq[root.whiteking] != 0;
    } else {
      calcolaattacchibianco(0);
      inCheck = attacchibianco[0].sq[root.blackking] != 0;
    }
    ply = 1;
    const int n = white ? generabianco(false) : generanero(false);
    int legal = 0;
    for (int i = 1; i <= n && legal == 0; ++i) {
      ply = 1;
      if (eseguimossa(listamosse[1][i], 32100)) ++legal;
    }
    ply = 1;
    if (legal == 0) code = inCheck ? GAME_MATE : GAME_STALEMATE;
    if (code == GAME_ON && abbandonoconsentito && root.phase >= 2 && g.resigncount > 2) code = GAME_RESIGN;
  }
  switch (code) {
    case GAME_STALEMATE:
      g.result = "1/2-1/2";
      g.message = "Zefiran3D: Partita patta (stallo)";
      break;
    case GAME_MATE:
      g.result = root.side == WHITE ? "0-1" : "1-0";
      g.message = root.side == WHITE ? "Zefiran3D: Il Nero Vince" : "Zefiran3D: Il Bianco Vince";
      break;
    case GAME_REPETITION:
      g.result = "1/2-1/2";
      g.message = "Zefiran3D: Partita patta (3x)";
      break;
    case GAME_MATERIAL:
      g.result = "1/2-1/2";
      g.message = "Zefiran3D: Partita patta (mat. insufficiente)";
      break;
    case GAME_FIFTY:
      g.result = "1/2-1/2";
      g.message = "Zefiran3D: Partita patta (50 mosse)";
      break;
    case GAME_RESIGN:
      g.result = root.side == WHITE ? "1-0" : "0-1";
      g.message = root.side == WHITE ? "Zefiran3D: il nero abbandona" : "Zefiran3D: il bianco abbandona";
      break;
    default: break;
  }
  return code;
}

void rigiocapartita(int n) {
  const std::string start = partita.startfen.empty() ? std::string(STARTFEN) : partita.startfen.str();
  impostafen(start, false);
  if (n < 0) n = 0;
  if (n > partita.count) n = partita.count;
  for (int i = 0; i < n; ++i) {
    ply = 1;
    if (eseguimossa(partita.moves[i], 32100)) promoteRecordOne();
  }
  partita.current = n;
}
