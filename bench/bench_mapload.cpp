// Loading a full texture table: 256 textures of 8 frames, each frame a 128 x 128
// PCX picture that must be decoded and thumbnailed. Compare LoadMapFull with
// DecodeAllFrames to see the share spent decoding (give --benchmark_min_time=2
// for steady numbers). Wall time: the load decodes on every core. The counter
// cpu_us_per_frame is the CPU time of all threads per picture.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "ProcessCpu.h"
#include "document/MapFile.h"
#include "document/PascalString.h"
#include "graphics/PcxLoader.h"
#include "graphics/PcxTestFile.h"

using namespace tessmoor;
using tessmoor::bench::CpuClock;

namespace {

constexpr int FrameCount = MaxTextures * MaxFrames;

std::string FrameName(int i) {
  char name[16];
  std::snprintf(name, sizeof name, "F%04d.PCX", i);
  return name;
}

// A program directory with GFX/ and one map naming every picture once.
struct BenchData {
  std::string directory;
  std::string mapPath;

  BenchData() {
    directory = (std::filesystem::temp_directory_path() / "tessmoor-bench-mapload/").string();
    std::filesystem::create_directories(directory + "GFX");
    for (int i = 0; i < FrameCount; ++i) {
      const std::string path = directory + "GFX/" + FrameName(i);
      if (std::filesystem::exists(path)) continue;
      pcxtest::WriteBytes(
          path, pcxtest::MakeIndexedPcx(128, 128, pcxtest::NoisyIndices(128, 128, i + 1), pcxtest::DistinctPalette()));
    }
    auto document = std::make_unique<MapDocument>();
    EditorState editor;
    ResetDocument(*document, editor, true);
    for (int t = 0; t < MaxTextures; ++t) {
      TextureEntry& entry = document->textures[static_cast<size_t>(t)];
      entry.index = t;
      WritePascalString(entry.name, TextureNameCapacity, "Textur " + std::to_string(t));
      entry.frameCount = MaxFrames;
      for (int f = 0; f < MaxFrames; ++f) {
        WritePascalString(entry.frames[static_cast<size_t>(f)].fileName, FrameNameCapacity,
                          FrameName(t * MaxFrames + f));
      }
    }
    document->textureCount = MaxTextures;
    mapPath = directory + "full.tmm";
    SaveMap(*document, mapPath);
  }
};

const BenchData& Data() {
  static BenchData data;
  return data;
}

void LoadMapFull(benchmark::State& state) {
  const BenchData& data = Data();
  auto document = std::make_unique<MapDocument>();
  EditorState editor;
  CpuClock cpu;
  for (auto _ : state) {
    state.PauseTiming();
    ResetDocument(*document, editor, true);
    state.ResumeTiming();
    cpu.Start();
    if (!LoadMap(*document, data.mapPath, {data.directory, true}).ok) state.SkipWithError("load failed");
    cpu.Stop();
  }
  state.counters["frames"] = FrameCount;
  cpu.Report(state, "cpu_us_per_frame", FrameCount);
}
BENCHMARK(LoadMapFull)->Unit(benchmark::kMillisecond)->UseRealTime();

void DecodeAllFrames(benchmark::State& state) {
  const BenchData& data = Data();
  CpuClock cpu;
  for (auto _ : state) {
    cpu.Start();
    for (int i = 0; i < FrameCount; ++i) {
      HiColorImage image;
      LoadPcxImage(data.directory + "GFX/" + FrameName(i), image);
      benchmark::DoNotOptimize(image.pixels.get());
    }
    cpu.Stop();
  }
  cpu.Report(state, "cpu_us_per_frame", FrameCount);
}
BENCHMARK(DecodeAllFrames)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
