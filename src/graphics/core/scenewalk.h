// The board scene as a sequence of textured, lit quads: the 64 squares, the
// frame, the name plate and every piece of a position record, exactly as the
// renderer issues them. The sink receives immediate-mode style calls:
//
//   cullfront(bool)            cull front faces (true) or back faces (false)
//   begin() / end()            a run of quads, four vertices each
//   normal(x, y, z)            current normal
//   texcoord(s, t)             current texture coordinate
//   vertex(x, y, z)            a corner with the current normal and coordinate
//   piece(square)              (optional) the quads that follow are the piece
//                              standing on that square
//
// The walk allocates nothing; it reads the camera rotation, the view kind,
// the highlighted squares, the piece meshes and the swatch coordinates.
// Returns the number of quads that count towards facce (all but the squares).
#pragma once

#include <cstdint>

#include "engine/position/position.h"
#include "graphics/core/mesh.h"
#include "graphics/core/pieceset.h"
#include "graphics/core/scene.h"

namespace scena {

// Square i's tile (1..7): 2 dark, 3 light, plus 2 when highlighted.
inline int tilecasella(int i) {
  const int f = i & 7, r = i >> 3;
  int tile = ((f + r) & 1) ? 3 : 2;
  if (i == casellasotto || i == casellascelta) tile += 2;
  return tile;
}

// The swatch pair (1..8) of a piece of the given colour on square s.
inline int coppiacolore(bool bianco, int s, uint32_t lastmove) {
  int n = vista == VISTA_PIATTA ? (bianco ? 1 : 3) : (bianco ? 5 : 7);
  // A record that no move produced (a set-up position) carries no move; its
  // zero code must not mark the piece on a1.
  if ((lastmove & MV_MOVE) != 0 && s == mvTo(lastmove)) ++n;
  return n;
}

template <class S>
inline void casella(S& out, int i) {
  const float f = static_cast<float>(i & 7), r = static_cast<float>(i >> 3);
  const float t = static_cast<float>(tilecasella(i));
  const float s0 = (t - 0.99f) / 7.0f, s1 = (t - 0.01f) / 7.0f;
  out.texcoord(s0, 0.0f);
  out.vertex(f - 4.0f, -1.0f, 4.0f - r);
  out.texcoord(s1, 0.0f);
  out.vertex(f - 3.0f, -1.0f, 4.0f - r);
  out.texcoord(s1, 1.0f);
  out.vertex(f - 3.0f, -1.0f, 3.0f - r);
  out.texcoord(s0, 1.0f);
  out.vertex(f - 4.0f, -1.0f, 3.0f - r);
}

template <class S>
inline void cornice(S& out, int n) {
  const float gx = static_cast<float>(n / 10), gz = static_cast<float>(n % 10);
  constexpr float s0 = 0.01f / 7.0f, s1 = 0.99f / 7.0f;
  out.texcoord(s0, 0.0f);
  out.vertex(gx - 5.0f, -1.0f, 5.0f - gz);
  out.texcoord(s1, 0.0f);
  out.vertex(gx - 4.0f, -1.0f, 5.0f - gz);
  out.texcoord(s1, 1.0f);
  out.vertex(gx - 4.0f, -1.0f, 4.0f - gz);
  out.texcoord(s0, 1.0f);
  out.vertex(gx - 5.0f, -1.0f, 4.0f - gz);
}

// The name plate; with the board turned so that Black sits at the bottom,
// its picture is turned too, so that it reads the right way up.
template <class S>
inline void targa(S& out, bool turned = false) {
  constexpr float u0 = 0.7157143f, u1 = 0.85571426f, v0 = 0.01f, v1 = 0.49f;
  out.texcoord(turned ? u1 : u0, turned ? v0 : v1);
  out.vertex(-0.6f, -0.99f, 4.3f);
  out.texcoord(turned ? u1 : u0, turned ? v1 : v0);
  out.vertex(-0.6f, -0.99f, 4.9f);
  out.texcoord(turned ? u0 : u1, turned ? v1 : v0);
  out.vertex(0.6f, -0.99f, 4.9f);
  out.texcoord(turned ? u0 : u1, turned ? v0 : v1);
  out.vertex(0.6f, -0.99f, 4.3f);
}

// One piece: a single swatch coordinate, then every quad of its mesh moved
// to the square (and mirrored along z when m is -1). A dragged piece is
// moved to the pointer's board point instead, and lifted.
template <class S>
inline int32_t pezzo(S& out, const Mesh& mesh, int s, int coppia, float m) {
  float x0 = static_cast<float>(s & 7) - 3.5f;
  float z0 = 3.5f - static_cast<float>(s >> 3);
  float y0 = 0.0f;
  if (s == draggedPiece.square) {
    x0 = draggedPiece.x;
    z0 = draggedPiece.z;
    y0 = vista == VISTA_PIATTA ? DRAG_LIFT_FLAT : DRAG_LIFT_3D;
  }
  if constexpr (requires { out.piece(s); }) out.piece(s);
  out.texcoord(coloripezzi[coppia].s, coloripezzi[coppia].t);
  out.begin();
  for (const Quad& q : mesh)
    for (int c = 0; c < 4; ++c) {
      out.normal(q.n[c].x, q.n[c].y, q.n[c].z);
      out.vertex(q.p[c].x + x0, q.p[c].y + y0, q.p[c].z * m + z0);
    }
  out.end();
  return static_cast<int32_t>(mesh.size());
}

template <class S, int N>
inline int32_t lista(S& out, const PieceList<N>& l, int quale, bool bianco, uint32_t lastmove, float m) {
  int32_t quadri = 0;
  const int n = l.n < N ? l.n : N;
  for (int i = 0; i < n; ++i) {
    const int s = l.sq[i];
    if (s > 63) continue;
    quadri += pezzo(out, pezzi[quale], s, coppiacolore(bianco, s, lastmove), m);
  }
  return quadri;
}

// A set-up position may lack a king; its square byte then names no king.
template <class S>
inline int32_t re(S& out, const tposizione& pos, uint8_t s, bool bianco, float m) {
  if (s > 63 || pos.board[s] != (bianco ? KING : -KING)) return 0;
  const uint32_t lastmove = pos.lastmove;
  return pezzo(out, pezzi[MESH_RE], s, coppiacolore(bianco, s, lastmove), m);
}

}  // namespace scena

