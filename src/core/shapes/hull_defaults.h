// What the "New Design Dimensions" dialog fills in: each hull type's
// dimensions for each input unit, and the conversion of the four lengths
// when the unit changes.
#pragma once

#include <cstdint>

#include "shapes/hull_generator.h"

namespace skelmora {

// Length, half beam, freeboard, draft in the unit, and the bow and stern
// angles. The cargo ship keeps whatever angles were shown.
struct HullDefaults {
  double length, halfBeam, freeboard, draft;
  double bowAngle, sternAngle;
  bool hasAngles;
};
HullDefaults DefaultsFor(HullType type, int32_t units);

// The dialog's first fill: the sailboat for inches, the millimetre numbers
// for every other unit.
HullInputs InitialHullInputs(int32_t units);

// The type's defaults put into inputs (lengths for inputs.units; the angles
// unless the type keeps them).
void ApplyDefaults(HullInputs& inputs, HullType type);

// The factor that takes a length from one input unit to another.
double UnitConversionFactor(int32_t from, int32_t to);

// The four lengths converted to the unit `to` (the angles stay).
void ConvertLengths(HullInputs& inputs, int32_t to);

// Which of the dialog's fields and stern buttons the type offers.
struct HullTypeFields {
  bool deadrise, bow, stern, canoe, round;
};
HullTypeFields FieldsFor(HullType type);

}  // namespace skelmora
