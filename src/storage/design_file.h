#pragma once

// The design file (".rolx"): one JSON document holding everything a design
// is made of, so that it reopens with its own coefficients and recomputes to
// the same schedule bit for bit. Format version 1:
//
//   {"format": "ROLVANTA Design", "version": 1,
//    "section": {"name": "MB 200", "webWidth": 202.4, ..., "passCount": 13},
//    "flags": {"standardChosen": true, ..., "lastSaveKind": "design"},
//    "coefficients": {"webElongation": [15 numbers], ... six rows},
//    "schedule": [{"webArea": ..., ...}, ... passCount records],
//    "mill": {"name": ..., "passes": [...]}}
//
// Text is UTF-8. Numbers are written as the shortest decimal that reads back
// as the same single-precision float, so nothing is lost. The keys are the
// records' field names; "finishedWebWidth" is the finished (cold) web width.
// Lengths in mm, areas in mm², angles in degrees (slopeAngle in radians),
// masses in kg, the temperature in °C. lastSaveKind is "nothing", "project
// file", "report" or "design". "mill" is the mill file's object without its
// format and version (storage/mill_file.h), left out when the design has no
// mill; its numbers are doubles, written as the shortest decimal that reads
// back as the same double. Version 1 is version 2 without a mill: such files
// still open, without a mill.

#include <optional>
#include <string>
#include <string_view>

#include "engine/project_records.h"
#include "storage/storage_error.h"

namespace rolvanta {

constexpr int kDesignFormatVersion = 2;

// The document of the project: section, flags, the whole coefficient set,
// pass table records 0 to passCount - 1 and the mill, if any.
std::string encodeDesignFile(const Project& project);

// Reads a whole document into the project: all of it or, on the first thing
// wrong, nothing. Returns what is wrong ("section.webWidth is not a number"),
// empty when read.
std::optional<std::string> decodeDesignFile(std::string_view text, Project& project);

// Writes the document at path, never destroying the previous file.
StorageResult writeDesignFile(const std::string& path, const Project& project);

// Replaces the section, flags, coefficient set, the first passCount pass
// records and the mill (none from a file without one) from the file at
// path, and clears the loads; the mill's ranges are the project's to check. A document that is
// damaged, foreign or of another version is NotValid with the reason. On failure nothing changes.
StorageResult readDesignFile(const std::string& path, Project& project);

}  // namespace rolvanta
