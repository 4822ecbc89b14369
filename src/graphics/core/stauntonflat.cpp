// The Staunton set's flat symbols: each piece's side view, taken from the
// very shapes its solid piece is turned and carved from, filled, outlined
// in ink, with inner lines in the contrasting colour. They lie on the board
// as the classic symbols do (screen up is -z), in layers a hair apart so
// that a later part covers the outline of an earlier one.
#include <algorithm>
#include <cmath>

#include "graphics/core/pieceset.h"
#include "graphics/core/polygon.h"
#include "graphics/core/solids.h"
#include "graphics/core/stauntonset.h"
#include "graphics/core/stauntonshapes.h"

namespace {

constexpr float LOWEST = -0.99f;  // above the check mark, below nothing else on the squares
constexpr float LAYER = 0.003f;
constexpr float INK = 0.024f;      // outline width, board units
constexpr float DETAIL = 0.018f;   // inner lines
constexpr float BASELINE = 0.43f;  // where the symbols stand, below the square's middle
constexpr float WIDER = 1.4f;      // flat symbols read better a little broader than the turned pieces

constexpr Vec3 UP{0.0f, 1.0f, 0.0f};

// A quad facing the camera above the board.
void upQuad(Vec3 a, Vec3 b, Vec3 c, Vec3 d, Mesh& out) {
  Vec3 n = normalefaccia(a, b, c);
  if (n == Vec3{0.0f, 0.0f, 0.0f}) n = normalefaccia(a, c, d);
  if (n.y < 0.0f) std::swap(b, d);
  out.push_back({{a, b, c, d}, {UP, UP, UP, UP}});
}

class Symbol {
 public:
  // height: the symbol's height on the board for a shape `tall` units high.
  Symbol(int piece, float tall, float height) : piece_(piece), s_(height / tall) {}

  // A filled shape (x right, y up from the foot) with its outline, in
  // front of the parts before it.
  void part(const std::vector<Vec2>& shape) {
    const float y = LOWEST + LAYER * static_cast<float>(layer_++);
    for (const auto& t : triangulate(shape))
      upQuad(at(shape[t[0]], y), at(shape[t[1]], y), at(shape[t[2]], y), at(shape[t[2]], y), pezzi[piece_]);
    stroke(shape, true, INK, y + LAYER / 3.0f, pieceOutlines[piece_]);
  }
  // A line inside the shapes, in the contrasting colour.
  void line(const std::vector<Vec2>& points, bool closed = false) {
    const float y = LOWEST + LAYER * static_cast<float>(layer_ - 1) + 2.0f * LAYER / 3.0f;
    stroke(points, closed, DETAIL, y, pieceDetails[piece_]);
  }
  // A dot in the contrasting colour.
  void dot(Vec2 c, float radius) {
    const float y = LOWEST + LAYER * static_cast<float>(layer_ - 1) + 2.0f * LAYER / 3.0f;
    disc(at(c, y), radius * s_, pieceDetails[piece_]);
  }

 private:
  Vec3 at(Vec2 p, float y) const { return {p.u * s_ * WIDER, y, BASELINE - p.v * s_}; }

  static void disc(Vec3 c, float r, Mesh& out) {
    constexpr int SIDES = 8;
    Vec3 ring[SIDES];
    for (int i = 0; i < SIDES; ++i) {
      const float a = 6.2831853f * static_cast<float>(i) / SIDES;
      ring[i] = {c.x + r * std::cos(a), c.y, c.z + r * std::sin(a)};
    }
    upQuad(ring[0], ring[1], ring[2], ring[3], out);
    upQuad(ring[0], ring[3], ring[4], ring[7], out);
    upQuad(ring[4], ring[5], ring[6], ring[7], out);
  }

