#include "model/saved_baseline.h"

#include "files/design_file.h"

namespace skelmora::app {

namespace {

// Drawing fills in whichever of a count / spacing pair is 0 and keeps it;
// such a value is derived, not edited.
void ForgetDerived(int32_t& count, double& spacing, int32_t savedCount, double savedSpacing) {
  if (savedSpacing == 0.0 && count == savedCount) {
    spacing = 0.0;
  } else if (savedCount == 0 && spacing == savedSpacing) {
    count = 0;
  }
}

}  // namespace

std::string SavedBaseline::Text(HullDesign& design) {
  design.BodyViewOn = design.PlanViewOn = design.ProfileViewOn = design.PerspectiveViewOn = false;
  return FormatDesignText(design, false);
}

void SavedBaseline::Remember(const HullDesign& design) {
  if (!design.DesignOpen) {
    Forget();
    return;
  }
  saved_ = std::make_unique<HullDesign>(design);
  auto copy = std::make_unique<HullDesign>(design);
  text_ = Text(*copy);
}

void SavedBaseline::Forget() {
  saved_.reset();
  text_.clear();
}

bool SavedBaseline::Differs(const HullDesign& design) const {
  if (!design.DesignOpen) return false;
  if (!saved_) return true;
  auto now = std::make_unique<HullDesign>(design);
  ForgetDerived(now->StationCount, now->StationSpacing, saved_->StationCount,
                saved_->StationSpacing);
  ForgetDerived(now->WaterlineCount, now->WaterlineSpacing, saved_->WaterlineCount,
                saved_->WaterlineSpacing);
  ForgetDerived(now->ButtockCount, now->ButtockSpacing, saved_->ButtockCount,
                saved_->ButtockSpacing);
  return Text(*now) != text_;
}

}  // namespace skelmora::app
