#include "model/units_axes.h"

#include <memory>
#include <utility>

#include "model/net_edit.h"
#include "model/net_lines.h"
#include "model/shape_changed.h"
#include "model/undo_history.h"

namespace skelmora {

namespace {

constexpr double kInchToMm = 25.4;
constexpr double kMmToInch = 0.039370079;

void Transpose(HullDesign& design) {
  // The whole array, scratch included, so that a second exchange maps every
  // slot back to where it was.
  auto copy = std::make_unique<VertexNet>(design.Net);
  for (int c = 0; c < kNetSize; ++c) {
    for (int r = 0; r < kNetSize; ++r) design.Net[c][r] = (*copy)[r][c];
  }
  std::swap(design.LastColumn, design.LastRow);
  std::swap(design.WaterlineTension, design.StationTension);
  std::swap(design.ColumnChineCount, design.RowChineCount);
  std::swap(design.ColumnChines, design.RowChines);
  std::swap(design.PickedColumn, design.PickedRow);
  std::swap(design.HighlightColumns, design.HighlightRows);
}

}  // namespace

bool ChangeUnits(HullDesign& design, Surface& surface, const UndoHistory& history,
                 Prompter& prompter) {
  if (!design.DesignOpen || (design.Units != kInches && design.Units != kMillimetres)) {
    return false;
  }
  const bool toMillimetres = design.Units == kInches;
  if (!prompter.AskYesNo(toMillimetres ? "Change From INCHES to MILLIMETERS?"
                                       : "Change From MILLIMETERS to INCHES?")) {
    return false;
  }
  const double factor = toMillimetres ? kInchToMm : kMmToInch;
  const auto convert = [factor](double& x, double& y, double& z) {
    x *= factor, y *= factor, z *= factor;
  };
  if (!NetEditFits(design, convert)) {
    prompter.ShowError(kNetOverflowMessage);
    return false;
  }
  history.Take(design);
  design.Units = toMillimetres ? kMillimetres : kInches;
  ApplyNetEdit(design, convert);
  design.StationSpacing = 0.0;
  design.WaterlineSpacing = 0.0;
  design.ButtockSpacing = 0.0;
  ShapeChanged(design, surface);
  return true;
}

bool ExchangeAxes(HullDesign& design, Surface& surface, const UndoHistory& history,
                  AxisPair pair) {
  if (!design.DesignOpen) return false;
  history.Take(design);
  if (pair == AxisPair::kLengthHeight) Transpose(design);
  ForUsedVertices(design, [pair](Vertex& v) {
    switch (pair) {
      case AxisPair::kBeamLength:
        std::swap(v.x, v.y);
        break;
      case AxisPair::kBeamHeight:
        std::swap(v.x, v.z);
        break;
      case AxisPair::kLengthHeight:
        std::swap(v.y, v.z);
        break;
    }
  });
  ShapeChanged(design, surface);
  return true;
}

}  // namespace skelmora
