// A loading condition: the lightship, deadweight items and tanks, in the
// design's units (weights in lb for inch designs, kg for millimetre ones;
// lengths in model units on the design's axes: lcg is y, vcg is z, tcg is x).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace skelmora {

struct WeightItem {
  std::string name;
  double weight = 0.0;
  double lcg = 0.0;  // y, aft of the bow reference
  double vcg = 0.0;  // z, above the design waterline
  double tcg = 0.0;  // x, positive toward the stored side
};

// A box limited by the hull: the fluid is the part of the box inside the
// closed hull. xMin < 0 < xMax spans the centreline.
struct Tank {
  std::string name;
  double yFore = 0.0, yAft = 0.0;
  double xMin = 0.0, xMax = 0.0;
  double zMin = 0.0, zMax = 0.0;
  double density = 1.0;  // relative to fresh water (seawater 1.025)
  double fill = 0.0;     // percent of the capacity
};

// A point through which water enters the hull when it reaches the waterline
// (an air pipe, a door sill, a vent): model units on the design's axes.
struct Opening {
  std::string name;
  double x = 0.0, y = 0.0, z = 0.0;
};

// Lateral area above the hull's profile that the wind acts on (a deckhouse,
// deck cargo): area in model units squared, its centre's height as z.
struct WindageBlock {
  std::string name;
  double area = 0.0;
  double height = 0.0;
};

struct LoadingCondition {
  WeightItem lightship{"LIGHTSHIP"};
  std::vector<WeightItem> items;
  std::vector<Tank> tanks;
  std::vector<Opening> openings;
  std::vector<WindageBlock> windage;
  double bilgeKeelArea = 0.0;  // both keels, model units squared; 0 for none
  // A hard-chined hull rolls less: the weather criterion's factor k is 0.7.
  bool sharpBilges = false;
};

// What the file and the window hold a condition to. Each gives the reason a
// value is refused, or nothing.
std::optional<std::string> CheckName(std::string_view name);
std::optional<std::string> CheckWeightItem(const WeightItem& item);
std::optional<std::string> CheckTank(const Tank& tank);
std::optional<std::string> CheckOpening(const Opening& opening);
std::optional<std::string> CheckWindage(const WindageBlock& block);
std::optional<std::string> CheckBilgeKeelArea(double area);
// The first refusal over the whole condition, naming the item.
std::optional<std::string> CheckCondition(const LoadingCondition& condition);

}  // namespace skelmora
