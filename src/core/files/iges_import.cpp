#include "files/iges_import.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <optional>

#include "files/text_io.h"
#include "model/shape_changed.h"

namespace skelmora {

namespace {

// An IGES file of one hull surface is small; anything this large is not one.
constexpr std::uintmax_t kMaxIgesFileBytes = 64u << 20;
constexpr size_t kSectionColumn = 72;    // column 73: the section letter
constexpr size_t kParameterColumns = 64;  // columns 1-64 of a parameter line
constexpr int kSurfaceEntity = 128;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// A real as IGES writes it ("1.", ".5", "1.0D-3"); anything else is 0.
double RealOf(std::string_view token) {
  std::string text(Trimmed(token));
  for (char& c : text) {
    if (c == 'D' || c == 'd') c = 'E';
  }
  return TryParseReal(text).value_or(0.0);
}

// An integer; a real that holds one counts ("3.0").
std::optional<int> IntegerOf(std::string_view token) {
  const std::string_view t = Trimmed(token);
  if (const auto v = TryParseInt(t)) return *v;
  const double real = RealOf(t);
  if (std::fabs(real) < 2e9 && real == std::trunc(real) && !t.empty()) {
    return static_cast<int>(real);
  }
  return std::nullopt;
}

float FloatOf(std::string_view token) {
  const double v = RealOf(token);
  return std::fabs(v) <= 3.0e38 ? static_cast<float>(v) : 0.0f;
}

// The free-format tokens of a record: fields end at the parameter
// delimiter, the record at the record delimiter; a Hollerith string (nH
// followed by n characters) is one field whatever it holds.
class FieldReader {
 public:
  FieldReader(std::string_view text, char fieldEnd, char recordEnd)
      : text_(text), fieldEnd_(fieldEnd), recordEnd_(recordEnd) {}

  // The next field; false at the end of the record or of the text.
  bool Next(std::string_view& field) {
    if (ended_) return false;
    size_t at = pos_;
    while (at < text_.size() && IsBlank(text_[at])) ++at;
    if (at >= text_.size()) {
      ended_ = true;
      return false;
    }
    size_t digits = at;
    while (digits < text_.size() && text_[digits] >= '0' && text_[digits] <= '9') ++digits;
    if (digits > at && digits < text_.size() && (text_[digits] == 'H' || text_[digits] == 'h') &&
        digits - at <= 6) {
      const size_t length = std::stoul(std::string(text_.substr(at, digits - at)));
      const size_t start = digits + 1;
      const size_t end = std::min(text_.size(), start + length);
      field = text_.substr(start, end - start);
      pos_ = end;
      SkipDelimiter();
      return true;
    }
    size_t end = at;
    while (end < text_.size() && text_[end] != fieldEnd_ && text_[end] != recordEnd_) ++end;
    field = Trimmed(text_.substr(at, end - at));
    pos_ = end;
    SkipDelimiter();
    return true;
  }

 private:
  void SkipDelimiter() {
    while (pos_ < text_.size() && text_[pos_] != fieldEnd_ && text_[pos_] != recordEnd_) ++pos_;
    if (pos_ >= text_.size()) return;
    if (text_[pos_] == recordEnd_) ended_ = true;
    ++pos_;
  }

