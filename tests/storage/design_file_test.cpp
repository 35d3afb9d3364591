#include <gtest/gtest.h>

#include <string>

#include "storage/design_file.h"
#include "support/example_section.h"
#include "support/golden_file.h"
#include "support/odd_mill.h"

namespace rolvanta {
namespace {

using testing::replaced;

TEST(DesignFile, RefusesADamagedOrForeignDocumentAndChangesNothing) {
    Project saved = testing::computedProject(5);
    std::memset(saved.section.name, 0, kNameFieldSize);
    std::strcpy(saved.section.name, "B\xB0 9");  // a degree sign in Windows-1252
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
}

// Version 2 holds the mill, its doubles bit for bit; version 1 is version 2
// without one, and still opens.
TEST(DesignFile, HoldsTheMillBitForBitAndOpensVersion1WithoutOne) {
    Project saved = testing::computedProject(5);
    saved.mill = testing::oddMill(5);
    const std::string text = encodeDesignFile(saved);
    Project read{};
    ASSERT_EQ(decodeDesignFile(text, read), std::nullopt);
    EXPECT_TRUE(testing::sameBytes(read, saved));
    EXPECT_EQ(encodeDesignFile(read), text);
    EXPECT_EQ(decodeDesignFile(replaced(text, "\"rpm\": ", "\"rpm\": \"fast\", \"old\": "), read)
                  .value_or("read"),
              "mill.passes[0].rpm is not a number");

    const std::string plain = encodeDesignFile(testing::computedProject(5));
    EXPECT_EQ(plain.find("\"mill\""), std::string::npos);
    const std::string version1 = replaced(plain, "\"version\": 2", "\"version\": 1");
    ASSERT_EQ(decodeDesignFile(version1, read), std::nullopt);
    EXPECT_FALSE(read.mill.has_value());
    EXPECT_EQ(
        decodeDesignFile(replaced(text, "\"version\": 2", "\"version\": 1"), read).value_or("read"),
        "mill is not part of the format");
}

}  // namespace
}  // namespace rolvanta
