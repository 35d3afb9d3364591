#pragma once

// The project file (".rol"): the raw little-endian bytes of the section
// (128), the flags (44) and passCount pass records (56 each), nothing around
// them; 172 + 56 x passCount bytes in all. The coefficient set is not stored.

#include <string>
#include <string_view>

#include "engine/project_records.h"
#include "storage/message_shell.h"

namespace rolvanta {

// The file's bytes for the project's section, flags and first passCount
// pass records. Name bytes after the terminator are written as zeros.
std::string encodeProjectFile(const Project& project);

// Reads a whole file's bytes into the project's section, flags and first
// passCount pass records. The bytes must hold exactly one project with a
// passCount of 0 to 15; otherwise nothing changes and the result is false.
bool decodeProjectFile(std::string_view bytes, Project& project);

// Writes the project file at path without ever destroying the previous file:
// a failure shows "Cannot Open File" / "Error", leaves any old file as it was
// and returns false.
bool writeProjectFile(const std::string& path, const Project& project, MessageShell& shell);

// Replaces the section, the flags and the first passCount pass records from
// the file at path. A file that cannot be opened shows "Cannot Open File" /
// "Error"; a file that is not exactly one project shows
// "<file name> Is Not A Valid ROLVANTA (.rol) File !" / "Error". On failure
// nothing changes and the result is false.
bool readProjectFile(const std::string& path, Project& project, MessageShell& shell);

}  // namespace rolvanta
