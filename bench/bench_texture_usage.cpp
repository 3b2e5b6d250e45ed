// What the texture browser's numbers cost on the fullest map: 256 textures of
// 8 named frames each, every surface of all 4096 cells textured. The usage of
// every texture counted alone; a one-cell paint with the recent list watching
// and the usage counted again, as the browser does after an edit; and a texture
// deleted and brought back, which makes the recent list follow the table.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "app/RecentTextures.h"
#include "document/PascalString.h"
#include "edit/CellCommands.h"
#include "edit/TextureCommands.h"
#include "textures/TextureUsage.h"

using namespace tessmoor;

namespace {

// Texture 0 stays unused, so it can be deleted.
void FillFullMap(MapDocument& map) {
  map.textureCount = MaxTextures;
  for (int t = 0; t < MaxTextures; ++t) {
    TextureEntry& entry = map.textures[size_t(t)];
    entry.index = t;
    WritePascalString(entry.name, TextureNameCapacity, "Textur " + std::to_string(t));
    entry.frameCount = MaxFrames;
    for (int k = 0; k < MaxFrames; ++k)
      WritePascalString(entry.frames[size_t(k)].fileName, FrameNameCapacity, "T" + std::to_string(t * 10 + k) + ".PCX");
  }
  std::mt19937 random(256);
  for (MapCell& cell : map.cells)
    for (uint16_t& texture : cell.texture) texture = uint16_t(1 + random() % (MaxTextures - 1));
}

void BM_CountEveryTextureUsage(benchmark::State& state) {
  DocumentModel model;
  model.Replace(FillFullMap);
  for (auto _ : state) benchmark::DoNotOptimize(CountEveryTextureUsage(model.Map()));
}

void BM_PaintOneCellThenCountEveryUsage(benchmark::State& state) {
  DocumentModel model(HistoryLimits{size_t{1} << 20});
  model.Replace(FillFullMap);
  RecentTextures recent(model);
  MapCell cell = model.Map().Cell(5, 5);
  uint16_t texture = 1;
  for (auto _ : state) {
    cell.texture[SurfaceKind::Floor] = texture = uint16_t(texture % (MaxTextures - 1) + 1);
    SetCell(model, {5, 5}, cell, StepName::Paint);
    benchmark::DoNotOptimize(CountEveryTextureUsage(model.Map()));
  }
}

void BM_DeleteTextureAndUndoWithRecentList(benchmark::State& state) {
  DocumentModel model;
  model.Replace(FillFullMap);
  RecentTextures recent(model);
  for (int t = 1; t <= RecentTextures::Capacity; ++t) recent.Note(t);
  for (auto _ : state) {
    DeleteTexture(model, 0, nullptr);
    model.Undo();
  }
}

}  // namespace

BENCHMARK(BM_CountEveryTextureUsage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintOneCellThenCountEveryUsage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DeleteTextureAndUndoWithRecentList)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
