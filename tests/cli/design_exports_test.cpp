#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "cli/design_exports.h"
#include "cli/design_inputs.h"

namespace rolvanta::cli {
namespace {

Project computed(const char* section, const char* passes) {
    Project project;
    startNewProject(project);
    takeTypedSection(project, section);
    applySetup(project, passes, "1000");
    acceptCurrentCoefficients(project);
    computeProject(project);
    return project;
}

std::size_t countOf(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = 0; (at = text.find(part, at)) != std::string::npos; at += part.size()) {
        ++count;
    }
    return count;
}

TEST(DesignJson, KeysCarryTheirUnits) {
    Project project = computed("Say \"\\\",100,4,75,7.2,9,4.5,98,11.5,1000", "13");
    const std::string json = formatDesignJson(project);
    EXPECT_NE(json.find(R"("name": "Say \"\\\"",)"), std::string::npos) << json.substr(0, 60);
    EXPECT_NE(json.find("\"temperature_degC\": 1000"), std::string::npos);
    EXPECT_NE(json.find("\"massPerLength_kg_per_mm\": 0"), std::string::npos);
    EXPECT_NE(json.find("\"passCount\": 13"), std::string::npos);
    EXPECT_EQ(json.find("reserved"), std::string::npos);
    EXPECT_EQ(countOf(json, "{\"pass\": "), 13u);
    EXPECT_EQ(countOf(json, "\"crossSectionArea_mm2\": "), 13u);
    EXPECT_EQ(countOf(json, "{"), countOf(json, "}"));
}

}  // namespace
}  // namespace rolvanta::cli
