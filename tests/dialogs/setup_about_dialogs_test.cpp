#include <gtest/gtest.h>

#include <cstring>

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
    EXPECT_EQ(project.flags.setupDone, 1) << "whatever was typed";
    return project.section;
}

TEST(SetupDialog, PassCountIsKeptWithinFiveToThirteen) {
    const struct {
        const char* name;
        const char* typed;
        int expected;
    } cases[] = {
        {"below the fewest", "4", 5},
        {"above the most", "14", 13},
        {"within", "9", 9},
        {"empty", "", 5},
        {"letters", "abc", 5},
        {"a minus sign", "-9", 5},
        {"trailing text", " 11 passes", 11},
        {"beyond 32 bits", "2147483648", 13},
        {"huge", "99999999999999999999", 13},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(setupWith(c.typed, "1000").passCount, c.expected) << c.name;
    }
}

TEST(SetupDialog, TemperatureOutsideTheRangeBecomesAThousand) {
    const struct {
        const char* name;
        const char* typed;
        float expected;
    } cases[] = {
        {"within", "1100", 1100.0f},
        {"the highest", "1200", 1200.0f},
        {"just above", "1200.5", 1000.0f},
        {"the lowest", "800", 800.0f},
        {"just below", "799.9", 1000.0f},
        {"empty", "", 1000.0f},
        {"negative", "-900", 1000.0f},
        {"nine characters count", "850.12345678", 850.12345f},
        {"a tenth digit is not read", "800000000000", 1000.0f},
    };
    for (const auto& c : cases) {
        EXPECT_FLOAT_EQ(setupWith("9", c.typed).temperature, c.expected) << c.name;
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
        EXPECT_EQ(std::memcmp(&project, &before, sizeof project), 0);
    }
}

}  // namespace
}  // namespace rolvanta
