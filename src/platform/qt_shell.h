#pragma once

// The app layer's Shell on Qt: a small adapter that hands every request to
// the main window, so that the window itself implements no interface and
// hides none of QWidget's own functions.

#include "app/shell.h"

namespace rolvanta {

class MainWindow;

class QtShell final : public Shell {
  public:
    explicit QtShell(MainWindow& window) : window_(window) {}

    MessageAnswer showMessage(const MessageRequest& request) override;
    FileDialogChoice showOpenDialog() override;
    FileDialogChoice showSaveDialog() override;
    FileDialogChoice showProjectSaveDialog() override;
    void setWindowTitle(const std::string& title) override;
    void repaint() override;
    void repaintRect(const PixelRect& rect) override;
    void setScrollBarsEnabled(bool enabled) override;
    void setToolbarShown(bool shown) override;
    void showDisplayMode(DisplayMode mode) override;
    void showNote(const std::string& text) override;
    bool runDialog(DialogId dialog) override;
    void openHelp() override;
    void quit(int exitCode) override;

  private:
    MainWindow& window_;
};

}  // namespace rolvanta
