// ROLVANTA, the desktop program: one main window; everything it does is
// started from its menu and toolbar. Started with a project file, as a file
// manager starts it, it opens that file as Open Project would.

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QPaintEvent>
#include <QScreen>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>

#include "app/main_commands.h"
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

constexpr int kUsageError = 2;

// The command line without the options QApplication takes for itself
// (-platform xcb, -style=fusion, --reverse ...), with their values.
QStringList withoutQtOptions(const QStringList& arguments) {
    static const QStringList withValue = {
        "platform",        "platformpluginpath", "platformtheme", "plugin",
        "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
        "display",         "geometry",           "title",         "name",
        "style",           "stylesheet"};
    static const QStringList alone = {"reverse", "widgetcount", "nograb", "dograb"};
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QStringLiteral("--")) {
            kept << arguments.mid(i);
            break;
        }
        QString name = argument;
        if (name.startsWith(QStringLiteral("--"))) name.remove(0, 1);
        if (i == 0 || !name.startsWith(QLatin1Char('-'))) {
            kept << argument;
            continue;
        }
        name.remove(0, 1);
        const qsizetype equals = name.indexOf(QLatin1Char('='));
        if (equals >= 0 && withValue.contains(name.left(equals))) continue;
        if (alone.contains(name)) continue;
        if (withValue.contains(name)) {
            ++i;  // and its value
            continue;
        }
        kept << argument;
    }
    return kept;
}

// The command line: at most one project file, --help and --version.
struct CommandLine {
    QString projectFile;  // empty: the usual empty start
    bool help = false;
    bool version = false;
    QString error;  // what is wrong with the command line, if anything
};

CommandLine parseCommandLine(const QStringList& arguments, QString* helpText) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Roll pass design of hot-rolled I-beams: the desktop program."));
    const QCommandLineOption helpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Show this help and end."));
    const QCommandLineOption versionOption(
        QStringList{QStringLiteral("v"), QStringLiteral("version")},
        QStringLiteral("Show the program's version and end."));
    parser.addOption(helpOption);
    parser.addOption(versionOption);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("A project (.rol) or design (.rolx) file to "
                                                "open, as Open Project opens one."),
                                 QStringLiteral("[FILE]"));
    CommandLine line;
    if (!parser.parse(arguments)) {
        line.error = parser.errorText();
    } else if (parser.positionalArguments().size() > 1) {
        line.error = QStringLiteral("One project file at most, not %1: %2")
                         .arg(parser.positionalArguments().size())
                         .arg(parser.positionalArguments().join(QStringLiteral(" ")));
    } else {
        line.help = parser.isSet(helpOption);
        line.version = parser.isSet(versionOption);
        if (!parser.positionalArguments().isEmpty()) {
            line.projectFile = parser.positionalArguments().constFirst();
        }
    }
    // Before the application exists, Qt cannot know the program's name.
    if (helpText != nullptr) {
        *helpText = parser.helpText().replace(QStringLiteral("<executable_name>"),
                                              QStringLiteral("rolvanta"));
    }
    return line;
}

// Answers --help and --version on standard output, and a faulty command
// line on standard error; nothing when the program is to start.
std::optional<int> answerCommandLine(const CommandLine& line, const QString& helpText) {
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "rolvanta: %s\nUsage: rolvanta [--help] [--version] [FILE]\n",
                     qPrintable(line.error));
        return kUsageError;
    }
    if (line.help) {
        std::fputs(qPrintable(helpText), stdout);
        return 0;
    }
    if (line.version) {
        std::printf("rolvanta %s\n", ROLVANTA_VERSION);
        return 0;
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char* argv[]) {
    // The command line is judged before the window system is reached, so
    // that --help, --version and a faulty command line need no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    QString helpText;
    const CommandLine line = parseCommandLine(withoutQtOptions(arguments), &helpText);
    if (const std::optional<int> answered = answerCommandLine(line, helpText)) return *answered;

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ROLVANTA"));
    QGuiApplication::setDesktopFileName(QStringLiteral("rolvanta"));

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
    if (!line.projectFile.isEmpty()) {
        // The full path, as the open dialog gives it, so that the title shows
        // where the project lives and Save writes there from any folder.
        const QFileInfo file(line.projectFile);
        const std::string path = QDir::cleanPath(file.absoluteFilePath()).toStdString();
        const std::string title = file.fileName().toStdString();
        // Once the window is up, so that a message about the file has it
        // behind it.
        QTimer::singleShot(0, &window, [&session, &window, path, title] {
            rolvanta::openStartFile(session, window.shell(), path, title);
        });
    }
    return QApplication::exec();
}
