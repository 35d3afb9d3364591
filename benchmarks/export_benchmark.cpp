// The exports of a 13-pass design: the DXF of every pass (at most 20 ms)
// and the PDF report with its drawing page (at most 500 ms), each made in
// memory as the program makes them before writing.

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "export/dxf_drawing.h"
#include "pdf/report_pdf.h"
#include "support/example_section.h"

namespace {

const rolvanta::Project& thirteenPasses() {
    static const rolvanta::Project project = rolvanta::testing::computedProject(13);
    return project;
}

void BM_PassDrawingsDxf(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(rolvanta::formatPassDrawingsDxf(thirteenPasses()));
    }
}
BENCHMARK(BM_PassDrawingsDxf)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

void BM_ReportPdf(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            rolvanta::renderReportPdf(thirteenPasses(), "mb100.rol", {5, 3, 2002, 9, 7, 3}));
    }
}
BENCHMARK(BM_ReportPdf)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

}  // namespace

int main(int argc, char** argv) {
    // Fonts need a GUI application; the offscreen platform needs no display.
    static char platform[] = "-platform", offscreen[] = "offscreen";
    char* qtArguments[] = {argv[0], platform, offscreen, nullptr};
    int qtCount = 3;
    QGuiApplication application(qtCount, qtArguments);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
