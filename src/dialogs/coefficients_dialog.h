#pragma once

// The coefficients dialog: lists of elongation coefficients, or a lower and
// an upper limit per row to interpolate them from. Every field starts empty;
// the dialog shows nothing of the current table.

#include "dialogs/dialog_host.h"
#include "project/design_inputs.h"

namespace rolvanta {

// What the fields hold, as typed: the three lists and the six limits.
CoefficientTexts readCoefficientsDialog(const DialogHost& host);

// OK reads the dialog (a field refused keeps it open with the cursor in
// it); Default restores the default coefficients. Both set coefficientsGiven
// and end Accepted; Cancel changes nothing.
class CoefficientsDialog final : public DialogProcedure {
  public:
    explicit CoefficientsDialog(Project& project) : project_(project) {}

    void initialise(DialogHost& host) override;
    void command(DialogHost& host, int id, Notification notification) override;

  private:
    Project& project_;
};

}  // namespace rolvanta
