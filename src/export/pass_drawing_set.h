#pragma once

// The pass drawings as one DXF file per pass, named by one rule for every
// front end: the set's name, a dash and the pass's layer ("beam" gives
// "beam-PASS_02.dxf", "beam-PASS_03.dxf", ...), or the layer alone for a set
// without a name ("PASS_02.dxf", ...: the files of a folder of their own).

#include <string>
#include <string_view>
#include <vector>

#include "engine/project_records.h"
#include "storage/file_io.h"

namespace rolvanta {

// The file name of the pass at position in the set named setName.
std::string passDrawingFileName(std::string_view setName, int position);

// The name of the set a file chosen for it gives: its name without the
// folder and the extension ("/w/beam.dxf" gives "beam").
std::string passDrawingSetName(const std::string& chosenPath);

// Every pass the report lists, each in its own drawing (formatPassDrawingDxf)
// under its file name.
std::vector<NamedFile> passDrawingSet(const Project& project, std::string_view setName);

}  // namespace rolvanta
