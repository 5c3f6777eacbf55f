#include "loading/condition_file.h"

#include <optional>
#include <vector>

#include "files/text_io.h"

namespace skelmora {

namespace {

constexpr std::uintmax_t kMaxConditionFileBytes = 16u << 20;
constexpr int kDecimals = 6;

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string Shown(std::string_view text) {
  constexpr size_t kMost = 40;
  return std::string(text.substr(0, kMost)) + (text.size() > kMost ? "..." : "");
}

// The fields of one line after its keyword.
class Fields {
 public:
  Fields(std::string_view rest, int line) : tokens_(rest), line_(line) {}

  bool Name(std::string& name, std::string& message) {
    const std::string_view token = tokens_.Token();
    if (token.empty()) return Missing("name", message);
    name = std::string(token);
    return true;
  }

  bool Number(const char* field, double& value, std::string& message) {
    const std::string_view token = tokens_.Token();
    if (token.empty()) return Missing(field, message);
    const std::optional<double> parsed = TryParseReal(token);
    if (!parsed) {
      message = At() + "the " + field + " '" + Shown(token) + "' is not a number";
      return false;
    }
    // Held at the precision the file is written with, so that a condition
    // read, written and read again is the same condition.
    value = ParseReal(FormatFixed(*parsed, 1, kDecimals));
    return true;
  }

  bool End(std::string& message) {
    if (tokens_.Empty()) return true;
    message = At() + "more fields than the line takes";
    return false;
  }

  std::string At() const { return "Line " + std::to_string(line_) + ": "; }

