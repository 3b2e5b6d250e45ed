// The full redraw of the map view at common screen sizes and zoom levels, every visible cell
// textured and carrying a symbol, against a plain ClearSurface of the same
// surface. The ratio says how much the map costs beyond touching every pixel once.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "document/MapDocument.h"
#include "document/MapFile.h"
#include "graphics/RenderSurface.h"
#include "view/HeightsOverlay.h"
#include "view/MapView.h"
#include "view/ScaledPictures.h"
#include "view/Zoom.h"

using namespace tessmoor;

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
        cell.texture[SurfaceKind::Wall] = static_cast<uint16_t>((x * 3 + y) % textures);
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

// The redraw at a zoom level: range(0) and range(1) the view, range(2) the level.
// Named apart so the ratio compares it with the clear of the same size.
void BM_RedrawZoomed(benchmark::State& state) {
  const int width = static_cast<int>(state.range(0));
  const int height = static_cast<int>(state.range(1));
  CreateSurface(static_cast<uint16_t>(width), static_cast<uint16_t>(height), nullptr);
  RedrawScene& scene = Scene();
  ScaledPictureCache cache;
  const ViewGeometry view{width, height, 16, 16, static_cast<int32_t>(state.range(2))};
  PrepareScaledPictures(cache, *scene.document, scene.editor, view.zoomLevel);
  for (auto _ : state) {
    RedrawView(*scene.document, scene.editor, view, &cache);
    benchmark::DoNotOptimize(Surface().pixels[0]);
  }
  state.counters["cells"] =
      static_cast<double>((scene.editor.lastVisibleColumn + 1) * (scene.editor.lastVisibleRow + 1));
  DestroySurface();
}

// Every scaled picture of the sample map at one level, from its loaded table
// (the 128 level reads each frame's picture again).
void BM_BuildScaledPictures(benchmark::State& state) {
  static const auto sample = [] {
    auto document = std::make_unique<MapDocument>();
    ClearDocument(*document, true);
    LoadMap(*document, std::string(TM_BIN_DIR) + "/Maps/Sample.tmm",
            MapLoadOptions{std::string(TM_BIN_DIR) + "/", true});
    return document;
  }();
  EditorState editor;
  editor.programDirectory = std::string(TM_BIN_DIR) + "/";
  LoadCellSymbols(editor);
  const int level = static_cast<int>(state.range(0));
  for (auto _ : state) {
    ScaledPictureCache cache;
    PrepareScaledPictures(cache, *sample, editor, level);
    benchmark::DoNotOptimize(cache.levels[static_cast<size_t>(level)].built);
  }
  state.counters["textures"] = sample->textureCount;
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
  state.counters["cells"] =
      static_cast<double>((scene.editor.lastVisibleColumn + 1) * (scene.editor.lastVisibleRow + 1));
  DestroySurface();
}

// The heights overlay alone, over a picture RedrawView has composed: range(0) and
// range(1) the view, range(2) the layer (0 floor, 1 ceiling), range(3) the zoom.
// Every cell has heights of its own, half of the ceilings folded, a basin in four.
void BM_HeightsOverlay(benchmark::State& state) {
  const int width = static_cast<int>(state.range(0));
  const int height = static_cast<int>(state.range(1));
  CreateSurface(static_cast<uint16_t>(width), static_cast<uint16_t>(height), nullptr);
  RedrawScene& scene = Scene();
  MapDocument& document = *scene.document;
  for (int x = 0; x < GridSize; ++x) {
    for (int y = 0; y < GridSize; ++y) {
      MapCell& cell = document.Cell(x, y);
      cell.floorHeight = static_cast<float>((x * 37 + y * 11) % 300) - 50.5f;
      for (int c = 0; c < 4; ++c) cell.ceilingHeight[c] = 128.0f + static_cast<float>((x + y + c * (x % 2)) % 97);
      cell.waterLevel = -8;
      if ((x + y) % 4 == 0) cell.type = static_cast<uint8_t>(CellType::WaterBasin);
    }
  }
  EditorState& editor = scene.editor;
  const SurfaceKind layer = state.range(2) == 0 ? SurfaceKind::Floor : SurfaceKind::Ceiling;
  const SurfaceKind layerBefore = editor.currentLayer;
  editor.currentLayer = layer;
  const int zoom = static_cast<int>(state.range(3));
  const ViewGeometry view{width, height, 16, 16, zoom};
  PlanOverlays overlays;
  overlays.heights = true;
  ScaledPictureCache cache;
  RedrawView(document, editor, view, &cache);  // sets the clip and the visible cells
  for (auto _ : state) {
    DrawHeightsOverlay(document, editor, zoom, overlays);
    benchmark::DoNotOptimize(Surface().pixels[0]);
  }
  state.counters["cells"] = static_cast<double>((editor.lastVisibleColumn - editor.viewOrigin.x + 1) *
                                                (editor.lastVisibleRow - editor.viewOrigin.y + 1));
  editor.currentLayer = layerBefore;
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
// The whole grid at size 8 in the smallest view that holds it (668 x 597) and in a
// full-HD one, and a full-HD view at size 16.
BENCHMARK(BM_RedrawZoomed)
    ->Args({668, 597, 4})
    ->Args({1920, 1080, 4})
    ->Args({1920, 1080, 3})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HeightsOverlay)
    ->Args({3840, 2160, 0, DefaultZoomLevel})
    ->Args({3840, 2160, 1, DefaultZoomLevel})
    ->Args({3840, 2160, 1, LargestZoomLevel})
    ->Args({3840, 2160, 1, SmallestZoomLevel})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClearSurface)->Args({1920, 1080})->Args({3840, 2160})->Args({668, 597})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BuildScaledPictures)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

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
      // The level is the last argument; the clear is keyed by the size alone.
      if (name == "BM_RedrawZoomed")
        redraw_[size.substr(0, size.rfind('/')) + " zoomed " + size.substr(size.rfind('/') + 1)] = time;
      if (name == "BM_ClearSurface") clear_[size] = time;
    }
    ConsoleReporter::ReportRuns(runs);
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    for (const auto& [size, time] : redraw_) {
      const auto clear = clear_.find(size.substr(0, size.find(' ')));
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
