// Whether the design holds changes that are not in its file: the design as
// its file holds it is remembered at open and save, and what the file would
// hold now is compared with it at close. Comparing what would be written,
// rather than counting edits, also covers changes that take no undo step
// (display switches) and an undo back to the saved state.
#pragma once

#include <memory>
#include <string>

#include "model/hull_design.h"
#include "surface/surface.h"

namespace skelmora::app {

class SavedBaseline {
 public:
  // The design as it now stands is what its file holds. The surface must be
  // the design's, current.
  void Remember(const HullDesign& design, const Surface& surface);
  // No file holds the design yet (a new design): any open design differs.
  void Forget();
  // True when an open design would write something other than what was
  // remembered. Window layout (which views are open) does not count. Both
  // are compared as drawing leaves them, so a section number or spacing
  // that drawing derives is not taken for an edit, whether or not the views
  // have been drawn since.
  bool Differs(const HullDesign& design, const Surface& surface) const;

 private:
  static std::string Text(const HullDesign& design, const Surface& surface);
  bool remembered_ = false;
  std::string text_;
};

}  // namespace skelmora::app
