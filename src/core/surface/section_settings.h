// The settings behind the displayed sections: "Station, Waterline & Buttock
// Settings", the lines quality, "Single Stations, Waterlines, Buttocks" and
// "Hull Surface Accuracy". A function per dialog action, taking the dialog's
// values; the dialogs only show and collect them.
#pragma once

#include <array>

#include "model/hull_design.h"
#include "model/prompter.h"
#include "surface/surface.h"

namespace skelmora {

// --- "Station, Waterline & Buttock Settings" ------------------------------

enum class StationReference { kBow, kCutwater, kUserSpecified };

struct CurveSettings {
  int stationCount = 15;
  int waterlineCount = 9;
  int buttockCount = 3;
  double stationSpacing = 0.0;
  double waterlineSpacing = 0.0;
  double buttockSpacing = 0.0;
  bool spacingMode = false;  // "Select Curve Reference": "Spacing" (else "Number")
  StationReference stationReference = StationReference::kBow;
  double userBowOffset = 0.0;
  int chineLinePoints = 70;
  int edgeLinePoints = 70;
};

// On show: the design's settings; spacingMode is the program's run-time
// choice. "User Specified" when the user bow offset is not 0, else
// "Cutwater" or "Bow Reference - 0" by the cutwater flag.
CurveSettings CurveSettingsOf(const HullDesign& design, bool spacingMode);

// On close, by either button: the values go into the design. "Number" mode
// sets the three spacings to 0; "Spacing" mode sets to 0 the number of each
// kind currently shown (ShowStations, ShowWaterlines, ShowButtocks), so the
// drawing derives it afresh. "Bow Reference - 0" clears the cutwater flag and
// "Cutwater" sets it, both with user bow offset 0; "User Specified" keeps the
// flag and takes the offset's absolute value. With ok the grid is evaluated;
// the caller repaints the open views.
void CloseCurveSettings(HullDesign& design, Surface& surface, const CurveSettings& settings,
                        bool ok);

// --- "Lines Quality" --------------------------------------------------------

enum class LinesQuality { kNone, kGood, kBetter, kBest };

// Sets ColumnDivisions = LastColumn * k and RowDivisions = LastRow * k, k = 3,
// 5 or 10, each limited to 1..200.
void SetLinesQuality(HullDesign& design, LinesQuality quality);

// The item whose divisions match the current ones; kNone when none does.
LinesQuality CurrentLinesQuality(const HullDesign& design);

// --- "Single Stations, Waterlines, Buttocks" --------------------------------

enum class SectionKind { kStation, kWaterline, kButtock };

inline constexpr int kSingleSectionRows = 30;

inline constexpr const char* kStationTooFar = "Station Position Exceeds The Hull Length";
inline constexpr const char* kWaterlineTooFar =
    "Waterline Position Exceeds The Hull Height or Draft";
inline constexpr const char* kButtockTooFar = "Buttock Position Exceeds The Hull Beam";

// A value entered into a cell, checked: the value the cell keeps. A negative
// station or buttock becomes 0; a station beyond the hull length, a waterline
// above the highest or below the lowest z of the surface, and a buttock beyond
// the body view's half-width (1.1 times the largest vertex x) become 0 with
// their error message.
double CheckSingleSection(HullDesign& design, Surface& surface, Prompter& prompter,
                          SectionKind kind, double value);

// The dialog's grids; a cell holding 0 counts as empty. The station grid
// holds as many cells as the station list (50): a dialog that shows 30 rows
// passes the rest back as StationCellsOf gave them, so a longer list from a
// file survives the dialog.
struct SingleSections {
  std::array<double, kMaxSpecialStations> stations{};
  std::array<double, kSingleSectionRows> waterlines{};
  std::array<double, kSingleSectionRows> buttocks{};
  bool stationsChecked = false;  // the kind's check box ("Hide All Lines" clears all three)
  bool waterlinesChecked = false;
  bool buttocksChecked = false;
};

// On show: the station cells from the station list.
std::array<double, kMaxSpecialStations> StationCellsOf(const HullDesign& design);

// OK: each checked kind's list is rebuilt from its cells in grid order, every
// non-zero cell packed from the start, and is shown when not empty; an
// unchecked kind gets an empty list and is not shown. The caller repaints.
void ApplySingleSections(HullDesign& design, const SingleSections& cells);

// --- "Hull Surface Accuracy" ------------------------------------------------

// "Accuracy in Inches" or "Accuracy in mm".
const char* AccuracyLabel(const HullDesign& design);

// On close (the dialog stores every typed value into SurfaceAccuracy at
// once): Cancel, or an accuracy not above 0.00001, sets it to 0.01 and
// returns false; OK with a valid value returns true and the caller repaints.
bool CloseAccuracy(HullDesign& design, bool ok);

}  // namespace skelmora
