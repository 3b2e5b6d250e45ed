// A change of language with the map window and its tool windows open (the
// properties, find and replace, the map check, the script console, the stamps),
// from the setting until every window has set its texts anew: translators
// swapped, every widget's LanguageChange handled, the commands retranslated.
// Each switch is checked to have reached the menus, so a switch that changes
// nothing cannot pass for a fast one.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <memory>

#include "ProcessCpu.h"
#include "WidgetBench.h"
#include "editor/main/EditorMainForm.h"
#include "editor/main/MapTabsWindow.h"
#include "editor/widgets/UiLanguage.h"
#include "support/ScriptedDialogs.h"

using namespace tessmoor;
using tessmoor::bench::CpuClock;

namespace {

ScriptedDialogs& Dialogs() {
  static ScriptedDialogs dialogs;
  return dialogs;
}

MapTabsWindow& Window() {
  std::unique_ptr<MapTabsWindow>& window = bench::BenchWindow<MapTabsWindow>();
  if (!window) {
    ApplyUiLanguage(UiLanguage::German);
    window = std::make_unique<MapTabsWindow>(&Dialogs(), QString(TM_BIN_DIR));
    window->resize(1920, 1080);
    window->show();
    window->Current().OpenMapFile(std::string(TM_BIN_DIR) + "/Maps/Sample.tmm");
    for (const char* id : {"ViewProperties", "EditFindReplace", "EditCheckMap", "ExtrasScriptConsole", "ViewStamps"})
      window->findChild<QAction*>(id)->trigger();
    QCoreApplication::processEvents();
  }
  return *window;
}

void BM_SwitchLanguage(benchmark::State& state) {
  MapTabsWindow& window = Window();
  const QAction* save = window.findChild<QAction*>("FileSave");
  bool english = false;
  CpuClock cpu;
  for (auto _ : state) {
    english = !english;
    cpu.Start();
    ApplyUiLanguage(english ? UiLanguage::English : UiLanguage::German);
    QCoreApplication::processEvents();
    cpu.Stop();
    if (save->text() != (english ? "&Save" : "&Speichern")) {
      state.SkipWithError("the menus did not follow the switch");
      break;
    }
  }
  cpu.Report(state, "cpu_ms", 1000);
}
BENCHMARK(BM_SwitchLanguage)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) { return bench::RunWidgetBenchmarks<MapTabsWindow>(argc, argv); }
