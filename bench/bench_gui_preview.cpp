// Frames per second of the 3D view's renderer at 1280 x 720 from the start pose,
// into a framebuffer object of an offscreen surface, with glFinish after every
// frame so each one is really drawn. Needs an X display (run under xvfb-run -a
// for Mesa's llvmpipe, the renderer a machine without a graphics card has).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QOpenGLFunctions>
#include <cstdio>
#include <memory>

#include "bench/BenchMaps.h"
#include "document/MapFile.h"
#include "editor/preview3d/PreviewRenderer.h"
#include "preview/PreviewModel.h"

using namespace tessmoor;

namespace {

constexpr int Width = 1280, Height = 720;

std::unique_ptr<MapDocument> ShippedSample() {
  auto map = bench_maps::NewMap();
  LoadMap(*map, std::string(TM_BIN_DIR) + "/Maps/Sample.tmm", {std::string(TM_BIN_DIR) + "/", false});
  return map;
}

// The dense map's steps, walls and floors on shipped pictures, so it is as textured as a real map.
std::unique_ptr<MapDocument> TexturedDense() {
  auto dense = bench_maps::DenseMap();
  const auto sample = ShippedSample();
  dense->textureCount = sample->textureCount;
  for (int i = 0; i < MaxTextures; ++i) {
    dense->textures[size_t(i)].frameCount = sample->textures[size_t(i)].frameCount;
    dense->textures[size_t(i)].animationType = sample->textures[size_t(i)].animationType;
    for (int f = 0; f < MaxFrames; ++f)
      std::copy(std::begin(sample->textures[size_t(i)].frames[size_t(f)].fileName),
                std::end(sample->textures[size_t(i)].frames[size_t(f)].fileName),
                dense->textures[size_t(i)].frames[size_t(f)].fileName);
  }
  return dense;
}

void Frames(benchmark::State& state, std::unique_ptr<MapDocument> (*makeMap)()) {
  QSurfaceFormat format;
  format.setVersion(3, 3);
  format.setProfile(QSurfaceFormat::CoreProfile);
  QOffscreenSurface surface;
  surface.setFormat(format);
  surface.create();
  QOpenGLContext context;
  context.setFormat(format);
  if (!context.create() || !context.makeCurrent(&surface)) {
    state.SkipWithError("no OpenGL 3.3 context");
    return;
  }
  {
    QOpenGLFramebufferObject target(Width, Height, QOpenGLFramebufferObject::Depth);
    target.bind();
    const auto map = makeMap();
    PreviewModel model;
    model.Rebuild(*map);
    PreviewCamera camera;
    camera.Reset(*map);
    PreviewRenderer renderer(std::string(TM_BIN_DIR) + "/");
    if (!renderer.Initialize()) {
      state.SkipWithError("shaders refused");
      return;
    }
    renderer.Upload(model.Batches());
    PreviewFrame frame{map.get(), &camera, Width, Height, 0, nullptr};
    for (auto _ : state) {
      renderer.Render(frame);
      context.functions()->glFinish();
    }
    state.counters["fps"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["polygons"] = model.Builder().PolygonCount();
    state.SetLabel(reinterpret_cast<const char*>(context.functions()->glGetString(GL_RENDERER)));
    renderer.Release();
  }
  context.doneCurrent();
}

}  // namespace

BENCHMARK_CAPTURE(Frames, sample, ShippedSample)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Frames, dense, TexturedDense)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("DISPLAY")) {
    std::fprintf(stderr, "bench_gui_preview needs an X display; run it with xvfb-run -a.\n");
    return 1;
  }
  qputenv("QT_QPA_PLATFORM", "xcb");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
