#include "storage/project_file.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>

#include "engine/pass_fields.h"
#include "engine/section_fields.h"
#include "storage/file_io.h"
#include "storage/record_bytes.h"

namespace rolvanta {

namespace {

// The flags as the file holds them: eleven 32-bit words in this order.
struct StoredFlags {
    std::int32_t words[11];
};
static_assert(sizeof(StoredFlags) == 44, "the flags are stored as 44 bytes");
constexpr int kSaveKindWord = 10;

bool ProjectFlags::*const kFlagOrder[] = {
    &ProjectFlags::standardChosen,    &ProjectFlags::customEntered,
    &ProjectFlags::coefficientsGiven, &ProjectFlags::coefficientListsEntered,
    &ProjectFlags::reservedFlag,      &ProjectFlags::defaultCoefficients,
    &ProjectFlags::setupDone,         &ProjectFlags::computed,
    &ProjectFlags::hasFileName,       &ProjectFlags::projectStarted,
};
static_assert(std::size(kFlagOrder) == kSaveKindWord);

StoredFlags storedFlags(const ProjectFlags& flags) {
    StoredFlags stored{};
    for (int i = 0; i < kSaveKindWord; ++i) stored.words[i] = flags.*kFlagOrder[i] ? 1 : 0;
    // The file knows no design kind: to it a design is a project file. An
    // opened file sets the kind anew anyway.
    const SaveKind kind =
        flags.lastSaveKind == SaveKind::Design ? SaveKind::ProjectFile : flags.lastSaveKind;
    stored.words[kSaveKindWord] = static_cast<std::int32_t>(kind);
    return stored;
}

// False for a word that is no flag or no save kind: the file is damaged.
bool flagsFromStored(const StoredFlags& stored, ProjectFlags& flags) {
    for (int i = 0; i < kSaveKindWord; ++i) {
        if (stored.words[i] != 0 && stored.words[i] != 1) return false;
        flags.*kFlagOrder[i] = stored.words[i] == 1;
    }
    switch (stored.words[kSaveKindWord]) {
        case 0:
            flags.lastSaveKind = SaveKind::Nothing;
            return true;
        case 1:
            flags.lastSaveKind = SaveKind::ProjectFile;
            return true;
        case 2:
            flags.lastSaveKind = SaveKind::Report;
            return true;
        default:
            return false;
    }
}

constexpr std::size_t kSectionBytes = sizeof(BeamSection);
constexpr std::size_t kHeaderBytes = kSectionBytes + sizeof(StoredFlags);
constexpr std::size_t kLargestFile = kHeaderBytes + kPassTableSize * sizeof(PassRecord);

constexpr std::size_t fileSizeFor(std::int32_t passCount) {
    return kHeaderBytes + static_cast<std::size_t>(passCount) * sizeof(PassRecord);
}

}  // namespace

std::string encodeProjectFile(const Project& project) {
    BeamSection section = project.section;
    record_bytes::tidyName(section.name);
    const int records = scheduledRecordCount(section);

    std::string bytes;
    bytes.reserve(fileSizeFor(records));
    record_bytes::appendRecord(bytes, section, kNameFieldSize);
    record_bytes::appendRecord(bytes, storedFlags(project.flags), 0);
    for (int i = 0; i < records; ++i) {
        record_bytes::appendRecord(bytes, project.passes.records[i], 0);
    }
    return bytes;
}

bool decodeProjectFile(std::string_view bytes, Project& project) {
    // The whole file is checked before anything is taken from it: exactly one
    // section, one set of flags and the section's own number of passes.
    if (bytes.size() < kHeaderBytes) return false;
    BeamSection section = record_bytes::recordAt<BeamSection>(bytes.data(), kNameFieldSize);
    if (section.passCount < 0 || section.passCount > kPassTableSize) return false;
    if (bytes.size() != fileSizeFor(section.passCount)) return false;

    record_bytes::tidyName(section.name);
    for (const auto& field : kSectionFields) record_bytes::tidyNumber(section.*field.member);
    ProjectFlags flags;
    if (!flagsFromStored(record_bytes::recordAt<StoredFlags>(bytes.data() + kSectionBytes, 0),
                         flags)) {
        return false;
    }

    PassRecord records[kPassTableSize];
    for (int i = 0; i < section.passCount; ++i) {
        records[i] = record_bytes::recordAt<PassRecord>(bytes.data() + fileSizeFor(i), 0);
        for (const PassField& field : kPassFields)
            record_bytes::tidyNumber(records[i].*field.member);
    }

    project.section = section;
    project.flags = flags;
    std::copy(records, records + section.passCount, project.passes.records);
    return true;
}

StorageResult writeProjectFile(const std::string& path, const Project& project) {
    return replaceFile(path, encodeProjectFile(project));
}

StorageResult readProjectFile(const std::string& path, Project& project) {
    std::string bytes;
    // One byte past the largest project is enough to know a file is too long.
    if (StorageResult error = readWholeFile(path, bytes, kLargestFile + 1)) {
        if (error->what != StorageFailure::TooLarge) return error;
        return StorageError{StorageFailure::NotValid, path, "longer than any project file"};
    }
    if (!decodeProjectFile(bytes, project)) {
        return StorageError{StorageFailure::NotValid, path, "not a ROLVANTA project file"};
    }
    return std::nullopt;
}

}  // namespace rolvanta
