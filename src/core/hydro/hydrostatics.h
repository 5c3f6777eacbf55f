// Upright hydrostatics at the design waterline (z = 0): the patch lattice
// walked on the surface, 101 Simpson stations, and the waterline polyline.
// Each quantity comes from the method that computes it; the methods are not
// reconciled with one another.
#pragma once

#include <string>

#include "model/hull_design.h"
#include "model/prompter.h"
#include "surface/sections.h"
#include "surface/surface.h"

namespace skelmora {

// The latest hydrostatic results; every run overwrites the fields it writes
// and leaves the others as they were.
struct HydrostaticResults {
  double loa = 0.0;             // model units
  double lwl = 0.0;             // model units
  double lowestZ = 0.0;         // model units, negative or 0 for a floating hull
  double halfBeamWl = 0.0;      // model units
  double halfBeamDeck = 0.0;    // model units
  double maxFreeboard = 0.0;    // model units
  double maxSectionArea = 0.0;  // model units squared, both sides
  double lateralArea = 0.0;     // ft^2 / m^2
  double clpVertical = 0.0;     // model units below the waterline
  double clpLongitudinal = 0.0; // model units
  double hullSurfaceArea = 0.0; // ft^2 / m^2, both sides
  double wettedArea = 0.0;      // ft^2 / m^2, both sides
  double vcgHull = 0.0;         // ft / m, positive above the waterline
  double lcgHull = 0.0;         // ft / m
  double patchVolume = 0.0;     // ft^3 / m^3
  double volume = 0.0;          // ft^3 / m^3; a drag run stores kilograms here
  double lcb = 0.0;             // ft / m
  double vcb = 0.0;             // ft / m below the waterline; model units after a drag run
  double waterplaneArea = 0.0;  // ft^2 / m^2, both sides
  double lcf = 0.0;             // model units
  double cp = 0.0;
  double cb = 0.0;
  double cw = 0.0;
  double dispLengthRatio = 0.0;
  double brakePower = 0.0;      // horsepower
  double immersion = 0.0;       // lb per inch / kg per cm
  double bmt = 0.0;             // ft / m
  double gmt = 0.0;
  double bml = 0.0;
  double gml = 0.0;
  double momentToTrim = 0.0;    // lb-ft per inch / kg-m per cm
};

// Conversions from model units (inches or millimetres).
struct UnitFactors {
  bool metric = false;
  double length = 1.0 / 12.0;     // to ft / m
  double area = 1.0 / 144.0;      // to ft^2 / m^2
  double volume = 1.0 / 1728.0;   // to ft^3 / m^3
  double breadth = 1.0 / 6.0;     // half-breadth to full breadth in ft / m
  double sidesArea = 1.0 / 72.0;  // one-side area to both sides in ft^2 / m^2
  double seawater = 64.0;         // lb per ft^3 / kg per m^3
  double freshwater = 62.2;
};
UnitFactors FactorsFor(int32_t units);

// The design's draft slot shares its value with lowestZ: every run that
// writes lowestZ copies it there.
void StoreDesignDraft(const HydrostaticResults& results, HullDesign& design);

// Where a long run reports its stage (the main window's status text).
class HydroStatus {
 public:
  virtual ~HydroStatus() = default;
  virtual void Show(const std::string& text) = 0;
};

inline constexpr const char* kNoDisplacementMessage =
    "This hull has no displacement. Please Shift the hull down using Tools/Shift Hull Up/Dn";
inline constexpr const char* kAboveWaterlineMessage =
    "Hull is above Waterline - Use:Tools - Shift Hull";
inline constexpr const char* kHydrostaticsCaption = "Displacement + Hydrostatics";
inline constexpr const char* kSurfaceIntegrationStatus =
    "Surface Integration for LCB, VCB, CLP, VCG, LCG";
inline constexpr const char* kFreeboardStatus = "Freeboard, Deck Beam";

// The calculation commands' guard: fresh extents, and a refusal with
// kNoDisplacementMessage when the lowest grid point is above the waterline.
bool HullGuard(HullDesign& design, Surface& surface, Prompter& prompter);

// Extents lattice, waterline length, lateral plane and the largest of 21
// sections. False (after kAboveWaterlineMessage) for a hull above the
// waterline; then only loa and lowestZ have been written.
bool ComputeHullExtents(const HullDesign& design, const Surface& surface, CutBuffers& cuts,
                        HydrostaticResults& results, Prompter& prompter);

// The sums of the patch walk, in model units. The buoyancy sums are filled
// by the drag form only.
struct PatchSums {
  double total = 0.0;
  double height = 0.0;
  double length = 0.0;
  double wetted = 0.0;
  double volume = 0.0;
  double lengthOfBuoyancy = 0.0;
  double depthOfBuoyancy = 0.0;
};
enum class PatchForm { kHydrostatics, kDrag };

// Writes vcgHull, lcgHull, hullSurfaceArea and wettedArea.
PatchSums IntegrateSurfacePatches(const HullDesign& design, const Surface& surface,
                                  HydrostaticResults& results, PatchForm form);

// maxFreeboard and halfBeamDeck from a 31 x 31 lattice.
void SampleFreeboardAndDeckBeam(const Surface& surface, HydrostaticResults& results);

struct StationProperties {
  double area = 0.0;           // both sides, ft^2 / m^2
  double girth = 0.0;          // both sides, ft / m
  double centroidDepth = 0.0;  // ft / m below the waterline
  double breadth = 0.0;        // full breadth at the waterline, ft / m
  double lowestZ = 0.0;        // model units
};
StationProperties StationSectionProperties(const HullDesign& design, const Surface& surface,
                                           CutBuffers& cuts, double y);

// 101 stations by Simpson's rule: volume, centres, waterplane, coefficients,
// metacentric estimates. Needs vcgHull from the patch walk of the same run.
void IntegrateStations(const HullDesign& design, const Surface& surface, CutBuffers& cuts,
                       HydrostaticResults& results);

// What the wave drag regression takes.
struct ResistanceParameters {
  double cp = 0.0;
  double lcbTerm = 0.0;         // 100 (loa/2 - LCB) / lwl
  double beamDraft = 0.0;       // B/T
  double slenderness = 0.0;     // L / V^(1/3)
  double displacementKg = 0.0;  // also stored in results.volume
};

// The drag run's parameters from the patch walk and the waterline polyline.
// Expects the fields of ComputeHullExtents from the same run.
ResistanceParameters ComputeResistanceParameters(const HullDesign& design,
                                                 const Surface& surface, CutBuffers& cuts,
                                                 HydrostaticResults& results);

// The hydrostatics run. False when the hull was found above the waterline.
// After a run the design's draft, beam and freeboard slots hold lowestZ,
// halfBeamDeck and maxFreeboard.
bool ComputeHydrostatics(HullDesign& design, const Surface& surface, CutBuffers& cuts,
                         HydrostaticResults& results, Prompter& prompter,
                         HydroStatus* status = nullptr);

// True when a hydrostatics run's report is to be shown.
inline bool ReportReady(bool ran, const HydrostaticResults& results) {
  return ran && results.lowestZ <= 0.0;
}

}  // namespace skelmora
