#include "platform/dialog_registration.h"

#include "dialogs/coefficients_dialog.h"
#include "dialogs/custom_profile_dialog.h"
#include "dialogs/mill_dialog.h"
#include "dialogs/setup_about_dialogs.h"
#include "dialogs/standard_profile_dialog.h"
#include "platform/qt_dialog_host.h"
#include "resources/dialog_templates.h"

namespace rolvanta {

namespace {

// Each run makes a fresh Procedure over the session's records and runs it in
// the dialog of that resource name.
template <typename Procedure, typename... Records>
DialogRunner runner(const char* resourceName, Shell& shell, Records&... records) {
    const DialogTemplate* dialog = findDialogTemplate(resourceName);
    if (dialog == nullptr) return [](QWidget*) { return false; };
    return [dialog, &shell, &records...](QWidget* parent) {
        Procedure procedure(records...);
        return runTemplateDialog(*dialog, procedure, parent, shell) == DialogResult::Accepted;
    };
}

}  // namespace

void registerDialogs(DialogRegistry& registry, Session& session, Shell& shell) {
    registry.add(DialogId::StandardProfiles,
                 runner<StandardProfileDialog>(kStandardProfileDialog, shell, session.project,
                                               session.catalogue, session.catalogueFiles));
    registry.add(DialogId::CustomProfiles,
                 runner<CustomProfileDialog>(kCustomProfileDialog, shell, session.project,
                                             session.catalogue, session.catalogueFiles));
    registry.add(DialogId::Setup,
                 runner<SetupDialog>(kSetupDialog, shell, session.project, session.inputNote));
    registry.add(DialogId::Coefficients,
                 runner<CoefficientsDialog>(kCoefficientsDialog, shell, session.project));
    registry.add(DialogId::Mill,
                 runner<MillDialog>(kMillDialog, shell, session.project, session.inputNote));
    registry.add(DialogId::About, runner<AboutDialog>(kAboutDialog, shell));
}

}  // namespace rolvanta
