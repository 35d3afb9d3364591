#pragma once

// The Export commands' window-system side on Qt: the save dialogs, the PDF,
// the picture of the client area and printing through the print dialog.

#include <functional>

#include "app/export_commands.h"

class QWidget;

namespace rolvanta {

class QtExportShell : public ExportShell {
  public:
    // window owns the dialogs; shownView gives the widget the client area
    // shows at the moment (the text page or the pass view).
    QtExportShell(QWidget* window, std::function<QWidget*()> shownView);

    ExportChoice showExportDialog(ExportKind kind) override;
    std::string renderReportPdf(const Project& project, const std::string& title) override;
    std::string grabViewPicture() override;
    bool printReport(const Project& project, const std::string& title) override;

  private:
    QWidget* window_;
    std::function<QWidget*()> shownView_;
};

// The PNG bytes of what widget shows, at its device pixel ratio; empty when
// it could not be made.
std::string pictureOf(QWidget* widget);

}  // namespace rolvanta
