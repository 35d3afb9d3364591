#include "dialogs/coefficients_dialog.h"

#include "dialogs/dialog_fields.h"
#include "resources/dialog_ids.h"

namespace rolvanta {

namespace ids = coefficients_dialog;

CoefficientFields readCoefficientsDialog(const DialogHost& host) {
    CoefficientFields fields;
    fields.webList = host.itemText(ids::kWebList, kCoefficientListLength);
    fields.liveList = host.itemText(ids::kLiveList, kCoefficientListLength);
    fields.deadList = host.itemText(ids::kDeadList, kCoefficientListLength);
    CoefficientLimits& l = fields.limits;
    l.webFrom = readNumberField(host, ids::kWebFrom);
    l.webTo = readNumberField(host, ids::kWebTo);
    l.liveFrom = readNumberField(host, ids::kLiveFrom);
    l.liveTo = readNumberField(host, ids::kLiveTo);
    l.deadFrom = readNumberField(host, ids::kDeadFrom);
    l.deadTo = readNumberField(host, ids::kDeadTo);
    return fields;
}

void CoefficientsDialog::command(DialogHost& host, int id, Notification) {
    if (id == ids::kOk) {
        if (!applyCoefficients(project_, readCoefficientsDialog(host)).accepted()) return;
        host.endDialog(DialogResult::Accepted);
    } else if (id == ids::kDefault) {
        acceptDefaultCoefficients(project_);
        host.endDialog(DialogResult::Accepted);
    } else if (id == ids::kCancel || id == kDialogCancelCommand) {
        host.endDialog(DialogResult::Cancelled);
    }
}

}  // namespace rolvanta
