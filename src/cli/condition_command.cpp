#include "condition_command.h"

#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli_args.h"
#include "design_io.h"
#include "files/text_io.h"
#include "json_out.h"
#include "loading/assessment.h"
#include "loading/condition_file.h"
#include "loading/floating.h"
#include "stream_prompter.h"

namespace skelmora::cli {

const char* const kConditionUsage =
    "  condition FILE.s98 COND.lcd [--gz MAX:STEP] [--criteria] [--json]\n";

namespace {

using nlohmann::json;

// Without --gz, --criteria runs the levers to this heel by this step.
constexpr double kCriteriaMaxHeel = 90.0;
constexpr double kCriteriaStep = 5.0;

struct Options {
  std::vector<std::string> positional;
  std::optional<std::string> gz;
  bool json = false;
  bool criteria = false;
};

bool Parse(int argc, char** argv, int first, Options& o, std::string& message) {
  for (int k = first; k < argc; ++k) {
    const std::string arg = argv[k];
    if (arg == "--json") {
      o.json = true;
    } else if (arg == "--criteria") {
      o.criteria = true;
    } else if (arg == "--gz") {
      if (k + 1 >= argc) {
        message = "--gz needs a value (MAX:STEP)";
        return false;
      }
      o.gz = argv[++k];
    } else if (arg.rfind("--", 0) == 0) {
      message = "Unknown option: " + arg;
      return false;
    } else {
      o.positional.push_back(arg);
    }
  }
  if (o.positional.size() != 2) {
    std::string usage = kConditionUsage;
    usage.pop_back();
    message = "usage: skelmora-cli" + usage.substr(1);
    return false;
  }
  return true;
}

std::optional<HeelSteps> HeelsOf(const std::string& text, std::string& message) {
  const size_t colon = text.find(':');
  std::optional<double> most, step;
  if (colon != std::string::npos) {
    most = ParseDouble(text.substr(0, colon));
    step = ParseDouble(text.substr(colon + 1));
  }
  if (!most || !step) {
    message = "--gz takes MAX:STEP in degrees, not: " + text;
    return std::nullopt;
  }
  return CheckHeelInputs(*most, *step, message);
}

json Optional(const std::optional<double>& value) { return value ? json(*value) : json(nullptr); }

json EquilibriumJson(const Equilibrium& e) {
  return {{"draftFore", e.draftFore},     {"draftAft", e.draftAft},
          {"draftMid", e.draftMid},       {"trim", e.trim},
          {"trimAngle", e.trimAngle},     {"heel", e.heel},
          {"displacement", e.displacement}, {"lcb", e.lcb},
          {"vcb", e.vcb},                 {"tcb", e.tcb},
          {"lcf", e.lcf},                 {"lcg", e.lcg},
          {"vcg", e.vcg},                 {"tcg", e.tcg},
          {"kmt", e.kmt},                 {"kml", e.kml},
          {"gmtSolid", e.gmtSolid},       {"gmtFluid", e.gmtFluid},
          {"gml", e.gml},                 {"freeSurfaceMoment", e.freeSurfaceMoment},
          {"freeboard", e.freeboard},     {"evaluations", e.evaluations}};
}

json TanksJson(const LoadingCondition& c, const ConditionWeights& w) {
  json list = json::array();
  for (size_t k = 0; k < c.tanks.size(); ++k) {
    const TankState& s = w.tanks[k];
    list.push_back({{"name", c.tanks[k].name}, {"capacity", s.capacity},
                    {"fill", c.tanks[k].fill}, {"weight", s.weight},
                    {"lcg", s.lcg},            {"vcg", s.vcg},
                    {"tcg", s.tcg},            {"freeSurfaceMoment", s.freeSurfaceMoment}});
  }
  return list;
}

json CriteriaJson(const std::vector<Criterion>& criteria) {
  json list = json::array();
  for (const Criterion& c : criteria) {
    list.push_back({{"name", c.name},
                    {"value", Optional(c.value)},
                    {"required", c.required},
                    {"unit", c.unit},
                    {"pass", c.pass}});
  }
  return list;
}

json WeatherJson(const ConditionAssessment& a) {
  const WeatherInputs& in = a.weatherInputs;
  const WeatherResult& w = a.weather;
  return {{"windArea", in.windArea},
          {"windHeight", in.windHeight},
          {"displacement", in.displacement},
          {"windLever", w.windLever},
          {"gustLever", w.gustLever},
          {"steadyHeel", Optional(w.steadyHeel)},
          {"rollAngle", Optional(w.rollAngle)},
          {"areaA", Optional(w.areaA)},
          {"areaB", Optional(w.areaB)},
          {"phi2", Optional(w.phi2)},
          {"rollPeriod", Optional(w.rollPeriod)},
          {"breadthDraft", w.breadthDraft},
          {"cb", w.cb},
          {"X1", w.x1},
          {"X2", w.x2},
          {"k", w.k},
          {"r", w.r},
          {"s", w.s},
          {"downflooding", Optional(a.downflooding)}};
}

json RowsJson(const LeverCurve& curve) {
  json rows = json::array();
  for (const LeverRow& r : curve.rows) {
    // A row not found carries no values: a script must not plot it.
    rows.push_back({{"ang", r.heel},
                    {"gz", r.found ? json(r.gz) : json(nullptr)},
                    {"trim", r.found ? json(r.trim) : json(nullptr)},
                    {"trimAngle", r.found ? json(r.trimAngle) : json(nullptr)},
                    {"sinkage", r.found ? json(r.sinkage) : json(nullptr)},
                    {"displacement", r.found ? json(r.displacement) : json(nullptr)},
                    {"found", r.found}});
  }
  return rows;
}

json UnitsJson(int32_t units) {
  const bool metric = FactorsFor(units).metric;
  return {{"length", metric ? "mm" : "in"},
          {"weight", metric ? "kg" : "lb"},
          {"moment", metric ? "kg.mm" : "lb.in"},
          {"angle", "deg"},
          {"criteria", "m, m.rad, deg"},
          {"weather", "m, m2, t, s, m.rad, deg"}};
}

std::string F(double value, int decimals = 3) { return FormatFixed(value, 12, decimals); }

std::string Shown(const std::optional<double>& value, int decimals, const char* unit,
                  const char* none) {
  return value ? F(*value, decimals) + unit : std::string(none);
}

void PrintWeather(const ConditionAssessment& a, std::ostream& out) {
  const WeatherInputs& in = a.weatherInputs;
  const WeatherResult& w = a.weather;
  out << "\r\nSevere wind and rolling (IMO 2008 IS Code, Part A, 2.3)\r\n";
  const std::pair<const char*, std::string> lines[] = {
      {"Down-flooding angle", Shown(a.downflooding, 2, " deg", "         none (no opening goes under)")},
      {"Deck immersion angle", Shown(a.deckImmersion, 2, " deg", "         not reached")},
      {"Wind area A", F(in.windArea, 2) + " m2"},
      {"Wind lever height Z", F(in.windHeight, 3) + " m (above the underwater profile's centre)"},
      {"Displacement", F(in.displacement, 2) + " t"},
      {"Wind lever lw1", F(w.windLever, 4) + " m"},
      {"Gust lever lw2", F(w.gustLever, 4) + " m"},
      {"Breadth B", F(in.breadth, 3) + " m"},
      {"Mean draft d", F(in.draft, 3) + " m"},
      {"B/d", F(w.breadthDraft, 3)},
      {"Block coefficient", F(w.cb, 3)},
      {"X1", F(w.x1, 3)},
      {"X2", F(w.x2, 3)},
      {"k", F(w.k, 3)},
      {"OG", F(in.og, 3) + " m"},
      {"r", F(w.r, 3)},
      {"C", F(w.c, 4)},
      {"Roll period T", Shown(w.rollPeriod, 2, " s", "         none (GM not above 0)")},
      {"s", F(w.s, 4)},
      {"Roll angle phi1", Shown(w.rollAngle, 2, " deg", "         not found")},
      {"Steady heel phi0", Shown(w.steadyHeel, 2, " deg", "         not reached")},
      {"lw2 crossing", Shown(w.gustHeel, 2, " deg", "         not reached")},
      {"phi2", Shown(w.phi2, 2, " deg", "         beyond the run")},
      {"Area a", Shown(w.areaA, 4, " m.rad", "         not enough range")},
      {"Area b", Shown(w.areaB, 4, " m.rad", "         not enough range")}};
  for (const auto& [name, value] : lines) {
    std::string label = name;
    label.resize(22, ' ');
    out << label << value << "\r\n";
  }
}

void PrintText(const LoadingCondition& c, const ConditionWeights& w, const Equilibrium& e,
               const LeverCurve* curve, const ConditionAssessment* assessment, int32_t units,
               std::ostream& out) {
  const bool metric = FactorsFor(units).metric;
  const std::string length = metric ? " mm" : " in";
  const std::string weight = metric ? " kg" : " lb";
  out << "Equilibrium\r\n";
  const std::pair<const char*, std::string> lines[] = {
      {"Displacement", F(e.displacement, 1) + weight},
      {"Draft fore", F(e.draftFore) + length},
      {"Draft mid", F(e.draftMid) + length},
      {"Draft aft", F(e.draftAft) + length},
      {"Trim (aft - fore)", F(e.trim) + length},
      {"Trim angle", F(e.trimAngle) + " deg"},
      {"Heel", F(e.heel) + " deg"},
      {"LCB", F(e.lcb) + length},
      {"LCF", F(e.lcf) + length},
      {"LCG", F(e.lcg) + length},
      {"VCG", F(e.vcg) + length},
      {"TCG", F(e.tcg) + length},
      {"KMt", F(e.kmt) + length},
      {"KML", F(e.kml) + length},
      {"GMt solid", F(e.gmtSolid) + length},
      {"GMt fluid", F(e.gmtFluid) + length},
      {"Free-surface moment", F(e.freeSurfaceMoment, 1) + weight + length},
      {"Lowest freeboard", F(e.freeboard) + length},
      {"Evaluations", FormatFixed(e.evaluations, 12, 0)}};
  for (const auto& [name, value] : lines) {
    std::string label = name;
    label.resize(22, ' ');
    out << label << value << "\r\n";
  }
  if (!c.tanks.empty()) {
    out << "\r\nTank                    Capacity  Fill %          Weight         LCG         VCG"
           "         TCG                 FSM\r\n";
    for (size_t k = 0; k < c.tanks.size(); ++k) {
      const TankState& s = w.tanks[k];
      std::string name = c.tanks[k].name;
      name.resize(std::max<size_t>(name.size(), 12), ' ');
      out << name << FormatFixed(s.capacity, 20, 0) << FormatFixed(c.tanks[k].fill, 8, 1)
          << FormatFixed(s.weight, 16, 1) << F(s.lcg) << F(s.vcg) << F(s.tcg)
          << FormatFixed(s.freeSurfaceMoment, 20, 1) << "\r\n";
    }
  }
  if (!curve) return;
  out << "\r\nRighting levers at free trim (G raised by the free surfaces)\r\n"
         "   Ang          GZ        Trim     Sinkage    Displacement\r\n";
  for (const LeverRow& r : curve->rows) {
    out << FormatFixed(r.heel, 6, 2);
    if (r.found) {
      out << F(r.gz, 4) << F(r.trim) << F(r.sinkage) << FormatFixed(r.displacement, 16, 1);
    } else {
      out << "   not found";
    }
    out << "\r\n";
  }
  out << "Angle of vanishing stability: "
      << (curve->vanishingAngle ? FormatFixed(*curve->vanishingAngle, 1, 2) + " deg"
                                : std::string("not reached"))
      << "\r\n";
  if (!assessment) return;
  PrintWeather(*assessment, out);
  out << "\r\n" << FormatCriteria(assessment->criteria);
}

}  // namespace

int RunConditionCommand(int argc, char** argv, int first, std::ostream& out, std::ostream& err) {
  Options o;
  std::string message;
  if (!Parse(argc, argv, first, o, message)) {
    err << message << '\n';
    return 2;
  }
  std::optional<HeelSteps> heels;
  if (o.gz) {
    heels = HeelsOf(*o.gz, message);
    if (!heels) {
      err << message << '\n';
      return 2;
    }
  } else if (o.criteria) {
    heels = CheckHeelInputs(kCriteriaMaxHeel, kCriteriaStep, message);
  }

  DesignSession session;
  if (!Load(o.positional[0], session, err)) return 1;
  LoadingCondition condition;
  if (!ReadConditionFile(o.positional[1], condition, message)) {
    err << o.positional[1] << ": " << message << '\n';
    return 1;
  }
  const int32_t units = session.design.Units;
  const ConditionRun run = RunCondition(*session.surface, units, condition, heels);
  const ConditionWeights& weights = run.weights;
  const Equilibrium& equilibrium = run.equilibrium;
  if (!equilibrium.ok()) {
    err << equilibrium.message << '\n';
    return 1;
  }
  const std::optional<LeverCurve>& curve = run.levers;
  std::optional<ConditionAssessment> assessment;
  if (curve) {
    assessment = AssessCondition(run.hull, condition, weights, equilibrium, *curve);
  }

  if (o.json) {
    json doc = {{"equilibrium", EquilibriumJson(equilibrium)},
                {"tanks", TanksJson(condition, weights)},
                {"units", UnitsJson(units)}};
    if (curve) {
      doc["rows"] = RowsJson(*curve);
      doc["vanishingAngle"] = Optional(curve->vanishingAngle);
      doc["criteria"] = CriteriaJson(assessment->criteria);
      doc["weather"] = WeatherJson(*assessment);
      doc["deckImmersion"] = Optional(assessment->deckImmersion);
      doc["evaluations"] = curve->evaluations;
    }
    out << DumpJson(doc) << '\n';
  } else {
    PrintText(condition, weights, equilibrium, curve ? &*curve : nullptr,
              assessment ? &*assessment : nullptr, units, out);
  }
  return o.criteria && assessment && !AllCriteriaPass(assessment->criteria) ? 3 : 0;
}

}  // namespace skelmora::cli
