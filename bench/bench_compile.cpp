// Compile time of whole maps (the sample and the dense map of BenchMaps.h):
// geometry pass, welding and writing the model file. Each runs with the hashed
// merges and with the plain searches they replace.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <random>

#include "bench/BenchMaps.h"
#include "compiler/CellGeometry.h"
#include "compiler/CompileMap.h"
#include "document/MapDocument.h"
#include "texts/CoreTexts.h"

using namespace tessmoor;

namespace {

using bench_maps::DenseMap;
using bench_maps::SampleMap;

class NullLog : public CompileLog {
 public:
  void ClearLog() override {}
  void AddLogLine(const std::string& text = "") override { last = text; }
  void AddLogLine(const CoreMessage& line) override { last = CoreText(line); }
  void ExtendLastLine(const std::string&) override {}
  std::string last;
};

// hashed: both merges hashed (what the editor runs); linear_texcoords: the
// texture-coordinate merge as a linear search; plain: both as plain walks.
enum class Searches { Hashed, LinearTexCoords, Plain };

template <class Target>
void Configure(Target& builder, Searches searches) {
  builder.SetVertexSearch(searches == Searches::Plain ? VertexSearch::Window : VertexSearch::Hashed);
  builder.SetTexCoordSearch(searches == Searches::Hashed ? TexCoordSearch::Hashed : TexCoordSearch::Linear);
}

// Where the model goes: the temporary folder on disk, or memory (/dev/shm),
// where the flush to disk that every save ends with costs nothing.
std::string ModelPath(bool inMemory) {
  const std::filesystem::path dir = inMemory && std::filesystem::is_directory("/dev/shm")
                                        ? std::filesystem::path("/dev/shm")
                                        : std::filesystem::temp_directory_path();
  return (dir / "bench_compile.tcm").string();
}

void ReportCounts(benchmark::State& state, const MeshBuilder& built) {
  state.counters["polygons"] = built.PolygonCount();
  state.counters["vertices"] = built.VertexCount();
  state.counters["texcoords"] = built.TexCoordCount();
}

// Geometry, welding, serialising and writing the file, as the editor's command.
void Compile(benchmark::State& state, std::unique_ptr<MapDocument> (*makeMap)(), Searches searches, bool inMemory) {
  const auto map = makeMap();
  auto compiler = std::make_unique<MapCompiler>();
  Configure(*compiler, searches);
  const std::string path = ModelPath(inMemory);
  NullLog log;
  for (auto _ : state) {
    if (!compiler->Compile(*map, path, log)) {
      state.SkipWithError(log.last.c_str());
      break;
    }
  }
  std::filesystem::remove(path);
  ReportCounts(state, compiler->Builder());
  state.counters["ns_per_polygon"] = benchmark::Counter(
      compiler->Builder().PolygonCount(), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// The pass alone, without the log and the file: where the welding time shows.
void Geometry(benchmark::State& state, std::unique_ptr<MapDocument> (*makeMap)(), Searches searches) {
  const auto map = makeMap();
  const ColumnProfile profile = BuildColumnProfile();
  auto builder = std::make_unique<MeshBuilder>();
  Configure(*builder, searches);
  for (auto _ : state) {
    builder->Reset();
    if (!CellGeometry(*map, profile, *builder)) {
      state.SkipWithError("a table overflowed");
      break;
    }
  }
  ReportCounts(state, *builder);
  state.counters["ns_per_polygon"] = benchmark::Counter(
      builder->PolygonCount(), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

}  // namespace

BENCHMARK_CAPTURE(Compile, sample_hashed_disk, SampleMap, Searches::Hashed, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Compile, sample_hashed_memory, SampleMap, Searches::Hashed, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Compile, dense_hashed_disk, DenseMap, Searches::Hashed, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Compile, dense_hashed_memory, DenseMap, Searches::Hashed, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Compile, dense_linear_texcoords_memory, DenseMap, Searches::LinearTexCoords, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Compile, dense_plain_memory, DenseMap, Searches::Plain, true)->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(Geometry, sample_hashed, SampleMap, Searches::Hashed)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Geometry, sample_plain, SampleMap, Searches::Plain)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Geometry, dense_hashed, DenseMap, Searches::Hashed)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Geometry, dense_linear_texcoords, DenseMap, Searches::LinearTexCoords)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Geometry, dense_plain, DenseMap, Searches::Plain)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
