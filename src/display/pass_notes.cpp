#include "display/pass_notes.h"

namespace rolvanta {

void setPassNotes(PassNotes& notes, int position, const std::vector<std::string>& texts,
                  const std::string& listedIn) {
    if (position < 0 || position >= kPassTableSize) return;
    std::vector<std::string>& lines = notes.lines[position];
    lines.clear();
    for (const std::string& text : texts) {
        if (static_cast<int>(lines.size()) == kShownPassNotes) {
            const std::size_t more = texts.size() - lines.size();
            lines.push_back("and " + std::to_string(more) + " more: see " + listedIn);
            break;
        }
        lines.push_back(text);
    }
}

}  // namespace rolvanta
