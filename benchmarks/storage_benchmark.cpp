// Loading a catalogue of a million beams, side by side with just reading the
// file's bytes: the load must stay within three times the read.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "storage/file_io.h"
#include "storage/profile_catalogue.h"
#include "support/temporary_folder.h"

namespace {

using rolvanta::ProfileRecord;

constexpr int kRecords = 1'000'000;

// A catalogue file of kRecords beams named like "MB 123456", shuffled or in
// the name order the program writes.
class CatalogueFile {
  public:
    explicit CatalogueFile(bool shuffled) {
        std::vector<ProfileRecord> records(kRecords);
        for (int i = 0; i < kRecords; ++i) {
            ProfileRecord& record = records[i];
            std::snprintf(record.name, sizeof record.name, "%s %d", kSeries[i % 4], i / 4);
            record.webWidth = 100.0f + float(i % 500);
            record.flangeSlope = 98.0f;
        }
        if (shuffled) std::shuffle(records.begin(), records.end(), std::mt19937(808));
        std::string bytes(reinterpret_cast<const char*>(records.data()),
                          records.size() * sizeof(ProfileRecord));
        rolvanta::testing::writeFileBytes(path(), bytes);
    }

    std::string path() const { return folder_ / "profile.dat"; }

  private:
    static constexpr const char* kSeries[] = {"JB", "LB", "MB", "WB"};
    rolvanta::testing::TemporaryFolder folder_;
};

const CatalogueFile& catalogue(bool shuffled) {
    static const CatalogueFile inOrder(false);
    static const CatalogueFile mixed(true);
    return shuffled ? mixed : inOrder;
}

void BM_ReadCatalogueBytes(benchmark::State& state) {
    const std::string path = catalogue(state.range(0) != 0).path();
    std::string bytes;
    for (auto _ : state) {
        rolvanta::readWholeFile(path, bytes);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * kRecords * int64_t{sizeof(ProfileRecord)});
}

void BM_LoadCatalogue(benchmark::State& state) {
    rolvanta::CatalogueFiles files;
    files.working = catalogue(state.range(0) != 0).path();
    rolvanta::ProfileList list;
    for (auto _ : state) {
        rolvanta::loadProfileCatalogue(list, files);
        benchmark::DoNotOptimize(list.at(0));
    }
    state.SetBytesProcessed(state.iterations() * kRecords * int64_t{sizeof(ProfileRecord)});
}

// Argument 1: the records in random name order; 0: in the order the program
// writes them.
BENCHMARK(BM_ReadCatalogueBytes)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadCatalogue)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
