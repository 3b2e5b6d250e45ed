// PCX decoding speed: our decoder against SDL2_image's PCX loader on the same
// noisy textures, both from memory and both from a file. Reports pixels per second.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "graphics/PcxLoader.h"
#include "graphics/PcxTestFile.h"

#ifdef TM_HAVE_SDL2_IMAGE
#include <SDL.h>
#include <SDL_image.h>
#endif

using namespace tessmoor;

namespace {

struct Picture {
  int side = 0;
  std::vector<uint8_t> bytes;
  std::string path;
};

// Made once at start-up into a temporary directory that is removed at exit.
class Pictures {
 public:
  Pictures() : dir_(std::filesystem::temp_directory_path() / "tessmoor_bench_pcx") {
    std::filesystem::create_directories(dir_);
    for (int side : {64, 1024}) {
      Picture picture;
      picture.side = side;
      picture.bytes =
          pcxtest::MakeIndexedPcx(side, side, pcxtest::NoisyIndices(side, side, 42), pcxtest::DistinctPalette());
      picture.path = (dir_ / ("noise" + std::to_string(side) + ".pcx")).string();
      pcxtest::WriteBytes(picture.path, picture.bytes);
      pictures_.push_back(std::move(picture));
    }
  }
  ~Pictures() { std::filesystem::remove_all(dir_); }

  const Picture& Side(int side) const { return side == 64 ? pictures_[0] : pictures_[1]; }

 private:
  std::filesystem::path dir_;
  std::vector<Picture> pictures_;
};

const Pictures& TestPictures() {
  static Pictures pictures;
  return pictures;
}

void CountPixels(benchmark::State& state, int side) {
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * side * side);
}

void BM_DecodePcx_FromMemory(benchmark::State& state) {
  const Picture& picture = TestPictures().Side(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    HiColorImage image;
    DecodePcxImage(picture.bytes.data(), picture.bytes.size(), image);
    benchmark::DoNotOptimize(image.pixels.get());
  }
  CountPixels(state, picture.side);
}
BENCHMARK(BM_DecodePcx_FromMemory)->Arg(64)->Arg(1024);

void BM_LoadPcx_FromFile(benchmark::State& state) {
  const Picture& picture = TestPictures().Side(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    HiColorImage image;
    LoadPcxImage(picture.path, image);
    benchmark::DoNotOptimize(image.pixels.get());
  }
  CountPixels(state, picture.side);
}
BENCHMARK(BM_LoadPcx_FromFile)->Arg(64)->Arg(1024);

#ifdef TM_HAVE_SDL2_IMAGE
void BM_SdlImagePcx_FromMemory(benchmark::State& state) {
  const Picture& picture = TestPictures().Side(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    SDL_RWops* source = SDL_RWFromConstMem(picture.bytes.data(), static_cast<int>(picture.bytes.size()));
    SDL_Surface* surface = IMG_LoadPCX_RW(source);
    SDL_RWclose(source);
    if (!surface) {
      state.SkipWithError("SDL2_image could not decode the picture");
      break;
    }
    benchmark::DoNotOptimize(surface->pixels);
    SDL_FreeSurface(surface);
  }
  CountPixels(state, picture.side);
}
BENCHMARK(BM_SdlImagePcx_FromMemory)->Arg(64)->Arg(1024);

void BM_SdlImagePcx_FromFile(benchmark::State& state) {
  const Picture& picture = TestPictures().Side(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    SDL_RWops* source = SDL_RWFromFile(picture.path.c_str(), "rb");
    SDL_Surface* surface = source ? IMG_LoadPCX_RW(source) : nullptr;
    if (source) SDL_RWclose(source);
    if (!surface) {
      state.SkipWithError("SDL2_image could not load the picture");
      break;
    }
    benchmark::DoNotOptimize(surface->pixels);
    SDL_FreeSurface(surface);
  }
  CountPixels(state, picture.side);
}
BENCHMARK(BM_SdlImagePcx_FromFile)->Arg(64)->Arg(1024);
#endif

}  // namespace

BENCHMARK_MAIN();
