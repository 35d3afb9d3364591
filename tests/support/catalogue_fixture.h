#pragma once

// Catalogue records for tests, and a test with a catalogue file of its own
// in a folder of its own.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "storage/file_io.h"
#include "storage/profile_catalogue.h"
#include "support/temporary_folder.h"

namespace rolvanta::testing {

// A beam named as given; the web width tells records of equal name apart.
inline ProfileRecord profile(const std::string& name, float webWidth) {
    ProfileRecord record{};
    std::memcpy(record.name, name.data(), std::min<std::size_t>(name.size(), kNameFieldSize));
    record.webWidth = webWidth;
    record.webThickness = webWidth / 25.0f;
    record.flangeHeight = webWidth * 0.75f;
    record.flangeThickness = webWidth * 0.072f;
    record.flangeSlope = 98.0f;
    record.massPerLength = 0.0115f;
    record.area = webWidth * 14.6f;
    return record;
}

// A catalogue file holding the records in the order given.
inline std::string catalogueBytes(const std::vector<ProfileRecord>& records) {
    std::string bytes;
    for (const ProfileRecord& r : records) bytes.append(reinterpret_cast<const char*>(&r), 96);
    return bytes;
}

// "name#webWidth" for each record, in order.
template <typename Records>
std::vector<std::string> namesOf(const Records& records) {
    std::vector<std::string> names;
    for (const ProfileRecord& r : records) {
        names.push_back(std::string(r.name) + "#" + std::to_string(int(r.webWidth)));
    }
    return names;
}

class CatalogueFixture : public ::testing::Test {
  protected:
    CatalogueFixture() {
        files.working = folder / "profile.dat";
        files.installed = folder / "installed.dat";
    }

    void writeCatalogue(const std::vector<ProfileRecord>& records) const {
        ASSERT_FALSE(replaceFile(files.working, catalogueBytes(records)));
    }
    std::vector<ProfileRecord> readCatalogue() const {
        return decodeProfileRecords(readFileBytes(files.working));
    }

    TemporaryFolder folder;
    CatalogueFiles files;
};

}  // namespace rolvanta::testing
