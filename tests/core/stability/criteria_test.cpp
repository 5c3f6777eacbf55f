// The intact-stability criteria on GZ tables worked by hand.
#include "stability/criteria.h"

#include <gtest/gtest.h>

namespace skelmora {
namespace {

constexpr double k = kDegreesToRadians;

struct Expected {
  std::optional<double> value;
  bool pass;
};

void ExpectCriteria(const std::vector<Criterion>& got, const std::vector<Expected>& want) {
  ASSERT_EQ(got.size(), want.size());
  for (size_t c = 0; c < want.size(); ++c) {
    ASSERT_EQ(got[c].value.has_value(), want[c].value.has_value()) << got[c].name;
    if (want[c].value) {
      EXPECT_NEAR(*got[c].value, *want[c].value, 1e-12) << got[c].name;
    }
    EXPECT_EQ(got[c].pass, want[c].pass) << got[c].name;
  }
}

TEST(StabilityCriteria, NamesRequirementsAndUnits) {
  const std::vector<Criterion> c = EvaluateCriteria({{0, 0}, {40, 0.3}}, 0.2);
  const char* names[] = {"Area under GZ 0 to 30 deg", "Area under GZ 0 to 40 deg",
                         "Area under GZ 30 to 40 deg", "GZ at 30 deg or more",
                         "Angle of maximum GZ", "Initial GM"};
  const double required[] = {0.055, 0.090, 0.030, 0.20, 25.0, 0.15};
  const char* units[] = {"m.rad", "m.rad", "m.rad", "m", "deg", "m"};
  ASSERT_EQ(c.size(), 6u);
  for (size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(c[i].name, names[i]);
    EXPECT_EQ(c[i].required, required[i]);
    EXPECT_EQ(c[i].unit, units[i]);
  }
}

TEST(StabilityCriteria, StepsOnThirtyAndForty) {
  // Trapezoids in degree-metres: 0.5 + 1.5 + 2.5 to 30, then 2.75 to 40.
  const std::vector<GzPoint> table = {{0, 0},    {10, 0.1},  {20, 0.2},
                                      {30, 0.3}, {40, 0.25}, {50, 0.1}};
  const auto c = EvaluateCriteria(table, 0.5);
  ExpectCriteria(c, {{4.5 * k, true}, {7.25 * k, true}, {2.75 * k, true}, {0.3, true},
                     {30.0, true}, {0.5, true}});
  EXPECT_TRUE(AllCriteriaPass(c));
}

TEST(StabilityCriteria, ThirtyAndFortyInterpolatedBetweenSteps) {
  // GZ(30) = 0.185 and GZ(40) = 0.20 on the straight lines between steps.
  const std::vector<GzPoint> table = {{0, 0}, {25, 0.15}, {35, 0.22}, {45, 0.18}};
  const double to30 = 0.15 / 2 * 25 + (0.15 + 0.185) / 2 * 5;
  const double from30to40 = (0.185 + 0.22) / 2 * 5 + (0.22 + 0.20) / 2 * 5;
  const auto c = EvaluateCriteria(table, 0.1);
  ExpectCriteria(c, {{to30 * k, false},
                     {(to30 + from30to40) * k, false},
                     {from30to40 * k, true},
                     {0.22, true},
                     {35.0, true},
                     {0.1, false}});
  EXPECT_FALSE(AllCriteriaPass(c));
}

TEST(StabilityCriteria, ShortRunHasNotEnoughRange) {
  const auto toTwenty = EvaluateCriteria({{0, 0}, {10, 0.1}, {20, 0.2}}, 0.3);
  ExpectCriteria(toTwenty, {{std::nullopt, false}, {std::nullopt, false}, {std::nullopt, false},
                            {std::nullopt, false}, {std::nullopt, false}, {0.3, true}});
  // Still rising at the run's last heel: where the maximum lies cannot be
  // told from this run, so the angle criterion is not judged.
  for (const std::vector<GzPoint>& table :
       {std::vector<GzPoint>{{0, 0}, {15, 0.1}, {30, 0.25}},
        std::vector<GzPoint>{{0, 0}, {15, 0.1}, {30, 0.25}, {45, 0.3}}}) {
    const auto rising = EvaluateCriteria(table, 0.3);
    EXPECT_FALSE(rising[4].value) << table.back().heel;
    EXPECT_EQ(rising[4].note, kPeakAtRunEnd);
    EXPECT_FALSE(rising[4].pass);
    EXPECT_NE(FormatCriteria(rising).find(kPeakAtRunEnd), std::string::npos);
  }
  const auto toThirty = EvaluateCriteria({{0, 0}, {15, 0.1}, {30, 0.25}}, 0.3);
  EXPECT_FALSE(toThirty[1].value);
  const std::string text = FormatCriteria(toTwenty);
  EXPECT_NE(text.find(kCriteriaTitle), std::string::npos);
  EXPECT_NE(text.find(kNotEnoughRange), std::string::npos);
  EXPECT_NE(text.find("fail"), std::string::npos);
}

TEST(StabilityCriteria, HeelsNotFoundLeaveTheCriteriaOverThemUnjudged) {
  // 35 was not found: the areas to 40 and 30 to 40, GZ beyond 30 and the
  // angle of maximum cannot be judged; the area to 30 and GM can.
  const std::vector<GzPoint> table = {{0, 0}, {10, 0.1}, {20, 0.2}, {30, 0.3}, {40, 0.25},
                                      {50, 0.1}};
  const auto c = EvaluateCriteria(table, 0.5, std::vector<double>{35.0});
  ExpectCriteria(c, {{4.5 * k, true}, {std::nullopt, false}, {std::nullopt, false},
                     {std::nullopt, false}, {std::nullopt, false}, {0.5, true}});
  EXPECT_EQ(c[1].note, kHeelNotFound);
}

TEST(StabilityCriteria, FromARunInMetres) {
  StabilityRun run;
  for (int p = 0; p <= 4; ++p) {
    StabilityRow row;
    row.heel = p * 10.0;
    row.gz = p * 10.0;  // model units
    row.gmt = 100.0;
    run.rows.push_back(row);
  }
  const auto inches = EvaluateCriteria(run, kInches);
  const auto mm = EvaluateCriteria(run, kMillimetres);
  EXPECT_NEAR(*inches[3].value, 40.0 * 0.0254, 1e-12);
  EXPECT_NEAR(*mm[3].value, 0.040, 1e-12);
  EXPECT_NEAR(*inches[5].value, 100.0 * 0.0254, 1e-12);
  EXPECT_NEAR(*mm[0].value, 0.5 * 30 * 0.030 * k, 1e-12);
}

}  // namespace
}  // namespace skelmora
