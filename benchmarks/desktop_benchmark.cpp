// The desktop program's displays as the designer sees them change: the
// Mill Loads display of a 13-pass schedule, 1280 x 1024, from an input
// dialog's OK (the warnings noted, the client area repainted) until the
// table and the chart have been painted anew. Run it with a display, or
// under xvfb-run (scripts/bench does).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTest>

#include "app/main_commands.h"
#include "platform/main_window.h"
#include "platform/mill_loads_widget.h"
#include "resources/command_ids.h"
#include "support/mill_loads_fixture.h"

namespace {

using namespace rolvanta;

// Notes when the widget it watches has been painted.
class PaintWatch : public QObject {
  public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted = true;
        return false;
    }
};

void BM_MillLoadsRefreshAfterAnInputOk(benchmark::State& state) {
    Session session;
    MainWindow window(session, QString());
    window.resize(1280, 1024);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return state.SkipWithError("no window");
    window.runCommand(kMenuNewProject);
    session.project = testing::millLoadsProject(13);
    window.runCommand(kMenuMillLoads);
    QCoreApplication::processEvents();
    PaintWatch watch;
    window.millLoads()->chart()->installEventFilter(&watch);
    for (auto _ : state) {
        watch.painted = false;
        // What every input dialog's OK does once the dialog has closed.
        noteDesignWarnings(session, window.shell());
        window.shell().repaint();
        // The paint happens inside processEvents: when it returns, the
        // chart is on the screen's buffer.
        while (!watch.painted) QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_MillLoadsRefreshAfterAnInputOk)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
