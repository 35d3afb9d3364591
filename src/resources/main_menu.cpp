#include "resources/main_menu.h"

#include "resources/command_ids.h"

namespace rolvanta {
namespace {

MenuEntry item(const char* text, int command) { return {MenuEntryKind::Item, text, command, {}}; }

MenuEntry separator() { return {MenuEntryKind::Separator, "", 0, {}}; }

MenuEntry popup(const char* text, std::vector<MenuEntry> entries) {
    return {MenuEntryKind::Popup, text, 0, std::move(entries)};
}

std::vector<MenuEntry> buildMainMenu() {
    return {
        popup("&File",
              {
                  item("&New  Project    Ctrl+N", kMenuNewProject),
                  item("&Open Project    Ctrl+O", kMenuOpenProject),
                  item("&Save Project    Ctrl+S", kMenuSaveProject),
                  item("&S&ave as ...", kMenuSaveAs),
                  popup("&Export",
                        {
                            item("Pass Drawings (DXF) ...", kMenuExportPassDrawings),
                            item("Report (PDF) ...", kMenuExportReportPdf),
                            item("Print ...  Ctrl+P", kMenuPrint),
                            item("Picture Of The View (PNG) ...", kMenuExportViewPicture),
                            item("Schedule (CSV) ...", kMenuExportScheduleCsv),
                            item("Schedule (JSON) ...", kMenuExportScheduleJson),
                        }),
                  separator(),
                  item("E&xit\t\t\t  Ctrl+X", kMenuExit),
              }),
        popup("&Inputs",
              {
                  popup("&Profile Dimensions",
                        {
                            item("&Standard Profiles", kMenuStandardProfiles),
                            separator(),
                            item("&Custom Profiles", kMenuCustomProfiles),
                        }),
                  separator(),
                  item("&Setup", kMenuSetup),
                  separator(),
                  item("&Coefficients", kMenuCoefficients),
                  separator(),
                  item("&Mill", kMenuMill),
              }),
        popup("&Solve",
              {
                  item("&Compute", kMenuCompute),
                  separator(),
                  item("&Text Display", kMenuTextDisplay),
                  item("&Graphical Display", kMenuGraphicalDisplay),
                  item("&Schedule Table    Ctrl+T", kMenuScheduleTable),
                  item("&Mill Loads    Ctrl+L", kMenuMillLoads),
              }),
        popup("&Help",
              {
                  item("&Help\t\t\tF1", kMenuHelp),
                  item("&About  ROLVANTA", kMenuAbout),
              }),
    };
}

}  // namespace

const std::vector<MenuEntry>& mainMenu() {
    static const std::vector<MenuEntry> menu = buildMainMenu();
    return menu;
}

}  // namespace rolvanta
