#include "platform/qt_shell.h"

#include "platform/main_window.h"

namespace rolvanta {

MessageAnswer QtShell::showMessage(const MessageRequest& request) {
    return window_.showMessage(request);
}
FileDialogChoice QtShell::showOpenDialog() { return window_.showOpenDialog(); }
FileDialogChoice QtShell::showSaveDialog() { return window_.showSaveDialog(); }
FileDialogChoice QtShell::showProjectSaveDialog() { return window_.showSaveDialog(true); }
void QtShell::setWindowTitle(const std::string& title) {
    window_.setWindowTitle(QString::fromStdString(title));
}
void QtShell::repaint() { window_.repaintClientArea(); }
void QtShell::repaintRect(const PixelRect& rect) { window_.repaintRect(rect); }
void QtShell::setScrollBarsEnabled(bool enabled) { window_.setScrollBarsEnabled(enabled); }
void QtShell::setToolbarShown(bool shown) { window_.setToolbarShown(shown); }
void QtShell::showDisplayMode(DisplayMode mode) { window_.showDisplayMode(mode); }
void QtShell::showNote(const std::string& text) { window_.showNote(text); }
bool QtShell::runDialog(DialogId dialog) { return window_.dialogs().run(dialog, &window_); }
void QtShell::openHelp() { window_.openHelp(); }
void QtShell::quit(int exitCode) { window_.quit(exitCode); }

}  // namespace rolvanta
