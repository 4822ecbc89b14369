#include "graphics/core/stauntonset.h"

#include <algorithm>
#include <cmath>

#include "graphics/core/pieceset.h"
#include "graphics/core/slotcut.h"
#include "graphics/core/solids.h"
#include "graphics/core/stauntonshapes.h"
#include "graphics/core/swell.h"

namespace {

constexpr float BOARD = -1.0f;  // the board's surface: the pieces' feet
constexpr Vec3 ON_BOARD{0.0f, BOARD, 0.0f};

// The shapes are drawn small; a tournament set's king stands about one and a
// half squares high on a foot three quarters of a square across.
constexpr float BROADER = 1.3f;
constexpr float TALLER = 1.5f;

void proportion(Mesh& m) {
  for (Quad& q : m)
    for (int c = 0; c < 4; ++c) {
      q.p[c] = {q.p[c].x * BROADER, BOARD + (q.p[c].y - BOARD) * TALLER, q.p[c].z * BROADER};
      q.n[c] = {q.n[c].x / BROADER, q.n[c].y / TALLER, q.n[c].z / BROADER};
    }
}

// Interpolated radius of a profile run that climbs steadily, 0 outside it.
float radiusOn(const std::vector<Vec2>& run, float y) {
  for (size_t i = 0; i + 1 < run.size(); ++i) {
    const Vec2 a = run[i], b = run[i + 1];
    if (y >= a.v && y <= b.v && b.v > a.v) return a.u + (b.u - a.u) * (y - a.v) / (b.v - a.v);
  }
  return 0.0f;
}

void pawn() {
  Mesh& m = pezzi[MESH_PEDONE];
  lathe(pawnProfile(), STAUNTON_SLICES, ON_BOARD, m);
}

void rook() {
  Mesh& m = pezzi[MESH_TORRE];
  lathe(rookProfile(), STAUNTON_SLICES, ON_BOARD, m);
  const Battlement b = rookBattlement();
  const float step = 360.0f / static_cast<float>(b.merlons);
  for (int i = 0; i < b.merlons; ++i) {
    // A gap faces the viewer on White's side.
    const float from = step * static_cast<float>(i) + (step - b.merlonDegrees) / 2.0f + step / 2.0f;
    ringBlock(b.inner, b.outer, from, from + b.merlonDegrees, BOARD + b.from, BOARD + b.to, 4, m);
  }
}

void bishop() {
  Mesh& m = pezzi[MESH_ALFIERE];
  lathe(bishopProfile(), STAUNTON_SLICES, ON_BOARD, m);
  // The cut: slanting down from the mitre's upper right, open toward the
  // front, reaching a little past the middle.
  std::vector<Vec2> mitre = bishopMitre();
  for (Vec2& p : mitre) p.v += BOARD;
  Slot s;
  s.centre = {0.012f, BOARD + 0.64f};
  const float l = std::hypot(0.8f, 1.0f);
  s.normal = {0.8f / l, -1.0f / l};
  s.halfWidth = 0.011f;
  s.depthFrom = -0.035f;
  s.alongFrom = -0.075f;
  s.alongTo = 0.25f;
  cutSlot(m, 0, s, [&mitre](float y) { return radiusOn(mitre, y); });
}

void queen() {
  Mesh& m = pezzi[MESH_DONNA];
  lathe(queenProfile(), STAUNTON_SLICES, ON_BOARD, m);
  const Coronet c = queenCoronet();
  for (int i = 0; i < c.balls; ++i) {
    const float a = 6.2831853f * (static_cast<float>(i) + 0.5f) / static_cast<float>(c.balls);
    ball({c.ring * std::sin(a), BOARD + c.height, c.ring * std::cos(a)}, c.radius, 10, m);
  }
}

void king() {
  Mesh& m = pezzi[MESH_RE];
  lathe(kingProfile(), STAUNTON_SLICES, ON_BOARD, m);
  const Cross c = kingCross();
  block({-c.stemHalf, BOARD + c.stemFrom, -c.halfThick}, {c.stemHalf, BOARD + c.stemTo, c.halfThick}, m);
  block({-c.barHalf, BOARD + c.barFrom, -c.halfThick}, {-c.stemHalf, BOARD + c.barTo, c.halfThick}, m);
  block({c.stemHalf, BOARD + c.barFrom, -c.halfThick}, {c.barHalf, BOARD + c.barTo, c.halfThick}, m);
}

void knight() {
  Mesh& m = pezzi[MESH_CAVALLO];
  lathe(knightFootProfile(), STAUNTON_SLICES, ON_BOARD, m);
  Swell s;
  s.outline = knightOutline();
  s.openEdges = {static_cast<int>(s.outline.size()) - 1};
  s.thickness = knightThickness;
  s.rounding = 0.05f;
  s.subdivisions = 2;
  const size_t head = m.size();
  swell(s, m);
  // Eyes and nostrils, darker, sunk a little into either side.
  Mesh& d = pieceDetails[MESH_CAVALLO];
  for (const float side : {1.0f, -1.0f}) {
    const float eye = swellHeight(s, KNIGHT_EYE);
    ball({KNIGHT_EYE.u, KNIGHT_EYE.v, side * (eye - 0.006f)}, 0.017f, 10, d);
    const float nose = swellHeight(s, KNIGHT_NOSTRIL);
    ball({KNIGHT_NOSTRIL.u, KNIGHT_NOSTRIL.v, side * (nose - 0.006f)}, 0.012f, 8, d);
  }
  // Drawn facing +x; the piece faces -z.
  turnAndMove(m, head, 90.0f, ON_BOARD);
  turnAndMove(d, 0, 90.0f, ON_BOARD);
}

}  // namespace

void buildStauntonSolid() {
  pawn();
  rook();
  bishop();
  queen();
  king();
  knight();
  for (int k = 0; k < NUMPEZZI; ++k) {
    proportion(pezzi[k]);
    proportion(pieceDetails[k]);
  }
}
