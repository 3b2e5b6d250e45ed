// Time of find over the whole grid (4096 cells) with every condition switched
// on, and with the common single condition, on the sample map.

#include <benchmark/benchmark.h>

#include <memory>

#include "document/MapFile.h"
#include "edit/CellSearch.h"

namespace {

using namespace tessmoor;

std::unique_ptr<MapDocument> SampleMap() {
  auto map = std::make_unique<MapDocument>();
  EditorState editor;
  ResetDocument(*map, editor, true);
  if (!LoadMap(*map, TM_BIN_DIR "/Maps/Sample.tmm", {TM_BIN_DIR "/", false}).ok) return nullptr;
  return map;
}

void Run(benchmark::State& state, const CellQuery& query) {
  const auto map = SampleMap();
  if (!map) {
    state.SkipWithError("Maps/Sample.tmm missing");
    return;
  }
  size_t found = 0;
  for (auto _ : state) {
    found = FindCells(*map, query).size();
    benchmark::DoNotOptimize(found);
  }
  state.counters["matches"] = double(found);
  state.SetItemsProcessed(state.iterations() * GridCells);
}

void FloorOnly(benchmark::State& state) {
  CellQuery query;
  query.floor = HeightRange{40, 40};
  Run(state, query);
}

void EveryCondition(benchmark::State& state) {
  CellQuery query;
  query.type = 0;
  query.texture = 0;
  query.floor = HeightRange{-1000, 1000};
  query.ceiling = HeightRange{-1000, 1000};
  query.water = HeightRange{-1000, 1000};
  query.opacityLow = 0;
  query.opacityHigh = 255;
  Run(state, query);
}

}  // namespace

BENCHMARK(FloorOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(EveryCondition)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
