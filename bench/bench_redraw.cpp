// The full redraw of the map view at common screen sizes, every visible cell
// textured and carrying a symbol, against a plain ClearSurface of the same
// surface. The ratio says how much the map costs beyond touching every pixel once.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "document/MapDocument.h"
#include "graphics/RenderSurface.h"
#include "view/MapView.h"

namespace {

// A picture with a pattern of black (transparent) pixels, about one in eight.
HiColorImage PatternImage(int width, int height, RGB555 base) {
  HiColorImage image;
  AllocImage(width, height, image);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const bool hole = ((x * 7 + y * 13) & 7) == 0;
      SetImagePixel(x, y, hole ? 0 : static_cast<RGB555>(base + x + 32 * y), image);
    }
  }
  return image;
}

struct RedrawScene {
  std::unique_ptr<MapDocument> document = std::make_unique<MapDocument>();
  EditorState editor;

  RedrawScene() {
    ResetDocument(*document, editor, true);
    constexpr int textures = 8;
    document->textureCount = textures;
    for (int t = 0; t < textures; ++t) {
      TextureEntry& entry = document->textures[static_cast<size_t>(t)];
      entry.frameCount = 1;
      entry.frames[0].thumbnail = PatternImage(64, 64, static_cast<RGB555>(0x0421 * (t + 1)));
    }
    for (int kind = 1; kind < CellTypeCount; ++kind) {
      editor.cellSymbols[static_cast<size_t>(kind)] = PatternImage(20, 20, static_cast<RGB555>(0x1000 * kind));
    }
    AllocImage(32, 32, editor.cellSymbols[0]);
    for (int x = 0; x < GridSize; ++x) {
      for (int y = 0; y < GridSize; ++y) {
        MapCell& cell = document->Cell(x, y);
        cell.type = static_cast<uint8_t>(1 + (x + y) % (CellTypeCount - 1));
        cell.texture[Wall] = static_cast<uint16_t>((x * 3 + y) % textures);
      }
    }
    for (PaletteSlot& slot : document->paletteSlots) slot.cell = document->Cell(1, 1);
    editor.selection = {2, 2, 9, 6};
  }
};

RedrawScene& Scene() {
  static RedrawScene scene;
  return scene;
}

void BM_RedrawView(benchmark::State& state) {
  const int width = static_cast<int>(state.range(0));
  const int height = static_cast<int>(state.range(1));
  CreateSurface(static_cast<uint16_t>(width), static_cast<uint16_t>(height), nullptr);
  RedrawScene& scene = Scene();
  const ViewGeometry view{width, height, 16, 16};
  for (auto _ : state) {
    RedrawView(*scene.document, scene.editor, view);
    benchmark::DoNotOptimize(Surface().pixels[0]);
  }
  state.counters["cells"] = static_cast<double>((scene.editor.lastVisibleColumn + 1) * (scene.editor.lastVisibleRow + 1));
  DestroySurface();
}

void BM_ClearSurface(benchmark::State& state) {
  const int width = static_cast<int>(state.range(0));
  const int height = static_cast<int>(state.range(1));
  CreateSurface(static_cast<uint16_t>(width), static_cast<uint16_t>(height), nullptr);
  for (auto _ : state) {
    ClearSurface(0);
    benchmark::ClobberMemory();
  }
  DestroySurface();
}

BENCHMARK(BM_RedrawView)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClearSurface)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);

// Prints the usual table, then each redraw's time as a multiple of the clear.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      // With repetitions, only the mean is compared; stddev and cv are no times.
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "mean") continue;
      const std::string name = run.run_name.function_name;
      const std::string size = run.run_name.args;
      // CPU time: on a machine shared with builds, wall time mostly measures the others.
      const double time = run.GetAdjustedCPUTime();
      if (name == "BM_RedrawView") redraw_[size] = time;
      if (name == "BM_ClearSurface") clear_[size] = time;
    }
    ConsoleReporter::ReportRuns(runs);
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    for (const auto& [size, time] : redraw_) {
      const auto clear = clear_.find(size);
      if (clear == clear_.end() || clear->second <= 0) continue;
      std::printf("RedrawView / ClearSurface (CPU time) at %s: %.1f\n", size.c_str(), time / clear->second);
    }
  }

 private:
  std::map<std::string, double> redraw_, clear_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