  std::string_view text_;
  char fieldEnd_;
  char recordEnd_;
  size_t pos_ = 0;
  bool ended_ = false;
};

struct Sections {
  std::string global;                     // columns 1-72 of the G lines
  std::vector<std::string_view> entries;  // D lines, two per entity
  std::vector<std::string_view> parameters;  // columns 1-64 of the P lines
  std::vector<int> parameterNumbers;         // their sequence numbers
};

Sections SplitSections(std::string_view text) {
  Sections s;
  LineReader reader(text);
  std::string_view line;
  while (reader.Next(line)) {
    if (line.size() <= kSectionColumn) continue;
    switch (line[kSectionColumn]) {
      case 'G':
        s.global.append(line.substr(0, kSectionColumn));
        break;
      case 'D':
        s.entries.push_back(line);
        break;
      case 'P':
        s.parameters.push_back(line.substr(0, kParameterColumns));
        s.parameterNumbers.push_back(IntegerOf(line.substr(kSectionColumn + 1)).value_or(0));
        break;
      default:
        break;
    }
  }
  return s;
}

// The delimiters the global section names (",", ";" unless it says else),
// and its units flag (field 14).
void ReadGlobal(const std::string& global, char& fieldEnd, char& recordEnd, int& unitsFlag) {
  fieldEnd = ',';
  recordEnd = ';';
  std::string_view g = Trimmed(global);
  // Fields 1 and 2 are read by hand: they say what the delimiters are.
  if (g.substr(0, 2) == "1H" && g.size() >= 3) {
    fieldEnd = g[2];
    g.remove_prefix(3);
  }
  if (!g.empty() && g.front() == fieldEnd) g.remove_prefix(1);
  if (g.substr(0, 2) == "1H" && g.size() >= 3) {
    recordEnd = g[2];
    g.remove_prefix(3);
  }
  if (!g.empty() && g.front() == fieldEnd) g.remove_prefix(1);
  if (fieldEnd == recordEnd || IsBlank(fieldEnd) || IsBlank(recordEnd)) {
    fieldEnd = ',';
    recordEnd = ';';
  }
  FieldReader fields(g, fieldEnd, recordEnd);
  std::string_view field;
  for (int number = 3; fields.Next(field); ++number) {
    if (number == 14) {
      unitsFlag = IntegerOf(field).value_or(0);
      return;
    }
  }
}

// The parameter data of the first entity 128, from its first line to the
// end of the section (its record delimiter ends it).
std::optional<std::string> SurfaceRecord(const Sections& s, char fieldEnd, char recordEnd) {
  size_t first = s.parameters.size();
  // The directory names each entity's type and first parameter line.
  for (size_t k = 0; k < s.entries.size(); k += 2) {
    const std::string_view entry = s.entries[k];
    if (IntegerOf(entry.substr(0, 8)) != kSurfaceEntity) continue;
    const int pointer = IntegerOf(entry.substr(8, 8)).value_or(0);
    const auto at = std::find(s.parameterNumbers.begin(), s.parameterNumbers.end(), pointer);
    if (at != s.parameterNumbers.end()) {
      first = static_cast<size_t>(at - s.parameterNumbers.begin());
    } else if (pointer >= 1 && static_cast<size_t>(pointer) <= s.parameters.size()) {
      first = static_cast<size_t>(pointer - 1);
    }
    break;
  }
  // Without a usable directory: the first parameter line whose entity type
  // (its first field) is 128.
  if (first == s.parameters.size()) {
    for (size_t k = 0; k < s.parameters.size(); ++k) {
      FieldReader fields(s.parameters[k], fieldEnd, recordEnd);
      std::string_view type;
      if (fields.Next(type) && IntegerOf(type) == kSurfaceEntity) {
        first = k;
        break;
      }
    }
  }
  if (first == s.parameters.size()) return std::nullopt;
  std::string record;
  for (size_t k = first; k < s.parameters.size(); ++k) record.append(s.parameters[k]);
  return record;
}

}  // namespace

IgesParse ParseIgesText(std::string_view text, IgesSurface& surface, std::string& message) {
  const Sections sections = SplitSections(text);
  char fieldEnd = ',';
  char recordEnd = ';';
  int unitsFlag = 0;
  ReadGlobal(sections.global, fieldEnd, recordEnd, unitsFlag);
  const std::optional<std::string> record = SurfaceRecord(sections, fieldEnd, recordEnd);
  if (!record) {
    message = kNoIgesSurfaceMessage;
    return IgesParse::kNoSurface;
  }
  FieldReader fields(*record, fieldEnd, recordEnd);
  std::string_view field;
  fields.Next(field);  // the entity type
  int header[4] = {0, 0, 0, 0};
  for (int& value : header) {
    if (!fields.Next(field)) {
      message = "The surface in this IGES file ends before its sizes.";
      return IgesParse::kRefused;
    }
    value = IntegerOf(field).value_or(0);
  }
  IgesSurface s;
  s.k1 = header[0];
  s.k2 = header[1];
  s.m1 = header[2];
  s.m2 = header[3];
  s.unitsFlag = unitsFlag;
  if (s.k1 < 0 || s.k1 > kMaxIndex || s.k2 < 0 || s.k2 > kMaxIndex) {
    message = "The surface in this IGES file has " + std::to_string(int64_t{s.k1} + 1) + " x " +
              std::to_string(int64_t{s.k2} + 1) + " control points; at most " +
              std::to_string(kNetSize) + " x " + std::to_string(kNetSize) + " can be imported.";
    return IgesParse::kRefused;
  }
  if (s.m1 < 1 || s.m1 > s.k1 || s.m2 < 1 || s.m2 > s.k2) {
    message = "The surface in this IGES file has degrees " + std::to_string(s.m1) + " and " +
              std::to_string(s.m2) + "; each must lie between 1 and its number of control "
              "points less one.";
    return IgesParse::kRefused;
  }
  // PROP1..PROP5, then the two knot lists, not kept.
  const int skipped = 5 + (s.k1 + s.m1 + 2) + (s.k2 + s.m2 + 2);
  const size_t points = static_cast<size_t>(s.k1 + 1) * static_cast<size_t>(s.k2 + 1);
  bool complete = true;
  for (int k = 0; k < skipped && complete; ++k) complete = fields.Next(field);
  s.weights.resize(points);
  s.x.resize(points);
  s.y.resize(points);
  s.z.resize(points);
  for (size_t k = 0; k < points && complete; ++k) {
    complete = fields.Next(field);
    s.weights[k] = FloatOf(field);
  }
  for (size_t k = 0; k < points && complete; ++k) {
    float* xyz[3] = {&s.x[k], &s.y[k], &s.z[k]};
    for (float* c : xyz) {
      complete = complete && fields.Next(field);
      if (complete) *c = FloatOf(field);
    }
  }
  if (!complete) {
    message = "The surface in this IGES file ends before its last control point.";
    return IgesParse::kRefused;
  }
  // Beyond a million kilometres no hull is meant, and sums over such points
  // (or the metres rule's factor of 1000) leave the range of the numbers.
  constexpr float kLargest = 1e9f;
  for (size_t k = 0; k < points; ++k) {
    if (std::fabs(s.x[k]) > kLargest || std::fabs(s.y[k]) > kLargest ||
        std::fabs(s.z[k]) > kLargest || s.weights[k] > kLargest) {
      message = "The surface in this IGES file has a control point or weight beyond 1E9: "
                "it cannot be a hull.";
      return IgesParse::kRefused;
    }
  }
  surface = std::move(s);
  message.clear();
  return IgesParse::kOk;
}

bool IgesUnitIsImperial(int unitsFlag) {
  switch (unitsFlag) {
    case 1:  // inches
    case 4:  // feet
    case 5:  // miles
    case 8:  // mils
    case 9:  // micro-inches
      return true;
    default:
      return false;
  }
}

namespace {

int LastIndex(const HullDesign& d, bool columns) {
  return ClampIndex(columns ? d.LastColumn : d.LastRow);
}

template <class Visit>
void EachVertex(HullDesign& d, Visit visit) {
  for (int c = 0; c <= LastIndex(d, true); ++c) {
    for (int r = 0; r <= LastIndex(d, false); ++r) visit(d.Net[c][r]);
  }
}

void ReverseRows(HullDesign& d) {
  const int last = LastIndex(d, false);
  for (int c = 0; c <= LastIndex(d, true); ++c) {
    std::reverse(d.Net[c].begin(), d.Net[c].begin() + last + 1);
  }
}

void ReverseColumns(HullDesign& d) {
  std::reverse(d.Net.begin(), d.Net.begin() + LastIndex(d, true) + 1);
}

// Vertex [c][r] becomes [r][c], through the scratch net.
void TransposeNet(HullDesign& d) {
  d.ScratchNet = d.Net;
  for (int c = 0; c <= LastIndex(d, true); ++c) {
    for (int r = 0; r <= LastIndex(d, false); ++r) d.Net[r][c] = d.ScratchNet[c][r];
  }
  std::swap(d.LastColumn, d.LastRow);
  // The degrees belong to the directions: they go with the net, so the
  // surface keeps its shape.
  std::swap(d.WaterlineTension, d.StationTension);
}

void Orient(HullDesign& d, Prompter& prompter) {
  float maxX = 0.0f, maxY = 0.0f;
  EachVertex(d, [&](Vertex& v) {
    maxX = std::max(maxX, std::fabs(v.x));
    maxY = std::max(maxY, std::fabs(v.y));
  });
  if (maxX > maxY) EachVertex(d, [](Vertex& v) { std::swap(v.x, v.y); });

  float minY = 0.0f, minZ = 0.0f;
  bool first = true;
  EachVertex(d, [&](Vertex& v) {
    minY = first ? v.y : std::min(minY, v.y);
    minZ = first ? v.z : std::min(minZ, v.z);
    first = false;
  });
  if (minY < 0.0f) EachVertex(d, [&](Vertex& v) { v.y -= minY; });
  if (minZ > 0.0f) EachVertex(d, [&](Vertex& v) { v.z -= minZ; });

  if (prompter.AskYesNo(kExchangeRowsQuestion)) TransposeNet(d);
  d.ColumnChineCount = 0;
  d.RowChineCount = 0;

  const int lastColumn = LastIndex(d, true);
  const int lastRow = LastIndex(d, false);
  float lowestOfRow0 = d.Net[0][0].z, highestOfLastRow = d.Net[0][lastRow].z;
  for (int c = 0; c <= lastColumn; ++c) {
    lowestOfRow0 = std::min(lowestOfRow0, d.Net[c][0].z);
    highestOfLastRow = std::max(highestOfLastRow, d.Net[c][lastRow].z);
  }
  if (lowestOfRow0 > highestOfLastRow) ReverseRows(d);
  float foremostOfColumn0 = d.Net[0][0].y, aftmostOfLastColumn = d.Net[lastColumn][0].y;
  for (int r = 0; r <= lastRow; ++r) {
    foremostOfColumn0 = std::min(foremostOfColumn0, d.Net[0][r].y);
    aftmostOfLastColumn = std::max(aftmostOfLastColumn, d.Net[lastColumn][r].y);
  }
  if (foremostOfColumn0 > aftmostOfLastColumn) ReverseColumns(d);
}

}  // namespace

void ImportIgesSurface(HullDesign& design, Surface& surface, const IgesSurface& iges,
                       Prompter& prompter) {
  HullDesign& d = design;
  ResetNet(d);
  ClearTransientDrawFlags(d);
  d.UserBowOffset = 0.0;
  d.LastColumn = ClampIndex(iges.k1);
  d.LastRow = ClampIndex(iges.k2);
  d.WaterlineTension = std::max(iges.m1, 1);
  d.StationTension = std::max(iges.m2, 1);
  const size_t stride = static_cast<size_t>(d.LastColumn) + 1;
  for (size_t k = 0; k < iges.weights.size() && k < stride * (d.LastRow + 1); ++k) {
    Vertex& v = d.Net[k % stride][k / stride];
    // A weight not above 0 has no meaning and would divide by 0.
    v.w = iges.weights[k] > 0.0f ? iges.weights[k] : 1.0f;
    v.x = iges.x[k];
    v.y = iges.y[k];
    v.z = iges.z[k];
  }
  d.DesignOpen = true;
  Orient(d, prompter);

  d.Units = prompter.AskYesNo(kIgesInchesQuestion) ? kInches : kMillimetres;
  d.MarkersShown = false;
  d.KeelRudderShown = false;
  ApplyImportReset(d);
  RebuildSurface(d, surface);
  RecomputeExtents(d, surface);
  // The half-beam is the largest |x|: a hull modelled on the negative side
  // has no positive x at all.
  float halfBeam = 0.0f;
  EachVertex(d, [&halfBeam](Vertex& v) { halfBeam = std::max(halfBeam, std::fabs(v.x)); });
  if (d.Units == kMillimetres && halfBeam < 1000.0f) {
    // A metric hull less than a metre wide was drawn in metres.
    EachVertex(d, [](Vertex& v) {
      v.x *= 1000.0f;
      v.y *= 1000.0f;
      v.z *= 1000.0f;
    });
  }
  d.PerspectiveAzimuth = 0.0;
  d.PerspectiveElevation = 0.0;
  SetViewOpen(d, kBodyView, true);
  for (ViewId view : {kPlanView, kProfileView, kPerspectiveView}) SetViewOpen(d, view, false);
  d.ShowStations = true;
  d.ShowWaterlines = false;
  d.ShowButtocks = false;
  d.ShowVertexNet = true;
  RebuildSurface(d, surface);
  RecomputeExtents(d, surface);
}

std::string IgesDesignName(const std::string& path) {
  std::filesystem::path name(path);
  name.replace_extension(".s98");
  return name.string();
}

bool ReadIgesFileText(const std::string& path, std::string& text, std::string& message) {
  return ReadWholeFile(path, text, kMaxIgesFileBytes, "an IGES hull surface", message);
}

bool ImportIgesFile(HullDesign& design, Surface& surface, const std::string& path,
                    Prompter& prompter, std::string& message) {
  std::string text;
  if (!ReadIgesFileText(path, text, message)) return false;
  return ImportIgesText(design, surface, text, path, prompter, message);
}

bool ImportIgesText(HullDesign& design, Surface& surface, std::string_view text,
                    const std::string& path, Prompter& prompter, std::string& message) {
  IgesSurface iges;
  if (ParseIgesText(text, iges, message) != IgesParse::kOk) return false;
  // The questions are asked on a copy, which becomes the design at the end.
  auto copy = std::make_unique<HullDesign>(design);
  ImportIgesSurface(*copy, surface, iges, prompter);
  copy->DesignFileName = IgesDesignName(path);
  design = std::move(*copy);
  message.clear();
  return true;
}

}  // namespace skelmora
