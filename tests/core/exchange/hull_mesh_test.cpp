// The closed hull mesh and its STL: closed and outward on hand-made hulls
// and on every example, the volume below the waterline equal to the
// hydrostatics', and the STL bytes reading back as the mesh.
#include "exchange/hull_mesh.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "core/hydro/hydro_fixtures.h"
#include "exchange/stl_file.h"
#include "files/design_file.h"
#include "hydro/hydrostatics.h"

namespace skelmora {
namespace {

using test::Hull;

// Every edge run once each way: nothing open, nothing folded.
void ExpectClosedAndOriented(const TriangleMesh& mesh, const std::string& name) {
  std::map<std::pair<int, int>, int> directed;
  for (const auto& t : mesh.triangles) {
    for (int k = 0; k < 3; ++k) ++directed[{t[k], t[(k + 1) % 3]}];
  }
  int bad = 0;
  for (const auto& [edge, count] : directed) {
    const auto back = directed.find({edge.second, edge.first});
    if (count != 1 || back == directed.end() || back->second != 1) ++bad;
  }
  EXPECT_EQ(bad, 0) << name << ": edges not shared by exactly two opposite triangles";
  EXPECT_GT(SignedVolume(mesh), 0.0) << name;
}

// The volume of the mesh below z = 0, by the divergence theorem over each
// triangle clipped to z <= 0 (a fan of the clipped polygon).
double VolumeBelowWaterline(const TriangleMesh& mesh) {
  double volume = 0.0;
  for (const auto& t : mesh.triangles) {
    std::vector<std::array<double, 3>> clipped;
    for (int k = 0; k < 3; ++k) {
      const auto& a = mesh.vertices[t[k]];
      const auto& b = mesh.vertices[t[(k + 1) % 3]];
      if (a[2] <= 0.0) clipped.push_back(a);
      if ((a[2] < 0.0) != (b[2] < 0.0) && a[2] != b[2]) {
        const double s = a[2] / (a[2] - b[2]);
        clipped.push_back({a[0] + s * (b[0] - a[0]), a[1] + s * (b[1] - a[1]), 0.0});
      }
    }
    for (size_t k = 1; k + 1 < clipped.size(); ++k) {
      const auto& a = clipped[0];
      const auto& b = clipped[k];
      const auto& c = clipped[k + 1];
      const double areaXY = 0.5 * ((b[0] - a[0]) * (c[1] - a[1]) - (c[0] - a[0]) * (b[1] - a[1]));
      volume += areaXY * (a[2] + b[2] + c[2]) / 3.0;
    }
  }
  return volume;
}

void ExpectDisplacementMatches(DesignSession& session, Prompter& prompter, const std::string& name) {
  const TriangleMesh mesh = BuildHullMesh(*session.surface);
  ExpectClosedAndOriented(mesh, name);
  HydrostaticResults results;
  ASSERT_TRUE(ComputeHydrostatics(session.design, *session.surface, *session.cuts, results, prompter))
      << name;
  const double perCube = session.design.Units == kMillimetres ? 1e9 : 1728.0;
  EXPECT_NEAR(VolumeBelowWaterline(mesh) / perCube, results.volume, 0.01 * results.volume) << name;
}

TEST(HullMesh, BoxIsClosedWithTheDeckAndTransomAndHasItsVolume) {
  Hull hull;
  test::MakePrism(hull, test::PrismShape{});
  const TriangleMesh mesh = BuildHullMesh(*hull.surface);
  ExpectClosedAndOriented(mesh, "box");
  // 96 wide, 48 deep (18 below, 30 above), 240 long, all faces flat.
  EXPECT_NEAR(SignedVolume(mesh), 96.0 * 48.0 * 240.0, 1e-6 * 96.0 * 48.0 * 240.0);
  EXPECT_NEAR(VolumeBelowWaterline(mesh), 96.0 * 18.0 * 240.0, 1e-6 * 96.0 * 18.0 * 240.0);
}

TEST(HullMesh, ClosedAndDisplacingWhatTheHydrostaticsFind) {
  struct Case {
    const char* name;
    test::PrismShape prism;
  };
  const Case prisms[] = {
      {"wedge with a vertical stem", {.bowHalfBreadth = 0.0}},
      {"box in millimetres", {.units = kMillimetres, .scale = 25.4}},
      {"raised forefoot", {.bowLift = 10.0}},
  };
  for (const Case& c : prisms) {
    Hull hull;
    test::MakePrism(hull, c.prism);
    ExpectDisplacementMatches(hull, hull.prompter, c.name);
  }
  Hull sailboat;
  test::MakeSailboat(sailboat);
  ExpectDisplacementMatches(sailboat, sailboat.prompter, "sailboat");
}

TEST(HullMesh, EveryExampleIsClosedAndDisplacesItsHydrostaticVolume) {
  int examples = 0;
  for (const auto& entry : std::filesystem::directory_iterator(SKELMORA_EXAMPLES_DIR)) {
    if (entry.path().extension() != ".s98") continue;
    Hull hull;
    std::string message;
    ASSERT_TRUE(ReadDesignFile(hull.design, *hull.surface, entry.path().string(), message)) << message;
    hull.Rebuild();
    ExpectDisplacementMatches(hull, hull.prompter, entry.path().filename().string());
    ++examples;
  }
  EXPECT_GT(examples, 0);
}

TEST(StlFile, BytesReadBackAsTheMeshWithOutwardNormals) {
  Hull hull;
  test::MakePrism(hull, test::PrismShape{});
  const TriangleMesh mesh = BuildHullMesh(*hull.surface);
  const std::string bytes = FormatBinaryStl(mesh, kInches);
  ASSERT_EQ(bytes.size(), 84u + 50u * mesh.triangles.size());
  EXPECT_EQ(bytes.rfind("skelmora hull, units inches", 0), 0u);
  uint32_t count = 0;
  for (int k = 0; k < 4; ++k) count |= uint32_t(uint8_t(bytes[80 + k])) << (8 * k);
  ASSERT_EQ(count, mesh.triangles.size());

  auto floatAt = [&](size_t offset) {
    uint32_t bits = 0;
    for (int k = 0; k < 4; ++k) bits |= uint32_t(uint8_t(bytes[offset + k])) << (8 * k);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return double(value);
  };
  int faces = 0;
  for (size_t t = 0; t < mesh.triangles.size(); ++t) {
    const size_t base = 84 + 50 * t;
    double centre[3] = {0, 0, 0};
    for (int corner = 0; corner < 3; ++corner) {
      const auto& v = mesh.vertices[mesh.triangles[t][corner]];
      for (int axis = 0; axis < 3; ++axis) {
        EXPECT_EQ(floatAt(base + 12 + 12 * corner + 4 * axis), float(v[axis]));
        centre[axis] += v[axis] / 3.0;
      }
    }
    // The box's centre is at (0, 120, 6): every face's normal points away from it.
    const double away = floatAt(base) * centre[0] + floatAt(base + 4) * (centre[1] - 120.0) +
                        floatAt(base + 8) * (centre[2] - 6.0);
    // Slivers where the transom band runs along the flat bottom enclose
    // nothing; their normals say nothing either.
    const auto& a = mesh.vertices[mesh.triangles[t][0]];
    const auto& b = mesh.vertices[mesh.triangles[t][1]];
    const auto& c = mesh.vertices[mesh.triangles[t][2]];
    const double cross[3] = {(b[1] - a[1]) * (c[2] - a[2]) - (b[2] - a[2]) * (c[1] - a[1]),
                             (b[2] - a[2]) * (c[0] - a[0]) - (b[0] - a[0]) * (c[2] - a[2]),
                             (b[0] - a[0]) * (c[1] - a[1]) - (b[1] - a[1]) * (c[0] - a[0])};
    const double area = 0.5 * std::sqrt(cross[0] * cross[0] + cross[1] * cross[1] + cross[2] * cross[2]);
    if (area < 1e-3) continue;
    ++faces;
    EXPECT_GT(away, 0.0) << "triangle " << t;
  }
  EXPECT_GT(faces, 5000);
}

}  // namespace
}  // namespace skelmora
