#pragma once

// Where the command line's outputs go: "-" is standard output, any other
// name a file replaced whole (replaceFile). So a file named "-" is never
// written; "./-" names one.

#include <string>
#include <string_view>

#include "storage/storage_error.h"

namespace rolvanta::cli {

inline constexpr const char* kStandardOutput = "-";

StorageResult writeOutput(const std::string& path, std::string_view bytes);

}  // namespace rolvanta::cli