  void stroke(const std::vector<Vec2>& pts, bool closed, float width, float y, Mesh& out) const {
    const size_t n = pts.size();
    const size_t segments = closed ? n : n - 1;
    for (size_t i = 0; i < segments; ++i) {
      const Vec3 a = at(pts[i], y), b = at(pts[(i + 1) % n], y);
      const float dx = b.x - a.x, dz = b.z - a.z, l = std::hypot(dx, dz);
      if (l == 0.0f) continue;
      const float nx = -dz / l * width / 2.0f, nz = dx / l * width / 2.0f;
      upQuad({a.x - nx, y, a.z - nz}, {b.x - nx, y, b.z - nz}, {b.x + nx, y, b.z + nz}, {a.x + nx, y, a.z + nz}, out);
    }
    // Round joins where the line turns, so that corners stay closed.
    for (size_t i = closed ? 0 : 1; i < (closed ? n : n - 1); ++i) {
      const Vec2 p = pts[(i + n - 1) % n], q = pts[i], r = pts[(i + 1) % n];
      const float a1 = std::atan2(q.v - p.v, q.u - p.u), a2 = std::atan2(r.v - q.v, r.u - q.u);
      float turn = std::fabs(a2 - a1);
      if (turn > 3.14159265f) turn = 6.2831853f - turn;
      if (turn > 0.15f) disc(at(q, y), width / 2.0f, out);
    }
  }

