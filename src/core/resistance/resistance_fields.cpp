#include "resistance/resistance_fields.h"

#include <cmath>

#include "files/text_io.h"

namespace skelmora {

const std::vector<ResistanceField>& ResistanceFields() {
  using R = ResistanceInputs;
  using S = InputSign;
  static const std::vector<ResistanceField> fields = {
      {"Waterline length", "--lwl", "lwl", "m", &R::lwl, true, true, true, S::kPositive},
      {"Waterline beam", "--beam", "beam", "m", &R::beam, true, false, true, S::kPositive},
      {"Draft", "--draft", "draft", "m", &R::draft, true, false, true, S::kPositive},
      {"Displaced volume", "--volume", "volume", "m3", &R::volume, true, false, true,
       S::kPositive},
      {"LCB", "--lcb", "lcb", "% of lwl forward of its middle", &R::lcb, true, false, true, S::kAny},
      {"Midship coefficient Cm", "--cm", "cm", "", &R::cm, true, false, true, S::kPositive},
      {"Waterplane coefficient Cwp", "--cwp", "cwp", "", &R::cwp, true, false, false,
       S::kPositive},
      {"Wetted surface", "--wetted", "wetted", "m2", &R::wetted, true, false, true, S::kPositive},
      {"Half angle of entrance", "--half-entrance", "halfEntrance", "deg", &R::halfEntrance, true,
       false, false, S::kNotNegative},
      {"Immersed transom area", "--transom-area", "transomArea", "m2", &R::transomArea, true,
       false, false, S::kNotNegative},
      {"Bulb section area", "--bulb-area", "bulbArea", "m2", &R::bulbArea, true, false, false,
       S::kNotNegative},
      {"Bulb centre above keel", "--bulb-centre", "bulbCentre", "m above keel", &R::bulbCentre,
       true, false, false, S::kNotNegative},
      {"Appendage wetted area", "--appendage-area", "appendageArea", "m2", &R::appendageArea, true,
       false, false, S::kNotNegative},
      {"Appendage factor 1 + k2", "--appendage-factor", "appendageFactor", "",
       &R::appendageFactor, true, false, false, S::kPositive},
      {"Stern shape C_stern", "--stern-shape", "sternShape", "", &R::sternShape, true, false,
       false, S::kAny},
      {"Displacement", "--displacement", "displacement", "t", &R::displacement, false, true, false,
       S::kPositive},
      {"LCG", "--lcg", "lcg", "m forward of transom", &R::lcg, false, true, false, S::kPositive},
      {"Chine beam", "--chine-beam", "chineBeam", "m", &R::chineBeam, false, true, false,
       S::kPositive},
      {"Deadrise", "--deadrise", "deadrise", "deg", &R::deadrise, false, true, false,
       S::kNotNegative},
  };
  return fields;
}

bool UsedBy(const ResistanceField& field, ResistanceMethod method) {
  switch (method) {
    case ResistanceMethod::kHoltrop:
      return field.holtrop;
    case ResistanceMethod::kSavitsky:
      return field.savitsky;
    case ResistanceMethod::kYacht:
      return field.yacht;
  }
  return false;
}

std::optional<std::string> CheckFieldValue(const ResistanceField& field, double value,
                                           const std::string& name) {
  if (!std::isfinite(value)) return name + " must be a number";
  if (field.sign == InputSign::kPositive && !(value > 0.0)) {
    return name + " must be more than 0: " + FormatFixed(value, 0, 4);
  }
  if (field.sign == InputSign::kNotNegative && !(value >= 0.0)) {
    return name + " must be 0 or more: " + FormatFixed(value, 0, 4);
  }
  return std::nullopt;
}

}  // namespace skelmora
