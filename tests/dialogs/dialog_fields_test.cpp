// The input dialogs' own wiring: the item each field is read from and shown
// in, the cursor in the first field, a refused field's cursor and text, and
// Cancel and Esc. The rules and their messages are project/'s
// (section-refusals.txt, setup-fields.txt, coefficient-fields.txt).

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/coefficients_dialog.h"
#include "dialogs/custom_profile_dialog.h"
#include "dialogs/setup_about_dialogs.h"
#include "dialogs/standard_profile_dialog.h"
#include "resources/dialog_ids.h"
#include "support/catalogue_fixture.h"
#include "support/example_section.h"
#include "support/fake_dialog_host.h"

namespace rolvanta {
namespace {

namespace sd = standard_dialog;
namespace cd = custom_dialog;
namespace co = coefficients_dialog;
using Texts = std::vector<std::string>;

Texts sectionTexts(const SectionTexts& t, const std::string& last1, const std::string& last2) {
    return {t.name,       t.webWidth,  t.webThickness, t.flangeHeight, t.flangeThickness,
            t.rootRadius, t.tipRadius, t.flangeSlope,  last1,          last2};
}

Texts standardTexts(const DialogHost& host) {
    const StandardSectionTexts t = readStandardProfile(host);
    return sectionTexts(t, t.area, t.massPerLength);
}

Texts customTexts(const DialogHost& host) {
    const CustomSectionTexts t = readCustomProfile(host);
    return sectionTexts(t, t.mass, t.length);
}

enum class Dialog { Standard, Custom, Setup, Coefficients };

// Each dialog's items, in the order its read gives the texts.
const struct DialogItems {
    Dialog which;
    struct {
        int ok, cancel, first;  // first: the item the cursor starts in
    } items;
    std::vector<int> ids;
    std::function<Texts(const DialogHost&)> read;
} kDialogs[] = {
    {Dialog::Standard,
     {sd::kOk, sd::kCancel, sd::kProfileList},
     {sd::kName, sd::kWebWidth, sd::kWebThickness, sd::kFlangeHeight, sd::kFlangeThickness,
      sd::kRootRadius, sd::kTipRadius, sd::kFlangeSlope, sd::kArea, sd::kMassPerLength},
     standardTexts},
    {Dialog::Custom,
     {cd::kOk, cd::kCancel, cd::kName},
     {cd::kName, cd::kWebWidth, cd::kWebThickness, cd::kFlangeHeight, cd::kFlangeThickness,
      cd::kRootRadius, cd::kTipRadius, cd::kFlangeSlope, cd::kMass, cd::kLength},
     customTexts},
    {Dialog::Setup,
     {setup_dialog::kOk, setup_dialog::kCancel, setup_dialog::kPassCount},
     {setup_dialog::kPassCount, setup_dialog::kTemperature},
     [](const DialogHost& host) {
         const SetupTexts t = readSetupDialog(host);
         return Texts{t.passes, t.temperature};
     }},
    {Dialog::Coefficients,
     {co::kOk, co::kCancel, co::kWebList},
     {co::kWebList, co::kLiveList, co::kDeadList, co::kWebFrom, co::kWebTo, co::kLiveFrom,
      co::kLiveTo, co::kDeadFrom, co::kDeadTo},
     [](const DialogHost& host) {
         const CoefficientTexts t = readCoefficientsDialog(host);
         return Texts{t.webList,  t.liveList, t.deadList, t.webFrom, t.webTo,
                      t.liveFrom, t.liveTo,   t.deadFrom, t.deadTo};
     }},
};

TEST(InputDialogs, ReadEachFieldFromItsOwnItem) {
    for (const DialogItems& d : kDialogs) {
        testing::FakeDialogHost host;
        Texts typed;
        for (int id : d.ids) host.items[id] = typed.emplace_back("item " + std::to_string(id));
        EXPECT_EQ(d.read(host), typed) << d.ids[0];
    }
}

// A beam shown reads back as the same beam: every value in its own item.
TEST(InputDialogs, ShowABeamInTheItemsTheyReadItFrom) {
    testing::FakeDialogHost custom;
    showCustomProfile(custom, testing::exampleSection());
    EXPECT_EQ(customTexts(custom), (Texts{"MB 100", "100.000", "4.000", "75.000", "7.200", "9.000",
                                          "4.500", "98.000", "11.500", "1000.000"}));

    ProfileRecord record = testing::profile("JB 150", 150.0f);
    record.rootRadius = 9.0f;
    record.tipRadius = 4.5f;
    testing::FakeDialogHost standard;
    showProfileValues(standard, record);
    EXPECT_EQ(standardTexts(standard),
              (Texts{"JB 150", "150.000", "6.000", "112.500", "10.800", "9.000", "4.500", "98.000",
                     "2190.000", "0.0115000"}));
}

class InputDialogTest : public testing::CatalogueFixture {
  protected:
    void SetUp() override {
        writeCatalogue({testing::profile("MB 100", 100.0f), testing::profile("MB 200", 200.0f)});
    }
    // The dialog opened on the worked example, every field holding a text it takes.
    std::unique_ptr<DialogProcedure> open(Dialog which, testing::FakeDialogHost& host) {
        project = testing::exampleProject();
        project.flags.projectStarted = true;
        std::unique_ptr<DialogProcedure> dialog;
        switch (which) {
            case Dialog::Standard:
                dialog = std::make_unique<StandardProfileDialog>(project, catalogue, files);
                break;
            case Dialog::Custom:
                dialog = std::make_unique<CustomProfileDialog>(project, catalogue, files);
                break;
            case Dialog::Setup:
                dialog = std::make_unique<SetupDialog>(project);
                host.items[setup_dialog::kPassCount] = "9";
                break;
            case Dialog::Coefficients:
                dialog = std::make_unique<CoefficientsDialog>(project);
                for (int id : {co::kWebFrom, co::kWebTo, co::kLiveFrom, co::kLiveTo, co::kDeadFrom,
                               co::kDeadTo}) {
                    host.items[id] = "1.2";
                }
                break;
        }
        dialog->initialise(host);
        return dialog;
    }

