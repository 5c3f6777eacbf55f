#include "shapes/hull_defaults.h"

namespace skelmora {

namespace {

struct Row {
  double v[4][4];  // [unit - 1][length, beam, freeboard, draft]
  double bow, stern;
  bool hasAngles;
};

const Row& RowFor(HullType type) {
  static const Row sailboat{{{360, 60, 40, 24},
                             {9144, 1524, 1016, 610},
                             {30, 5, 3.3333, 2},
                             {9.144, 1.524, 1.016, 0.61}},
                            35,
                            40,
                            true};
  static const Row noChine{{{264, 38.2, 32.5, 11.3},
                            {6700, 971, 825, 287},
                            {22, 3.183333, 2.708333, 0.94167},
                            {6.7, 0.971, 0.825, 0.287}},
                           20,
                           15,
                           true};
  static const Row oneChine{{{263.78, 38.2, 32.5, 11.3},
                             {6700, 971, 825, 287},
                             {21.98, 3.183333, 2.708333, 0.94167},
                             {6.7, 0.971, 0.825, 0.287}},
                            20,
                            15,
                            true};
  static const Row twoChine{{{350.4, 60.75, 53.2, -20.7},
                             {8900, 1543, 1351, -525.8},
                             {29.2, 5.0625, 4.43333, -1.725},
                             {8.9, 1.543, 1.351, -0.5258}},
                            20,
                            15,
                            true};
  static const Row cargo{{{3390, 315, 365, -180},
                          {86124, 8000, 9266, -4581},
                          {282.5, 26.25, 30.416667, -15},
                          {86.124, 8, 9.266, -4.581}},
                         0,
                         0,
                         false};
  switch (type) {
    case HullType::kSailboat:
      break;
    case HullType::kNoChinePower:
      return noChine;
    case HullType::kOneChinePower:
      return oneChine;
    case HullType::kTwoChinePower:
      return twoChine;
    case HullType::kCargoShip:
      return cargo;
  }
  return sailboat;
}

int UnitSlot(int32_t units) { return units >= 1 && units <= 4 ? units - 1 : 0; }

}  // namespace

HullDefaults DefaultsFor(HullType type, int32_t units) {
  const Row& row = RowFor(type);
  const double* v = row.v[UnitSlot(units)];
  return HullDefaults{v[0], v[1], v[2], v[3], row.bow, row.stern, row.hasAngles};
}

namespace {

void ApplyDefaultsIn(HullInputs& inputs, HullType type, int32_t units) {
  const HullDefaults d = DefaultsFor(type, units);
  inputs.length = d.length;
  inputs.halfBeam = d.halfBeam;
  inputs.freeboard = d.freeboard;
  inputs.draft = d.draft;
  if (d.hasAngles) {
    inputs.bowAngle = d.bowAngle;
    inputs.sternAngle = d.sternAngle;
  }
}

}  // namespace

HullInputs InitialHullInputs(int32_t units) {
  HullInputs inputs;
  inputs.units = units;
  // The opening values are the inch row, or the millimetre row for any
  // other unit.
  ApplyDefaultsIn(inputs, HullType::kSailboat,
                  units == kInputInches ? kInputInches : kInputMillimetres);
  return inputs;
}

void ApplyDefaults(HullInputs& inputs, HullType type) {
  ApplyDefaultsIn(inputs, type, inputs.units);
}

double UnitConversionFactor(int32_t from, int32_t to) {
  // [to][from], units 1 inches, 2 mm, 3 feet, 4 metres.
  static const double factors[4][4] = {
      {1.0, 0.0393701, 12.0, 39.3701},
      {25.4, 1.0, 304.8, 1000.0},
      {0.0833333, 0.0032808, 1.0, 3.28084},
      {0.0254, 0.001, 0.3048, 1.0},
  };
  return factors[UnitSlot(to)][UnitSlot(from)];
}

void ConvertLengths(HullInputs& inputs, int32_t to) {
  const double k = UnitConversionFactor(inputs.units, to);
  inputs.length *= k;
  inputs.halfBeam *= k;
  inputs.freeboard *= k;
  inputs.draft *= k;
  inputs.units = to;
}

HullTypeFields FieldsFor(HullType type) {
  if (type == HullType::kSailboat) return HullTypeFields{false, true, true, true, true};
  // The ship's template has no round stern.
  if (type == HullType::kCargoShip) return HullTypeFields{true, false, false, false, false};
  return HullTypeFields{true, false, false, false, true};
}

}  // namespace skelmora
