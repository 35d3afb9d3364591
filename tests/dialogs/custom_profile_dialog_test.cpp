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
    void open() {
        host = testing::FakeDialogHost();
        dialog.initialise(host);
    }

    Project project = testing::exampleProject();
    ProfileList catalogue;
    testing::FakeDialogHost host;
    CustomProfileDialog dialog{project, catalogue, files};
};

// The section is taken in every case; the catalogue takes it only when asked
// and able, and the designer is told which.
TEST_F(CustomProfileDialogTest, SavedOnlyWhenTheCatalogueTookIt) {
    const struct {
        const char* name;
        bool checked;
        bool unwritable;
        std::vector<std::string> messages;
        const char* last;  // the catalogue's last beam afterwards
    } cases[] = {
        {"box not checked", false, false, {}, "JB 150#150"},
        {"box checked", true, false, {"Saved Custom Profile"}, "MB 250 N#250"},
        {"an unwritable catalogue", true, true, {"Cannot open file profile.dat"}, "JB 150#150"},
    };
    for (const auto& c : cases) {
        writeCatalogue({testing::profile("JB 150", 150.0f)});
        const std::string working = files.working;
        if (c.unwritable) files.working = folder / "missing/profile.dat";
        open();
        host.items[ids::kName] = "MB 250 N";
        host.items[ids::kWebWidth] = "250";
        host.checks[ids::kAddToCatalogue] = c.checked;
        host.click(dialog, ids::kOk);
        files.working = working;

        std::vector<std::string> told;
        for (const MessageRequest& m : host.messages) told.push_back(m.text);
        EXPECT_EQ(told, c.messages) << c.name;
        EXPECT_EQ(testing::namesOf(readCatalogue()).back(), c.last) << c.name;
        EXPECT_STREQ(project.section.name, "MB 250 N") << c.name;
        EXPECT_TRUE(host.ended) << c.name;
    }
}

TEST_F(CustomProfileDialogTest, ANameInTheCatalogueAsksBeforeReplacingIt) {
    const struct {
        MessageAnswer answer;
        std::vector<std::string> catalogue;  // afterwards
        bool ended;
    } cases[] = {
        {MessageAnswer::Yes, {"JB 150#150", "MB 100#100"}, true},
        {MessageAnswer::No, {"JB 150#150", "MB 100#200"}, true},
        {MessageAnswer::Cancel, {"JB 150#150", "MB 100#200"}, false},
    };
    for (const auto& c : cases) {
        writeCatalogue({testing::profile("JB 150", 150.0f), testing::profile("MB 100", 200.0f)});
        project = testing::exampleProject();
        const Project before = project;
        open();
        host.checks[ids::kAddToCatalogue] = true;
        host.answers = {c.answer};
        host.click(dialog, ids::kOk);
        ASSERT_FALSE(host.messages.empty());
        EXPECT_EQ(host.messages[0].text,
                  "A profile named MB 100 is already in the catalogue.\nDo You Want To Replace "
                  "It ?");
        EXPECT_EQ(testing::namesOf(readCatalogue()), c.catalogue);
        EXPECT_EQ(host.ended, c.ended);
        EXPECT_EQ(testing::sameBytes(project, before), !c.ended) << "Cancel takes nothing";
    }
}

}  // namespace
}  // namespace rolvanta
