// Transposition table and principal-variation table.
#include "engine/search/cache.h"

#include <gtest/gtest.h>

#include <cstddef>

#include "engine/position/position.h"
#include "engine/search/searchstate.h"
#include "support/engine_fixture.h"

namespace {

class Cache : public ::testing::Test {
 protected:
  void SetUp() override {
    zeftest::setUp(STARTFEN);
    clearHashTable();
    clearPvTable();
    hashGeneration = 4;
  }
  void TearDown() override { ply = 0; }

  // Finish the node at ply p on the position with the given keys.
  static void store(int p, uint32_t check, uint32_t index, uint32_t move, int score, int depth, uint8_t exact = 1,
                    uint8_t side = WHITE) {
    ply = p;
    posizioni[p - 1].hashcheck = check;
    posizioni[p - 1].hashindex = index;
    posizioni[p - 1].side = side;
    bestMove[p] = move;
    nodeScore[p] = score;
    exactFlag[p] = exact;
    whiteBound[p] = -32000;
    blackBound[p] = 32000;
    iterationDepth = depth + p - 1;  // remaining depth at the node
    storeHash();
  }

  // Make-move's probe of a child with the given keys at record p.
  static bool probeChild(int p, uint32_t check, uint32_t index, int required) {
    ply = p;
    posizioni[p].hashcheck = check;
    posizioni[p].hashindex = index;
    return probeHashChild(required, p);
  }

  static bool probeNode(int p, uint32_t check, uint32_t index) {
    ply = p;
    posizioni[p - 1].hashcheck = check;
    posizioni[p - 1].hashindex = index;
    return probeHashMove();
  }
};

constexpr uint32_t MOVE_A = 12 | (28 << 6);               // e2-e4
constexpr uint32_t MOVE_B = 6 | (21 << 6);                // g1-f3
constexpr uint32_t MOVE_P = 52 | (60 << 6) | MV_PROMO_N;  // e7-e8=N

}  // namespace

TEST_F(Cache, EntryLayoutIs16Bytes) {
  EXPECT_EQ(sizeof(HashEntry), 16u);
  EXPECT_EQ(offsetof(HashEntry, check), 0u);
  EXPECT_EQ(offsetof(HashEntry, index), 4u);
  EXPECT_EQ(offsetof(HashEntry, move), 8u);
  EXPECT_EQ(offsetof(HashEntry, score), 12u);
  EXPECT_EQ(offsetof(HashEntry, depth), 14u);
  EXPECT_EQ(offsetof(HashEntry, flags), 15u);
  EXPECT_EQ(sizeof(PvEntry), 8u);
}

TEST_F(Cache, StoredEntryIsFoundAndKeepsOnlyTheMoveBits) {
  store(3, 0xabcdef01, 0x1234, MOVE_P | mvScore(500), 37, 4);
  const HashEntry& e = hashTable[0x1234 & hashMask];
  EXPECT_EQ(e.move, MOVE_P);
  EXPECT_EQ(e.depth, 4);
  EXPECT_EQ(e.flags, 4 | 1);
  EXPECT_EQ(e.score, 37);
  ASSERT_TRUE(probeNode(3, 0xabcdef01, 0x1234));
  EXPECT_EQ(hashMove, MOVE_P);
  // The generators' view of the same entry.
  EXPECT_EQ(tableMoveFor(posizioni[2]), MOVE_P);
  // Either key half differing is a miss.
  EXPECT_FALSE(probeNode(3, 0xabcdef02, 0x1234));
  EXPECT_FALSE(probeNode(3, 0xabcdef01, 0x1234 + hashMask + 1));
}

TEST_F(Cache, EntryWithoutMoveNeverMatches) {
  HashEntry& e = hashTable[0x77 & hashMask];
  e = HashEntry{0x5555, 0x77, 0, 100, 9, 4};
  EXPECT_FALSE(probeNode(2, 0x5555, 0x77));
  EXPECT_FALSE(probeChild(2, 0x5555, 0x77, 0));
  EXPECT_EQ(tableMoveFor(posizioni[1]), 0u);
  // A node without a best move stores nothing.
  store(2, 0x5555, 0x77, 0, 50, 3);
  EXPECT_EQ(e.move, 0u);
  EXPECT_EQ(e.score, 100);
}

