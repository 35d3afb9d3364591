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

}  // namespace rolvanta
