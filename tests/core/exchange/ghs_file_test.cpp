// The GHS file read back by the layout its import reads: lines up to the
// units line and the "*", a title, the count, then per section a
// "position,count" header and its "a,b" points; scaled back, every point is
// the station's cut to the import's 3 decimals.
#include "exchange/ghs_file.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/hydro/hydro_fixtures.h"
#include "files/design_file.h"
#include "files/text_io.h"

namespace skelmora {
namespace {

struct Section {
  double position = 0;
  std::vector<std::pair<double, double>> points;
};

struct Ghs {
  double scale = 0;
  std::vector<Section> sections;
};

Ghs Read(const std::string& text) {
  Ghs ghs;
  std::istringstream in(text);
  std::string line;
  auto next = [&]() {
    const bool ok = static_cast<bool>(std::getline(in, line));
    EXPECT_TRUE(ok) << "the file ends early";
    EXPECT_TRUE(!line.empty() && line.back() == '\r') << "CR LF line ends";
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return ok;
  };
  while (next() && line != "*") {
    if (line == "P:M") ghs.scale = 304.8;
    if (line == "P:F") ghs.scale = 12.0;
  }
  next();  // the title
  next();
  const int count = ParseInt(line);
  auto pair = [&](std::string& first, std::string& second) {
    const size_t comma = line.find(',');
    EXPECT_NE(comma, std::string::npos) << line;
    first = line.substr(0, comma);
    second = line.substr(comma + 1);
    second = second.substr(0, second.find(','));
  };
  for (int k = 0; k < count; ++k) {
    if (!next()) break;
    std::string position, points;
    pair(position, points);
    Section section{ParseReal(position), {}};
    const int n = ParseInt(points);
    for (int p = 0; p < n && next(); ++p) {
      std::string a, b;
      pair(a, b);
      section.points.push_back({ParseReal(a), ParseReal(b)});
    }
    ghs.sections.push_back(section);
  }
  EXPECT_FALSE(std::getline(in, line)) << "text after the last section";
  return ghs;
}

TEST(GhsFile, SectionsScaleBackToTheStationCutsInBothUnits) {
  for (const auto& [units, scale, expected] :
       {std::tuple{kInches, 1.0, 12.0}, std::tuple{kMillimetres, 25.4, 304.8}}) {
    test::Hull hull;
    test::MakeSailboat(hull, units, scale);
    const HullDesign& d = hull.design;
    const std::string before = FormatDesignText(d, false);
    const Ghs ghs = Read(FormatGhs(d, *hull.surface, *hull.cuts));
    EXPECT_EQ(FormatDesignText(d, false), before);
    EXPECT_EQ(ghs.scale, expected);

    auto placed = std::make_unique<HullDesign>(d);
    const SectionPlacement stations = StationPositions(*placed, *hull.surface, *hull.cuts);
    ASSERT_EQ(int(ghs.sections.size()), stations.count);
    for (int k = 1; k <= stations.count; ++k) {
      const Section& section = ghs.sections[k - 1];
      EXPECT_NEAR(section.position * ghs.scale, stations.At(k), 1e-3);
      const CutResult cut = CutStation(d, *hull.surface, *hull.cuts, stations.At(k));
      ASSERT_EQ(int(section.points.size()), cut.last + 1);
      for (int p = 0; p <= cut.last; ++p) {
        EXPECT_NEAR(section.points[p].first * ghs.scale, hull.cuts->section[p].x, 1e-3);
        EXPECT_NEAR(section.points[p].second * ghs.scale, hull.cuts->section[p].z, 1e-3);
      }
    }
  }
}

}  // namespace
}  // namespace skelmora