TEST_F(Cache, DeeperCurrentEntryIsKeptOlderOneIsReplaced) {
  store(2, 0x1111, 0x99, MOVE_A, 10, 5);
  store(4, 0x2222, 0x99, MOVE_B, 20, 4);  // same slot, shallower
  EXPECT_EQ(hashTable[0x99].check, 0x1111u);
  EXPECT_EQ(hashTable[0x99].depth, 5);
  store(4, 0x2222, 0x99, MOVE_B, 20, 5);  // equal depth replaces
  EXPECT_EQ(hashTable[0x99].check, 0x2222u);
  // From an older search a shallow store replaces.
  hashGeneration = 8;
  store(5, 0x3333, 0x99, MOVE_A, 30, 1);
  EXPECT_EQ(hashTable[0x99].check, 0x3333u);
  EXPECT_EQ(hashTable[0x99].depth, 1);
  EXPECT_EQ(hashTable[0x99].flags, 8 | 1);
}

TEST_F(Cache, RemainingDepthIsZeroBeyondTheIteration) {
  ply = 6;
  posizioni[5].hashcheck = 0x4444;
  posizioni[5].hashindex = 0x55;
  posizioni[5].side = BLACK;
  bestMove[6] = MOVE_A;
  nodeScore[6] = 5;
  exactFlag[6] = 1;
  whiteBound[6] = -32000;
  blackBound[6] = 32000;
  iterationDepth = 4;
  storeHash();
  EXPECT_EQ(hashTable[0x55].depth, 0);
  EXPECT_EQ(hashTable[0x55].move, MOVE_A);
}

TEST_F(Cache, ShallowOrOldEntryGivesTheMoveButNoScore) {
  store(3, 0x6666, 0x321, MOVE_B, -45, 3);
  ASSERT_TRUE(probeChild(2, 0x6666, 0x321, 4));
  EXPECT_EQ(hashMove, MOVE_B);
  EXPECT_EQ(hashScore, NOHASHSCORE);
  ASSERT_TRUE(probeChild(2, 0x6666, 0x321, 3));
  EXPECT_EQ(hashScore, -45);
  // A later search: the move still counts, the score does not.
  hashGeneration = 6;
  ASSERT_TRUE(probeChild(2, 0x6666, 0x321, 0));
  EXPECT_EQ(hashMove, MOVE_B);
  EXPECT_EQ(hashScore, NOHASHSCORE);
  // The same generation drawn again makes the old score current.
  hashGeneration = 4;
  ASSERT_TRUE(probeChild(2, 0x6666, 0x321, 0));
  EXPECT_EQ(hashScore, -45);
}

TEST_F(Cache, BoundScoresAreUsedLikeExactOnes) {
  store(3, 0x7777, 0x400, MOVE_A, 80, 2, 0);
  EXPECT_EQ(hashTable[0x400].flags, 4);
  ASSERT_TRUE(probeChild(2, 0x7777, 0x400, 2));
  EXPECT_EQ(hashScore, 80);
}

TEST_F(Cache, MateScoresAreMadeRelativeToTheNode) {
  store(7, 0x8888, 0x500, MOVE_A, 31990, 2);
  EXPECT_EQ(hashTable[0x500].score, 31993);
  ASSERT_TRUE(probeChild(7, 0x8888, 0x500, 0));
  EXPECT_EQ(hashScore, 31990);
  // Found again two plies nearer the root: a mate one move sooner.
  ASSERT_TRUE(probeChild(5, 0x8888, 0x500, 0));
  EXPECT_EQ(hashScore, 31991);
  ASSERT_TRUE(probeChild(4, 0x8888, 0x500, 0));
  EXPECT_EQ(hashScore, 31991);
  store(7, 0x9999, 0x501, MOVE_A, -31990, 2);
  EXPECT_EQ(hashTable[0x501].score, -31993);
  ASSERT_TRUE(probeChild(7, 0x9999, 0x501, 0));
  EXPECT_EQ(hashScore, -31990);
  // Ordinary scores are stored as they are.
  store(7, 0xaaaa, 0x502, MOVE_A, 31000, 2);
  EXPECT_EQ(hashTable[0x502].score, 31000);
}

