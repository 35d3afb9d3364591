#pragma once

// The main window: menu MAINMENU, the toolbar, and a client area that shows
// the text pages with their two scroll bars, the pass view, the Schedule
// Table or the Mill Loads, and a status bar for short notes. The app
// layer reaches it through its QtShell (platform/qt_shell.h): every menu
// item, button and shortcut runs its command through app/main_commands.h,
// and every key press and release goes to app/key_input.h.

#include <QMainWindow>

#include <memory>

#include "app/session.h"
#include "app/shell.h"
#include "platform/dialog_registry.h"
#include "platform/qt_shell.h"

class QLabel;
class QScrollBar;
class QStackedWidget;
class QToolBar;

namespace rolvanta {

class HelpWindow;
class MillLoadsWidget;
class QtExportShell;
class ScheduleTableWidget;
class TextPageWidget;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // Runs the start-up: the empty project, the title, the welcome picture
    // (read from welcomePicturePath; none when it cannot be read).
    MainWindow(Session& session, const QString& welcomePicturePath, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Runs a menu or toolbar command as if it had been chosen.
    void runCommand(int command);

    DialogRegistry& dialogs() { return dialogs_; }
    Session& session() { return session_; }
    QToolBar* toolbar() const { return toolbar_; }
    TextPageWidget* textPage() const { return textPage_; }
    // The pass view, made the first time graphics mode is shown; null before.
    QWidget* passView() const { return passView_; }
    ScheduleTableWidget* scheduleTable() const { return scheduleTable_; }
    MillLoadsWidget* millLoads() const { return millLoads_; }
    // The note in the status bar; empty before the first.
    QString note() const;
    QScrollBar* verticalBar() const { return verticalBar_; }
    QScrollBar* horizontalBar() const { return horizontalBar_; }
    HelpWindow* helpWindow() const { return helpWindow_; }

    // The shell the commands are run against.
    Shell& shell() { return shell_; }

    // What the shell asks of the window.
    MessageAnswer showMessage(const MessageRequest& request);
    FileDialogChoice showOpenDialog();
    // projectOnly: the project file type alone.
    FileDialogChoice showSaveDialog(bool projectOnly = false);
    void repaintClientArea();
    void repaintRect(const PixelRect& rect);
    void setScrollBarsEnabled(bool enabled);
    void setToolbarShown(bool shown);
    void showDisplayMode(DisplayMode mode);
    void showNote(const std::string& text);
    void openHelp();
    void quit(int exitCode);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenu();
    void buildToolbar();
    void buildShortcuts();
    QWidget* buildClientArea();

    Session& session_;
    QtShell shell_{*this};
    DialogRegistry dialogs_;
    QToolBar* toolbar_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    TextPageWidget* textPage_ = nullptr;
    QWidget* passView_ = nullptr;
    ScheduleTableWidget* scheduleTable_ = nullptr;
    MillLoadsWidget* millLoads_ = nullptr;
    QLabel* noteLabel_ = nullptr;  // in the status bar, made with the first note
    QScrollBar* verticalBar_ = nullptr;
    QScrollBar* horizontalBar_ = nullptr;
    HelpWindow* helpWindow_ = nullptr;
    std::unique_ptr<QtExportShell> exports_;
    bool quitting_ = false;
};

// The default font's measures the text pages are laid out by.
FontMeasures defaultFontMeasures();

// Windows-style virtual key of a Qt key (0 for keys the program has no use for).
int virtualKeyOf(int qtKey);

}  // namespace rolvanta
