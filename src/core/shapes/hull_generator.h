// File › New › "Parametric Hull Design": the five hull types filled into
// the net from a few principal dimensions.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/design_session.h"
#include "model/hull_design.h"

namespace skelmora {

enum class HullType {
  kSailboat,       // "Sailboat / Round"
  kNoChinePower,   // "No Chine Power"
  kOneChinePower,  // "1 Chine Power"
  kTwoChinePower,  // "2 Chine Power"
  kCargoShip,      // "Cargo Ship"
};

// The unit codes the new-design dialog reports; feet and metres are only
// ever input units.
enum InputUnit : int32_t { kInputInches = 1, kInputMillimetres = 2, kInputFeet = 3, kInputMetres = 4 };

// What the dialog collects. Lengths in the input unit, angles in degrees.
struct HullInputs {
  int32_t units = kInputInches;
  double length = 0.0;     // "Length Over All"
  double halfBeam = 0.0;   // "1/2 Beam @ Deck"
  double freeboard = 0.0;  // "Min. Freeboard"
  double draft = 0.0;      // "Maximum Draft"; its magnitude is used
  double bowAngle = 0.0;
  double sternAngle = 0.0;
  char sternType = 'F';  // 'F' flat transom, 'R' round, 'O' open, 'C' canoe
};

// Feet to inches (x 12), metres to millimetres (x 1000), the draft as its
// magnitude; inches and millimetres pass unchanged.
HullInputs NormaliseUnits(const HullInputs& inputs);

// Why these inputs would give a degenerate or inverted hull (a length not
// above zero, no draft, an angle whose tangent runs away, a stem or transom
// reaching past the next station, a canoe stern on a power hull), or
// nothing when they are sound. Checked on the inputs as entered.
std::optional<std::string> CheckHullInputs(HullType type, const HullInputs& inputs);

// Each replaces the whole design: the net reset, every vertex written, the
// net size, both tensions, the chine lists and weights set, the principal
// dimensions stored (normalised), Units 1 or 2, DesignOpen set. The caller
// rebuilds the surface (GenerateHull does).
void GenerateSailboat(HullDesign& design, const HullInputs& inputs);
void GenerateNoChinePower(HullDesign& design, const HullInputs& inputs);
void GenerateOneChinePower(HullDesign& design, const HullInputs& inputs);
void GenerateTwoChinePower(HullDesign& design, const HullInputs& inputs);
void GenerateCargoShip(HullDesign& design, const HullInputs& inputs);

void GenerateHullType(HullDesign& design, HullType type, const HullInputs& inputs);

// The checked generator on a session: refused inputs leave the session as
// it was and return the message; otherwise the hull is generated and the
// knots, grid and extents rebuilt.
std::optional<std::string> GenerateHull(DesignSession& session, HullType type,
                                        const HullInputs& inputs);

}  // namespace skelmora
