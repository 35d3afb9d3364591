#pragma once

// Adding a typed section to the catalogue, for every front end: the
// Custom Profiles dialog's "add to the catalogue" and the command line's
// "catalogue add". When the catalogue already holds a beam of the section's
// name the front end is asked what to do; the whole working file is then
// rewritten atomically (appendCustomProfile), and a working file that is
// damaged or cannot be read is refused and left as it is.

#include <functional>
#include <optional>
#include <string>

#include "storage/profile_catalogue.h"

namespace rolvanta {

// What to do when the catalogue already holds a beam of the section's name.
enum class SameNameAnswer {
    Replace,   // the section takes the place of every beam of that name
    DoNotAdd,  // the catalogue stays as it is
    Cancel,    // nothing happens: the front end goes back to its input
};

// Asks the user; name is the beam's name (Windows-1252).
using SameNameQuestion = std::function<SameNameAnswer(const std::string& name)>;

enum class AdditionOutcome { Added, NotAdded, Cancelled, Failed };

struct CatalogueAddition {
    AdditionOutcome outcome = AdditionOutcome::Added;
    std::optional<StorageError> failure;  // Failed: what and why
};

// Whether the catalogue an addition extends holds a beam of exactly this
// name: the working file, or the installed one in place of a missing or
// empty working file. A damaged working file holds none to ask about: the
// addition is refused anyway.
bool catalogueHoldsName(const CatalogueFiles& files, const std::string& name);

// Adds the finished section (as takeCustomSection took it) to the catalogue
// files and to list; ask is called only for a name already there. On a
// failure the files are as they were.
CatalogueAddition addToCatalogue(ProfileList& list, const BeamSection& section,
                                 const CatalogueFiles& files, const SameNameQuestion& ask);

}  // namespace rolvanta
