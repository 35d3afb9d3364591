#include "dialogs/coefficients_dialog.h"

#include "dialogs/dialog_fields.h"
#include "resources/dialog_ids.h"

namespace rolvanta {

namespace ids = coefficients_dialog;

CoefficientTexts readCoefficientsDialog(const DialogHost& host) {
    CoefficientTexts texts;
    texts.webList = host.typedText(ids::kWebList);
    texts.liveList = host.typedText(ids::kLiveList);
    texts.deadList = host.typedText(ids::kDeadList);
    texts.webFrom = host.typedText(ids::kWebFrom);
    texts.webTo = host.typedText(ids::kWebTo);
    texts.liveFrom = host.typedText(ids::kLiveFrom);
    texts.liveTo = host.typedText(ids::kLiveTo);
    texts.deadFrom = host.typedText(ids::kDeadFrom);
    texts.deadTo = host.typedText(ids::kDeadTo);
    return texts;
}

// Typing goes into the first field, not onto a button.
void CoefficientsDialog::initialise(DialogHost& host) {
    host.focusItem(coefficients_dialog::kWebList);
}

void CoefficientsDialog::command(DialogHost& host, int id, Notification) {
    if (id == ids::kOk) {
        CoefficientFields fields;
        InputResult result = readCoefficients(readCoefficientsDialog(host), fields);
        if (result.accepted()) result = applyCoefficients(project_, fields);
        if (!result.accepted()) {
            refuseField(host, *result.problem,
                        {{InputField::WebList, ids::kWebList},
                         {InputField::LiveList, ids::kLiveList},
                         {InputField::DeadList, ids::kDeadList},
                         {InputField::WebFrom, ids::kWebFrom},
                         {InputField::WebTo, ids::kWebTo},
                         {InputField::LiveFrom, ids::kLiveFrom},
                         {InputField::LiveTo, ids::kLiveTo},
                         {InputField::DeadFrom, ids::kDeadFrom},
                         {InputField::DeadTo, ids::kDeadTo}});
            return;
        }
        host.endDialog(DialogResult::Accepted);
    } else if (id == ids::kDefault) {
        restoreDefaultCoefficients(project_);
        host.endDialog(DialogResult::Accepted);
    } else if (id == ids::kCancel || id == kDialogCancelCommand) {
        host.endDialog(DialogResult::Cancelled);
    }
}

}  // namespace rolvanta
