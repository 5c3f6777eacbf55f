#include "model/row_column_tools.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "model/net_edit.h"
#include "model/net_lines.h"
#include "model/undo_history.h"
#include "surface/surface_build.h"

namespace skelmora {

namespace {

void SetHorizontal(Vertex& v, ViewId view, double h) {
  (view == kBodyView ? v.x : v.y) = static_cast<float>(h);
}

void SetVertical(Vertex& v, ViewId view, double vert) {
  (view == kPlanView ? v.x : v.z) = static_cast<float>(vert);
}

ToolResult Failed(RowColumnTool& tool, Prompter& prompter, const char* message) {
  prompter.ShowError(message);
  ResetTool(tool);
  return {ToolStatus::kFailed};
}

// START and END of a straighten or smooth run, ordered by index, with the
// vertices of the run between them.
struct Run {
  bool alongRow = false;  // the column index varies
  int line = 0;           // the row (along a row) or the column
  int first = 0, last = 0;
  Vertex& At(HullDesign& design, int k) const {
    return alongRow ? design.Net[k][line] : design.Net[line][k];
  }
};

// Checks the two picks form a run of at least three vertices.
bool MakeRun(const RowColumnTool& tool, Prompter& prompter, Run& run) {
  const bool sameRow = tool.startRow == tool.endRow;
  if (!sameRow && tool.startColumn != tool.endColumn) {
    prompter.ShowError("Selected vertices are not on  a single row or column");
    return false;
  }
  run.alongRow = sameRow;
  run.line = sameRow ? tool.startRow : tool.startColumn;
  run.first = sameRow ? tool.startColumn : tool.startRow;
  run.last = sameRow ? tool.endColumn : tool.endRow;
  if (std::abs(run.last - run.first) < 2) {
    prompter.ShowError("Less than 3 vertices");
    return false;
  }
  if (run.first > run.last) std::swap(run.first, run.last);
  return true;
}

using RunEdit = void (*)(HullDesign& design, const Run& run, ViewId view);

void StraightenRun(HullDesign& design, const Run& run, ViewId view) {
  double ha, va, hb, vb;
  ViewCoordinatesOf(run.At(design, run.first), view, ha, va);
  ViewCoordinatesOf(run.At(design, run.last), view, hb, vb);
  for (int k = run.first + 1; k < run.last; ++k) {
    Vertex& vertex = run.At(design, k);
    double h, v;
    ViewCoordinatesOf(vertex, view, h, v);
    if (ha == hb) {
      SetHorizontal(vertex, view, hb);
    } else if (run.alongRow) {
      SetVertical(vertex, view, vb + (h - hb) * (va - vb) / (ha - hb));
    } else {
      const double slope = (va - vb) / (ha - hb);
      if (slope != 0.0) {
        SetHorizontal(vertex, view, hb + (v - vb) / slope);
      } else {
        SetVertical(vertex, view, vb);
      }
    }
  }
}

// Least squares with both ends fixed: across(t) = line through the ends +
// (s^2 - 1) * (c0 + c1 s + ...), s the along coordinate mapped onto [-1, 1]
// between the ends. Solved by the normal equations (at most 2 x 2).
void SmoothRun(HullDesign& design, const Run& run, ViewId view) {
  const int count = run.last - run.first + 1;
  std::array<double, kNetSize> along{}, across{};
  for (int k = 0; k < count; ++k) {
    double h, v;
    ViewCoordinatesOf(run.At(design, run.first + k), view, h, v);
    along[k] = h;
    across[k] = v;
  }
  const bool horizontalAlong =
      std::fabs(along[count - 1] - along[0]) >= std::fabs(across[count - 1] - across[0]);
  if (!horizontalAlong) std::swap(along, across);
  const double t0 = along[0], t1 = along[count - 1];
  const double y0 = across[0], y1 = across[count - 1];
  auto line = [&](double t) { return y0 + (t - t0) * (y1 - y0) / (t1 - t0); };
  auto scaled = [&](double t) { return (2.0 * t - t0 - t1) / (t1 - t0); };

  const int inner = count - 2;
  double c[2] = {0.0, 0.0};
  for (int free = std::min(3, inner) - 1; free > 0; --free) {
    double a[2][2] = {{0, 0}, {0, 0}}, b[2] = {0, 0};
    for (int k = 1; k <= inner; ++k) {
      const double s = scaled(along[k]);
      const double phi[2] = {s * s - 1.0, (s * s - 1.0) * s};
      const double r = across[k] - line(along[k]);
      for (int i = 0; i < free; ++i) {
        b[i] += phi[i] * r;
        for (int j = 0; j < free; ++j) a[i][j] += phi[i] * phi[j];
      }
    }
    if (free == 1) {
      if (a[0][0] > 1e-300) {
        c[0] = b[0] / a[0][0];
        break;
      }
      continue;
    }
    const double det = a[0][0] * a[1][1] - a[0][1] * a[1][0];
    if (std::fabs(det) > 1e-12 * a[0][0] * a[1][1]) {
      c[0] = (b[0] * a[1][1] - b[1] * a[0][1]) / det;
      c[1] = (a[0][0] * b[1] - a[1][0] * b[0]) / det;
      break;
    }
  }
  for (int k = 1; k <= inner; ++k) {
    const double s = scaled(along[k]);
    const double fitted = line(along[k]) + (s * s - 1.0) * (c[0] + c[1] * s);
    Vertex& vertex = run.At(design, run.first + k);
    if (horizontalAlong) {
      SetVertical(vertex, view, fitted);
    } else {
      SetHorizontal(vertex, view, fitted);
    }
  }
}

bool EndsApart(HullDesign& design, const Run& run, ViewId view) {
  double ha, va, hb, vb;
  ViewCoordinatesOf(run.At(design, run.first), view, ha, va);
  ViewCoordinatesOf(run.At(design, run.last), view, hb, vb);
  return ha != hb || va != vb;
}

ToolResult RunPick(RowColumnTool& tool, HullDesign& design, Surface& surface,
                   const UndoHistory& history, Prompter& prompter, ViewId view,
                   int column, int row, RunEdit edit, bool needsSpan) {
  if (view == kPerspectiveView || !InNet(design, column, row)) return {};
  if (tool.picks == 0) {
    tool.picks = 1;
    tool.view = view;
    tool.startColumn = column;
    tool.startRow = row;
    return {ToolStatus::kWaiting, "X"};
  }
  tool.endColumn = column;
  tool.endRow = row;
  Run run;
  if (!InNet(design, tool.startColumn, tool.startRow) || !MakeRun(tool, prompter, run)) {
    ResetTool(tool);
    return {ToolStatus::kFailed};
  }
  if (needsSpan && !EndsApart(design, run, tool.view)) {
    return Failed(tool, prompter, "START and END lie on one point in this view: nothing to smooth");
  }
  history.Take(design);
  edit(design, run, tool.view);
  EvaluateSurfaceGrid(design, surface);
  ResetTool(tool);
  return {ToolStatus::kDone};
}

}  // namespace

void ResetTool(RowColumnTool& tool) { tool = RowColumnTool{}; }

ToolResult StraightenPick(RowColumnTool& tool, HullDesign& design, Surface& surface,
                          const UndoHistory& history, Prompter& prompter,
                          ViewId view, int column, int row) {
  return RunPick(tool, design, surface, history, prompter, view, column, row, StraightenRun,
                 false);
}

ToolResult SmoothPick(RowColumnTool& tool, HullDesign& design, Surface& surface,
                      const UndoHistory& history, Prompter& prompter, ViewId view,
                      int column, int row) {
  return RunPick(tool, design, surface, history, prompter, view, column, row, SmoothRun,
                 true);
}

ToolResult OffsetPick(RowColumnTool& tool, HullDesign& design, Prompter& prompter, ViewId view,
                      int column, int row) {
  if (view == kPerspectiveView || !InNet(design, column, row)) return {};
  switch (tool.picks) {
    case 0:
      tool.picks = 1;
      tool.view = view;
      tool.startColumn = column;
      tool.startRow = row;
      return {ToolStatus::kWaiting, "1"};
    case 1:
      tool.endColumn = column;
      tool.endRow = row;
      if (tool.startRow != row && tool.startColumn != column) {
        return Failed(tool, prompter, "Selected vertices are not a row or column");
      }
      tool.picks = 2;
      prompter.ShowInformation("Select ONE vertex on the MASTER Row or Column");
      return {ToolStatus::kWaiting, "2"};
    case 2:
      break;
    default:
      return {};  // the dialog for the three picks is still open
  }
  tool.masterColumn = column;
  tool.masterRow = row;
  if (tool.startColumn == tool.endColumn && tool.startRow == tool.endRow) {
    return Failed(tool, prompter, "Less than 2 vertices were selected");
  }
  if (tool.startColumn > tool.endColumn) std::swap(tool.startColumn, tool.endColumn);
  if (tool.startRow > tool.endRow) std::swap(tool.startRow, tool.endRow);
  tool.picks = 3;
  return {ToolStatus::kAskOffsets};
}

const char* VertexOffsetsLabel(const HullDesign& design) {
  return design.Units == kInches ? "Enter Offset Values in INCHES"
                                 : "Enter Offset Values in Millimeters";
}

bool ApplyMasterOffsets(RowColumnTool& tool, HullDesign& design, Surface& surface,
                        const UndoHistory& history, Prompter& prompter,
                        const VertexOffsets& offsets) {
  const RowColumnTool picks = tool;
  ResetTool(tool);
  // The net may have changed since the picks (an undo in between).
  if (picks.picks != 3 || !design.DesignOpen || !InNet(design, picks.startColumn, picks.startRow) ||
      !InNet(design, picks.endColumn, picks.endRow) ||
      !InNet(design, picks.masterColumn, picks.masterRow)) {
    return false;
  }
  const bool alongRow = picks.startRow == picks.endRow;
  auto masterOf = [&](int c, int r) -> const Vertex& {
    return alongRow ? design.Net[c][picks.masterRow] : design.Net[picks.masterColumn][r];
  };
  // Offsets the float net cannot hold change nothing.
  for (int c = picks.startColumn; c <= picks.endColumn; ++c) {
    for (int r = picks.startRow; r <= picks.endRow; ++r) {
      const Vertex& master = masterOf(c, r);
      if (!FitsNet(master.x + offsets.beam) || !FitsNet(master.y + offsets.aftBow) ||
          !FitsNet(master.z + offsets.height)) {
        prompter.ShowError(kNetOverflowMessage);
        return false;
      }
    }
  }
  history.Take(design);
  for (int c = picks.startColumn; c <= picks.endColumn; ++c) {
    for (int r = picks.startRow; r <= picks.endRow; ++r) {
      const Vertex& master = masterOf(c, r);
      Vertex& vertex = design.Net[c][r];
      vertex.x = static_cast<float>(master.x + offsets.beam);
      vertex.y = static_cast<float>(master.y + offsets.aftBow);
      vertex.z = static_cast<float>(master.z + offsets.height);
    }
  }
  EvaluateSurfaceGrid(design, surface);
  return true;
}

}  // namespace skelmora
