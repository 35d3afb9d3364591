#pragma once

// The custom profile dialog: the designer types the finished section; OK takes
// it, computes its area and, when asked, adds it to the catalogue.

#include "dialogs/dialog_host.h"
#include "project/design_inputs.h"
#include "storage/profile_catalogue.h"

namespace rolvanta {

// Writes the finished section into the ten fields: the name, every number
// with three decimals.
void showCustomProfile(DialogHost& host, const BeamSection& section);

// What the ten fields hold, as typed.
CustomSectionTexts readCustomProfile(const DialogHost& host);

// OK takes the section (takeCustomSection), adds it to the catalogue when
// the box is checked ("Saved Custom Profile" only once it really is) and
// ends the dialog Accepted. A field refused keeps the dialog open with the
// cursor in it. A name the catalogue already holds asks first: Yes replaces
// that beam, No takes the section without adding it, Cancel keeps the
// dialog open and changes nothing.
class CustomProfileDialog final : public DialogProcedure {
  public:
    CustomProfileDialog(Project& project, ProfileList& catalogue, const CatalogueFiles& files);

    void initialise(DialogHost& host) override;
    void command(DialogHost& host, int id, Notification notification) override;

  private:
    Project& project_;
    ProfileList& catalogue_;
    const CatalogueFiles& files_;
};

}  // namespace rolvanta
