#include <gtest/gtest.h>

#include "dialogs/setup_about_dialogs.h"
#include "resources/dialog_ids.h"
#include "support/example_section.h"
#include "support/fake_dialog_host.h"

namespace rolvanta {
namespace {

namespace ids = setup_dialog;

BeamSection setupWith(const char* passes, const char* temperature) {
    Project project = testing::exampleProject();
    SetupDialog dialog(project);
    testing::FakeDialogHost host;
    host.items[ids::kPassCount] = passes;
    host.items[ids::kTemperature] = temperature;
    host.click(dialog, ids::kOk);
    EXPECT_TRUE(project.flags.setupDone) << "whatever was typed";
    return project.section;
}

// How the two texts are read; the bounds they then meet are applySetup's.
TEST(SetupDialog, ReadsTheCountAsAnUnsignedNumberAndNineCharactersOfTemperature) {
    const struct {
        const char* name;
        const char* passes;
        const char* temperature;
        int expectedPasses;
        float expectedTemperature;
    } cases[] = {
        {"within both", "9", "1100", 9, 1100.0f},
        {"empty fields", "", "", 5, 1000.0f},
        {"letters, the lowest", "abc", "800", 5, 800.0f},
        {"a minus sign, just below", "-9", "799.9", 5, 1000.0f},
        {"trailing text twice", " 11 passes", "950 C", 11, 950.0f},
        {"beyond 32 bits, a negative", "2147483648", "-900", 13, 1000.0f},
        {"huge, nine characters count", "99999999999999999999", "850.12345678", 13, 850.12345f},
        {"within, a tenth digit not read", "7", "800000000000", 7, 1000.0f},
    };
    for (const auto& c : cases) {
        const BeamSection section = setupWith(c.passes, c.temperature);
        EXPECT_EQ(section.passCount, c.expectedPasses) << c.name;
        EXPECT_FLOAT_EQ(section.temperature, c.expectedTemperature) << c.name;
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
