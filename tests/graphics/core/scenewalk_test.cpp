#include "graphics/core/scenewalk.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/position/position.h"
#include "graphics/core/angles.h"
#include "graphics/core/pieces.h"
#include "graphics/core/scene.h"
#include "support/engine_fixture.h"

namespace {

struct Vertice {
  float x, y, z;
  float nx, ny, nz;
  float s, t;
  bool cullfront;
};

// Records what the renderer would send to OpenGL.
struct Registro {
  std::vector<Vertice> v;
  int inizi = 0, fini = 0, aperti = 0, cambicull = 0;
  bool cf = false;
  float n[3] = {0, 0, 0}, st[2] = {0, 0};
  void cullfront(bool f) {
    cf = f;
    ++cambicull;
  }
  void begin() {
    ++inizi;
    ++aperti;
  }
  void end() {
    ++fini;
    --aperti;
  }
  void normal(float x, float y, float z) { n[0] = x, n[1] = y, n[2] = z; }
  void texcoord(float s, float t) { st[0] = s, st[1] = t; }
  void vertex(float x, float y, float z) {
    ASSERT_EQ(aperti, 1) << "vertex outside a quad run";
    v.push_back({x, y, z, n[0], n[1], n[2], st[0], st[1], cf});
  }
  const Vertice& quad(size_t q, int c = 0) const { return v[q * 4 + c]; }
};

class Scena : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    preparaangoli();
    riempicoloripezzi();
  }
  void SetUp() override {
    zeftest::setUp(STARTFEN);
    casellasotto = casellascelta = -1;
  }
  void TearDown() override {
    vista = VISTA_3D;
    vista3d();
    costruiscipezzi();
    casellasotto = casellascelta = -1;
  }
  static void imposta(int v) {
    vista = v;
    if (v == VISTA_PIATTA)
      vistapiatta();
    else
      vista3d();
    costruiscipezzi();
  }
  static int tile(const Vertice& a) { return static_cast<int>(a.s * 7.0f) + 1; }
  Registro cammina() {
    Registro r;
    facce = percorriscena(posizioni[0], r);
    return r;
  }
};

// Counts of the start position: frame 100 + plate 1 + 16 pawns, 4 rooks,
// 4 bishops, 2 queens, 4 knights and 2 kings.
TEST_F(Scena, FacesOfTheStartPositionInBothViews) {
  imposta(VISTA_3D);
  Registro r = cammina();
  EXPECT_EQ(facce, 101 + 16 * 716 + 4 * 330 + 4 * 590 + 2 * 658 + 4 * 291 + 2 * 682);
  EXPECT_EQ(r.v.size(), 4u * (64 + facce));
  EXPECT_EQ(r.inizi, r.fini);
  EXPECT_EQ(r.inizi, 1 + 32);  // the board in one run, then one per piece
  imposta(VISTA_PIATTA);
  r = cammina();
  EXPECT_EQ(facce, 101 + 16 * 102 + 4 * 43 + 4 * 99 + 2 * 132 + 4 * 84 + 2 * 106);
  EXPECT_EQ(r.v.size(), 4u * (64 + facce));
}

TEST_F(Scena, FacesOfAnEmptyBoardAreFrameAndPlate) {
  zeftest::setUp("8/8/8/8/8/8/8/8 w - - 0 1");
  imposta(VISTA_3D);
  Registro r = cammina();
  EXPECT_EQ(facce, 101);
  EXPECT_EQ(r.v.size(), 4u * 165);
}

TEST_F(Scena, SquaresUseTheirTilesAndPositions) {
  imposta(VISTA_PIATTA);
  const Registro r = cammina();
  // a1 dark (tile 2), b1 light, a2 light, h8 dark.
  EXPECT_EQ(tile(r.quad(0)), 2);
  EXPECT_EQ(tile(r.quad(1)), 3);
  EXPECT_EQ(tile(r.quad(8)), 3);
  EXPECT_EQ(tile(r.quad(63)), 2);
  // a1 spans x -4..-3 and z 4..3 at the board height, rank 1 toward +z.
  const Vertice& a = r.quad(0, 0);
  const Vertice& c = r.quad(0, 2);
  EXPECT_EQ(a.x, -4.0f);
  EXPECT_EQ(a.z, 4.0f);
  EXPECT_EQ(c.x, -3.0f);
  EXPECT_EQ(c.z, 3.0f);
  EXPECT_EQ(a.y, -1.0f);
  EXPECT_NEAR(a.s, 1.01f / 7, 1e-6);
  EXPECT_NEAR(r.quad(0, 1).s, 1.99f / 7, 1e-6);
  EXPECT_EQ(a.t, 0.0f);
  EXPECT_EQ(c.t, 1.0f);
  EXPECT_EQ(a.ny, 1.0f);
  // h8: file 7, rank 7.
  EXPECT_EQ(r.quad(63, 0).x, 3.0f);
  EXPECT_EQ(r.quad(63, 0).z, -3.0f);
}

