#include "cli/output_file.h"

#include "storage/file_io.h"

namespace rolvanta::cli {

StorageResult writeOutput(const std::string& path, std::string_view bytes) {
    return path == kStandardOutput ? writeStandardOutput(bytes) : replaceFile(path, bytes);
}

}  // namespace rolvanta::cli
