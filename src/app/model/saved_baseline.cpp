#include "model/saved_baseline.h"

#include "files/design_file.h"
#include "views/draw_design.h"

namespace skelmora::app {

std::string SavedBaseline::Text(const HullDesign& design, const Surface& surface) {
  auto copy = std::make_unique<HullDesign>(design);
  auto scratch = std::make_unique<DrawScratch>();
  PlaceShownSections(*copy, surface, *scratch);
  copy->BodyViewOn = copy->PlanViewOn = copy->ProfileViewOn = copy->PerspectiveViewOn = false;
  return FormatDesignText(*copy, false);
}

void SavedBaseline::Remember(const HullDesign& design, const Surface& surface) {
  if (!design.DesignOpen) {
    Forget();
    return;
  }
  text_ = Text(design, surface);
  remembered_ = true;
}

void SavedBaseline::Forget() {
  remembered_ = false;
  text_.clear();
}

bool SavedBaseline::Differs(const HullDesign& design, const Surface& surface) const {
  if (!design.DesignOpen) return false;
  if (!remembered_) return true;
  return Text(design, surface) != text_;
}

}  // namespace skelmora::app
