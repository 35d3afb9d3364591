#pragma once

// The storage layer's contact with the operating system: whole-file reads
// and writes, the program's folder, the clock, the terminal. Nothing else in
// the program makes system calls (the Qt layer aside).
//
// A write never destroys the file it replaces: the bytes go to a temporary
// file in the same folder (".NAME.tmp-PID-COUNT-CLOCK"), every write, the
// flush to the disk and the close are checked, and only then is the
// temporary file renamed over the old one. A temporary file that a killed
// process left beside a target is removed by the next write of that target,
// once no process of that id runs. Paths are UTF-8. Failures come back as
// StorageError values.

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "storage/storage_error.h"

namespace rolvanta {

constexpr std::size_t kAnyFileSize = std::numeric_limits<std::size_t>::max();

// Reads the whole file at path into bytes (replacing their contents). bytes
// is left empty unless the read succeeds. A file of more than maxBytes is
// TooLarge and is not read.
StorageResult readWholeFile(const std::string& path, std::string& bytes,
                            std::size_t maxBytes = kAnyFileSize);

// Makes bytes the whole content of the file at path. A regular file (new or
// old) is replaced atomically and keeps its permissions; a link is followed
// to the file it names; a device or pipe such as /dev/stdout is written in
// place. On failure the old file is as it was and no temporary file is left.
StorageResult replaceFile(const std::string& path, std::string_view bytes);

// One file of a set: its name in the set's folder, and its bytes.
struct NamedFile {
    std::string name;
    std::string bytes;
};

// Writes the files into folder as one set: all of them or none. A folder
// that does not exist is made (its parent must exist): the set goes into a
// temporary folder beside it, renamed into place once every file is
// complete. In a folder that exists, other files stay; every file of the
// set is first written complete beside its target, then all are renamed
// into place. On failure what was written is removed, the folder is as it
// was, and the reason says that no file of the set was written. Only a
// rename failing halfway through the last step (which needs no disk space)
// can leave some files replaced, and its reason says which.
StorageResult writeFileSet(const std::string& folder, const std::vector<NamedFile>& files);

// Writes bytes to standard output and flushes it.
StorageResult writeStandardOutput(std::string_view bytes);

// True when something (a file, folder, device) is at path.
bool fileExists(const std::string& path);

// The last component of path: its file name without the folder.
std::string fileNameOf(const std::string& path);

// The folder of the running program, or "." when it cannot be told.
std::string programDirectory();

// Where a file shipped with the program in programDir is: beside the program
// (a build tree), else in <programDir>/../share/rolvanta. The second path
// when it is in neither.
std::string findShippedFile(const std::string& programDir, const std::string& name);

// True when standard output is a terminal.
bool standardOutputIsTerminal();

// True when the terminal's character set (the locale's codeset) is UTF-8.
bool terminalUsesUtf8();

// The local time now.
struct LocalTime {
    int day = 1;
    int month = 1;
    int year = 1970;
    int hour = 0;
    int minute = 0;
    int second = 0;
};
LocalTime localTimeNow();
// The moment secondsSinceEpoch after 1970-01-01 00:00:00 UTC, in UTC.
LocalTime universalTime(long long secondsSinceEpoch);

// The byte order of the machine: the files are little-endian.
constexpr bool kLittleEndianHost = __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__;

}  // namespace rolvanta
