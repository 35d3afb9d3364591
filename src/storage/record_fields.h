#pragma once

// The number fields of the section by name, with their units: for checking
// every stored number and for exporting the section under the names it
// carries. The pass record's fields are in engine/pass_fields.h.

#include "engine/project_records.h"

namespace rolvanta {

template <typename Record>
struct FloatField {
    const char* name;  // the field's name in the record
    const char* unit;  // plain ASCII: mm, mm2, deg, rad, kg, kg/mm, degC
    float Record::*member;
};

// Every float of the section, in record order. finishedWebWidth is the kept
// finished web width (see engine finishedWebWidth()).
inline constexpr FloatField<BeamSection> kSectionFloatFields[] = {
    {"webWidth", "mm", &BeamSection::webWidth},
    {"webThickness", "mm", &BeamSection::webThickness},
    {"flangeHeight", "mm", &BeamSection::flangeHeight},
    {"flangeThickness", "mm", &BeamSection::flangeThickness},
    {"rootRadius", "mm", &BeamSection::rootRadius},
    {"tipRadius", "mm", &BeamSection::tipRadius},
    {"flangeSlope", "deg", &BeamSection::flangeSlope},
    {"slopeAngle", "rad", &BeamSection::slopeAngle},
    {"liveFlangeHeight", "mm", &BeamSection::liveFlangeHeight},
    {"deadFlangeHeight", "mm", &BeamSection::deadFlangeHeight},
    {"rootThickness", "mm", &BeamSection::rootThickness},
    {"tipThickness", "mm", &BeamSection::tipThickness},
    {"massPerLength", "kg/mm", &BeamSection::massPerLength},
    {"mass", "kg", &BeamSection::mass},
    {"length", "mm", &BeamSection::length},
    {"finishedWebWidth", "mm", &BeamSection::coldWebWidth},
    {"area", "mm2", &BeamSection::area},
    {"temperature", "degC", &BeamSection::temperature},
};

static_assert(sizeof kSectionFloatFields / sizeof kSectionFloatFields[0] == 18);

}  // namespace rolvanta
