#pragma once

// What a file reader may leave in a project it took: a pass count the
// tables hold, a name ended within its field, and no NaN or infinity in the
// section or in the first `records` pass records.

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "engine/pass_fields.h"
#include "engine/section_fields.h"

namespace rolvanta {

inline void abortUnlessSoundlyTaken(const Project& project, int records) {
    const BeamSection& s = project.section;
    if (s.passCount < 0 || s.passCount > kPassTableSize) std::abort();
    if (strnlen(s.name, kNameFieldSize) == kNameFieldSize) std::abort();
    for (const auto& field : kSectionFields) {
        if (!std::isfinite(s.*field.member)) std::abort();
    }
    for (int i = 0; i < records; ++i) {
        for (const auto& field : kPassFields) {
            if (!std::isfinite(project.passes.records[i].*field.member)) std::abort();
        }
    }
}

}  // namespace rolvanta
