#pragma once

// The outline geometry lives in the engine, where the design checks read it
// too; the pass view draws it.
#include "engine/section_outline.h"
