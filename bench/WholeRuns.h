#pragma once
// Large reads and writes are timed whole: one iteration a run, three runs, their real time.

#include <benchmark/benchmark.h>

namespace linkfold::bench {

inline void wholeRuns(benchmark::internal::Benchmark* b) {
  b->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
  b->ReportAggregatesOnly(true)->UseRealTime();
}

}  // namespace linkfold::bench
