#include "model/tension.h"

#include <algorithm>
#include <string>

#include "model/net_lines.h"
#include "model/shape_changed.h"
#include "model/undo_history.h"

namespace skelmora {

namespace {

constexpr int kHighestTension = 4;

int MaxTension(int last) { return std::clamp(last, 1, kHighestTension); }

bool CheckTension(const NetLines& lines, int tension, Prompter& prompter) {
  const std::string name = lines.rows ? "Station" : "Waterline";
  const int highest = MaxTension(lines.last);
  if (tension < 1 || tension > highest) {
    prompter.ShowError(name + " Tension must be from 1 to " + std::to_string(highest) + ".");
    return false;
  }
  const int chines = tension == 1 ? 0 : ChineSlots(lines.chineCount);
  if (WorkingLast(lines.last, chines, tension) > kMaxIndex) {
    prompter.ShowError("Cannot set " + name + " Tension=" + std::to_string(tension) +
                       ": with the " + lines.noun() +
                       " chines the surface would need more than 51 working " + lines.nounPlural() +
                       ". Delete a chine or some " + lines.nounPlural() + " first.");
    return false;
  }
  return true;
}

}  // namespace

int MaxWaterlineTension(const HullDesign& design) { return MaxTension(design.LastColumn); }

int MaxStationTension(const HullDesign& design) { return MaxTension(design.LastRow); }

bool ChangeTension(HullDesign& design, Surface& surface, const UndoHistory& history,
                   Prompter& prompter, int waterlineTension, int stationTension) {
  if (!design.DesignOpen) return false;
  if (!CheckTension(ColumnsOf(design), waterlineTension, prompter) ||
      !CheckTension(RowsOf(design), stationTension, prompter)) {
    return false;
  }
  history.Take(design);
  SetWaterlineTension(design, waterlineTension);
  SetStationTension(design, stationTension);
  RebuildSurface(design, surface);
  return true;
}

}  // namespace skelmora
