// The texture browser on the largest table a map holds: 256 textures of 8
// frames each (the format's limit), every frame a 128 x 128 picture. Measured: the panel shown with
// its pictures made anew, one key typed into its filter until the list is
// drawn again, the usage counts after an edit, and the memory of the pictures
// the browser keeps (counter "pictures_MB", after every entry was drawn and one
// texture animated through all its frames).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDockWidget>
#include <QLineEdit>
#include <QListView>
#include <QKeyEvent>
#include <memory>

#include "ProcessCpu.h"
#include "WidgetBench.h"
#include "edit/CellCommands.h"
#include "editor/features/TextureBrowserFeature.h"
#include "editor/main/EditorMainForm.h"
#include "editor/widgets/TextureEntryDelegate.h"
#include "editor/widgets/TexturePictureCache.h"
#include "support/ScriptedDialogs.h"

using namespace tessmoor;
using tessmoor::bench::CpuClock;

namespace {

constexpr int Textures = MaxTextures;
constexpr int Frames = MaxFrames;
constexpr int PictureSide = 128;

ScriptedDialogs& Dialogs() {
  static ScriptedDialogs dialogs;
  return dialogs;
}

// Every frame's thumbnail made from a picture of its own, as a load makes it.
void FillLargestTable(MapDocument& map) {
  map.textureCount = Textures;
  HiColorImage picture;
  AllocImage(PictureSide, PictureSide, picture);
  for (int t = 0; t < Textures; ++t) {
    TextureEntry& entry = map.textures[static_cast<size_t>(t)];
    entry.index = t;
    const std::string name = "Textur " + std::to_string(t * 7919 % 1000) + (t % 3 ? " Stein" : " Holz");
    entry.name[0] = static_cast<uint8_t>(name.size());
    std::copy(name.begin(), name.end(), entry.name + 1);
    entry.frameCount = Frames;
    for (int f = 0; f < Frames; ++f) {
      for (int p = 0; p < PictureSide * PictureSide; ++p) picture.pixels[static_cast<size_t>(p)] = RGB555(t * 131 + f * 17 + p);
      TextureFrame& frame = entry.frames[static_cast<size_t>(f)];
      const std::string file = "T" + std::to_string(t) + "_" + std::to_string(f) + ".PCX";
      frame.fileName[0] = static_cast<uint8_t>(file.size());
      std::copy(file.begin(), file.end(), frame.fileName + 1);
      MakeThumbnail(picture, frame.thumbnail);
    }
  }
  for (int c = 0; c < GridSize * GridSize; ++c) {
    for (int layer = 0; layer < SurfaceCount; ++layer) {
      map.cells[static_cast<size_t>(c)].texture[layer] = static_cast<uint16_t>((c * 5 + layer * 31) % Textures);
    }
  }
}

TFrmMain& Window() {
  std::unique_ptr<TFrmMain>& window = bench::BenchWindow<TFrmMain>();
  if (!window) {
    window = std::make_unique<TFrmMain>(&Dialogs(), QString(TM_BIN_DIR) + "/");
    window->resize(1920, 1080);
    window->show();
    window->Model().Replace([](MapDocument& map) { FillLargestTable(map); });
    QCoreApplication::processEvents();
  }
  return *window;
}

QDockWidget& Dock() { return *Window().TextureBrowser().Dock(); }
QListView& List() { return *Window().findChild<QListView*>("LVTextures"); }

// The map again as a new one: every picture of the browser must be made anew.
void ForgetPictures() {
  Window().Model().Replace([](MapDocument& map) { FillLargestTable(map); });
  QCoreApplication::processEvents();
}

void BM_ShowPanelWithEveryPicture(benchmark::State& state) {
  CpuClock cpu;
  for (auto _ : state) {
    state.PauseTiming();
    Dock().hide();
    ForgetPictures();
    state.ResumeTiming();
    cpu.Start();
    Dock().show();
    QCoreApplication::processEvents();
    List().viewport()->repaint();
    // Every entry's picture, not only those in sight: scrolling then costs nothing.
    for (int t = 0; t < Textures; ++t) Window().TexturePictures().Picture(t, 0, TextureEntryDelegate::RowPicture);
    cpu.Stop();
  }
  cpu.Report(state, "cpu_ms", 1000);
}
BENCHMARK(BM_ShowPanelWithEveryPicture)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OneKeyInTheFilter(benchmark::State& state) {
  Dock().show();
  QLineEdit& filter = *Window().findChild<QLineEdit*>("EdtTextureFilter");
  filter.setText("Stein 1");
  QCoreApplication::processEvents();
  bool shorter = false;
  CpuClock cpu;
  for (auto _ : state) {
    shorter = !shorter;
    cpu.Start();
    const Qt::Key key = shorter ? Qt::Key_Backspace : Qt::Key_1;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, shorter ? QString() : QStringLiteral("1"));
    QApplication::sendEvent(&filter, &press);
    List().viewport()->repaint();
    cpu.Stop();
  }
  if (List().model()->rowCount() == Textures) state.SkipWithError("the filter left every texture");
  filter.clear();
  cpu.Report(state, "cpu_ms", 1000);
}
BENCHMARK(BM_OneKeyInTheFilter)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_UsageAfterAnEdit(benchmark::State& state) {
  Dock().show();
  QCoreApplication::processEvents();
  int step = 0;
  CpuClock cpu;
  for (auto _ : state) {
    MapCell cell = Window().Document().Cell(step % GridSize, step / GridSize % GridSize);
    cell.texture[SurfaceKind::Floor] = static_cast<uint16_t>(step % Textures);
    ++step;
    cpu.Start();
    // The edit's notice recounts every texture's usage and re-sorts what shows.
    SetCell(Window().Model(), {step % GridSize, step / GridSize % GridSize}, cell, PaintStepName);
    cpu.Stop();
  }
  cpu.Report(state, "cpu_ms", 1000);
}
BENCHMARK(BM_UsageAfterAnEdit)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_CountEveryTextureUsage(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(CountEveryTextureUsage(Window().Document()));
}
BENCHMARK(BM_CountEveryTextureUsage)->Unit(benchmark::kMicrosecond);

void BM_PictureMemory(benchmark::State& state) {
  Dock().show();
  QListView& list = List();
  for (auto _ : state) {
    // Every entry drawn, and one texture animated through all its frames.
    for (int row = 0; row < list.model()->rowCount(); row += 8) {
      list.scrollTo(list.model()->index(row, 0));
      list.viewport()->repaint();
    }
    for (int f = 0; f < Frames; ++f) Window().TexturePictures().Picture(17, f, TextureEntryDelegate::RowPicture);
  }
  TexturePictureCache& cache = Window().TexturePictures();
  state.counters["pictures_MB"] = static_cast<double>(cache.Bytes()) / (1024.0 * 1024.0);
  state.counters["pictures"] = static_cast<double>(cache.Size());
  size_t thumbnails = 0;
  for (int t = 0; t < Textures; ++t) {
    for (const TextureFrame& frame : Window().Document().textures[static_cast<size_t>(t)].frames) {
      thumbnails += static_cast<size_t>(frame.thumbnail.width) * static_cast<size_t>(frame.thumbnail.height) * 2u;
    }
  }
  state.counters["map_thumbnails_MB"] = static_cast<double>(thumbnails) / (1024.0 * 1024.0);
}
BENCHMARK(BM_PictureMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) { return bench::RunWidgetBenchmarks<TFrmMain>(argc, argv); }
