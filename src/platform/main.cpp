// ROLVANTA, the desktop program: one main window; everything it does is
// started from its menu and toolbar.

#include <QApplication>
#include <QPaintEvent>
#include <QScreen>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "app/session.h"
#include "platform/main_window.h"
#include "platform/program_files.h"
#include "platform/text_page_widget.h"

namespace {

// With ROLVANTA_STARTUP_PROBE set the program reports, on standard error,
// the wall-clock time at which its window was first painted, so that a
// script can measure the start-up from outside.
class FirstPaintProbe : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            std::fprintf(stderr, "first-paint %lld\n",
                         static_cast<long long>(
                             std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
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
