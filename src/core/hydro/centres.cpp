#include "hydro/centres.h"

#include <cmath>

namespace skelmora {

std::optional<FloatingCentres> CentresFromResults(const HydrostaticResults& results,
                                                  int32_t units) {
  const double toFeet = FactorsFor(units).length;
  FloatingCentres c;
  c.lcb = results.lcb / toFeet;
  c.zcb = -results.vcb / toFeet;  // vcb is a depth
  c.lcg = results.lcgHull / toFeet;
  c.zcg = results.vcgHull / toFeet;
  c.lcf = results.lcf;
  for (double v : {c.lcb, c.zcb, c.lcg, c.zcg, c.lcf}) {
    if (!std::isfinite(v)) return std::nullopt;
  }
  return c;
}

}  // namespace skelmora
