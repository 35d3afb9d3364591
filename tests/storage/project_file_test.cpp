#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "engine/pass_schedule.h"
#include "storage/project_file.h"
#include "support/example_section.h"
#include "support/recording_message_shell.h"
#include "support/temporary_folder.h"

namespace rolvanta {
namespace {

using testing::RecordingMessageShell;
using testing::TemporaryFolder;
using testing::writeFileBytes;

// A computed project whose every field has a recognisable value.
Project computedProject(int passCount) {
    Project project = testing::exampleProject(passCount);
    computeDesign(project);
    project.flags = {1, 0, 1, 0, 7, 1, 1, 1, 1, 1, 2};
    return project;
}

// A project whose records all differ from computedProject's, to see what a
// read replaces and what it leaves.
Project otherProject() {
    Project project{};
    std::memset(&project, 0x5A, sizeof project);
    project.section.name[0] = '\0';
    return project;
}

bool sameBytes(const void* a, const void* b, std::size_t size) {
    return std::memcmp(a, b, size) == 0;
}

void setInt32(std::string& bytes, std::size_t offset, std::int32_t value) {
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}

TEST(ProjectFile, SizeIsTheHeaderAndOneBlockPerPass) {
    const struct {
        int passCount;
        std::size_t bytes;
    } cases[] = {{0, 172}, {5, 452}, {9, 676}, {13, 900}, {15, 1012}};
    for (const auto& c : cases) {
        EXPECT_EQ(encodeProjectFile(computedProject(c.passCount)).size(), c.bytes) << c.passCount;
    }
}

TEST(ProjectFile, LayoutIsLittleEndianAtTheRecordOffsets) {
    const Project project = computedProject(5);
    const std::string bytes = encodeProjectFile(project);
    auto wordAt = [&](std::size_t offset) {
        std::uint32_t word = 0;
        for (int i = 3; i >= 0; --i) word = word << 8 | std::uint8_t(bytes[offset + i]);
        return word;
    };
    auto bitsOf = [](float value) {
        std::uint32_t word;
        std::memcpy(&word, &value, sizeof word);
        return word;
    };
    EXPECT_EQ(bytes.substr(0, 7), std::string("MB 100", 7));
    EXPECT_EQ(wordAt(120), 5u) << "passCount";
    EXPECT_EQ(wordAt(124), bitsOf(1000.0f)) << "temperature";
    EXPECT_EQ(wordAt(128 + 4 * 4), 7u) << "reservedFlag, the fifth flag";
    EXPECT_EQ(wordAt(128 + 10 * 4), 2u) << "lastSaveKind, the last flag";
    EXPECT_EQ(wordAt(172), bitsOf(project.passes.records[0].webArea));
    EXPECT_EQ(wordAt(172 + 56 * 4 + 52), bitsOf(project.passes.records[4].crossSectionArea));
}

TEST(ProjectFile, NameBytesAfterTheTerminatorAreWrittenAsZeros) {
    Project project = computedProject(5);
    std::memset(project.section.name, 'x', kNameFieldSize);
    std::memcpy(project.section.name, "IB 1", 5);
    const std::string bytes = encodeProjectFile(project);
    EXPECT_EQ(bytes.substr(0, kNameFieldSize), std::string("IB 1") + std::string(48, '\0'));

    // A name that fills its whole field still ends with a terminator.
    std::memset(project.section.name, 'y', kNameFieldSize);
    EXPECT_EQ(encodeProjectFile(project).substr(0, kNameFieldSize),
              std::string(51, 'y') + std::string(1, '\0'));
}

TEST(ProjectFile, RoundTripIsBitForBit) {
    for (int passCount : {0, 1, 5, 13, 15}) {
        const Project saved = computedProject(passCount);
        const std::string bytes = encodeProjectFile(saved);

        Project loaded = otherProject();
        const Project before = loaded;
        ASSERT_TRUE(decodeProjectFile(bytes, loaded)) << passCount;
        EXPECT_TRUE(sameBytes(&loaded.section, &saved.section, sizeof(BeamSection))) << passCount;
        EXPECT_TRUE(sameBytes(&loaded.flags, &saved.flags, sizeof(ProjectFlags))) << passCount;
        EXPECT_TRUE(
            sameBytes(loaded.passes.records, saved.passes.records, passCount * sizeof(PassRecord)))
            << passCount;
        // Records past the pass count and the coefficients are not in the file.
        EXPECT_TRUE(sameBytes(loaded.passes.records + passCount, before.passes.records + passCount,
                              (kPassTableSize - passCount) * sizeof(PassRecord)))
            << passCount;
        EXPECT_TRUE(sameBytes(&loaded.coefficients, &before.coefficients, sizeof(CoefficientSet)));
        EXPECT_EQ(encodeProjectFile(loaded), bytes) << passCount;
    }
}

TEST(ProjectFile, RefusedBytesLeaveEveryRecordAsItWas) {
    const std::string five = encodeProjectFile(computedProject(5));
    const std::string thirteen = encodeProjectFile(computedProject(13));
    std::string countBeyondTable = encodeProjectFile(computedProject(15)) + std::string(56, '\0');
    setInt32(countBeyondTable, 120, 16);
    std::string negativeCount = five.substr(0, 172);
    setInt32(negativeCount, 120, -1);
    std::string countDisagrees = five;
    setInt32(countDisagrees, 120, 4);

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
        {"pass count beyond the table", countBeyondTable},
        {"negative pass count", negativeCount},
        {"pass count smaller than the passes stored", countDisagrees},
    };
    for (const auto& c : cases) {
        Project project = otherProject();
        const Project before = project;
        EXPECT_FALSE(decodeProjectFile(c.bytes, project)) << c.name;
        EXPECT_TRUE(sameBytes(&project, &before, sizeof project)) << c.name;
    }
}

TEST(ProjectFile, NumbersThatAreNotNumbersReadAsZero) {
    Project saved = computedProject(5);
    saved.section.temperature = std::numeric_limits<float>::quiet_NaN();
    saved.section.area = std::numeric_limits<float>::infinity();
    saved.passes.records[3].liveFlangeTip = -std::numeric_limits<float>::infinity();

    Project loaded = otherProject();
    ASSERT_TRUE(decodeProjectFile(encodeProjectFile(saved), loaded));
    EXPECT_EQ(loaded.section.temperature, 0.0f);
    EXPECT_EQ(loaded.section.area, 0.0f);
    EXPECT_EQ(loaded.passes.records[3].liveFlangeTip, 0.0f);
    EXPECT_EQ(loaded.passes.records[3].liveFlangeRoot, saved.passes.records[3].liveFlangeRoot);
}

TEST(ProjectFile, UnterminatedNameIsCutToItsField) {
    std::string bytes = encodeProjectFile(computedProject(5));
    std::memset(bytes.data(), 'z', kNameFieldSize);
    Project loaded = otherProject();
    ASSERT_TRUE(decodeProjectFile(bytes, loaded));
    EXPECT_EQ(std::string(loaded.section.name), std::string(51, 'z'));
}

TEST(ProjectFile, FailuresAreShownAndChangeNothing) {
    TemporaryFolder folder;
    writeFileBytes(folder / "short.rol", encodeProjectFile(computedProject(5)).substr(0, 300));
    std::filesystem::create_directory(folder / "sub.rol");

    const struct {
        const char* name;
        std::string path;
        std::string text;
        MessageIcon icon;
    } cases[] = {
        {"no such file", folder / "none.rol", "Cannot Open File", MessageIcon::None},
        {"a folder", folder / "sub.rol", "Cannot Open File", MessageIcon::None},
        {"cut short", folder / "short.rol", "short.rol Is Not A Valid ROLVANTA (.rol) File !",
         MessageIcon::Warning},
        {"far too long", "/dev/zero", "zero Is Not A Valid ROLVANTA (.rol) File !",
         MessageIcon::Warning},
    };
    for (const auto& c : cases) {
        RecordingMessageShell shell;
        Project project = otherProject();
        const Project before = project;
        EXPECT_FALSE(readProjectFile(c.path, project, shell)) << c.name;
        EXPECT_TRUE(sameBytes(&project, &before, sizeof project)) << c.name;
        ASSERT_EQ(shell.shown.size(), 1u) << c.name;
        EXPECT_EQ(shell.shown[0].text, c.text) << c.name;
        EXPECT_EQ(shell.shown[0].caption, "Error") << c.name;
        EXPECT_EQ(shell.shown[0].icon, c.icon) << c.name;
    }
}

TEST(ProjectFile, FailedWriteIsShownAndReported) {
    TemporaryFolder folder;
    RecordingMessageShell shell;
    EXPECT_FALSE(writeProjectFile(folder / "none/beam.rol", computedProject(5), shell));
    EXPECT_FALSE(writeProjectFile("/dev/full", computedProject(5), shell));
    ASSERT_EQ(shell.shown.size(), 2u);
    for (const auto& shown : shell.shown) {
        EXPECT_EQ(shown.text, "Cannot Open File");
        EXPECT_EQ(shown.caption, "Error");
    }
}

}  // namespace
}  // namespace rolvanta
