#pragma once

// Where the program finds the files it ships: the working directory first
// (as the catalogue's additions are written there), then beside the program,
// then the data folder it was installed with.

#include <QString>

namespace rolvanta {

// The path of the named file, or an empty string when it is nowhere.
QString findProgramFile(const QString& name);

// The path of the named file among the files shipped with the program (the
// working directory left out), or an empty string.
QString findShippedFile(const QString& name);

}  // namespace rolvanta
