#include "engine/position/geometry.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>

uint8_t relation[64][64];
uint8_t distance[64][64];
uint8_t squarecolour[64];
int32_t rayUpRight[64];
int32_t rayUpLeft[64];
int32_t rayDownRight[64];
int32_t rayDownLeft[64];
uint8_t knightlist[64][9];
uint32_t betweenlo[64][64];
uint32_t betweenhi[64][64];
uint32_t knightsetlo[64], knightsethi[64];
uint32_t linesetlo[64], linesethi[64];
uint32_t kingsetlo[64], kingsethi[64];

namespace {

// a1=0 ... h8=63
constexpr uint8_t sq(const char* n) { return static_cast<uint8_t>((n[0] - 'a') + 8 * (n[1] - '1')); }

struct EdgeEntry {
  const char* square;
  const char* n[5];
};

constexpr EdgeEntry edgeTable[28] = {
    {"a1", {"b1", "a2", "b2"}},
    {"b1", {"a1", "c1", "a2", "b2", "c2"}},
    {"c1", {"b1", "d1", "b2", "c2", "d2"}},
    {"d1", {"c1", "e1", "c2", "d2", "e2"}},
    {"e1", {"d1", "f1", "d2", "e2", "f2"}},
    {"f1", {"e1", "g1", "e2", "f2", "g2"}},
    {"g1", {"f1", "h1", "f2", "g2", "h2"}},
    {"h1", {"g1", "g2", "h2"}},
    {"a2", {"a1", "b1", "a3", "b3", "b2"}},
    {"h2", {"g1", "h1", "g2", "h3", "g3"}},
    {"a3", {"a4", "b4", "b3", "a2", "b2"}},
    {"h3", {"g2", "h2", "g3", "h4", "g4"}},
    {"a4", {"a3", "b3", "b4", "a5", "b5"}},
    {"h4", {"g3", "h3", "g4", "h5", "g5"}},
    {"a5", {"a4", "b4", "b5", "a6", "b6"}},
    {"h5", {"g4", "h4", "g5", "h6", "g6"}},
    {"a6", {"a5", "b5", "b6", "a7", "b7"}},
    {"h6", {"g5", "h5", "g6", "h7", "g7"}},
    {"a7", {"a6", "b6", "b7", "a8", "b8"}},
    {"h7", {"g6", "h6", "g7", "h8", "g8"}},
    {"a8", {"a7", "b7", "b8"}},
    {"b8", {"a8", "c8", "a7", "b7", "c7"}},
    {"c8", {"b8", "d8", "b7", "c7", "d7"}},
    {"d8", {"c8", "e8", "c7", "d7", "e7"}},
    {"e8", {"d8", "f8", "d7", "e7", "f7"}},
    {"f8", {"e8", "g8", "e7", "f7", "g7"}},
    {"g8", {"f8", "h8", "f7", "g7", "h7"}},
    {"h8", {"g7", "h7", "g8"}},
};

struct EdgeLists {
  uint8_t list[64][5] = {};
  uint8_t cls[64] = {};
  uint8_t knight[64] = {};
  constexpr EdgeLists() {
    for (const auto& e : edgeTable) {
      int s = sq(e.square);
      for (int i = 0; i < 5; ++i) list[s][i] = e.n[i] ? sq(e.n[i]) : 0;
    }
    for (int s = 0; s < 64; ++s) {
      int f = s & 7, r = s >> 3;
      bool edgeF = f == 0 || f == 7, edgeR = r == 0 || r == 7;
      cls[s] = (edgeF && edgeR) ? 2 : (edgeF || edgeR) ? 1 : 0;
      knight[s] = (f >= 2 && f <= 5 && r >= 2 && r <= 5) ? 1 : 0;
    }
  }
};
constexpr EdgeLists edgeLists{};

void setBit(uint32_t& lo, uint32_t& hi, int s) {
  if (s < 32)
    lo |= 1u << s;
  else
    hi |= 1u << (s - 32);
}

}  // namespace

