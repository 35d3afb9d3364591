// The project file (.rol), the records byte for byte; the design file (.rolx)
// and the mill file (.rolmill), JSON documents that hold every value bit for
// bit. The mill file's refusals, with the ranges the project checks, are in
// tests/project/mill_inputs_test.cpp.

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>

#include "storage/design_file.h"
#include "storage/file_io.h"
#include "storage/mill_file.h"
#include "storage/project_file.h"
#include "support/example_section.h"
#include "support/golden_file.h"
#include "support/odd_mill.h"
#include "support/temporary_folder.h"

namespace rolvanta {
namespace {

using testing::replaced;
using testing::sameBytes;

// Version 2 holds the mill, its doubles bit for bit.
TEST(DesignFile, RefusesADamagedOrForeignDocumentAndChangesNothing) {
    Project saved = testing::computedProject(5);
    std::memset(saved.section.name, 0, kNameFieldSize);
    std::strcpy(saved.section.name, "B\xB0 9");  // a degree sign in Windows-1252
    saved.mill = testing::oddMill(5);
    const std::string good = encodeDesignFile(saved);
    ASSERT_NE(good.find("\"name\": \"B\u00b0 9\""), std::string::npos) << good;
    const std::string web = "\"webWidth\": 101.2";
    ASSERT_NE(good.find(web), std::string::npos) << "shortest round-trip text: " << good;

    const std::string refused[] = {
        good.substr(0, 100),
        "{\"format\": \"Something Else\"}",
        replaced(good, "\"version\": 2", "\"version\": 3"),
        replaced(good, web, "\"webWidth\": \"101.2\""),
        replaced(good, web, "\"webWidth\": 1e39"),  // beyond a float
        replaced(good, web + ",", ""),
        replaced(good, "\"webElongation\": [", "\"webElongation\": [1,"),
        replaced(good, "\"passCount\": 5", "\"passCount\": 6"),
        replaced(good, web, "\"webWidht\": 1, " + web),
        replaced(good, "\"rpm\": ", "\"rpm\": \"fast\", \"old\": "),
        replaced(good, "\"version\": 2", "\"version\": 1"),  // version 1 holds no mill
    };
    std::string reasons;
    for (const std::string& text : refused) {
        Project project = testing::exampleProject(7);
        const Project before = project;
        reasons += decodeDesignFile(text, project).value_or("read") + "\n";
        EXPECT_TRUE(sameBytes(project, before)) << text;
    }
    testing::expectGolden("design-file-refusals.txt", reasons);

    Project read{};
    ASSERT_EQ(decodeDesignFile(good, read), std::nullopt);
    EXPECT_TRUE(sameBytes(read, saved));
    EXPECT_EQ(encodeDesignFile(read), good);
}

TEST(DesignFile, OpensVersion1WithoutAMill) {
    const std::string plain = encodeDesignFile(testing::computedProject(5));
    EXPECT_EQ(plain.find("\"mill\""), std::string::npos);
    Project read{};
    read.mill = testing::oddMill(5);
    ASSERT_EQ(decodeDesignFile(replaced(plain, "\"version\": 2", "\"version\": 1"), read),
              std::nullopt);
    EXPECT_FALSE(read.mill.has_value());
}

// Its form is mill-example.rolmill's.
TEST(MillFile, RoundTripsEveryValueBitForBit) {
    const Mill saved = testing::oddMill(4);
    testing::TemporaryFolder folder;
    const std::string path = folder / "odd.rolmill";
    ASSERT_EQ(writeMillFile(path, saved), std::nullopt);
    Mill read;
    ASSERT_EQ(readMillFile(path, read), std::nullopt);
    EXPECT_TRUE(read == saved);
    EXPECT_EQ(encodeMillFile(read), testing::readFileBytes(path));
}

TEST(MillFile, TakesTheDefaultsOfWhatIsLeftOut) {
    const std::string text = R"({"format": "ROLVANTA Mill", "version": 1, "name": "",
        "entryTemperature_C": 1100, "steel": {"model": "shida", "carbon_pct": 0.45},
        "rollMaterial": "steel",
        "passes": [{"pass": 2, "stand": "A", "diameter_mm": 700, "rpm": 60, "distance_m": 5},
                   {"pass": 1, "stand": "B", "diameter_mm": 650, "rpm": 90}]})";
    Mill read, expected;
    ASSERT_EQ(decodeMillFile(text, read), std::nullopt);
    expected.entryTemperature_C = 1100;
    expected.steel.carbon_pct = 0.45;
    expected.stands.resize(2);
    expected.stands[0].stand = "A", expected.stands[1].stand = "B";
    expected.stands[0].diameter_mm = 700, expected.stands[1].diameter_mm = 650;
    expected.stands[0].rpm = 60, expected.stands[1].rpm = 90;
    expected.stands[0].distance_m = 5;
    EXPECT_TRUE(read == expected);
}

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
