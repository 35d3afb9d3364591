// One frame of the pass view as the program draws it, on an OpenGL context
// of the machine's (under Xvfb: Mesa's software renderer), into a window-
// sized framebuffer; glFinish makes each frame's drawing count. And the
// processor time the program takes while it shows the pass view and the
// user does nothing. Run it with a display, or under xvfb-run (scripts/bench
// does).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QOpenGLPaintDevice>
#include <QPainter>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <memory>

#include "app/session.h"
#include "display/pass_view.h"
#include "engine/pass_schedule.h"
#include "platform/gl_line_canvas.h"
#include "platform/main_window.h"
#include "resources/command_ids.h"
#include "support/example_section.h"

namespace {

using namespace rolvanta;

constexpr QSize kWindow(1920, 1080);

struct GlTarget {
    QOffscreenSurface surface;
    QOpenGLContext context;
    std::unique_ptr<QOpenGLFramebufferObject> framebuffer;

    bool make() {
        QSurfaceFormat format;
        format.setProfile(QSurfaceFormat::CompatibilityProfile);
        format.setDepthBufferSize(16);
        context.setFormat(format);
        if (!context.create()) return false;
        surface.setFormat(context.format());
        surface.create();
        if (!context.makeCurrent(&surface)) return false;
        framebuffer = std::make_unique<QOpenGLFramebufferObject>(
            kWindow, QOpenGLFramebufferObject::CombinedDepthStencil);
        return framebuffer->bind();
    }
};
GlTarget* target = nullptr;

Project computedProject(int passCount) {
    Project project = testing::exampleProject(passCount);
    computeDesign(project);
    return project;
}

PassViewCursor cursorAt(int index) {
    PassViewCursor cursor;
    cursor.index = index;
    cursor.overview = index == 0;
    return cursor;
}

// Processor time of the whole process, Mesa's threads included.
double processSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + now.tv_nsec * 1e-9;
}

const ViewGeometry kGeometry{double(kWindow.width()), double(kWindow.height()), 1.0};

// Laying out and drawing the overview of a full 15-record pass table, with
// its pass labels and legend, texts painted too.
void BM_OverviewFrameOfFifteenPasses(benchmark::State& state) {
    if (target == nullptr) return state.SkipWithError("no OpenGL context");
    const Project project = computedProject(15);
    const PassColours colours = makePassColours();
    const PassViewCursor cursor = cursorAt(0);
    const PassViewFonts fonts;
    const PassViewZoom zoom;
    QOpenGLPaintDevice device(kWindow);
    const double before = processSeconds();
    for (auto _ : state) {
        GlLineCanvas canvas(kWindow, 1.0, fonts);
        renderPassView(canvas, project, cursor, colours, zoom, kGeometry);
        {
            QPainter painter(&device);
            canvas.paintTexts(painter);
        }
        glFinish();
    }
    // What the frame costs on an idle machine, whatever else runs now.
    state.counters["process_cpu_us"] = benchmark::Counter((processSeconds() - before) * 1e6 /
                                                          static_cast<double>(state.iterations()));
}
// The renderer works in threads of its own: wall-clock time is what counts.
BENCHMARK(BM_OverviewFrameOfFifteenPasses)->Unit(benchmark::kMicrosecond)->UseRealTime();

// A single pass with its dimension lines, panel and caption.
void BM_SinglePassFrameWithTexts(benchmark::State& state) {
    if (target == nullptr) return state.SkipWithError("no OpenGL context");
    const Project project = computedProject(13);
    const PassColours colours = makePassColours();
    const PassViewCursor cursor = cursorAt(5);
    const PassViewFonts fonts;
    const PassViewZoom zoom;
    QOpenGLPaintDevice device(kWindow);
    const double before = processSeconds();
    for (auto _ : state) {
        GlLineCanvas canvas(kWindow, 1.0, fonts);
        renderPassView(canvas, project, cursor, colours, zoom, kGeometry);
        {
            QPainter painter(&device);
            canvas.paintTexts(painter);
        }
        glFinish();
    }
    // What the frame costs on an idle machine, whatever else runs now.
    state.counters["process_cpu_us"] = benchmark::Counter((processSeconds() - before) * 1e6 /
                                                          static_cast<double>(state.iterations()));
}
BENCHMARK(BM_SinglePassFrameWithTexts)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The layout alone: outlines, label places, legend, measured texts.
void BM_OverviewLayoutOnly(benchmark::State& state) {
    const Project project = computedProject(15);
    const PassColours colours = makePassColours();
    const PassViewCursor cursor = cursorAt(0);
    const PassViewFonts fonts;
    const PassViewZoom zoom;
    for (auto _ : state) {
        PassViewFrame frame;
        layoutPassView(frame, project, cursor, colours, zoom, kGeometry, fonts);
        benchmark::DoNotOptimize(frame.labels);
    }
}
BENCHMARK(BM_OverviewLayoutOnly)->Unit(benchmark::kMicrosecond);

// The main window in graphics mode after Compute, left alone: the view
// draws when something it shows changes, so idle it takes next to nothing.
// Reported as the percentage of one core the whole process used.
void BM_IdleInGraphicsMode(benchmark::State& state) {
    if (target == nullptr) return state.SkipWithError("no OpenGL context");
    Session session;
    MainWindow window(session, QString());
    window.resize(kWindow);
    window.show();
    window.runCommand(kMenuNewProject);
    session.project.section = testing::exampleSection(13);
    session.project.flags.customEntered = 1;
    window.runCommand(kMenuCompute);
    window.runCommand(kMenuGraphicalDisplay);
    const auto runEventLoopFor = [](int milliseconds) {
        QEventLoop loop;
        QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
        loop.exec();
    };
    runEventLoopFor(500);

    double busy = 0;
    double elapsed = 0;
    for (auto _ : state) {
        const double before = processSeconds();
        QElapsedTimer wall;
        wall.start();
        runEventLoopFor(2000);
        busy += processSeconds() - before;
        elapsed += wall.elapsed() / 1000.0;
        state.SetIterationTime(wall.elapsed() / 1000.0);
    }
    state.counters["core_percent"] = 100.0 * busy / elapsed;
}
BENCHMARK(BM_IdleInGraphicsMode)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    GlTarget gl;
    if (gl.make()) {
        target = &gl;
        std::printf("OpenGL: %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
