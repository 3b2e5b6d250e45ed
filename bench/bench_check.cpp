// Time of the map check on whole maps. It runs the compile's geometry pass
// (counting, then building the tables), so its cost follows the compile's.
//
//   Sample:  the shipped sample map.
//   Dense:   every cell open, floor and ceiling steps at random heights: close
//            to the polygon capacity, so the geometry pass does the most work.
//   Columns: a column in every cell, four times the polygon capacity: the count
//            runs over all of it, the table pass stops at the capacity.

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>

#include "check/MapCheck.h"
#include "document/MapFile.h"

using namespace tessmoor;

namespace {

std::unique_ptr<MapDocument> NewMap(int textures) {
  auto map = std::make_unique<MapDocument>();
  EditorState editor;
  ResetDocument(*map, editor, true);
  map->textureCount = textures;
  for (int t = 0; t < textures; ++t) map->textures[size_t(t)].frameCount = 1;
  return map;
}

std::unique_ptr<MapDocument> SampleMap() {
  auto map = NewMap(0);
  if (!LoadMap(*map, TM_BIN_DIR "/Maps/Sample.tmm", {TM_BIN_DIR "/", false}).ok) return nullptr;
  return map;
}

std::unique_ptr<MapDocument> DenseMap() {
  auto map = NewMap(4);
  std::mt19937 random(2024);
  for (MapCell& cell : map->cells) {
    cell.texture[SurfaceKind::Floor] = 0;
    cell.texture[SurfaceKind::Ceiling] = 1;
    cell.texture[SurfaceKind::PedestalFloor] = random() % 100 < 20 ? 2 : NoTexture;
    cell.texture[SurfaceKind::PedestalCeiling] = random() % 100 < 10 ? 3 : NoTexture;
    cell.floorHeight = float(random() % 32);
    for (float& corner : cell.ceilingHeight) corner = 128.0f + float(random() % 32);
    cell.textureOffset[SurfaceKind::PedestalFloor] = int16_t(random() % 330);
    cell.textureOffset[SurfaceKind::PedestalCeiling] = int16_t(random() % 330);
  }
  return map;
}

std::unique_ptr<MapDocument> ColumnMap() {
  auto map = NewMap(1);
  for (MapCell& cell : map->cells) {
    cell.type = static_cast<uint8_t>(CellType::Column);
    cell.texture[SurfaceKind::Wall] = 0;
  }
  return map;
}

void Check(benchmark::State& state, std::unique_ptr<MapDocument> (*makeMap)()) {
  const auto map = makeMap();
  if (!map) {
    state.SkipWithError("the sample map could not be loaded");
    return;
  }
  size_t findings = 0;
  for (auto _ : state) {
    const MapFindings found = CheckMap(*map);
    findings = found.size();
    benchmark::DoNotOptimize(found.data());
  }
  state.counters["findings"] = double(findings);
}

}  // namespace

BENCHMARK_CAPTURE(Check, sample, SampleMap)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Check, dense, DenseMap)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Check, columns, ColumnMap)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
