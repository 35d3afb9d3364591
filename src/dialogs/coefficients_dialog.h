#pragma once

// The coefficients dialog: lists of elongation coefficients, or a lower and
// an upper limit per row to interpolate them from. Every field starts empty;
// the dialog shows nothing of the current table.

#include "dialogs/dialog_host.h"
#include "project/design_inputs.h"

namespace rolvanta {

// What the fields hold: the three lists (at most 99 characters each) and
// the six limits (0 for one left empty).
CoefficientFields readCoefficientsDialog(const DialogHost& host);

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
