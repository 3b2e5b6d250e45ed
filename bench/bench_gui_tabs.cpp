// Switching between two maps in one window of tabs, as Ctrl+Tab does, until
// the new tab's map view has presented its picture: the tab bar's change, the
// stacked page's show, the view's redraw (compose the picture) and its paint
// into the window. Each switch is checked to have reached the view's paint, so
// a switch that shows nothing cannot pass for a fast one.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "ProcessCpu.h"
#include "WidgetBench.h"
#include "editor/main/EditorMainForm.h"
#include "editor/mapview/ViewPortWidget.h"
#include "editor/main/MapTabsWindow.h"
#include "support/ScriptedDialogs.h"

using namespace tessmoor;
using tessmoor::bench::CpuClock;

namespace {

struct Sizes {
  int width, height;
};
constexpr Sizes WindowSizes[] = {{528, 344}, {1920, 1080}, {3840, 2160}};

ScriptedDialogs& Dialogs() {
  static ScriptedDialogs dialogs;
  return dialogs;
}

// Two tabs holding the two sample maps, the first current.
MapTabsWindow& Window() {
  std::unique_ptr<MapTabsWindow>& window = bench::BenchWindow<MapTabsWindow>();
  if (!window) {
    window = std::make_unique<MapTabsWindow>(&Dialogs(), QString(TM_BIN_DIR));
    window->show();
    window->Current().OpenMapFile(std::string(TM_BIN_DIR) + "/Maps/Sample.tmm");
    window->OpenInNewTab(std::string(TM_BIN_DIR) + "/Maps/Courtyard.tmm");
    window->SetCurrent(0);
    QCoreApplication::processEvents();
  }
  return *window;
}

ViewPortWidget& ViewOf(TFrmMain& tab) { return static_cast<ViewPortWidget&>(tab.MapWidget()); }

void Resize(MapTabsWindow& window, const Sizes& size) {
  window.resize(size.width, size.height);
  // Both tabs take the new size, each while it is current, as a person sees them.
  for (int i = 0; i < 2; ++i) {
    window.SetCurrent(i);
    QCoreApplication::processEvents();
  }
}

// Makes the other tab current and waits until its view has painted; false
// when it never did.
bool SwitchUntilPainted(MapTabsWindow& window) {
  ViewPortWidget& coming = ViewOf(window.Tab(1 - window.CurrentIndex()));
  const int before = coming.PresentedFrames();
  window.StepTab(1);
  // The window system's paint comes as a posted update request.
  for (int round = 0; round < 100 && coming.PresentedFrames() == before; ++round) QCoreApplication::processEvents();
  return coming.PresentedFrames() != before;
}

void BM_SwitchTab(benchmark::State& state) {
  MapTabsWindow& window = Window();
  Resize(window, WindowSizes[state.range(0)]);
  CpuClock cpu;
  for (auto _ : state) {
    cpu.Start();
    const bool painted = SwitchUntilPainted(window);
    cpu.Stop();
    if (!painted) {
      state.SkipWithError("the new tab's view never painted");
      break;
    }
  }
  cpu.Report(state, "cpu_ms", 1000);
  const QWidget& view = window.Current().MapWidget();
  state.SetLabel("view " + std::to_string(view.width()) + "x" + std::to_string(view.height()));
}
BENCHMARK(BM_SwitchTab)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) { return bench::RunWidgetBenchmarks<MapTabsWindow>(argc, argv); }
