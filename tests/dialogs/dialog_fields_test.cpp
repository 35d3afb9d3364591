#include <gtest/gtest.h>

#include <clocale>

#include <functional>
#include <memory>
#include <string>

#include "dialogs/coefficients_dialog.h"
#include "dialogs/custom_profile_dialog.h"
#include "dialogs/dialog_fields.h"
#include "dialogs/setup_about_dialogs.h"
#include "dialogs/standard_profile_dialog.h"
#include "resources/dialog_ids.h"
#include "support/catalogue_fixture.h"
#include "support/example_section.h"
#include "support/fake_dialog_host.h"

namespace rolvanta {
namespace {

TEST(FormatFieldNumber, ThreeDecimalsInFixedNotationWhateverTheLocale) {
    const struct {
        const char* name;
        float value;
        const char* expected;
    } cases[] = {
        {"a whole number", 150.0f, "150.000"},
        {"three decimals kept", 1234.567f, "1234.567"},
        {"rounded to three decimals", 0.0115f, "0.012"},
        {"negative", -1.5f, "-1.500"},
        {"large, never in exponent form", 3e10f, "30000001024.000"},
    };
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8"}) {
        if (std::setlocale(LC_ALL, name)) break;  // a decimal-comma locale, where there is one
    }
    for (const auto& c : cases) EXPECT_EQ(formatFieldNumber(c.value), c.expected) << c.name;
    std::setlocale(LC_ALL, "C");
}

TEST(FormatMassPerLength, KeepsAsManyDecimalsAsTheFieldReadsBack) {
    const struct {
        const char* name;
        float value;
        const char* expected;
    } cases[] = {
        {"junior beam, 7.1 kg/m", 0.0071f, "0.0071000"},
        {"wide flange beam, 145 kg/m", 0.145f, "0.1450000"},
        {"above ten kg/mm", 12.5f, "12.500000"},
        {"never fewer than three decimals", 123456.0f, "123456.000"},
    };
    for (const auto& c : cases) EXPECT_EQ(formatMassPerLength(c.value), c.expected) << c.name;
}

enum class Dialog { Standard, Custom, Setup, Coefficients };

int okOf(Dialog which) {
    switch (which) {
        case Dialog::Standard:
            return standard_dialog::kOk;
        case Dialog::Custom:
            return custom_dialog::kOk;
        case Dialog::Setup:
            return setup_dialog::kOk;
        case Dialog::Coefficients:
            return coefficients_dialog::kOk;
    }
    return 0;
}

class FieldRefusal : public testing::CatalogueFixture {
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

// Each dialog keeps itself open on a bad field, says which field, what was
// typed and what is accepted, puts the cursor there and changes nothing.
TEST_F(FieldRefusal, MessageFocusAndNothingChanged) {
    writeCatalogue({testing::profile("MB 100", 100.0f), testing::profile("MB 200", 200.0f)});
    const struct {
        Dialog dialog;
        int id;
        const char* typed;
        const char* message;
        std::function<void(testing::FakeDialogHost&)> fill;  // the other fields
    } cases[] = {
        {Dialog::Standard, standard_dialog::kWebWidth, "1,5",
         "Web Width: \"1,5\" is not accepted.\nAccepted: a number above 0 and at most 1000 (mm).",
         nullptr},
        {Dialog::Standard, standard_dialog::kMassPerLength, "12abc",
         "Mass Per Unit Length: \"12abc\" is not accepted.\nAccepted: a number above 0 and at "
         "most 10 (kg/mm).",
         nullptr},
        {Dialog::Standard, standard_dialog::kName, "ISMB 1000X", "Beam Name: \"ISMB 1000X\"",
         nullptr},
        {Dialog::Custom, custom_dialog::kWebWidth, "1e30", "Web Width: \"1e30\"", nullptr},
        {Dialog::Custom, custom_dialog::kFlangeSlope, "200", "Flange Slope: \"200\"", nullptr},
        {Dialog::Custom, custom_dialog::kTipRadius, "-1", "Tip Radius: \"-1\"", nullptr},
        {Dialog::Custom, custom_dialog::kWebThickness, "80",
         "Web Thickness: \"80\" is not accepted.\nAccepted: less than the flange height", nullptr},
        {Dialog::Setup, setup_dialog::kPassCount, "14",
         "Number Of Passes: \"14\" is not accepted.\nAccepted: a whole number from 5 to 13.",
         nullptr},
        {Dialog::Setup, setup_dialog::kTemperature, "200\xB0",
         "Temperature: \"200\xC2\xB0\" is not accepted.\nAccepted: a number from 800 to 1200 "
         "(\xC2\xB0"
         "C), or nothing for 1000.",
         [](auto& host) { host.items[setup_dialog::kPassCount] = "9"; }},
        {Dialog::Coefficients, coefficients_dialog::kLiveList, "1.1 abc",
         "Live Flange Coefficients: \"1.1 abc\"", nullptr},
        {Dialog::Coefficients, coefficients_dialog::kDeadTo, "",
         "Dead Flange upper limit: \"\" is not accepted.\nAccepted: all six limits filled, or "
         "none.",
         [](auto& host) {
             for (int id : {coefficients_dialog::kWebFrom, coefficients_dialog::kWebTo,
                            coefficients_dialog::kLiveFrom, coefficients_dialog::kLiveTo,
                            coefficients_dialog::kDeadFrom}) {
                 host.items[id] = "1.2";
             }
         }},
    };
    for (const auto& c : cases) {
        project = testing::exampleProject();
        project.flags.projectStarted = true;
        const Project before = project;
        const std::unique_ptr<DialogProcedure> dialog = make(c.dialog);
        testing::FakeDialogHost host;
        dialog->initialise(host);
        if (c.fill) c.fill(host);
        host.items[c.id] = c.typed;
        host.click(*dialog, okOf(c.dialog));
        ASSERT_FALSE(host.messages.empty()) << c.typed;
        const MessageRequest& shown = host.messages.back();
        EXPECT_EQ(shown.text.substr(0, std::string(c.message).size()), c.message) << shown.text;
        EXPECT_EQ(shown.owner, MessageOwner::Dialog);
        EXPECT_EQ(host.focused, c.id) << c.typed;
        EXPECT_FALSE(host.ended) << c.typed;
        EXPECT_TRUE(testing::sameBytes(project, before)) << c.typed;
    }
}

}  // namespace
}  // namespace rolvanta
