#pragma once

// The input dialogs as plain data, the way a resource script states them:
// caption, place and size in dialog units, font, and every control in
// template order, which is also the tab order. Texts are Windows-1252 bytes.
// A dialog unit is a quarter of the dialog font's average character width
// across and an eighth of its height down.

#include <string_view>
#include <vector>

#include "resources/dialog_ids.h"

namespace rolvanta {

constexpr const char kStandardProfileDialog[] = "DIALOG_INPUTS_PROFILESELECTION_STANDARD";
constexpr const char kCustomProfileDialog[] = "DIALOG_INPUTS_PROFILESELECTION_CUSTOM";
constexpr const char kSetupDialog[] = "DIALOG_INPUTS_SETUP";
constexpr const char kAboutDialog[] = "DIALOG_HELP_ABOUT";
constexpr const char kCoefficientsDialog[] = "DIALOG_INPUTS_COEFFICIENTS";
constexpr const char kMillDialog[] = "DIALOG_INPUTS_MILL";
constexpr const char kMillConstantsDialog[] = "DIALOG_INPUTS_MILL_CONSTANTS";

// The program's icon, as the About dialog's icon control names it.
constexpr const char kProgramIcon[] = "ICON1";

// A table's rows and columns, and a drop-down's entries, are the dialog
// procedure's to set; the template gives their place only.
enum class ControlKind {
    PushButton,
    Edit,
    Static,
    GroupBox,
    ListBox,
    CheckBox,
    Icon,
    Table,
    DropDown
};

// Style bits of a control.
enum ControlStyle : unsigned {
    kPlain = 0,
    kTabStop = 1u << 0,
    kDefaultButton = 1u << 1,  // the button Enter presses
    kBorder = 1u << 2,
    kAutoScroll = 1u << 3,      // an edit scrolls; without it, it holds only what fits
    kCentred = 1u << 4,         // centred static text
    kVerticalScroll = 1u << 5,  // a list box's scroll bar
    kNotify = 1u << 6,          // a list box reports its clicks and double-clicks
    kAutoCheck = 1u << 7,       // a check box that toggles itself
};

// x, y from the dialog's top-left corner; all in dialog units.
struct DialogRect {
    int x;
    int y;
    int width;
    int height;
};

struct ControlTemplate {
    int id;  // kNoControlId for statics, frames and icons
    ControlKind kind;
    const char* text;  // Windows-1252; an icon control names its icon
    DialogRect rect;
    unsigned style;  // ControlStyle bits
};

struct DialogTemplate {
    const char* resourceName;
    const char* caption;  // Windows-1252
    DialogRect rect;      // the client area; x, y from the owner window's top-left
    const char* fontName;
    int fontPointSize;
    const ControlTemplate* controls;
    int controlCount;

    const ControlTemplate* begin() const { return controls; }
    const ControlTemplate* end() const { return controls + controlCount; }

    // The first control with this id; nullptr when there is none.
    const ControlTemplate* control(int id) const;
};

// The template of that resource name; nullptr when there is none.
const DialogTemplate* findDialogTemplate(std::string_view resourceName);

// Every dialog template.
const std::vector<const DialogTemplate*>& allDialogTemplates();

}  // namespace rolvanta
