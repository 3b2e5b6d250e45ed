#pragma once
// What every benchmark of the editor's windows shares: the one window it
// measures, made on first use and kept across its benchmarks, and a main()
// that runs offscreen unless a platform is asked for.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

namespace tessmoor::bench {

template <typename Window>
std::unique_ptr<Window>& BenchWindow() {
  static std::unique_ptr<Window> window;
  return window;
}

// The window goes before the application does: one left to the static
// destructors would outlive QApplication.
template <typename Window>
int RunWidgetBenchmarks(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  BenchWindow<Window>().reset();
  return 0;
}

}  // namespace tessmoor::bench
