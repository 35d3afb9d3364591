#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "dialogs/coefficients_dialog.h"
#include "resources/dialog_ids.h"
#include "support/example_section.h"
#include "support/fake_dialog_host.h"

namespace rolvanta {
namespace {

namespace ids = coefficients_dialog;

constexpr float kFloatRounding = 1e-5f;

class CoefficientsDialogTest : public ::testing::Test {
  protected:
    // Types the lists (web, live, dead) and the limits (web, live, dead,
    // each from and to), then presses the button.
    void press(int id, std::vector<const char*> lists, std::vector<const char*> limits = {}) {
        host = testing::FakeDialogHost();
        const int listIds[] = {ids::kWebList, ids::kLiveList, ids::kDeadList};
        const int limitIds[] = {ids::kWebFrom, ids::kWebTo,    ids::kLiveFrom,
                                ids::kLiveTo,  ids::kDeadFrom, ids::kDeadTo};
        for (std::size_t k = 0; k < lists.size(); ++k) host.items[listIds[k]] = lists[k];
        for (std::size_t k = 0; k < limits.size(); ++k) host.items[limitIds[k]] = limits[k];
        CoefficientsDialog dialog(project);
        dialog.initialise(host);
        host.click(dialog, id);
    }
    void expectRow(const float (&row)[kPassTableSize], std::vector<float> expected) {
        for (std::size_t k = 0; k < expected.size(); ++k) {
            EXPECT_NEAR(row[k], expected[k], kFloatRounding) << "entry " << k;
        }
    }

    Project project = testing::exampleProject(5);
    const CoefficientSet defaults = project.coefficients;
    testing::FakeDialogHost host;
};

TEST_F(CoefficientsDialogTest, ListsFillTheirRows) {
    press(ids::kOk, {"1.2 1.1 1", "  1.05   1.07  ", "1.2,1.1"});
    const CoefficientSet& c = project.coefficients;
    expectRow(c.webElongation, {1.2f, 1.1f, 1.0f, 1.0f, 1.0f, defaults.webElongation[5]});
    expectRow(c.liveFlangeElongation, {1.05f, 1.07f, 1.07f, 1.07f, 1.07f});
    expectRow(c.deadFlangeElongation, {1.2f, 1.2f, 1.2f, 1.2f, 1.2f});
    EXPECT_EQ(std::memcmp(c.liveHeightStep, defaults.liveHeightStep, 2 * sizeof c.liveHeightStep),
              0)
        << "lists alone never change the height steps";
    EXPECT_EQ(project.flags.coefficientListsEntered + project.flags.coefficientsGiven, 2);
    EXPECT_EQ(project.flags.defaultCoefficients, 0);
}

TEST_F(CoefficientsDialogTest, EachPairOfLimitsInterpolatesItsRowOverTheList) {
    press(ids::kOk, {"1.3", "1.3", "1.3"}, {"1.0", "1.5", "1.1", "1.6", "1.2", "1.7"});
    const CoefficientSet& c = project.coefficients;
    expectRow(c.webElongation, {1.0f, 1.1f, 1.2f, 1.3f, 1.4f, 1.5f, 1.6f, 1.7f, 1.8f, 1.9f, 2.0f});
    expectRow(c.liveFlangeElongation, {1.1f, 1.2f, 1.3f, 1.4f, 1.5f, 0.0f});
    expectRow(c.deadFlangeElongation, {1.2f, 1.3f, 1.4f, 1.5f, 1.6f, 0.0f});
    expectRow(c.deadHeightStep, {-1.5f, -1.5f, -1.5f, -1.5f});
    expectRow(c.liveHeightStep, {8.0f, 8.0f, 8.0f});
}

TEST_F(CoefficientsDialogTest, ALimitThatIsNotANumberLeavesTheLists) {
    const struct {
        const char* name;
        std::vector<const char*> limits;
    } cases[] = {
        {"one field empty", {"1.0", "1.5", "1.0", "", "1.0", "1.5"}},
        {"one field a word", {"1.0", "1.5", "1.0", "1.5", "low", "1.5"}},
        {"one field zero", {"0", "1.5", "1.0", "1.5", "1.0", "1.5"}},
    };
    for (const auto& c : cases) {
        project.coefficients = defaults;
        press(ids::kOk, {"1.2"}, c.limits);
        expectRow(project.coefficients.webElongation, {1.2f, 1.2f, 1.2f, 1.2f, 1.2f});
        EXPECT_EQ(
            std::memcmp(&project.coefficients.liveFlangeElongation, &defaults.liveFlangeElongation,
                        sizeof(CoefficientSet) - sizeof defaults.webElongation),
            0)
            << c.name;
    }
}

TEST_F(CoefficientsDialogTest, DefaultKeepsTheTableAndCancelChangesNothing) {
    press(ids::kOk, {"1.25"});
    const Project changed = project;
    press(kDialogCancelCommand, {"1.5", "1.5", "1.5"}, {"1", "2", "1", "2", "1", "2"});
    EXPECT_EQ(host.result, DialogResult::Cancelled);
    EXPECT_EQ(std::memcmp(&project, &changed, sizeof project), 0);

    press(ids::kDefault, {"1.5", "1.5", "1.5"});
    EXPECT_EQ(host.result, DialogResult::Accepted);
    EXPECT_EQ(
        std::memcmp(&project.coefficients, &changed.coefficients, sizeof changed.coefficients), 0)
        << "Default accepts the table in force; it does not reload the defaults";
    EXPECT_EQ(project.flags.defaultCoefficients + project.flags.coefficientsGiven, 2);
}

}  // namespace
}  // namespace rolvanta
