#include "shapes/hull_generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "hydro/hydrostatics.h"
#include "model/silent_prompter.h"
#include "shapes/hull_defaults.h"
#include "shapes/hull_templates.h"

namespace skelmora {
namespace {

constexpr HullType kAllTypes[] = {HullType::kSailboat, HullType::kNoChinePower,
                                  HullType::kOneChinePower, HullType::kTwoChinePower,
                                  HullType::kCargoShip};

const char* Name(HullType type) {
  switch (type) {
    case HullType::kSailboat: return "sailboat";
    case HullType::kNoChinePower: return "no chine";
    case HullType::kOneChinePower: return "one chine";
    case HullType::kTwoChinePower: return "two chine";
    case HullType::kCargoShip: return "cargo";
  }
  return "";
}

// The dialog's defaults for the type in millimetres (inches for the
// two-chine hull, whose template is in inches).
HullInputs Defaults(HullType type, char stern = 'F') {
  HullInputs in = InitialHullInputs(type == HullType::kTwoChinePower ? kInputInches
                                                                     : kInputMillimetres);
  ApplyDefaults(in, type);
  in.sternType = stern;
  return in;
}

std::unique_ptr<HullDesign> Generate(HullType type, const HullInputs& in) {
  auto design = std::make_unique<HullDesign>();
  GenerateHullType(*design, type, in);
  return design;
}

void ExpectSameNet(const HullDesign& a, const HullDesign& b, double scale = 1.0) {
  ASSERT_EQ(a.LastColumn, b.LastColumn);
  ASSERT_EQ(a.LastRow, b.LastRow);
  for (int c = 0; c <= a.LastColumn; ++c) {
    for (int r = 0; r <= a.LastRow; ++r) {
      SCOPED_TRACE(std::to_string(c) + "," + std::to_string(r));
      const Vertex& p = a.Net[c][r];
      const Vertex& q = b.Net[c][r];
      EXPECT_NEAR(p.x * scale, q.x, 1e-5 * (1 + std::fabs(q.x)));
      EXPECT_NEAR(p.y * scale, q.y, 1e-5 * (1 + std::fabs(q.y)));
      EXPECT_NEAR(p.z * scale, q.z, 1e-5 * (1 + std::fabs(q.z)));
      EXPECT_EQ(p.w, q.w);
    }
  }
}

std::vector<int> ColumnChines(const HullDesign& d) {
  return {d.ColumnChines.begin(), d.ColumnChines.begin() + d.ColumnChineCount};
}
std::vector<int> RowChines(const HullDesign& d) {
  return {d.RowChines.begin(), d.RowChines.begin() + d.RowChineCount};
}

TEST(HullGenerator, NetSizesTensionsAndChinesByTypeAndStern) {
  struct Case {
    HullType type;
    char stern;
    int lastColumn, lastRow, waterline, station;
    std::vector<int> columnChines, rowChines;
  };
  const Case cases[] = {
      {HullType::kSailboat, 'O', 4, 4, 2, 2, {}, {}},
      {HullType::kSailboat, 'C', 4, 4, 2, 2, {}, {}},
      {HullType::kSailboat, 'F', 5, 4, 2, 2, {4}, {}},
      {HullType::kSailboat, 'R', 6, 4, 2, 2, {4}, {}},
      {HullType::kNoChinePower, 'O', 6, 4, 3, 2, {}, {}},
      {HullType::kNoChinePower, 'F', 7, 4, 3, 2, {6}, {}},
      {HullType::kNoChinePower, 'R', 8, 4, 3, 2, {6}, {}},
      {HullType::kOneChinePower, 'O', 6, 4, 3, 2, {}, {2}},
      {HullType::kOneChinePower, 'R', 8, 4, 3, 2, {6}, {2}},
      {HullType::kTwoChinePower, 'O', 12, 5, 2, 1, {}, {}},
      {HullType::kTwoChinePower, 'F', 13, 5, 2, 1, {12}, {}},
      {HullType::kTwoChinePower, 'R', 14, 5, 2, 1, {12}, {}},
      {HullType::kCargoShip, 'O', 11, 7, 2, 2, {}, {}},
      {HullType::kCargoShip, 'R', 11, 7, 2, 2, {}, {}},
      {HullType::kCargoShip, 'F', 12, 7, 2, 2, {11}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(Name(c.type)) + " " + c.stern);
    // A design that had other chines and a larger net before.
    auto d = std::make_unique<HullDesign>();
    d->LastColumn = d->LastRow = 20;
    d->Net[20][20] = Vertex{5, 5, 5, 0.5f};
    d->RowChineCount = 3;
    d->ColumnChineCount = 2;
    GenerateHullType(*d, c.type, Defaults(c.type, c.stern));
    EXPECT_EQ(d->LastColumn, c.lastColumn);
    EXPECT_EQ(d->LastRow, c.lastRow);
    EXPECT_EQ(d->WaterlineTension, c.waterline);
    EXPECT_EQ(d->StationTension, c.station);
    EXPECT_EQ(ColumnChines(*d), c.columnChines);
    EXPECT_EQ(RowChines(*d), c.rowChines);
    EXPECT_TRUE(d->DesignOpen);
    EXPECT_EQ(d->Net[20][20].x, 0.0f);  // the reset cleared the old net
    EXPECT_EQ(d->Net[20][20].w, 1.0f);
    for (int col = 0; col <= d->LastColumn; ++col) {
      for (int r = 0; r <= d->LastRow; ++r) EXPECT_EQ(d->Net[col][r].w, 1.0f);
    }
  }
}

TEST(HullGenerator, SailboatVerticesFollowTheDimensions) {
  HullInputs in = InitialHullInputs(kInputInches);  // 360, 60, 40, 24, 35, 40
  in.sternType = 'O';
  auto d = Generate(HullType::kSailboat, in);
  const double tb = std::tan(35 / 57.295);
  const double ts = std::tan(40 / 57.295);
  EXPECT_FLOAT_EQ(d->Net[0][0].y, float(1.65 * 40 * tb));
  EXPECT_FLOAT_EQ(d->Net[0][0].z, float(-0.1587 * 24));
  EXPECT_FLOAT_EQ(d->Net[2][4].x, 60.0f);
  EXPECT_FLOAT_EQ(d->Net[2][4].y, float(0.48 * 360));
  EXPECT_FLOAT_EQ(d->Net[2][0].z, -24.0f);
  EXPECT_FLOAT_EQ(d->Net[3][4].x, float(1.02 * 60));
  EXPECT_FLOAT_EQ(d->Net[4][0].y, 360.0f);
  EXPECT_FLOAT_EQ(d->Net[4][4].y, float(360 - ts * 40 * 0.901));
  EXPECT_FLOAT_EQ(d->Net[4][4].x, float(0.75 * 60));
  EXPECT_EQ(d->Units, kInches);
  EXPECT_DOUBLE_EQ(d->DesignDimensions[kDimensionLength], 360.0);
  EXPECT_DOUBLE_EQ(d->DesignDimensions[kDimensionSternAngle], 40.0);
}

TEST(HullGenerator, NegativeDraftGivesTheSameHullAsItsMagnitude) {
  for (HullType type : kAllTypes) {
    SCOPED_TRACE(Name(type));
    HullInputs in = Defaults(type);
    in.draft = std::fabs(in.draft);
    HullInputs negative = in;
    negative.draft = -in.draft;
    ExpectSameNet(*Generate(type, in), *Generate(type, negative));
    EXPECT_GT(Generate(type, negative)->DesignDimensions[kDimensionDraft], 0.0);
  }
}

TEST(HullGenerator, NegativeSternAngleReversesTheTransomRake) {
  for (char stern : {'F', 'R', 'O'}) {
    SCOPED_TRACE(stern);
    HullInputs in = InitialHullInputs(kInputInches);
    in.sternType = stern;
    auto raked = Generate(HullType::kSailboat, in);
    in.sternAngle = -in.sternAngle;
    auto reversed = Generate(HullType::kSailboat, in);
    // Raked: the top of the transom edge lies forward of its foot; reversed:
    // aft of it, and the centreline columns lean the same way.
    for (int c = 4; c <= raked->LastColumn; ++c) {
      SCOPED_TRACE(c);
      EXPECT_LT(raked->Net[c][4].y, raked->Net[c][0].y);
      EXPECT_GT(reversed->Net[c][4].y, reversed->Net[c][0].y);
    }
    EXPECT_FLOAT_EQ(reversed->Net[4][4].y, 360.0f);
    EXPECT_FLOAT_EQ(reversed->Net[4][4].x, float(0.901 * 60));
  }
}

TEST(HullGenerator, FeetAndMetresBecomeInchesAndMillimetres) {
  for (HullType type : kAllTypes) {
    SCOPED_TRACE(Name(type));
    HullInputs feet{kInputFeet, 30, 5, 3.5, -2, 35, 40, 'R'};
    HullInputs inches = feet;
    inches.units = kInputInches;
    inches.length *= 12, inches.halfBeam *= 12, inches.freeboard *= 12, inches.draft *= 12;
    auto fromFeet = Generate(type, feet);
    EXPECT_EQ(fromFeet->Units, kInches);
    ExpectSameNet(*Generate(type, inches), *fromFeet);
    EXPECT_DOUBLE_EQ(fromFeet->DesignDimensions[kDimensionLength], 360.0);

    HullInputs metres{kInputMetres, 9, 1.5, 1.1, 0.6, 35, 40, 'F'};
    HullInputs mm = metres;
    mm.units = kInputMillimetres;
    mm.length *= 1000, mm.halfBeam *= 1000, mm.freeboard *= 1000, mm.draft *= 1000;
    auto fromMetres = Generate(type, metres);
    EXPECT_EQ(fromMetres->Units, kMillimetres);
    ExpectSameNet(*Generate(type, mm), *fromMetres);
  }
}

TEST(HullGenerator, TemplatesScaleExactlyByTheFourFactors) {
  const HullType types[] = {HullType::kNoChinePower, HullType::kOneChinePower,
                            HullType::kTwoChinePower, HullType::kCargoShip};
  for (HullType type : types) {
    for (char stern : {'F', 'R', 'O'}) {
      if (stern == 'R' && type == HullType::kCargoShip) continue;
      SCOPED_TRACE(std::string(Name(type)) + " " + stern);
      HullInputs in = Defaults(type, stern);
      const HullTemplate& t = type == HullType::kTwoChinePower ? TwoChineTemplate()
                              : type == HullType::kCargoShip   ? CargoTemplate()
                                                               : PowerTemplate();
      // The reference dimensions give the template itself.
      in.length = t.L0, in.halfBeam = t.B0, in.freeboard = t.F0, in.draft = t.D0;
      auto reference = Generate(type, in);
      HullInputs scaled = in;
      scaled.length *= 2.0, scaled.halfBeam *= 3.0, scaled.freeboard *= 0.5;
      scaled.draft *= 1.5;
      auto d = Generate(type, scaled);
      ASSERT_EQ(d->LastColumn, reference->LastColumn);
      for (int c = 0; c <= d->LastColumn; ++c) {
        for (int r = 0; r <= d->LastRow; ++r) {
          SCOPED_TRACE(std::to_string(c) + "," + std::to_string(r));
          const Vertex& p = reference->Net[c][r];
          EXPECT_FLOAT_EQ(d->Net[c][r].x, p.x * 3.0f);
          EXPECT_FLOAT_EQ(d->Net[c][r].y, p.y * 2.0f);
          const float k = p.z > 0.0f || c == 0 ? 0.5f : 1.5f;
          EXPECT_FLOAT_EQ(d->Net[c][r].z, p.z * k);
        }
      }
    }
  }
  // The one-chine template as tabled, and the no-chine transom upright.
  auto one = Generate(HullType::kOneChinePower, Defaults(HullType::kOneChinePower, 'R'));
  EXPECT_EQ(one->Net[3][2].x, 710.0f);
  EXPECT_EQ(one->Net[3][2].y, 1980.0f);
  EXPECT_EQ(one->Net[0][0].y, 418.0f);
  EXPECT_EQ(one->Net[7][4].x, 336.0f);
  EXPECT_EQ(one->Net[8][4].y, 6600.0f);
  auto none = Generate(HullType::kNoChinePower, Defaults(HullType::kNoChinePower, 'R'));
  EXPECT_EQ(none->Net[8][4].y, 6700.0f);
  EXPECT_EQ(none->Net[7][4].y, 6600.0f);
}

// "1/2 Beam @ Deck" is the widest half-beam of the sheer, so a hull made
// with the reference dimensions reaches B0 there, and any other beam B.
TEST(HullGenerator, TheSheerIsAsWideAsTheHalfBeamAsked) {
  const HullType types[] = {HullType::kNoChinePower, HullType::kTwoChinePower,
                            HullType::kCargoShip};
  for (HullType type : types) {
    const HullTemplate& t = type == HullType::kTwoChinePower ? TwoChineTemplate()
                            : type == HullType::kCargoShip   ? CargoTemplate()
                                                             : PowerTemplate();
    for (double beam : {t.B0, 1.5 * t.B0}) {
      SCOPED_TRACE(std::string(Name(type)) + " " + std::to_string(beam));
      HullInputs in = Defaults(type, 'F');
      in.length = t.L0, in.halfBeam = beam, in.freeboard = t.F0, in.draft = t.D0;
      auto d = Generate(type, in);
      float widest = 0.0f;
      for (int c = 0; c <= d->LastColumn; ++c) widest = std::max(widest, d->Net[c][d->LastRow].x);
      EXPECT_FLOAT_EQ(widest, static_cast<float>(beam));
    }
  }
  // The dialog's two-chine default is that reference hull.
  HullInputs two = InitialHullInputs(kInputInches);
  ApplyDefaults(two, HullType::kTwoChinePower);
  EXPECT_DOUBLE_EQ(two.halfBeam, TwoChineTemplate().B0);
}

TEST(HullGenerator, RefusesInputsThatWouldGiveADegenerateHull) {
  struct Case {
    HullType type;
    void (*change)(HullInputs&);
    const char* message;
  };
  const Case cases[] = {
      {HullType::kSailboat, [](HullInputs& in) { in.length = 0; },
       "\"Length Over All\" must be greater than zero."},
      {HullType::kCargoShip, [](HullInputs& in) { in.halfBeam = -3; },
       "\"1/2 Beam @ Deck\" must be greater than zero."},
      {HullType::kOneChinePower, [](HullInputs& in) { in.draft = 0; },
       "\"Maximum Draft\" must not be zero."},
      {HullType::kSailboat, [](HullInputs& in) { in.bowAngle = 90; },
       "\"Bow Angle\" must lie between -90 and 90 degrees."},
      {HullType::kSailboat, [](HullInputs& in) { in.bowAngle = 70; },
       "\"Bow Angle\" is too large for this length and freeboard: the stem would reach past the "
       "first station."},
      {HullType::kSailboat, [](HullInputs& in) { in.sternAngle = -80; },
       "\"Stern Angle\" is too large for this length and freeboard: the transom would reach past "
       "the last station."},
      {HullType::kTwoChinePower, [](HullInputs& in) { in.sternType = 'C'; },
       "The Canoe stern is for the sailboat only."},
      {HullType::kCargoShip, [](HullInputs& in) { in.sternType = 'R'; },
       "The cargo ship has no Round stern: choose Flat or Open."},
      {HullType::kSailboat, [](HullInputs& in) { in.freeboard = 2e9; },
       "\"Min. Freeboard\" is too large."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    HullInputs in = InitialHullInputs(kInputInches);
    ApplyDefaults(in, c.type);
    c.change(in);
    DesignSession session;
    session.design.LastColumn = 3;
    const auto refusal = GenerateHull(session, c.type, in);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(*refusal, c.message);
    EXPECT_FALSE(session.design.DesignOpen);
    EXPECT_EQ(session.design.LastColumn, 3);
  }
  // The angles do not matter to the power and cargo templates.
  HullInputs in = Defaults(HullType::kCargoShip);
  in.bowAngle = 89.9;
  DesignSession session;
  EXPECT_FALSE(GenerateHull(session, HullType::kCargoShip, in).has_value());
  EXPECT_TRUE(session.design.DesignOpen);
}

TEST(HullGenerator, EveryTypeFloatsWithAShipShapeBlockAndCentreOfBuoyancy) {
  for (HullType type : kAllTypes) {
    for (char stern : {'F', 'R', 'O', 'C'}) {
      if (stern == 'C' && type != HullType::kSailboat) continue;
      if (stern == 'R' && type == HullType::kCargoShip) continue;
      SCOPED_TRACE(std::string(Name(type)) + " " + stern);
      DesignSession session;
      ASSERT_FALSE(GenerateHull(session, type, Defaults(type, stern)).has_value());
      SilentPrompter prompter;
      HydrostaticResults& h = session.hydro->results;
      ASSERT_TRUE(ComputeHydrostatics(session.design, *session.surface, *session.cuts, h,
                                      prompter));
      EXPECT_GT(h.volume, 0.0);
      EXPECT_GE(h.cb, 0.25);
      EXPECT_LE(h.cb, 0.85);
      const double forward = WaterlineForwardEnd(session.design, *session.surface, *session.cuts);
      const double lcb = h.lcb / FactorsFor(session.design.Units).length;
      EXPECT_GE(lcb, forward + 0.3 * h.lwl) << "LCB " << lcb << " lwl " << h.lwl;
      EXPECT_LE(lcb, forward + 0.7 * h.lwl) << "LCB " << lcb << " lwl " << h.lwl;
    }
  }
}

}  // namespace
}  // namespace skelmora
