#include "engine/pass_fields.h"

#include <algorithm>

namespace rolvanta {

const PassField& passField(float PassRecord::*member) {
    for (const PassField& field : kPassFields) {
        if (field.member == member) return field;
    }
    // Unreachable: the list names every float of the record (checked by its test).
    return kPassFields[0];
}

int shownPassRecordCount(const BeamSection& section) {
    return std::max(0, scheduledRecordCount(section) - 1);
}

}  // namespace rolvanta
