// File > Export: the gate, the file dialog and the failure message.

#include <gtest/gtest.h>

#include "app/export_commands.h"
#include "app_fixture.h"
#include "storage/schedule_export.h"

namespace rolvanta::testing {
namespace {

// Confirms the file set in choice; the PDF is its title, the picture as set.
struct FakeExportShell : ExportShell {
    ExportChoice showExportDialog(ExportKind) override { return ++dialogs, choice; }
    std::string renderReportPdf(const Project&, const std::string& t) override { return "%" + t; }
    std::string grabViewPicture() override { return picture; }
    bool printReport(const Project&, const std::string& t) override { return printed += t, true; }

    ExportChoice choice;
    std::string picture = "PNG bytes", printed;
    int dialogs = 0;
};

class ExportCommands : public AppTest {
  protected:
    void export_(int command, const char* name = "", bool onePerPass = false) {
        exports.choice = {*name != '\0', folder / name, onePerPass};
        runExportCommand(session, shell, exports, command);
    }
    FakeExportShell exports;
};

TEST_F(ExportCommands, WriteNothingBeforeAProjectIsStartedAndComputed) {
    for (const int command :
         {kMenuExportPassDrawings, kMenuExportReportPdf, kMenuPrint, kMenuExportViewPicture,
          kMenuExportScheduleCsv, kMenuExportScheduleJson}) {
        export_(command, "out");
        startWithCustomSection();
        export_(command, "out");
        EXPECT_EQ(shell.takeShown(),
                  "Note: Please Start New Project !\nNote: Compute the design first")
            << command;
        session = Session{};
    }
    EXPECT_EQ(exports.dialogs, 0);
    EXPECT_EQ(exports.printed, "");
    EXPECT_EQ(folder.listing(), "");
}

TEST_F(ExportCommands, WriteTheChosenFileOnceComputed) {
    startWithCustomSection(6);
    run(kMenuCompute);
    session.fileTitle = "beam.rol";
    const Project before = session.project;

    export_(kMenuExportReportPdf, "beam.pdf");
    export_(kMenuExportViewPicture, "view.png");
    export_(kMenuExportPassDrawings, "passes.dxf");
    export_(kMenuExportPassDrawings, "each.dxf", true);
    export_(kMenuExportScheduleCsv, "passes.csv");
    export_(kMenuExportScheduleJson, "beam.json");
    export_(kMenuPrint);

    EXPECT_EQ(exports.printed, "beam.rol");
    EXPECT_EQ(folder.listing(),
              "beam.json\nbeam.pdf\neach-PASS_02.dxf\neach-PASS_03.dxf\neach-PASS_04.dxf\neach-"
              "PASS_05.dxf\neach-PASS_06.dxf\npasses.csv\npasses.dxf\nview.png\n");
    EXPECT_EQ(readFileBytes(folder / "beam.pdf") + readFileBytes(folder / "view.png"),
              "%beam.rolPNG bytes");
    EXPECT_NE(readFileBytes(folder / "passes.dxf").find("  0\nSECTION\n  2\nHEADER\n"),
              std::string::npos);
    // The same tables as the command-line tool writes.
    EXPECT_EQ(readFileBytes(folder / "passes.csv"), formatScheduleCsv(session.project));
    EXPECT_EQ(readFileBytes(folder / "beam.json"), formatScheduleJson(session.project));
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_TRUE(sameBytes(session.project, before));

    // Cancelled, or nothing to write: no file and, for a cancel, no word.
    export_(kMenuExportReportPdf);
    exports.picture.clear();
    export_(kMenuExportViewPicture, "blank.png");
    EXPECT_EQ(shell.takeShown(),
              "Error: Cannot write " + folder / "blank.png" + ": the picture could not be made");
}

}  // namespace
}  // namespace rolvanta::testing
