// Any three lists of coefficients, for any pass count: nothing is written
// outside the coefficient rows, and every coefficient is a finite number.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "engine/coefficient_rules.h"

namespace {

// The coefficient set between two guards that must stay as they were.
struct Guarded {
    unsigned char before[64];
    rolvanta::CoefficientSet coefficients;
    unsigned char after[64];
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace rolvanta;
    if (size < 1) return 0;
    BeamSection section{};
    // Pass counts around and beyond the table, negative ones included.
    section.passCount = static_cast<std::int8_t>(data[0]);
    std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    // Three lists separated by newlines (a list itself never holds one).
    std::string_view lists[3];
    for (auto& list : lists) {
        const std::size_t end = text.find('\n');
        list = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }

    Guarded guarded;
    std::memset(&guarded, 0x5C, sizeof guarded);
    loadDefaultCoefficients(guarded.coefficients);
    parseCoefficientLists(guarded.coefficients, section, lists[0], lists[1], lists[2]);
    for (unsigned char byte : guarded.before)
        if (byte != 0x5C) std::abort();
    for (unsigned char byte : guarded.after)
        if (byte != 0x5C) std::abort();
    for (const float* row :
         {guarded.coefficients.webElongation, guarded.coefficients.liveFlangeElongation,
          guarded.coefficients.deadFlangeElongation}) {
        for (int k = 0; k < kPassTableSize; ++k) {
            if (!std::isfinite(row[k])) std::abort();
        }
    }
    return 0;
}
