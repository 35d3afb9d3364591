#pragma once

// The fourteen dimensions of a pass record, each with its names and unit:
// the one list the results page, the report, the pass view and the exported
// tables take their fields from. Texts are Windows-1252.

#include "engine/section_fields.h"

namespace rolvanta {

struct PassField {
    float PassRecord::*member;
    const char* name;        // the record's own name: the key in exported files
    const char* label;       // the results page's name
    const char* shortLabel;  // the report's name: root and tip without "Thickness"
    // The pass view's caption in capitals; nullptr where the view leaves the
    // field out.
    const char* panelLabel;
    FieldUnit unit;  // millimetres or square millimetres
    // The same dimension of the hot section ("Pass 1"); nullptr where the
    // section holds none (its areas are not computed).
    float BeamSection::*hotSectionMember;
};

constexpr int kPassFieldCount = 14;

// In record order. A flange thickness of a pass is its leg's mean thickness,
// area over height: what the section's flange thickness is at mid-leg.
inline constexpr PassField kPassFields[kPassFieldCount] = {
    {&PassRecord::webArea, "webArea", "Web Area", "Web Area",
     "WEB AREA :", FieldUnit::SquareMillimetre, nullptr},
    {&PassRecord::passWidth, "passWidth", "Pass Width", "Pass Width",
     "WEB WIDTH :", FieldUnit::Millimetre, &BeamSection::webWidth},
    {&PassRecord::webThickness, "webThickness", "Web Thickness", "Web Thickness",
     "WEB THICKNESS :", FieldUnit::Millimetre, &BeamSection::webThickness},
    {&PassRecord::deadFlangeArea, "deadFlangeArea", "Dead Flange Area", "Dead Flange Area",
     "DEAD FLANGE AREA :", FieldUnit::SquareMillimetre, nullptr},
    {&PassRecord::deadFlangeHeight, "deadFlangeHeight", "Dead Flange Height", "Dead Flange Height",
     "DEAD FLANGE HEIGHT :", FieldUnit::Millimetre, &BeamSection::deadFlangeHeight},
    {&PassRecord::deadFlangeThickness, "deadFlangeThickness", "Dead Flange Thickness",
     "Dead Flange Thickness", "DEAD FLANGE THICKNESS :", FieldUnit::Millimetre,
     &BeamSection::flangeThickness},
    {&PassRecord::deadFlangeTip, "deadFlangeTip", "Dead Flange Tip Thickness", "Dead Flange Tip",
     "DEAD FLANGE TIP :", FieldUnit::Millimetre, &BeamSection::tipThickness},
    {&PassRecord::deadFlangeRoot, "deadFlangeRoot", "Dead Flange Root Thickness",
     "Dead Flange Root", "DEAD FLANGE ROOT :", FieldUnit::Millimetre, &BeamSection::rootThickness},
    {&PassRecord::liveFlangeArea, "liveFlangeArea", "Live Flange Area", "Live Flange Area",
     "LIVE FLANGE AREA :", FieldUnit::SquareMillimetre, nullptr},
    {&PassRecord::liveFlangeHeight, "liveFlangeHeight", "Live Flange Height", "Live Flange Height",
     "LIVE FLANGE HEIGHT :", FieldUnit::Millimetre, &BeamSection::liveFlangeHeight},
    {&PassRecord::liveFlangeThickness, "liveFlangeThickness", "Live Flange Thickness",
     "Live Flange Thickness", "LIVE FLANGE THICKNESS :", FieldUnit::Millimetre,
     &BeamSection::flangeThickness},
    {&PassRecord::liveFlangeTip, "liveFlangeTip", "Live Flange Tip Thickness", "Live Flange Tip",
     "LIVE FLANGE TIP :", FieldUnit::Millimetre, &BeamSection::tipThickness},
    {&PassRecord::liveFlangeRoot, "liveFlangeRoot", "Live Flange Root Thickness",
     "Live Flange Root", "LIVE FLANGE ROOT :", FieldUnit::Millimetre, &BeamSection::rootThickness},
    {&PassRecord::crossSectionArea, "crossSectionArea", "Cross Sectional Area",
     "Cross Sectional Area", nullptr, FieldUnit::SquareMillimetre, nullptr},
};

// A pass as the report and the printed report list it: root before tip,
// though the record holds tip first.
inline constexpr float PassRecord::*kReportFieldOrder[kPassFieldCount] = {
    &PassRecord::webArea,
    &PassRecord::passWidth,
    &PassRecord::webThickness,
    &PassRecord::deadFlangeArea,
    &PassRecord::deadFlangeHeight,
    &PassRecord::deadFlangeThickness,
    &PassRecord::deadFlangeRoot,
    &PassRecord::deadFlangeTip,
    &PassRecord::liveFlangeArea,
    &PassRecord::liveFlangeHeight,
    &PassRecord::liveFlangeThickness,
    &PassRecord::liveFlangeRoot,
    &PassRecord::liveFlangeTip,
    &PassRecord::crossSectionArea,
};

// The field that reads member. Every member of a pass record has one.
const PassField& passField(float PassRecord::*member);

// The number of pass records the pages, the report and the exported tables
// show: records 0 to passCount - 2, passes 2 to passCount. With Pass 1 they
// show passCount passes. The last record the schedule computes is no pass:
// it is the bar that enters the mill's first stand, which the overview, the
// Schedule Table and the exported tables show under its own name.
int shownPassRecordCount(const BeamSection& section);

// The bar in as the tables and the overview's legend name it, and as the
// overview labels its outline.
inline constexpr const char* kBarInName = "Bar in";
inline constexpr const char* kBarInLabel = "IN";

}  // namespace rolvanta
