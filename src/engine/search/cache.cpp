#include "engine/search/cache.h"

#include <algorithm>
#include <new>

#include "engine/search/searchstate.h"
#include "engine/toolkit.h"

namespace {

using keytables::SplitMix;

// Until the table is sized it is one empty entry, so a probe never reads
// unallocated memory.
HashEntry fallbackEntry[1];
HashEntry* allocated = nullptr;
uint32_t entries = 1;

}  // namespace

uint32_t sideKeyCheck, sideKeyIndex;
uint32_t castleKeysCheck[64], castleKeysIndex[64];
uint32_t epKeysCheck[11], epKeysIndex[11];

HashEntry* hashTable = fallbackEntry;
uint32_t hashMask = 0;
uint8_t hashGeneration = 0;
PvEntry pvTable[PVENTRIES];
uint32_t hashMove = 0;
int16_t hashScore = NOHASHSCORE;
int32_t hashHits = 0;

void initHashKeys() {
  SplitMix g{0x1d2c3b4a59687766ull};
  sideKeyCheck = g.next();
  sideKeyIndex = g.next();
  for (int i = 0; i < 64; ++i) {
    castleKeysCheck[i] = g.next();
    castleKeysIndex[i] = g.next();
  }
  for (int i = 0; i < 11; ++i) {
    epKeysCheck[i] = g.next();
    epKeysIndex[i] = g.next();
  }
  epKeysCheck[10] = epKeysIndex[10] = 0;
}

bool computeKeys() {
  tposizione& p = posizioni[ply];
  uint32_t c = 0, x = 0;
  for (int s = 0; s < 64; ++s) {
    if (!p.board[s]) continue;
    c ^= pieceKeysCheck[s][p.board[s] + 6];
    x ^= pieceKeysIndex[s][p.board[s] + 6];
  }
  if (p.side == BLACK) {
    c ^= sideKeyCheck;
    x ^= sideKeyIndex;
  }
  if (p.epfile != 10 && p.epfile < 11) {
    c ^= epKeysCheck[p.epfile];
    x ^= epKeysIndex[p.epfile];
  }
  c ^= castleKeysCheck[p.castling & 63];
  x ^= castleKeysIndex[p.castling & 63];
  bool same = c == p.hashcheck && x == p.hashindex;
  p.hashcheck = c;
  p.hashindex = x;
  return same;
}

uint32_t setHashLevel(int level) {
  if (level < 1 || level > 10) level = HASH_DEFAULT_LEVEL;
  uint32_t wanted = 1u << (15 + level);
  HashEntry* fresh = nullptr;
  while (!fresh && wanted >= (1u << 16)) {
    fresh = new (std::nothrow) HashEntry[wanted];
    if (!fresh) wanted >>= 1;
  }
  if (!fresh) return entries;  // keep whatever table there is
  uint32_t keep = std::min(wanted, entries);
  std::copy(hashTable, hashTable + keep, fresh);
  std::fill(fresh + keep, fresh + wanted, HashEntry{});
  delete[] allocated;
  allocated = fresh;
  hashTable = fresh;
  entries = wanted;
  hashMask = wanted - 1;
  return entries;
}

uint32_t hashEntries() { return entries; }

void releaseHashTable() {
  delete[] allocated;
  allocated = nullptr;
  hashTable = fallbackEntry;
  fallbackEntry[0] = HashEntry{};
  entries = 1;
  hashMask = 0;
}

void clearHashTable() {
  for (uint32_t i = 0; i < entries; ++i) {
    hashTable[i].move = 0;
    hashTable[i].depth = 0;
    hashTable[i].flags = 0;
  }
}

void clearPvTable() {
  for (auto& e : pvTable) e.data = PV_RESET;
}

void newSearchGeneration() {
  hashGeneration = static_cast<uint8_t>(2 * casuale(128));
  clearPvTable();
}

bool probeHashMove() {
  const tposizione& p = posizioni[ply - 1];
  const HashEntry& e = hashTable[p.hashindex & hashMask];
  if (e.check != p.hashcheck || e.index != p.hashindex || e.move == 0) return false;
  hashMove = e.move;
  return true;
}

bool probeHashChild(int requiredDepth, int makePly) {
  const tposizione& p = posizioni[ply];
  const HashEntry& e = hashTable[p.hashindex & hashMask];
  if (e.check != p.hashcheck || e.index != p.hashindex || e.move == 0) return false;
  hashMove = e.move;
  hashScore = NOHASHSCORE;
  if (static_cast<int>(e.depth) >= requiredDepth && (e.flags ^ hashGeneration) < 2) {
    int s = e.score;
    if (s > 31000)
      s -= makePly / 2;
    else if (s < -31000)
      s += makePly / 2;
    hashScore = static_cast<int16_t>(s);
  }
  return true;
}

void storeHash() {
  const int p = ply;
  uint32_t best = bestMove[p];
  if (best == 0) return;
  const tposizione& pos = posizioni[p - 1];
  int score = nodeScore[p];
  uint8_t exact = exactFlag[p];
  if (pos.side == WHITE) {
    if (score < whiteBound[p]) exact = 0;
  } else {
    if (score > blackBound[p]) exact = 0;
  }
  uint8_t d = (p - 1 < iterationDepth) ? static_cast<uint8_t>(iterationDepth - (p - 1)) : 0;
  HashEntry& e = hashTable[pos.hashindex & hashMask];
  if (d >= e.depth || (e.flags & 0xfe) != hashGeneration) {
    int s = score;
    if (s > 31000)
      s += (p - 1) / 2;
    else if (s < -31000)
      s -= (p - 1) / 2;
    e.check = pos.hashcheck;
    e.index = pos.hashindex;
    e.move = best & MV_MOVE;
    e.depth = d;
    e.flags = static_cast<uint8_t>(hashGeneration | (exact ? 1 : 0));
    e.score = static_cast<int16_t>(s);
  }
  if (exact) {
    PvEntry& v = pvTable[pos.hashindex & (PVENTRIES - 1)];
    uint32_t key = static_cast<uint32_t>(p) << 24;
    if (key < v.data) {
      v.check = pos.hashcheck;
      v.data = key + (best & MV_MOVE);
    }
  }
}

bool probePvMove() {
  const tposizione& p = posizioni[ply - 1];
  const PvEntry& v = pvTable[p.hashindex & (PVENTRIES - 1)];
  if (v.check != p.hashcheck || (v.data & MV_MOVE) == 0) return false;
  hashMove = v.data & MV_MOVE;
  return true;
}
