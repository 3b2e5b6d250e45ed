// The 3D view's model rebuild: the geometry pass and mesh builder in memory, and
// turning their polygons into draw batches, on the shipped sample map and on the
// densest map (close to the 12000-polygon capacity).

#include <benchmark/benchmark.h>

#include <memory>

#include "bench/BenchMaps.h"
#include "compiler/CellGeometry.h"
#include "document/MapFile.h"
#include "preview/DrawBatches.h"
#include "preview/PreviewModel.h"

using namespace tessmoor;

namespace {

std::unique_ptr<MapDocument> ShippedSample() {
  auto map = bench_maps::NewMap();
  LoadMap(*map, std::string(TM_BIN_DIR) + "/Maps/Sample.tmm", {std::string(TM_BIN_DIR) + "/", false});
  return map;
}

void ReportPolygons(benchmark::State& state, const MeshBuilder& builder) {
  state.counters["polygons"] = builder.PolygonCount();
}

// The compile's mesh alone: what the batches start from.
void Compile(benchmark::State& state, std::unique_ptr<MapDocument> (*makeMap)()) {
  const auto map = makeMap();
  const ColumnProfile profile = BuildColumnProfile();
  auto builder = std::make_unique<MeshBuilder>();
  for (auto _ : state) {
    builder->Reset();
    benchmark::DoNotOptimize(CellGeometry(*map, profile, *builder));
  }
  ReportPolygons(state, *builder);
}

void Batches(benchmark::State& state, std::unique_ptr<MapDocument> (*makeMap)()) {
  const auto map = makeMap();
  PreviewModel model;
  model.Rebuild(*map);
  DrawBatches batches;
  for (auto _ : state) {
    BuildDrawBatches(model.Builder(), batches);
    benchmark::DoNotOptimize(batches.vertices.data());
  }
  ReportPolygons(state, model.Builder());
  state.counters["batches"] = double(batches.opaque.size());
  state.counters["translucent"] = double(batches.translucent.size());
}

// Both, as one change notification costs the 3D view.
void Rebuild(benchmark::State& state, std::unique_ptr<MapDocument> (*makeMap)()) {
  const auto map = makeMap();
  auto model = std::make_unique<PreviewModel>();
  for (auto _ : state) model->Rebuild(*map);
  ReportPolygons(state, model->Builder());
}

}  // namespace

BENCHMARK_CAPTURE(Compile, sample, ShippedSample)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Batches, sample, ShippedSample)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Rebuild, sample, ShippedSample)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Compile, dense, bench_maps::DenseMap)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Batches, dense, bench_maps::DenseMap)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Rebuild, dense, bench_maps::DenseMap)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
