// Time to draw one frame of the start position on the board view.
//
//   bench_frame [benchmark options]     (needs a display)
//
// SceneSolid / SceneFlat: the scene drawn into the view's framebuffer and
// finished (glFinish), as a forced redraw does. FramePresented: a forced
// redraw plus Qt putting it on the screen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>

#include "engine/engine.h"
#include "engine/position/fen.h"
#include "engine/position/position.h"
#include "graphics/core/pieces.h"
#include "graphics/core/scene.h"
#include "graphics/gl/boardview.h"

namespace {

BoardView* vista_ = nullptr;

void prepara(int v) {
  vista = v;
  if (v == VISTA_PIATTA)
    vistapiatta();
  else
    vista3d();
  costruiscipezzi();
  impostafen(STARTFEN, true);
}

void finisci() {
  vista_->makeCurrent();
  glFinish();
  vista_->doneCurrent();
}

void scena(benchmark::State& state, int v) {
  prepara(v);
  for (auto _ : state) {
    vista_->disegnascena(true);
    finisci();
  }
  state.counters["quads"] = facce;
  QCoreApplication::processEvents();
}

void SceneSolid(benchmark::State& state) { scena(state, VISTA_3D); }
void SceneFlat(benchmark::State& state) { scena(state, VISTA_PIATTA); }

void FramePresented(benchmark::State& state) {
  prepara(VISTA_3D);
  for (auto _ : state) {
    vista_->disegnascena(true);
    QCoreApplication::processEvents();
    finisci();
  }
  state.counters["quads"] = facce;
}

BENCHMARK(SceneSolid)->Unit(benchmark::kMillisecond);
BENCHMARK(SceneFlat)->Unit(benchmark::kMillisecond);
BENCHMARK(FramePresented)->Unit(benchmark::kMillisecond);

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
