// Time to draw one frame of the start position on the board view, with
// either piece set.
//
//   bench_frame [benchmark options]     (needs a display)
//
// Scene*: the scene drawn into the view's framebuffer and finished
// (glFinish), as a forced redraw does. FramePresented*: a forced redraw plus
// Qt putting it on the screen. The classic set is the program's own; the
// Staunton set is measured with its default effects (highlights and
// shadows), with none, and with the reflection as well.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>

#include "engine/engine.h"
#include "engine/position/position.h"
#include "game/game.h"
#include "graphics/core/lookeffects.h"
#include "graphics/core/pieces.h"
#include "graphics/core/pieceset.h"
#include "graphics/core/scene.h"
#include "graphics/gl/boardview.h"

namespace {

BoardView* vista_ = nullptr;

struct Setting {
  PieceSet set;
  LookEffects effects;
};
const Setting CLASSIC{PieceSet::Classic, {}};
const Setting STAUNTON{PieceSet::Staunton, {}};
const Setting STAUNTON_PLAIN{PieceSet::Staunton, {false, false, false}};
const Setting STAUNTON_REFLECTED{PieceSet::Staunton, {true, true, true}};

void prepara(int v, const Setting& look) {
  pieceSet = look.set;
  lookEffects = look.effects;
  vista = v;
  if (v == VISTA_PIATTA)
    vistapiatta();
  else
    vista3d();
  costruiscipezzi();
  game::newGame();
}

void finisci() {
  vista_->makeCurrent();
  glFinish();
  vista_->doneCurrent();
}

void scena(benchmark::State& state, int v, const Setting& look) {
  prepara(v, look);
  for (auto _ : state) {
    vista_->disegnascena(true);
    finisci();
  }
  state.counters["quads"] = facce;
  QCoreApplication::processEvents();
}

void presentato(benchmark::State& state, const Setting& look) {
  prepara(VISTA_3D, look);
  for (auto _ : state) {
    vista_->disegnascena(true);
    QCoreApplication::processEvents();
    finisci();
  }
  state.counters["quads"] = facce;
}

void SceneSolid(benchmark::State& state) { scena(state, VISTA_3D, CLASSIC); }
void SceneFlat(benchmark::State& state) { scena(state, VISTA_PIATTA, CLASSIC); }
void FramePresented(benchmark::State& state) { presentato(state, CLASSIC); }
void SceneSolidStaunton(benchmark::State& state) { scena(state, VISTA_3D, STAUNTON); }
void SceneSolidStauntonPlain(benchmark::State& state) { scena(state, VISTA_3D, STAUNTON_PLAIN); }
void SceneSolidStauntonReflected(benchmark::State& state) { scena(state, VISTA_3D, STAUNTON_REFLECTED); }
void SceneFlatStaunton(benchmark::State& state) { scena(state, VISTA_PIATTA, STAUNTON); }
void FramePresentedStaunton(benchmark::State& state) { presentato(state, STAUNTON); }

BENCHMARK(SceneSolid)->Unit(benchmark::kMillisecond);
BENCHMARK(SceneFlat)->Unit(benchmark::kMillisecond);
BENCHMARK(FramePresented)->Unit(benchmark::kMillisecond);
BENCHMARK(SceneSolidStaunton)->Unit(benchmark::kMillisecond);
BENCHMARK(SceneSolidStauntonPlain)->Unit(benchmark::kMillisecond);
BENCHMARK(SceneSolidStauntonReflected)->Unit(benchmark::kMillisecond);
BENCHMARK(SceneFlatStaunton)->Unit(benchmark::kMillisecond);
BENCHMARK(FramePresentedStaunton)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  initialiseEngine(0);
  BoardView v;
  vista_ = &v;
  v.caricaskin(QStringLiteral(ZEF_SOURCE_DIR "/data/skins/default.usk"));
  v.resize(1024, 768);
  v.show();
  if (!QTest::qWaitForWindowExposed(&v)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
