// Curves of immersed section areas and of wetted girths over equally spaced
// stations along the waterline, and their printed table.
#pragma once

#include <array>
#include <string>

#include "hydro/hydrostatics.h"

namespace skelmora {

enum class CurveKind { kAreas = 1, kLengths = 2 };

// The station arrays hold stations 0..50.
constexpr int kMaxCurveStations = 50;
constexpr int kDefaultCurveStations = 10;

struct CurveResults {
  int stations = kDefaultCurveStations;  // N; values for stations 0..N
  std::array<double, kMaxCurveStations + 1> areas{};    // both sides, ft^2 / m^2
  std::array<double, kMaxCurveStations + 1> lengths{};  // one-side girth, ft / m
  double maxArea = 0.0;
  double maxLength = 0.0;
};

inline constexpr const char* kNoDisplacementBelowLwlMessage =
    "This hull has no displacement below the LWL. Please Shift Hull";
inline constexpr const char* kCurveLabelCaption = "Title for Data";
inline constexpr const char* kCurveLabelPrompt = "Enter a Label for this data";

// The station count in use for a requested one: 0 (or less) means the
// default 10, and counts above 50 are held at 50.
int CurveStationCount(int requested);

// Areas and lengths at the stations. Refuses (kNoDisplacementBelowLwlMessage,
// lowestZ and the design's draft set to 1.0) when the extents' lowest z is
// not below -0.1; the extents must be current.
bool ComputeCurves(HullDesign& design, const Surface& surface, CutBuffers& cuts,
                   HydrostaticResults& results, Prompter& prompter, int requestedStations,
                   CurveResults& curves);

std::string CurveChartTitle(const std::string& designFileName, CurveKind kind);
std::string CurveAxisTitle(CurveKind kind, bool metric);

// "Print Data": the text the printer receives for stations 0..N (station 0
// is the curve's first point, plotted and printed alike), one line per
// station, each line ending in '\n'.
std::string FormatCurveTable(const CurveResults& curves, CurveKind kind, bool metric,
                             const std::string& label);

}  // namespace skelmora
