#pragma once

// The catalogue from the command line: the files a command reads (--catalogue
// or the usual ones), and the "catalogue" command with "list", "build" and
// "add" (a typed section, by the rule the Custom Profiles dialog follows).

#include <string>

#include "storage/profile_catalogue.h"

namespace CLI {
class App;
}

namespace rolvanta::cli {

// The catalogue named by --catalogue (empty: profile.dat in the working
// directory, else the one installed with the program).
CatalogueFiles catalogueFiles(const std::string& catalogue);

// Loads the catalogue; a damaged or empty working file is told, and the
// installed catalogue is used in its place when there is one. False when
// there is none to use, told in one line.
bool loadCatalogue(ProfileList& list, const CatalogueFiles& files);

// The options of "catalogue list", "catalogue build" and "catalogue add".
struct CatalogueOptions {
    std::string listed;            // list --catalogue
    std::string table, built;      // build CSV OUT
    std::string section, addedTo;  // add --section, --catalogue
    bool replace = false;          // add --replace
};

class CatalogueCommand {
  public:
    // Adds "catalogue" and its commands to app.
    explicit CatalogueCommand(CLI::App& app);
    CatalogueCommand(const CatalogueCommand&) = delete;  // the parser holds its fields
    CatalogueCommand& operator=(const CatalogueCommand&) = delete;

    // True when the command line gave it.
    bool given() const;

    // Runs the command given; the exit status.
    int run() const;

  private:
    CatalogueOptions o_;
    CLI::App* catalogue_;
    CLI::App* list_;
    CLI::App* build_;
    CLI::App* add_;
};

}  // namespace rolvanta::cli
