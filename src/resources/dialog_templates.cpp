#include "resources/dialog_templates.h"

namespace rolvanta {

namespace {

constexpr unsigned kButton = kTabStop;
constexpr unsigned kDefault = kTabStop | kDefaultButton;
constexpr unsigned kScrollingEdit = kTabStop | kBorder | kAutoScroll;
constexpr unsigned kFittingEdit = kTabStop | kBorder;  // holds only what fits in it

constexpr ControlKind kPush = ControlKind::PushButton;
constexpr ControlKind kEdit = ControlKind::Edit;
constexpr ControlKind kText = ControlKind::Static;
constexpr ControlKind kFrame = ControlKind::GroupBox;

constexpr const char kFont[] = "MS Sans Serif";
constexpr int kFontPoints = 8;

namespace standard = standard_dialog;

constexpr ControlTemplate kStandardControls[] = {
    {standard::kOk, kPush, "OK", {210, 175, 45, 14}, kDefault},
    {standard::kCancel, kPush, "Cancel", {40, 175, 45, 14}, kButton},
    {standard::kProfileList,
     ControlKind::ListBox,
     "",
     {10, 15, 100, 60},
     kTabStop | kBorder | kVerticalScroll | kNotify},
    {standard::kDesignationFrame, kFrame, "Profile Designation", {120, 10, 160, 56}, kPlain},
    {kNoControlId, kText, "JB   - Indian Standard Junior Beams", {125, 20, 150, 8}, kPlain},
    {kNoControlId, kText, "LB   - Indian Standard Light Weight Beams", {125, 30, 150, 8}, kPlain},
    {kNoControlId, kText, "MB - Indian Standard Medium Weight Beams", {125, 40, 150, 8}, kPlain},
    {kNoControlId, kText, "WB - Indian Standard Wide Flange Beams", {125, 50, 150, 8}, kPlain},
    {kNoControlId, kText, "( All dimensions in mm )", {10, 70, 75, 8}, kPlain},
    {kNoControlId, kText, "Beam Name = ", {10, 80, 70, 8}, kPlain},
    {kNoControlId, kText, "Web Width = ", {10, 95, 70, 8}, kPlain},
    {kNoControlId, kText, "Web Thickness = ", {10, 110, 70, 8}, kPlain},
    {kNoControlId, kText, "Flange Height = ", {10, 125, 70, 8}, kPlain},
    {kNoControlId, kText, "Flange Thickness = ", {150, 80, 70, 8}, kPlain},
    {kNoControlId, kText, "Root Radius = ", {150, 95, 70, 8}, kPlain},
    {kNoControlId, kText, "Tip Radius = ", {150, 110, 70, 8}, kPlain},
    {kNoControlId, kText, "Flange Slope ( \xB0 ) = ", {150, 125, 70, 8}, kPlain},
    {kNoControlId, kText, "Cross Sectional Area Of Beam ( mm\xB2 ) = ", {10, 140, 140, 8}, kPlain},
    {kNoControlId, kText, "Mass Per Unit Length Of Beam ( Kg/mm ) = ", {10, 155, 140, 8}, kPlain},
    {standard::kName, kEdit, "", {80, 80, 40, 10}, kScrollingEdit},
    {standard::kWebWidth, kEdit, "", {80, 95, 40, 10}, kScrollingEdit},
    {standard::kWebThickness, kEdit, "", {80, 110, 40, 10}, kScrollingEdit},
    {standard::kFlangeHeight, kEdit, "", {80, 125, 40, 10}, kScrollingEdit},
    {standard::kFlangeThickness, kEdit, "", {220, 80, 40, 10}, kScrollingEdit},
    {standard::kRootRadius, kEdit, "", {220, 95, 40, 10}, kScrollingEdit},
    {standard::kTipRadius, kEdit, "", {220, 110, 40, 10}, kScrollingEdit},
    {standard::kFlangeSlope, kEdit, "", {220, 125, 40, 10}, kScrollingEdit},
    {standard::kArea, kEdit, "", {150, 140, 40, 10}, kScrollingEdit},
    {standard::kMassPerLength, kEdit, "", {150, 155, 40, 10}, kScrollingEdit},
};

namespace custom = custom_dialog;

constexpr ControlTemplate kCustomControls[] = {
    {kNoControlId, kText, "[ All Dimensions In mm ]  ", {10, 5, 90, 8}, kPlain},
    {custom::kRequiredFrame, kFrame, "Required", {5, 15, 280, 135}, kPlain},
    {kNoControlId, kText, "Beam Name", {10, 30, 90, 8}, kPlain},
    {kNoControlId, kText, "Web Width", {10, 50, 90, 8}, kPlain},
    {kNoControlId, kText, "Web Thickness ", {10, 70, 90, 8}, kPlain},
    {kNoControlId, kText, "Flange Height ", {10, 90, 90, 8}, kPlain},
    {kNoControlId, kText, "Mass Of Beam ( Kg )", {10, 110, 90, 8}, kPlain},
    {kNoControlId, kText, "Flange Thickness ", {150, 30, 90, 8}, kPlain},
    {kNoControlId, kText, "Root Radius ", {150, 50, 90, 8}, kPlain},
    {kNoControlId, kText, "Tip Radius ", {150, 70, 90, 8}, kPlain},
    {kNoControlId, kText, "Flange Slope ( \xB0 )", {150, 90, 90, 8}, kPlain},
    {kNoControlId, kText, "Length Of Beam ", {150, 110, 90, 8}, kPlain},
    {custom::kName, kEdit, "", {90, 30, 50, 10}, kFittingEdit},
    {custom::kWebWidth, kEdit, "", {90, 50, 50, 10}, kFittingEdit},
    {custom::kWebThickness, kEdit, "", {90, 70, 50, 10}, kFittingEdit},
    {custom::kFlangeHeight, kEdit, "", {90, 90, 50, 10}, kFittingEdit},
    {custom::kMass, kEdit, "", {90, 110, 50, 10}, kFittingEdit},
    {custom::kFlangeThickness, kEdit, "", {230, 30, 50, 10}, kFittingEdit},
    {custom::kRootRadius, kEdit, "", {230, 50, 50, 10}, kFittingEdit},
    {custom::kTipRadius, kEdit, "", {230, 70, 50, 10}, kFittingEdit},
    {custom::kFlangeSlope, kEdit, "", {230, 90, 50, 10}, kFittingEdit},
    {custom::kLength, kEdit, "", {230, 110, 50, 10}, kFittingEdit},
    {custom::kAddToCatalogue,
     ControlKind::CheckBox,
     "Add This Profile To Database",
     {5, 175, 150, 8},
     kTabStop | kAutoCheck},
    {custom::kOk, kPush, "OK", {198, 200, 45, 14}, kDefault},
    {custom::kCancel, kPush, "Cancel", {40, 200, 45, 14}, kButton},
};

constexpr ControlTemplate kSetupControls[] = {
    {setup_dialog::kOk, kPush, "OK", {115, 60, 45, 14}, kDefault},
    {setup_dialog::kCancel, kPush, "Cancel", {20, 60, 45, 14}, kButton},
    {kNoControlId, kText, "Number Of Passes", {5, 10, 145, 8}, kPlain},
    // \260 is the degree sign, 0xB0, written in octal where a hex digit follows.
    {kNoControlId, kText, "Temperature ( \260C )", {5, 30, 145, 8}, kPlain},
    {kNoControlId, kText, "[ 5 To 13 ]", {100, 10, 145, 8}, kPlain},
    {kNoControlId, kText, "[ 800 To 1200 ]", {100, 30, 145, 8}, kPlain},
    {setup_dialog::kPassCount, kEdit, "", {70, 10, 20, 10}, kFittingEdit},
    {setup_dialog::kTemperature, kEdit, "", {70, 30, 20, 10}, kFittingEdit},
};

constexpr ControlTemplate kAboutControls[] = {
    {kNoControlId, ControlKind::Icon, kProgramIcon, {5, 5, 21, 20}, kPlain},
    {kNoControlId, kFrame, " ROLVANTA 1.0 ", {35, 10, 110, 65}, kPlain},
    {kNoControlId, kText, "Software For Roll Pass Design", {7, 22, 166, 8}, kCentred},
    {kNoControlId, kText, "Of Hot-Rolled I-Beams", {7, 32, 166, 8}, kCentred},
    {kNoControlId, kText, "JB, LB, MB And WB Series", {7, 42, 166, 8}, kCentred},
    {kNoControlId, kText, "5 To 13 Passes, 800 To 1200 \260C", {7, 52, 166, 8}, kCentred},
    {kNoControlId, kText, "\xA9 The ROLVANTA Developers", {7, 62, 166, 8}, kCentred},
    {about_dialog::kOk, kPush, "OK", {70, 85, 45, 14}, kDefault},
};

namespace coefficients = coefficients_dialog;

constexpr ControlTemplate kCoefficientsControls[] = {
    {coefficients::kOk, kPush, "OK", {180, 100, 45, 14}, kDefault},
    {coefficients::kCancel, kPush, "Cancel", {45, 100, 45, 14}, kButton},
    {coefficients::kDefault, kPush, "Default", {310, 100, 45, 14}, kButton},
    {kNoControlId, kText, "Web Coefficients", {5, 10, 100, 8}, kPlain},
    {kNoControlId, kText, "Live Flange Coefficients", {5, 35, 100, 8}, kPlain},
    {kNoControlId, kText, "Dead Flange Coefficients", {5, 60, 100, 8}, kPlain},
    {coefficients::kWebList, kEdit, "", {90, 10, 100, 10}, kScrollingEdit},
    {coefficients::kLiveList, kEdit, "", {90, 35, 100, 10}, kScrollingEdit},
    {coefficients::kDeadList, kEdit, "", {90, 60, 100, 10}, kScrollingEdit},
    {coefficients::kWebFrom, kEdit, "", {220, 10, 20, 10}, kScrollingEdit},
    {coefficients::kLiveFrom, kEdit, "", {220, 35, 20, 10}, kScrollingEdit},
    {coefficients::kDeadFrom, kEdit, "", {220, 60, 20, 10}, kScrollingEdit},
    {kNoControlId, kText, "To", {245, 10, 10, 8}, kPlain},
    {kNoControlId, kText, "To", {245, 35, 10, 8}, kPlain},
    {kNoControlId, kText, "To", {245, 60, 10, 8}, kPlain},
    {coefficients::kWebTo, kEdit, "", {260, 10, 20, 10}, kScrollingEdit},
    {coefficients::kLiveTo, kEdit, "", {260, 35, 20, 10}, kScrollingEdit},
    {coefficients::kDeadTo, kEdit, "", {260, 60, 20, 10}, kScrollingEdit},
    {kNoControlId, kText, "1.00 To 1.50", {320, 10, 50, 8}, kPlain},
    {kNoControlId, kText, "1.00 To 1.50", {320, 35, 50, 8}, kPlain},
    {kNoControlId, kText, "1.00 To 1.50", {320, 60, 50, 8}, kPlain},
    {kNoControlId, kText, "[ Specify As 1.2 1.1 1 ...etc ] ", {5, 80, 100, 8}, kPlain},
    {coefficients::kLimitsFrame, kFrame, " Specify Limits", {200, 0, 100, 80}, kPlain},
    {coefficients::kDefaultLimitsFrame, kFrame, " Default Limits", {310, 0, 60, 80}, kPlain},
};

namespace mill = mill_dialog;

// The table scrolls across: eleven columns do not fit a dialog that fits
// an 800 x 600 screen.
constexpr ControlTemplate kMillControls[] = {
    {mill::kTable, ControlKind::Table, "", {5, 5, 390, 150}, kTabStop | kBorder},
    {kNoControlId, kText, "Mill Name", {5, 163, 60, 8}, kPlain},
    {mill::kName, kEdit, "", {70, 161, 100, 12}, kScrollingEdit},
    {kNoControlId, kText, "Entry Temperature [\260C]", {190, 163, 90, 8}, kPlain},
    {mill::kEntryTemperature, kEdit, "", {290, 161, 40, 12}, kScrollingEdit},
    {kNoControlId, kText, "Steel", {5, 179, 60, 8}, kPlain},
    {mill::kSteel, ControlKind::DropDown, "", {70, 177, 100, 13}, kTabStop},
    {kNoControlId, kText, "Carbon [%] (Shida only)", {190, 179, 90, 8}, kPlain},
    {mill::kCarbon, kEdit, "", {290, 177, 40, 12}, kScrollingEdit},
    {kNoControlId, kText, "Roll Material", {5, 195, 60, 8}, kPlain},
    {mill::kRollMaterial, ControlKind::DropDown, "", {70, 193, 100, 13}, kTabStop},
    {mill::kMore, kPush, "&More\x85", {290, 192, 50, 14}, kButton},
    {mill::kNote, kText, "", {5, 212, 390, 8}, kPlain},
    {mill::kFillDown, kPush, "&Fill Down", {5, 226, 50, 14}, kButton},
    {mill::kExample, kPush, "&Example Mill", {60, 226, 60, 14}, kButton},
    {mill::kOpen, kPush, "&Open Mill\x85", {125, 226, 60, 14}, kButton},
    {mill::kSave, kPush, "&Save Mill As\x85", {190, 226, 65, 14}, kButton},
    {mill::kOk, kPush, "OK", {295, 226, 45, 14}, kDefault},
    {mill::kCancel, kPush, "Cancel", {350, 226, 45, 14}, kButton},
};

namespace constants = mill_constants_dialog;

constexpr ControlTemplate kMillConstantsControls[] = {
    {kNoControlId, kText, "Emissivity", {5, 10, 100, 8}, kPlain},
    {constants::kEmissivity, kEdit, "", {110, 8, 50, 12}, kScrollingEdit},
    {kNoControlId, kText, "Convection [W/(m\xB2 K)]", {5, 26, 100, 8}, kPlain},
    {constants::kConvection, kEdit, "", {110, 24, 50, 12}, kScrollingEdit},
    {kNoControlId, kText, "Roll Contact [W/(m\xB2 K)]", {5, 42, 100, 8}, kPlain},
    {constants::kContact, kEdit, "", {110, 40, 50, 12}, kScrollingEdit},
    {kNoControlId, kText, "Roll Temperature [\260C]", {5, 58, 100, 8}, kPlain},
    {constants::kRollTemperature, kEdit, "", {110, 56, 50, 12}, kScrollingEdit},
    {kNoControlId, kText, "Heat Fraction", {5, 74, 100, 8}, kPlain},
    {constants::kHeatFraction, kEdit, "", {110, 72, 50, 12}, kScrollingEdit},
    {kNoControlId, kText, "Minimum Taper", {5, 90, 100, 8}, kPlain},
    {constants::kMinimumTaper, kEdit, "", {110, 88, 50, 12}, kScrollingEdit},
    {kNoControlId, kText, "Air Temperature [\260C]", {5, 106, 100, 8}, kPlain},
    {constants::kAirTemperature, kEdit, "", {110, 104, 50, 12}, kScrollingEdit},
    {kNoControlId, kText, "Density [kg/m\xB3]", {5, 122, 100, 8}, kPlain},
    {constants::kDensity, kEdit, "", {110, 120, 50, 12}, kScrollingEdit},
    {kNoControlId, kText, "Specific Heat [J/(kg K)]", {5, 138, 100, 8}, kPlain},
    {constants::kSpecificHeat, kEdit, "", {110, 136, 50, 12}, kScrollingEdit},
    {kNoControlId, kText, "Left empty, a constant takes its default.", {5, 156, 160, 8}, kPlain},
    {constants::kDefaults, kPush, "&Defaults", {5, 172, 45, 14}, kButton},
    {constants::kOk, kPush, "OK", {65, 172, 45, 14}, kDefault},
    {constants::kCancel, kPush, "Cancel", {120, 172, 45, 14}, kButton},
};

template <int N>
constexpr DialogTemplate dialog(const char* name, const char* caption, DialogRect rect,
                                const ControlTemplate (&controls)[N]) {
    return {name, caption, rect, kFont, kFontPoints, controls, N};
}

constexpr DialogTemplate kStandard = dialog(kStandardProfileDialog, "Indian Standard Profiles",
                                            {100, 32, 300, 200}, kStandardControls);
constexpr DialogTemplate kCustom =
    dialog(kCustomProfileDialog, "Custom Profile Dimensions", {150, 20, 290, 240}, kCustomControls);
constexpr DialogTemplate kSetup = dialog(kSetupDialog, "Setup", {100, 32, 180, 90}, kSetupControls);
constexpr DialogTemplate kAbout =
    dialog(kAboutDialog, "About ROLVANTA", {32, 32, 180, 110}, kAboutControls);
constexpr DialogTemplate kCoefficients =
    dialog(kCoefficientsDialog, "Enter Elongation Coefficients", {32, 32, 400, 130},
           kCoefficientsControls);
constexpr DialogTemplate kMill = dialog(kMillDialog, "Mill", {20, 20, 400, 246}, kMillControls);
constexpr DialogTemplate kMillConstants =
    dialog(kMillConstantsDialog, "Mill Constants", {40, 40, 170, 192}, kMillConstantsControls);

}  // namespace

const ControlTemplate* DialogTemplate::control(int id) const {
    for (const ControlTemplate& c : *this) {
        if (c.id == id) return &c;
    }
    return nullptr;
}

const std::vector<const DialogTemplate*>& allDialogTemplates() {
    static const std::vector<const DialogTemplate*> templates = {
        &kStandard, &kCustom, &kSetup, &kAbout, &kCoefficients, &kMill, &kMillConstants};
    return templates;
}

const DialogTemplate* findDialogTemplate(std::string_view resourceName) {
    for (const DialogTemplate* t : allDialogTemplates()) {
        if (resourceName == t->resourceName) return t;
    }
    return nullptr;
}

}  // namespace rolvanta
