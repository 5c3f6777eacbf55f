#include "surface/section_settings.h"
#include "surface/surface_build.h"

#include <algorithm>
#include <cmath>

namespace skelmora {

namespace {

constexpr double kSmallestAccuracy = 0.00001;
constexpr double kDefaultAccuracy = 0.01;

int QualityFactor(LinesQuality quality) {
  switch (quality) {
    case LinesQuality::kGood:
      return 3;
    case LinesQuality::kBetter:
      return 5;
    case LinesQuality::kBest:
      return 10;
    case LinesQuality::kNone:
      break;
  }
  return 0;
}

int Divisions(int32_t last, int factor) {
  return std::clamp(ClampIndex(last) * factor, 1, kMaxDivisions);
}

double LargestVertexX(const HullDesign& design) {
  double largest = 0.0;
  for (int c = 0; c <= ClampIndex(design.LastColumn); ++c) {
    for (int r = 0; r <= ClampIndex(design.LastRow); ++r) {
      largest = std::max(largest, static_cast<double>(design.Net[c][r].x));
    }
  }
  return largest;
}

template <size_t N, size_t M>
int Pack(const std::array<double, N>& cells, std::array<double, M>& list) {
  int count = 0;
  for (double cell : cells) {
    if (cell != 0.0 && std::isfinite(cell) && count + 1 < static_cast<int>(M)) {
      list[++count] = cell;  // the lists are 1-based
    }
  }
  return count;
}

}  // namespace

CurveSettings CurveSettingsOf(const HullDesign& design, bool spacingMode) {
  CurveSettings s;
  s.stationCount = design.StationCount;
  s.waterlineCount = design.WaterlineCount;
  s.buttockCount = design.ButtockCount;
  s.stationSpacing = design.StationSpacing;
  s.waterlineSpacing = design.WaterlineSpacing;
  s.buttockSpacing = design.ButtockSpacing;
  s.spacingMode = spacingMode;
  s.stationReference = design.UserBowOffset != 0.0 ? StationReference::kUserSpecified
                       : design.StationRefCutwater ? StationReference::kCutwater
                                                   : StationReference::kBow;
  s.userBowOffset = design.UserBowOffset;
  s.chineLinePoints = design.ChineLinePoints;
  s.edgeLinePoints = design.EdgeLinePoints;
  return s;
}

void CloseCurveSettings(HullDesign& design, Surface& surface, const CurveSettings& s, bool ok) {
  design.StationCount = s.stationCount;
  design.WaterlineCount = s.waterlineCount;
  design.ButtockCount = s.buttockCount;
  design.StationSpacing = s.stationSpacing;
  design.WaterlineSpacing = s.waterlineSpacing;
  design.ButtockSpacing = s.buttockSpacing;
  design.ChineLinePoints = s.chineLinePoints;
  design.EdgeLinePoints = s.edgeLinePoints;
  switch (s.stationReference) {
    case StationReference::kBow:
      design.StationRefCutwater = false;
      design.UserBowOffset = 0.0;
      break;
    case StationReference::kCutwater:
      design.StationRefCutwater = true;
      design.UserBowOffset = 0.0;
      break;
    case StationReference::kUserSpecified:
      design.UserBowOffset = std::isfinite(s.userBowOffset) ? std::fabs(s.userBowOffset) : 0.0;
      break;
  }
  if (s.spacingMode) {
    if (design.ShowStations) design.StationCount = 0;
    if (design.ShowWaterlines) design.WaterlineCount = 0;
    if (design.ShowButtocks) design.ButtockCount = 0;
  } else {
    design.StationSpacing = 0.0;
    design.WaterlineSpacing = 0.0;
    design.ButtockSpacing = 0.0;
  }
  if (ok) EvaluateSurfaceGrid(design, surface);
}

void SetLinesQuality(HullDesign& design, LinesQuality quality) {
  const int k = QualityFactor(quality);
  if (k == 0) return;
  design.ColumnDivisions = Divisions(design.LastColumn, k);
  design.RowDivisions = Divisions(design.LastRow, k);
}

LinesQuality CurrentLinesQuality(const HullDesign& design) {
  for (LinesQuality q : {LinesQuality::kGood, LinesQuality::kBetter, LinesQuality::kBest}) {
    if (Divisions(design.LastColumn, QualityFactor(q)) == design.ColumnDivisions) return q;
  }
  return LinesQuality::kNone;
}

double CheckSingleSection(HullDesign& design, Surface& surface, Prompter& prompter,
                          SectionKind kind, double value) {
  if (!std::isfinite(value)) return 0.0;
  ComputeExtents(design, surface);
  const HullExtents& e = surface.extents;
  switch (kind) {
    case SectionKind::kStation:
      if (value < 0.0) return 0.0;
      if (value > e.hullLength) {
        prompter.ShowError(kStationTooFar);
        return 0.0;
      }
      return value;
    case SectionKind::kWaterline:
      if (value > e.highestZ || value < e.lowestZ) {
        prompter.ShowError(kWaterlineTooFar);
        return 0.0;
      }
      return value;
    case SectionKind::kButtock:
      break;
  }
  if (value < 0.0) return 0.0;
  if (value > 1.1 * LargestVertexX(design)) {
    prompter.ShowError(kButtockTooFar);
    return 0.0;
  }
  return value;
}

std::array<double, kMaxSpecialStations> StationCellsOf(const HullDesign& design) {
  std::array<double, kMaxSpecialStations> cells{};
  const int count = std::clamp<int32_t>(design.SpecialStationCount, 0, kMaxSpecialStations);
  for (int k = 0; k < count; ++k) cells[k] = design.SpecialStations[k + 1];
  return cells;
}

void ApplySingleSections(HullDesign& design, const SingleSections& cells) {
  design.SpecialStationCount =
      cells.stationsChecked ? Pack(cells.stations, design.SpecialStations) : 0;
  design.SpecialWaterlineCount =
      cells.waterlinesChecked ? Pack(cells.waterlines, design.SpecialWaterlines) : 0;
  design.SpecialButtockCount =
      cells.buttocksChecked ? Pack(cells.buttocks, design.SpecialButtocks) : 0;
  design.SpecialStationsOn = design.SpecialStationCount > 0;
  design.SpecialWaterlinesOn = design.SpecialWaterlineCount > 0;
  design.SpecialButtocksOn = design.SpecialButtockCount > 0;
}

const char* AccuracyLabel(const HullDesign& design) {
  return design.Units == kInches ? "Accuracy in Inches" : "Accuracy in mm";
}

bool CloseAccuracy(HullDesign& design, bool ok) {
  if (!ok || !(design.SurfaceAccuracy > kSmallestAccuracy) ||
      !std::isfinite(design.SurfaceAccuracy)) {
    design.SurfaceAccuracy = kDefaultAccuracy;
    return false;
  }
  return true;
}

}  // namespace skelmora
