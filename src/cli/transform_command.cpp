#include "transform_command.h"

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli_args.h"
#include "design_io.h"
#include "model/chines.h"
#include "model/net_rows_columns.h"
#include "model/prompter.h"
#include "model/tension.h"
#include "model/units_axes.h"
#include "shapes/stretch_translate.h"
#include "shapes/trim.h"

namespace skelmora::cli {

const char* const kTransformUsage =
    "  transform IN OUT [operations...]   applied in order; questions are answered Yes\n"
    "      --insert-row R  --insert-column C  --delete-row R  --delete-column C\n"
    "      --chine-column C  --chine-row R  --unchine-column C  --unchine-row R\n"
    "      --tension WL,ST  --units in|mm  --exchange beam-length|beam-height|length-height\n"
    "      --stretch overall|length=VALUE  --scale overall|length|beam|freeboard|draft=PERCENT\n"
    "      --shift fore|up|right=D  --bow-to-zero\n";

namespace {

// The design being transformed and its surface. A batch run has no use for
// an undo history: the session keeps none, so the editing operations
// write nothing outside OUT (not even when the run is killed).
using Session = DesignSession;

// Answers every question Yes (the operation asked for is what the user
// wants) and keeps the errors for standard error.
class RecordingPrompter : public Prompter {
 public:
  bool AskYesNo(const std::string&) override { return true; }
  void ShowError(const std::string& text) override { errors.push_back(text); }
  void ShowInformation(const std::string&) override {}
  std::optional<std::string> AskText(const std::string&, const std::string&,
                                     const std::string&) override {
    return std::nullopt;
  }
  std::vector<std::string> errors;
};

using Operation = std::function<bool(Session&, Prompter&)>;

struct Parsed {
  std::vector<std::string> positional;
  std::vector<std::pair<std::string, Operation>> operations;  // option text, action
};

// "name=number" with the name one of the keys.
template <typename T>
bool NamedValue(const std::string& text, const std::map<std::string, T>& names, T& name,
                double& value) {
  const size_t at = text.find('=');
  if (at == std::string::npos) return false;
  const auto found = names.find(text.substr(0, at));
  const auto number = ParseDouble(text.substr(at + 1));
  if (found == names.end() || !number) return false;
  name = found->second;
  value = *number;
  return true;
}

Operation IndexOperation(const std::string& option, int index) {
  using Edit = bool (*)(HullDesign&, Surface&, const UndoHistory&, Prompter&, int);
  static const std::map<std::string, Edit> edits = {
      {"--insert-row", InsertRowAbove},
      {"--insert-column", InsertColumnAfter},
      {"--delete-row", DeleteRow},
      {"--delete-column", DeleteColumn},
  };
  if (const auto edit = edits.find(option); edit != edits.end()) {
    return [f = edit->second, index](Session& s, Prompter& p) {
      return f(s.design, *s.surface, s.history, p, index);
    };
  }
  const bool make = option.rfind("--chine-", 0) == 0;
  const ChineKind kind = option.ends_with("-row") ? ChineKind::kRow : ChineKind::kColumn;
  return [make, kind, index](Session& s, Prompter& p) {
    return make ? MakeChine(s.design, *s.surface, s.history, p, kind, index)
                : DeleteChine(s.design, *s.surface, s.history, p, kind, index);
  };
}

bool ParseOperation(const std::string& option, const std::string& value, Operation& op,
                    std::string& message) {
  static const std::vector<std::string> indexed = {
      "--insert-row",   "--insert-column", "--delete-row",     "--delete-column",
      "--chine-column", "--chine-row",     "--unchine-column", "--unchine-row"};
  for (const std::string& name : indexed) {
    if (option != name) continue;
    const auto index = ParseInt(value);
    if (!index) {
      message = option + " needs a whole number: " + value;
      return false;
    }
    op = IndexOperation(option, *index);
    return true;
  }
  if (option == "--tension") {
    const size_t comma = value.find(',');
    const auto wl = ParseInt(value.substr(0, comma));
    const auto st = comma == std::string::npos ? std::nullopt : ParseInt(value.substr(comma + 1));
    if (!wl || !st) {
      message = "--tension needs two whole numbers WL,ST: " + value;
      return false;
    }
    op = [wl = *wl, st = *st](Session& s, Prompter& p) {
      return ChangeTension(s.design, *s.surface, s.history, p, wl, st);
    };
    return true;
  }
  if (option == "--units") {
    if (value != "in" && value != "mm") {
      message = "--units takes in or mm: " + value;
      return false;
    }
    const int32_t wanted = value == "in" ? kInches : kMillimetres;
    op = [wanted](Session& s, Prompter& p) {
      if (s.design.Units == wanted) return true;  // already there
      return ChangeUnits(s.design, *s.surface, s.history, p);
    };
    return true;
  }
  if (option == "--exchange") {
    static const std::map<std::string, AxisPair> pairs = {
        {"beam-length", AxisPair::kBeamLength},
        {"beam-height", AxisPair::kBeamHeight},
        {"length-height", AxisPair::kLengthHeight}};
    const auto pair = pairs.find(value);
    if (pair == pairs.end()) {
      message = "--exchange takes beam-length, beam-height or length-height: " + value;
      return false;
    }
    op = [pair = pair->second](Session& s, Prompter&) {
      return ExchangeAxes(s.design, *s.surface, s.history, pair);
    };
    return true;
  }
  if (option == "--stretch" || option == "--scale") {
    const bool set = option == "--stretch";
    std::map<std::string, HullParameter> names = {{"overall", HullParameter::kOverall},
                                                  {"length", HullParameter::kLength}};
    if (!set) {
      names.insert({{"beam", HullParameter::kHalfBeam},
                    {"freeboard", HullParameter::kFreeboard},
                    {"draft", HullParameter::kDraft}});
    }
    HullParameter parameter;
    double number;
    if (!NamedValue(value, names, parameter, number)) {
      message = set ? "--stretch takes overall=VALUE or length=VALUE: " + value
                    : "--scale takes overall, length, beam, freeboard or draft=PERCENT: " + value;
      return false;
    }
    const StretchMode mode = set ? StretchMode::kSetDimension : StretchMode::kScaleByPercent;
    op = [mode, parameter, number](Session& s, Prompter& p) {
      return StretchHull(s.design, *s.surface, s.history, p, mode, parameter, number);
    };
    return true;
  }
  if (option == "--shift") {
    static const std::map<std::string, ShiftKind> kinds = {{"fore", ShiftKind::kForeAft},
                                                           {"up", ShiftKind::kUpDown},
                                                           {"right", ShiftKind::kRightLeft}};
    ShiftKind kind;
    double distance;
    if (!NamedValue(value, kinds, kind, distance)) {
      message = "--shift takes fore=D, up=D or right=D: " + value;
      return false;
    }
    op = [kind, distance](Session& s, Prompter& p) {
      return TranslateHull(s.design, *s.surface, s.history, kind, distance, &p);
    };
    return true;
  }
  if (option == "--trim") {
    const auto degrees = ParseDouble(value);
    if (!degrees) {
      message = "--trim needs a number of degrees: " + value;
      return false;
    }
    op = [degrees = *degrees](Session& s, Prompter& p) {
      return TrimHull(s.design, *s.surface, *s.cuts, s.history, p, degrees);
    };
    return true;
  }
  message = "Unknown option: " + option;
  return false;
}

bool Parse(int argc, char** argv, int first, Parsed& parsed, std::string& message) {
  for (int k = first; k < argc; ++k) {
    const std::string arg = argv[k];
    if (arg.rfind("--", 0) != 0) {
      parsed.positional.push_back(arg);
      continue;
    }
    if (arg == "--bow-to-zero") {
      parsed.operations.emplace_back(arg, [](Session& s, Prompter& p) {
        return TranslateHull(s.design, *s.surface, s.history, ShiftKind::kBowToZero, 0.0, &p);
      });
      continue;
    }
    if (k + 1 >= argc) {
      message = arg + " needs a value";
      return false;
    }
    const std::string value = argv[++k];
    Operation op;
    if (!ParseOperation(arg, value, op, message)) return false;
    parsed.operations.emplace_back(arg + " " + value, std::move(op));
  }
  if (parsed.positional.size() != 2) {
    message = "transform needs IN and OUT";
    return false;
  }
  return true;
}

}  // namespace

int RunTransform(int argc, char** argv, int first, std::ostream&, std::ostream& err) {
  Parsed parsed;
  std::string message;
  if (!Parse(argc, argv, first, parsed, message)) {
    err << message << "\nusage: skelmora-cli transform IN OUT [operations...]\n" << kTransformUsage;
    return 2;
  }
  Session session;
  if (!LoadDesign(parsed.positional[0], session, message)) {
    err << message << '\n';
    return 1;
  }
  RecordingPrompter prompter;
  for (const auto& [text, operation] : parsed.operations) {
    if (!operation(session, prompter) && !prompter.errors.empty()) {
      for (const std::string& error : prompter.errors) err << text << ": " << error << '\n';
      return 1;
    }
  }
  if (!SaveDesignAs(session.design, parsed.positional[1], message)) {
    err << message << '\n';
    return 1;
  }
  return 0;
}

}  // namespace skelmora::cli
