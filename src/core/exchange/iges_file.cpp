#include "exchange/iges_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "files/text_io.h"

namespace skelmora {

namespace {

// A real as IGES writes it: always with a point, an exponent as "E".
std::string IgesReal(double value) {
  value = CleanNumber(value);
  char buffer[40];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                    std::chars_format::general, 10);
  std::string text(buffer, result.ptr);
  const size_t e = text.find('e');
  const std::string mantissa = text.substr(0, e);
  std::string exponent = e == std::string::npos ? std::string() : text.substr(e + 1);
  std::string out = mantissa;
  if (out.find('.') == std::string::npos) out += ".0";
  if (!exponent.empty()) out += "E" + exponent;
  return out;
}

std::string Hollerith(const std::string& text) { return std::to_string(text.size()) + "H" + text; }

std::string RightAligned(const std::string& text, size_t width) {
  return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

// One 80-column record: data padded to 72, the section letter, the sequence.
void Record(std::string& out, const std::string& data, char section, int sequence) {
  std::string line = data;
  line.resize(72, ' ');
  line += section;
  line += RightAligned(std::to_string(sequence), 7);
  out += line;
  out += '\n';
}

// Tokens (each ending in its delimiter) packed into lines of `width`
// columns, never split, so a reader that takes a line's tokens up to its
// last comma reads every value whole.
std::vector<std::string> Pack(const std::vector<std::string>& tokens, size_t width) {
  std::vector<std::string> lines(1);
  for (const std::string& token : tokens) {
    if (!lines.back().empty() && lines.back().size() + token.size() > width) lines.emplace_back();
    lines.back() += token;
  }
  return lines;
}

struct Entity {
  std::vector<std::string> lines;  // parameter data, 64 columns each
};

Entity SurfaceEntity(const Surface& surface, double sign) {
  const WorkingNet& working = surface.working;
  const KnotVectors& knots = surface.knots;
  const int k1 = knots.lastColumn;
  const int k2 = knots.lastRow;
  std::vector<std::string> tokens;
  auto integer = [&](int value) { tokens.push_back(std::to_string(value) + ","); };
  auto real = [&](double value) { tokens.push_back(IgesReal(value) + ","); };
  integer(128);
  integer(k1);
  integer(k2);
  integer(knots.degreeU);
  integer(knots.degreeV);
  integer(0);  // not closed in u
  integer(0);  // not closed in v
  integer(0);  // rational
  integer(0);  // not periodic in u
  integer(0);  // not periodic in v
  for (int k = 0; k <= k1 + knots.degreeU + 1; ++k) real(knots.u[k]);
  for (int k = 0; k <= k2 + knots.degreeV + 1; ++k) real(knots.v[k]);
  for (int j = 0; j <= k2; ++j) {
    for (int i = 0; i <= k1; ++i) real(working.net[i][j].w);
  }
  for (int j = 0; j <= k2; ++j) {
    for (int i = 0; i <= k1; ++i) {
      const Vertex& vertex = working.net[i][j];
      real(sign * vertex.x);
      real(vertex.y);
      real(vertex.z);
    }
  }
  real(knots.u[knots.degreeU]);
  real(knots.u[k1 + 1]);
  real(knots.v[knots.degreeV]);
  tokens.push_back(IgesReal(knots.v[k2 + 1]) + ";");
  return Entity{Pack(tokens, 64)};
}

}  // namespace

std::string FormatIges(const HullDesign& design, const Surface& surface, const IgesOptions& options) {
  std::string out;
  const bool millimetres = design.Units == kMillimetres;

  Record(out, "Hull surface from skelmora: one side as a rational B-spline surface", 'S', 1);
  const int startCount = 1;

  double largest = 0.0;
  const WorkingNet& working = surface.working;
  for (int i = 0; i <= surface.knots.lastColumn; ++i) {
    for (int j = 0; j <= surface.knots.lastRow; ++j) {
      const Vertex& v = working.net[i][j];
      largest = std::max({largest, std::fabs(double(v.x)), std::fabs(double(v.y)),
                          std::fabs(double(v.z))});
    }
  }
  const std::string stamp = options.timeStamp.empty() ? "20000101.000000" : options.timeStamp;
  const std::vector<std::string> global = {
      "1H,,", "1H;,", Hollerith("skelmora hull") + ",", Hollerith(options.fileName) + ",",
      Hollerith("skelmora") + ",", Hollerith("1.0") + ",",
      "32,", "38,", "6,", "308,", "15,",
      Hollerith("skelmora hull") + ",",
      "1.0,",                                    // model space scale
      std::string(millimetres ? "2," : "1,"),     // unit flag
      Hollerith(millimetres ? "MM" : "INCH") + ",",
      "1,", "0.01,", Hollerith(stamp) + ",",
      IgesReal(millimetres ? 0.001 : 0.0001) + ",",  // resolution
      IgesReal(largest) + ",",
      Hollerith("") + ",", Hollerith("") + ",",
      "11,",  // IGES 5.3
      "0,", Hollerith(stamp) + ";"};
  // An empty Hollerith string is written "0H", which not every reader
  // takes; leave those parameters defaulted instead.
  std::vector<std::string> globalTokens;
  for (const std::string& token : global) globalTokens.push_back(token.rfind("0H", 0) == 0 ? token.substr(2) : token);
  const std::vector<std::string> globalLines = Pack(globalTokens, 72);
  for (size_t k = 0; k < globalLines.size(); ++k) Record(out, globalLines[k], 'G', int(k) + 1);

  std::vector<Entity> entities = {SurfaceEntity(surface, 1.0)};
  if (options.mirror) entities.push_back(SurfaceEntity(surface, -1.0));

  int parameterStart = 1;
  int directory = 1;
  for (const Entity& entity : entities) {
    auto field = [](int value) { return RightAligned(std::to_string(value), 8); };
    const std::string first = field(128) + field(parameterStart) + field(0) + field(0) + field(0) +
                              field(0) + field(0) + field(0) + "00000000";
    const std::string second = field(128) + field(0) + field(0) +
                               field(int(entity.lines.size())) + field(0) + std::string(16, ' ') +
                               RightAligned("HULL", 8) + field(directory == 1 ? 1 : 2);
    Record(out, first, 'D', directory);
    Record(out, second, 'D', directory + 1);
    directory += 2;
    parameterStart += int(entity.lines.size());
  }

  int sequence = 1;
  for (size_t e = 0; e < entities.size(); ++e) {
    const std::string pointer = RightAligned(std::to_string(2 * int(e) + 1), 8);
    for (const std::string& line : entities[e].lines) {
      std::string data = line;
      data.resize(64, ' ');
      Record(out, data + pointer, 'P', sequence++);
    }
  }

  auto count = [](char letter, int value) { return letter + RightAligned(std::to_string(value), 7); };
  Record(out,
         count('S', startCount) + count('G', int(globalLines.size())) + count('D', directory - 1) +
             count('P', sequence - 1),
         'T', 1);
  return out;
}

}  // namespace skelmora
