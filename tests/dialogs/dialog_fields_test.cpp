#include <gtest/gtest.h>

#include <clocale>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/coefficients_dialog.h"
#include "dialogs/custom_profile_dialog.h"
#include "dialogs/dialog_fields.h"
#include "dialogs/setup_about_dialogs.h"
#include "dialogs/standard_profile_dialog.h"
#include "resources/dialog_ids.h"
#include "support/catalogue_fixture.h"
#include "support/example_section.h"
#include "support/fake_dialog_host.h"
#include "support/golden_file.h"

namespace rolvanta {
namespace {

// Fixed notation whatever the locale, three decimals (rounded, never an
// exponent); the mass per length to every digit it is read back with.
TEST(FieldFormats, FixedNotationWhateverTheLocaleMassPerLengthToEveryDigitReadBack) {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8"}) {
        if (std::setlocale(LC_ALL, name)) break;  // a decimal-comma locale, where there is one
    }
    std::string texts;
    for (const float value : {150.0f, 1234.567f, 0.0115f, -1.5f, 3e10f}) {
        texts += formatFieldNumber(value) + "\n";
    }
    // Junior beam, wide flange beam, above ten kg/mm, never fewer than three.
    for (const float value : {0.0071f, 0.145f, 12.5f, 123456.0f}) {
        texts += formatMassPerLength(value) + "\n";
    }
    std::setlocale(LC_ALL, "C");
    testing::expectGolden("field-formats.txt", texts);
}

enum class Dialog { Standard, Custom, Setup, Coefficients };

struct Buttons {
    int ok, cancel;
};

Buttons buttonsOf(Dialog which) {
    switch (which) {
        case Dialog::Standard:
            return {standard_dialog::kOk, standard_dialog::kCancel};
        case Dialog::Custom:
            return {custom_dialog::kOk, custom_dialog::kCancel};
        case Dialog::Setup:
            return {setup_dialog::kOk, setup_dialog::kCancel};
        case Dialog::Coefficients:
            return {coefficients_dialog::kOk, coefficients_dialog::kCancel};
    }
    return {};
}

using Texts = std::vector<std::string>;

Texts sectionTexts(const SectionTexts& t) {
    return {t.name,       t.webWidth,  t.webThickness, t.flangeHeight, t.flangeThickness,
            t.rootRadius, t.tipRadius, t.flangeSlope};
}

Texts standardTexts(const DialogHost& host) {
    const StandardSectionTexts t = readStandardProfile(host);
    Texts texts = sectionTexts(t);
    texts.insert(texts.end(), {t.area, t.massPerLength});
    return texts;
}

Texts customTexts(const DialogHost& host) {
    const CustomSectionTexts t = readCustomProfile(host);
    Texts texts = sectionTexts(t);
    texts.insert(texts.end(), {t.mass, t.length});
    return texts;
}

// Every item is read into its own field: each gets a text of its own.
TEST(InputDialogs, ReadEachFieldFromItsOwnItem) {
    namespace sd = standard_dialog;
    namespace cd = custom_dialog;
    namespace co = coefficients_dialog;
    const struct {
        const char* name;
        std::vector<int> ids;  // in the order read gives the texts
        std::function<Texts(const DialogHost&)> read;
    } cases[] = {
        {"standard",
         {sd::kName, sd::kWebWidth, sd::kWebThickness, sd::kFlangeHeight, sd::kFlangeThickness,
          sd::kRootRadius, sd::kTipRadius, sd::kFlangeSlope, sd::kArea, sd::kMassPerLength},
         standardTexts},
        {"custom",
         {cd::kName, cd::kWebWidth, cd::kWebThickness, cd::kFlangeHeight, cd::kFlangeThickness,
          cd::kRootRadius, cd::kTipRadius, cd::kFlangeSlope, cd::kMass, cd::kLength},
         customTexts},
        {"setup",
         {setup_dialog::kPassCount, setup_dialog::kTemperature},
         [](const DialogHost& host) {
             const SetupTexts t = readSetupDialog(host);
             return Texts{t.passes, t.temperature};
         }},
        {"coefficients",
         {co::kWebList, co::kLiveList, co::kDeadList, co::kWebFrom, co::kWebTo, co::kLiveFrom,
          co::kLiveTo, co::kDeadFrom, co::kDeadTo},
         [](const DialogHost& host) {
             const CoefficientTexts t = readCoefficientsDialog(host);
             return Texts{t.webList,  t.liveList, t.deadList, t.webFrom, t.webTo,
                          t.liveFrom, t.liveTo,   t.deadFrom, t.deadTo};
         }},
    };
    for (const auto& c : cases) {
        testing::FakeDialogHost host;
        Texts typed;
        for (int id : c.ids) host.items[id] = typed.emplace_back("item " + std::to_string(id));
        EXPECT_EQ(c.read(host), typed) << c.name;
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
    std::unique_ptr<DialogProcedure> make(Dialog which) {
        switch (which) {
            case Dialog::Standard:
                return std::make_unique<StandardProfileDialog>(project, catalogue, files);
            case Dialog::Custom:
                return std::make_unique<CustomProfileDialog>(project, catalogue, files);
            case Dialog::Setup:
                return std::make_unique<SetupDialog>(project);
            case Dialog::Coefficients:
                return std::make_unique<CoefficientsDialog>(project);
        }
        return nullptr;
    }

    Project project;
    ProfileList catalogue;
};

// Cancel and Esc leave everything as it was, whatever was typed, picked or
// checked.
TEST_F(InputDialogTest, CancelAndEscChangeNothing) {
    writeCatalogue({testing::profile("MB 100", 100.0f), testing::profile("MB 200", 200.0f)});
    const std::string catalogueBefore = testing::readFileBytes(files.working);
    for (Dialog which : {Dialog::Standard, Dialog::Custom, Dialog::Setup, Dialog::Coefficients}) {
        for (int cancel : {buttonsOf(which).cancel, kDialogCancelCommand}) {
            project = testing::exampleProject();
            const Project before = project;
            const std::unique_ptr<DialogProcedure> dialog = make(which);
            testing::FakeDialogHost host;
            dialog->initialise(host);
            // Typing goes into the first field, not onto a button.
            const int first[] = {standard_dialog::kProfileList, custom_dialog::kName,
                                 setup_dialog::kPassCount, coefficients_dialog::kWebList};
            EXPECT_EQ(host.focused, first[static_cast<int>(which)]);
            if (which == Dialog::Standard) {
                host.doubleClickList(*dialog, standard_dialog::kProfileList, 1);
            }
            for (int id :
                 {custom_dialog::kName, setup_dialog::kPassCount, coefficients_dialog::kWebList}) {
                host.items[id] = "7";
            }
            host.checks[custom_dialog::kAddToCatalogue] = true;
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
    for (int button : {coefficients_dialog::kOk, coefficients_dialog::kDefault}) {
        CoefficientsDialog dialog(project);
        testing::FakeDialogHost host;
        host.items[coefficients_dialog::kWebList] = "1.5";
        host.click(dialog, button);
        EXPECT_EQ(host.result, DialogResult::Accepted);
    }
    EXPECT_TRUE(testing::sameBytes(project.coefficients, defaults));
    EXPECT_TRUE(project.flags.defaultCoefficients && project.flags.coefficientsGiven);
}

// Each dialog keeps itself open on a bad field, says which field, what was
// typed and what is accepted, puts the cursor there and changes nothing.
TEST_F(InputDialogTest, RefuseABadFieldWithMessageFocusAndNothingChanged) {
    writeCatalogue({testing::profile("MB 100", 100.0f), testing::profile("MB 200", 200.0f)});
    const auto allLimitsButTheLast = [](testing::FakeDialogHost& host) {
        for (int id : {coefficients_dialog::kWebFrom, coefficients_dialog::kWebTo,
                       coefficients_dialog::kLiveFrom, coefficients_dialog::kLiveTo,
                       coefficients_dialog::kDeadFrom}) {
            host.items[id] = "1.2";
        }
    };
    const struct {
        Dialog dialog;
        int id;
        const char* typed;
        std::function<void(testing::FakeDialogHost&)> fill;  // the other fields
    } cases[] = {
        {Dialog::Standard, standard_dialog::kWebWidth, "1,5", nullptr},
        {Dialog::Standard, standard_dialog::kMassPerLength, "12abc", nullptr},
        {Dialog::Standard, standard_dialog::kName, "ISMB 1000X", nullptr},
        {Dialog::Custom, custom_dialog::kWebWidth, "1e30", nullptr},
        {Dialog::Custom, custom_dialog::kFlangeSlope, "200", nullptr},
        {Dialog::Custom, custom_dialog::kTipRadius, "-1", nullptr},
        {Dialog::Custom, custom_dialog::kWebThickness, "80", nullptr},
        {Dialog::Setup, setup_dialog::kPassCount, "14", nullptr},
        {Dialog::Setup, setup_dialog::kTemperature, "200\xB0",
         [](auto& host) { host.items[setup_dialog::kPassCount] = "9"; }},
        {Dialog::Coefficients, coefficients_dialog::kLiveList, "1.1 abc", nullptr},
        {Dialog::Coefficients, coefficients_dialog::kWebList, "1.1 3.5", nullptr},
        {Dialog::Coefficients, coefficients_dialog::kDeadTo, "", allLimitsButTheLast},
    };
    std::string told;
    for (const auto& c : cases) {
        project = testing::exampleProject();
        project.flags.projectStarted = true;
        const Project before = project;
        const std::unique_ptr<DialogProcedure> dialog = make(c.dialog);
        testing::FakeDialogHost host;
        dialog->initialise(host);
        if (c.fill) c.fill(host);
        host.items[c.id] = c.typed;
        host.click(*dialog, buttonsOf(c.dialog).ok);
        ASSERT_FALSE(host.messages.empty()) << c.typed;
        const MessageRequest& shown = host.messages.back();
        told += shown.text + "\n";
        EXPECT_EQ(shown.owner, MessageOwner::Dialog);
        EXPECT_EQ(host.focused, c.id) << c.typed;
        EXPECT_FALSE(host.ended) << c.typed;
        EXPECT_TRUE(testing::sameBytes(project, before)) << c.typed;
    }
    testing::expectGolden("dialog-refusals.txt", told);
}

}  // namespace
}  // namespace rolvanta
