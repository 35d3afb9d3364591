#include "export/pass_drawing_set.h"

#include "engine/pass_fields.h"
#include "export/dxf_drawing.h"

namespace rolvanta {

std::string passDrawingFileName(std::string_view setName, int position) {
    const std::string file = passLayerName(position) + ".dxf";
    return setName.empty() ? file : std::string(setName) + "-" + file;
}

std::string passDrawingSetName(const std::string& chosenPath) {
    const std::string name = fileNameOf(chosenPath);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

std::vector<NamedFile> passDrawingSet(const Project& project, std::string_view setName) {
    std::vector<NamedFile> files;
    for (int position = 0; position < shownPassRecordCount(project.section); ++position) {
        files.push_back(
            {passDrawingFileName(setName, position), formatPassDrawingDxf(project, position)});
    }
    return files;
}

}  // namespace rolvanta
