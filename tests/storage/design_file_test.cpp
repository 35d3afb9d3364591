// The design file (.rolx) and the mill file (.rolmill): JSON documents that
// hold every value bit for bit. The mill file's refusals, with the ranges
// the project checks, are in tests/project/mill_inputs_test.cpp.

#include <gtest/gtest.h>

#include <string>

#include "storage/design_file.h"
#include "storage/file_io.h"
#include "storage/mill_file.h"
#include "support/example_section.h"
#include "support/golden_file.h"
#include "support/odd_mill.h"
#include "support/temporary_folder.h"

namespace rolvanta {
namespace {

using testing::replaced;

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
        EXPECT_TRUE(testing::sameBytes(project, before)) << text;
    }
    testing::expectGolden("design-file-refusals.txt", reasons);

    Project read{};
    ASSERT_EQ(decodeDesignFile(good, read), std::nullopt);
    EXPECT_TRUE(testing::sameBytes(read, saved));
    EXPECT_EQ(encodeDesignFile(read), good);
}

// Version 1 is version 2 without a mill, and still opens.
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

// Everything left out takes the value of a Mill and a MillStand as made.
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

}  // namespace
}  // namespace rolvanta
