// Compute as the user runs it: the hot section and a 13-pass schedule.

#include <benchmark/benchmark.h>

#include "engine/mill_loads.h"
#include "engine/pass_schedule.h"
#include "support/example_section.h"
#include "support/medium_beam_mill.h"

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

// The mill loads after every Compute: MB 200 in 13 passes on a plausible
// mill, both runs (the default and the low estimate).
void BM_MillLoadsThirteenPasses(benchmark::State& state) {
    const rolvanta::Project project = rolvanta::testing::computedMediumBeam200(13);
    const rolvanta::Mill mill = rolvanta::testing::plausibleMill(13);
    for (auto _ : state) {
        benchmark::DoNotOptimize(rolvanta::computeMillLoads(mill, project.section, project.passes));
    }
}
BENCHMARK(BM_MillLoadsThirteenPasses)->Unit(benchmark::kMicrosecond);

}  // namespace
