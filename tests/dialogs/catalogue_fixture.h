#pragma once

// A test with a catalogue file of its own in a scratch directory.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "storage/file_io.h"
#include "storage/profile_catalogue.h"

namespace rolvanta::testing {

inline ProfileRecord profile(const char* name, float webWidth) {
    ProfileRecord record{};
    std::strncpy(record.name, name, sizeof record.name - 1);
    record.webWidth = webWidth;
    record.webThickness = webWidth / 25.0f;
    record.flangeHeight = webWidth * 0.75f;
    record.flangeThickness = 7.2f;
    record.flangeSlope = 98.0f;
    record.massPerLength = 0.0115f;
    record.area = webWidth * 14.6f;
    return record;
}

class CatalogueFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        directory = std::filesystem::temp_directory_path() /
                    ("rolvanta-" +
                     std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(directory);
        std::filesystem::create_directories(directory);
        files.working = (directory / "profile.dat").string();
    }
    void TearDown() override { std::filesystem::remove_all(directory); }

    // Writes the records in the order given.
    void writeCatalogue(const std::vector<ProfileRecord>& records) const {
        std::string bytes;
        for (const ProfileRecord& r : records) bytes.append(reinterpret_cast<const char*>(&r), 96);
        ASSERT_TRUE(replaceFile(files.working, bytes));
    }
    std::vector<ProfileRecord> readCatalogue() const {
        std::string bytes;
        readWholeFile(files.working, bytes);
        return decodeProfileRecords(bytes);
    }

    std::filesystem::path directory;
    CatalogueFiles files;
};

}  // namespace rolvanta::testing
