#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/custom_profile_dialog.h"
#include "resources/dialog_ids.h"
#include "support/catalogue_fixture.h"
#include "support/example_section.h"
#include "support/fake_dialog_host.h"

namespace rolvanta {
namespace {

namespace ids = custom_dialog;

class CustomProfileDialogTest : public testing::CatalogueFixture {
  protected:
    Project project;
    ProfileList catalogue;
};

// The section is taken unless the question about a name already in the
// catalogue is cancelled; the catalogue takes it only when asked and able,
// and the designer is told which. What an addition does to the file is
// catalogue_addition_test's.
TEST_F(CustomProfileDialogTest, TakesTheSectionAndAddsItOnlyWhenAskedAndAble) {
    const std::string asked =
        "A profile named MB 100 is already in the catalogue.\nDo You Want To Replace It ?";
    const std::vector<std::string> kept = {"JB 150#150", "MB 100#200"};
    const struct {
        const char* name;  // typed; its web width follows it
        bool checked, unwritable;
        MessageAnswer answer;
        std::vector<std::string> messages, catalogue;
        bool ended;
    } cases[] = {
        {"MB 250", false, false, MessageAnswer::Ok, {}, kept, true},
        {"MB 250",
         true,
         false,
         MessageAnswer::Ok,
         {"Saved Custom Profile"},
         {"JB 150#150", "MB 100#200", "MB 250#250"},
         true},
        {"MB 250", true, true, MessageAnswer::Ok, {"Cannot open file profile.dat"}, kept, true},
        {"MB 100",
         true,
         false,
         MessageAnswer::Yes,
         {asked, "Saved Custom Profile"},
         {"JB 150#150", "MB 100#100"},
         true},
        {"MB 100", true, false, MessageAnswer::No, {asked}, kept, true},
        {"MB 100", true, false, MessageAnswer::Cancel, {asked}, kept, false},
    };
    for (const auto& c : cases) {
        writeCatalogue({testing::profile("JB 150", 150.0f), testing::profile("MB 100", 200.0f)});
        const std::string working = files.working;
        if (c.unwritable) files.working = folder / "missing/profile.dat";
        project = testing::exampleProject();
        const Project before = project;
        CustomProfileDialog dialog{project, catalogue, files};
        testing::FakeDialogHost host;
        dialog.initialise(host);
        host.items[ids::kName] = c.name;
        host.items[ids::kWebWidth] = c.name + 3;
        host.checks[ids::kAddToCatalogue] = c.checked;
        host.answers = {c.answer};
        host.click(dialog, ids::kOk);
        files.working = working;

        std::vector<std::string> told;
        for (const MessageRequest& m : host.messages) told.push_back(m.text);
        const std::string what = std::string(c.name) + " " + std::to_string(int(c.answer));
        EXPECT_EQ(told, c.messages) << what;
        EXPECT_EQ(testing::namesOf(readCatalogue()), c.catalogue) << what;
        EXPECT_EQ(host.ended, c.ended) << what;
        if (c.ended) {
            EXPECT_STREQ(project.section.name, c.name) << what;
        } else {
            EXPECT_TRUE(testing::sameBytes(project, before)) << "Cancel takes nothing";
        }
    }
}

}  // namespace
}  // namespace rolvanta
