#include "storage/profile_catalogue.h"

#include <algorithm>
#include <cstring>

#include "storage/file_io.h"
#include "storage/record_bytes.h"

namespace rolvanta {

namespace {

constexpr std::size_t kRecordBytes = sizeof(ProfileRecord);

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

namespace {

// Reads the catalogue's bytes: the working file, else the installed one.
StorageResult readCatalogue(const CatalogueFiles& files, std::string& bytes) {
    StorageResult error = readWholeFile(files.working, bytes, kLargestCatalogue);
    if (!error || error->what != StorageFailure::Missing || files.installed.empty()) return error;
    return readWholeFile(files.installed, bytes, kLargestCatalogue);
}

}  // namespace

StorageResult loadProfileCatalogue(ProfileList& list, const CatalogueFiles& files) {
    std::string bytes;
    if (StorageResult error = readCatalogue(files, bytes)) return error;
    list.assignFromFileBytes(bytes);
    return std::nullopt;
}

void insertProfileSorted(ProfileList& list, const ProfileRecord& record) {
    list.insertSorted(record);
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
                                  const CatalogueFiles& files) {
    if (section.length == 0.0f) {
        return StorageError{StorageFailure::Refused, files.working,
                            "the length of the beam is 0, so its mass per unit length is "
                            "undefined"};
    }
    std::string bytes;
    if (StorageResult error = readCatalogue(files, bytes)) {
        // Rewriting a catalogue that could not be read would lose it; with
        // no catalogue file at all, the list in memory is the catalogue.
        if (error->what != StorageFailure::Missing || fileExists(files.working)) return error;
    } else {
        list.assignFromFileBytes(bytes);
    }
    list.insertSorted(profileFromSection(section));
    return replaceFile(files.working, encodeProfileRecords(list));
}

}  // namespace rolvanta
