// The two profile dialogs: a beam from the catalogue, and a typed section
// that the catalogue may take.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "dialogs/custom_profile_dialog.h"
#include "dialogs/standard_profile_dialog.h"
#include "project/field_text.h"
#include "resources/dialog_ids.h"
#include "support/catalogue_fixture.h"
#include "support/example_section.h"
#include "support/fake_dialog_host.h"

namespace rolvanta {
namespace {

using testing::profile;

class StandardProfileDialogTest : public testing::CatalogueFixture {
  protected:
    void SetUp() override {
        // P, Q and R in name order, written to the file out of it.
        writeCatalogue(
            {profile("R 300", 300.0f), profile("P 100", 100.0f), profile("Q 200", 200.0f)});
    }
    StandardProfileDialog& open(const char* designed = "MB 100") {
        project = testing::exampleProject();
        storeName(project.section.name, designed);
        host = testing::FakeDialogHost();
        dialog.initialise(host);
        return dialog;
    }

    Project project;
    ProfileList catalogue;
    testing::FakeDialogHost host;
    StandardProfileDialog dialog{project, catalogue, files};
};

TEST_F(StandardProfileDialogTest, WhatEachActTakes) {
    const struct {
        const char* name;
        const char* designed;
        int doubleClicked;  // -1: none
        int clicked;        // -1: none
        const char* expected;
    } cases[] = {
        {"OK right after opening takes the first beam", "MB 100", -1, -1, "P 100"},
        {"or the beam being designed", "Q 200", -1, -1, "Q 200"},
        {"a double-click shows the beam, OK takes it", "MB 100", 2, -1, "R 300"},
        {"the fields follow a single click", "MB 100", -1, 1, "Q 200"},
        {"and a click after a double-click", "MB 100", 1, 0, "P 100"},
    };
    for (const auto& c : cases) {
        open(c.designed);
        EXPECT_EQ(host.lists[standard_dialog::kProfileList],
                  (std::vector<std::string>{"P 100", "Q 200", "R 300"}));
        if (c.doubleClicked >= 0)
            host.doubleClickList(dialog, standard_dialog::kProfileList, c.doubleClicked);
        if (c.clicked >= 0) {
            host.selectListItem(standard_dialog::kProfileList, c.clicked);
            dialog.command(host, standard_dialog::kProfileList, Notification::SelectionChanged);
        }
        host.click(dialog, standard_dialog::kOk);
        EXPECT_EQ(host.result, DialogResult::Accepted) << c.name;
        EXPECT_STREQ(project.section.name, c.expected) << c.name;
        EXPECT_EQ(project.section.webWidth, std::stof(c.expected + 2)) << c.name;
    }
}

TEST_F(StandardProfileDialogTest, ActsOnTheFileAsItIsNow) {
    open();
    host.selectListItem(standard_dialog::kProfileList, 1);  // Q 200
    // Another beam that sorts first is added, and Q's values change.
    writeCatalogue({profile("A 50", 50.0f), profile("P 100", 100.0f), profile("Q 200", 210.0f)});
    host.doubleClickList(dialog, standard_dialog::kProfileList, 1);
    EXPECT_EQ(host.lists[standard_dialog::kProfileList],
              (std::vector<std::string>{"A 50", "P 100", "Q 200"}));
    EXPECT_EQ(host.listSelection(standard_dialog::kProfileList), 2)
        << "the picked beam stays picked";
    EXPECT_EQ(host.items[standard_dialog::kWebWidth], "210.000");

    writeCatalogue({profile("Z 100", 100.0f)});  // the picked beam gone
    host.doubleClickList(dialog, standard_dialog::kProfileList, 2);
    host.click(dialog, standard_dialog::kOk);
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0].text + "|" + host.messages[1].text,
              "ListBox Error|Couldn't Get Index !");
    EXPECT_EQ(host.messages[0].owner, MessageOwner::None);
    EXPECT_EQ(host.messages[1].owner, MessageOwner::MainWindow);
    EXPECT_EQ(host.messages[1].icon, MessageIcon::Warning);
    EXPECT_FALSE(host.ended) << "the dialog stays open";
}

// A catalogue that cannot be read is told once, though read three times;
// a damaged one gives way to the one installed with the program. The
// texts of damaged files are damaged-catalogues.txt's.
TEST_F(StandardProfileDialogTest, ACatalogueThatCannotBeReadIsToldOnce) {
    testing::writeFileBytes(files.installed, testing::catalogueBytes({profile("JB 150", 150.0f)}));
    testing::writeFileBytes(files.working, "not a catalogue");
    open();
    host.selectListItem(standard_dialog::kProfileList, 0);
    dialog.command(host, standard_dialog::kProfileList, Notification::SelectionChanged);
    host.click(dialog, standard_dialog::kOk);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].text.find("The catalogue installed with the program is used"),
              std::string::npos)
        << host.messages[0].text;
    EXPECT_EQ(host.lists[standard_dialog::kProfileList], std::vector<std::string>{"JB 150"});
    EXPECT_STREQ(project.section.name, "JB 150");
    EXPECT_EQ(testing::readFileBytes(files.working), "not a catalogue");

    std::filesystem::remove(files.working);
    std::filesystem::remove(files.installed);
    catalogue.clear();  // as a new session starts
    open();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Cannot open " + files.installed +
                                         ": No such file or directory\nThe list of standard "
                                         "profiles is empty.");
    EXPECT_TRUE(host.lists[standard_dialog::kProfileList].empty());
}

class CustomProfileDialogTest : public testing::CatalogueFixture {
  protected:
    Project project;
    ProfileList catalogue;
};

// The section is taken unless the question about a name already in the
// catalogue is cancelled; the catalogue takes it only when asked and able,
// and the designer is told which. What an addition does to the file is
// project/'s CatalogueAdditionTest's.
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
        host.items[custom_dialog::kName] = c.name;
        host.items[custom_dialog::kWebWidth] = c.name + 3;
        host.checks[custom_dialog::kAddToCatalogue] = c.checked;
        host.answers = {c.answer};
        host.click(dialog, custom_dialog::kOk);
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
