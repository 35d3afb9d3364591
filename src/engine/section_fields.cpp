#include "engine/section_fields.h"

namespace rolvanta {

namespace {

struct UnitNames {
    const char* symbol;
    const char* key;
};

// In FieldUnit's order.
constexpr UnitNames kUnitNames[] = {
    {"mm", "mm"},
    {"mm\xB2", "mm2"},
    {"\xB0", "deg"},
    {"rad", "rad"},
    {"kg", "kg"},
    {"kg/mm", "kg/mm"},
    {"\xB0"
     "C",
     "degC"},
};
static_assert(std::size(kUnitNames) == static_cast<std::size_t>(FieldUnit::DegreeCelsius) + 1);

// Each of the section's 18 floats once: the table names them all.
constexpr bool namesEachFloatOnce() {
    for (int i = 0; i < kSectionFieldCount; ++i) {
        if (kSectionFields[i].member == nullptr) return false;
        for (int j = 0; j < i; ++j) {
            if (kSectionFields[j].member == kSectionFields[i].member) return false;
        }
    }
    return sizeof(BeamSection) == kNameFieldSize + (kSectionFieldCount + 1) * sizeof(float);
}
static_assert(namesEachFloatOnce());

}  // namespace

const char* unitSymbol(FieldUnit unit) { return kUnitNames[static_cast<int>(unit)].symbol; }

const char* unitKey(FieldUnit unit) { return kUnitNames[static_cast<int>(unit)].key; }

const SectionField& sectionField(float BeamSection::*member) {
    for (const SectionField& field : kSectionFields) {
        if (field.member == member) return field;
    }
    // Unreachable: the list names every float of the record.
    return kSectionFields[0];
}

}  // namespace rolvanta
