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

#include "storage/profile_catalogue.h"
#include "support/catalogue_fixture.h"
#include "support/child_process.h"
#include "support/example_section.h"
#include "support/golden_file.h"

namespace rolvanta {
namespace {

using testing::catalogueBytes;
using testing::namesOf;
using testing::profile;
using testing::readFileBytes;
using testing::writeFileBytes;
using Names = std::vector<std::string>;

ProfileList loadedFrom(const std::vector<ProfileRecord>& records) {
    ProfileList list;
    list.assignFromFileBytes(catalogueBytes(records));
    return list;
}

// What a result tells, nothing for success.
std::optional<StorageFailure> failureOf(const StorageResult& result) {
    return result ? std::optional(result->what) : std::nullopt;
}

TEST(ProfileCatalogue, LoadsInNameOrder) {
    const struct {
        const char* name;
        std::vector<ProfileRecord> file;
        Names expected;
    } cases[] = {
        {"series, then the size as a number",
         {profile("LB 600", 1), profile("LB 75", 2), profile("JB 175", 3), profile("LB 100", 4),
          profile("JB 150", 5), profile("MB 90", 6), profile("MB 1000", 7)},
         {"JB 150#5", "JB 175#3", "LB 75#2", "LB 100#4", "LB 600#1", "MB 90#6", "MB 1000#7"}},
        {"sizes sharing digits",
         {profile("MB 150", 1), profile("MB 1000", 2), profile("MB 100", 3)},
         {"MB 100#3", "MB 150#1", "MB 1000#2"}},
        {"upper case first", {profile("mb", 1), profile("MB", 2)}, {"MB#2", "mb#1"}},
        {"unsigned bytes", {profile("\xE4", 1), profile("z", 2)}, {"z#2", "\xE4#1"}},
        {"a later equal name first",
         {profile("WB 600", 1), profile("WB 600", 2), profile("WB 600", 3)},
         {"WB 600#3", "WB 600#2", "WB 600#1"}},
        {"empty name first", {profile("A", 1), profile("", 2)}, {"#2", "A#1"}},
    };
    for (const auto& c : cases) EXPECT_EQ(namesOf(loadedFrom(c.file)), c.expected) << c.name;
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
        // The order one insertion after another gives, walking a linked list
        // from its head as the catalogue has always been built.
        std::list<ProfileRecord> inserted;
        for (const auto& record : records) {
            auto at = inserted.begin();
            while (at != inserted.end() && profileNameLess(*at, record)) ++at;
            inserted.insert(at, record);
        }
        EXPECT_EQ(namesOf(loadedFrom(records)), namesOf(inserted)) << round;
    }
}

TEST(ProfileCatalogue, DecodeTidiesEveryRecord) {
    ProfileRecord odd = profile("MB 200", 100);
    std::memset(odd.name + 7, 'x', kNameFieldSize - 7);  // garbage after the terminator
    odd.area = std::numeric_limits<float>::quiet_NaN();
    odd.rootRadius = -std::numeric_limits<float>::infinity();
    odd.next = 0xDEADBEEF;
    odd.prev = 0x12345678;
    const ProfileRecord full = profile(std::string(kNameFieldSize, 'n'), 100);

    const auto records = decodeProfileRecords(catalogueBytes({odd, full}) + std::string(40, 'q'));
    ASSERT_EQ(records.size(), 2u) << "a trailing piece of 40 bytes is ignored";
    EXPECT_EQ(std::string(records[0].name, kNameFieldSize), "MB 200" + std::string(46, '\0'));
    EXPECT_TRUE(records[0].area == 0 && records[0].rootRadius == 0) << "not numbers";
    EXPECT_EQ(records[0].next + records[0].prev, 0u) << "link words";
    EXPECT_EQ(std::string(records[1].name), std::string(51, 'n'));
}

class CatalogueFolder : public testing::CatalogueFixture {
  protected:
    ProfileList list;
};

TEST_F(CatalogueFolder, LoadTakesTheWorkingFileElseTheInstalledOne) {
    writeFileBytes(files.installed, catalogueBytes({profile("MB 100", 2)}));
    writeCatalogue({profile("LB 200", 1)});
    EXPECT_FALSE(loadProfileCatalogue(list, files));
    EXPECT_EQ(namesOf(list), Names{"LB 200#1"});

    std::filesystem::remove(files.working);
    EXPECT_FALSE(loadProfileCatalogue(list, files));
    EXPECT_EQ(namesOf(list), Names{"MB 100#2"});

    // A working file that cannot be read does not fall back to another one,
    // and with no file at all the list stays as it was.
    std::filesystem::create_directory(files.working);
    EXPECT_TRUE(loadProfileCatalogue(list, files));
    std::filesystem::remove(files.installed);
    std::filesystem::remove(files.working);
    EXPECT_TRUE(loadProfileCatalogue(list, files));
    EXPECT_EQ(namesOf(list), Names{"MB 100#2"});

    writeFileBytes(files.working, std::string(kLargestCatalogue + 96, '\0'));
    const StorageResult error = loadProfileCatalogue(list, files);
    ASSERT_TRUE(error);
    EXPECT_TRUE(error->what == StorageFailure::TooLarge && error->path == files.working);
}

TEST_F(CatalogueFolder, AppendRewritesTheFileInNameOrder) {
    writeCatalogue({profile("MB 100", 1), profile("JB 150", 2)});
    Project project = testing::computedProject();  // the web width is now the hot one
    BeamSection& section = project.section;
    std::strcpy(section.name, "LB 200");
    section.mass = 2.0f;

    ASSERT_FALSE(appendCustomProfile(list, section, files));
    const std::string bytes = readFileBytes(files.working);
    ASSERT_EQ(bytes.size(), 3 * 96u);
    EXPECT_EQ(bytes.substr(96 + 88, 8), std::string(8, '\0')) << "link words";
    const auto records = decodeProfileRecords(bytes);
    EXPECT_EQ(namesOf(records), (Names{"JB 150#2", "LB 200#100", "MB 100#1"}))
        << "the finished web width";
    const ProfileRecord& r = records[1];
    EXPECT_TRUE(r.massPerLength == 0.002f && r.flangeSlope == 98 && r.rootRadius == 9 &&
                r.area == 1460);
    EXPECT_EQ(namesOf(list), namesOf(records));

    // The new record goes before the equal name (a load turns them round:
    // "a later equal name first" in LoadsInNameOrder).
    writeCatalogue({profile("MB 100", 1)});
    ASSERT_FALSE(appendCustomProfile(list, testing::exampleSection(), files));
    EXPECT_EQ(namesOf(list), (Names{"MB 100#100", "MB 100#1"}));
}

TEST_F(CatalogueFolder, AppendWithoutAWorkingFileStartsFromTheInstalledOne) {
    const std::string installed = catalogueBytes({profile("JB 150", 1)});
    writeFileBytes(files.installed, installed);
    ASSERT_FALSE(appendCustomProfile(list, testing::exampleSection(), files));
    EXPECT_EQ(namesOf(readCatalogue()), (Names{"JB 150#1", "MB 100#100"}));
    EXPECT_EQ(readFileBytes(files.installed), installed);

    // With no catalogue file at all, the list in memory is the catalogue.
    std::filesystem::remove(files.working);
    std::filesystem::remove(files.installed);
    list = loadedFrom({profile("WB 150", 1)});
    ASSERT_FALSE(appendCustomProfile(list, testing::exampleSection(), files));
    EXPECT_EQ(namesOf(readCatalogue()), (Names{"MB 100#100", "WB 150#1"}));
}

TEST_F(CatalogueFolder, AppendRefusalsLeaveTheFileAsItWas) {
    const std::string old = catalogueBytes({profile("JB 150", 1)});
    BeamSection noLength = testing::exampleSection();
    noLength.length = 0.0f;
    writeFileBytes(files.working, old);
    EXPECT_EQ(failureOf(appendCustomProfile(list, noLength, files)), StorageFailure::Refused);
    EXPECT_EQ(readFileBytes(files.working), old);

    std::filesystem::remove(files.working);
    std::filesystem::create_directory(files.working);  // there, but not readable as a file
    EXPECT_EQ(failureOf(appendCustomProfile(list, testing::exampleSection(), files)),
              StorageFailure::CannotRead);
    EXPECT_TRUE(std::filesystem::is_directory(files.working));
    EXPECT_TRUE(list.empty());
}

TEST_F(CatalogueFolder, ADamagedOrEmptyWorkingFileIsToldAndTheInstalledOneUsed) {
    const std::string installed = catalogueBytes({profile("JB 150", 1)});
    writeFileBytes(files.installed, installed);
    const std::string good = catalogueBytes({profile("MB 100", 1), profile("MB 200", 2)});
    auto withFloat = [&](std::size_t offset, float value) {
        std::string bytes = good;
        std::memcpy(&bytes[96 + offset], &value, sizeof value);
        return bytes;
    };
    std::string unterminated = good;
    unterminated.replace(96, kNameFieldSize, std::string(kNameFieldSize, 'M'));
    std::string control = good;
    control[96 + 2] = '\x07';
    const std::string damaged[] = {
        "",
        good + std::string(40, 'x'),  // a piece of a record at the end
        unterminated,
        control,
        withFloat(offsetof(ProfileRecord, area), NAN),
        withFloat(offsetof(ProfileRecord, webThickness), -4.0f),
    };
    const std::string folderName = std::filesystem::absolute(folder.path()).string();
    std::string told;
    for (const std::string& bytes : damaged) {
        writeFileBytes(files.working, bytes);
        std::optional<StorageError> passedOver;
        EXPECT_FALSE(loadProfileCatalogue(list, files, &passedOver));
        EXPECT_EQ(namesOf(list), Names{"JB 150#1"});
        ASSERT_TRUE(passedOver);
        told +=
            testing::replaced(describeDamagedCatalogue(*passedOver), folderName, "FOLDER") + "\n";

        // An addition never builds on a damaged file.
        const auto refused = failureOf(appendCustomProfile(list, testing::exampleSection(), files));
        if (bytes.empty()) {
            EXPECT_EQ(refused, std::nullopt);
            EXPECT_EQ(namesOf(readCatalogue()), (Names{"JB 150#1", "MB 100#100"}))
                << "an empty file is extended from the catalogue offered";
        } else {
            EXPECT_EQ(refused, StorageFailure::NotValid);
            EXPECT_EQ(readFileBytes(files.working), bytes);
        }
    }
    testing::expectGolden("damaged-catalogues.txt", told);
    // Nothing installed: the damage is the error, and the list stays.
    std::filesystem::remove(files.installed);
    writeFileBytes(files.working, good + "x");
    EXPECT_EQ(failureOf(loadProfileCatalogue(list, files)), StorageFailure::NotValid);
    EXPECT_EQ(namesOf(list), Names{"JB 150#1"});
    EXPECT_TRUE(checkCatalogueBytes("x", good) == std::nullopt);
}

TEST_F(CatalogueFolder, ASameNameIsReplacedOnlyWhenAsked) {
    writeCatalogue({profile("MB 100", 1), profile("MB 200", 2)});
    ASSERT_FALSE(appendCustomProfile(list, testing::exampleSection(), files, SameName::Replace));
    EXPECT_EQ(namesOf(readCatalogue()), (Names{"MB 100#100", "MB 200#2"}));
    EXPECT_TRUE(list.hasName("MB 100"));
    EXPECT_FALSE(list.hasName("MB 10"));
}

TEST_F(CatalogueFolder, FailedWriteKeepsTheOldFileAndTheNewRecordInMemory) {
    const std::string old = catalogueBytes({profile("JB 150", 1)});
    writeFileBytes(files.working, old);
    ASSERT_EQ(chmod(files.working.c_str(), 0666), 0);
    ASSERT_EQ(chmod(folder.path().c_str(), 0555), 0);

    // 0: refused with the message; the list holds the old and the new record.
    const int result = testing::runInChild(testing::unprivileged(), [&] {
        const StorageResult error = appendCustomProfile(list, testing::exampleSection(), files);
        if (!error) return 1;
        if (error->what != StorageFailure::CannotWrite) return 2;
        return list.size() == 2 ? 0 : 3;
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(readFileBytes(files.working), old);
    EXPECT_EQ(folder.listing(), "profile.dat\n");
}

// The installed catalogue is found beside the program by the tool's golden
// cases and in the data folder by tests/install; the working file is the
// one in the working folder.
TEST(DefaultCatalogueFiles, TheWorkingFileIsTheWorkingFoldersOwn) {
    EXPECT_EQ(defaultCatalogueFiles("/nowhere/bin").working, "profile.dat");
}

}  // namespace
}  // namespace rolvanta
