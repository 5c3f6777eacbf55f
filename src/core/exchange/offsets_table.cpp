#include "exchange/offsets_table.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "files/text_io.h"

namespace skelmora {

namespace {

constexpr int kColumnWidth = 9;

std::string Cell(const std::string& text) {
  return text.size() >= kColumnWidth ? " " + text
                                     : std::string(kColumnWidth - text.size(), ' ') + text;
}

std::string Cell(const std::optional<double>& value, int32_t units) {
  return Cell(value ? FormatOffset(*value, units) : std::string("--"));
}

}  // namespace

std::string FormatFeetInchesEighths(double inches) {
  inches = CleanNumber(inches);
  const long long eighths = std::llround(std::fabs(inches) * 8.0);
  const long long feet = eighths / 96;
  const long long inch = (eighths % 96) / 8;
  const long long rest = eighths % 8;
  std::string text = (inches < 0 && eighths > 0) ? "-" : "";
  text += std::to_string(feet) + "-" + (inch < 10 ? "0" : "") + std::to_string(inch) + "-" +
          std::to_string(rest);
  return text;
}

std::string FormatOffset(double value, int32_t units) {
  if (units == kMillimetres) return FormatFixed(value, 1, 0);
  return FormatFeetInchesEighths(value);
}

OffsetTable ComputeOffsetTable(const HullDesign& design, const Surface& surface, CutBuffers& cuts) {
  OffsetTable table;
  auto placed = std::make_unique<HullDesign>(design);
  const SectionPlacement stations = StationPositions(*placed, surface, cuts);
  const SectionPlacement waterlines = WaterlinePositions(*placed, surface);
  for (int k = 1; k <= waterlines.count; ++k) table.waterlines.push_back(waterlines.At(k));
  if (design.ShowButtocks) {
    const SectionPlacement buttocks = ButtockPositions(*placed, surface);
    for (int k = 1; k <= buttocks.count; ++k) table.buttocks.push_back(buttocks.At(k));
  }
  for (int s = 1; s <= stations.count; ++s) {
    OffsetRow row;
    row.station = stations.At(s);
    const CutResult cut = CutStation(design, surface, cuts, row.station);
    const int last = std::clamp(cut.last, 0, kSectionCapacity - 1);
    const auto& p = cuts.section;
    // The crossings of the section's polyline with a level: t along each
    // segment whose ends lie either side.
    auto crossings = [&](auto level, auto other, auto better) {
      std::optional<double> found;
      for (int k = 0; k < last; ++k) {
        const double a = level(p[k]), b = level(p[k + 1]);
        if ((a > 0 && b > 0) || (a < 0 && b < 0) || (a == 0 && b == 0)) continue;
        const double t = a / (a - b);
        const double value = other(p[k]) + t * (other(p[k + 1]) - other(p[k]));
        if (!found || better(value, *found)) found = value;
      }
      return found;
    };
    for (double z : table.waterlines) {
      row.halfBreadths.push_back(crossings([z](const SurfacePoint& q) { return q.z - z; },
                                           [](const SurfacePoint& q) { return q.x; },
                                           [](double a, double b) { return a > b; }));
    }
    for (double x : table.buttocks) {
      row.heights.push_back(crossings([x](const SurfacePoint& q) { return q.x - x; },
                                      [](const SurfacePoint& q) { return q.z; },
                                      [](double a, double b) { return a < b; }));
    }
    if (last > 0) {
      row.sheerHalfBreadth = p[last].x;
      row.sheerHeight = p[last].z;
      row.keelHeight = p[0].z;
    }
    table.rows.push_back(std::move(row));
  }
  return table;
}

std::string FormatOffsetTable(const HullDesign& design, const OffsetTable& table) {
  const int32_t units = design.Units;
  std::string out = "TABLE OF OFFSETS  " + design.DesignFileName + "\n";
  out += units == kMillimetres ? "Offsets in millimetres\n"
                               : "Offsets in feet-inches-eighths (3-04-5 = 3 ft 4 5/8 in)\n";
  out += "Half-breadths at the waterlines, heights at the buttocks; -- where the line misses\n\n";
  std::string header = Cell("Station") + Cell("Position");
  std::string levels = Cell("") + Cell("");
  for (size_t k = 0; k < table.waterlines.size(); ++k) {
    header += Cell("WL" + std::to_string(k + 1));
    levels += Cell(FormatOffset(table.waterlines[k], units));
  }
  for (size_t k = 0; k < table.buttocks.size(); ++k) {
    header += Cell("BL" + std::to_string(k + 1));
    levels += Cell(FormatOffset(table.buttocks[k], units));
  }
  header += Cell("Sheer HB") + Cell("Sheer Z") + Cell("Keel Z");
  out += header + "\n" + levels + "\n";
  for (size_t s = 0; s < table.rows.size(); ++s) {
    const OffsetRow& row = table.rows[s];
    std::string line = Cell(std::to_string(s + 1)) + Cell(FormatOffset(row.station, units));
    for (const auto& value : row.halfBreadths) line += Cell(value, units);
    for (const auto& value : row.heights) line += Cell(value, units);
    line += Cell(FormatOffset(row.sheerHalfBreadth, units)) +
            Cell(FormatOffset(row.sheerHeight, units)) + Cell(FormatOffset(row.keelHeight, units));
    out += line + "\n";
  }
  return out;
}

std::string FormatVertexTable(const HullDesign& design) {
  std::string out = "VERTEX NET  " + design.DesignFileName + "\n";
  out += std::string("Coordinates in ") + (design.Units == kMillimetres ? "millimetres" : "inches") +
         "\n\n";
  out += "Column   Row          X          Y          Z       W\n";
  for (int c = 0; c <= ClampIndex(design.LastColumn); ++c) {
    for (int r = 0; r <= ClampIndex(design.LastRow); ++r) {
      const Vertex& v = design.Net[c][r];
      out += FormatFixed(c, 6, 0) + FormatFixed(r, 6, 0) + FormatFixed(v.x, 11, 3) +
             FormatFixed(v.y, 11, 3) + FormatFixed(v.z, 11, 3) + FormatFixed(v.w, 8, 3) + "\n";
    }
  }
  return out;
}

}  // namespace skelmora
