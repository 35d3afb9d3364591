#include "dialogs/dialog_fields.h"

namespace rolvanta {

void showNumberField(DialogHost& host, int id, float value) {
    host.setItemText(id, formatFieldNumber(value));
}

void refuseField(DialogHost& host, FieldProblem problem, std::initializer_list<FieldItem> items) {
    int id = 0;
    for (const FieldItem& item : items) {
        if (item.field == problem.field) id = item.id;
    }
    // The designer sees the text in the field, not the number read from it.
    if (id != 0) problem.value = host.typedText(id);
    host.showMessage({describeFieldProblem(problem), "Error", MessageButtons::Ok,
                      MessageIcon::Warning, MessageOwner::Dialog});
    if (id != 0) host.focusItem(id);
}

}  // namespace rolvanta
