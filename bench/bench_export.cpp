// Export to .glb of the shipped sample map and of a map close to the polygon
// capacity, against the compile's geometry pass alone.
//
//   geometry:      the compile's pass (the yardstick)
//   glb_geometry:  the pass, regrouping per material and the glb bytes, no pictures
//   glb_file:      everything the editor's command does: pass, pictures loaded
//                  and encoded as PNG, the file written atomically (to /dev/shm)

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <random>

#include "compiler/CellGeometry.h"
#include "document/MapFile.h"
#include "export/GlbWriter.h"
#include "export/MapExport.h"
#include "texts/CoreTexts.h"

using namespace tessmoor;

namespace {

std::string ProgramDirectory() { return std::string(TM_BIN_DIR) + "/"; }

std::unique_ptr<MapDocument> SampleMap() {
  auto map = std::make_unique<MapDocument>();
  EditorState editor;
  ResetDocument(*map, editor, true);
  LoadMap(*map, ProgramDirectory() + "Maps/Sample.tmm", MapLoadOptions{ProgramDirectory(), false});
  return map;
}

// The sample's textures on every cell open, with floor and ceiling steps at
// random heights: just below the 12000-polygon capacity.
std::unique_ptr<MapDocument> DenseMap() {
  auto map = SampleMap();
  std::mt19937 random(2024);
  std::uniform_int_distribution<int> height(0, 31), offset(0, 330);
  const uint16_t textures = uint16_t(std::max(1, map->textureCount));
  for (MapCell& cell : map->cells) {
    SetCellDefaults(cell);
    cell.texture[SurfaceKind::Floor] = uint16_t(random() % textures);
    cell.texture[SurfaceKind::Ceiling] = uint16_t(random() % textures);
    cell.texture[SurfaceKind::PedestalFloor] = random() % 100 < 28 ? uint16_t(random() % textures) : NoTexture;
    cell.texture[SurfaceKind::PedestalCeiling] = random() % 100 < 16 ? uint16_t(random() % textures) : NoTexture;
    cell.floorHeight = float(height(random));
    const float ceiling = 128.0f + float(height(random));
    for (float& corner : cell.ceilingHeight) corner = ceiling;
    cell.textureOffset[SurfaceKind::PedestalFloor] = int16_t(offset(random));
  }
  return map;
}

void Report(benchmark::State& state, const MeshBuilder& builder) {
  state.counters["polygons"] = builder.PolygonCount();
}

void Geometry(benchmark::State& state, std::unique_ptr<MapDocument> (*makeMap)()) {
  const auto map = makeMap();
  const ColumnProfile profile = BuildColumnProfile();
  auto builder = std::make_unique<MeshBuilder>();
  for (auto _ : state) {
    builder->Reset();
    if (!CellGeometry(*map, profile, *builder)) state.SkipWithError("a table overflowed");
  }
  Report(state, *builder);
}

void GlbGeometry(benchmark::State& state, std::unique_ptr<MapDocument> (*makeMap)()) {
  const auto map = makeMap();
  const ColumnProfile profile = BuildColumnProfile();
  auto builder = std::make_unique<MeshBuilder>();
  const TexturePngs noPictures;
  size_t bytes = 0;
  for (auto _ : state) {
    builder->Reset();
    if (!CellGeometry(*map, profile, *builder)) state.SkipWithError("a table overflowed");
    const ExportScene scene = BuildExportScene(*map, *builder);
    bytes = SerializeGlb(*map, scene, noPictures).size();
  }
  Report(state, *builder);
  state.counters["bytes"] = double(bytes);
}

void GlbFile(benchmark::State& state, std::unique_ptr<MapDocument> (*makeMap)()) {
  const auto map = makeMap();
  auto exporter = std::make_unique<MapExporter>();
  const std::string path =
      std::filesystem::is_directory("/dev/shm") ? "/dev/shm/bench_export.glb" : "/tmp/bench_export.glb";
  for (auto _ : state) {
    const ExportResult result = exporter->Export(*map, ProgramDirectory(), ExportFormat::Glb, path);
    if (!result.ok) state.SkipWithError(CoreText(result.message).c_str());
  }
  Report(state, exporter->Builder());
  std::error_code error;
  state.counters["bytes"] = double(std::filesystem::file_size(path, error));
  std::filesystem::remove(path, error);
}

}  // namespace

BENCHMARK_CAPTURE(Geometry, sample, SampleMap)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(GlbGeometry, sample, SampleMap)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(GlbFile, sample, SampleMap)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Geometry, dense, DenseMap)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(GlbGeometry, dense, DenseMap)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(GlbFile, dense, DenseMap)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
