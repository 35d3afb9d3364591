#include <gtest/gtest.h>

#include <vector>

#include "dialogs/coefficients_dialog.h"
#include "resources/dialog_ids.h"
#include "support/example_section.h"
#include "support/fake_dialog_host.h"

namespace rolvanta {
namespace {

namespace ids = coefficients_dialog;
using testing::sameBytes;

class CoefficientsDialogTest : public ::testing::Test {
  protected:
    // Types the fields (web, live and dead list, then each row's limits from
    // and to), then presses the button.
    void press(int id, std::vector<const char*> fields) {
        host = testing::FakeDialogHost();
        const int fieldIds[] = {ids::kWebList, ids::kLiveList, ids::kDeadList,
                                ids::kWebFrom, ids::kWebTo,    ids::kLiveFrom,
                                ids::kLiveTo,  ids::kDeadFrom, ids::kDeadTo};
        for (std::size_t k = 0; k < fields.size(); ++k) host.items[fieldIds[k]] = fields[k];
        CoefficientsDialog dialog(project);
        dialog.initialise(host);
        host.click(dialog, id);
    }
    void expectRow(const float (&row)[kPassTableSize], std::vector<float> expected) {
        for (std::size_t k = 0; k < expected.size(); ++k) {
            EXPECT_NEAR(row[k], expected[k], 1e-5f) << "entry " << k;
        }
    }

    Project project = testing::exampleProject(5);
    const CoefficientSet defaults = project.coefficients;
    testing::FakeDialogHost host;
};

TEST_F(CoefficientsDialogTest, OkReadsTheListsThenTheLimits) {
    press(ids::kOk, {"1.2 1.1 1", "1.05", "1.2"});
    const CoefficientSet& c = project.coefficients;
    expectRow(c.webElongation, {1.2f, 1.1f, 1.0f, 1.0f, 1.0f, defaults.webElongation[5]});
    expectRow(c.liveFlangeElongation, {1.05f, 1.05f, 1.05f, 1.05f, 1.05f});
    expectRow(c.deadFlangeElongation, {1.2f, 1.2f, 1.2f, 1.2f, 1.2f});
    EXPECT_TRUE(sameBytes(c.liveHeightStep, defaults.liveHeightStep)) << "lists alone";
    EXPECT_EQ(project.flags.coefficientListsEntered + project.flags.coefficientsGiven, 2);
    EXPECT_EQ(project.flags.defaultCoefficients, 0);

    press(ids::kOk, {"1.3", "1.3", "1.3", "1.0", "1.5", "1.1", "1.6", "1.2", "1.7"});
    expectRow(c.webElongation, {1.0f, 1.1f, 1.2f, 1.3f, 1.4f, 1.5f, 1.6f, 1.7f, 1.8f, 1.9f, 2.0f});
    expectRow(c.liveFlangeElongation, {1.1f, 1.2f, 1.3f, 1.4f, 1.5f, 0.0f});
    expectRow(c.deadFlangeElongation, {1.2f, 1.3f, 1.4f, 1.5f, 1.6f, 0.0f});
    expectRow(c.deadHeightStep, {-1.5f, -1.5f, -1.5f, -1.5f});
    expectRow(c.liveHeightStep, {8.0f, 8.0f, 8.0f, 0.0f});
}

TEST_F(CoefficientsDialogTest, DefaultRestoresTheDefaultsAndCancelChangesNothing) {
    press(ids::kOk, {"1.25"});
    const Project changed = project;
    press(kDialogCancelCommand, {"1.5", "1.5", "1.5", "1", "2", "1", "2", "1", "2"});
    EXPECT_EQ(host.result, DialogResult::Cancelled);
    EXPECT_TRUE(sameBytes(project, changed));

    press(ids::kDefault, {"1.5", "1.5", "1.5"});
    EXPECT_EQ(host.result, DialogResult::Accepted);
    EXPECT_TRUE(sameBytes(project.coefficients, defaults)) << "whatever was typed before";
    EXPECT_EQ(project.flags.defaultCoefficients + project.flags.coefficientsGiven, 2);
}

}  // namespace
}  // namespace rolvanta
