// The IGES surface written, then read by our own import: the same surface,
// the same degrees, chines coming back as repeated lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "core/files/file_test_support.h"
#include "exchange/iges_file.h"
#include "files/design_file.h"
#include "files/iges_import.h"
#include "model/shape_changed.h"

namespace skelmora {
namespace {

TEST(IgesRoundTrip, ExportThenImportGivesTheSameSurface) {
  for (const char* example : {"sailboat.s98", "runabout.s98", "trawler.s98"}) {
    SCOPED_TRACE(example);
    auto design = std::make_unique<HullDesign>();
    auto surface = std::make_unique<Surface>();
    std::string message;
    ASSERT_TRUE(ReadDesignFile(*design, *surface, std::string(SKELMORA_EXAMPLES_DIR) + "/" + example,
                               message))
        << message;
    RebuildSurface(*design, *surface);
    const std::string text = FormatIges(*design, *surface, IgesOptions{.mirror = false, .fileName = "hull.igs", .timeStamp = "20261210.120000"});

    auto imported = std::make_unique<HullDesign>();
    auto back = std::make_unique<Surface>();
    imported->ColumnDivisions = design->ColumnDivisions;
    imported->RowDivisions = design->RowDivisions;
    testing::ScriptedPrompter prompter({false, design->Units == kInches});
    ASSERT_TRUE(ImportIgesText(*imported, *back, text, "hull.igs", prompter, message)) << message;
    EXPECT_EQ(imported->LastColumn, WorkingLastColumn(*design));
    EXPECT_EQ(imported->LastRow, WorkingLastRow(*design));
    EXPECT_EQ(back->knots.degreeU, surface->knots.degreeU);
    EXPECT_EQ(back->knots.degreeV, surface->knots.degreeV);
    EXPECT_EQ(imported->Units, design->Units);

    ASSERT_EQ(back->columnDivisions, surface->columnDivisions);
    ASSERT_EQ(back->rowDivisions, surface->rowDivisions);
    double worst = 0.0;
    for (int i = 0; i <= surface->columnDivisions; ++i) {
      for (int j = 0; j <= surface->rowDivisions; ++j) {
        const SurfacePoint& p = surface->grid[i][j];
        const SurfacePoint& q = back->grid[i][j];
        worst = std::max({worst, std::fabs(p.x - q.x), std::fabs(p.y - q.y), std::fabs(p.z - q.z)});
      }
    }
    EXPECT_LT(worst, 1e-4) << "in the design's unit";
  }
}

}  // namespace
}  // namespace skelmora
