#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "dialogs/custom_profile_dialog.h"
#include "engine/hot_section.h"
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
    // Web width and thickness, flange height and thickness.
    void type(const char* webWidth, const char* webThickness, const char* flangeHeight,
              const char* flangeThickness) {
        host.items[ids::kWebWidth] = webWidth;
        host.items[ids::kWebThickness] = webThickness;
        host.items[ids::kFlangeHeight] = flangeHeight;
        host.items[ids::kFlangeThickness] = flangeThickness;
    }

    Project project = testing::exampleProject();
    ProfileList catalogue;
    testing::FakeDialogHost host;
    CustomProfileDialog dialog{project, catalogue, files};
};

TEST_F(CustomProfileDialogTest, ShowsAndTakesBackTheFinishedSection) {
    project.flags.standardChosen = 1;
    computeHotDimensions(project.section);  // the web width is now the hot one
    open();
    EXPECT_EQ(host.items[ids::kWebWidth], "100.000");
    EXPECT_EQ(host.items[ids::kFlangeThickness], "7.200");
    EXPECT_EQ(host.items[ids::kMass], "11.500");
    host.click(dialog, ids::kOk);
    EXPECT_EQ(project.section.webWidth, 100.0f) << "the finished section, ready for Compute";
    EXPECT_EQ(project.section.mass, 11.5f);
    EXPECT_EQ(project.flags.customEntered + project.flags.standardChosen, 2);
}

TEST_F(CustomProfileDialogTest, AreaFromWebAndFlanges) {
    const struct {
        const char* name;
        const char* typed[4];
        float expected;
    } cases[] = {
        {"the example beam", {"100", "4", "75", "7.2"}, 1422.4f},
        {"a 200 mm beam", {"200", "5.7", "100", "10.8"}, 3176.88f},
        {"every character counts", {"200.00001", "5.7", "100", "10.8"}, 3176.88f},
    };
    for (const auto& c : cases) {
        open();
        type(c.typed[0], c.typed[1], c.typed[2], c.typed[3]);
        host.click(dialog, ids::kOk);
        EXPECT_NEAR(project.section.area, c.expected, 1e-3f) << c.name;
    }
}

TEST_F(CustomProfileDialogTest, SavedOnlyWhenTheCatalogueTookIt) {
    const struct {
        const char* name;
        bool checked;
        const char* length;
        bool unwritable;
        const char* message;  // nullptr: none
        bool saved;
    } cases[] = {
        {"box not checked", false, "1000", false, nullptr, false},
        {"box checked", true, "1000", false, "Saved Custom Profile", true},
        {"an unwritable catalogue", true, "1000", true, "Cannot open file profile.dat", false},
    };
    for (const auto& c : cases) {
        writeCatalogue({testing::profile("JB 150", 150.0f)});
        const std::string working = files.working;
        if (c.unwritable) files.working = folder / "missing/profile.dat";
        open();
        host.items[ids::kName] = "MB 250 N";
        type("250", "6.9", "125", "12.5");
        host.items[ids::kLength] = c.length;
        host.items[ids::kMass] = "37.3";
        host.checks[ids::kAddToCatalogue] = c.checked;
        host.click(dialog, ids::kOk);
        files.working = working;

        if (c.message) {
            ASSERT_FALSE(host.messages.empty()) << c.name;
            EXPECT_EQ(host.messages.back().text, c.message) << c.name;
        }
        const auto savedNotes =
            std::count_if(host.messages.begin(), host.messages.end(),
                          [](auto& m) { return m.text == "Saved Custom Profile"; });
        EXPECT_EQ(savedNotes, c.saved ? 1 : 0) << c.name;
        EXPECT_EQ(testing::namesOf(readCatalogue()).back(), c.saved ? "MB 250 N#250" : "JB 150#150")
            << c.name;
        EXPECT_STREQ(project.section.name, "MB 250 N") << c.name;
        EXPECT_EQ(project.flags.customEntered, 1) << c.name;
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
        EXPECT_EQ(project.flags.customEntered, c.ended) << "Cancel takes nothing";
        if (!c.ended) {
            EXPECT_TRUE(testing::sameBytes(project, before));
        }
    }
}

TEST_F(CustomProfileDialogTest, ADamagedCatalogueIsNotAddedToNorAsked) {
    testing::writeFileBytes(files.installed,
                            testing::catalogueBytes({testing::profile("MB 100", 1.0f)}));
    testing::writeFileBytes(files.working, "damaged");
    open();
    host.checks[ids::kAddToCatalogue] = true;
    host.click(dialog, ids::kOk);
    ASSERT_EQ(host.messages.size(), 1u) << "no question about MB 100";
    EXPECT_NE(host.messages[0].text.find("is damaged (record 1)"), std::string::npos);
    EXPECT_NE(host.messages[0].text.find("The profile was not added"), std::string::npos);
    EXPECT_EQ(testing::readFileBytes(files.working), "damaged");
    EXPECT_TRUE(host.ended) << "the section is taken all the same";
}

TEST_F(CustomProfileDialogTest, CancelChangesNothingEvenWithTheBoxChecked) {
    const Project before = project;
    open();
    type("250", "6.9", "125", "12.5");
    host.checks[ids::kAddToCatalogue] = true;
    host.click(dialog, ids::kCancel);
    EXPECT_EQ(host.result, DialogResult::Cancelled);
    EXPECT_TRUE(testing::sameBytes(project, before));
    EXPECT_FALSE(std::filesystem::exists(files.working));
}

}  // namespace
}  // namespace rolvanta