const uint8_t (&kingedgelist)[64][5] = edgeLists.list;
const uint8_t (&kingclass)[64] = edgeLists.cls;
const uint8_t (&knightclass)[64] = edgeLists.knight;

void geometria() {
  for (int a = 0; a < 64; ++a) {
    int fa = a & 7, ra = a >> 3;
    for (int b = 0; b < 64; ++b) {
      int fb = b & 7, rb = b >> 3;
      int df = std::abs(fa - fb), dr = std::abs(ra - rb);
      uint8_t rel = 0;
      if (df == dr && a != b) rel = 2;
      if (fa == fb || ra == rb) rel = 1;
      if ((df == 1 && dr == 2) || (df == 2 && dr == 1)) rel = 3;
      relation[a][b] = rel;
      distance[a][b] = static_cast<uint8_t>(df > dr ? df : dr);
    }
  }
  for (int s = 0; s < 64; ++s) {
    int f = s & 7, r = s >> 3;
    squarecolour[s] = static_cast<uint8_t>((f & 1) ^ (r & 1));
    rayUpRight[s] = std::min(7 - r, 7 - f);
    rayUpLeft[s] = std::min(7 - r, f);
    rayDownRight[s] = std::min(r, 7 - f);
    rayDownLeft[s] = std::min(r, f);

    // Knight targets in the fixed generation order.
    struct Step {
      int d;
      bool ok;
    };
    const Step steps[8] = {
        {-17, r >= 2 && f >= 1}, {-15, r >= 2 && f <= 6}, {15, r <= 5 && f >= 1}, {17, r <= 5 && f <= 6},
        {-10, f >= 2 && r >= 1}, {6, f >= 2 && r <= 6},   {-6, f <= 5 && r >= 1}, {10, f <= 5 && r <= 6},
    };
    uint8_t n = 0;
    for (const Step& st : steps)
      if (st.ok) knightlist[s][1 + n++] = static_cast<uint8_t>(s + st.d);
    knightlist[s][0] = n;
    for (int i = n; i < 8; ++i) knightlist[s][1 + i] = 0;

    knightsetlo[s] = knightsethi[s] = 0;
    linesetlo[s] = linesethi[s] = 0;
    kingsetlo[s] = kingsethi[s] = 0;
  }
  for (int a = 0; a < 64; ++a) {
    for (int b = 0; b < 64; ++b) {
      betweenlo[a][b] = betweenhi[a][b] = 0;
      if (relation[a][b] == 3) setBit(knightsetlo[a], knightsethi[a], b);
      if (relation[a][b] == 1 && a != b) setBit(linesetlo[a], linesethi[a], b);
      if (distance[a][b] == 1) setBit(kingsetlo[a], kingsethi[a], b);
      if (a == b || (relation[a][b] != 1 && relation[a][b] != 2)) continue;
      int df = (b & 7) - (a & 7), dr = (b >> 3) - (a >> 3);
      int sf = (df > 0) - (df < 0), sr = (dr > 0) - (dr < 0);
      int step = sf + 8 * sr;
      for (int s = a + step; s != b; s += step) setBit(betweenlo[a][b], betweenhi[a][b], s);
    }
  }
}

std::string perpicText() {
  std::string out;
  char buf[16];
  for (int n = 0; n < 64; ++n) {
    for (int row = 0; row < 8; ++row) {
      out += "     ";
      for (int i = 0; i < 8; ++i) {
        out += static_cast<char>('0' + relation[n][row * 8 + i]);
        out += ',';
      }
      std::snprintf(buf, sizeof buf, " //%d", n);
      out += buf;
      out += "\r\n";
    }
  }
  return out;
}

bool scriviperpic(const std::string& path) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  if (!f) return false;
  f << perpicText();
  return static_cast<bool>(f);
}