// The board alone: the squares, the frame and the name plate; returns the
// quads that count towards facce (all but the squares).
template <class S>
int32_t percorritavola(S& out) {
  out.cullfront(false);
  out.normal(0.0f, 1.0f, 0.0f);
  out.begin();
  for (int i = 0; i < 64; ++i) scena::casella(out, i);
  for (int n = 0; n < 100; ++n) scena::cornice(out, n);
  scena::targa(out, rotazione > 0.0f && rotazione < 180.0f);
  out.end();
  return 101;
}

template <class S>
int32_t percorriscena(const tposizione& pos, S& out) {
  int32_t quadri = percorritavola(out);

  // With the flat board turned, the symbols are mirrored along z so that
  // they still read upright; the mirror reverses their winding.
  float m = 1.0f;
  if (vista == VISTA_PIATTA && rotazione < 180.0f) {
    m = -1.0f;
    out.cullfront(true);
  }
  const uint32_t lm = pos.lastmove;
  quadri += scena::lista(out, pos.wpawns, MESH_PEDONE, true, lm, m);
  quadri += scena::lista(out, pos.bpawns, MESH_PEDONE, false, lm, m);
  quadri += scena::lista(out, pos.wrooks, MESH_TORRE, true, lm, m);
  quadri += scena::lista(out, pos.brooks, MESH_TORRE, false, lm, m);
  quadri += scena::lista(out, pos.wbishops, MESH_ALFIERE, true, lm, m);
  quadri += scena::lista(out, pos.bbishops, MESH_ALFIERE, false, lm, m);
  quadri += scena::lista(out, pos.wqueens, MESH_DONNA, true, lm, m);
  quadri += scena::lista(out, pos.bqueens, MESH_DONNA, false, lm, m);
  quadri += scena::lista(out, pos.wknights, MESH_CAVALLO, true, lm, m);
  // The Staunton set's solid knights look at each other: Black's stand
  // turned round, which for a head alike on both sides is the mirror along z.
  const bool turned = pieceSet == PieceSet::Staunton && vista != VISTA_PIATTA;
  if (turned) out.cullfront(m > 0.0f);
  quadri += scena::lista(out, pos.bknights, MESH_CAVALLO, false, lm, turned ? -m : m);
  if (turned) out.cullfront(m < 0.0f);
  quadri += scena::re(out, pos, pos.whiteking, true, m);
  quadri += scena::re(out, pos, pos.blackking, false, m);
  return quadri;
}
