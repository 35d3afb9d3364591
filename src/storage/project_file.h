#pragma once

// The project file (".rol"): the raw little-endian bytes of the section
// (128), the flags (44) and passCount pass records (56 each), nothing around
// them; 172 + 56 x passCount bytes in all. The flags are eleven 32-bit
// words, each 0 or 1 except the save kind (0 nothing, 1 ".rol", 2 ".txt").
// The coefficient set is not stored.

#include <string>
#include <string_view>

#include "engine/project_records.h"
#include "storage/storage_error.h"

namespace rolvanta {

// The file's bytes for the project's section, flags and first passCount
// pass records. Name bytes after the terminator are written as zeros.
std::string encodeProjectFile(const Project& project);

// Reads a whole file's bytes into the project's section, flags and first
// passCount pass records. The bytes must hold exactly one project with a
// passCount of 0 to 15 and flags that are 0 or 1 (a save kind of 0, 1 or 2);
// otherwise nothing changes and the result is false.
bool decodeProjectFile(std::string_view bytes, Project& project);

// Writes the project file at path without ever destroying the previous
// file; on failure any old file is as it was.
StorageResult writeProjectFile(const std::string& path, const Project& project);

// Replaces the section, the flags and the first passCount pass records from
// the file at path. A file that cannot be read gives its reason; a file that
// is not exactly one project is NotValid. On failure nothing changes.
StorageResult readProjectFile(const std::string& path, Project& project);

}  // namespace rolvanta
