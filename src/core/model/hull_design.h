// The one design being edited: the vertex net and everything saved with it,
// plus the run-time values every command consults.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

namespace skelmora {

constexpr int kMaxIndex = 50;           // last usable column / row index
constexpr int kNetSize = kMaxIndex + 1;  // 51
constexpr int kMaxChines = 10;
constexpr int kMaxSpecialStations = 50;
constexpr int kMaxSpecialWaterlines = 30;
constexpr int kMaxSpecialButtocks = 30;
constexpr int kMaxDivisions = 200;

enum LengthUnit : int32_t { kUnitsUnset = 0, kInches = 1, kMillimetres = 2 };

struct Vertex {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;
  float w = 1.0f;
};
static_assert(sizeof(Vertex) == 16);

// Indexed [column][row]; only [0..LastColumn][0..LastRow] is meaningful.
using VertexNet = std::array<std::array<Vertex, kNetSize>, kNetSize>;

// Colours are 0x00BBGGRR.
using Rgb = int32_t;

// Slots of HullDesign::DesignDimensions, in the order the new-hull dialog
// enters them.
constexpr int kDimensionLength = 0;
constexpr int kDimensionBeam = 1;  // half beam at deck
constexpr int kDimensionFreeboard = 2;
constexpr int kDimensionDraft = 3;
constexpr int kDimensionBowAngle = 4;
constexpr int kDimensionSternAngle = 5;

enum ViewId : int { kBodyView = 0, kPlanView = 1, kProfileView = 2, kPerspectiveView = 3 };

// A column or row index clamped to the net, so that a loop over a damaged
// record never leaves the arrays.
inline int ClampIndex(int32_t index) { return std::clamp<int32_t>(index, 0, kMaxIndex); }

// The two model coordinates a planar view shows, as stored: body (x, z),
// plan (y, x), profile (y, z); the body view's horizontal is x itself, not
// its drawn side.
inline void ViewCoordinatesOf(const Vertex& v, ViewId view, double& h, double& vert) {
  switch (view) {
    case kPlanView:
      h = v.y, vert = v.x;
      return;
    case kProfileView:
      h = v.y, vert = v.z;
      return;
    case kBodyView:
    case kPerspectiveView:
      break;
  }
  h = v.x, vert = v.z;
}

struct HullDesign {
  // --- geometry -----------------------------------------------------------
  int32_t Units = kUnitsUnset;
  VertexNet Net{};
  int32_t LastColumn = 0;
  int32_t LastRow = 0;
  int32_t WaterlineTension = 0;  // degree along a row (column index)
  int32_t StationTension = 0;    // degree along a column (row index)

  int32_t ColumnChineCount = 0;
  std::array<int32_t, kMaxChines> ColumnChines{};
  int32_t RowChineCount = 0;
  std::array<int32_t, kMaxChines> RowChines{};

  // --- curve settings -----------------------------------------------------
  int32_t StationCount = 15;
  int32_t WaterlineCount = 9;
  int32_t ButtockCount = 3;
  double StationSpacing = 0.0;
  double WaterlineSpacing = 0.0;
  double ButtockSpacing = 0.0;
  double SurfaceAccuracy = 0.01;
  int32_t ChineLinePoints = 70;
  int32_t EdgeLinePoints = 70;
  int32_t SectionPointCount = 30;
  double SectionPosition = 0.0;
  bool StationRefCutwater = false;
  int32_t StoredSetting1 = 40;
  int32_t StoredSetting2 = 25;
  int32_t StoredSetting3 = 25;
  double UserBowOffset = 0.0;  // run-time only, never saved

  // --- special (single) sections, 1-based lists (slot 0 unused) -----------
  std::array<double, kMaxSpecialStations + 1> SpecialStations{};
  std::array<double, kMaxSpecialWaterlines + 1> SpecialWaterlines{};
  std::array<double, kMaxSpecialButtocks + 1> SpecialButtocks{};
  int32_t SpecialStationCount = 0;
  int32_t SpecialWaterlineCount = 0;
  int32_t SpecialButtockCount = 0;
  bool SpecialStationsOn = false;
  bool SpecialWaterlinesOn = false;
  bool SpecialButtocksOn = false;

