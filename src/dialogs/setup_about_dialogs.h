#pragma once

// The Setup dialog (number of passes and rolling temperature) and the About
// dialog.

#include <string>

#include "dialogs/dialog_host.h"
#include "project/design_inputs.h"

namespace rolvanta {

// What the two fields hold, as typed.
SetupTexts readSetupDialog(const DialogHost& host);

// The fields start empty; OK applies them (applySetup) and ends Accepted. A
// field refused keeps the dialog open with the cursor in it. What the OK
// changed besides the Setup (the mill's stands) is left in note, for the
// status bar.
class SetupDialog final : public DialogProcedure {
  public:
    explicit SetupDialog(Project& project) : project_(project) {}
    SetupDialog(Project& project, std::string& note) : project_(project), note_(&note) {}

    void initialise(DialogHost& host) override;
    void command(DialogHost& host, int id, Notification notification) override;

  private:
    Project& project_;
    std::string* note_ = nullptr;
};

// Shows its fixed text until closed.
class AboutDialog final : public DialogProcedure {
  public:
    void initialise(DialogHost&) override {}
    void command(DialogHost& host, int id, Notification notification) override;
};

}  // namespace rolvanta
