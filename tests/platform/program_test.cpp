// Starts the real program on the X display (run under xvfb-run), takes a
// screenshot once its window has painted, and drives it with xdotool as a
// user would. The screenshots stay in the test's folder for a look.

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>
#include <utility>

namespace {

QString programPath;    // the rolvanta executable
QString screenshotDir;  // where the screenshots are left

QString xdotool(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    process.waitForFinished(5000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// Polls until done() holds, for at most timeoutMs; whether it came to hold.
template <typename Done>
bool waitFor(Done done, int timeoutMs = 10000) {
    QElapsedTimer timer;
    timer.start();
    for (; !done(); QThread::msleep(20)) {
        if (timer.elapsed() > timeoutMs) return false;
    }
    return true;
}

class RunningProgram {
  public:
    RunningProgram() {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("ROLVANTA_STARTUP_PROBE"), QStringLiteral("1"));
        // Libraries the build asks to keep loaded in the program (see
        // CMakeLists.txt), for the program alone.
        const QString preload = qEnvironmentVariable("ROLVANTA_PROGRAM_PRELOAD");
        if (!preload.isEmpty()) environment.insert(QStringLiteral("LD_PRELOAD"), preload);
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(QDir::tempPath());
        process.start(programPath, {});
    }
    ~RunningProgram() {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }

    // Waits for the window's first paint, for at most twenty seconds.
    bool waitForFirstPaint() {
        waitFor(
            [this] {
                process.waitForReadyRead(100);
                errors += process.readAllStandardError();
                return errors.contains("first-paint") || process.state() == QProcess::NotRunning;
            },
            20000);
        return errors.contains("first-paint");
    }

    QProcess process;
    QByteArray errors;
};

QImage grabScreen() { return QGuiApplication::primaryScreen()->grabWindow(0).toImage(); }

// The screen once it differs from before (when given) and two grabs in a
// row agree: the server has drawn what was sent.
QImage screenshot(const QString& name, const QImage& before = QImage()) {
    QImage image = grabScreen();
    if (!before.isNull()) waitFor([&] { return (image = grabScreen()) != before; });
    waitFor([&] {
        const QImage last = std::exchange(image, grabScreen());
        return last == image;
    });
    image.save(QDir(screenshotDir).filePath(name));
    return image;
}

// Share of the pixels in rect (every other one) within 24 of colour on every channel.
double shareOf(const QImage& image, const QRect& rect, QColor colour) {
    int matching = 0;
    int total = 0;
    for (int y = rect.top(); y <= rect.bottom(); y += 2) {
        for (int x = rect.left(); x <= rect.right(); x += 2, ++total) {
            const QColor p = image.pixelColor(x, y);
            matching +=
                std::max({std::abs(p.red() - colour.red()), std::abs(p.green() - colour.green()),
                          std::abs(p.blue() - colour.blue())}) <= 24;
        }
    }
    return total == 0 ? 0.0 : static_cast<double>(matching) / total;
}

TEST(Program, ShowsItsWindowRunsItsShortcutsAndExitsWithCodeZero) {
    RunningProgram program;
    ASSERT_TRUE(program.waitForFirstPaint()) << program.errors.toStdString();
    const QImage start = screenshot(QStringLiteral("program-start.png"));
    const QSize screen = start.size();
    ASSERT_GE(screen.width(), 1024);
    // The window covers the screen: the white client area, the welcome
    // picture's dark panel in it (the menu and toolbar: main_window_test).
    EXPECT_GT(
        shareOf(start, QRect(screen.width() - 300, screen.height() - 200, 200, 100), Qt::white),
        0.95)
        << "the client area is white";
    EXPECT_GT(shareOf(start, QRect(20, 200, 300, 300), QColor(15, 30, 70)), 0.3)
        << "the welcome picture's panel shows near the top-left corner";

    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) {
        GTEST_SKIP() << "xdotool is not installed";
    }
    const QString window =
        xdotool({"search", "--name", "^ROLVANTA - Start New Project$"}).section('\n', 0, 0);
    ASSERT_FALSE(window.isEmpty());
    xdotool({"windowfocus", "--sync", window});
    xdotool({"key", "--window", window, "ctrl+n"});
    EXPECT_TRUE(waitFor([&] {
        return xdotool({"getwindowname", window}) ==
               QStringLiteral("ROLVANTA - New Project Started");
    }));
    const QImage started = screenshot(QStringLiteral("program-new-project.png"), start);
    EXPECT_LT(shareOf(started, QRect(20, 200, 300, 300), QColor(15, 30, 70)), 0.05)
        << "the welcome picture goes with the first repaint";

    // The pass view turns the window into an OpenGL one, a new native
    // window: the keyboard must still reach the program afterwards.
    xdotool({"key", "alt+s"});
    const QImage menuOpen = screenshot(QStringLiteral("program-solve-menu.png"), started);
    xdotool({"key", "g"});
    screenshot(QStringLiteral("program-pass-view.png"), menuOpen);
    EXPECT_TRUE(waitFor([] {
        return xdotool({"getwindowname", xdotool({"getwindowfocus"})}).startsWith("ROLVANTA");
    })) << "the keyboard focus stays with the main window";

    // Ctrl+Q quits as on every desktop (Ctrl+X, the menu's, does as well).
    xdotool({"key", "ctrl+q"});
    ASSERT_TRUE(program.process.waitForFinished(10000)) << "Exit ends the program";
    EXPECT_EQ(program.process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.process.exitCode(), 0)
        << (program.errors + program.process.readAllStandardError()).toStdString();
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: program_tests ROLVANTA SCREENSHOT_FOLDER\n");
        return 2;
    }
    programPath = QString::fromLocal8Bit(argv[1]);
    screenshotDir = QString::fromLocal8Bit(argv[2]);
    return RUN_ALL_TESTS();
}
