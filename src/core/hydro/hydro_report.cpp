#include "hydro/hydro_report.h"

#include <cmath>

#include "files/text_io.h"
#include "hydro/hydro_common.h"

namespace skelmora {

namespace {

std::string Value(double value, const std::string& unit = "") {
  return FormatFixed(value, 5, 3) + unit;
}

}  // namespace

double SaltwaterDisplacement(const HydrostaticResults& results, int32_t units) {
  return results.volume * FactorsFor(units).seawater;
}

double FreshwaterDisplacement(const HydrostaticResults& results, int32_t units) {
  return results.volume * FactorsFor(units).freshwater;
}

HydrostaticsReport BuildHydrostaticsReport(const HydrostaticResults& r, int32_t units) {
  const UnitFactors f = FactorsFor(units);
  const bool m = f.metric;
  const std::string weight = m ? " Kgs" : " Lbs";
  const std::string ft = m ? " M" : " ft";
  const std::string aft = ft + " Aft \"0\"";
  const std::string length = m ? " Meters" : " Ft";
  const std::string area = m ? " SqMt" : " SqFt";
  const std::string bare = m ? "M" : "Ft";

  HydrostaticsReport report;
  report.groups = {
      {"Displacement",
       "Displacement",
       {{"Saltwater", Value(SaltwaterDisplacement(r, units), weight)},
        {"Fresh Water", Value(FreshwaterDisplacement(r, units), weight)}}},
      {"Coefficients",
       "Coefficients",
       {{"Prismatic Cp", Value(r.cp)},
        {"Block Cb", Value(r.cb)},
        {"Waterplane Cw", Value(r.cw)},
        {m ? "Mom To Trim 1cm" : "Mom To Trim 1\"", Value(r.momentToTrim, m ? " Kg-m" : " Lbs-Ft")},
        {m ? "KG/Cm Immer" : "Pounds/In Immer", Value(r.immersion)}}},
      {"Ratios",
       "Ratios",
       {{"Disp'ment/Length", Value(r.dispLengthRatio)},
        {"Length/Beam", Value(Quotient(r.lwl, 2.0 * r.halfBeamWl))},
        {"Length/Draft", Value(std::fabs(Quotient(r.lwl, r.lowestZ)))},
        {"Beam/Draft", Value(std::fabs(Quotient(2.0 * r.halfBeamWl, r.lowestZ)))}}},
      {"Centers",
       "Centers",
       {{"VCG of Hull",
         Value(r.vcgHull, ft + " " + (r.vcgHull < 0.0 ? "Below" : "Above") + " LWL")},
        {"LCG of Hull", Value(r.lcgHull, aft)},
        {"LCB", Value(r.lcb, aft)},
        {"VCB", Value(r.vcb, ft + " Below Lwl")}}},
      {"Transverse Metacenters - Estimate",
       "Transverse Metacenters",
       {{"Gmt", Value(r.gmt, length)}, {"Bmt", Value(r.bmt, length)}}},
      {"Length / Width / Height",
       "Length - Width - Height",
       {{"Load Waterline", Value(r.lwl * f.length, length)},
        {"Length Over All", Value(r.loa * f.length, length)},
        {"Waterline Beam", Value(r.halfBeamWl * f.breadth, length)},
        {"Deck Beam", Value(r.halfBeamDeck * f.breadth, length)},
        {"Max Freeboard", Value(r.maxFreeboard * f.length, length)},
        {"Fairbody Draft", Value(-r.lowestZ * f.length, length)}}},
      {"Areas",
       "Areas",
       {{"Waterplane", Value(r.waterplaneArea, area)},
        {"Lateral Plane", Value(r.lateralArea, area)},
        {"Wetted Hull Area", Value(r.wettedArea, area)},
        {"Total Hull Surface", Value(r.hullSurfaceArea, area)}}},
      {"Required Power", "Required Power", {{"Brake Horse Pwr", Value(r.brakePower, " BHP")}}},
      {"Centers of Action",
       "Centers of Action",
       {{"Long.  Ctr of Float.", Value(r.lcf * f.length, " " + bare + " aft \"0\"")},
        {"Vertical CLP", Value(r.clpVertical * f.length, " " + bare + " Below LWL")},
        {"Longitudinal CLP", Value(r.clpLongitudinal * f.length, " " + bare + " aft \"0\"")}}},
      {"Longitudinal Metacenters - Estimate",
       "Longitudinal Metacenters",
       {{"Gml", Value(r.gml, bare)}, {"Bml", Value(r.bml, bare)}}},
  };
  return report;
}

std::string FormatHydrostaticsReport(const HydrostaticsReport& report,
                                     const std::string& designFileName,
                                     const std::string& dateTime) {
  std::string text = "\n\n  Hydrostatics Data for " + designFileName + "\n\n  " + dateTime + "\n\n";
  for (size_t g = 0; g < report.groups.size(); ++g) {
    const ReportGroup& group = report.groups[g];
    if (g > 0) text += '\n';
    text += "  " + group.heading + '\n';
    for (const ReportLine& line : group.lines) {
      text += "  " + line.caption + "  " + line.value + '\n';
    }
  }
  return text;
}

}  // namespace skelmora
