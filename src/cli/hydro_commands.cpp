#include "hydro_commands.h"

#include <ctime>
#include <iomanip>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>

#include <nlohmann/json.hpp>

#include "design_io.h"
#include "files/text_io.h"
#include "hydro/curves.h"
#include "hydro/draft_search.h"
#include "hydro/drag.h"
#include "hydro/hydro_report.h"
#include "hydro/result_fields.h"
#include "json_documents.h"
#include "json_out.h"
#include "stream_prompter.h"
#include "model/prompter.h"

namespace skelmora::cli {

namespace {

using nlohmann::json;

// A loaded design with everything the calculations work on.
struct Session : DesignSession {
  explicit Session(std::ostream& err) : prompter(err) {}
  HydrostaticResults& results = hydro->results;
  StreamPrompter prompter;
};

std::string NowText() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  std::ostringstream text;
  text << std::put_time(&local, "%x %X");
  return text.str();
}

}  // namespace

int RunHydro(const Args& args, std::ostream& out, std::ostream& err) {
  if (!Expect(args, 1, "hydro FILE [--json]", err)) return 2;
  Session s(err);
  if (!Load(args, args.positional[0], s, err)) return 1;
  HullDesign& design = s.design;
  if (!HullGuard(design, *s.surface, s.prompter)) return 1;
  const bool ran = ComputeHydrostatics(design, *s.surface, *s.cuts, s.results, s.prompter);
  if (!ReportReady(ran, s.results)) return 1;
  if (args.json) {
    out << DumpJson(HydrostaticsJson(s.results, design.Units)) << '\n';
  } else {
    out << FormatHydrostaticsReport(BuildHydrostaticsReport(s.results, design.Units),
                                    design.DesignFileName, NowText());
  }
  return 0;
}

int RunDrag(const Args& args, std::ostream& out, std::ostream& err) {
  if (!Expect(args, 1, "drag FILE [--json]", err)) return 2;
  Session s(err);
  if (!Load(args, args.positional[0], s, err)) return 1;
  HullDesign& design = s.design;
  if (!HullGuard(design, *s.surface, s.prompter)) return 1;
  DragResults drag;
  const bool ran = ComputeDrag(design, *s.surface, *s.cuts, s.results, drag, s.prompter);
  if (!ReportReady(ran, s.results)) return 1;
  if (args.json) {
    json rows = json::array();
    for (int i = 1; i <= kDragRows; ++i) {
      rows.push_back({{"speed", DragSpeed(drag, i)},
                      {"froude", DragFroudeNumber(i)},
                      {"wave", drag.waveDrag[i]},
                      {"friction", drag.frictionDrag[i]}});
    }
    const ResistanceParameters& p = drag.parameters;
    const json doc{{"rows", std::move(rows)},
                   {"maxVelocity", DragSpeed(drag, kDragRows)},
                   {"velocityStep", DragVelocityStep(drag)},
                   {"cp", p.cp},
                   {"lcbTerm", p.lcbTerm},
                   {"beamDraft", p.beamDraft},
                   {"slenderness", p.slenderness},
                   {"displacementKg", p.displacementKg}};
    out << DumpJson(doc) << '\n';
    return 0;
  }
  const DragTable table = FormatDragTable(drag);
  out << DragChartTitle(FactorsFor(design.Units).metric) << '\n';
  for (const auto& row : table) {
    out << std::setw(10) << row[0] << std::setw(10) << row[1] << std::setw(12) << row[2]
        << std::setw(12) << row[3] << '\n';
  }
  out << "Max Velocity " << table[kDragRows][0] << " Knots\n"
      << "Velocity Step " << FormatVelocityStep(drag) << " Knots\n";
  return 0;
}

