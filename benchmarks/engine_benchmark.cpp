// Compute as the user runs it: the hot section and a 13-pass schedule.

#include <benchmark/benchmark.h>

#include "engine/pass_schedule.h"
#include "support/example_section.h"

namespace {

void BM_ComputeThirteenPasses(benchmark::State& state) {
    rolvanta::Project project = rolvanta::testing::exampleProject(13);
    for (auto _ : state) {
        rolvanta::computeDesign(project);
        benchmark::DoNotOptimize(project);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ComputeThirteenPasses);

}  // namespace
