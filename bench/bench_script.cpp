// Scripts: a run that sets the floor of every cell (4,096 calls), with the undo
// step it makes, as tmcompile runs it on the map itself and as the window runs
// it on a copy whose result comes back as one step; and how long an endless
// loop takes to end after "Stopp".
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <chrono>
#include <thread>

#include "document/MapFile.h"
#include "edit/MapContentCommand.h"
#include "scripting/ScriptRunner.h"

using namespace tessmoor;

namespace {

constexpr const char* EveryFloor =
    "for (let x = 0; x < 64; ++x) for (let y = 0; y < 64; ++y) tessmoor.set(x, y, 'floorHeight', (x + y) % 7);";

void LoadSample(EditorSession& session) {
  session.Model().Replace([&](MapDocument& map) {
    ResetDocument(map, session.Editor(), true);
    LoadMap(map, TM_BIN_DIR "/Maps/Sample.tmm", MapLoadOptions{TM_BIN_DIR "/", true});
  });
}

void BM_ScriptSetsEveryFloor(benchmark::State& state) {
  EditorSession session(TM_BIN_DIR "/");
  LoadSample(session);
  NoFilesGate gate;
  ScriptRunner runner(ScriptPlace{session, gate, nullptr, true, {}});
  for (auto _ : state) {
    if (!runner.Run({"Böden", EveryFloor}).Ok()) state.SkipWithError("the script failed");
    state.PauseTiming();
    session.Model().Undo();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ScriptSetsEveryFloor)->Unit(benchmark::kMillisecond);

// As the window does it: a copy of the map, the run on it, the result adopted as one step.
void BM_ScriptOnACopySetsEveryFloor(benchmark::State& state) {
  EditorSession session(TM_BIN_DIR "/");
  LoadSample(session);
  NoFilesGate gate;
  for (auto _ : state) {
    EditorSession copy(TM_BIN_DIR "/");
    copy.Model().Replace([&](MapDocument& map) { CopyMapContent(session.Map(), map); });
    ScriptRunner runner(ScriptPlace{copy, gate, nullptr, true, {}});
    if (!runner.Run({"Böden", EveryFloor}).Ok()) state.SkipWithError("the script failed");
    session.Editing().AdoptContent(copy.Map(), StepName::Script, "Böden");
    state.PauseTiming();
    session.Model().Undo();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ScriptOnACopySetsEveryFloor)->Unit(benchmark::kMillisecond);

void BM_StopEndsAnEndlessLoop(benchmark::State& state) {
  EditorSession session(TM_BIN_DIR "/");
  NoFilesGate gate;
  double worstMs = 0;
  for (auto _ : state) {
    ScriptRunner runner(ScriptPlace{session, gate, nullptr, true, {}});
    std::chrono::steady_clock::time_point stopped;
    std::thread stopper([&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
      stopped = std::chrono::steady_clock::now();
      runner.Stop();
    });
    runner.Run({"Schleife", "while (true) {}"});
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - stopped).count();
    stopper.join();
    worstMs = std::max(worstMs, ms);
    state.SetIterationTime(ms / 1000.0);
  }
  state.counters["worst_ms"] = worstMs;
}
BENCHMARK(BM_StopEndsAnEndlessLoop)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
