#pragma once

// The coefficients dialog: lists of elongation coefficients, or a lower and
// an upper limit per row to interpolate them from. Every field starts empty;
// the dialog shows nothing of the current table.

#include "dialogs/dialog_host.h"
#include "engine/project_records.h"

namespace rolvanta {

// Reads the three lists (at most 99 characters each) into the elongation
// rows and sets coefficientListsEntered; then, when all six limits read as
// numbers other than 0, interpolates the rows between them and sets the
// height steps that go with limits.
void readCoefficientsDialog(const DialogHost& host, Project& project);

// OK reads the dialog; Default accepts the table as it stands (it does not
// reload the defaults). Both set coefficientsGiven and end Accepted; Cancel
// changes nothing.
class CoefficientsDialog final : public DialogProcedure {
  public:
    explicit CoefficientsDialog(Project& project) : project_(project) {}

    void initialise(DialogHost&) override {}
    void command(DialogHost& host, int id, Notification notification) override;

  private:
    Project& project_;
};

}  // namespace rolvanta
