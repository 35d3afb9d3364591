#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <locale>
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

TEST(PassesCsv, OneRowPerRecordUnderNamedColumns) {
    const Project project = computed("MB 100,100,4,75,7.2,9,4.5,98,11.5,1000", "5");
    const std::string csv = formatPassesCsv(project);
    EXPECT_EQ(csv.substr(0, csv.find('\n')),
              "pass,webArea [mm2],passWidth [mm],webThickness [mm],deadFlangeArea [mm2],"
              "deadFlangeHeight [mm],deadFlangeThickness [mm],deadFlangeTip [mm],"
              "deadFlangeRoot [mm],liveFlangeArea [mm2],liveFlangeHeight [mm],"
              "liveFlangeThickness [mm],liveFlangeTip [mm],liveFlangeRoot [mm],"
              "crossSectionArea [mm2]");
    EXPECT_EQ(countOf(csv, "\n"), 1u + 5u) << "the header and records 0 to 4";
    EXPECT_NE(csv.find("\n2,404.8,"), std::string::npos);
    EXPECT_NE(csv.find("\n6,"), std::string::npos) << "the last record is pass 6";
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

TEST(Exports, NumbersIgnoreACommaLocale) {
    const Project project = computed("MB 100,100,4,75,7.2,9,4.5,98,11.5,1000", "5");
    const std::string csv = formatPassesCsv(project);
    const std::string json = formatDesignJson(project);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no de_DE.UTF-8 locale";
    std::locale::global(std::locale("de_DE.UTF-8"));
    const std::string csvUnderComma = formatPassesCsv(project);
    const std::string jsonUnderComma = formatDesignJson(project);
    std::locale::global(std::locale::classic());
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(csvUnderComma, csv);
    EXPECT_EQ(jsonUnderComma, json);
}

}  // namespace
}  // namespace rolvanta::cli
