#include "graphics/core/pieces.h"

#include <initializer_list>

#include "graphics/core/angles.h"
#include "graphics/core/knightoutline.h"
#include "graphics/core/mesh.h"
#include "graphics/core/pieceset.h"
#include "graphics/core/scene.h"
#include "graphics/core/stauntonset.h"

namespace {

using Outline = std::initializer_list<Vec2>;

std::span<const Vec2> asSpan(Outline p) { return {p.begin(), p.size()}; }

// Builds one piece: the primitives append to an empty working mesh, which is
// then kept as that piece's mesh.
template <class F>
void buildPiece(int piece, F&& addPrimitives) {
  lavoro.clear();
  addPrimitives();
  pezzi[piece] = lavoro;
}

// ---- 3D set ---------------------------------------------------------------

void solidBase() { ellissoide(20, 12, {PIECEBASERADIUS, PIECEBASERADIUS, PIECEBASERADIUS}, {0.0f, BOARDLEVEL, 0.0f}); }

constexpr Vec3 zero{0.0f, 0.0f, 0.0f};

const Outline bishopProfile = {
    {0.0f, 0.556f},  {0.02f, 0.552f},  {0.05f, 0.53f},    {0.059f, 0.501f},  {0.052f, 0.475f}, {0.036f, 0.457f},
    {0.07f, 0.442f}, {0.141f, 0.369f}, {0.18f, 0.227f},   {0.194f, 0.166f},  {0.183f, 0.084f}, {0.15f, 0.024f},
    {0.1f, -0.01f},  {0.1f, -0.022f},  {0.179f, -0.122f}, {0.086f, -0.126f}, {0.0f, -0.126f}};

const Outline crownProfile = {{0.0f, 0.813f},   {0.033f, 0.813f}, {0.171f, 0.746f}, {0.268f, 0.807f},
                              {0.304f, 0.769f}, {0.169f, 0.386f}, {0.072f, 0.331f}, {0.0f, 0.331f}};

// Queen and king share the crown, the stem and the two collars.
void solidCrown() {
  tornio(20, asSpan(crownProfile), zero);
  cilindro(10, 0.1f, 1.2f, {0.0f, -0.2f, 0.0f});
  ellissoide(10, 10, {0.45f, 0.15f, 0.45f}, {0.0f, 0.2f, 0.0f});
  ellissoide(10, 10, {0.55f, 0.15f, 0.55f}, {0.0f, 0.05f, 0.0f});
  solidBase();
}

void buildSolidSet() {
  buildPiece(MESH_PEDONE, [] {
    ellissoide(20, 12, {0.4f, 0.4f, 0.4f}, {0.0f, -0.1f, 0.0f});
    ellissoide(20, 10, {0.45f, 0.15f, 0.45f}, {0.0f, -0.27f, 0.0f});
    cilindro(12, 0.1f, 0.8f, {0.0f, -0.53f, 0.0f});
    solidBase();
  });
  buildPiece(MESH_TORRE, [] {
    cilindro(10, 0.2f, 0.8f, {0.0f, -0.45f, 0.0f});
    cilindro(20, 0.3f, 0.2f, {0.0f, -0.05f, 0.0f});
    solidBase();
  });
  buildPiece(MESH_ALFIERE, [] {
    tornio(20, asSpan(bishopProfile), zero);
    cilindro(10, 0.1f, 0.8f, {0.0f, -0.53f, 0.0f});
    solidBase();
  });
  buildPiece(MESH_DONNA, [] {
    solidCrown();
    ellissoide(8, 6, {0.2f, 0.2f, 0.2f}, {0.0f, 0.8f, 0.0f});
  });
  buildPiece(MESH_RE, [] {
    solidCrown();
    cilindro(12, 0.1f, 0.4f, {0.0f, 0.9f, 0.0f});
    cilindro(12, 0.15f, 0.1f, {0.0f, 0.95f, 0.0f});
  });
  buildPiece(MESH_CAVALLO, [] {
    solidBase();
    prisma(Asse::Z, KNIGHTHEADCENTRE, KNIGHTHEAD, 0.15f, zero);
    prisma(Asse::Z, KNIGHTNECKCENTRE, KNIGHTNECK, 0.15f, zero);
  });
}

// ---- flat set ---------------------------------------------------------------

constexpr float FLAT_THICKNESS = 0.05f;
constexpr Vec3 ON_THE_BOARD{0.0f, -1.0f, 0.0f};

void flatPlate(Vec2 centre, Outline outline) { prisma(Asse::Y, centre, asSpan(outline), FLAT_THICKNESS, ON_THE_BOARD); }
void flatDisc(int sides, float radius, float x, float z) { cilindro(sides, radius, FLAT_THICKNESS, {x, -1.0f, z}); }
void flatBlock(float x0, float x1, float z0, float z1) { scatola({x0, -1.0f, z0}, {x1, -0.975f, z1}); }

void flatRookBase() {
  flatPlate({0.0f, 0.385f}, {{-0.194f, 0.328f},
                             {-0.271f, 0.383f},
                             {-0.293f, 0.43f},
                             {0.293f, 0.43f},
                             {0.271f, 0.383f},
                             {0.194f, 0.328f},
                             {-0.194f, 0.328f}});
}

void flatKingBase() {
  flatPlate({0.0f, 0.385f}, {{-0.094f, 0.271f},
                             {-0.194f, 0.328f},
                             {-0.271f, 0.383f},
                             {-0.293f, 0.43f},
                             {0.293f, 0.43f},
                             {0.271f, 0.383f},
                             {0.194f, 0.328f},
                             {0.094f, 0.271f},
                             {-0.094f, 0.271f}});
}

void buildFlatSet() {
  buildPiece(MESH_PEDONE, [] {
    flatDisc(10, 0.122f, 0.0f, -0.292f);
    flatPlate({0.0f, 0.389f}, {{-0.108f, 0.315f},
                               {-0.182f, 0.342f},
                               {-0.245f, 0.397f},
                               {-0.255f, 0.43f},
                               {0.255f, 0.43f},
                               {0.245f, 0.397f},
                               {0.182f, 0.342f},
                               {0.108f, 0.315f},
                               {-0.108f, 0.315f}});
    flatPlate({0.0f, 0.0f},
              {{-0.032f, -0.106f}, {-0.112f, 0.326f}, {0.112f, 0.326f}, {0.032f, -0.106f}, {-0.032f, -0.106f}});
    flatPlate({0.0f, -0.135f}, {{-0.03f, -0.176f},
                                {-0.11f, -0.163f},
                                {-0.144f, -0.145f},
                                {-0.144f, -0.126f},
                                {-0.11f, -0.113f},
                                {-0.034f, -0.101f},
                                {0.034f, -0.101f},
                                {0.11f, -0.113f},
                                {0.144f, -0.126f},
                                {0.144f, -0.145f},
                                {0.11f, -0.163f},
                                {0.03f, -0.176f},
                                {-0.03f, -0.176f}});
  });
  buildPiece(MESH_TORRE, [] {
    flatRookBase();
    flatBlock(-0.215f, 0.215f, -0.215f, 0.338f);
    flatBlock(-0.297f, 0.297f, -0.314f, -0.215f);
    flatBlock(-0.297f, -0.18f, -0.411f, -0.314f);
    flatBlock(0.18f, 0.297f, -0.411f, -0.314f);
    flatBlock(-0.058f, 0.058f, -0.411f, -0.314f);
  });
  buildPiece(MESH_ALFIERE, [] {
    flatKingBase();
    flatPlate({0.0f, 0.148f}, {{0.291f, 0.0f},
                               {-0.014f, 0.004f},
                               {-0.284f, -0.058f},
                               {-0.271f, 0.1f},
                               {-0.206f, 0.2f},
                               {-0.084f, 0.273f},
                               {0.084f, 0.273f},
                               {0.206f, 0.2f},
                               {0.271f, 0.1f},
                               {0.291f, 0.0f}});
    flatPlate({0.076f, -0.087f}, {{0.291f, 0.0f},
                                  {0.257f, -0.135f},
                                  {0.107f, -0.271f},
                                  {-0.107f, -0.271f},
                                  {-0.217f, -0.196f},
                                  {-0.014f, 0.004f},
                                  {0.291f, 0.0f}});
    flatDisc(10, 0.076f, 0.0f, -0.336f);
  });
  buildPiece(MESH_DONNA, [] {
    flatRookBase();
    flatDisc(6, 0.05f, -0.341f, -0.035f);
    flatPlate({-0.131f, 0.237f},
              {{-0.194f, 0.333f}, {0.0f, 0.341f}, {0.023f, 0.113f}, {-0.331f, -0.038f}, {-0.194f, 0.333f}});
    flatDisc(6, 0.05f, 0.341f, -0.035f);
    flatPlate({0.131f, 0.237f},
              {{0.194f, 0.333f}, {0.331f, -0.038f}, {-0.023f, 0.113f}, {0.0f, 0.341f}, {0.194f, 0.333f}});
    flatDisc(6, 0.05f, -0.189f, -0.279f);
    flatPlate({-0.089f, 0.0f}, {{-0.189f, -0.279f}, {-0.147f, 0.197f}, {0.102f, 0.182f}, {-0.189f, -0.279f}});
    flatDisc(6, 0.05f, 0.189f, -0.279f);
    flatPlate({0.089f, 0.0f}, {{0.189f, -0.279f}, {-0.102f, 0.182f}, {0.147f, 0.197f}, {0.189f, -0.279f}});
  });
  buildPiece(MESH_RE, [] {
    flatKingBase();
    flatDisc(12, 0.21f, -0.181f, 0.151f);
    flatDisc(12, 0.21f, 0.181f, 0.151f);
    flatBlock(-0.045f, 0.045f, -0.412f, 0.045f);
    flatBlock(-0.226f, 0.226f, -0.286f, -0.193f);
  });
  buildPiece(MESH_CAVALLO, [] {
    flatPlate({-0.237f, 0.374f}, {{-0.34f, 0.433f},
                                  {0.321f, 0.433f},
                                  {0.292f, 0.365f},
                                  {0.214f, 0.296f},
                                  {0.066f, 0.247f},
                                  {0.072f, 0.106f},
                                  {-0.204f, -0.16f},
                                  {-0.321f, 0.041f},
                                  {-0.34f, 0.433f}});
    flatPlate({0.0f, -0.222f},
              {{-0.204f, -0.16f}, {0.072f, 0.106f},  {0.222f, 0.106f},  {0.323f, 0.196f},  {0.352f, 0.205f},
               {0.399f, 0.188f},  {0.367f, 0.128f},  {0.424f, 0.159f},  {0.446f, 0.128f},  {0.438f, 0.097f},
               {0.323f, -0.022f}, {0.32f, -0.049f},  {0.214f, -0.181f}, {0.216f, -0.217f}, {0.187f, -0.24f},
               {0.111f, -0.248f}, {0.112f, -0.377f}, {0.04f, -0.321f},  {0.038f, -0.394f}, {-0.057f, -0.262f},
               {-0.204f, -0.16f}});
  });
}

}  // namespace

void svuotapezzi() {
  lavoro.clear();
  for (Mesh& m : pezzi) m.clear();
  for (Mesh& m : pieceOutlines) m.clear();
  for (Mesh& m : pieceDetails) m.clear();
  pieceGeneration = nextPieceGeneration();
}

void costruiscipezzi() {
  // The primitives read the angle tables: a set built before them would
  // collapse to points.
  preparaangoli();
  svuotapezzi();
  const bool piatti = vista == VISTA_PIATTA;
  if (pieceSet == PieceSet::Staunton)
    piatti ? buildStauntonFlat() : buildStauntonSolid();
  else
    piatti ? buildFlatSet() : buildSolidSet();
  lavoro.clear();
}
