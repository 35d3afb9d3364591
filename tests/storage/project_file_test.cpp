#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>

#include "storage/project_file.h"
#include "support/example_section.h"
#include "support/temporary_folder.h"

namespace rolvanta {
namespace {

using testing::sameBytes;

// A computed project whose every field has a recognisable value.
Project savedProject(int passCount) {
    Project project = testing::computedProject(passCount);
    project.flags = {true, false, true, false,           true, true, true,
                     true, true,  true, SaveKind::Report};
    return project;
}

// A project whose records all differ from savedProject's, to see what a
// read replaces and what it leaves.
Project otherProject() {
    Project project{};
    std::memset(&project.section, 0x5A, sizeof project.section);
    std::memset(&project.coefficients, 0x5A, sizeof project.coefficients);
    std::memset(&project.passes, 0x5A, sizeof project.passes);
    project.flags.customEntered = true;
    project.section.name[0] = '\0';
    return project;
}

// The records' byte layout is asserted where they are declared; the golden
// project files of the command-line tool hold it byte for byte.
TEST(ProjectFile, NameBytesAfterTheTerminatorAreZeros) {
    Project project = savedProject(5);
    std::memset(project.section.name, 'x', kNameFieldSize);
    std::memcpy(project.section.name, "IB 1", 5);
    EXPECT_EQ(encodeProjectFile(project).substr(0, kNameFieldSize), "IB 1" + std::string(48, '\0'));
    std::memset(project.section.name, 'y', kNameFieldSize);
    EXPECT_EQ(encodeProjectFile(project).substr(0, kNameFieldSize),
              std::string(51, 'y') + std::string(1, '\0'))
        << "a name that fills its field still ends with a terminator";
}

TEST(ProjectFile, RoundTripIsBitForBit) {
    for (int passCount : {0, 1, 5, 13, 15}) {
        const Project saved = savedProject(passCount);
        const std::string bytes = encodeProjectFile(saved);
        EXPECT_EQ(bytes.size(), 172u + 56u * passCount) << passCount;

        Project loaded = otherProject();
        const Project before = loaded;
        ASSERT_TRUE(decodeProjectFile(bytes, loaded)) << passCount;
        EXPECT_TRUE(sameBytes(loaded.section, saved.section)) << passCount;
        EXPECT_EQ(loaded.flags, saved.flags) << passCount;
        // Records past the pass count and the coefficients are not in the file.
        for (int k = 0; k < kPassTableSize; ++k) {
            const Project& source = k < passCount ? saved : before;
            EXPECT_TRUE(sameBytes(loaded.passes.records[k], source.passes.records[k]))
                << passCount << " passes, record " << k;
        }
        EXPECT_TRUE(sameBytes(loaded.coefficients, before.coefficients));
        EXPECT_EQ(encodeProjectFile(loaded), bytes) << passCount;
    }
}

TEST(ProjectFile, RefusedBytesLeaveEveryRecordAsItWas) {
    const std::string five = encodeProjectFile(savedProject(5));
    const std::string thirteen = encodeProjectFile(savedProject(13));
    // A 32-bit value at a place: the pass count at 120, the flags from 128
    // (computed the eighth, the save kind the eleventh), each 0 or 1.
    const auto with = [](std::string bytes, std::size_t at, std::int32_t value) {
        std::memcpy(bytes.data() + at, &value, sizeof value);
        return bytes;
    };
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"cut inside the section", five.substr(0, 100)},
        {"cut inside the flags", five.substr(0, 150)},
        {"cut inside a pass", five.substr(0, 172 + 56 * 2 + 20)},
        {"one pass short", five.substr(0, five.size() - 56)},
        {"one byte too many", five + std::string(1, '\0')},
        {"two projects back to back", thirteen + five},
        {"pass count beyond the table",
         with(encodeProjectFile(savedProject(15)) + std::string(56, '\0'), 120, 16)},
        {"negative pass count", with(five.substr(0, 172), 120, -1)},
        {"pass count smaller than the passes stored", with(five, 120, 4)},
        {"computed = 2", with(five, 128 + 7 * 4, 2)},
        {"a flag of -1", with(five, 128, -1)},
        {"save kind 3", with(five, 128 + 10 * 4, 3)},
    };
    for (const auto& c : cases) {
        Project project = otherProject();
        EXPECT_FALSE(decodeProjectFile(c.bytes, project)) << c.name;
        EXPECT_TRUE(sameBytes(project, otherProject())) << c.name;
    }
    Project project = otherProject();
    EXPECT_TRUE(decodeProjectFile(with(five, 128 + 10 * 4, 0), project)) << "save kind 0";
}

TEST(ProjectFile, ReadingTidiesNamesAndNumbers) {
    Project saved = savedProject(5);
    saved.section.temperature = std::numeric_limits<float>::quiet_NaN();
    saved.section.area = std::numeric_limits<float>::infinity();
    saved.passes.records[3].liveFlangeTip = -std::numeric_limits<float>::infinity();
    std::string bytes = encodeProjectFile(saved);
    std::memset(bytes.data(), 'z', kNameFieldSize);

    Project loaded = otherProject();
    ASSERT_TRUE(decodeProjectFile(bytes, loaded));
    EXPECT_EQ(std::string(loaded.section.name), std::string(51, 'z')) << "cut to its field";
    const PassRecord& r = loaded.passes.records[3];
    EXPECT_TRUE(loaded.section.temperature == 0 && loaded.section.area == 0 && r.liveFlangeTip == 0)
        << "not numbers";
    EXPECT_EQ(r.liveFlangeRoot, saved.passes.records[3].liveFlangeRoot);
}

// A missing or unreadable file is told by file_io's own test.
TEST(ProjectFile, FailuresComeBackAsValuesAndChangeNothing) {
    testing::TemporaryFolder folder;
    testing::writeFileBytes(folder / "short.rol",
                            encodeProjectFile(savedProject(5)).substr(0, 300));
    for (const std::string& path : {folder / "short.rol", std::string("/dev/zero")}) {
        Project project = otherProject();
        const StorageResult error = readProjectFile(path, project);
        ASSERT_TRUE(error) << path;
        EXPECT_TRUE(error->what == StorageFailure::NotValid && error->path == path) << path;
        EXPECT_TRUE(sameBytes(project, otherProject())) << path;
    }
}

}  // namespace
}  // namespace rolvanta
