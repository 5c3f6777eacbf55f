#include "model/hull_design.h"

#include <algorithm>
#include <cmath>

namespace skelmora {

namespace {
constexpr double kCoordinateLimit = 30000.0;

double Clamp(double value) {
  if (std::isnan(value)) return 0.0;
  return std::clamp(value, -kCoordinateLimit, kCoordinateLimit);
}
}  // namespace

HullDesign::HullDesign() { ResetNet(*this); }

int32_t RoundClamped(double value) {
  // nearbyint follows the default rounding mode: halves go to even.
  return static_cast<int32_t>(std::nearbyint(Clamp(value)));
}

int32_t TruncClamped(double value) { return static_cast<int32_t>(std::trunc(Clamp(value))); }

bool& ViewOpenFlag(HullDesign& design, ViewId view) {
  switch (view) {
    case kBodyView:
      return design.BodyViewOpen;
    case kPlanView:
      return design.PlanViewOpen;
    case kProfileView:
      return design.ProfileViewOpen;
    case kPerspectiveView:
      break;
  }
  return design.PerspectiveViewOpen;
}

bool& ViewDrawFlag(HullDesign& design, ViewId view) {
  switch (view) {
    case kBodyView:
      return design.BodyViewOn;
    case kPlanView:
      return design.PlanViewOn;
    case kProfileView:
      return design.ProfileViewOn;
    case kPerspectiveView:
      break;
  }
  return design.PerspectiveViewOn;
}

void ResetNet(HullDesign& design) {
  for (auto& column : design.Net) {
    column.fill(Vertex{0.0f, 0.0f, 0.0f, 1.0f});
  }
}

void ClearTransientDrawFlags(HullDesign& design) {
  design.ViewZoomed.fill(false);
  InvalidateExtents(design);
  // A selection from the previous net may not exist in the new one.
  design.PickedColumn = -1;
  design.PickedRow = -1;
}

void SetWaterlineTension(HullDesign& design, int32_t tension) {
  design.WaterlineTension = tension;
  if (tension == 1) design.ColumnChineCount = 0;
}

void SetStationTension(HullDesign& design, int32_t tension) {
  design.StationTension = tension;
  if (tension == 1) design.RowChineCount = 0;
}

void ApplyImportReset(HullDesign& design) {
  design.SpecialStationCount = 0;
  design.SpecialWaterlineCount = 0;
  design.SpecialButtockCount = 0;
  design.SpecialStationsOn = false;
  design.SpecialWaterlinesOn = false;
  design.SpecialButtocksOn = false;
  design.HighlightPending = false;
  design.HighlightRows = false;
  design.HighlightColumns = false;
  design.HighlightIndex = 0;
  design.RefHullShown = false;
  design.UndoCount = 0;
  design.UndoFileFresh = true;
  design.BodyViewOn = true;
  design.PlanViewOn = false;
  design.ProfileViewOn = false;
  design.PerspectiveViewOn = false;
  InvalidateExtents(design);
}

void ApplyNewDesignDefaults(HullDesign& design) {
  design.StationCount = 15;
  design.WaterlineCount = 9;
  design.ButtockCount = 3;
  design.StationSpacing = 0.0;
  design.WaterlineSpacing = 0.0;
  design.ButtockSpacing = 0.0;
  design.SurfaceAccuracy = 0.01;
  design.ChineLinePoints = 70;
  design.EdgeLinePoints = 70;
  design.SectionPointCount = 30;
  design.StoredSetting1 = 30;
  design.StoredSetting2 = 40;
  design.StoredSetting3 = 40;
  ApplyImportReset(design);
}

}  // namespace skelmora