 private:
  bool Missing(const char* field, std::string& message) {
    message = At() + "the " + field + " is missing";
    return false;
  }
  TokenLine tokens_;
  int line_;
};

bool ReadWeights(Fields& f, WeightItem& item, std::string& m) {
  return f.Number("weight", item.weight, m) && f.Number("lcg", item.lcg, m) &&
         f.Number("vcg", item.vcg, m) && f.Number("tcg", item.tcg, m) && f.End(m);
}

bool ReadTank(Fields& f, Tank& t, std::string& m) {
  return f.Name(t.name, m) && f.Number("yFore", t.yFore, m) && f.Number("yAft", t.yAft, m) &&
         f.Number("xMin", t.xMin, m) && f.Number("xMax", t.xMax, m) &&
         f.Number("zMin", t.zMin, m) && f.Number("zMax", t.zMax, m) &&
         f.Number("density", t.density, m) && f.Number("fill", t.fill, m) && f.End(m);
}

bool ReadOpening(Fields& f, Opening& o, std::string& m) {
  return f.Name(o.name, m) && f.Number("x", o.x, m) && f.Number("y", o.y, m) &&
         f.Number("z", o.z, m) && f.End(m);
}

bool ReadWindage(Fields& f, WindageBlock& b, std::string& m) {
  return f.Name(b.name, m) && f.Number("area", b.area, m) && f.Number("height", b.height, m) &&
         f.End(m);
}

void WriteNumbers(LineWriter& out, std::initializer_list<double> values) {
  for (double v : values) out.Fixed(v, 1, kDecimals);
}

}  // namespace

std::string FormatConditionFile(const LoadingCondition& c) {
  LineWriter out;
  out.Line(kConditionFileMarker);
  const WeightItem& l = c.lightship;
  out.Text("LIGHTSHIP");
  WriteNumbers(out, {l.weight, l.lcg, l.vcg, l.tcg});
  out.EndLine();
  for (const WeightItem& i : c.items) {
    out.Text("ITEM").Text(i.name);
    WriteNumbers(out, {i.weight, i.lcg, i.vcg, i.tcg});
    out.EndLine();
  }
  for (const Tank& t : c.tanks) {
    out.Text("TANK").Text(t.name);
    WriteNumbers(out, {t.yFore, t.yAft, t.xMin, t.xMax, t.zMin, t.zMax, t.density, t.fill});
    out.EndLine();
  }
  for (const Opening& o : c.openings) {
    out.Text("OPENING").Text(o.name);
    WriteNumbers(out, {o.x, o.y, o.z});
    out.EndLine();
  }
  for (const WindageBlock& b : c.windage) {
    out.Text("WINDAGE").Text(b.name);
    WriteNumbers(out, {b.area, b.height});
    out.EndLine();
  }
  if (c.bilgeKeelArea > 0.0) {
    out.Text("BILGEKEELS");
    WriteNumbers(out, {c.bilgeKeelArea});
    out.EndLine();
  }
  if (c.sharpBilges) out.Line("SHARPBILGES");
  return out.Take();
}

bool ParseConditionFile(std::string_view text, LoadingCondition& condition, std::string& message) {
  LineReader reader(text);
  std::string_view line;
  if (!reader.Next(line) || Trimmed(line) != kConditionFileMarker) {
    message = std::string("Line 1: not a loading condition file (the first line must be \"") +
              kConditionFileMarker + "\")";
    return false;
  }
  LoadingCondition read;
  bool lightship = false, bilgeKeels = false;
  while (reader.Next(line)) {
    const int number = reader.LineNumber();
    if (number > kMaxConditionLines) {
      message = "Line " + std::to_string(number) + ": more lines than a condition file holds";
      return false;
    }
    TokenLine tokens(line);
    const std::string_view keyword = tokens.Token();
    if (keyword.empty()) continue;
    // The rest of the line after the keyword.
    const std::string_view rest = line.substr(keyword.data() + keyword.size() - line.data());
    Fields fields(rest, number);
    std::optional<std::string> refused;
    if (keyword == "LIGHTSHIP") {
      if (lightship) {
        message = fields.At() + "a second LIGHTSHIP line";
        return false;
      }
      lightship = true;
      if (!ReadWeights(fields, read.lightship, message)) return false;
      refused = CheckWeightItem(read.lightship);
    } else if (keyword == "ITEM") {
      WeightItem item;
      if (!fields.Name(item.name, message) || !ReadWeights(fields, item, message)) return false;
      refused = CheckWeightItem(item);
      read.items.push_back(std::move(item));
    } else if (keyword == "TANK") {
      Tank tank;
      if (!ReadTank(fields, tank, message)) return false;
      refused = CheckTank(tank);
      read.tanks.push_back(std::move(tank));
    } else if (keyword == "OPENING") {
      Opening opening;
      if (!ReadOpening(fields, opening, message)) return false;
      refused = CheckOpening(opening);
      read.openings.push_back(std::move(opening));
    } else if (keyword == "WINDAGE") {
      WindageBlock block;
      if (!ReadWindage(fields, block, message)) return false;
      refused = CheckWindage(block);
      read.windage.push_back(std::move(block));
    } else if (keyword == "BILGEKEELS") {
      if (bilgeKeels) {
        message = fields.At() + "a second BILGEKEELS line";
        return false;
      }
      bilgeKeels = true;
      if (!fields.Number("area", read.bilgeKeelArea, message) || !fields.End(message)) return false;
      refused = CheckBilgeKeelArea(read.bilgeKeelArea);
    } else if (keyword == "SHARPBILGES") {
      if (read.sharpBilges) {
        message = fields.At() + "a second SHARPBILGES line";
        return false;
      }
      if (!fields.End(message)) return false;
      read.sharpBilges = true;
    } else {
      message = fields.At() + "unknown keyword '" + Shown(keyword) + "'";
      return false;
    }
    if (refused) {
      message = fields.At() + *refused;
      return false;
    }
  }
  condition = std::move(read);
  return true;
}

bool ReadConditionFile(const std::filesystem::path& path, LoadingCondition& condition,
                       std::string& message) {
  std::string text;
  if (!ReadWholeFile(path, text, kMaxConditionFileBytes, "a loading condition file", message)) {
    return false;
  }
  return ParseConditionFile(text, condition, message);
}

bool WriteConditionFile(const std::filesystem::path& path, const LoadingCondition& condition,
                        std::string& message) {
  if (const auto bad = CheckCondition(condition)) {
    message = "The condition cannot be saved: " + *bad;
    return false;
  }
  if (SaveFileAtomically(path, FormatConditionFile(condition))) return true;
  message = "Cannot save the file: " + path.string();
  return false;
}

}  // namespace skelmora