TEST_F(Scena, HighlightedSquares) {
  imposta(VISTA_3D);
  casellasotto = zeftest::sq("e4");   // light
  casellascelta = zeftest::sq("d4");  // dark
  Registro r = cammina();
  EXPECT_EQ(tile(r.quad(zeftest::sq("e4"))), 5);
  EXPECT_EQ(tile(r.quad(zeftest::sq("d4"))), 4);
  EXPECT_EQ(tile(r.quad(zeftest::sq("e5"))), 2);
  // A square that is both hovered and picked is highlighted once.
  casellascelta = casellasotto;
  r = cammina();
  EXPECT_EQ(tile(r.quad(zeftest::sq("e4"))), 5);
  EXPECT_EQ(tile(r.quad(zeftest::sq("d4"))), 2);
}

TEST_F(Scena, FrameAndPlate) {
  imposta(VISTA_3D);
  const Registro r = cammina();
  // Frame quad n: gx = n / 10, gz = n % 10; all tile 1.
  for (int n = 0; n < 100; ++n) {
    ASSERT_EQ(tile(r.quad(64 + n)), 1);
    ASSERT_EQ(r.quad(64 + n).x, static_cast<float>(n / 10 - 5));
    ASSERT_EQ(r.quad(64 + n).z, static_cast<float>(5 - n % 10));
  }
  // The plate lies just above the board on White's side, lower half of tile 6.
  EXPECT_EQ(tile(r.quad(164)), 6);
  EXPECT_NEAR(r.quad(164).y, -0.99f, 1e-7);
  EXPECT_NEAR(r.quad(164, 2).z, 4.9f, 1e-6);
  EXPECT_NEAR(r.quad(164, 2).t, 0.01f, 1e-6);
  // Turned half round, the plate's picture turns with the viewer: every
  // corner takes the opposite corner's coordinates.
  const float giro = rotazione;
  ruota180();
  const Registro girato = cammina();
  rotazione = giro;
  for (int k = 0; k < 4; ++k) {
    EXPECT_NEAR(girato.quad(164, k).s, r.quad(164, (k + 2) % 4).s, 1e-6) << k;
    EXPECT_NEAR(girato.quad(164, k).t, r.quad(164, (k + 2) % 4).t, 1e-6) << k;
  }
}

// Finds the first vertex of the piece drawn on a square (its mesh's first
// corner moved there) among the piece vertices.
const Vertice* primo(const Registro& r, const Quad& q0, int sq) {
  const float x = q0.p[0].x + static_cast<float>(sq & 7) - 3.5f;
  const float z0 = 3.5f - static_cast<float>(sq >> 3);
  for (size_t i = 4 * 165; i < r.v.size(); i += 4) {
    const Vertice& v = r.v[i];
    if (v.x == x && v.y == q0.p[0].y && (v.z == q0.p[0].z + z0 || v.z == -q0.p[0].z + z0)) return &v;
  }
  return nullptr;
}

