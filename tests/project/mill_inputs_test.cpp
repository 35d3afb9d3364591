#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "project/mill_inputs.h"
#include "project/project_life.h"
#include "storage/design_file.h"
#include "storage/file_io.h"
#include "storage/mill_file.h"
#include "support/example_section.h"
#include "support/medium_beam_200.h"
#include "support/odd_mill.h"
#include "support/temporary_folder.h"

namespace rolvanta {
namespace {

constexpr int kPasses = 9;  // the rows of the texts below: Pass 9 first, Pass 1 last

std::string& cell(MillTexts& texts, int row, MillColumn column) {
    return texts.rows[static_cast<std::size_t>(row)][static_cast<int>(column)];
}

TEST(ReadMill, EveryRefusalNamesTheFieldOrTheCellAndChangesNothing) {
    using C = MillColumn;
    using F = MillField;
    const struct {
        const char* name;
        std::function<void(MillTexts&)> typed;
        std::optional<MillField> field;  // else the cell
        int row;
        MillColumn column;
        const char* accepted;  // a piece of what is accepted
    } cases[] = {
        {"a name of 41",
         [](MillTexts& t) { t.name = std::string(41, 'm'); },
         F::Name,
         -1,
         {},
         "up to 40"},
        {"a tab in the name", [](MillTexts& t) { t.name = "a\tb"; }, F::Name, -1, {}, "control"},
        {"too hot",
         [](MillTexts& t) { t.entryTemperature = "1300.5"; },
         F::EntryTemperature,
         -1,
         {},
         "from 700 to 1300, or nothing for 1150"},
        {"a decimal comma",
         [](MillTexts& t) { t.entryTemperature = "1150,5"; },
         F::EntryTemperature,
         -1,
         {},
         "from 700"},
        {"carbon beyond Shida",
         [](MillTexts& t) { t.carbon = "1.6"; },
         F::Carbon,
         -1,
         {},
         "from 0.02 to 1.5"},
        {"no emissivity",
         [](MillTexts& t) { t.emissivity = "0"; },
         F::Emissivity,
         -1,
         {},
         "from 0.1 to 1"},
        {"cooling air",
         [](MillTexts& t) { t.convection = "-1"; },
         F::Convection,
         -1,
         {},
         "from 0 to 200"},
        {"contact", [](MillTexts& t) { t.contact = "20001"; }, F::Contact, -1, {}, "20000"},
        {"hot rolls",
         [](MillTexts& t) { t.rollTemperature = "301"; },
         F::RollTemperature,
         -1,
         {},
         "from 0 to 300"},
        {"more heat than work",
         [](MillTexts& t) { t.heatFraction = "1.1"; },
         F::HeatFraction,
         -1,
         {},
         "from 0 to 1"},
        {"no taper", [](MillTexts& t) { t.minimumTaper = "0"; }, F::MinimumTaper, -1, {}, "0.001"},
        {"arctic air",
         [](MillTexts& t) { t.airTemperature = "-21"; },
         F::AirTemperature,
         -1,
         {},
         "from -20 to 60"},
        {"light steel",
         [](MillTexts& t) { t.density = "6999"; },
         F::Density,
         -1,
         {},
         "from 7000 to 8000"},
        {"specific heat",
         [](MillTexts& t) { t.specificHeat = "1e9"; },
         F::SpecificHeat,
         -1,
         {},
         "from 400 to 1000"},
        {"no stand name",
         [](MillTexts& t) { cell(t, 0, C::Stand) = " "; },
         {},
         0,
         C::Stand,
         "1 to 20 characters"},
        {"a stand name of 21",
         [](MillTexts& t) { cell(t, 0, C::Stand) = std::string(21, 's'); },
         {},
         0,
         C::Stand,
         "1 to 20"},
        {"no diameter",
         [](MillTexts& t) { cell(t, 1, C::Diameter) = ""; },
         {},
         1,
         C::Diameter,
         "from 200 to 1500"},
        {"small rolls",
         [](MillTexts& t) { cell(t, 1, C::Diameter) = "199.9"; },
         {},
         1,
         C::Diameter,
         "from 200"},
        {"words for a speed",
         [](MillTexts& t) { cell(t, 2, C::Rpm) = "abc"; },
         {},
         2,
         C::Rpm,
         "from 1 to 600"},
        {"standing rolls", [](MillTexts& t) { cell(t, 2, C::Rpm) = "0"; }, {}, 2, C::Rpm, "from 1"},
        {"a long pause",
         [](MillTexts& t) { cell(t, 3, C::Interpass) = "601"; },
         {},
         3,
         C::Interpass,
         "from 0 to 600"},
        {"no way to the next pass",
         [](MillTexts& t) {
             cell(t, 3, C::Interpass) = "";
             cell(t, 3, C::Distance) = "";
         },
         {},
         3,
         C::Interpass,
         "or the distance to the next pass"},
        {"a long way",
         [](MillTexts& t) { cell(t, 4, C::Distance) = "500.1"; },
         {},
         4,
         C::Distance,
         "from 0 to 500"},
        {"a pause after the last pass",
         [](MillTexts& t) { cell(t, 8, C::Interpass) = "2"; },
         {},
         8,
         C::Interpass,
         "no pass follows the finishing pass"},
        {"a way after the last pass",
         [](MillTexts& t) { cell(t, 8, C::Distance) = "3"; },
         {},
         8,
         C::Distance,
         "no pass follows"},
        {"a force limit of 0",
         [](MillTexts& t) { cell(t, 5, C::MaxForce) = "0"; },
         {},
         5,
         C::MaxForce,
         "above 0 and at most 1000000, or nothing for no limit"},
        {"a torque below 0",
         [](MillTexts& t) { cell(t, 5, C::MaxTorque) = "-5"; },
         {},
         5,
         C::MaxTorque,
         "above 0"},
        {"a torque no stand takes",
         [](MillTexts& t) { cell(t, 5, C::MaxTorque) = "1e30"; },
         {},
         5,
         C::MaxTorque,
         "at most 100000"},
        {"not a number",
         [](MillTexts& t) { cell(t, 5, C::Motor) = "nan"; },
         {},
         5,
         C::Motor,
         "above 0"},
        {"thick necks",
         [](MillTexts& t) { cell(t, 6, C::NeckRatio) = "0.81"; },
         {},
         6,
         C::NeckRatio,
         "from 0.3 to 0.8, or nothing for 0.55"},
        {"frictionless",
         [](MillTexts& t) { cell(t, 6, C::NeckFriction) = "0.0009"; },
         {},
         6,
         C::NeckFriction,
         "from 0.001 to 0.1"},
        {"a drive that gives",
         [](MillTexts& t) { cell(t, 7, C::DriveEfficiency) = "1.01"; },
         {},
         7,
         C::DriveEfficiency,
         "from 0.5 to 1"},
        {"a row short",
         [](MillTexts& t) { t.rows.pop_back(); },
         {},
         -1,
         C::Stand,
         "one stand for each of the 9 passes"},
    };
    for (const auto& c : cases) {
        MillTexts texts = textsOfMill(exampleMill(kPasses));
        c.typed(texts);
        Mill mill = testing::oddMill();
        const std::optional<MillProblem> problem = readMill(texts, kPasses, mill);
        ASSERT_TRUE(problem) << c.name;
        EXPECT_EQ(problem->field, c.field) << c.name;
        EXPECT_EQ(problem->row, c.row) << c.name;
        if (c.row >= 0) {
            EXPECT_EQ(problem->pass, kPasses - c.row) << c.name;
            EXPECT_EQ(problem->column, c.column) << c.name;
        }
        EXPECT_NE(problem->accepted.find(c.accepted), std::string::npos)
            << c.name << ": " << problem->accepted;
        EXPECT_TRUE(mill == testing::oddMill()) << c.name;
    }

    MillTexts texts = textsOfMill(exampleMill(kPasses));
    cell(texts, 2, MillColumn::Rpm) = "abc";
    Mill mill;
    EXPECT_EQ(describeMillProblem(*readMill(texts, kPasses, mill)),
              "Pass 7, Speed [rpm]: \"abc\" is not accepted.\nAccepted: a number from 1 to 600.");
}

TEST(ReadMill, TakesWhatTheDialogShowsAndTheDefaultsOfEmptyFields) {
    for (int passes = kFewestPasses; passes <= kMostPasses; ++passes) {
        const Mill example = exampleMill(passes);
        EXPECT_TRUE(example.example);
        EXPECT_EQ(checkMill(example, passes), std::nullopt) << passes;
        Mill read;
        EXPECT_EQ(readMill(textsOfMill(example), passes, read), std::nullopt) << passes;
        EXPECT_TRUE(read == example) << passes;
    }
    const Mill odd = testing::oddMill(4);
    Mill read;
    ASSERT_EQ(readMill(textsOfMill(odd), 4, read), std::nullopt);
    EXPECT_TRUE(read == odd) << "bit for bit through the shortest decimals";

    // Empty: the defaults, no limits; the carbon of a Hensel-Spittel steel is not read.
    MillTexts texts = textsOfMill(exampleMill(kPasses));
    texts.entryTemperature = texts.emissivity = texts.specificHeat = "";
    texts.steelChoice = 2;
    texts.carbon = "none";
    texts.rollMaterialChoice = 1;
    for (const MillColumn c : {MillColumn::MaxForce, MillColumn::NeckRatio}) cell(texts, 0, c) = "";
    ASSERT_EQ(readMill(texts, kPasses, read), std::nullopt);
    EXPECT_EQ(read.entryTemperature_C, Mill{}.entryTemperature_C);
    EXPECT_EQ(read.constants, MillConstants{});
    EXPECT_EQ(read.steel.set, HenselSpittelSet::S355J2);
    EXPECT_EQ(read.rollMaterial, RollMaterial::ChilledIron);
    EXPECT_FALSE(read.stands[0].maxForce_kN.has_value());
    EXPECT_EQ(read.stands[0].neckRatio, MillStand{}.neckRatio);
}

TEST(FitMill, CopiesTheLastStandOrTakesStandsAwayAndSaysSo) {
    const Mill nine = exampleMill(kPasses);
    Mill mill = nine;
    EXPECT_EQ(fitMillToPasses(mill, 12), "The mill has 12 stands now: 3 copied from the last");
    ASSERT_EQ(mill.stands.size(), 12u);
    for (int j = 8; j < 11; ++j) {
        EXPECT_EQ(mill.stands[j].stand, nine.stands[8].stand);
        EXPECT_EQ(mill.stands[j].interpass_s, nine.stands[7].interpass_s) << "to the next pass";
    }
    EXPECT_EQ(checkMill(mill, 12), std::nullopt);

    mill = nine;
    EXPECT_EQ(fitMillToPasses(mill, 6), "The mill has 6 stands now: the last 3 taken away");
    EXPECT_TRUE(std::equal(mill.stands.begin(), mill.stands.end() - 1, nine.stands.begin()));
    EXPECT_FALSE(mill.stands.back().interpass_s.has_value()) << "no pass follows Pass 1";
    EXPECT_EQ(checkMill(mill, 6), std::nullopt);

    mill = nine;
    EXPECT_EQ(fitMillToPasses(mill, kPasses), "");
    EXPECT_TRUE(mill == nine);
}

TEST(ProjectMill, FollowsTheSetupAndAnOkThatChangesNothingChangesNothing) {
    Project project{};
    beginNewProject(project);
    testing::takeMediumBeam200InThirteenPasses(project);
    EXPECT_TRUE(applyMill(project, exampleMill(12)).has_value()) << "one stand per pass";
    EXPECT_FALSE(project.mill.has_value());
    ASSERT_EQ(applyMill(project, exampleMill(13)), std::nullopt);
    const Project taken = project;
    ASSERT_EQ(applyMill(project, exampleMill(13)), std::nullopt);
    EXPECT_TRUE(sameProject(project, taken));

    const InputResult setup = applySetup(project, {9, 1000.0f});
    ASSERT_TRUE(setup.accepted());
    EXPECT_EQ(setup.note, "The mill has 9 stands now: the last 4 taken away");
    EXPECT_EQ(project.mill->stands.size(), 9u);
    EXPECT_EQ(applySetup(project, {9, 1100.0f}).note, "") << "the same passes";
}

// The mill file refused names the fault; a mill of other passes is fitted.
TEST(OpenMill, RefusesADamagedForeignOrOutOfRangeFileAndFitsAGoodOne) {
    const std::string good = encodeMillFile(exampleMill(5));
    auto replaced = [&good](const std::string& from, const std::string& to) {
        std::string text = good;
        const std::size_t at = text.find(from);
        if (at == std::string::npos) throw std::runtime_error("not in the file: " + from);
        return text.replace(at, from.size(), to);
    };
    const struct {
        const char* name;
        std::string text;
        std::string reason;
    } cases[] = {
        {"damaged", good.substr(0, 120), "not valid JSON (at byte 121)"},
        {"foreign", R"({"format": "ROLVANTA Design", "version": 2})",
         "not a ROLVANTA mill (no \"format\": \"ROLVANTA Mill\")"},
        {"version 2", replaced("\"version\": 1", "\"version\": 2"),
         "format version 2 is not one this program reads (1)"},
        {"a wrong type", replaced("\"rpm\": 45.0", "\"rpm\": \"45\""),
         "passes[0].rpm is not a number"},
        {"a missing value", replaced("\"diameter_mm\": 850.0,", ""),
         "passes[0].diameter_mm is missing"},
        {"a misspelt key", replaced("\"maxForce_kN\"", "\"maxForce_KN\""),
         "passes[0].maxForce_KN is not part of the format"},
        {"an unknown set", replaced("\"model\": \"shida\"", "\"model\": \"hensel\""),
         "steel.model is not \"shida\" or \"hensel-spittel\""},
        {"out of order", replaced("\"pass\": 5", "\"pass\": 4"),
         "passes[0].pass is 4, not 5: the passes run in rolling order, from the highest pass "
         "number down to 1"},
        {"out of range", replaced("\"rpm\": 45.0", "\"rpm\": 700"),
         "Pass 5, Speed [rpm]: \"700\" is not accepted. Accepted: a number from 1 to 600."},
    };
    testing::TemporaryFolder folder;
    for (const auto& c : cases) {
        const std::string path = folder / "refused.rolmill";
        ASSERT_EQ(replaceFile(path, c.text), std::nullopt);
        const MillOpened opened = openMillFile(path, 7);
        ASSERT_TRUE(opened.error) << c.name;
        EXPECT_EQ(opened.error->what, StorageFailure::NotValid) << c.name;
        EXPECT_EQ(opened.error->reason, c.reason) << c.name;
        EXPECT_FALSE(opened.mill.has_value()) << c.name;
    }

    ASSERT_EQ(saveMillFile(exampleMill(5), folder / "five"), std::nullopt);
    const MillOpened opened = openMillFile(folder / "five.rolmill", 7);
    ASSERT_FALSE(opened.error);
    EXPECT_EQ(opened.mill->stands.size(), 7u);
    EXPECT_EQ(opened.note, "The mill has 7 stands now: 2 copied from the last");
}

// A design's mill is checked as a mill file's is.
TEST(OpenMill, ADesignWithAMillOutOfRangeIsRefused) {
    Project saved = testing::computedProject(5);
    saved.mill = exampleMill(5);
    saved.mill->stands[1].rpm = 0.5;
    testing::TemporaryFolder folder;
    ASSERT_EQ(writeDesignFile(folder / "beam.rolx", saved), std::nullopt);
    ProjectDocument document;
    const StorageResult error = openProjectFile(document, folder / "beam.rolx", "beam.rolx");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->reason,
              "mill: Pass 4, Speed [rpm]: \"0.5\" is not accepted. Accepted: a number from 1 to "
              "600.");
    EXPECT_FALSE(document.project.mill.has_value());
}

}  // namespace
}  // namespace rolvanta
