// Position keys, the transposition table and the principal-variation table.
// Scores are from White's point of view; mate scores are made relative to
// the node when stored and converted back when read.
#pragma once

#include <cstdint>

#include "engine/position/position.h"

// Key tables. Piece-square entries are indexed by [square][piece code + 6];
// the empty-square entry (index 6) is 0. The constants come from a
// fixed-seed generator, so they are the same on every run.
namespace keytables {
struct SplitMix {
  uint64_t state;
  constexpr uint32_t next() {
    state += 0x9e3779b97f4a7c15ull;
    uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return static_cast<uint32_t>((z ^ (z >> 31)) >> 16);
  }
};
struct PieceKeys {
  uint32_t check[64][13] = {};
  uint32_t index[64][13] = {};
  constexpr PieceKeys() {
    SplitMix g{0x5a3f1e2d7c9b4a61ull};
    for (int s = 0; s < 64; ++s)
      for (int c = 0; c < 13; ++c) {
        const uint32_t a = g.next(), b = g.next();
        check[s][c] = c == 6 ? 0 : a;
        index[s][c] = c == 6 ? 0 : b;
      }
  }
};
inline constexpr PieceKeys pieceKeys{};
}  // namespace keytables
inline constexpr const uint32_t (&pieceKeysCheck)[64][13] = keytables::pieceKeys.check;
inline constexpr const uint32_t (&pieceKeysIndex)[64][13] = keytables::pieceKeys.index;
extern uint32_t sideKeyCheck, sideKeyIndex;
extern uint32_t castleKeysCheck[64], castleKeysIndex[64];
extern uint32_t epKeysCheck[11], epKeysIndex[11];

void initHashKeys();
// Recompute both key halves of record ply from scratch; true when they equal
// the ones the record held.
bool computeKeys();

struct HashEntry {
  uint32_t check;
  uint32_t index;
  uint32_t move;  // low 17 bits of the best move; 0 = empty
  int16_t score;
  uint8_t depth;
  uint8_t flags;  // bits 1..7 generation, bit 0 exact
};
static_assert(sizeof(HashEntry) == 16);

struct PvEntry {
  uint32_t check;
  uint32_t data;  // bits 24..31 ply, bits 0..16 move
};
static_assert(sizeof(PvEntry) == 8);

constexpr int PVENTRIES = 0x20000;
constexpr uint32_t PV_RESET = 0x40000000;
constexpr int HASH_DEFAULT_LEVEL = 3;
constexpr int16_t NOHASHSCORE = 9999;

extern HashEntry* hashTable;
extern uint32_t hashMask;
extern uint8_t hashGeneration;
extern PvEntry pvTable[PVENTRIES];
extern uint32_t hashMove;
extern int16_t hashScore;
extern int32_t hashHits;

// Size the table for a "hash" level (1..10, 2^(15+level) entries); any other
// level gives the default 2^18. Entries up to the smaller size keep their
// contents. When memory is short the table falls back to smaller sizes.
// Returns the number of entries the table now has.
uint32_t setHashLevel(int level);
uint32_t hashEntries();
void releaseHashTable();

void clearHashTable();
void newSearchGeneration();
void clearPvTable();
bool probeHashMove();
bool probeHashChild(int requiredDepth, int makePly);
void storeHash();
bool probePvMove();

// The hash move stored for a position, or 0 (the generators' hash-first mode).
inline uint32_t tableMoveFor(const tposizione& p) {
  const HashEntry& e = hashTable[p.hashindex & hashMask];
  if (e.check == p.hashcheck && e.index == p.hashindex) return e.move;
  return 0;
}
