// The generated hulls' lines are fair: away from the chines no default
// station, waterline or buttock changes the sign of its curvature more
// than twice.
#include <gtest/gtest.h>

#include <string>

#include "core/shapes/fair_lines.h"
#include "shapes/hull_defaults.h"
#include "shapes/hull_generator.h"

namespace skelmora {
namespace {

struct Case {
  HullType type;
  char stern;
  int32_t units;
};

void ExpectFair(DesignSession& session, const std::string& what) {
  const auto reports = fairtest::FairnessOf(session);
  int stations = 0, waterlines = 0, buttocks = 0;
  for (const auto& r : reports) {
    stations += r.cut == fairtest::Cut::kStation;
    waterlines += r.cut == fairtest::Cut::kWaterline;
    buttocks += r.cut == fairtest::Cut::kButtock;
    EXPECT_LE(r.changes, 2) << what << ": " << fairtest::Describe(r);
  }
  // The check saw the lines it is about.
  EXPECT_GE(stations, 10) << what;
  EXPECT_GE(waterlines, 3) << what;
  EXPECT_GE(buttocks, 2) << what;
}

TEST(GeneratedHulls, LinesAreFairAwayFromTheChines) {
  const Case cases[] = {
      {HullType::kSailboat, 'F', kInputInches},   {HullType::kSailboat, 'R', kInputInches},
      {HullType::kSailboat, 'C', kInputFeet},     {HullType::kNoChinePower, 'F', kInputMetres},
      {HullType::kOneChinePower, 'R', kInputMillimetres},
      {HullType::kTwoChinePower, 'F', kInputInches},
      {HullType::kTwoChinePower, 'O', kInputFeet}, {HullType::kCargoShip, 'F', kInputMetres},
      {HullType::kCargoShip, 'O', kInputMillimetres},
  };
  for (const Case& c : cases) {
    HullInputs in = InitialHullInputs(c.units);
    in.units = c.units;
    ApplyDefaults(in, c.type);
    in.sternType = c.stern;
    DesignSession session;
    session.design.ColumnDivisions = session.design.RowDivisions = 100;
    ASSERT_FALSE(GenerateHull(session, c.type, in).has_value());
    ExpectFair(session, std::to_string(static_cast<int>(c.type)) + c.stern);
  }
}

// The check itself: two columns of the cargo ship's straight midbody
// pulled in put a wave into its waterlines.
TEST(GeneratedHulls, TheFairnessCheckFindsAWave) {
  DesignSession session;
  session.design.ColumnDivisions = session.design.RowDivisions = 100;
  HullInputs in = InitialHullInputs(kInputMillimetres);
  ApplyDefaults(in, HullType::kCargoShip);
  ASSERT_FALSE(GenerateHull(session, HullType::kCargoShip, in).has_value());
  for (int r = 3; r <= 6; ++r) {
    session.design.Net[6][r].x *= 0.85f;
    session.design.Net[8][r].x *= 0.85f;
  }
  session.ShapeChanged();
  int worst = 0;
  for (const auto& r : fairtest::FairnessOf(session)) {
    if (r.cut == fairtest::Cut::kWaterline) worst = std::max(worst, r.changes);
  }
  EXPECT_GT(worst, 2);
}

}  // namespace
}  // namespace skelmora
