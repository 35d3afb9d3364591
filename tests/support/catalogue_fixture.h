#pragma once

// A test with a catalogue file of its own in a folder of its own.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "storage/file_io.h"
#include "storage/profile_catalogue.h"
#include "support/temporary_folder.h"

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
    CatalogueFixture() { files.working = folder / "profile.dat"; }

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

    TemporaryFolder folder;
    CatalogueFiles files;
};

}  // namespace rolvanta::testing
