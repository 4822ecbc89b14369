#include "ui/lookpreview.h"

#include <utility>

#include "graphics/core/pieces.h"
#include "graphics/core/scene.h"

namespace {

// The 3D preview's camera: closer and lower than the window's, turned a
// little, so that the pieces fill it.
constexpr float PREVIEW_TURN = 285.0f;
constexpr float PREVIEW_TILT = 38.0f;
constexpr float PREVIEW_DISTANCE = 9.0f;

// Everything of the scene a preview frame changes.
struct SceneState {
  PieceSet set = pieceSet;
  LookEffects effects = lookEffects;
  int32_t view = vista;
  float turn = rotazione, tilt = elevazione, distance = distanza, offset = scostamento;
  int32_t under = casellasotto, picked = casellascelta;
  uint8_t redraw = ridisegna;
  int32_t quads = facce;
  uint32_t generation = pieceGeneration;
  Mesh bodies[NUMPEZZI], outlines[NUMPEZZI], details[NUMPEZZI];

  void swapMeshes() {
    for (int k = 0; k < NUMPEZZI; ++k) {
      std::swap(bodies[k], pezzi[k]);
      std::swap(outlines[k], pieceOutlines[k]);
      std::swap(details[k], pieceDetails[k]);
    }
  }

  SceneState() { swapMeshes(); }
  ~SceneState() {
    swapMeshes();
    pieceSet = set;
    lookEffects = effects;
    vista = view;
    rotazione = turn;
    elevazione = tilt;
    distanza = distance;
    scostamento = offset;
    casellasotto = under;
    casellascelta = picked;
    ridisegna = redraw;
    facce = quads;
    pieceGeneration = generation;
  }
};

}  // namespace

LookPreview::LookPreview(bool flat, QWidget* parent) : BoardView(parent), flat_(flat) {}

void LookPreview::showLook(const Look& look) {
  look_ = look;
  update();
}

void LookPreview::paintGL() {
  const SceneState kept;
  pieceSet = look_.pieces;
  lookEffects = look_.effects;
  casellasotto = casellascelta = -1;
  if (flat_) {
    vista = VISTA_PIATTA;
    vistapiatta();
  } else {
    vista = VISTA_3D;
    vista3d();
    rotazione = PREVIEW_TURN;
    elevazione = PREVIEW_TILT;
    distanza = PREVIEW_DISTANCE;
  }
  costruiscipezzi();
  BoardView::paintGL();
}
