#include "kg_limit_command.h"

#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli_args.h"
#include "design_io.h"
#include "files/text_io.h"
#include "hydro/hydrostatics.h"
#include "json_out.h"
#include "loading/assessment.h"
#include "loading/condition_file.h"

namespace skelmora::cli {

const char* const kKgLimitUsage =
    "  kg-limit FILE.s98 COND.lcd --displacements W1,W2,... [--json]\n";

namespace {

using nlohmann::json;

// The levers each trial runs, as the condition command's --criteria.
constexpr double kMaxHeel = 90.0;
constexpr double kStep = 5.0;

std::optional<std::vector<double>> ListOf(const std::string& text, std::string& message) {
  std::vector<double> list;
  size_t start = 0;
  for (;;) {
    const size_t comma = text.find(',', start);
    const std::string item = text.substr(start, comma == std::string::npos ? std::string::npos
                                                                            : comma - start);
    const std::optional<double> value = ParseDouble(item);
    if (!value || !(*value > 0.0) || *value > 1e12) {
      message = "--displacements takes weights above 0 separated by commas, not: " + item;
      return std::nullopt;
    }
    list.push_back(*value);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return list;
}

}  // namespace

int RunKgLimitCommand(int argc, char** argv, int first, std::ostream& out, std::ostream& err) {
  std::vector<std::string> positional;
  std::optional<std::string> list;
  bool asJson = false;
  for (int k = first; k < argc; ++k) {
    const std::string arg = argv[k];
    if (arg == "--json") {
      asJson = true;
    } else if (arg == "--displacements") {
      if (k + 1 >= argc) {
        err << "--displacements needs a value (W1,W2,...)\n";
        return 2;
      }
      list = argv[++k];
    } else if (arg.rfind("--", 0) == 0) {
      err << "Unknown option: " << arg << '\n';
      return 2;
    } else {
      positional.push_back(arg);
    }
  }
  if (positional.size() != 2 || !list) {
    std::string usage = kKgLimitUsage;
    usage.pop_back();
    err << "usage: skelmora-cli" << usage.substr(1) << '\n';
    return 2;
  }
  std::string message;
  const std::optional<std::vector<double>> displacements = ListOf(*list, message);
  if (!displacements) {
    err << message << '\n';
    return 2;
  }
  const std::optional<HeelSteps> steps = CheckHeelInputs(kMaxHeel, kStep, message);

  DesignSession session;
  if (!Load(positional[0], session, err)) return 1;
  LoadingCondition condition;
  if (!ReadConditionFile(positional[1], condition, message)) {
    err << positional[1] << ": " << message << '\n';
    return 1;
  }
  const int32_t units = session.design.Units;
  const FloatingHull hull = BuildFloatingHull(*session.surface, units);
  const ConditionWeights base = SumCondition(hull, condition);

  std::vector<KgLimitRow> rows;
  int curves = 0;
  bool all = true;
  for (double w : *displacements) {
    rows.push_back(LimitingKg(hull, condition, base, w, *steps));
    curves += rows.back().leverCurves;
    if (!rows.back().vcg) {
      all = false;
      err << "Displacement " << FormatFixed(w, 1, 1) << ": " << rows.back().message << '\n';
    }
  }
  const bool metric = FactorsFor(units).metric;
  if (asJson) {
    json list = json::array();
    for (const KgLimitRow& r : rows) {
      list.push_back({{"displacement", r.displacement},
                      {"vcg", r.vcg ? json(*r.vcg) : json(nullptr)},
                      {"kg", r.kg ? json(*r.kg) : json(nullptr)},
                      {"governing", r.vcg ? json(r.governing) : json(nullptr)},
                      {"message", r.vcg ? json(nullptr) : json(r.message)},
                      {"leverCurves", r.leverCurves}});
    }
    json doc = {{"rows", list},
                {"leverCurves", curves},
                {"lcg", base.lcg},
                {"freeSurfaceMoment", base.freeSurfaceMoment},
                {"units", {{"length", metric ? "mm" : "in"}, {"weight", metric ? "kg" : "lb"}}}};
    out << DumpJson(doc) << '\n';
  } else {
    out << "Limiting KG (every criterion, general and weather, at free trim; LCG "
        << FormatFixed(base.lcg, 1, 3) << (metric ? " mm" : " in") << ")\r\n"
        << "    Displacement   Limiting VCG     KG (keel)  Governing criterion\r\n";
    for (const KgLimitRow& r : rows) {
      out << FormatFixed(r.displacement, 16, 1);
      if (r.vcg) {
        out << FormatFixed(*r.vcg, 15, 3) << FormatFixed(*r.kg, 14, 3) << "  " << r.governing;
      } else {
        out << "           none                " << r.message;
      }
      out << "\r\n";
    }
    out << "Lever curves computed: " << curves << "\r\n";
  }
  return all ? 0 : 1;
}

}  // namespace skelmora::cli
