// The generated hulls' lines are fair: away from the chines no default
// station, waterline or buttock changes the sign of its curvature more
// than twice.
#include <gtest/gtest.h>

#include <string>

#include "core/shapes/fair_lines.h"
#include "files/design_file.h"
#include "hydro/hydrostatics.h"
#include "model/silent_prompter.h"
#include "shapes/hull_defaults.h"
#include "shapes/hull_generator.h"

namespace skelmora {
namespace {

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
  const HullType types[] = {HullType::kSailboat, HullType::kNoChinePower,
                            HullType::kOneChinePower, HullType::kTwoChinePower,
                            HullType::kCargoShip};
  const int32_t units[] = {kInputInches, kInputMillimetres, kInputFeet, kInputMetres};
  int n = 0;
  for (HullType type : types) {
    for (char stern : {'F', 'R', 'O', 'C'}) {
      if (stern == 'C' && type != HullType::kSailboat) continue;
      if (stern == 'R' && type == HullType::kCargoShip) continue;
      // Each unit's defaults in turn.
      const int32_t unit = units[n++ % 4];
      HullInputs in = InitialHullInputs(unit);
      in.units = unit;
      ApplyDefaults(in, type);
      in.sternType = stern;
      DesignSession session;
      session.design.ColumnDivisions = session.design.RowDivisions = 100;
      ASSERT_FALSE(GenerateHull(session, type, in).has_value());
      ExpectFair(session, std::to_string(static_cast<int>(type)) + stern);
    }
  }
}

// The bundled examples, at their own sizes: fair, and floating with a ship
// shape's block coefficient and centre of buoyancy.
TEST(GeneratedHulls, TheExamplesAreFairAndFloat) {
  for (const char* name : {"sailboat", "workboat", "runabout", "trawler", "cargo"}) {
    DesignSession session;
    std::string message;
    ASSERT_TRUE(ReadDesignFile(session.design, *session.surface,
                               std::string(SKELMORA_EXAMPLES_DIR) + "/" + name + ".s98", message))
        << name << ": " << message;
    session.design.ColumnDivisions = session.design.RowDivisions = 100;
    session.Regenerate(Change::kTopology);
    ExpectFair(session, name);
    SilentPrompter prompter;
    HydrostaticResults& h = session.hydro->results;
    ASSERT_TRUE(
        ComputeHydrostatics(session.design, *session.surface, *session.cuts, h, prompter));
    EXPECT_GE(h.cb, 0.25) << name;
    EXPECT_LE(h.cb, 0.85) << name;
    const double forward = WaterlineForwardEnd(session.design, *session.surface, *session.cuts);
    const double lcb = h.lcb / FactorsFor(session.design.Units).length;
    EXPECT_GE(lcb, forward + 0.3 * h.lwl) << name;
    EXPECT_LE(lcb, forward + 0.7 * h.lwl) << name;
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
  session.Regenerate(Change::kTopology);
  int worst = 0;
  for (const auto& r : fairtest::FairnessOf(session)) {
    if (r.cut == fairtest::Cut::kWaterline) worst = std::max(worst, r.changes);
  }
  EXPECT_GT(worst, 2);
}

}  // namespace
}  // namespace skelmora
