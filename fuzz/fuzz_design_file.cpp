// Design file reader: any input is either refused with a message or read
// into a design that the writer can save and the reader read back, and on
// which the section placement, the cuts and the hydrostatics and drag runs
// give finite numbers.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include <cmath>

#include "files/design_file.h"
#include "hydro/drag.h"
#include "hydro/hydrostatics.h"
#include "hydro/result_fields.h"
#include "model/hull_design.h"
#include "model/silent_prompter.h"
#include "surface/sections.h"
#include "surface/surface.h"
#include "surface/surface_build.h"

using namespace skelmora;

namespace {

void Finite(double value) {
  if (!std::isfinite(value)) std::abort();
}

// What the program runs on a design once it is open.
void Calculate(HullDesign& design, Surface& surface) {
  static const auto cuts = std::make_unique<CutBuffers>();
  StationPositions(design, surface, *cuts);
  WaterlinePositions(design, surface);
  ButtockPositions(design, surface);
  const HullExtents& e = surface.extents;
  CutStation(design, surface, *cuts, 0.5 * (e.smallestY + e.hullLength));
  CutButtock(design, surface, *cuts, 0.5 * e.halfBreadth);
  CutWaterline(design, surface, *cuts, 0.0);

  SilentPrompter prompter;
  if (!HullGuard(design, surface, prompter)) return;
  HydrostaticResults results;
  if (ComputeHydrostatics(design, surface, *cuts, results, prompter)) {
    for (const ResultField& field : HydrostaticFields(results, design.Units)) Finite(field.value);
  }
  DragResults drag;
  if (ComputeDrag(design, surface, *cuts, results, drag, prompter)) {
    for (int i = 0; i <= kDragRows; ++i) {
      Finite(drag.waveDrag[i]);
      Finite(drag.frictionDrag[i]);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  auto design = std::make_unique<HullDesign>();
  // Everything in the surface is derived from the design, so one serves all
  // inputs; allocating 1.7 MB per input would dominate the run time.
  static const auto surface = std::make_unique<Surface>();
  // A coarse grid still runs every evaluation path, many times faster.
  design->ColumnDivisions = design->RowDivisions = 6;
  std::string message;
  if (!ParseDesignText(*design, *surface, text, message, "fuzz.s98")) {
    if (message.empty()) std::abort();  // a refusal always says why
    return 0;
  }
  ComputeExtents(*design, *surface);
  // The calculations change the design's dimensions; the round trip below
  // is about what was read.
  Calculate(*std::make_unique<HullDesign>(*design), *surface);

  // What we write we must read again, and a second pass changes nothing
  // (the first may: a weight that rounds to 0.0000 is read back as 1).
  const std::string first = FormatDesignText(*design, false);
  auto again = std::make_unique<HullDesign>();
  again->ColumnDivisions = again->RowDivisions = 6;
  if (!ParseDesignText(*again, *surface, first, message)) std::abort();
  const std::string second = FormatDesignText(*again, false);
  if (!ParseDesignText(*again, *surface, second, message)) std::abort();
  if (FormatDesignText(*again, false) != second) std::abort();
  return 0;
}
