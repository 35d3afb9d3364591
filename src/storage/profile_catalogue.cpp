#include "storage/profile_catalogue.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>

#include "engine/windows1252.h"
#include "storage/file_io.h"
#include "storage/record_bytes.h"

namespace rolvanta {

namespace {

constexpr std::size_t kRecordBytes = sizeof(ProfileRecord);
constexpr const char* kEmptyCatalogue = "it is empty";

bool isDigit(unsigned char byte) { return byte >= '0' && byte <= '9'; }

// -1, 0 or 1 as name a sorts before, with or after name b in natural order.
int compareNaturally(const char* a, const char* b) {
    std::size_t i = 0, j = 0;
    // A name without a terminator ends with its field.
    auto at = [](const char* name, std::size_t k) -> unsigned char {
        return k < std::size_t{kNameFieldSize} ? static_cast<unsigned char>(name[k]) : 0;
    };
    while (at(a, i) != 0 || at(b, j) != 0) {
        if (isDigit(at(a, i)) && isDigit(at(b, j))) {
            // Numbers compare by value: skip leading zeros, then the longer
            // run is the larger number, else the first differing digit.
            while (at(a, i) == '0') ++i;
            while (at(b, j) == '0') ++j;
            std::size_t lengthA = 0, lengthB = 0;
            while (isDigit(at(a, i + lengthA))) ++lengthA;
            while (isDigit(at(b, j + lengthB))) ++lengthB;
            if (lengthA != lengthB) return lengthA < lengthB ? -1 : 1;
            for (std::size_t k = 0; k < lengthA; ++k) {
                if (at(a, i + k) != at(b, j + k)) return at(a, i + k) < at(b, j + k) ? -1 : 1;
            }
            i += lengthA;
            j += lengthB;
            continue;
        }
        if (at(a, i) != at(b, j)) return at(a, i) < at(b, j) ? -1 : 1;
        ++i;
        ++j;
    }
    return 0;
}

void tidyRecord(ProfileRecord& record) {
    record_bytes::tidyName(record.name);
    for (float* number : {&record.webWidth, &record.webThickness, &record.flangeHeight,
                          &record.flangeThickness, &record.flangeSlope, &record.rootRadius,
                          &record.tipRadius, &record.massPerLength, &record.area}) {
        record_bytes::tidyNumber(*number);
    }
    record.next = 0;
    record.prev = 0;
}

}  // namespace

bool profileNameLess(const ProfileRecord& a, const ProfileRecord& b) {
    return compareNaturally(a.name, b.name) < 0;
}

void ProfileList::insertSorted(const ProfileRecord& record) {
    // lower_bound: the first record whose name is not less, so a new equal
    // name goes before the existing ones.
    const auto at = std::lower_bound(records_.begin(), records_.end(), record, profileNameLess);
    records_.insert(at, record);
}

bool ProfileList::hasName(std::string_view name) const {
    return std::any_of(records_.begin(), records_.end(), [&](const ProfileRecord& record) {
        return std::string_view(record.name, strnlen(record.name, kNameFieldSize)) == name;
    });
}

void ProfileList::removeName(std::string_view name) {
    records_.erase(std::remove_if(records_.begin(), records_.end(),
                                  [&](const ProfileRecord& record) {
                                      return std::string_view(
                                                 record.name,
                                                 strnlen(record.name, kNameFieldSize)) == name;
                                  }),
                   records_.end());
}

void ProfileList::assignFromFileOrder(std::vector<ProfileRecord> records) {
    // Inserting one after another puts a later equal name before the earlier
    // ones: a stable sort of the records taken from the last keeps that.
    std::reverse(records.begin(), records.end());
    std::stable_sort(records.begin(), records.end(), profileNameLess);
    records_ = std::move(records);
}

void ProfileList::assignFromFileBytes(std::string_view bytes) {
    assignFromFileOrder(decodeProfileRecords(bytes));
}

CatalogueFiles defaultCatalogueFiles(const std::string& programDir) {
    CatalogueFiles files;
    files.installed = findShippedFile(programDir, "profile.dat");
    return files;
}

std::vector<ProfileRecord> decodeProfileRecords(std::string_view bytes) {
    const std::size_t count = bytes.size() / kRecordBytes;  // a trailing piece is ignored
    std::vector<ProfileRecord> records;
    records.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        records.push_back(
            record_bytes::recordAt<ProfileRecord>(bytes.data() + i * kRecordBytes, kNameFieldSize));
        tidyRecord(records.back());
    }
    return records;
}

std::string encodeProfileRecords(const ProfileList& list) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(list.size()) * kRecordBytes);
    for (ProfileRecord record : list) {
        tidyRecord(record);
        record_bytes::appendRecord(bytes, record, kNameFieldSize);
    }
    return bytes;
}

