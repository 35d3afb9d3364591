#include "storage/project_file.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "engine/pass_fields.h"
#include "storage/file_io.h"
#include "storage/record_bytes.h"
#include "storage/record_fields.h"

namespace rolvanta {

namespace {

constexpr std::size_t kSectionBytes = sizeof(BeamSection);
constexpr std::size_t kHeaderBytes = kSectionBytes + sizeof(ProjectFlags);
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
    record_bytes::appendRecord(bytes, project.flags, 0);
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
    for (const auto& field : kSectionFloatFields) record_bytes::tidyNumber(section.*field.member);
    const auto flags = record_bytes::recordAt<ProjectFlags>(bytes.data() + kSectionBytes, 0);

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

bool writeProjectFile(const std::string& path, const Project& project, MessageShell& shell) {
    if (replaceFile(path, encodeProjectFile(project))) return true;
    shell.showMessage({"Cannot Open File", "Error"});
    return false;
}

bool readProjectFile(const std::string& path, Project& project, MessageShell& shell) {
    std::string bytes;
    // One byte past the largest project is enough to know a file is too long.
    const FileReadStatus status = readWholeFile(path, bytes, kLargestFile + 1);
    if (status == FileReadStatus::Missing || status == FileReadStatus::Failed) {
        shell.showMessage({"Cannot Open File", "Error"});
        return false;
    }
    if (status != FileReadStatus::Ok || !decodeProjectFile(bytes, project)) {
        shell.showMessage({fileNameOf(path) + " Is Not A Valid ROLVANTA (.rol) File !", "Error",
                           MessageButtons::Ok, MessageIcon::Warning});
        return false;
    }
    return true;
}

}  // namespace rolvanta
