// The presenting path of the real main window on the offscreen platform: a full
// paint of the view (compose the picture, then draw the RGB555 surface through
// the WinG presenter), the compose-and-schedule redraw that an edit causes, and
// Qt's drawImage of an RGB555 picture alone, which is the floor of any present;
// and what a person waits for: a one-cell edit until the window holds it (the
// edit, its redraw, the paint and the window system's copy), and a picture new
// everywhere (another layer: compose, convert and paint it all), in wall time.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <memory>

#include "ProcessCpu.h"
#include "WidgetBench.h"
#include "edit/CellCommands.h"
#include "editor/main/EditorMainForm.h"
#include "editor/mapview/ViewPortWidget.h"
#include "support/ScriptedDialogs.h"

using namespace tessmoor;
using tessmoor::bench::CpuClock;

namespace {

struct Sizes {
  int width, height;
};
constexpr Sizes ViewSizes[] = {{528, 294}, {1920, 1080}, {3840, 2160}};

ScriptedDialogs& Dialogs() {
  static ScriptedDialogs dialogs;
  return dialogs;
}

TFrmMain& Window() {
  std::unique_ptr<TFrmMain>& window = bench::BenchWindow<TFrmMain>();
  if (!window) {
    window = std::make_unique<TFrmMain>(&Dialogs(), QString(TM_BIN_DIR));
    window->show();
    Dialogs().openAnswers.push_back(std::string(TM_BIN_DIR) + "/Maps/Sample.tmm");
    window->findChild<QAction*>("FileOpen")->trigger();
    QCoreApplication::processEvents();
  }
  return *window;
}

QWidget* SizedView(const Sizes& size) {
  TFrmMain& window = Window();
  QWidget* view = window.findChild<QWidget*>("ViewPort");
  window.resize(size.width, size.height + window.height() - view->height());
  QCoreApplication::processEvents();
  return view;
}

void BM_PaintOfTheView(benchmark::State& state) {
  QWidget* view = SizedView(ViewSizes[state.range(0)]);
  CpuClock cpu;
  for (auto _ : state) {
    cpu.Start();
    // What a present after a scroll or a zoom hands to the window system.
    view->repaint(static_cast<ViewPortWidget*>(view)->UncoveredRegion());
    cpu.Stop();
  }
  cpu.Report(state, "cpu_ms", 1000);
  state.SetLabel(std::to_string(view->width()) + "x" + std::to_string(view->height()));
}
BENCHMARK(BM_PaintOfTheView)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_RedrawAfterAnEdit(benchmark::State& state) {
  QWidget* view = SizedView(ViewSizes[state.range(0)]);
  for (auto _ : state) Window().RefreshViews();
  QCoreApplication::processEvents();
  state.SetLabel(std::to_string(view->width()) + "x" + std::to_string(view->height()));
}
BENCHMARK(BM_RedrawAfterAnEdit)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_OneCellEditOnScreen(benchmark::State& state) {
  QWidget* view = SizedView(ViewSizes[state.range(0)]);
  TFrmMain& window = Window();
  QCoreApplication::processEvents();
  const GridPoint cell{window.Editor().viewOrigin.x + 2, window.Editor().viewOrigin.y + 1};
  MapCell changed = window.Document().Cell(cell.x, cell.y);
  CpuClock cpu;
  for (auto _ : state) {
    cpu.Start();
    changed.type = static_cast<uint8_t>((changed.type + 1) % CellTypeCount);
    SetCell(window.Model(), cell, changed, PaintStepName);
    QCoreApplication::processEvents();
    cpu.Stop();
  }
  cpu.Report(state, "cpu_ms", 1000);
  state.SetLabel(std::to_string(view->width()) + "x" + std::to_string(view->height()));
}
BENCHMARK(BM_OneCellEditOnScreen)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_NewPictureOnScreen(benchmark::State& state) {
  QWidget* view = SizedView(ViewSizes[state.range(0)]);
  TFrmMain& window = Window();
  QAction* layers[] = {window.findChild<QAction*>("ViewCeiling"), window.findChild<QAction*>("ViewFloor")};
  QCoreApplication::processEvents();
  int next = 0;
  CpuClock cpu;
  for (auto _ : state) {
    cpu.Start();
    layers[next]->trigger();
    next = 1 - next;
    QCoreApplication::processEvents();
    cpu.Stop();
  }
  cpu.Report(state, "cpu_ms", 1000);
  state.SetLabel(std::to_string(view->width()) + "x" + std::to_string(view->height()));
}
BENCHMARK(BM_NewPictureOnScreen)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DrawImageOfRgb555(benchmark::State& state) {
  const Sizes size = ViewSizes[state.range(0)];
  QImage surface(size.width, size.height, QImage::Format_RGB555);
  surface.fill(Qt::darkGray);
  QImage backingStore(size.width, size.height, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&backingStore);
    painter.drawImage(0, 0, surface);
  }
  state.SetLabel(std::to_string(size.width) + "x" + std::to_string(size.height));
}
BENCHMARK(BM_DrawImageOfRgb555)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return bench::RunWidgetBenchmarks<TFrmMain>(argc, argv); }
