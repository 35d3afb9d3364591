#pragma once

// How the storage layer reports a failure: as a value naming what failed,
// the file and the system's reason. It shows nothing; each front end turns
// the value into its own words (a message box, one line on standard error).

#include <optional>
#include <string>

namespace rolvanta {

enum class StorageFailure {
    Missing,      // there is no such file
    CannotRead,   // it exists but cannot be opened or read (a folder, no permission, I/O error)
    TooLarge,     // it holds more than the reader accepts; nothing was read
    NotValid,     // it was read but is not a file of the kind asked for
    CannotWrite,  // it could not be written; any old file is as it was
    Refused,      // the data cannot be stored as asked (reason says why)
};

struct StorageError {
    StorageFailure what;
    std::string path;    // UTF-8, as given
    std::string reason;  // the system's reason ("Permission denied") or what is wrong
};

// Empty on success.
using StorageResult = std::optional<StorageError>;

// "cannot write /x/beam.rol: Permission denied": one line for a log or a
// terminal, in English.
std::string describeStorageError(const StorageError& error);

}  // namespace rolvanta
