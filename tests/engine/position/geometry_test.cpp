#include "engine/position/geometry.h"

#include <gtest/gtest.h>

#include <string>

#include "support/engine_fixture.h"

using zeftest::sq;

TEST(Geometry, RelationPrecedence) {
  EXPECT_EQ(relation[sq("a1")][sq("a1")], 1);
  EXPECT_EQ(relation[sq("a1")][sq("a8")], 1);
  EXPECT_EQ(relation[sq("a1")][sq("h1")], 1);
  EXPECT_EQ(relation[sq("a1")][sq("h8")], 2);
  EXPECT_EQ(relation[sq("a1")][sq("b3")], 3);
  EXPECT_EQ(relation[sq("a1")][sq("b4")], 0);
  EXPECT_EQ(relation[sq("e4")][sq("d6")], 3);
}

TEST(Geometry, DistancesRaysAndColours) {
  EXPECT_EQ(distance[sq("a1")][sq("h8")], 7);
  EXPECT_EQ(distance[sq("e4")][sq("f6")], 2);
  EXPECT_EQ(squarecolour[sq("a1")], 0);
  EXPECT_EQ(squarecolour[sq("h1")], 1);
  EXPECT_EQ(rayUpRight[sq("c1")], 5);
  EXPECT_EQ(rayUpLeft[sq("c1")], 2);
  EXPECT_EQ(rayDownRight[sq("c1")], 0);
  EXPECT_EQ(rayDownLeft[sq("f6")], 5);
}

TEST(Geometry, KnightListOrder) {
  // d4: -17 -15 +15 +17 -10 +6 -6 +10
  const uint8_t* l = knightlist[sq("d4")];
  ASSERT_EQ(l[0], 8);
  const char* expect[] = {"c2", "e2", "c6", "e6", "b3", "b5", "f3", "f5"};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(l[1 + i], sq(expect[i]));
  EXPECT_EQ(knightlist[sq("a1")][0], 2);
  EXPECT_EQ(knightlist[sq("a1")][1], sq("b3"));
  EXPECT_EQ(knightlist[sq("a1")][2], sq("c2"));
}

TEST(Geometry, BetweenSets) {
  // a1-a4: a2, a3
  EXPECT_EQ(betweenlo[sq("a1")][sq("a4")], (1u << sq("a2")) | (1u << sq("a3")));
  EXPECT_EQ(betweenhi[sq("a1")][sq("a4")], 0u);
  EXPECT_EQ(betweenlo[sq("a1")][sq("a2")], 0u);
  EXPECT_EQ(betweenlo[sq("a1")][sq("b3")], 0u);
  EXPECT_EQ(betweenhi[sq("h8")][sq("a1")], (1u << (sq("g7") - 32)) | (1u << (sq("f6") - 32)) | (1u << (sq("e5") - 32)));
  EXPECT_EQ(betweenlo[sq("h8")][sq("a1")], (1u << sq("d4")) | (1u << sq("c3")) | (1u << sq("b2")));
}

TEST(Geometry, EdgeAndClassTables) {
  EXPECT_EQ(kingclass[sq("a1")], 2);
  EXPECT_EQ(kingclass[sq("e1")], 1);
  EXPECT_EQ(kingclass[sq("e4")], 0);
  EXPECT_EQ(knightclass[sq("c3")], 1);
  EXPECT_EQ(knightclass[sq("b3")], 0);
  EXPECT_EQ(kingedgelist[sq("h2")][3], sq("h3"));
  // Every listed edge neighbour is a true neighbour.
  for (int s = 0; s < 64; ++s) {
    int n = kingclass[s] == 1 ? 5 : kingclass[s] == 2 ? 3 : 0;
    for (int i = 0; i < n; ++i) EXPECT_EQ(distance[s][kingedgelist[s][i]], 1) << s;
  }
}

TEST(Geometry, PerpicFormat) {
  std::string t = perpicText();
  std::string first = t.substr(0, t.find("\r\n"));
  EXPECT_EQ(first, "     1,1,1,1,1,1,1,1, //0");
  // 512 lines
  size_t lines = 0;
  for (size_t p = 0; (p = t.find("\r\n", p)) != std::string::npos; p += 2) ++lines;
  EXPECT_EQ(lines, 512u);
  // Square 1 (b1), second line (targets a2..h2): a2 diag, b2 line, c2 diag, d2 knight.
  size_t pos = 0;
  for (int i = 0; i < 9; ++i) pos = t.find("\r\n", pos) + 2;
  EXPECT_EQ(t.substr(pos, t.find("\r\n", pos) - pos), "     2,1,2,3,0,0,0,0, //1");
}
