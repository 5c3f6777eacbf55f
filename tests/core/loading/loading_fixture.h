// Hulls for the loading tests: a box barge from the solids generator and the
// bundled examples, with the closed hull the loading code floats.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "files/design_file.h"
#include "loading/floating.h"
#include "model/design_session.h"
#include "shapes/solids.h"

namespace skelmora::test_loading {

// Box barge: y 0..length, x +/- breadth / 2, z +/- depth / 2 (inches).
inline void MakeBox(DesignSession& session, double length, double breadth, double depth) {
  SolidInputs in = DefaultSolidInputs(SolidType::kBox);
  in.depth = length;
  in.width = breadth;
  in.height = depth;
  ASSERT_FALSE(GenerateSolid(session, SolidType::kBox, in).has_value());
  // The box's edges sit at the thirds of its linear net: a grid through
  // them makes the closed mesh the box itself.
  session.design.ColumnDivisions = session.design.RowDivisions = 48;
  session.Regenerate(Change::kTopology);
}

inline void LoadExample(DesignSession& session, const std::string& name) {
  std::string message;
  ASSERT_TRUE(ReadDesignFile(session.design, *session.surface,
                             std::string(SKELMORA_EXAMPLES_DIR) + "/" + name + ".s98", message))
      << message;
  session.Regenerate(Change::kTopology);
}

inline double SeawaterPerVolume(int32_t units) { return SeawaterWeight(1.0, units); }

}  // namespace skelmora::test_loading
