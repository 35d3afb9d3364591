#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>
#include <list>
#include <random>
#include <string>
#include <vector>

#include "engine/pass_schedule.h"
#include "storage/profile_catalogue.h"
#include "support/child_process.h"
#include "support/example_section.h"
#include "support/recording_message_shell.h"
#include "support/temporary_folder.h"

namespace rolvanta {
namespace {

using testing::readFileBytes;
using testing::RecordingMessageShell;
using testing::TemporaryFolder;
using testing::writeFileBytes;

ProfileRecord profile(const std::string& name, float webWidth = 100.0f) {
    ProfileRecord record{};
    std::memcpy(record.name, name.data(), std::min<std::size_t>(name.size(), kNameFieldSize));
    record.webWidth = webWidth;
    return record;
}

// A catalogue file holding the records in the order given.
std::string fileOf(const std::vector<ProfileRecord>& records) {
    std::string bytes;
    for (const auto& record : records) {
        bytes.append(reinterpret_cast<const char*>(&record), sizeof record);
    }
    return bytes;
}

// Names in list order; the web width tells records of equal name apart.
std::vector<std::string> namesOf(const ProfileList& list) {
    std::vector<std::string> names;
    for (const auto& record : list) {
        names.push_back(std::string(record.name) + "#" + std::to_string(int(record.webWidth)));
    }
    return names;
}

ProfileList loadedFrom(const std::vector<ProfileRecord>& records) {
    ProfileList list;
    list.assignFromFileBytes(fileOf(records));
    return list;
}

ProfileList listInFile(const std::string& path) {
    ProfileList list;
    list.assignFromFileOrder(decodeProfileRecords(readFileBytes(path)));
    return list;
}

TEST(ProfileCatalogue, LoadsInNameOrder) {
    const struct {
        const char* name;
        std::vector<ProfileRecord> file;
        std::vector<std::string> expected;
    } cases[] = {
        {"three series",
         {profile("LB 200", 1), profile("JB 150", 2), profile("MB 100", 3)},
         {"JB 150#2", "LB 200#1", "MB 100#3"}},
        {"bytes, not numbers",
         {profile("MB 150", 1), profile("MB 1000", 2), profile("MB 100", 3)},
         {"MB 100#3", "MB 1000#2", "MB 150#1"}},
        {"upper case first", {profile("mb", 1), profile("MB", 2)}, {"MB#2", "mb#1"}},
        {"unsigned bytes", {profile("\xE4", 1), profile("z", 2)}, {"z#2", "\xE4#1"}},
        {"a later equal name first",
         {profile("WB 600", 1), profile("WB 600", 2), profile("WB 600", 3)},
         {"WB 600#3", "WB 600#2", "WB 600#1"}},
        {"past the eighth byte",
         {profile("WB 600 heavy", 1), profile("WB 600 heavier", 2), profile("WB 600 h", 3),
          profile("WB 600 ", 4)},
         {"WB 600 #4", "WB 600 h#3", "WB 600 heavier#2", "WB 600 heavy#1"}},
        {"empty name first", {profile("A", 1), profile("", 2)}, {"#2", "A#1"}},
    };
    for (const auto& c : cases) EXPECT_EQ(namesOf(loadedFrom(c.file)), c.expected) << c.name;
}

// The order one insertion after another gives, walking a linked list from
// its head as the catalogue has always been built.
std::vector<std::string> insertedOneByOne(const std::vector<ProfileRecord>& records) {
    std::list<ProfileRecord> list;
    for (const auto& record : records) {
        auto at = list.begin();
        while (at != list.end() && profileNameLess(*at, record)) ++at;
        list.insert(at, record);
    }
    std::vector<std::string> names;
    for (const auto& record : list) {
        names.push_back(std::string(record.name) + "#" + std::to_string(int(record.webWidth)));
    }
    return names;
}

TEST(ProfileCatalogue, LoadOrderEqualsInsertingOneByOne) {
    // Few letters and many lengths: equal names, shared prefixes of every
    // length, names ending before, at and after the eighth byte.
    std::mt19937 random(808);
    for (int round = 0; round < 20; ++round) {
        std::vector<ProfileRecord> records;
        for (int i = 0; i < 300; ++i) {
            std::string name(random() % 12, 'A');
            for (char& c : name) c = "AB\xE9 "[random() % 4];
            ProfileRecord record = profile(name, float(i));
            // Bytes after the terminator carry no meaning and must not count.
            if (name.size() < 10) record.name[name.size() + 1] = "AZ"[random() % 2];
            records.push_back(record);
        }
        const auto expected = insertedOneByOne(records);
        EXPECT_EQ(namesOf(loadedFrom(records)), expected) << round;
        ProfileList decoded;
        decoded.assignFromFileOrder(decodeProfileRecords(fileOf(records)));
        EXPECT_EQ(namesOf(decoded), expected) << round;
    }
}

TEST(ProfileCatalogue, DecodeTidiesEveryRecord) {
    ProfileRecord odd = profile("MB 200");
    std::memset(odd.name + 7, 'x', kNameFieldSize - 7);  // garbage after the terminator
    odd.area = std::numeric_limits<float>::quiet_NaN();
    odd.rootRadius = -std::numeric_limits<float>::infinity();
    odd.next = 0xDEADBEEF;
    odd.prev = 0x12345678;
    ProfileRecord full = profile(std::string(kNameFieldSize, 'n'));

    const std::string bytes = fileOf({odd, full}) + std::string(40, 'q');
    const auto records = decodeProfileRecords(bytes);
    ASSERT_EQ(records.size(), 2u) << "a trailing piece of 40 bytes is ignored";
    EXPECT_EQ(std::string(records[0].name, kNameFieldSize), "MB 200" + std::string(46, '\0'));
    EXPECT_EQ(records[0].area, 0.0f);
    EXPECT_EQ(records[0].rootRadius, 0.0f);
    EXPECT_EQ(records[0].next, 0u);
    EXPECT_EQ(records[0].prev, 0u);
    EXPECT_EQ(std::string(records[1].name), std::string(51, 'n'));
}

class CatalogueFolder : public ::testing::Test {
  protected:
    CatalogueFolder() {
        files.working = folder / "profile.dat";
        files.installed = folder / "installed.dat";
    }

