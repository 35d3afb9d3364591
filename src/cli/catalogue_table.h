#pragma once

// The catalogue as tables: built from the published table of beams (CSV),
// and listed for the user.

#include <string>
#include <string_view>
#include <vector>

#include "storage/profile_catalogue.h"

namespace rolvanta::cli {

// Reads a table of beams into catalogue records, in table order. The first
// line names the columns; the ones used are designation, mass_kg_per_m,
// area_cm2, depth_mm, flange_width_mm, web_thickness_mm, flange_thickness_mm,
// root_radius_mm, toe_radius_mm and flange_slope_deg, in any order. The
// depth becomes webWidth, the flange width flangeHeight, kg/m becomes kg/mm
// and cm2 becomes mm2. False, with a message naming the line, when a column
// is missing or a value is not a number.
bool readBeamTable(std::string_view csv, std::vector<ProfileRecord>& records, std::string& error);

// One line per beam in catalogue order with its dimensions, under a header
// of field names and units. UTF-8.
std::string formatCatalogueListing(const ProfileList& list);

}  // namespace rolvanta::cli
