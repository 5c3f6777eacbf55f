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

struct GzPoint {
  double heel = 0.0;  // degrees
  double gz = 0.0;    // metres
};

struct Criterion {
  std::string name;
  std::optional<double> value;  // nothing when the run stops short of what it needs
  double required = 0.0;
  std::string unit;             // "m.rad", "m" or "deg"
  bool pass = false;
};

// Areas integrate GZ over the heel in radians (the program's 57.295
// degrees to the radian); values between steps are interpolated linearly.
// The table runs from upright in increasing heel; initialGm in metres.
std::vector<Criterion> EvaluateCriteria(const std::vector<GzPoint>& table, double initialGm);

// The same with a down-flooding angle (degrees): the areas to 40 degrees end
// at it when it is less, and their names say so ("0 to phiF 31.2"); an
// area whose end is below its start is 0.
std::vector<Criterion> EvaluateCriteria(const std::vector<GzPoint>& table, double initialGm,
                                        std::optional<double> downflooding);

// The same from a run: GZ and the upright GMt in metres whatever the unit.
std::vector<Criterion> EvaluateCriteria(const StabilityRun& run, int32_t units);

bool AllCriteriaPass(const std::vector<Criterion>& criteria);

// The table as printed: title, heading, one line per criterion.
std::string FormatCriteria(const std::vector<Criterion>& criteria);

}  // namespace skelmora
