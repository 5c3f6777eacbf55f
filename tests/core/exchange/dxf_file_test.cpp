// The DXF read back by a small group-code parser: every polyline against the
// cut it came from, the layers and the entity counts, and the design left
// as it was.
#include "exchange/dxf_file.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/hydro/hydro_fixtures.h"
#include "files/design_file.h"
#include "files/text_io.h"

namespace skelmora {
namespace {

struct Point3 {
  double X = 0, Y = 0, Z = 0;
};

struct Parsed {
  std::map<std::string, std::vector<std::vector<Point3>>> polylines;  // by layer
  std::map<std::string, int> points;                                  // POINT by layer
  int faces = 0;
  std::vector<std::string> layerTable;
  bool ended = false;
};

Parsed Parse(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::pair<int, std::string>> groups;
  std::string code, value;
  while (std::getline(in, code) && std::getline(in, value)) groups.push_back({std::stoi(code), value});

  Parsed out;
  std::string entity, layer, tableName;
  std::vector<Point3>* polyline = nullptr;
  Point3 point;
  auto finish = [&] {
    if (entity == "VERTEX" && polyline) polyline->push_back(point);
    if (entity == "POINT") ++out.points[layer];
    if (entity == "3DFACE") ++out.faces;
  };
  for (const auto& [c, v] : groups) {
    if (c == 0) {
      finish();
      entity = v;
      point = Point3{};
      if (v == "SEQEND") polyline = nullptr;
      if (v == "EOF") out.ended = true;
      continue;
    }
    if (c == 2 && entity == "LAYER") out.layerTable.push_back(v);
    if (c == 8) {
      layer = v;
      if (entity == "POLYLINE") {
        out.polylines[layer].emplace_back();
        polyline = &out.polylines[layer].back();
      }
    }
    if (c == 10) point.X = ParseReal(v);
    if (c == 20) point.Y = ParseReal(v);
    if (c == 30) point.Z = ParseReal(v);
  }
  return out;
}

// The polyline matches points first..last of a cut on the side sgn.
void ExpectLine(const std::vector<Point3>& line, const std::array<SurfacePoint, kSectionCapacity>& cut,
                int first, int last, int sgn, const std::string& what) {
  ASSERT_EQ(static_cast<int>(line.size()), last - first + 1) << what;
  for (int k = first; k <= last; ++k) {
    const Point3& p = line[k - first];
    EXPECT_NEAR(p.X, cut[k].y, 1e-6) << what;
    EXPECT_NEAR(p.Y, sgn * cut[k].x, 1e-6) << what;
    EXPECT_NEAR(p.Z, cut[k].z, 1e-6) << what;
  }
}

struct Fixture {
  test::Hull hull;
  Fixture() {
    test::MakeSailboat(hull);
    HullDesign& d = hull.d();
    d.SpecialStationCount = 1;
    d.SpecialStations[1] = 100.0;
    d.SpecialWaterlineCount = 1;
    d.SpecialWaterlines[1] = -5.0;
  }
};

TEST(DxfFile, EveryLineIsTheCutItCameFromOnBothSides) {
  Fixture f;
  const HullDesign& d = f.hull.design;
  const Surface& s = *f.hull.surface;
  const std::string before = FormatDesignText(f.hull.design, false);
  const Parsed dxf = Parse(FormatDxf(d, s, *f.hull.cuts, DxfOptions{}));
  EXPECT_EQ(FormatDesignText(f.hull.design, false), before) << "exporting changed the design";
  ASSERT_TRUE(dxf.ended);
  EXPECT_EQ(dxf.layerTable,
            (std::vector<std::string>{"STATIONS", "WATERLINES", "BUTTOCKS", "SPECIAL_STATIONS",
                                      "SPECIAL_WATERLINES", "SPECIAL_BUTTOCKS", "NET", "SURFACE"}));

  auto placed = std::make_unique<HullDesign>(d);
  CutBuffers& cuts = *f.hull.cuts;
  const SectionPlacement stations = StationPositions(*placed, s, cuts);
  ASSERT_GT(stations.count, 5);
  const auto& stationLines = dxf.polylines.at("STATIONS");
  ASSERT_EQ(static_cast<int>(stationLines.size()), 2 * stations.count);
  for (int k = 1; k <= stations.count; ++k) {
    const CutResult cut = CutStation(d, s, cuts, stations.At(k));
    ExpectLine(stationLines[2 * (k - 1)], cuts.section, 0, cut.last, 1, "station " + std::to_string(k));
    ExpectLine(stationLines[2 * (k - 1) + 1], cuts.section, 0, cut.last, -1,
               "mirrored station " + std::to_string(k));
  }

  const SectionPlacement waterlines = WaterlinePositions(*placed, s);
  std::vector<std::vector<Point3>> expected;
  size_t next = 0;
  const auto& waterlineLines = dxf.polylines.at("WATERLINES");
  for (int k = 1; k <= waterlines.count; ++k) {
    const CutResult cut = CutWaterline(d, s, cuts, waterlines.At(k));
    ForEachWaterlinePiece(cuts, cut, [&](const auto& points, int first, int last) {
      if (last <= first) return;
      for (int sgn : {1, -1}) {
        ASSERT_LT(next, waterlineLines.size());
        ExpectLine(waterlineLines[next++], points, first, last, sgn, "waterline " + std::to_string(k));
      }
    });
  }
  EXPECT_EQ(next, waterlineLines.size());

  const SectionPlacement buttocks = ButtockPositions(*placed, s);
  EXPECT_EQ(static_cast<int>(dxf.polylines.at("BUTTOCKS").size()), 2 * buttocks.count);
  EXPECT_EQ(dxf.polylines.at("SPECIAL_STATIONS").size(), 2u);
  const CutResult special = CutStation(d, s, cuts, 100.0);
  ExpectLine(dxf.polylines.at("SPECIAL_STATIONS")[0], cuts.section, 0, special.last, 1, "special");
  EXPECT_FALSE(dxf.polylines.at("SPECIAL_WATERLINES").empty());

  // 5 x 5 vertices and 5 + 5 net lines a side; the grid's cells on both sides.
  EXPECT_EQ(dxf.points.at("NET"), 2 * 25);
  EXPECT_EQ(dxf.polylines.at("NET").size(), 2u * 10u);
  EXPECT_EQ(dxf.faces, 2 * s.columnDivisions * s.rowDivisions);
}

TEST(DxfFile, OneSideAndChosenFamiliesOnly) {
  Fixture f;
  DxfOptions options;
  options.bothSides = false;
  options.families = kDxfStations | kDxfNet;
  const Parsed dxf = Parse(FormatDxf(f.hull.design, *f.hull.surface, *f.hull.cuts, options));
  auto placed = std::make_unique<HullDesign>(f.hull.design);
  const int stations = StationPositions(*placed, *f.hull.surface, *f.hull.cuts).count;
  EXPECT_EQ(static_cast<int>(dxf.polylines.at("STATIONS").size()), stations);
  for (const auto& line : dxf.polylines.at("STATIONS")) {
    for (const Point3& p : line) EXPECT_GE(p.Y, 0.0);
  }
  EXPECT_EQ(dxf.points.at("NET"), 25);
  EXPECT_EQ(dxf.polylines.count("WATERLINES"), 0u);
  EXPECT_EQ(dxf.polylines.count("SPECIAL_STATIONS"), 0u);
  EXPECT_EQ(dxf.faces, 0);
}

}  // namespace
}  // namespace skelmora