    TemporaryFolder folder;
    CatalogueFiles files;
    RecordingMessageShell shell;
};

TEST_F(CatalogueFolder, LoadTakesTheWorkingFileFirst) {
    writeFileBytes(files.working, fileOf({profile("LB 200", 1)}));
    writeFileBytes(files.installed, fileOf({profile("MB 100", 2)}));
    ProfileList list;
    EXPECT_TRUE(loadProfileCatalogue(list, files));
    EXPECT_EQ(namesOf(list), std::vector<std::string>{"LB 200#1"});

    std::filesystem::remove(files.working);
    EXPECT_TRUE(loadProfileCatalogue(list, files));
    EXPECT_EQ(namesOf(list), std::vector<std::string>{"MB 100#2"});

    writeFileBytes(files.working, "");
    EXPECT_TRUE(loadProfileCatalogue(list, files));
    EXPECT_TRUE(list.empty()) << "an empty working file is an empty catalogue";
}

TEST_F(CatalogueFolder, LoadWithoutAFileKeepsTheList) {
    ProfileList list = loadedFrom({profile("JB 150", 1)});
    EXPECT_FALSE(loadProfileCatalogue(list, files));
    EXPECT_EQ(namesOf(list), std::vector<std::string>{"JB 150#1"});

    // A working file that cannot be read does not fall back to another one.
    writeFileBytes(files.installed, fileOf({profile("MB 100", 2)}));
    std::filesystem::create_directory(files.working);
    EXPECT_FALSE(loadProfileCatalogue(list, files));
    EXPECT_EQ(namesOf(list), std::vector<std::string>{"JB 150#1"});
    EXPECT_TRUE(shell.shown.empty());
}

TEST_F(CatalogueFolder, AppendRewritesTheFileInNameOrder) {
    writeFileBytes(files.working, fileOf({profile("MB 100", 1), profile("JB 150", 2)}));
    Project project = testing::exampleProject();
    computeDesign(project);  // the web width is now the hot one
    BeamSection& section = project.section;
    std::strcpy(section.name, "LB 200");
    section.mass = 2.0f;
    section.length = 1000.0f;

    ProfileList list;
    ASSERT_TRUE(appendCustomProfile(list, section, files, shell));
    EXPECT_TRUE(shell.shown.empty());
    const std::string bytes = readFileBytes(files.working);
    ASSERT_EQ(bytes.size(), 3 * 96u);
    EXPECT_EQ(bytes.substr(96 + 88, 8), std::string(8, '\0')) << "link words";
    const auto records = decodeProfileRecords(bytes);
    EXPECT_EQ(std::string(records[0].name), "JB 150");
    EXPECT_EQ(std::string(records[1].name), "LB 200");
    EXPECT_EQ(std::string(records[2].name), "MB 100");
    EXPECT_EQ(records[1].massPerLength, 0.002f);
    EXPECT_EQ(records[1].webWidth, 100.0f) << "the finished web width";
    EXPECT_EQ(records[1].flangeSlope, 98.0f);
    EXPECT_EQ(records[1].rootRadius, 9.0f);
    EXPECT_EQ(records[1].area, 1460.0f);
    EXPECT_EQ(list.size(), 3);
}

TEST_F(CatalogueFolder, EqualNamesSwapOnEveryReload) {
    writeFileBytes(files.working, fileOf({profile("MB 100", 1)}));
    BeamSection section = testing::exampleSection();  // "MB 100", web width 100
    ProfileList list;
    ASSERT_TRUE(appendCustomProfile(list, section, files, shell));
    EXPECT_EQ(namesOf(list), (std::vector<std::string>{"MB 100#100", "MB 100#1"}));
    ASSERT_TRUE(loadProfileCatalogue(list, files));
    EXPECT_EQ(namesOf(list), (std::vector<std::string>{"MB 100#1", "MB 100#100"}));
}

TEST_F(CatalogueFolder, AppendWithoutAWorkingFileStartsFromTheInstalledOne) {
    const std::string installed = fileOf({profile("JB 150", 1)});
    writeFileBytes(files.installed, installed);
    ProfileList list;
    ASSERT_TRUE(appendCustomProfile(list, testing::exampleSection(), files, shell));
    EXPECT_EQ(namesOf(listInFile(files.working)),
              (std::vector<std::string>{"JB 150#1", "MB 100#100"}));
    EXPECT_EQ(readFileBytes(files.installed), installed);

    // With no catalogue file at all, the list in memory is the catalogue.
    std::filesystem::remove(files.working);
    std::filesystem::remove(files.installed);
    list = loadedFrom({profile("WB 150", 1)});
    ASSERT_TRUE(appendCustomProfile(list, testing::exampleSection(), files, shell));
    EXPECT_EQ(namesOf(listInFile(files.working)),
              (std::vector<std::string>{"MB 100#100", "WB 150#1"}));
}

TEST_F(CatalogueFolder, AppendRefusalsLeaveTheFileAsItWas) {
    const std::string old = fileOf({profile("JB 150", 1)});
    BeamSection noLength = testing::exampleSection();
    noLength.length = 0.0f;

    writeFileBytes(files.working, old);
    ProfileList list;
    EXPECT_FALSE(appendCustomProfile(list, noLength, files, shell));
    EXPECT_EQ(readFileBytes(files.working), old);

    std::filesystem::remove(files.working);
    std::filesystem::create_directory(files.working);  // there, but not readable as a file
    EXPECT_FALSE(appendCustomProfile(list, testing::exampleSection(), files, shell));
    EXPECT_TRUE(std::filesystem::is_directory(files.working));
    EXPECT_TRUE(list.empty());

    ASSERT_EQ(shell.shown.size(), 2u);
    EXPECT_EQ(shell.shown[0].text,
              "The length of the beam is 0, so its mass per unit length is undefined: the "
              "profile was not added");
    EXPECT_EQ(shell.shown[1].text, "Cannot read file profile.dat, so the profile was not added");
    for (const auto& shown : shell.shown) {
        EXPECT_EQ(shown.caption, "Error");
        EXPECT_EQ(shown.owner, MessageOwner::None);
    }
}

TEST_F(CatalogueFolder, FailedWriteKeepsTheOldFileAndTheNewRecordInMemory) {
    const std::string old = fileOf({profile("JB 150", 1)});
    writeFileBytes(files.working, old);
    ASSERT_EQ(chmod(files.working.c_str(), 0666), 0);
    ASSERT_EQ(chmod(folder.path().c_str(), 0555), 0);

    // 0: refused with the message; the list holds the old and the new record.
    const int result = testing::runInChild(testing::unprivileged(), [&] {
        ProfileList list;
        RecordingMessageShell childShell;
        if (appendCustomProfile(list, testing::exampleSection(), files, childShell)) return 1;
        if (childShell.shown.size() != 1 ||
            childShell.shown[0].text != "Cannot open file profile.dat") {
            return 2;
        }
        return list.size() == 2 ? 0 : 3;
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(readFileBytes(files.working), old);
    EXPECT_EQ(folder.listing(), "profile.dat\n");
}

TEST(DefaultCatalogueFiles, BesideTheProgramElseTheDataFolder) {
    TemporaryFolder folder;
    const std::string bin = folder / "bin";
    std::filesystem::create_directory(bin);
    EXPECT_EQ(defaultCatalogueFiles(bin).installed, bin + "/../share/rolvanta/profile.dat");
    writeFileBytes(bin + "/profile.dat", "");
    const CatalogueFiles files = defaultCatalogueFiles(bin);
    EXPECT_EQ(files.installed, bin + "/profile.dat");
    EXPECT_EQ(files.working, "profile.dat");
}

}  // namespace
}  // namespace rolvanta
