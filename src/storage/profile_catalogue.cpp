#include "storage/profile_catalogue.h"

#include <algorithm>
#include <cstring>

namespace rolvanta {

bool profileNameLess(const ProfileRecord& a, const ProfileRecord& b) {
    // strncmp compares as unsigned char; the bound keeps a name without a
    // terminator inside its field.
    return std::strncmp(a.name, b.name, kNameFieldSize) < 0;
}

void ProfileList::insertSorted(const ProfileRecord& record) {
    // lower_bound: the first record whose name is not less, so a new equal
    // name goes before the existing ones.
    const auto at = std::lower_bound(records_.begin(), records_.end(), record, profileNameLess);
    records_.insert(at, record);
}

void ProfileList::assignFromFileOrder(std::vector<ProfileRecord> records) {
    // Inserting each record in turn puts a later equal name before the earlier
    // ones: that is a stable sort of the records in reverse file order.
    std::reverse(records.begin(), records.end());
    std::stable_sort(records.begin(), records.end(), profileNameLess);
    records_ = std::move(records);
}

void insertProfileSorted(ProfileList& list, const ProfileRecord& record) {
    list.insertSorted(record);
}

}  // namespace rolvanta