    Project project;
    ProfileList catalogue;
};

// Cancel and Esc leave everything as it was, whatever was typed, picked or
// checked; the cursor starts in the first field, not on a button.
TEST_F(InputDialogTest, CancelAndEscChangeNothing) {
    const std::string catalogueBefore = testing::readFileBytes(files.working);
    for (const DialogItems& d : kDialogs) {
        for (int cancel : {d.items.cancel, kDialogCancelCommand}) {
            testing::FakeDialogHost host;
            const std::unique_ptr<DialogProcedure> dialog = open(d.which, host);
            const Project before = project;
            EXPECT_EQ(host.focused, d.items.first);
            if (d.which == Dialog::Standard) host.doubleClickList(*dialog, sd::kProfileList, 1);
            for (int id : d.ids) host.items[id] = "7";
            host.checks[cd::kAddToCatalogue] = true;
            host.click(*dialog, cancel);
            EXPECT_EQ(host.result, DialogResult::Cancelled) << cancel;
            EXPECT_TRUE(testing::sameBytes(project, before)) << cancel;
        }
    }
    EXPECT_EQ(testing::readFileBytes(files.working), catalogueBefore);
}

TEST_F(InputDialogTest, CoefficientsDefaultRestoresTheDefaultsWhateverWasTyped) {
    project = testing::exampleProject();
    const CoefficientSet defaults = project.coefficients;
    for (int button : {co::kOk, co::kDefault}) {
        CoefficientsDialog dialog(project);
        testing::FakeDialogHost host;
        host.items[co::kWebList] = "1.5";
        host.click(dialog, button);
        EXPECT_EQ(host.result, DialogResult::Accepted);
    }
    EXPECT_TRUE(testing::sameBytes(project.coefficients, defaults));
}

// A text no field takes, typed into each field in turn: the dialog stays
// open over a message that quotes it as typed (a Windows-1252 degree sign
// in UTF-8), the cursor goes back into that field and nothing changes.
TEST_F(InputDialogTest, RefuseEachFieldInItsOwnItemAndChangeNothing) {
    for (const DialogItems& d : kDialogs) {
        for (int id : d.ids) {
            testing::FakeDialogHost host;
            const std::unique_ptr<DialogProcedure> dialog = open(d.which, host);
            const Project before = project;
            host.items[id] = "x\t\xB0";
            host.click(*dialog, d.items.ok);
            ASSERT_EQ(host.messages.size(), 1u) << id;
            EXPECT_NE(host.messages[0].text.find("\"x\t\u00B0\""), std::string::npos) << id;
            EXPECT_EQ(host.messages[0].owner, MessageOwner::Dialog) << id;
            EXPECT_EQ(host.focused, id);
            EXPECT_FALSE(host.ended) << id;
            EXPECT_TRUE(testing::sameBytes(project, before)) << id;
        }
    }
}

}  // namespace
}  // namespace rolvanta
