#pragma once

// The number fields of the section, each with its names and unit: the one
// list the report, the printed report, the pages, the exported tables, the
// design and project files and the field checks take the section's fields
// from. The pass record's are in engine/pass_fields.h. Texts are Windows-1252.

#include <cstddef>
#include <iterator>

#include "engine/project_records.h"

namespace rolvanta {

// The units of the records' fields.
enum class FieldUnit {
    Millimetre,
    SquareMillimetre,
    Degree,
    Radian,
    Kilogram,
    KilogramPerMillimetre,
    DegreeCelsius,
};

// "mm", "mm²" (0xB2), "°" (0xB0), "°C" as the pages show the unit.
const char* unitSymbol(FieldUnit unit);
// The unit in plain ASCII as exported files carry it: mm, mm2, deg, rad,
// kg, kg/mm, degC.
const char* unitKey(FieldUnit unit);

struct SectionField {
    float BeamSection::*member;
    const char* name;   // the key in the design file and the exported files
    const char* label;  // the pages', the report's and the input messages' name
    FieldUnit unit;
};

constexpr int kSectionFieldCount = 18;

// Every float of the section, in record order. finishedWebWidth is the kept
// finished web width (see finishedWebWidth()).
inline constexpr SectionField kSectionFields[kSectionFieldCount] = {
    {&BeamSection::webWidth, "webWidth", "Web Width", FieldUnit::Millimetre},
    {&BeamSection::webThickness, "webThickness", "Web Thickness", FieldUnit::Millimetre},
    {&BeamSection::flangeHeight, "flangeHeight", "Flange Height", FieldUnit::Millimetre},
    {&BeamSection::flangeThickness, "flangeThickness", "Flange Thickness", FieldUnit::Millimetre},
    {&BeamSection::rootRadius, "rootRadius", "Root Radius", FieldUnit::Millimetre},
    {&BeamSection::tipRadius, "tipRadius", "Tip Radius", FieldUnit::Millimetre},
    {&BeamSection::flangeSlope, "flangeSlope", "Flange Slope", FieldUnit::Degree},
    {&BeamSection::slopeAngle, "slopeAngle", "Slope Angle", FieldUnit::Radian},
    {&BeamSection::liveFlangeHeight, "liveFlangeHeight", "Live Flange Height",
     FieldUnit::Millimetre},
    {&BeamSection::deadFlangeHeight, "deadFlangeHeight", "Dead Flange Height",
     FieldUnit::Millimetre},
    {&BeamSection::rootThickness, "rootThickness", "Root Thickness", FieldUnit::Millimetre},
    {&BeamSection::tipThickness, "tipThickness", "Tip Thickness", FieldUnit::Millimetre},
    {&BeamSection::massPerLength, "massPerLength", "Mass Per Unit Length",
     FieldUnit::KilogramPerMillimetre},
    {&BeamSection::mass, "mass", "Mass Of Beam", FieldUnit::Kilogram},
    {&BeamSection::length, "length", "Length Of Beam", FieldUnit::Millimetre},
    {&BeamSection::coldWebWidth, "finishedWebWidth", "Finished Web Width", FieldUnit::Millimetre},
    {&BeamSection::area, "area", "Cross Sectional Area", FieldUnit::SquareMillimetre},
    {&BeamSection::temperature, "temperature", "Temperature", FieldUnit::DegreeCelsius},
};

// The label of the pass count, the section's one whole number.
constexpr const char* kPassCountLabel = "Number Of Passes";

// Pass 1 as the results page, the report and the printed report list it;
// the pass count stands before the temperature.
inline constexpr float BeamSection::*kReportSectionOrder[] = {
    &BeamSection::webWidth,         &BeamSection::webThickness,     &BeamSection::flangeHeight,
    &BeamSection::flangeThickness,  &BeamSection::rootRadius,       &BeamSection::tipRadius,
    &BeamSection::liveFlangeHeight, &BeamSection::deadFlangeHeight, &BeamSection::rootThickness,
    &BeamSection::tipThickness,     &BeamSection::flangeSlope,      &BeamSection::mass,
    &BeamSection::length,           &BeamSection::temperature,
};
constexpr std::size_t kReportSectionFieldCount = std::size(kReportSectionOrder);

// The field that reads member. Every float of the section has one.
const SectionField& sectionField(float BeamSection::*member);

}  // namespace rolvanta