TEST_F(Scena, PiecesInListOrderWithTheirSwatches) {
  imposta(VISTA_3D);
  const Registro r = cammina();
  // Pawns first (white, then black), rooks next, the two kings last.
  const size_t dopo = 165 + 16 * 716;
  EXPECT_EQ(r.quad(dopo).y, pezzi[MESH_TORRE][0].p[0].y);
  EXPECT_EQ(r.quad(dopo - 1, 3).y, pezzi[MESH_PEDONE].back().p[3].y);
  const size_t re = r.v.size() / 4 - 2 * 682;
  EXPECT_EQ(r.quad(re).s, coloripezzi[5].s);
  EXPECT_EQ(r.quad(re + 682).s, coloripezzi[7].s);
  EXPECT_NEAR(r.quad(re + 682).z - pezzi[MESH_RE][0].p[0].z, -3.5f, 1e-6);  // e8
  const Vertice* e2 = primo(r, pezzi[MESH_PEDONE][0], zeftest::sq("e2"));
  ASSERT_NE(e2, nullptr);
  EXPECT_EQ(e2->ny, pezzi[MESH_PEDONE][0].n[0].y);
  // No piece is marked as the last mover in a set-up position.
  for (size_t i = 4 * 165; i < r.v.size(); ++i)
    ASSERT_TRUE(r.v[i].s == coloripezzi[5].s || r.v[i].s == coloripezzi[7].s) << i;
}

TEST_F(Scena, LastMoveSwatch) {
  zeftest::setUp("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1");
  posizioni[0].lastmove = mvMake(zeftest::sq("e2"), zeftest::sq("e4"));
  imposta(VISTA_PIATTA);
  Registro r = cammina();
  const Vertice* e4 = primo(r, pezzi[MESH_PEDONE][0], zeftest::sq("e4"));
  const Vertice* d2 = primo(r, pezzi[MESH_PEDONE][0], zeftest::sq("d2"));
  ASSERT_NE(e4, nullptr);
  ASSERT_NE(d2, nullptr);
  EXPECT_EQ(e4->s, coloripezzi[2].s);
  EXPECT_EQ(e4->t, 0.6f);
  EXPECT_EQ(d2->s, coloripezzi[1].s);
  // A capture on the square marks the capturer, whatever its colour.
  zeftest::setUp("rnbqkbnr/ppp1pppp/8/3P4/8/8/PPPP1PPP/RNBQKBNR b KQkq - 0 2");
  posizioni[0].lastmove = mvMake(zeftest::sq("e4"), zeftest::sq("d5"), MV_CAPTURE);
  imposta(VISTA_3D);
  r = cammina();
  const Vertice* d5 = primo(r, pezzi[MESH_PEDONE][0], zeftest::sq("d5"));
  ASSERT_NE(d5, nullptr);
  EXPECT_EQ(d5->s, coloripezzi[6].s);
  // Black last move: the black swatch's neighbour.
  zeftest::setUp("rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR w KQkq e6 0 2");
  posizioni[0].lastmove = mvMake(zeftest::sq("e7"), zeftest::sq("e5"));
  r = cammina();
  const Vertice* e5 = primo(r, pezzi[MESH_PEDONE][0], zeftest::sq("e5"));
  ASSERT_NE(e5, nullptr);
  EXPECT_EQ(e5->s, coloripezzi[8].s);
}

TEST_F(Scena, TurnedFlatBoardMirrorsTheSymbols) {
  imposta(VISTA_PIATTA);
  Registro r = cammina();
  EXPECT_EQ(r.cambicull, 1);  // back faces only
  ruota180();
  r = cammina();
  EXPECT_EQ(r.cambicull, 2);
  EXPECT_FALSE(r.v[0].cullfront);     // the board keeps culling back faces
  EXPECT_TRUE(r.v.back().cullfront);  // the symbols cull front faces
  const Quad& q = pezzi[MESH_PEDONE][0];
  const Vertice& v = r.v[4 * 165];  // first white pawn
  const int s = posizioni[0].wpawns.sq[0];
  EXPECT_EQ(v.z, -q.p[0].z + 3.5f - static_cast<float>(s >> 3));
  EXPECT_EQ(v.x, q.p[0].x + static_cast<float>(s & 7) - 3.5f);
  EXPECT_EQ(v.nz, q.n[0].z);  // normals are not mirrored
  // The 3D view is never mirrored, whatever the rotation.
  imposta(VISTA_3D);
  rotazione = 90;
  r = cammina();
  EXPECT_EQ(r.cambicull, 1);
}

TEST_F(Scena, MissingKingIsNotDrawnOnA1) {
  zeftest::setUp("8/8/8/8/8/8/8/R7 w - - 0 1");
  imposta(VISTA_3D);
  cammina();
  EXPECT_EQ(facce, 101 + 330);
}

}  // namespace
