#include "dialogs/dialog_fields.h"

namespace rolvanta {

float readNumberField(const DialogHost& host, int id) {
    return readTypedNumber(host.itemText(id, kTypedFieldLength));
}

void showNumberField(DialogHost& host, int id, float value) {
    host.setItemText(id, formatFieldNumber(value));
}

}  // namespace rolvanta
