// File › New › "Parametric Shape Design": simple solids as vertex nets,
// lying along y with the waterline through their middle.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/design_session.h"
#include "model/hull_design.h"

namespace skelmora {

enum class SolidType { kBox, kCone, kCylinder, kPlate, kSphere };

// The shape dialog's measures, in the chosen unit (1 inches, 2 millimetres).
struct SolidInputs {
  int32_t units = kInches;
  double height = 10.0;        // box "Height", cone "Height"
  double width = 10.0;         // box "Width", plate "Width"
  double depth = 10.0;         // box "Depth"
  double baseDiameter = 10.0;  // cone "Base Diameter"
  double length = 40.0;        // cylinder "Length", plate "Length"
  double diameter = 10.0;      // cylinder "Diameter", sphere "Diameter"
  int vertices = 3;            // plate "Vertices Per Edge"
};

// The dialog's defaults for each page.
SolidInputs DefaultSolidInputs(SolidType type);

// Why the measures of this solid would give a degenerate net (a measure not
// above zero or too large, a plate edge of fewer than 2 or more than 51
// vertices), or nothing.
std::optional<std::string> CheckSolidInputs(SolidType type, const SolidInputs& inputs);

// Each resets the design, writes the net, its size, both degrees and the
// weights, and sets DesignOpen; the caller rebuilds the surface.
void GenerateBox(HullDesign& design, double height, double width, double depth);
void GenerateCone(HullDesign& design, double height, double radius);
void GenerateCylinder(HullDesign& design, double length, double radius);
void GeneratePlate(HullDesign& design, int n, double width, double length);
void GenerateSphere(HullDesign& design, double radius);

// The dialog's OK: the units, the solid from its page's measures.
void GenerateSolidType(HullDesign& design, SolidType type, const SolidInputs& inputs);

// Checked, on a session: the solid generated and knots, grid and extents
// rebuilt, or the refusal with the session as it was.
std::optional<std::string> GenerateSolid(DesignSession& session, SolidType type,
                                         const SolidInputs& inputs);

}  // namespace skelmora
