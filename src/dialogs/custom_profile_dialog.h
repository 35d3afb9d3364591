#pragma once

// The custom profile dialog: the designer types the finished section; OK takes
// it, computes its area and, when asked, adds it to the catalogue.

#include "dialogs/dialog_host.h"
#include "engine/project_records.h"
#include "storage/profile_catalogue.h"

namespace rolvanta {

// Writes the finished section into the ten fields: the name, every number
// with three decimals.
void showCustomProfile(DialogHost& host, const BeamSection& section);

// Reads the ten fields into the finished section, each from its first nine
// characters, and computes the cross-sectional area from web and flanges
// (radii and slope do not enter).
void takeCustomProfile(const DialogHost& host, BeamSection& section);

// OK takes the section, adds it to the catalogue when the box is checked
// ("Saved Custom Profile" only once it really is), sets customEntered and
// ends the dialog Accepted.
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
