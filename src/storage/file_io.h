#pragma once

// Whole-file reads and writes for the storage layer. A write never destroys
// the file it replaces: the bytes go to a temporary file in the same folder,
// every write, the flush to the disk and the close are checked, and only then
// is the temporary file renamed over the old one. Paths are UTF-8.

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

namespace rolvanta {

enum class FileReadStatus {
    Ok,
    Missing,   // there is no such file
    Failed,    // it exists but cannot be opened or read (a folder, no permission, I/O error)
    TooLarge,  // it holds more than the caller's limit; nothing was read
};

constexpr std::size_t kAnyFileSize = std::numeric_limits<std::size_t>::max();

// Reads the whole file at path into bytes (replacing their contents). bytes
// is left empty unless the result is Ok. Throws std::bad_alloc when the file
// does not fit in memory.
FileReadStatus readWholeFile(const std::string& path, std::string& bytes,
                             std::size_t maxBytes = kAnyFileSize);

// Makes bytes the whole content of the file at path. A regular file (new or
// old) is replaced atomically and keeps its permissions; a link is followed
// to the file it names; a device or pipe such as /dev/stdout is written in
// place. Returns false on any failure, with the old file as it was and no
// temporary file left behind.
bool replaceFile(const std::string& path, std::string_view bytes);

// The last component of path: its file name without the folder.
std::string fileNameOf(const std::string& path);

}  // namespace rolvanta
