#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "dialogs/mill_dialog.h"
#include "resources/dialog_ids.h"
#include "resources/dialog_templates.h"
#include "support/example_section.h"
#include "support/fake_dialog_host.h"
#include "support/golden_file.h"
#include "support/temporary_folder.h"

namespace rolvanta {
namespace {

namespace ids = mill_dialog;
using testing::FakeDialogHost;

constexpr int kDiameter = static_cast<int>(MillColumn::Diameter);
constexpr int kRpm = static_cast<int>(MillColumn::Rpm);
constexpr int kInterpass = static_cast<int>(MillColumn::Interpass);

void setCell(FakeDialogHost& host, int row, int column, const char* text) {
    host.setCellText(ids::kTable, row, column, text);
    host.cells[ids::kTable] = {row, column};
}

std::string columnTexts(const FakeDialogHost& host, int column) {
    std::string texts;
    for (int row = 0; row < 5; ++row) texts += "|" + host.cellText(ids::kTable, row, column);
    return texts + "|";
}

// What the designer saw and what the project holds afterwards, one line each.
std::string outcome(const FakeDialogHost& host, const Project& project, const std::string& note) {
    std::string seen;
    // A refusal's first line: what its rule accepts is mill-refusals.txt's.
    for (const MessageRequest& m : host.messages) {
        seen += "message: " + m.text.substr(0, m.text.find("\nAccepted: ")) + "\n";
    }
    const TableCell cell = host.currentCell(ids::kTable);
    if (host.focused == ids::kTable) {
        seen += "cell " + std::to_string(cell.row) + "," + std::to_string(cell.column) + "\n";
    } else if (host.focused != 0) {
        seen += "focus " + std::to_string(host.focused) + "\n";
    }
    if (host.ended) seen += host.result == DialogResult::Accepted ? "accepted\n" : "cancelled\n";
    if (project.mill) {
        seen += "mill: " + project.mill->name + (project.mill->example ? " (example), " : ", ") +
                std::to_string(project.mill->stands.size()) + " stands, " +
                std::to_string(project.loads.size()) + " loads\n";
    }
    const auto shown = host.items.find(ids::kNote);
    if (shown != host.items.end() && !shown->second.empty())
        seen += "shown: " + shown->second + "\n";
    if (!note.empty()) seen += "status: " + note + "\n";
    return seen;
}

// Every way through the dialog a designer takes, on a computed 5-pass
// design: what is refused (and where the keyboard goes), what Fill Down,
// Example Mill, More and the mill files do, and what OK takes.
TEST(MillDialog, RefusesTellsAndTakes) {
    testing::TemporaryFolder folder;
    const std::string seven = folder / "seven.rolmill";
    ASSERT_FALSE(saveMillFile(exampleMill(7), seven));
    testing::writeFileBytes(folder / "damaged.rolmill", "{\"format\": \"ROLVANTA Mill\"");
    const std::string saved = folder / "saved.rolmill";

    const struct {
        const char* name;
        bool setupDone;
        std::function<void(FakeDialogHost&, MillDialog&, std::string& seen)> act;
    } cases[] = {
        {"the example taken", true,
         [](FakeDialogHost& host, MillDialog& dialog, std::string&) {
             host.click(dialog, ids::kExample);
             host.click(dialog, ids::kOk);
         }},
        {"a speed that is not a number", true,
         [](FakeDialogHost& host, MillDialog& dialog, std::string&) {
             host.click(dialog, ids::kExample);
             setCell(host, 2, kRpm, "abc");
             host.cells[ids::kTable] = {};
             host.click(dialog, ids::kOk);
         }},
        {"an entry temperature out of range", true,
         [](FakeDialogHost& host, MillDialog& dialog, std::string&) {
             host.click(dialog, ids::kExample);
             host.items[ids::kEntryTemperature] = "1400";
             host.click(dialog, ids::kOk);
         }},
        {"empty rows", true,
         [](FakeDialogHost& host, MillDialog& dialog, std::string&) {
             host.click(dialog, ids::kOk);
         }},
        {"Fill Down, the time to the next pass stopping above the finishing pass", true,
         [](FakeDialogHost& host, MillDialog& dialog, std::string& seen) {
             setCell(host, 1, kDiameter, "700");
             host.click(dialog, ids::kFillDown);
             setCell(host, 0, kInterpass, "4");
             host.click(dialog, ids::kFillDown);
             seen = columnTexts(host, kDiameter) + "\n" + columnTexts(host, kInterpass) + "\n";
         }},
        {"Fill Down with no cell selected", true,
         [](FakeDialogHost& host, MillDialog& dialog, std::string&) {
             host.click(dialog, ids::kFillDown);
         }},
        {"the example before the Setup", false,
         [](FakeDialogHost& host, MillDialog& dialog, std::string&) {
             host.click(dialog, ids::kExample);
         }},
        {"a constant refused under More, then one taken", true,
         [](FakeDialogHost& host, MillDialog& dialog, std::string& seen) {
             host.click(dialog, ids::kExample);
             int typed = 0;
             host.subDialog = [&typed](FakeDialogHost& more, DialogProcedure& constants) {
                 EXPECT_EQ(more.items[mill_constants_dialog::kEmissivity], "0.8");
                 more.items[mill_constants_dialog::kEmissivity] = typed++ == 0 ? "2" : "0.7";
                 more.click(constants, mill_constants_dialog::kOk);
                 EXPECT_EQ(more.focused, typed == 1 ? mill_constants_dialog::kEmissivity : 0);
             };
             host.click(dialog, ids::kMore);
             host.click(dialog, ids::kMore);
             host.click(dialog, ids::kOk);
             seen = host.subDialogsRun.front() + "\n";
         }},
        {"a mill file of seven stands, fitted", true,
         [&seven](FakeDialogHost& host, MillDialog& dialog, std::string&) {
             host.chosenFiles = {seven};
             host.click(dialog, ids::kOpen);
             host.click(dialog, ids::kOk);
         }},
        {"a damaged mill file", true,
         [&folder](FakeDialogHost& host, MillDialog& dialog, std::string&) {
             host.chosenFiles = {folder / "damaged.rolmill"};
             host.click(dialog, ids::kOpen);
         }},
        {"saved, typed over, opened again and cancelled", true,
         [&saved](FakeDialogHost& host, MillDialog& dialog, std::string& seen) {
             host.click(dialog, ids::kExample);
             host.chosenFiles = {saved, saved};
             host.click(dialog, ids::kSave);
             setCell(host, 0, kRpm, "99");
             host.click(dialog, ids::kOpen);
             const std::string rpm = host.cellText(ids::kTable, 0, kRpm);
             host.click(dialog, kDialogCancelCommand);
             seen = rpm == "99" ? "not opened\n" : "opened\n";
         }},
    };
    std::string transcript;
    for (const auto& c : cases) {
        Project project = testing::computedProject(5);
        project.flags.projectStarted = true;
        project.flags.setupDone = c.setupDone;
        std::string note;
        MillDialog dialog(project, note);
        FakeDialogHost host;
        dialog.initialise(host);
        ASSERT_EQ(host.rowHeadings[ids::kTable].size(), c.setupDone ? 5u : 0u) << c.name;
        if (c.setupDone) {
            EXPECT_EQ(host.rowHeadings[ids::kTable].front(), "Pass 5") << c.name;
        }
        std::string seen;  // what else the case saw
        c.act(host, dialog, seen);
        transcript += std::string("== ") + c.name + "\n" + seen + outcome(host, project, note);
    }
    testing::expectGolden("mill-dialog.txt",
                          testing::replaced(transcript, folder.path(), "FOLDER"));
}

}  // namespace
}  // namespace rolvanta
