// Pawn-structure entries and the evaluation of king-and-pawn endings.
#include "engine/position/geometry.h"
#include "engine/search/clock.h"
#include "engine/search/evaltables.h"
#include "engine/search/evaluation.h"

PawnEntry pawnEntries[MAXPLY];

void evaluatePawns() {
  const tposizione& p = posizioni[ply];
  PawnEntry& e = pawnEntryOf(p);
  for (int i = 0; i < 10; ++i) {
    e.whiteFileCount[i] = 0;
    e.blackFileCount[i] = 0;
    e.blackRankMax[i] = 0;
    e.whiteRankMin[i] = 8;
  }
  e.whitePassedFiles = 0;
  e.blackPassedFiles = 0;
  e.whitePassedFar = 0;
  e.blackPassedFar = 0;

  for (int i = 0; i < p.wpawns.n; ++i) {
    const int s = p.wpawns.sq[i], f = fileOf(s) + 1, r = rankOf(s);
    ++e.whiteFileCount[f];
    if (r < e.whiteRankMin[f]) e.whiteRankMin[f] = static_cast<uint8_t>(r);
  }
  for (int i = 0; i < p.bpawns.n; ++i) {
    const int s = p.bpawns.sq[i], f = fileOf(s) + 1, r = rankOf(s);
    ++e.blackFileCount[f];
    if (r > e.blackRankMax[f]) e.blackRankMax[f] = static_cast<uint8_t>(r);
  }

  // Pawn square tables: the middle-game ones only in phase 2 (phase 1 uses
  // the ending ones, as the generators' ordering pass does).
  const bool middle = p.phase == 2;
  int score = 0;
  for (int i = 0; i < p.wpawns.n; ++i) {
    const int s = p.wpawns.sq[i], f = fileOf(s), r = rankOf(s), x = f + 1;
    if (e.whiteFileCount[x - 1] == 0 && e.whiteFileCount[x + 1] == 0) score -= 12;
    if (r > e.blackRankMax[x] && r >= e.blackRankMax[x - 1] && r >= e.blackRankMax[x + 1]) {
      e.whitePassedFiles |= static_cast<uint16_t>(1u << x);
      if (s > 39) e.whitePassedFar = 1;
      score += passedWhite[s];
      if (f >= 1 && f <= 6 && (p.board[s - 1] == PAWN || p.board[s + 1] == PAWN)) score += connectedWhite[r];
    }
    if (e.whiteFileCount[x] > 1) score -= 10;
    score += middle ? pawnWhiteMiddle[s] : pawnWhiteEnd[s];
  }
  for (int i = 0; i < p.bpawns.n; ++i) {
    const int s = p.bpawns.sq[i], f = fileOf(s), r = rankOf(s), x = f + 1;
    if (e.blackFileCount[x - 1] == 0 && e.blackFileCount[x + 1] == 0) score += 12;
    if (r < e.whiteRankMin[x] && r <= e.whiteRankMin[x - 1] && r <= e.whiteRankMin[x + 1]) {
      e.blackPassedFiles |= static_cast<uint16_t>(1u << x);
      if (s < 24) e.blackPassedFar = 1;
      score -= passedBlack[s];
      if (f >= 1 && f <= 6 && (p.board[s - 1] == -PAWN || p.board[s + 1] == -PAWN)) score -= connectedBlack[r];
    }
    if (e.blackFileCount[x] > 1) score += 10;
    score -= middle ? pawnBlackMiddle[s] : pawnBlackEnd[s];
  }
  e.pawnScore = static_cast<int16_t>(score);
}

int evaluatePawnEnding(int atPly) {
  // The pawn ending is searched deeply and cheaply: keep the cached time
  // fresh for the search's own deadline checks.
  if ((++evalCalls & 1023) == 0) sampleClock();
  const tposizione& p = posizioni[atPly];
  if (atPly > 15 && p.halfmoves > 14) return 0;
  const PawnEntry& e = pawnEntryOf(p);
  const int wk = p.whiteking, bk = p.blackking;

  bool blackRuns = false, whiteRuns = false;
  for (int i = 0; i < p.bpawns.n; ++i) {
    const int s = p.bpawns.sq[i];
    if (!(e.blackPassedFiles & (1u << (fileOf(s) + 1)))) continue;
    const int queening = fileOf(s);
    const int dp = distance[s][queening], dk = distance[wk][queening];
    if (p.side == WHITE ? dp + 1 < dk : dp < dk) blackRuns = true;
  }
  for (int i = 0; i < p.wpawns.n; ++i) {
    const int s = p.wpawns.sq[i];
    if (!(e.whitePassedFiles & (1u << (fileOf(s) + 1)))) continue;
    const int queening = 56 + fileOf(s);
    const int dp = distance[s][queening], dk = distance[bk][queening];
    if (p.side == BLACK ? dp + 1 < dk : dp < dk) whiteRuns = true;
  }

  int v = e.pawnScore + p.material + kingend[wk] - kingend[bk];
  if (whiteRuns && !blackRuns) v += 600;
  if (blackRuns && !whiteRuns) v -= 600;
  return static_cast<int16_t>(v);
}
