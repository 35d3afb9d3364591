#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

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
    CustomProfileDialog& open() {
        host = testing::FakeDialogHost();
        dialog.initialise(host);
        return dialog;
    }
    void type(const char* webWidth, const char* webThickness, const char* flangeHeight,
              const char* flangeThickness, const char* length = "1000") {
        host.items[ids::kWebWidth] = webWidth;
        host.items[ids::kWebThickness] = webThickness;
        host.items[ids::kFlangeHeight] = flangeHeight;
        host.items[ids::kFlangeThickness] = flangeThickness;
        host.items[ids::kLength] = length;
    }

    Project project = testing::exampleProject();
    ProfileList catalogue;
    testing::FakeDialogHost host;
    CustomProfileDialog dialog{project, catalogue, files};
};

TEST_F(CustomProfileDialogTest, ShowsAndTakesBackTheFinishedSection) {
    project.flags.standardChosen = 1;
    computeHotDimensions(project.section);  // the web width is now the hot one
    const BeamSection before = project.section;
    open();
    EXPECT_EQ(host.items[ids::kWebWidth], "100.000");
    EXPECT_EQ(host.items[ids::kFlangeThickness], "7.200");
    EXPECT_EQ(host.items[ids::kMass], "11.500");
    host.click(dialog, ids::kOk);
    const BeamSection& s = project.section;
    EXPECT_EQ(s.webWidth, 100.0f) << "the finished section, ready for another Compute";
    EXPECT_FLOAT_EQ(s.flangeThickness, before.flangeThickness);
    EXPECT_EQ(s.mass, before.mass);
    EXPECT_NEAR(s.area, 1422.4f, 1e-3f) << "recomputed from the dimensions";
    EXPECT_EQ(project.flags.customEntered, 1);
    EXPECT_EQ(project.flags.standardChosen, 1);
}

TEST_F(CustomProfileDialogTest, AreaFromWebAndFlanges) {
    const struct {
        const char* name;
        const char* typed[4];  // web width and thickness, flange height and thickness
        float expected;
    } cases[] = {
        {"a 200 mm beam", {"200", "5.7", "100", "10.8"}, 3176.88f},
        {"no flange outside the web", {"150", "6", "6", "9"}, 900.0f},
        {"only nine characters count", {"200.00001", "5.7", "100", "10.8"}, 3176.88f},
        {"nothing typed", {"", "", "", ""}, 0.0f},
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
        std::size_t records;
    } cases[] = {
        {"box not checked", false, "1000", false, nullptr, 1},
        {"box checked", true, "1000", false, "Saved Custom Profile", 2},
        {"a beam without length", true, "0", false, nullptr, 1},
        {"a catalogue that cannot be written", true, "1000", true, "Cannot open file profile.dat",
         1},
    };
    for (const auto& c : cases) {
        writeCatalogue({testing::profile("JB 150", 150.0f)});
        const std::string working = files.working;
        if (c.unwritable) files.working = folder / "missing/profile.dat";
        open();
        host.items[ids::kName] = "MB 250 NEW";
        type("250", "6.9", "125", "12.5", c.length);
        host.items[ids::kMass] = "37.3";
        host.checks[ids::kAddToCatalogue] = c.checked;
        host.click(dialog, ids::kOk);
        files.working = working;

        if (c.message) {
            ASSERT_FALSE(host.messages.empty()) << c.name;
            EXPECT_EQ(host.messages.back().text, c.message) << c.name;
        }
        const auto saved = std::count_if(host.messages.begin(), host.messages.end(),
                                         [](auto& m) { return m.text == "Saved Custom Profile"; });
        EXPECT_EQ(saved, c.records == 2 ? 1 : 0) << c.name;
        const auto records = readCatalogue();
        ASSERT_EQ(records.size(), c.records) << c.name;
        EXPECT_NEAR(records.back().massPerLength, c.records == 2 ? 0.0373f : 0.0115f, 1e-7f);
        EXPECT_STREQ(project.section.name, "MB 250 NE") << c.name;
        EXPECT_EQ(project.flags.customEntered, 1) << c.name;
    }
}

TEST_F(CustomProfileDialogTest, CancelChangesNothingEvenWithTheBoxChecked) {
    const Project before = project;
    open();
    type("250", "6.9", "125", "12.5");
    host.checks[ids::kAddToCatalogue] = true;
    host.click(dialog, ids::kCancel);
    EXPECT_EQ(host.result, DialogResult::Cancelled);
    EXPECT_EQ(std::memcmp(&project, &before, sizeof project), 0);
    EXPECT_FALSE(std::filesystem::exists(files.working));
}

}  // namespace
}  // namespace rolvanta
