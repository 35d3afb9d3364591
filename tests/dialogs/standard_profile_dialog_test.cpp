#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "dialogs/standard_profile_dialog.h"
#include "project/field_text.h"
#include "resources/dialog_ids.h"
#include "support/catalogue_fixture.h"
#include "support/example_section.h"
#include "support/fake_dialog_host.h"

namespace rolvanta {
namespace {

namespace ids = standard_dialog;
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
        EXPECT_EQ(host.lists[ids::kProfileList],
                  (std::vector<std::string>{"P 100", "Q 200", "R 300"}));
        if (c.doubleClicked >= 0) host.doubleClickList(dialog, ids::kProfileList, c.doubleClicked);
        if (c.clicked >= 0) {
            host.selectListItem(ids::kProfileList, c.clicked);
            dialog.command(host, ids::kProfileList, Notification::SelectionChanged);
        }
        host.click(dialog, ids::kOk);
        EXPECT_EQ(host.result, DialogResult::Accepted) << c.name;
        EXPECT_STREQ(project.section.name, c.expected) << c.name;
        EXPECT_EQ(project.section.webWidth, std::stof(c.expected + 2)) << c.name;
    }
}

TEST_F(StandardProfileDialogTest, ActsOnTheFileAsItIsNow) {
    open();
    host.selectListItem(ids::kProfileList, 1);  // Q 200
    // Another beam that sorts first is added, and Q's values change.
    writeCatalogue({profile("A 50", 50.0f), profile("P 100", 100.0f), profile("Q 200", 210.0f)});
    host.doubleClickList(dialog, ids::kProfileList, 1);
    EXPECT_EQ(host.lists[ids::kProfileList], (std::vector<std::string>{"A 50", "P 100", "Q 200"}));
    EXPECT_EQ(host.listSelection(ids::kProfileList), 2) << "the picked beam stays picked";
    EXPECT_EQ(host.items[ids::kWebWidth], "210.000");

    writeCatalogue({profile("Z 100", 100.0f)});  // the picked beam gone
    host.doubleClickList(dialog, ids::kProfileList, 2);
    host.click(dialog, ids::kOk);
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
    host.selectListItem(ids::kProfileList, 0);
    dialog.command(host, ids::kProfileList, Notification::SelectionChanged);
    host.click(dialog, ids::kOk);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].text.find("The catalogue installed with the program is used"),
              std::string::npos)
        << host.messages[0].text;
    EXPECT_EQ(host.lists[ids::kProfileList], std::vector<std::string>{"JB 150"});
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
    EXPECT_TRUE(host.lists[ids::kProfileList].empty());
}

}  // namespace
}  // namespace rolvanta
