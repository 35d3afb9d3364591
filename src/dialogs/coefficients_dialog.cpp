#include "dialogs/coefficients_dialog.h"

#include <string>

#include "dialogs/dialog_fields.h"
#include "engine/coefficient_rules.h"
#include "resources/dialog_ids.h"

namespace rolvanta {

namespace ids = coefficients_dialog;

namespace {

constexpr std::size_t kListLength = 99;

}  // namespace

void readCoefficientsDialog(const DialogHost& host, Project& project) {
    const std::string web = host.itemText(ids::kWebList, kListLength);
    const std::string live = host.itemText(ids::kLiveList, kListLength);
    const std::string dead = host.itemText(ids::kDeadList, kListLength);
    project.flags.coefficientListsEntered = 1;
    parseCoefficientLists(project.coefficients, project.section, web, live, dead);

    const float webFrom = readNumberField(host, ids::kWebFrom);
    const float webTo = readNumberField(host, ids::kWebTo);
    const float liveFrom = readNumberField(host, ids::kLiveFrom);
    const float liveTo = readNumberField(host, ids::kLiveTo);
    const float deadFrom = readNumberField(host, ids::kDeadFrom);
    const float deadTo = readNumberField(host, ids::kDeadTo);
    // A limit left empty (or not a number) reads as 0: the lists alone count.
    for (float limit : {webFrom, webTo, liveFrom, liveTo, deadFrom, deadTo}) {
        if (limit == 0.0f) return;
    }
    applyCoefficientLimits(project.coefficients, project.section, webFrom, webTo, liveFrom, liveTo,
                           deadFrom, deadTo);
    adjustHeightSteps(project.coefficients, project.section);
}

void CoefficientsDialog::command(DialogHost& host, int id, Notification) {
    if (id == ids::kOk) {
        readCoefficientsDialog(host, project_);
        project_.flags.coefficientsGiven = 1;
        host.endDialog(DialogResult::Accepted);
    } else if (id == ids::kDefault) {
        project_.flags.defaultCoefficients = 1;
        project_.flags.coefficientsGiven = 1;
        host.endDialog(DialogResult::Accepted);
    } else if (id == ids::kCancel || id == kDialogCancelCommand) {
        host.endDialog(DialogResult::Cancelled);
    }
}

}  // namespace rolvanta
