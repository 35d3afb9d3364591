// Any bytes as a catalogue file: every whole record is loaded, in name order
// (a later equal name first), with terminated names and no NaN or infinity;
// one the damage check finds sound keeps its names.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "storage/profile_catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace rolvanta;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ProfileList list;
    list.assignFromFileBytes(bytes);
    if (static_cast<std::size_t>(list.size()) != size / sizeof(ProfileRecord)) std::abort();

    for (int i = 0; i < list.size(); ++i) {
        const ProfileRecord& r = list.at(i);
        if (strnlen(r.name, kNameFieldSize) == kNameFieldSize) std::abort();
        for (float value : {r.webWidth, r.webThickness, r.flangeHeight, r.flangeThickness,
                            r.flangeSlope, r.rootRadius, r.tipRadius, r.massPerLength, r.area}) {
            if (!std::isfinite(value)) std::abort();
        }
        if (i > 0 && profileNameLess(r, list.at(i - 1))) std::abort();
    }

    // The same order as decoding first and sorting the decoded records.
    ProfileList decoded;
    decoded.assignFromFileOrder(decodeProfileRecords(bytes));
    if (encodeProfileRecords(decoded) != encodeProfileRecords(list)) std::abort();

    // A file found sound reads back as it was written: names and numbers kept.
    if (!checkCatalogueBytes("fuzz", bytes) && size % sizeof(ProfileRecord) == 0) {
        const auto records = decodeProfileRecords(bytes);
        for (std::size_t i = 0; i < records.size(); ++i) {
            if (std::strncmp(records[i].name, bytes.data() + i * sizeof(ProfileRecord),
                             kNameFieldSize) != 0) {
                std::abort();
            }
        }
    }
    return 0;
}
