// Hydrostatic curves: the upright hydrostatics at a series of drafts. The
// hull is moved down (deeper) or up against the fixed waterline for each
// draft and put back exactly as it was afterwards.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "hydro/hydrostatics.h"
#include "hydro/result_fields.h"
#include "model/prompter.h"

namespace skelmora {

// One draft of the curves. draft is the change from the design waterline in
// model units, positive deeper; the heights from the keel are in ft / m.
struct CurveRow {
  double draft = 0.0;
  HydrostaticResults results;
  double kb = 0.0;   // centre of buoyancy above the keel
  double kmt = 0.0;  // transverse metacentre above the keel (waterplane inertia)
  double kml = 0.0;  // longitudinal metacentre above the keel (waterplane inertia)
};

// The draft changes from, from + step, ... up to to (to itself included
// when the steps reach it to rounding). A step that is not positive, a
// reversed range or more than kMaxCurveDrafts drafts are refused with a
// message.
inline constexpr int kMaxCurveDrafts = 1000;
std::optional<std::vector<double>> DraftSeries(double from, double to, double step,
                                               std::string& message);

// The rows for drafts (model units, positive deeper). Refused with a message,
// and nothing computed, when a draft would lift the hull clear of the water
// or sink the lowest point of its deck edge (GridLowestTop). The design, its net and the surface are
// as they were afterwards, bit for bit; the session's results are not
// touched. The caller's extents must be current (HullGuard).
bool ComputeHydrostaticCurves(HullDesign& design, Surface& surface, CutBuffers& cuts,
                              const std::vector<double>& drafts, Prompter& prompter,
                              std::vector<CurveRow>& rows, std::string& message);

// The heights from the keel of a hydrostatics run (draft from lowestZ) on
// the hull as it stands: KB, and KMt and KMl with the metacentric radii from
// the waterplane's second moments (WaterplaneOf) rather than the report's
// estimates.
void KeelHeights(const HullDesign& design, const Surface& surface, CutBuffers& cuts,
                 const HydrostaticResults& results, CurveRow& row);

// A row's values by name: "draft" (model units), the hydrostatics fields as
// `hydro --json` names them, then "kb", "kmt" and "kml".
std::vector<ResultField> CurveRowFields(const CurveRow& row, int32_t units);

// The columns of the printed table, as field names, with their headings.
struct CurveColumn {
  const char* name;
  const char* heading;
};
const std::vector<CurveColumn>& CurveTableColumns();

// A row's cells in the order of CurveTableColumns, as the table shows them
// (coefficients to 4 decimals, the rest to 3), and each column's unit ("" for
// the coefficients).
std::vector<std::string> CurveRowCells(const CurveRow& row, int32_t units);
std::vector<std::string> CurveColumnUnits(int32_t units);

// The printed table: a title line, the headings, the units, one line per
// row; every line ends in '\n'.
std::string FormatCurveRows(const std::vector<CurveRow>& rows, int32_t units,
                            const std::string& designFileName);

}  // namespace skelmora
