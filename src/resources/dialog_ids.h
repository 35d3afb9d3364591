#pragma once

// Control identifiers of the input dialogs, shared by the dialog templates
// and the dialog procedures. Statics, frames and the icon carry kNoControlId.

namespace rolvanta {

constexpr int kNoControlId = -1;

// The command a dialog receives when the user presses Esc or the close box.
constexpr int kDialogCancelCommand = 2;

// Indian Standard Profiles (DIALOG_INPUTS_PROFILESELECTION_STANDARD).
namespace standard_dialog {
constexpr int kName = 2001;
constexpr int kWebWidth = 2002;
constexpr int kWebThickness = 2003;
constexpr int kFlangeHeight = 2004;
constexpr int kFlangeThickness = 2005;
constexpr int kRootRadius = 2006;
constexpr int kTipRadius = 2007;
constexpr int kFlangeSlope = 2008;
constexpr int kArea = 2009;
constexpr int kMassPerLength = 2010;
constexpr int kOk = 2011;
constexpr int kCancel = 2012;
constexpr int kProfileList = 2013;
constexpr int kDesignationFrame = 7120;
}  // namespace standard_dialog

// Custom Profile Dimensions (DIALOG_INPUTS_PROFILESELECTION_CUSTOM).
namespace custom_dialog {
constexpr int kName = 2021;
constexpr int kWebWidth = 2022;
constexpr int kWebThickness = 2023;
constexpr int kFlangeHeight = 2024;
constexpr int kMass = 2025;
constexpr int kFlangeThickness = 2026;
constexpr int kRootRadius = 2027;
constexpr int kTipRadius = 2028;
constexpr int kFlangeSlope = 2029;
constexpr int kLength = 2030;
constexpr int kOk = 2031;
constexpr int kCancel = 2032;
constexpr int kAddToCatalogue = 2033;
constexpr int kRequiredFrame = 4055;
}  // namespace custom_dialog

// Setup (DIALOG_INPUTS_SETUP).
namespace setup_dialog {
constexpr int kOk = 1;
constexpr int kCancel = 2;
constexpr int kPassCount = 2201;
constexpr int kTemperature = 2202;
}  // namespace setup_dialog

// About ROLVANTA (DIALOG_HELP_ABOUT).
namespace about_dialog {
constexpr int kOk = 1;
}  // namespace about_dialog

// Enter Elongation Coefficients (DIALOG_INPUTS_COEFFICIENTS).
namespace coefficients_dialog {
constexpr int kWebList = 2101;
constexpr int kLiveList = 2102;
constexpr int kDeadList = 2103;
constexpr int kWebFrom = 2107;
constexpr int kLiveFrom = 2108;
constexpr int kDeadFrom = 2109;
constexpr int kWebTo = 2113;
constexpr int kLiveTo = 2114;
constexpr int kDeadTo = 1215;
constexpr int kDefault = 2119;
constexpr int kOk = 2120;
constexpr int kCancel = 2121;
constexpr int kLimitsFrame = 4431;
constexpr int kDefaultLimitsFrame = 4432;
}  // namespace coefficients_dialog

// Mill (DIALOG_INPUTS_MILL): the stands in a table, one row per pass in
// rolling order, and the mill as a whole.
namespace mill_dialog {
constexpr int kOk = 1;
constexpr int kCancel = 2;
constexpr int kTable = 2301;
constexpr int kName = 2302;
constexpr int kEntryTemperature = 2303;
constexpr int kSteel = 2304;
constexpr int kCarbon = 2305;
constexpr int kRollMaterial = 2306;
constexpr int kMore = 2307;
constexpr int kFillDown = 2308;
constexpr int kExample = 2309;
constexpr int kOpen = 2310;
constexpr int kSave = 2311;
constexpr int kNote = 2312;  // what the mill shown is: an example, a file fitted, a file saved
}  // namespace mill_dialog

// Mill Constants (DIALOG_INPUTS_MILL_CONSTANTS), the Mill dialog's More.
namespace mill_constants_dialog {
constexpr int kOk = 1;
constexpr int kCancel = 2;
constexpr int kEmissivity = 2321;
constexpr int kConvection = 2322;
constexpr int kContact = 2323;
constexpr int kRollTemperature = 2324;
constexpr int kHeatFraction = 2325;
constexpr int kMinimumTaper = 2326;
constexpr int kAirTemperature = 2327;
constexpr int kDensity = 2328;
constexpr int kSpecificHeat = 2329;
constexpr int kDefaults = 2330;
}  // namespace mill_constants_dialog

}  // namespace rolvanta