StorageResult checkCatalogueBytes(const std::string& path, std::string_view bytes) {
    auto damaged = [&](std::size_t record, const std::string& what) {
        return StorageError{StorageFailure::NotValid, path,
                            "record " + std::to_string(record + 1) + ": " + what};
    };
    if (bytes.empty()) return StorageError{StorageFailure::NotValid, path, kEmptyCatalogue};
    const std::size_t whole = bytes.size() / kRecordBytes;
    for (std::size_t i = 0; i < whole; ++i) {
        const char* at = bytes.data() + i * kRecordBytes;
        const void* end = std::memchr(at, '\0', kNameFieldSize);
        if (end == nullptr) return damaged(i, "the name does not end within its 52 bytes");
        for (const char* c = at; c != end; ++c) {
            if (!isPrintableWindows1252(static_cast<unsigned char>(*c))) {
                return damaged(i, "the name is not printable text");
            }
        }
        const ProfileRecord record = record_bytes::recordAt<ProfileRecord>(at, kNameFieldSize);
        const struct {
            float ProfileRecord::*field;
            const char* name;
        } numbers[] = {
            {&ProfileRecord::webWidth, "web width"},
            {&ProfileRecord::webThickness, "web thickness"},
            {&ProfileRecord::flangeHeight, "flange height"},
            {&ProfileRecord::flangeThickness, "flange thickness"},
            {&ProfileRecord::flangeSlope, "flange slope"},
            {&ProfileRecord::rootRadius, "root radius"},
            {&ProfileRecord::tipRadius, "tip radius"},
            {&ProfileRecord::massPerLength, "mass per unit length"},
            {&ProfileRecord::area, "area"},
        };
        for (const auto& number : numbers) {
            const float value = record.*number.field;
            if (!std::isfinite(value)) {
                return damaged(i, std::string("the ") + number.name + " is not a number");
            }
            if (value < 0.0f) return damaged(i, std::string("the ") + number.name + " is negative");
        }
    }
    if (bytes.size() % kRecordBytes != 0) {
        return damaged(whole, "the file ends within it (" + std::to_string(bytes.size()) +
                                  " bytes are not a whole number of 96-byte records)");
    }
    return std::nullopt;
}

bool isEmptyCatalogueError(const StorageError& error) {
    return error.what == StorageFailure::NotValid && error.reason == kEmptyCatalogue;
}

std::string describeDamagedCatalogue(const StorageError& error) {
    std::error_code ignored;
    const std::filesystem::path path(error.path);
    std::string folder = std::filesystem::absolute(path, ignored).parent_path().string();
    if (folder.empty()) folder = ".";
    const std::string file = fileNameOf(error.path) + " in " + folder;
    if (isEmptyCatalogueError(error)) return file + " is empty";
    const std::size_t colon = error.reason.find(": ");
    if (colon == std::string::npos) return file + " is damaged: " + error.reason;
    return file + " is damaged (" + error.reason.substr(0, colon) +
           "): " + error.reason.substr(colon + 2);
}

namespace {

// Reads the catalogue's bytes: the working file, else (when it is missing,
// empty or damaged) the installed one. passedOver receives what was wrong
// with a working file that is there but was not used.
StorageResult readCatalogue(const CatalogueFiles& files, std::string& bytes,
                            std::optional<StorageError>& passedOver) {
    StorageResult error = readWholeFile(files.working, bytes, kLargestCatalogue);
    if (!error) error = checkCatalogueBytes(files.working, bytes);
    if (!error) return std::nullopt;
    if (error->what == StorageFailure::NotValid) passedOver = error;
    const bool replaceable =
        error->what == StorageFailure::Missing || error->what == StorageFailure::NotValid;
    if (!replaceable || files.installed.empty()) return error;
    StorageResult installed = readWholeFile(files.installed, bytes, kLargestCatalogue);
    if (!installed) installed = checkCatalogueBytes(files.installed, bytes);
    if (!installed) return std::nullopt;
    bytes.clear();
    // Nothing installed either: the working file's own trouble is the news.
    return error->what == StorageFailure::Missing ? installed : error;
}

}  // namespace

StorageResult loadProfileCatalogue(ProfileList& list, const CatalogueFiles& files,
                                   std::optional<StorageError>* passedOver) {
    std::string bytes;
    std::optional<StorageError> damage;
    const StorageResult error = readCatalogue(files, bytes, damage);
    if (passedOver != nullptr) *passedOver = error ? std::nullopt : damage;
    if (error) return error;
    list.assignFromFileBytes(bytes);
    return std::nullopt;
}

ProfileRecord profileFromSection(const BeamSection& section) {
    ProfileRecord record{};
    std::memcpy(record.name, section.name, kNameFieldSize);
    record.webWidth = finishedWebWidth(section);
    record.webThickness = section.webThickness;
    record.flangeHeight = section.flangeHeight;
    record.flangeThickness = section.flangeThickness;
    record.rootRadius = section.rootRadius;
    record.tipRadius = section.tipRadius;
    record.flangeSlope = section.flangeSlope;
    // kg / mm, divided in single precision as the record stores it.
    record.massPerLength = section.mass / section.length;
    record.area = section.area;
    tidyRecord(record);
    return record;
}

StorageResult appendCustomProfile(ProfileList& list, const BeamSection& section,
                                  const CatalogueFiles& files, SameName sameName) {
    if (section.length == 0.0f) {
        return StorageError{StorageFailure::Refused, files.working,
                            "the length of the beam is 0, so its mass per unit length is "
                            "undefined"};
    }
    std::string bytes;
    StorageResult error = readWholeFile(files.working, bytes, kLargestCatalogue);
    if (!error && !bytes.empty()) error = checkCatalogueBytes(files.working, bytes);
    // Rewriting a damaged catalogue, or one that could not be read, would
    // lose it: the file stays as it is.
    if (error && error->what != StorageFailure::Missing) return error;
    if (error || bytes.empty()) {
        // No working catalogue yet: the one the designer was offered (the
        // installed one, else the list in memory) is the one extended.
        std::optional<StorageError> ignored;
        if (!readCatalogue(files, bytes, ignored)) list.assignFromFileBytes(bytes);
    } else {
        list.assignFromFileBytes(bytes);
    }
    const ProfileRecord record = profileFromSection(section);
    if (sameName == SameName::Replace) list.removeName(std::string_view(record.name));
    list.insertSorted(record);
    return replaceFile(files.working, encodeProfileRecords(list));
}

}  // namespace rolvanta
