#include "hydro/result_fields.h"

#include "hydro/hydro_report.h"

namespace skelmora {

std::vector<ResultField> HydrostaticFields(const HydrostaticResults& r, int32_t units) {
  const bool m = FactorsFor(units).metric;
  // Model units are the design's own; the rest are the feet or metres the
  // integration converts to.
  const std::string model = m ? "mm" : "in";
  const std::string model2 = model + "^2";
  const std::string length = m ? "m" : "ft";
  const std::string area = length + "^2";
  const std::string volume = length + "^3";
  const std::string weight = m ? "kg" : "lb";
  const std::string none = "none";
  return {
      {"loa", r.loa, model},
      {"lwl", r.lwl, model},
      {"lowestZ", r.lowestZ, model},
      {"halfBeamWl", r.halfBeamWl, model},
      {"halfBeamDeck", r.halfBeamDeck, model},
      {"maxFreeboard", r.maxFreeboard, model},
      {"maxSectionArea", r.maxSectionArea, model2},
      {"lateralArea", r.lateralArea, area},
      {"clpVertical", r.clpVertical, model},
      {"clpLongitudinal", r.clpLongitudinal, model},
      {"hullSurfaceArea", r.hullSurfaceArea, area},
      {"wettedArea", r.wettedArea, area},
      {"vcgHull", r.vcgHull, length},
      {"lcgHull", r.lcgHull, length},
      {"patchVolume", r.patchVolume, volume},
      {"volume", r.volume, volume},
      {"lcb", r.lcb, length},
      {"vcb", r.vcb, length},
      {"waterplaneArea", r.waterplaneArea, area},
      {"lcf", r.lcf, model},
      {"cp", r.cp, none},
      {"cb", r.cb, none},
      {"cw", r.cw, none},
      {"dispLengthRatio", r.dispLengthRatio, none},
      {"brakePower", r.brakePower, "hp"},
      {"immersion", r.immersion, m ? "kg/cm" : "lb/in"},
      {"bmt", r.bmt, length},
      {"gmt", r.gmt, length},
      {"bml", r.bml, length},
      {"gml", r.gml, length},
      {"momentToTrim", r.momentToTrim, m ? "kg*m/cm" : "lb*ft/in"},
      {"displacementSaltwater", SaltwaterDisplacement(r, units), weight},
      {"displacementFreshwater", FreshwaterDisplacement(r, units), weight},
  };
}

}  // namespace skelmora
