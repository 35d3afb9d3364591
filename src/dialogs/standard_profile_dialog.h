#pragma once

// The standard profile dialog: the designer picks a catalogue beam, its values
// appear in editable fields, and OK takes the fields into the section. List
// position k stands for catalogue record k; the catalogue is read afresh when
// the dialog opens, when the selection moves, on a double-click and on OK.

#include <string>
#include <vector>

#include "dialogs/dialog_host.h"
#include "project/design_inputs.h"
#include "storage/profile_catalogue.h"

namespace rolvanta {

// Writes one catalogue record into the ten fields: the name, every number
// with three decimals.
void showProfileValues(DialogHost& host, const ProfileRecord& record);

// What the ten fields hold, as typed.
StandardSectionTexts readStandardProfile(const DialogHost& host);

// The fields follow the beam highlighted in the list. OK takes the section
// (takeStandardSection) and ends the dialog Accepted; a field refused keeps
// the dialog open with the cursor in it.
class StandardProfileDialog final : public DialogProcedure {
  public:
    StandardProfileDialog(Project& project, ProfileList& catalogue, const CatalogueFiles& files);

    void initialise(DialogHost& host) override;
    void command(DialogHost& host, int id, Notification notification) override;

  private:
    void loadCatalogue(DialogHost& host);
    int reloadCatalogue(DialogHost& host);
    void offerCatalogue(DialogHost& host, int selected);

    Project& project_;
    ProfileList& catalogue_;
    const CatalogueFiles& files_;
    std::vector<std::string> offered_;  // the names in the list box
    std::string told_;                  // the catalogue's trouble last told
};

}  // namespace rolvanta