TEST_F(Cache, ExactFlagIsDroppedOutsideTheWindow) {
  // A White node that did not reach its bound, a Black node above its own.
  ply = 3;
  posizioni[2].hashcheck = 0xbbbb;
  posizioni[2].hashindex = 0x600;
  posizioni[2].side = WHITE;
  bestMove[3] = MOVE_A;
  nodeScore[3] = 10;
  exactFlag[3] = 1;
  whiteBound[3] = 20;
  iterationDepth = 5;
  storeHash();
  EXPECT_EQ(hashTable[0x600].flags & 1, 0);
  EXPECT_FALSE(probePvMove());

  posizioni[2].hashindex = 0x601;
  posizioni[2].side = BLACK;
  blackBound[3] = 5;
  storeHash();
  EXPECT_EQ(hashTable[0x601].flags & 1, 0);
  blackBound[3] = 10;
  storeHash();
  EXPECT_EQ(hashTable[0x601].flags & 1, 1);
  ASSERT_TRUE(probePvMove());
  EXPECT_EQ(hashMove, MOVE_A);
}

TEST_F(Cache, PvTableKeepsTheEntryNearestTheRoot) {
  store(5, 0xcccc, 0x700, MOVE_A, 0, 1);
  store(3, 0xcccc, 0x700, MOVE_B, 0, 1);
  store(6, 0xcccc, 0x700, MOVE_A, 0, 1);
  ply = 3;
  ASSERT_TRUE(probePvMove());
  EXPECT_EQ(hashMove, MOVE_B);
  EXPECT_EQ(pvTable[0x700].data, (3u << 24) + MOVE_B);
  // The same ply replaces the move.
  store(3, 0xcccc, 0x700, MOVE_P, 0, 1);
  EXPECT_EQ(pvTable[0x700].data, (3u << 24) + MOVE_P);
  // Another position's key is a miss; a reset table has no moves.
  posizioni[2].hashcheck = 0xcccd;
  EXPECT_FALSE(probePvMove());
  posizioni[2].hashcheck = 0xcccc;
  newSearchGeneration();
  EXPECT_EQ(hashGeneration % 2, 0);
  EXPECT_EQ(pvTable[0x700].data, PV_RESET);
  EXPECT_FALSE(probePvMove());
}

TEST_F(Cache, ClearKeepsKeysAndScoresButEmptiesEntries) {
  store(2, 0xdddd, 0x800, MOVE_A, 77, 6);
  clearHashTable();
  const HashEntry& e = hashTable[0x800];
  EXPECT_EQ(e.move, 0u);
  EXPECT_EQ(e.depth, 0);
  EXPECT_EQ(e.flags, 0);
  EXPECT_EQ(e.check, 0xddddu);
  EXPECT_EQ(e.score, 77);
  EXPECT_FALSE(probeNode(2, 0xdddd, 0x800));
}

TEST_F(Cache, ResizingKeepsEntriesUpToTheSmallerSize) {
  ASSERT_EQ(setHashLevel(2), 131072u);
  EXPECT_EQ(hashMask, 0x1ffffu);
  store(2, 0xeeee, 5, MOVE_A, 11, 3);
  store(2, 0xffff, 100000, MOVE_B, 22, 3);
  ASSERT_EQ(setHashLevel(1), 65536u);
  EXPECT_EQ(hashMask, 0xffffu);
  EXPECT_TRUE(probeNode(2, 0xeeee, 5));
  EXPECT_EQ(hashTable[5].score, 11);
  ASSERT_EQ(setHashLevel(2), 131072u);
  EXPECT_TRUE(probeNode(2, 0xeeee, 5));
  EXPECT_EQ(hashTable[100000].move, 0u);
  EXPECT_FALSE(probeNode(2, 0xffff, 100000));
  EXPECT_EQ(setHashLevel(HASH_DEFAULT_LEVEL), 262144u);
  EXPECT_TRUE(probeNode(2, 0xeeee, 5));
}

TEST_F(Cache, LevelOutsideTheRangeGivesTheDefaultSize) {
  for (int level : {0, 11, -3, 99}) {
    EXPECT_EQ(setHashLevel(level), 262144u) << level;
    EXPECT_EQ(hashMask, 0x3ffffu);
    EXPECT_EQ(hashEntries(), 262144u);
  }
  EXPECT_EQ(setHashLevel(1), 65536u);
  EXPECT_EQ(setHashLevel(HASH_DEFAULT_LEVEL), 262144u);
}