  int piece_;
  float s_;
  int layer_ = 0;
};

// A turned piece's side view: the profile and its mirror image, cut off
// at the corner `upTo` when the top is drawn separately.
std::vector<Vec2> sideView(const Profile& p, size_t upTo = 0) {
  std::vector<Vec2> pts = p.points();
  if (upTo > 0 && upTo < pts.size()) pts.resize(upTo + 1);
  std::vector<Vec2> shape;
  for (const Vec2& q : pts)
    if (shape.empty() || q.u > 0.0f || &q == &pts.back()) shape.push_back(q);
  for (size_t i = pts.size() - 1; i-- > 1;) shape.push_back({-pts[i].u, pts[i].v});
  // Corners that repeat would leave zero-length edges behind.
  std::vector<Vec2> clean;
  for (const Vec2& q : shape)
    if (clean.empty() || clean.back().u != q.u || clean.back().v != q.v) clean.push_back(q);
  return clean;
}

// Half the width of a profile at a height (its outermost point there).
float widthAt(const Profile& p, float y) {
  float r = 0.0f;
  const auto& pts = p.points();
  for (size_t i = 0; i + 1 < pts.size(); ++i) {
    const Vec2 a = pts[i], b = pts[i + 1];
    if ((y - a.v) * (y - b.v) > 0.0f || a.v == b.v) continue;
    r = std::max(r, a.u + (b.u - a.u) * (y - a.v) / (b.v - a.v));
  }
  return r;
}

// A line straight across a profile at a height, short of its outline.
std::vector<Vec2> across(const Profile& p, float y, float inset = 0.02f) {
  const float r = widthAt(p, y) - inset;
  return {{-r, y}, {r, y}};
}

void pawn() {
  const Profile p = pawnProfile();
  Symbol s(MESH_PEDONE, p.height(), 0.6f);
  s.part(sideView(p));
  s.line(across(p, 0.1f));
}

void rook() {
  const Profile p = rookProfile();
  const Battlement b = rookBattlement();
  // Up to the tower's outer top corner, then the battlement seen from the side.
  size_t top = 0;
  for (size_t i = 0; i < p.points().size(); ++i)
    if (p.points()[i].u == b.outer && p.points()[i].v == b.from) top = i;
  std::vector<Vec2> shape;
  const auto& pts = p.points();
  for (size_t i = 0; i <= top; ++i)
    if (i == 0 || pts[i].u > 0.0f) shape.push_back(pts[i]);
  const float o = b.outer, m = b.to, notch = b.to - 0.045f, w1 = 0.115f, w2 = 0.045f;
  for (const Vec2 q : std::initializer_list<Vec2>{
           {o, m}, {w1, m}, {w1, notch}, {w2, notch}, {w2, m}, {-w2, m}, {-w2, notch}, {-w1, notch}, {-w1, m}, {-o, m}})
    shape.push_back(q);
  for (size_t i = top + 1; i-- > 1;) shape.push_back({-pts[i].u, pts[i].v});
  Symbol s(MESH_TORRE, m, 0.68f);
  s.part(shape);
  s.line(across(p, 0.1f));
  s.line(across(p, 0.41f, 0.025f));
  s.line({{-o + 0.02f, b.from}, {o - 0.02f, b.from}});
}

void bishop() {
  const Profile p = bishopProfile();
  Symbol s(MESH_ALFIERE, p.height(), 0.8f);
  s.part(sideView(p));
  s.line(across(p, 0.1f));
  s.line(across(p, 0.43f));
  // The mitre's cut.
  s.line({{-0.05f, 0.592f}, {0.066f, 0.684f}});
}

void queen() {
  const Profile p = queenProfile();
  const Coronet c = queenCoronet();
  Symbol s(MESH_DONNA, p.height(), 0.84f);
  // The balls of the coronet stand behind the cup's rim.
  for (const float x : {-0.14f, -0.058f, 0.058f, 0.14f}) {
    std::vector<Vec2> ballShape;
    for (int i = 0; i < 12; ++i) {
      const float a = 6.2831853f * static_cast<float>(i) / 12.0f;
      ballShape.push_back(
          {x + (c.radius + 0.008f) * std::cos(a), c.height + 0.012f + (c.radius + 0.008f) * std::sin(a)});
    }
    s.part(ballShape);
  }
  s.part(sideView(p));
  s.line(across(p, 0.1f));
  s.line(across(p, 0.54f));
  s.line(across(p, 0.76f, 0.03f));
}

void king() {
  const Profile p = kingProfile();
  const Cross c = kingCross();
  Symbol s(MESH_RE, c.stemTo, 0.88f);
  const float t = 0.035f, b = 0.075f;  // a broader cross reads better flat
  s.part({{-t, c.stemFrom},
          {t, c.stemFrom},
          {t, c.barFrom},
          {b, c.barFrom},
          {b, c.barTo + 0.01f},
          {t, c.barTo + 0.01f},
          {t, c.stemTo},
          {-t, c.stemTo},
          {-t, c.barTo + 0.01f},
          {-b, c.barTo + 0.01f},
          {-b, c.barFrom},
          {-t, c.barFrom}});
  s.part(sideView(p));
  s.line(across(p, 0.1f));
  s.line(across(p, 0.58f));
  s.line(across(p, 0.795f, 0.03f));
}

void knight() {
  const Profile foot = knightFootProfile();
  std::vector<Vec2> head = knightOutline();
  // Facing left: mirrored, and turned back to counter-clockwise.
  for (Vec2& q : head) q.u = -q.u;
  std::reverse(head.begin(), head.end());
  Symbol s(MESH_CAVALLO, 0.802f, 0.78f);
  s.part(head);
  s.part(sideView(foot));
  s.line(across(foot, 0.1f));
  s.dot({-KNIGHT_EYE.u, KNIGHT_EYE.v}, 0.02f);
  s.dot({-KNIGHT_NOSTRIL.u, KNIGHT_NOSTRIL.v}, 0.012f);
  // The mane's edge, and the line of the jaw.
  s.line({{0.01f, 0.705f}, {0.045f, 0.66f}, {0.09f, 0.58f}, {0.13f, 0.48f}, {0.15f, 0.39f}, {0.155f, 0.3f}});
  s.line({{-0.1f, 0.4f}, {-0.085f, 0.46f}, {-0.1f, 0.52f}, {-0.145f, 0.56f}});
}

}  // namespace

void buildStauntonFlat() {
  pawn();
  rook();
  bishop();
  queen();
  king();
  knight();
}
