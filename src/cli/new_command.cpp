#include "new_command.h"

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "cli_args.h"
#include "design_io.h"
#include "files/text_io.h"
#include "shapes/deck.h"
#include "shapes/hull_defaults.h"
#include "shapes/hull_generator.h"
#include "shapes/solids.h"

namespace skelmora::cli {

namespace {

constexpr char kNewLines[] =
    "  new sailboat|nochine|onechine|twochine|cargo [--units in|mm|ft|m] [--loa L] [--beam B]\n"
    "      [--freeboard F] [--draft D] [--bow A] [--stern A] [--stern-type F|R|O|C] --out FILE.s98\n"
    "      (--beam is the half beam at deck; the defaults are the dialog's for the unit)\n"
    "  new box [--height H] [--width W] [--depth D] [--units in|mm] --out FILE.s98\n"
    "  new cone [--height H] [--base-diameter D] [--units in|mm] --out FILE.s98\n"
    "  new cylinder [--length L] [--diameter D] [--units in|mm] --out FILE.s98\n"
    "  new plate [--length L] [--width W] [--vertices-per-edge N] [--units in|mm] --out FILE.s98\n"
    "  new sphere [--diameter D] [--units in|mm] --out FILE.s98\n";
constexpr char kDeckLines[] =
    "  deck IN OUT --camber C [--chine yes|no]   rows above the sheer; the chine at the joint\n"
    "      is made unless --chine no\n";

// Both texts as one, for the program's help.
template <size_t A, size_t B>
constexpr std::array<char, A + B - 1> Joined(const char (&a)[A], const char (&b)[B]) {
  std::array<char, A + B - 1> out{};
  for (size_t k = 0; k + 1 < A; ++k) out[k] = a[k];
  for (size_t k = 0; k < B; ++k) out[A - 1 + k] = b[k];
  return out;
}
constexpr auto kBothUsages = Joined(kNewLines, kDeckLines);

}  // namespace

const char* const kNewUsage = kBothUsages.data();

namespace {

// "--name value" pairs after the positional words.
struct Options {
  std::vector<std::string> positional;
  std::map<std::string, std::string> values;
};

bool ParseOptions(int argc, char** argv, int first, Options& options, std::string& message) {
  for (int k = first; k < argc; ++k) {
    const std::string arg = argv[k];
    if (arg.rfind("--", 0) != 0 || arg.size() <= 2) {
      options.positional.push_back(arg);
      continue;
    }
    if (k + 1 >= argc) {
      message = arg + " needs a value";
      return false;
    }
    if (!options.values.emplace(arg, argv[++k]).second) {
      message = arg + " is given twice";
      return false;
    }
  }
  return true;
}

// The first option that `allowed` does not name.
std::optional<std::string> Unexpected(const Options& options,
                                      const std::vector<std::string>& allowed) {
  for (const auto& [name, value] : options.values) {
    bool known = false;
    for (const std::string& a : allowed) known = known || a == name;
    if (!known) return name;
  }
  return std::nullopt;
}

// A number option as its dialog field reads it; the field's own message
// when the text is not a number.
bool Number(const Options& options, const char* option, const char* caption, double& value,
            std::string& message) {
  const auto found = options.values.find(option);
  if (found == options.values.end()) return true;
  const std::optional<double> parsed = TryParseReal(found->second);
  if (!parsed) {
    message = NotANumberMessage(caption, found->second);
    return false;
  }
  value = *parsed;
  return true;
}

bool Write(HullDesign& design, const std::string& path, std::ostream& out, std::ostream& err) {
  std::string message;
  if (!SaveDesignAs(design, path, message)) {
    err << message << '\n';
    return false;
  }
  out << "Wrote " << path << ": " << design.LastColumn + 1 << " columns x " << design.LastRow + 1
      << " rows\n";
  return true;
}

// What a design made in the program shows once its display mode is picked:
// the sections and the net in all four views, the perspective from the
// angles the animation starts at.
void ShowAllViews(HullDesign& design) {
  ApplyNewDesignDefaults(design);
  design.ShowStations = design.ShowWaterlines = design.ShowButtocks = true;
  design.ShowSurface = false;
  design.ShowVertexNet = true;
  for (ViewId view : {kBodyView, kPlanView, kProfileView, kPerspectiveView}) {
    ViewDrawFlag(design, view) = true;
    ViewOpenFlag(design, view) = true;
  }
  design.PerspectiveAzimuth = -50;
  design.PerspectiveElevation = -30;
}

// The problem and the command's own usage lines.
int Usage(std::ostream& err, const std::string& problem, const char* lines = kNewLines) {
  if (!problem.empty()) err << problem << '\n';
  err << "usage:\n" << lines;
  return 2;
}

int DeckUsage(std::ostream& err, const std::string& problem) {
  return Usage(err, problem, kDeckLines);
}

const std::map<std::string, HullType>& HullTypes() {
  static const std::map<std::string, HullType> types = {
      {"sailboat", HullType::kSailboat},         {"nochine", HullType::kNoChinePower},
      {"onechine", HullType::kOneChinePower},    {"twochine", HullType::kTwoChinePower},
      {"cargo", HullType::kCargoShip}};
  return types;
}

const std::map<std::string, SolidType>& SolidTypes() {
  static const std::map<std::string, SolidType> types = {
      {"box", SolidType::kBox},         {"cone", SolidType::kCone},
      {"cylinder", SolidType::kCylinder}, {"plate", SolidType::kPlate},
      {"sphere", SolidType::kSphere}};
  return types;
}

int NewHull(HullType type, const Options& options, const std::string& path, std::ostream& out,
            std::ostream& err) {
  if (const auto bad = Unexpected(options, {"--units", "--loa", "--beam", "--freeboard",
                                            "--draft", "--bow", "--stern", "--stern-type",
                                            "--out"})) {
    return Usage(err, "this hull type does not take " + *bad);
  }
  static const std::map<std::string, int32_t> units = {
      {"in", kInputInches}, {"mm", kInputMillimetres}, {"ft", kInputFeet}, {"m", kInputMetres}};
  int32_t unit = kInputInches;
  if (const auto u = options.values.find("--units"); u != options.values.end()) {
    const auto found = units.find(u->second);
    if (found == units.end()) return Usage(err, "--units takes in, mm, ft or m: " + u->second);
    unit = found->second;
  }
  // What the dialog shows for this type and unit.
  HullInputs in = InitialHullInputs(unit);
  in.units = unit;
  ApplyDefaults(in, type);
  in.sternType = 'F';
  if (const auto s = options.values.find("--stern-type"); s != options.values.end()) {
    if (s->second.size() != 1 || std::string("FROC").find(s->second[0]) == std::string::npos) {
      return Usage(err, "--stern-type takes F, R, O or C: " + s->second);
    }
    in.sternType = s->second[0];
  }
  std::string message;
  if (!Number(options, "--loa", "Length Over All", in.length, message) ||
      !Number(options, "--beam", "1/2 Beam @ Deck", in.halfBeam, message) ||
      !Number(options, "--freeboard", "Min. Freeboard", in.freeboard, message) ||
      !Number(options, "--draft", "Maximum Draft", in.draft, message) ||
      !Number(options, "--bow", "Bow Angle", in.bowAngle, message) ||
      !Number(options, "--stern", "Stern Angle", in.sternAngle, message)) {
    err << message << '\n';
    return 1;
  }
  DesignSession session;
  if (const auto refusal = GenerateHull(session, type, in)) {
    err << *refusal << '\n';
    return 1;
  }
  ShowAllViews(session.design);
  return Write(session.design, path, out, err) ? 0 : 1;
}

int NewSolid(SolidType type, const Options& options, const std::string& path, std::ostream& out,
             std::ostream& err) {
  struct Field {
    const char* option;
    const char* caption;
    double SolidInputs::*member;
  };
  std::vector<Field> fields;
  switch (type) {
    case SolidType::kBox:
      fields = {{"--height", "Height", &SolidInputs::height},
                {"--width", "Width", &SolidInputs::width},
                {"--depth", "Depth", &SolidInputs::depth}};
      break;
    case SolidType::kCone:
      fields = {{"--height", "Height", &SolidInputs::height},
                {"--base-diameter", "Base Diameter", &SolidInputs::baseDiameter}};
      break;
    case SolidType::kCylinder:
      fields = {{"--length", "Length", &SolidInputs::length},
                {"--diameter", "Diameter", &SolidInputs::diameter}};
      break;
    case SolidType::kPlate:
      fields = {{"--length", "Length", &SolidInputs::length},
                {"--width", "Width", &SolidInputs::width}};
      break;
    case SolidType::kSphere:
      fields = {{"--diameter", "Diameter", &SolidInputs::diameter}};
      break;
  }
  std::vector<std::string> allowed = {"--units", "--out"};
  for (const Field& f : fields) allowed.push_back(f.option);
  if (type == SolidType::kPlate) allowed.push_back("--vertices-per-edge");
  if (const auto bad = Unexpected(options, allowed)) {
    return Usage(err, "this shape does not take " + *bad);
  }
  SolidInputs in = DefaultSolidInputs(type);
  if (const auto u = options.values.find("--units"); u != options.values.end()) {
    if (u->second != "in" && u->second != "mm") {
      return Usage(err, "--units takes in or mm for a shape: " + u->second);
    }
    in.units = u->second == "in" ? kInches : kMillimetres;
  }
  std::string message;
  for (const Field& f : fields) {
    if (!Number(options, f.option, f.caption, in.*(f.member), message)) {
      err << message << '\n';
      return 1;
    }
  }
  if (const auto n = options.values.find("--vertices-per-edge"); n != options.values.end()) {
    const std::optional<int32_t> count = TryParseInt(n->second);
    if (!count) {
      err << NotANumberMessage("Vertices Per Edge", n->second) << '\n';
      return 1;
    }
    in.vertices = *count;
  }
  DesignSession session;
  if (const auto refusal = GenerateSolid(session, type, in)) {
    err << *refusal << '\n';
    return 1;
  }
  ShowAllViews(session.design);
  return Write(session.design, path, out, err) ? 0 : 1;
}

}  // namespace

int RunNew(int argc, char** argv, int first, std::ostream& out, std::ostream& err) {
  Options options;
  std::string message;
  if (!ParseOptions(argc, argv, first, options, message)) return Usage(err, message);
  if (options.positional.size() != 1) return Usage(err, "new needs one TYPE");
  const auto path = options.values.find("--out");
  if (path == options.values.end()) return Usage(err, "new needs --out FILE.s98");
  const std::string& name = options.positional[0];
  if (const auto hull = HullTypes().find(name); hull != HullTypes().end()) {
    return NewHull(hull->second, options, path->second, out, err);
  }
  if (const auto solid = SolidTypes().find(name); solid != SolidTypes().end()) {
    return NewSolid(solid->second, options, path->second, out, err);
  }
  return Usage(err, "Unknown type: " + name);
}

int RunDeck(int argc, char** argv, int first, std::ostream& out, std::ostream& err) {
  Options options;
  std::string message;
  if (!ParseOptions(argc, argv, first, options, message)) return DeckUsage(err, message);
  if (options.positional.size() != 2) return DeckUsage(err, "deck needs IN and OUT");
  if (const auto bad = Unexpected(options, {"--camber", "--chine"})) {
    return DeckUsage(err, "deck does not take " + *bad);
  }
  const auto camberText = options.values.find("--camber");
  if (camberText == options.values.end()) return DeckUsage(err, "deck needs --camber C");
  const std::optional<double> camber = TryParseReal(camberText->second);
  if (!camber) return DeckUsage(err, "The camber is not a number: " + camberText->second);
  bool chine = true;
  if (const auto c = options.values.find("--chine"); c != options.values.end()) {
    if (c->second != "yes" && c->second != "no") {
      return DeckUsage(err, "--chine takes yes or no: " + c->second);
    }
    chine = c->second == "yes";
  }
  DesignSession session;
  if (!LoadDesign(options.positional[0], session, message)) {
    err << message << '\n';
    return 1;
  }
  if (const auto refusal = AddDeck(session.design, *camber, chine)) {
    err << *refusal << '\n';
    return 1;
  }
  ApplyNewDesignDefaults(session.design);
  session.design.ShowVertexNet = true;
  return Write(session.design, options.positional[1], out, err) ? 0 : 1;
}

}  // namespace skelmora::cli
