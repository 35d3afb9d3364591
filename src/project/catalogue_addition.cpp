#include "project/catalogue_addition.h"

#include <cstring>

namespace rolvanta {

bool catalogueHoldsName(const CatalogueFiles& files, const std::string& name) {
    ProfileList offered;
    std::optional<StorageError> damaged;
    if (loadProfileCatalogue(offered, files, &damaged)) return false;
    if (damaged && !isEmptyCatalogueError(*damaged)) return false;
    return offered.hasName(name);
}

CatalogueAddition addToCatalogue(ProfileList& list, const BeamSection& section,
                                 const CatalogueFiles& files, const SameNameQuestion& ask) {
    const std::string name(section.name, strnlen(section.name, kNameFieldSize));
    SameName sameName = SameName::Keep;
    if (catalogueHoldsName(files, name)) {
        switch (ask(name)) {
            case SameNameAnswer::Replace:
                sameName = SameName::Replace;
                break;
            case SameNameAnswer::DoNotAdd:
                return {AdditionOutcome::NotAdded, std::nullopt};
            case SameNameAnswer::Cancel:
                return {AdditionOutcome::Cancelled, std::nullopt};
        }
    }
    if (StorageResult error = appendCustomProfile(list, section, files, sameName)) {
        return {AdditionOutcome::Failed, std::move(error)};
    }
    return {AdditionOutcome::Added, std::nullopt};
}

}  // namespace rolvanta
