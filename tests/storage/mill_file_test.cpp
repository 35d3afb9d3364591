// The mill file's form; its refusals, with the ranges the project checks,
// are in tests/project/mill_inputs_test.cpp.

#include <gtest/gtest.h>

#include <string>

#include "storage/file_io.h"
#include "storage/mill_file.h"
#include "support/odd_mill.h"
#include "support/temporary_folder.h"

namespace rolvanta {
namespace {

TEST(MillFile, RoundTripsEveryValueBitForBit) {
    const Mill saved = testing::oddMill(4);
    testing::TemporaryFolder folder;
    const std::string path = folder / "odd.rolmill";
    ASSERT_EQ(writeMillFile(path, saved), std::nullopt);
    Mill read;
    ASSERT_EQ(readMillFile(path, read), std::nullopt);
    EXPECT_TRUE(read == saved);
    EXPECT_EQ(encodeMillFile(read),
              testing::readFileBytes(path));  // its form: mill-example.rolmill
}

TEST(MillFile, TakesTheDefaultsOfWhatIsLeftOut) {
    const std::string text = R"({"format": "ROLVANTA Mill", "version": 1, "name": "",
        "entryTemperature_C": 1100, "steel": {"model": "shida", "carbon_pct": 0.45},
        "rollMaterial": "steel",
        "passes": [{"pass": 2, "stand": "A", "diameter_mm": 700, "rpm": 60, "distance_m": 5},
                   {"pass": 1, "stand": "B", "diameter_mm": 650, "rpm": 90}]})";
    Mill read;
    ASSERT_EQ(decodeMillFile(text, read), std::nullopt);
    Mill expected;
    expected.entryTemperature_C = 1100;
    expected.steel.carbon_pct = 0.45;
    expected.stands.resize(2);
    expected.stands[0].stand = "A";
    expected.stands[0].diameter_mm = 700;
    expected.stands[0].rpm = 60;
    expected.stands[0].distance_m = 5;
    expected.stands[1].stand = "B";
    expected.stands[1].diameter_mm = 650;
    expected.stands[1].rpm = 90;
    EXPECT_TRUE(read == expected);
}

}  // namespace
}  // namespace rolvanta
