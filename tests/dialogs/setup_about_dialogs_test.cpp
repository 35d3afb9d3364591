#include <gtest/gtest.h>

#include "dialogs/setup_about_dialogs.h"
#include "resources/dialog_ids.h"
#include "support/example_section.h"
#include "support/fake_dialog_host.h"

namespace rolvanta {
namespace {

namespace ids = setup_dialog;

// What the fields are read as; what is refused is tested in project/ and,
// with the message and the focus, in dialog_fields_test.cpp.
TEST(SetupDialog, TakesTheTextsAsTypedAnEmptyTemperatureIs1000) {
    const struct {
        const char* passes;
        const char* temperature;
        float expectedTemperature;
    } cases[] = {{"9", "1100", 1100.0f}, {" 9 ", "", 1000.0f}};
    for (const auto& c : cases) {
        Project project = testing::exampleProject();
        SetupDialog dialog(project);
        testing::FakeDialogHost host;
        host.items[ids::kPassCount] = c.passes;
        host.items[ids::kTemperature] = c.temperature;
        host.click(dialog, ids::kOk);
        EXPECT_EQ(host.result, DialogResult::Accepted);
        EXPECT_EQ(project.section.passCount, 9);
        EXPECT_EQ(project.section.temperature, c.expectedTemperature);
        EXPECT_TRUE(project.flags.setupDone);
    }
}

TEST(SetupDialog, CancelChangesNothing) {
    Project project = testing::exampleProject();
    const Project before = project;
    for (int cancel : {ids::kCancel, kDialogCancelCommand}) {
        SetupDialog dialog(project);
        testing::FakeDialogHost host;
        host.items[ids::kPassCount] = "7";
        host.click(dialog, cancel);
        EXPECT_EQ(host.result, DialogResult::Cancelled);
        EXPECT_TRUE(testing::sameBytes(project, before));
    }
}

}  // namespace
}  // namespace rolvanta
