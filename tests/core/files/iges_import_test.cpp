#include "files/iges_import.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "core/files/file_test_support.h"
#include "model/shape_changed.h"

namespace skelmora {
namespace {

using skelmora::testing::Fingerprint;
using skelmora::testing::ScriptedPrompter;
using skelmora::testing::TempDir;
using skelmora::testing::WriteFileText;

const std::string kFixtures = std::string(SKELMORA_TESTS_DIR) + "/core/files/iges/";

// The hull the three fixtures hold, in the program's axes and metres:
// column i (0..6, bow to stern) at y = i, row j (0..3, keel to sheer) at
// z = -0.5 + 0.4 j, half-beam kHalfBeam[j][i], weight 1.25 at odd columns
// of the two middle rows.
const double kHalfBeam[4][7] = {
    {0, 0, 0, 0, 0, 0, 0},
    {0.2459, 0.3485, 0.433, 0.4914, 0.5182, 0.5109, 0.5083},
    {0.3477, 0.4928, 0.6123, 0.6949, 0.7328, 0.7225, 0.7189},
    {0.4259, 0.6036, 0.7499, 0.8511, 0.8975, 0.8849, 0.8804},
};

// The hull scaled by `scale`, z moved up by `lift`, as a design with the
// fixtures' degrees.
std::unique_ptr<HullDesign> ExpectedHull(double scale, double lift) {
  auto d = std::make_unique<HullDesign>();
  d->LastColumn = 6;
  d->LastRow = 3;
  d->WaterlineTension = 3;
  d->StationTension = 2;
  for (int i = 0; i <= 6; ++i) {
    for (int j = 0; j <= 3; ++j) {
      Vertex& v = d->Net[i][j];
      v.x = static_cast<float>(scale * kHalfBeam[j][i]);
      v.y = static_cast<float>(scale * i);
      v.z = static_cast<float>(scale * (-0.5 + 0.4 * j + lift));
      v.w = (i % 2 == 1 && j > 0 && j < 3) ? 1.25f : 1.0f;
    }
  }
  return d;
}

class IgesImportTest : public ::testing::Test {
 protected:
  void Import(const std::string& fixture, std::deque<bool> answers) {
    ScriptedPrompter prompter(std::move(answers));
    std::string message;
    ASSERT_TRUE(ImportIgesFile(*design, *surface, kFixtures + fixture, prompter, message))
        << message;
    EXPECT_TRUE(prompter.AllAnswersUsed());
    questions = prompter.questions;
  }
  // Vertex by vertex, and the evaluated grids within 1e-4 of the hull's size.
  void ExpectSurface(const HullDesign& expected) {
    ASSERT_EQ(design->LastColumn, expected.LastColumn);
    ASSERT_EQ(design->LastRow, expected.LastRow);
    EXPECT_EQ(design->WaterlineTension, expected.WaterlineTension);
    EXPECT_EQ(design->StationTension, expected.StationTension);
    const double size = std::fabs(expected.Net[expected.LastColumn][expected.LastRow].y);
    for (int c = 0; c <= expected.LastColumn; ++c) {
      for (int r = 0; r <= expected.LastRow; ++r) {
        const Vertex& a = design->Net[c][r];
        const Vertex& b = expected.Net[c][r];
        EXPECT_NEAR(a.x, b.x, 1e-5 * size) << c << "," << r;
        EXPECT_NEAR(a.y, b.y, 1e-5 * size) << c << "," << r;
        EXPECT_NEAR(a.z, b.z, 1e-5 * size) << c << "," << r;
        EXPECT_FLOAT_EQ(a.w, b.w) << c << "," << r;
      }
    }
    auto reference = std::make_unique<HullDesign>(expected);
    auto referenceSurface = std::make_unique<Surface>();
    RebuildSurface(*reference, *referenceSurface);
    double worst = 0.0;
    for (int i = 0; i <= surface->columnDivisions; ++i) {
      for (int j = 0; j <= surface->rowDivisions; ++j) {
        const SurfacePoint& p = surface->grid[i][j];
        const SurfacePoint& q = referenceSurface->grid[i][j];
        worst = std::max({worst, std::fabs(p.x - q.x), std::fabs(p.y - q.y), std::fabs(p.z - q.z)});
      }
    }
    EXPECT_LT(worst, 1e-4 * size);
  }
  std::unique_ptr<HullDesign> design = std::make_unique<HullDesign>();
  std::unique_ptr<Surface> surface = std::make_unique<Surface>();
  std::vector<std::string> questions;
};

TEST_F(IgesImportTest, LengthAlongXInMetresComesInAlongYInMillimetres) {
  // The file: length along X from X = -2, lowest point at Z = +0.5, in
  // fixed columns with a line entity first (its parameters hold "128").
  Import("along_x_metres.igs", {false, false});
  EXPECT_EQ(questions, (std::vector<std::string>{kExchangeRowsQuestion, kIgesInchesQuestion}));
  EXPECT_EQ(design->Units, kMillimetres);
  ExpectSurface(*ExpectedHull(1000.0, 0.5));
  EXPECT_EQ(design->DesignFileName, kFixtures + "along_x_metres.s98");
  EXPECT_TRUE(design->DesignOpen && design->ShowStations && design->ShowVertexNet);
  EXPECT_FALSE(design->ShowWaterlines || design->ShowButtocks);
  EXPECT_TRUE(design->BodyViewOpen && design->BodyViewOn);
  EXPECT_FALSE(design->PlanViewOpen || design->ProfileViewOn || design->PerspectiveViewOpen);
  // The surface lies inside its net: less wide than the widest vertex.
  EXPECT_GT(surface->extents.halfBreadth, 800.0);
  EXPECT_LE(surface->extents.halfBreadth, 897.5 + 1e-3);
}

TEST_F(IgesImportTest, UpsideDownSternFirstSurfaceGetsKeelRowAndBowColumnZero) {
  // Inches: no metres rule however small the numbers.
  Import("upside_down_mm.igs", {false, true});
  EXPECT_EQ(design->Units, kInches);
  ExpectSurface(*ExpectedHull(1000.0, 0.0));
}

TEST_F(IgesImportTest, FreeFormatGirthFirstRecordIsTransposedOnYes) {
  // No directory, LF line ends, the record broken at 50 columns; the
  // first direction runs round the girth, so its degree goes with it.
  Import("girth_first_free.igs", {true, true});
  ExpectSurface(*ExpectedHull(40.0, 0.0));
  EXPECT_EQ(WorkingLastColumn(*design), 6);
  EXPECT_EQ(WorkingLastRow(*design), 3);
}

TEST_F(IgesImportTest, GlobalSectionGivesTheFileUnit) {
  const std::string text = skelmora::testing::ReadFileText(kFixtures + "along_x_metres.igs");
  IgesSurface iges;
  std::string message;
  ASSERT_EQ(ParseIgesText(text, iges, message), IgesParse::kOk) << message;
  EXPECT_EQ(iges.unitsFlag, 6);
  EXPECT_FALSE(IgesUnitIsImperial(iges.unitsFlag));
  EXPECT_EQ(iges.k1, 6);
  EXPECT_EQ(iges.weights.size(), 28u);
  EXPECT_TRUE(IgesUnitIsImperial(1));
}

// A free-format record: P in column 73.
std::string ParameterLines(const std::vector<std::string>& records) {
  std::string text;
  int n = 0;
  for (const std::string& r : records) {
    std::string line = r;
    line.resize(72, ' ');
    text += line + "P" + std::string(6, ' ') + std::to_string(++n % 10) + "\r\n";
  }
  return text;
}

TEST_F(IgesImportTest, RefusedFilesChangeNothing) {
  struct Case {
    const char* what;
    std::string text;
    std::string says;
  };
  const std::vector<Case> cases = {
      {"no surface", ParameterLines({"110,128.,0.,0.,130.,0.,0.;"}), kNoIgesSurfaceMessage},
      {"not IGES", "hello\nworld\n", kNoIgesSurfaceMessage},
      {"61 columns", ParameterLines({"128,60,3,3,3,0,0,0,0,0,"}), "61 x 4 control points"},
      {"degree 0", ParameterLines({"128,3,3,0,3,0,0,0,0,0,"}), "degrees 0 and 3"},
      {"ends early",
       ParameterLines({"128,1,1,1,1,0,0,0,0,0,0.,0.,1.,1.,0.,0.,1.,1.,1.,1.,1.,1.,", "0.,0.,0.;"}),
       "ends before its last control point"},
      {"a point at 1E30",
       ParameterLines({"128,1,1,1,1,0,0,0,0,0,0.,0.,1.,1.,0.,0.,1.,1.,1.,1.,1.,1.,",
                       "0.,0.,0.,1.E30,0.,0.,0.,1.,0.,1.,1.,0.;"}),
       "beyond 1E9"},
  };
  TempDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto before = ExpectedHull(1.0, 0.0);
    before->DesignFileName = "kept.s98";
    *design = *before;
    WriteFileText(dir.File("x.igs"), c.text);
    ScriptedPrompter prompter;
    std::string message;
    EXPECT_FALSE(ImportIgesFile(*design, *surface, dir.File("x.igs"), prompter, message));
    EXPECT_NE(message.find(c.says), std::string::npos) << message;
    EXPECT_TRUE(prompter.questions.empty());
    EXPECT_EQ(Fingerprint(*design), Fingerprint(*before));
  }
}

// The metres rule looks at the largest |x|: a millimetre hull 1500 wide
// modelled on the negative side has no positive x, and stays as it is.
TEST_F(IgesImportTest, AMillimetreHullOnTheNegativeSideIsNotScaled) {
  TempDir dir;
  WriteFileText(dir.File("port.igs"),
                ParameterLines({"128,1,1,1,1,0,0,0,0,0,0.,0.,1.,1.,0.,0.,1.,1.,1.,1.,1.,1.,",
                                "0.,0.,-500.,0.,6000.,-500.,-1500.,0.,1000.,-1500.,6000.,1000.;"}));
  ScriptedPrompter prompter({false, false});
  std::string message;
  ASSERT_TRUE(ImportIgesFile(*design, *surface, dir.File("port.igs"), prompter, message))
      << message;
  EXPECT_EQ(design->Units, kMillimetres);
  EXPECT_FLOAT_EQ(design->Net[1][1].x, -1500.0f);
  EXPECT_FLOAT_EQ(design->Net[1][1].y, 6000.0f);
  EXPECT_FLOAT_EQ(design->Net[0][0].z, -500.0f);
}

TEST_F(IgesImportTest, WeightsNotAboveZeroBecomeOne) {
  // 2 x 2 points, degree 1: weights 0 and -1 would divide by zero.
  TempDir dir;
  WriteFileText(dir.File("w.igs"),
                ParameterLines({"128,1,1,1,1,0,0,0,0,0,0.,0.,1.,1.,0.,0.,1.,1.,0.,-1.,1.,2.,",
                                "0.,0.,0.,0.,10.,0.,5.,0.,1.,5.,10.,1.,0.,1.,0.,1.;"}));
  ScriptedPrompter prompter({false, true});
  std::string message;
  ASSERT_TRUE(ImportIgesFile(*design, *surface, dir.File("w.igs"), prompter, message)) << message;
  EXPECT_FLOAT_EQ(design->Net[0][0].w, 1.0f);
  EXPECT_FLOAT_EQ(design->Net[1][0].w, 1.0f);
  EXPECT_FLOAT_EQ(design->Net[1][1].w, 2.0f);
  for (int i = 0; i <= surface->columnDivisions; ++i) {
    EXPECT_TRUE(std::isfinite(surface->grid[i][surface->rowDivisions / 2].x));
  }
}

}  // namespace
}  // namespace skelmora
