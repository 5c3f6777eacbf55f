#include "loading/loading_condition.h"

#include <cmath>

namespace skelmora {

namespace {

// Far beyond any ship in millimetres or kilograms; keeps sums of products
// of these finite.
constexpr double kLargest = 1e12;
// Extents closer than this would not survive the file's six decimals.
constexpr double kLeastExtent = 1e-5;

bool Finite(std::initializer_list<double> values) {
  for (double v : values) {
    if (!std::isfinite(v) || std::fabs(v) > kLargest) return false;
  }
  return true;
}

}  // namespace

std::optional<std::string> CheckName(std::string_view name) {
  if (name.empty()) return "a name is needed";
  for (unsigned char c : name) {
    if (c <= ' ' || c == 0x7f) return "a name is one word (no blanks or control characters)";
  }
  return std::nullopt;
}

std::optional<std::string> CheckWeightItem(const WeightItem& item) {
  if (auto bad = CheckName(item.name)) return bad;
  if (!Finite({item.weight, item.lcg, item.vcg, item.tcg})) return "a value is not a number of at most 1e12";
  if (item.weight < 0.0) return "the weight is negative";
  return std::nullopt;
}

std::optional<std::string> CheckTank(const Tank& t) {
  if (auto bad = CheckName(t.name)) return bad;
  if (!Finite({t.yFore, t.yAft, t.xMin, t.xMax, t.zMin, t.zMax, t.density, t.fill})) {
    return "a value is not a number of at most 1e12";
  }
  if (!(t.yAft - t.yFore >= kLeastExtent)) return "the box has no length (yAft must be aft of yFore)";
  if (!(t.xMax - t.xMin >= kLeastExtent)) return "the box has no breadth (xMax must exceed xMin)";
  if (!(t.zMax - t.zMin >= kLeastExtent)) return "the box has no height (zMax must exceed zMin)";
  if (t.density < 0.0) return "the density is negative";
  if (t.fill < 0.0 || t.fill > 100.0) return "the fill is outside 0 to 100 percent";
  return std::nullopt;
}

std::optional<std::string> CheckOpening(const Opening& o) {
  if (auto bad = CheckName(o.name)) return bad;
  if (!Finite({o.x, o.y, o.z})) return "a value is not a number of at most 1e12";
  return std::nullopt;
}

std::optional<std::string> CheckWindage(const WindageBlock& b) {
  if (auto bad = CheckName(b.name)) return bad;
  if (!Finite({b.area, b.height})) return "a value is not a number of at most 1e12";
  if (b.area < 0.0) return "the area is negative";
  return std::nullopt;
}

std::optional<std::string> CheckBilgeKeelArea(double area) {
  if (!Finite({area})) return "the area is not a number of at most 1e12";
  if (area < 0.0) return "the area is negative";
  return std::nullopt;
}

std::optional<std::string> CheckCondition(const LoadingCondition& c) {
  if (auto bad = CheckWeightItem(c.lightship)) return "LIGHTSHIP: " + *bad;
  for (const WeightItem& item : c.items) {
    if (auto bad = CheckWeightItem(item)) return "ITEM " + item.name + ": " + *bad;
  }
  for (const Tank& tank : c.tanks) {
    if (auto bad = CheckTank(tank)) return "TANK " + tank.name + ": " + *bad;
  }
  for (const Opening& o : c.openings) {
    if (auto bad = CheckOpening(o)) return "OPENING " + o.name + ": " + *bad;
  }
  for (const WindageBlock& b : c.windage) {
    if (auto bad = CheckWindage(b)) return "WINDAGE " + b.name + ": " + *bad;
  }
  if (auto bad = CheckBilgeKeelArea(c.bilgeKeelArea)) return "BILGEKEELS: " + *bad;
  return std::nullopt;
}

}  // namespace skelmora
