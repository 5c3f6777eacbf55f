#include "fair_command.h"

#include <memory>
#include <ostream>
#include <string>

#include <nlohmann/json.hpp>

#include "design_io.h"
#include "fairing/fair_curve.h"
#include "fairing/fair_edit.h"
#include "json_out.h"

namespace skelmora::cli {

namespace {

using nlohmann::json;

bool LineNamed(const std::string& name, FairLine& line) {
  if (name == "column") {
    line = FairLine::kColumn;
  } else if (name == "row") {
    line = FairLine::kRow;
  } else if (name == "sheer") {
    line = FairLine::kSheer;
  } else if (name == "fairbody") {
    line = FairLine::kFairbody;
  } else if (name == "chine") {
    line = FairLine::kChine;
  } else {
    return false;
  }
  return true;
}

ViewId ViewNamed(const std::string& name) {
  if (name == "plan") return kPlanView;
  if (name == "profile") return kProfileView;
  return kBodyView;
}

const char* ViewName(ViewId view) {
  switch (view) {
    case kPlanView: return "plan";
    case kProfileView: return "profile";
    default: return "body";
  }
}

// The dialogs' start views: the column dialog turns to the column's own,
// the rows dialog starts in plan, the others in profile.
ViewId StartView(const HullDesign& design, FairLine line, int index) {
  switch (line) {
    case FairLine::kColumn:
      return ColumnView(index, ClampIndex(design.LastColumn));
    case FairLine::kRow:
      return kPlanView;
    default:
      return kProfileView;
  }
}

// Why N does not name a line of this design; empty when it does.
std::string Refusal(const HullDesign& design, FairLine line, int n) {
  const std::string number = std::to_string(n);
  if (line == FairLine::kSheer || line == FairLine::kFairbody) {
    const IndexRange vertices = VertexRange(design, line);
    if (vertices.Contains(n)) return {};
    return "Vertex " + number + " is not a vertex of the " +
           (line == FairLine::kSheer ? "sheer" : "fairbody") + " (0 to " +
           std::to_string(vertices.hi) + ")";
  }
  const IndexRange range = LineIndexRange(design, line);
  if (range.Contains(n)) return {};
  const std::string span = " (" + std::to_string(range.lo) + " to " + std::to_string(range.hi) + ")";
  switch (line) {
    case FairLine::kColumn:
      return "Column " + number + " is not a vertex column of this design" + span;
    case FairLine::kRow:
      if (range.hi < range.lo) return kNoInteriorRowsMessage;
      return "Row " + number + " is not an interior vertex row of this design" + span;
    default:
      if (range.hi < range.lo) return kNoChinesMessage;
      return "Chine " + number + " is not a chine of this design" + span;
  }
}

json Points(const PlanePoint* points, int count) {
  json list = json::array();
  for (int k = 0; k < count; ++k) list.push_back(json::array({points[k].h, points[k].v}));
  return list;
}

}  // namespace

int RunFair(const Args& args, std::ostream& out, std::ostream& err) {
  if (!Expect(args, 3, (std::string("fair ") + kFairUsage).c_str(), err)) return 2;
  FairLine line = FairLine::kColumn;
  if (!LineNamed(args.positional[0], line)) {
    err << "Unknown line: " << args.positional[0] << " (column, row, sheer, fairbody or chine)\n";
    return 2;
  }
  const auto n = ParseInt(args.positional[1]);
  if (!n) {
    err << "N must be a whole number: " << args.positional[1] << '\n';
    return 2;
  }
  DesignSession session;
  if (!Load(args, args.positional[2], session, err)) return 1;
  const HullDesign& design = session.design;
  if (const std::string refusal = Refusal(design, line, *n); !refusal.empty()) {
    err << refusal << '\n';
    return 1;
  }

  FairSelection selection;
  selection.line = line;
  const bool alongEdge = line == FairLine::kSheer || line == FairLine::kFairbody;
  selection.index = alongEdge ? 0 : *n;
  selection.vertex = alongEdge ? *n : 0;
  selection.view = args.view ? ViewNamed(*args.view) : StartView(design, line, *n);
  auto curve = std::make_unique<FairCurve>();
  SampleFairCurve(design, *session.surface, *session.cuts, selection, *curve);
  std::array<PlanePoint, kNetSize> vertices;
  const int vertexCount = LineVertices(design, selection, vertices);

  json curvature = json::array();
  // A section too short for a curvature curve has none to report.
  if (curve->Found()) {
    for (int k = 0; k < curve->curvatureCount; ++k) {
      const CurvaturePoint& p = curve->curvature[k];
      if (p.defined) curvature.push_back({{"at", p.at}, {"value", p.value}});
    }
  }
  const AxisTitles titles = ViewAxisTitles(selection.view);
  json doc;
  doc["line"] = args.positional[0];
  doc["index"] = *n;
  doc["view"] = ViewName(selection.view);
  doc["axes"] = json::array({titles.horizontal, titles.vertical});
  doc["samples"] = Points(curve->samples.data(), curve->sampleCount);
  doc["curvature"] = std::move(curvature);
  doc["maxCurvature"] = curve->Found() ? json(curve->maxCurvature) : json(nullptr);
  doc["vertices"] = Points(vertices.data(), vertexCount);
  doc["curvatureSignChanges"] = CurvatureSignChanges(*curve);
  if (args.json) {
    out << DumpJson(doc) << '\n';
    return 0;
  }
  const json clean = CleanJson(doc);
  for (const auto& [key, value] : clean.items()) out << key << ": " << value.dump() << '\n';
  return 0;
}

}  // namespace skelmora::cli