int RunCurve(const Args& args, std::ostream& out, std::ostream& err) {
  const char* usage = "curve areas|lengths FILE [--stations N] [--json]";
  if (!Expect(args, 2, usage, err)) return 2;
  const std::string& kindName = args.positional[0];
  if (kindName != "areas" && kindName != "lengths") {
    err << "Unknown curve: " << kindName << " (areas or lengths)\n";
    return 2;
  }
  const CurveKind kind = kindName == "areas" ? CurveKind::kAreas : CurveKind::kLengths;
  Session s(err);
  if (!Load(args, args.positional[1], s, err)) return 1;
  HullDesign& design = s.design;
  if (!HullGuard(design, *s.surface, s.prompter)) return 1;
  CurveResults curves;
  if (!ComputeCurves(design, *s.surface, *s.cuts, s.results, s.prompter,
                     args.stations.value_or(kDefaultCurveStations), curves)) {
    return 1;
  }
  const auto& values = kind == CurveKind::kAreas ? curves.areas : curves.lengths;
  if (args.json) {
    json list = json::array();
    for (int k = 0; k <= curves.stations; ++k) list.push_back(values[k]);
    const json doc{{"values", std::move(list)},
                   {"max", kind == CurveKind::kAreas ? curves.maxArea : curves.maxLength}};
    out << DumpJson(doc) << '\n';
  } else {
    out << FormatCurveTable(curves, kind, FactorsFor(design.Units).metric, design.DesignFileName);
  }
  return 0;
}

int RunDraft(const Args& args, std::ostream& out, std::ostream& err) {
  const char* usage = "draft FILE --displacement W [--json] [--out OUT.s98]";
  if (!Expect(args, 1, usage, err)) return 2;
  if (!args.displacement) {
    err << "usage: skelmora-cli " << usage << '\n';
    return 2;
  }
  Session s(err);
  if (!Load(args, args.positional[0], s, err)) return 1;
  HullDesign& design = s.design;
  DraftSearch search = BeginDraftSearch(design, *s.surface, *s.cuts, s.results);
  if (!AdjustDisplacement(design, *s.surface, *s.cuts, s.results, s.prompter, search,
                          *args.displacement)) {
    return 1;
  }
  // A hull left short of the target is no answer: nothing is written, and
  // the status says so after the search has been shown.
  if (search.reached && args.out) {
    std::string message;
    if (!SaveDesignAs(design, *args.out, message)) {
      err << message << '\n';
      return 1;
    }
  }
  if (args.json) {
    json steps = json::array();
    for (const DraftStep& step : search.steps) {
      steps.push_back(
          {{"displacement", step.displacement}, {"rate", step.rate}, {"shift", step.shift}});
    }
    const json doc{{"initialDisplacement", search.initialDisplacement},
                   {"initialDraft", search.initialDraft},
                   {"steps", std::move(steps)},
                   {"iterations", search.iterations},
                   {"totalShift", search.accumulatedShift},
                   {"finalDisplacement", search.finalDisplacement},
                   {"finalDraft", search.finalDraft},
                   {"reached", search.reached}};
    out << DumpJson(doc) << '\n';
  } else {
    out << "Initial Displacement " << FormatFixed(search.initialDisplacement, 6, 1) << '\n'
        << "Initial Draft " << FormatFixed(search.initialDraft, 5, 2) << '\n';
    for (const DraftStep& step : search.steps) {
      out << "Shift " << FormatFixed(step.shift, 5, 3) << "  Displacement "
          << FormatFixed(step.displacement, 6, 3) << "  PPI/PPmm "
          << FormatFixed(step.rate, 5, 2) << '\n';
    }
    out << "Number of steps " << search.iterations << '\n'
        << "Displacement " << FormatFixed(search.finalDisplacement, 6, 3) << '\n'
        << "Draft " << FormatFixed(search.finalDraft, 5, 2) << '\n';
  }
  if (!search.reached) {
    err << DraftNotReachedMessage(*args.displacement, search)
        << (args.out ? "; " + *args.out + " was not written" : std::string()) << '\n';
    return 1;
  }
  return 0;
}

}  // namespace skelmora::cli
