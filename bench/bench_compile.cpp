// Compile time of whole maps: geometry pass, welding and writing the model file.
//
//   Sample: rooms behind walls with doors, raised platforms, lowered ceilings,
//           columns, water basins and windows - what a level designer builds.
//   Dense:  every cell open, with floor and ceiling steps at many different
//           heights and offsets: close to the 12000-polygon capacity, with the
//           texture-coordinate table filled close to its 1000 entries.
// Each runs with the hashed merges and with the plain searches they replace.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <random>

#include "compiler/CellGeometry.h"
#include "compiler/CompileMap.h"
#include "document/MapDocument.h"

namespace {

constexpr uint16_t FloorTexture = 0, CeilingTexture = 1, WallTexture = 2, StepTexture = 3, WaterTexture = 4;

class NullLog : public CompileLog {
 public:
  void ClearLog() override {}
  void AddLogLine(const std::string& text = "") override { last = text; }
  void ExtendLastLine(const std::string&) override {}
  std::string last;
};

std::unique_ptr<MapDocument> NewMap() {
  auto map = std::make_unique<MapDocument>();
  EditorState editor;
  ResetDocument(*map, editor, true);
  map->textureCount = 5;
  return map;
}

void Open(MapCell& cell) {
  cell.type = static_cast<uint8_t>(CellType::Nothing);
  cell.texture[Floor] = FloorTexture;
  cell.texture[Ceiling] = CeilingTexture;
  cell.texture[PedestalFloor] = StepTexture;
  cell.texture[PedestalCeiling] = StepTexture;
}

void MakeKind(MapCell& cell, CellType type) {
  cell.type = static_cast<uint8_t>(type);
  cell.texture[Wall] = type == CellType::WaterBasin ? WaterTexture : WallTexture;
}

// Rooms of 7 x 7 open cells inside walls, with a door in each wall.
std::unique_ptr<MapDocument> SampleMap() {
  auto map = NewMap();
  std::mt19937 random(7);
  for (int x = 0; x < GridSize; ++x) {
    for (int y = 0; y < GridSize; ++y) {
      MapCell& cell = map->Cell(x, y);
      const bool wallLine = x % 8 == 0 || y % 8 == 0;
      const bool door = (x % 8 == 4 && y % 8 == 0 && y > 0) || (y % 8 == 4 && x % 8 == 0 && x > 0);
      if (wallLine && !door) {
        MakeKind(cell, CellType::Wall);
        cell.textureOffset[Wall] = int16_t(random() % 4 * 32);
        continue;
      }
      Open(cell);
      if (door)
        for (float& corner : cell.ceilingHeight) corner = 96.0f;
    }
  }
  for (int roomX = 0; roomX < 8; ++roomX) {
    for (int roomY = 0; roomY < 8; ++roomY) {
      const int x0 = roomX * 8 + 1, y0 = roomY * 8 + 1;
      switch ((roomX + 3 * roomY) % 4) {
        case 0:  // a raised platform in the middle
          for (int x = x0 + 2; x < x0 + 5; ++x)
            for (int y = y0 + 2; y < y0 + 5; ++y) map->Cell(x, y).floorHeight = 16.0f * float(1 + roomX % 3);
          break;
        case 1:  // four columns
          for (int c = 0; c < 4; ++c) MakeKind(map->Cell(x0 + 1 + c % 2 * 4, y0 + 1 + c / 2 * 4), CellType::Column);
          break;
        case 2:  // a basin and a lowered, sloping ceiling
          for (int x = x0 + 1; x < x0 + 6; ++x) {
            for (int y = y0 + 1; y < y0 + 6; ++y) {
              MapCell& cell = map->Cell(x, y);
              MakeKind(cell, CellType::WaterBasin);
              cell.floorHeight = -32.0f;
              cell.waterLevel = -8.0f;
              cell.opacity = 100;
            }
          }
          for (int x = x0; x < x0 + 7; ++x) map->Cell(x, y0).ceilingHeight[0] = 80.0f + float(x - x0) * 8;
          break;
        default:  // windows across the room
          for (int x = x0 + 1; x < x0 + 6; ++x) MakeKind(map->Cell(x, y0 + 3), CellType::WindowHorizontal);
          MakeKind(map->Cell(x0 + 3, y0 + 1), CellType::WindowVertical);
          break;
      }
    }
  }
  return map;
}

// Every cell open; floors and ceilings at random heights with random step
// offsets, and steps only in some cells, so the polygons stay just below the
// capacity while the texture coordinates take most of their table.
std::unique_ptr<MapDocument> DenseMap() {
  auto map = NewMap();
  std::mt19937 random(2024);
  std::uniform_int_distribution<int> floorHeight(0, 31), ceilingRaise(0, 31), offset(0, 330);
  for (MapCell& cell : map->cells) {
    Open(cell);
    cell.texture[PedestalFloor] = random() % 100 < 28 ? StepTexture : NoTexture;
    cell.texture[PedestalCeiling] = random() % 100 < 16 ? StepTexture : NoTexture;
    cell.floorHeight = float(floorHeight(random));
    const float ceiling = 128.0f + float(ceilingRaise(random));
    for (float& corner : cell.ceilingHeight) corner = ceiling;
    cell.textureOffset[PedestalFloor] = int16_t(offset(random));
    cell.textureOffset[PedestalCeiling] = int16_t(offset(random));
  }
  return map;
}

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
