#include "platform/dialog_registration.h"

#include "dialogs/coefficients_dialog.h"
#include "dialogs/custom_profile_dialog.h"
#include "dialogs/setup_about_dialogs.h"
#include "dialogs/standard_profile_dialog.h"
#include "platform/qt_dialog_host.h"
#include "resources/dialog_templates.h"

namespace rolvanta {

namespace {

// Each run makes a fresh Procedure over the session's records and runs it in
// the dialog of that resource name; the result is a DialogResult.
template <typename Procedure, typename... Records>
DialogRunner runner(const char* resourceName, Shell& shell, Records&... records) {
    const DialogTemplate& dialog = *findDialogTemplate(resourceName);
    return [&dialog, &shell, &records...](QWidget* parent) {
        Procedure procedure(records...);
        return static_cast<int>(runTemplateDialog(dialog, procedure, parent, shell));
    };
}

}  // namespace

void registerDialogs(DialogRegistry& registry, Session& session, Shell& shell) {
    const DialogRunner standard = runner<StandardProfileDialog>(
        kStandardProfileDialog, shell, session.project, session.catalogue, session.catalogueFiles);
    registry.add(kStandardProfileDialog, [standard, &session](QWidget* parent) {
        const int result = standard(parent);
        // A beam just taken is shown on the text pages, not on the pass view
        // of the schedule it replaces.
        if (result == static_cast<int>(DialogResult::Accepted)) session.graphicsMode = 0;
        return result;
    });
    registry.add(kCustomProfileDialog,
                 runner<CustomProfileDialog>(kCustomProfileDialog, shell, session.project,
                                             session.catalogue, session.catalogueFiles));
    registry.add(kSetupDialog, runner<SetupDialog>(kSetupDialog, shell, session.project));
    registry.add(kCoefficientsDialog,
                 runner<CoefficientsDialog>(kCoefficientsDialog, shell, session.project));
    registry.add(kAboutDialog, runner<AboutDialog>(kAboutDialog, shell));
}

}  // namespace rolvanta
