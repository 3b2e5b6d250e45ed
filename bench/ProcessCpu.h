#pragma once
// CPU time of the whole process, every thread included (Qt paints large images
// on a thread pool; the map load decodes on every core). On a machine that
// others use too, it tells the work done apart from the cores waited for.

#include <benchmark/benchmark.h>
#include <time.h>

namespace tessmoor::bench {

inline double ProcessCpuMicroseconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return double(now.tv_sec) * 1e6 + double(now.tv_nsec) / 1e3;
}

// Sums the process CPU time between Start and Stop over a benchmark's iterations.
class CpuClock {
 public:
  void Start() { startedAt_ = ProcessCpuMicroseconds(); }
  void Stop() { total_ += ProcessCpuMicroseconds() - startedAt_; }
  // Adds counter `name`: the CPU time per iteration, divided by `per`.
  void Report(benchmark::State& state, const char* name, double per = 1) const {
    state.counters[name] = total_ / double(state.iterations()) / per;
  }

 private:
  double startedAt_ = 0, total_ = 0;
};

}  // namespace tessmoor::bench
