#pragma once

// The file form of the project and catalogue records: little-endian 32-bit
// words, after a leading name field that is copied byte for byte. On a
// little-endian machine the file form is the memory form.

#include <cmath>
#include <cstddef>
#include <cstring>
#include <string>
#include <type_traits>
#include <utility>

#include "engine/project_records.h"
#include "storage/file_io.h"

namespace rolvanta::record_bytes {

// Reverses the bytes of every 32-bit word from offset `from` on.
inline void swapWords(char* bytes, std::size_t from, std::size_t size) {
    for (std::size_t i = from; i + 4 <= size; i += 4) {
        std::swap(bytes[i], bytes[i + 3]);
        std::swap(bytes[i + 1], bytes[i + 2]);
    }
}

// Appends the file form of a record whose first nameBytes bytes are text.
template <typename Record>
void appendRecord(std::string& out, const Record& record, std::size_t nameBytes) {
    static_assert(std::is_trivially_copyable_v<Record>);
    const std::size_t at = out.size();
    out.append(reinterpret_cast<const char*>(&record), sizeof record);
    if constexpr (!kLittleEndianHost) swapWords(out.data() + at, nameBytes, sizeof record);
}

// The record whose file form starts at bytes.
template <typename Record>
Record recordAt(const char* bytes, std::size_t nameBytes) {
    static_assert(std::is_trivially_copyable_v<Record>);
    Record record;
    std::memcpy(&record, bytes, sizeof record);
    if constexpr (!kLittleEndianHost) {
        swapWords(reinterpret_cast<char*>(&record), nameBytes, sizeof record);
    }
    return record;
}

// Makes a name field hold a terminated name followed by zeros: a name that
// fills the whole field loses its last byte to the terminator.
inline void tidyName(char (&name)[kNameFieldSize]) {
    std::size_t length = 0;
    while (length < kNameFieldSize - 1 && name[length] != '\0') ++length;
    std::memset(name + length, 0, kNameFieldSize - length);
}

// A stored value must be a number: NaN and infinity become 0, as a
// computation stores them.
inline void tidyNumber(float& value) {
    if (!std::isfinite(value)) value = 0.0f;
}

}  // namespace rolvanta::record_bytes
