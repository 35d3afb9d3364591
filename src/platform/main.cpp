// ROLVANTA, the desktop program: one main window; everything it does is
// started from its menu and toolbar.

#include <QApplication>
#include <QPaintEvent>
#include <QScreen>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "app/session.h"
#include "platform/main_window.h"
#include "platform/program_files.h"
#include "platform/text_page_widget.h"

namespace {

// With ROLVANTA_STARTUP_PROBE set the program reports, on standard error,
// when its window was first painted, so that a script can measure the
// start-up from outside.
class FirstPaintProbe : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Wall-clock time, and the processor time spent so far (which a
            // busy machine does not inflate).
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            timespec cpu{};
            clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
            std::fprintf(stderr, "first-paint %lld cpu %lld\n",
                         static_cast<long long>(
                             std::chrono::duration_cast<std::chrono::microseconds>(now).count()),
                         static_cast<long long>(cpu.tv_sec) * 1000000 + cpu.tv_nsec / 1000);
        }
        return false;
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ROLVANTA"));

    rolvanta::Session session;
    session.catalogueFiles.installed =
        rolvanta::findShippedFile(QStringLiteral("profile.dat")).toStdString();

    rolvanta::MainWindow window(session, rolvanta::findProgramFile(QStringLiteral("Bitmap.bmp")));
    FirstPaintProbe probe;
    if (std::getenv("ROLVANTA_STARTUP_PROBE") != nullptr)
        window.textPage()->installEventFilter(&probe);
    // The whole screen from its top-left corner, also where no window
    // manager maximises windows (as under Xvfb).
    if (const QScreen* screen = window.screen()) window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    return QApplication::exec();
}
