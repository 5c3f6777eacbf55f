// The general intact-stability criteria a designer submits a GZ curve
// against (IMO 2008 IS Code, Part A, 2.2), from a run's GZ table.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "stability/stability_run.h"

namespace skelmora {

inline constexpr const char* kCriteriaTitle =
    "Intact Stability Criteria (IMO 2008 IS Code, Part A, 2.2)";
inline constexpr const char* kNotEnoughRange = "not enough range";
inline constexpr const char* kPeakAtRunEnd = "at the run's end";
inline constexpr const char* kHeelNotFound = "heel not found";

struct GzPoint {
  double heel = 0.0;  // degrees
  double gz = 0.0;    // metres
};

struct Criterion {
  std::string name;
  // Nothing when this run cannot judge it; note then says why
  // (kNotEnoughRange, kPeakAtRunEnd, kHeelNotFound), and it does not pass.
  std::optional<double> value;
  double required = 0.0;
  std::string unit;             // "m.rad", "m" or "deg"
  bool pass = false;
  std::string note;
};

// Areas integrate GZ over the heel in radians (the program's 57.295
// degrees to the radian); values between steps are interpolated linearly.
// The table runs from upright in increasing heel; initialGm in metres.
// notFound: heels of the run left out of the table because their
// displacement was not found; a criterion whose heels reach over one of
// them is not judged. The largest GZ at the table's last heel may still be
// rising: its angle is not judged either. downflooding (degrees): the areas
// to 40 degrees end at it when it is less, and their names say so.
std::vector<Criterion> EvaluateCriteria(const std::vector<GzPoint>& table, double initialGm,
                                        const std::vector<double>& notFound = {},
                                        std::optional<double> downflooding = std::nullopt);

// The same with a down-flooding angle (degrees): the areas to 40 degrees end
// at it when it is less, and their names say so ("0 to phiF 31.2"); an
// area whose end is below its start is 0.
std::vector<Criterion> EvaluateCriteria(const std::vector<GzPoint>& table, double initialGm,
                                        std::optional<double> downflooding);

// The same from a run's rows found: GZ and the upright GMt in metres
// whatever the unit.
std::vector<Criterion> EvaluateCriteria(const StabilityRun& run, int32_t units);

bool AllCriteriaPass(const std::vector<Criterion>& criteria);

// The table as printed: title, heading, one line per criterion.
std::string FormatCriteria(const std::vector<Criterion>& criteria);

}  // namespace skelmora
