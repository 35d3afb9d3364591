#include "engine/section_fields.h"

namespace rolvanta {

const char* unitSymbol(FieldUnit unit) {
    switch (unit) {
        case FieldUnit::Millimetre:
            return "mm";
        case FieldUnit::SquareMillimetre:
            return "mm\xB2";
        case FieldUnit::Degree:
            return "\xB0";
        case FieldUnit::Radian:
            return "rad";
        case FieldUnit::Kilogram:
            return "kg";
        case FieldUnit::KilogramPerMillimetre:
            return "kg/mm";
        case FieldUnit::DegreeCelsius:
            break;
    }
    return "\xB0"
           "C";
}

const char* unitKey(FieldUnit unit) {
    switch (unit) {
        case FieldUnit::Millimetre:
            return "mm";
        case FieldUnit::SquareMillimetre:
            return "mm2";
        case FieldUnit::Degree:
            return "deg";
        case FieldUnit::Radian:
            return "rad";
        case FieldUnit::Kilogram:
            return "kg";
        case FieldUnit::KilogramPerMillimetre:
            return "kg/mm";
        case FieldUnit::DegreeCelsius:
            break;
    }
    return "degC";
}

const SectionField& sectionField(float BeamSection::*member) {
    for (const SectionField& field : kSectionFields) {
        if (field.member == member) return field;
    }
    // Unreachable: the list names every float of the record.
    return kSectionFields[0];
}

}  // namespace rolvanta
