#pragma once

// The checks of the mill loads, pass by pass in rolling order: a stand limit
// exceeded, a bite the rolls cannot grip, a finishing temperature far from
// the one the hot dimensions assume, a pass outside the flow-stress data, an
// efficiency that cannot be, and the input errors of the mill. They travel
// with the design checks (project/design_checks.h) as DesignWarnings: the
// text names the pass, what is wrong and by how much ("Pass 9: roll force
// 2310 kN above the stand's 2000 kN (116 %)"). A warning about the mill as
// a whole (Shida's carbon content, told once) has pass 0 and begins "Mill: ".
// Texts are UTF-8.

#include <vector>

#include "engine/project_records.h"
#include "project/design_checks.h"

namespace rolvanta {

// The warnings of the project's loads in rolling order; none without loads.
std::vector<DesignWarning> checkLoads(const Project& project);

// The design checks, then the load checks: what the status bar counts, the
// pass view's captions show and the outputs carry.
std::vector<DesignWarning> checkProject(const Project& project);

}  // namespace rolvanta
