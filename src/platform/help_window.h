#pragma once

// The help: our HTML pages, compiled into the program, in a window of their
// own that opens at the contents page ("Help Topics"), sized to fit the
// screen; Esc closes it.

#include <QWidget>

class QTextBrowser;

namespace rolvanta {

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the window in front, at the contents page.
    void showContents();

    QTextBrowser* browser() const { return browser_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QTextBrowser* browser_;
};

}  // namespace rolvanta
