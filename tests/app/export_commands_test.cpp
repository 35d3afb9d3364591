// File > Export: the gate, the file dialog and the failure message.

#include <gtest/gtest.h>

#include "app/export_commands.h"
#include "app_fixture.h"
#include "storage/schedule_export.h"

namespace rolvanta {
namespace {

using testing::readFileBytes;

struct FakeExportShell : ExportShell {
    ExportChoice showExportDialog(ExportKind kind) override {
        dialogs.push_back(kind);
        return choice;
    }
    std::string renderReportPdf(const Project&, const std::string& title) override {
        return "%PDF " + title;
    }
    std::string grabViewPicture() override { return picture; }
    bool printReport(const Project&, const std::string& title) override {
        printed.push_back(title);
        return true;
    }

    ExportChoice choice;
    std::string picture = "PNG bytes";
    std::vector<ExportKind> dialogs;
    std::vector<std::string> printed;
};

class ExportCommands : public testing::AppTest {
  protected:
    void export_(int command) { runExportCommand(session, shell, exports, command); }
    void chooseExport(const std::string& path, bool onePerPass = false) {
        exports.choice = {true, path, onePerPass};
    }
    FakeExportShell exports;
};

const int kExports[] = {kMenuExportPassDrawings, kMenuExportReportPdf,   kMenuPrint,
                        kMenuExportViewPicture,  kMenuExportScheduleCsv, kMenuExportScheduleJson};

TEST_F(ExportCommands, WriteNothingBeforeAProjectIsStartedAndComputed) {
    for (const int command : kExports) {
        export_(command);
        startWithCustomSection();
        export_(command);
        session = Session{};
    }
    std::vector<std::string> refused;
    for (std::size_t i = 0; i < std::size(kExports); ++i) {
        refused.push_back("Please Start New Project !");
        refused.push_back("Compute the design first");
    }
    EXPECT_EQ(shell.messageTexts(), refused);
    EXPECT_TRUE(exports.dialogs.empty());
    EXPECT_TRUE(exports.printed.empty());
    EXPECT_EQ(folder.listing(), "");
}

TEST_F(ExportCommands, WriteTheChosenFileOnceComputed) {
    startWithCustomSection(6);
    run(kMenuCompute);
    session.fileTitle = "beam.rol";
    const Project before = session.project;

    chooseExport(folder / "beam.pdf");
    export_(kMenuExportReportPdf);
    EXPECT_EQ(readFileBytes(folder / "beam.pdf"), "%PDF beam.rol");
    chooseExport(folder / "view.png");
    export_(kMenuExportViewPicture);
    EXPECT_EQ(readFileBytes(folder / "view.png"), "PNG bytes");
    chooseExport(folder / "passes.dxf");
    export_(kMenuExportPassDrawings);
    chooseExport(folder / "each.dxf", true);
    export_(kMenuExportPassDrawings);
    chooseExport(folder / "passes.csv");
    export_(kMenuExportScheduleCsv);
    chooseExport(folder / "beam.json");
    export_(kMenuExportScheduleJson);
    export_(kMenuPrint);

    EXPECT_EQ(exports.printed, std::vector<std::string>{"beam.rol"});
    EXPECT_EQ(folder.listing(),
              "beam.json\nbeam.pdf\neach-PASS_02.dxf\neach-PASS_03.dxf\neach-PASS_04.dxf\neach-"
              "PASS_05.dxf\n"
              "each-PASS_06.dxf\npasses.csv\npasses.dxf\nview.png\n");
    EXPECT_NE(readFileBytes(folder / "passes.dxf").find("  0\nSECTION\n  2\nHEADER\n"),
              std::string::npos);
    // The same tables as the command-line tool writes.
    EXPECT_EQ(readFileBytes(folder / "passes.csv"), formatScheduleCsv(session.project));
    EXPECT_EQ(readFileBytes(folder / "beam.json"), formatScheduleJson(session.project));
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_TRUE(testing::sameBytes(session.project, before));

    // Cancelled, or nothing to write: no file and, for a cancel, no word.
    exports.choice = {};
    export_(kMenuExportReportPdf);
    chooseExport(folder / "blank.png");
    exports.picture.clear();
    export_(kMenuExportViewPicture);
    EXPECT_EQ(shell.messageTexts(),
              std::vector<std::string>{"Cannot write " + folder / "blank.png" +
                                       ": the picture could not be made"});
}

}  // namespace
}  // namespace rolvanta
