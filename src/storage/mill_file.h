#pragma once

// The mill file (".rolmill"): one mill, its stands and what holds for the
// whole mill, so that one mill serves many designs. One JSON document,
// format version 1:
//
//   {"format": "ROLVANTA Mill", "version": 1,
//    "name": "Example mill", "example": true,
//    "entryTemperature_C": 1150,
//    "steel": {"model": "shida", "carbon_pct": 0.2},
//    "rollMaterial": "steel",
//    "constants": {"emissivity": 0.8, ..., "specificHeat_J_kgK": 660},
//    "passes": [{"pass": 13, "stand": "BD", "diameter_mm": 850, "rpm": 60,
//                "interpass_s": 8, "neckRatio": 0.55, "neckFriction": 0.005,
//                "driveEfficiency": 0.9, "maxForce_kN": 6000, ...},
//               ... one object per pass in rolling order, down to "pass": 1]}
//
// - "steel" is {"model": "shida", "carbon_pct": C} or {"model":
//   "hensel-spittel", "set": "C20/C22" | "S355J2" | "C45"}; "rollMaterial"
//   is "steel" or "chilled iron".
// - "constants" and each of its keys (emissivity, convection_W_m2K,
//   contact_W_m2K, rollTemperature_C, heatFraction, minimumTaper,
//   airTemperature_C, density_kg_m3, specificHeat_J_kgK) may be left out:
//   the default applies. "example" may be left out: false.
// - "pass" is the schedule's pass number, the first stand's the highest and
//   the last stand's 1. "interpass_s" or "distance_m" leads to the next
//   pass; "neckRatio", "neckFriction" and "driveEfficiency" may be left out
//   (their defaults apply); a limit left out ("maxForce_kN",
//   "maxTorque_kNm", "motor_kW") is not checked.
// - Every key must be one of the format's: a misspelt key would otherwise
//   leave a limit unchecked or a constant at its default without a word. A
//   later format that adds keys says so by its version.
//
// Text is UTF-8; numbers are the shortest decimal that reads back as the
// same double. Only the form is checked here; the ranges of the values are
// the project's (project/mill_inputs.h).

#include <optional>
#include <string>
#include <string_view>

#include "engine/mill_records.h"
#include "storage/storage_error.h"

namespace rolvanta {

constexpr int kMillFormatVersion = 1;

// The most stands a mill file holds: one per record of a pass table.
constexpr int kMostMillStands = 15;

std::string encodeMillFile(const Mill& mill);

// Reads a whole document into mill: all of it or, on the first thing wrong,
// nothing. Returns what is wrong ("passes[3].rpm is not a number"), empty
// when read.
std::optional<std::string> decodeMillFile(std::string_view text, Mill& mill);

// Writes the document at path, never destroying the previous file.
StorageResult writeMillFile(const std::string& path, const Mill& mill);

// Reads the file at path. A document that is damaged, foreign or of another
// version is NotValid with the reason. On failure mill is unchanged.
StorageResult readMillFile(const std::string& path, Mill& mill);

}  // namespace rolvanta