  // --- display choices ----------------------------------------------------
  bool ShowStations = false;
  bool ShowWaterlines = false;
  bool ShowButtocks = false;
  bool ShowSurface = false;
  bool ShowVertexNet = false;
  bool BodyViewOn = false;
  bool PlanViewOn = false;
  bool ProfileViewOn = false;
  bool PerspectiveViewOn = false;
  bool BodyViewOpen = false;
  bool PlanViewOpen = false;
  bool ProfileViewOpen = false;
  bool PerspectiveViewOpen = false;
  bool HighlightPending = false;
  bool HighlightRows = false;
  bool HighlightColumns = false;
  int32_t HighlightIndex = 0;
  double PerspectiveAzimuth = 0.0;
  double PerspectiveElevation = 0.0;

  Rgb StationColor = 0xFF0000;
  Rgb MarkerColor = 0x0000FF;
  Rgb ButtockColor = 0x800000;
  Rgb WaterlineColor = 0x008000;
  Rgb EdgeColor = 0x000000;
  Rgb ChineColor = 0x0000FF;
  Rgb HighlightColor = 0xFFFF00;
  Rgb NetColor = 0x000080;
  Rgb RefHullColor = 0xC0C0C0;
  Rgb SpecialLineColor = 0x808000;
  Rgb PaperColor = 0xFFFFFF;

  // --- attached drawings --------------------------------------------------
  bool RefHullShown = false;
  bool RefHullLoaded = false;
  bool MarkersShown = false;
  std::string MarkerFileName;
  int32_t KeelRudderCount = 0;
  bool KeelRudderShown = false;

  // --- run-time fields (never saved) --------------------------------------
  bool DesignOpen = false;
  std::string DesignFileName;
  std::string ProgramDirectory;
  std::string DesignDirectory;
  int32_t UndoCount = 0;
  bool UndoFileFresh = false;
  int32_t PickedColumn = -1;  // -1: no vertex selected
  int32_t PickedRow = -1;
  int32_t ColumnDivisions = 50;
  int32_t RowDivisions = 50;
  bool ExtentsValid = false;
  std::array<double, 6> DesignDimensions{};
  VertexNet ScratchNet{};

  // Transient drawing state: a zoomed view keeps its fit box.
  std::array<bool, 4> ViewZoomed{};

  HullDesign();
};

// Whether (column, row) is a vertex of the net.
inline bool InNet(const HullDesign& design, int column, int row) {
  return column >= 0 && row >= 0 && column <= ClampIndex(design.LastColumn) &&
         row <= ClampIndex(design.LastRow);
}

// The open and draw flags of one view.
bool& ViewOpenFlag(HullDesign& design, ViewId view);
bool& ViewDrawFlag(HullDesign& design, ViewId view);
// Opens or closes a view's drawing: the open flag and the draw flag the
// design file records always change together.
inline void SetViewOpen(HullDesign& design, ViewId view, bool open) {
  ViewOpenFlag(design, view) = open;
  ViewDrawFlag(design, view) = open;
}
// The extents and fit boxes no longer match the net or the view angles; the
// next ComputeExtents takes them afresh. The one place the flag is cleared.
inline void InvalidateExtents(HullDesign& design) { design.ExtentsValid = false; }

inline bool ViewOpenFlag(const HullDesign& design, ViewId view) {
  return ViewOpenFlag(const_cast<HullDesign&>(design), view);
}

// Clamp to [-30000, 30000], then round half to even / truncate toward zero.
int32_t RoundClamped(double value);
int32_t TruncClamped(double value);

// x, y, z of every vertex to 0 and every weight to 1.
void ResetNet(HullDesign& design);

// The last working column and row the chine lists ask for, from the
// counts, tensions and chines. Derived, never stored, so never stale; the
// surface's working net holds the counts it was actually built with.
inline int32_t WorkingLastColumn(const HullDesign& design) {
  return design.ColumnChineCount * (design.WaterlineTension - 1) + design.LastColumn;
}
inline int32_t WorkingLastRow(const HullDesign& design) {
  return design.RowChineCount * (design.StationTension - 1) + design.LastRow;
}

// Transient drawing flags cleared by every design or snapshot read.
void ClearTransientDrawFlags(HullDesign& design);

// Sets a tension; a tension of 1 empties that direction's chine list.
void SetWaterlineTension(HullDesign& design, int32_t tension);
void SetStationTension(HullDesign& design, int32_t tension);

// The reset every "new design" path runs before its generator fills the net.
// The caller then clears the history file flag and recomputes the extents.
void ApplyNewDesignDefaults(HullDesign& design);

// The reset after a geometry import: like a new design but the curve
// settings stay as they are.
void ApplyImportReset(HullDesign& design);

}  // namespace skelmora
