#pragma once

// The command identifiers of the main window: menu items (1000 to 4100) and
// toolbar buttons (105 to 117). The Export items lie between Save As and
// Exit, on numbers no other command uses. A click on either arrives as the same kind of
// command; a button and its menu item do the same thing.

namespace rolvanta {

enum CommandId : int {
    // Menu MAINMENU.
    kMenuNewProject = 1000,
    kMenuOpenProject = 1100,
    kMenuSaveProject = 1200,
    kMenuSaveAs = 1300,
    kMenuExit = 1999,
    kMenuStandardProfiles = 2000,
    kMenuCustomProfiles = 2020,
    kMenuCoefficients = 2100,
    kMenuSetup = 2200,
    kMenuCompute = 3000,
    kMenuTextDisplay = 3100,
    kMenuGraphicalDisplay = 3200,
    kMenuHelp = 4000,
    kMenuAbout = 4100,
    // The Schedule Table, the third display, on numbers no other command uses.
    kMenuScheduleTable = 3300,
    // The mill (Inputs) and its loads (Solve, the fourth display), on numbers
    // no other command uses.
    kMenuMill = 2300,
    kMenuMillLoads = 3400,

    // Popup Export of the File menu. No toolbar button.
    kMenuExportPassDrawings = 1310,
    kMenuExportReportPdf = 1320,
    kMenuPrint = 1330,
    kMenuExportViewPicture = 1340,
    kMenuExportScheduleCsv = 1350,
    kMenuExportScheduleJson = 1360,

    // Toolbar buttons. Save As and About have none.
    kButtonNewFile = 105,
    kButtonOpenFile = 106,
    kButtonSaveFile = 107,
    kButtonHelp = 108,
    kButtonStandardProfiles = 111,
    kButtonCustomProfiles = 112,
    kButtonCoefficients = 113,
    kButtonSetup = 114,
    kButtonCompute = 115,
    kButtonTextMode = 116,
    kButtonGraphicsMode = 117,
    kButtonScheduleTable = 118,
    kButtonMill = 119,
    kButtonMillLoads = 120,
};

}  // namespace rolvanta
