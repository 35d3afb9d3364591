#include "storage/profile_catalogue.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <new>

#include "storage/file_io.h"
#include "storage/record_bytes.h"

namespace rolvanta {

namespace {

constexpr std::size_t kRecordBytes = sizeof(ProfileRecord);

// The first eight bytes of a name as a big-endian number, zeros from the
// terminator on: comparing keys compares those bytes as unsigned values.
std::uint64_t leadingKey(const char* name) {
    std::uint64_t key = 0;
    for (int i = 0; i < 8; ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        if (byte == 0) return i == 0 ? 0 : key << (8 * (8 - i));
        key = key << 8 | byte;
    }
    return key;
}

struct SortEntry {
    std::uint64_t key;    // leadingKey of the name
    std::uint32_t index;  // position in file order
};

// The order in which inserting count names one after another would leave
// them: ascending names and, among equal names, the later one first. Sorts
// small keys (the first eight name bytes and the position) in n log n, so
// that each 96-byte record moves only once afterwards. nameAt(i) gives the
// name field of record i; bytes after a terminator, and the last byte of
// the field, do not count.
template <typename NameAt>
std::vector<SortEntry> insertionOrder(std::size_t count, NameAt nameAt) {
    std::vector<SortEntry> entries(count);
    for (std::size_t i = 0; i < count; ++i) {
        entries[i] = {leadingKey(nameAt(i)), static_cast<std::uint32_t>(i)};
    }
    std::sort(entries.begin(), entries.end(), [&](const SortEntry& a, const SortEntry& b) {
        if (a.key != b.key) return a.key < b.key;
        // Equal leading bytes with no terminator among them: the rest decides.
        if ((a.key & 0xFF) != 0) {
            const int rest =
                std::strncmp(nameAt(a.index) + 8, nameAt(b.index) + 8, kNameFieldSize - 9);
            if (rest != 0) return rest < 0;
        }
        return a.index > b.index;
    });
    return entries;
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

bool exists(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0;
}

}  // namespace

bool profileNameLess(const ProfileRecord& a, const ProfileRecord& b) {
    // strncmp compares as unsigned char; the bound keeps a name without a
    // terminator inside its field.
    return std::strncmp(a.name, b.name, kNameFieldSize) < 0;
}

void ProfileList::insertSorted(const ProfileRecord& record) {
    // lower_bound: the first record whose name is not less, so a new equal
    // name goes before the existing ones.
    const auto at = std::lower_bound(records_.begin(), records_.end(), record, profileNameLess);
    records_.insert(at, record);
}

void ProfileList::assignFromFileOrder(std::vector<ProfileRecord> records) {
    const auto order =
        insertionOrder(records.size(), [&](std::size_t i) { return records[i].name; });
    std::vector<ProfileRecord> sorted;
    sorted.reserve(records.size());
    for (const SortEntry& entry : order) sorted.push_back(records[entry.index]);
    records_ = std::move(sorted);
}

void ProfileList::assignFromFileBytes(std::string_view bytes) {
    const std::size_t count = bytes.size() / kRecordBytes;  // a trailing piece is ignored
    const auto order =
        insertionOrder(count, [&](std::size_t i) { return bytes.data() + i * kRecordBytes; });

    // Nothing can fail from here on, so the old records may make room.
    std::vector<ProfileRecord> sorted;
    if (records_.capacity() >= count) {
        sorted.swap(records_);
        sorted.clear();
    } else {
        sorted.reserve(count);
    }
    for (const SortEntry& entry : order) {
        sorted.push_back(record_bytes::recordAt<ProfileRecord>(
            bytes.data() + entry.index * kRecordBytes, kNameFieldSize));
        tidyRecord(sorted.back());
    }
    records_ = std::move(sorted);
}

CatalogueFiles defaultCatalogueFiles(const std::string& programDir) {
    CatalogueFiles files;
    const std::string beside = programDir + "/profile.dat";
    files.installed = exists(beside) ? beside : programDir + "/../share/rolvanta/profile.dat";
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
FileReadStatus readCatalogue(const CatalogueFiles& files, std::string& bytes) {
    const FileReadStatus status = readWholeFile(files.working, bytes);
    if (status != FileReadStatus::Missing || files.installed.empty()) return status;
    return readWholeFile(files.installed, bytes);
}

}  // namespace

bool loadProfileCatalogue(ProfileList& list, const CatalogueFiles& files, MessageShell* shell) {
    try {
        std::string bytes;
        if (readCatalogue(files, bytes) != FileReadStatus::Ok) return false;
        list.assignFromFileBytes(bytes);
        return true;
    } catch (const std::bad_alloc&) {
        if (shell) {
            shell->showMessage({"Out Of Memory", "Error", MessageButtons::Ok, MessageIcon::Error,
                                MessageOwner::None});
        }
        return false;
    }
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

bool appendCustomProfile(ProfileList& list, const BeamSection& section, const CatalogueFiles& files,
                         MessageShell& shell) {
    const std::string fileName = fileNameOf(files.working);
    auto refuse = [&](const std::string& text, MessageIcon icon = MessageIcon::None) {
        shell.showMessage({text, "Error", MessageButtons::Ok, icon, MessageOwner::None});
        return false;
    };
    if (section.length == 0.0f) {
        return refuse(
            "The length of the beam is 0, so its mass per unit length is undefined: "
            "the profile was not added");
    }
    try {
        std::string bytes;
        const FileReadStatus status = readCatalogue(files, bytes);
        if (status == FileReadStatus::Ok) {
            list.assignFromFileBytes(bytes);
        } else if (exists(files.working)) {
            // Rewriting a catalogue that could not be read would lose it.
            return refuse("Cannot read file " + fileName + ", so the profile was not added");
        }
        // With no catalogue file at all, the list in memory is the catalogue.
        list.insertSorted(profileFromSection(section));
        if (!replaceFile(files.working, encodeProfileRecords(list))) {
            return refuse("Cannot open file " + fileName);
        }
        return true;
    } catch (const std::bad_alloc&) {
        return refuse("Out of Memory !");
    }
}

}  // namespace rolvanta
