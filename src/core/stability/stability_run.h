// Large-angle stability: the hull heeled to starboard in steps from upright
// to a maximum angle, each heel's vertical position searched so that the
// upright displacement is restored, 21 heeled stations integrated, and the
// centres, coefficients, metacentric heights and righting arm GZ derived.
// The trim is never changed; the hull is closed by a flat deck at the sheer.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "hydro/hydrostatics.h"
#include "model/design_session.h"
#include "model/prompter.h"
#include "stability/ballast.h"
#include "stability/heeled_section.h"

namespace skelmora {

inline constexpr const char* kStabilityErrorMessage =
    "Stability Calculation Error. Check Hull Design for Errors";
inline constexpr const char* kHeelNegativeMessage = "The Max heel angle is negative!";
inline constexpr const char* kStepTooSmallMessage =
    "Angle step size is either to small or negative!";
inline constexpr const char* kHeelBelowStepMessage =
    "The Max heel angle is either smaller than the step size or negative!";

inline constexpr int kMaxStabilitySteps = 180;
inline constexpr int kMaxSearchPasses = 40;

// What a run works on. The net is turned and put back through the one
// rebuild of the records (see NetChanged in the source).
struct StabilityRecords {
  HullDesign& design;
  Surface& surface;
  CutBuffers& cuts;
  HydrostaticResults& results;
};

// The records a run works on, from the session that owns them.
inline StabilityRecords StabilityRecordsOf(DesignSession& session) {
  return {session.design, *session.surface, *session.cuts, session.hydro->results};
}

// The heel inputs: a maximum above 180 becomes 180; then a negative maximum,
// a step below 1 or a maximum not above the step is refused with its
// message. steps = the maximum over the step, rounded half to even.
struct HeelSteps {
  double maxHeel = 45.0;
  double step = 5.0;
  int steps = 9;
};
std::optional<HeelSteps> CheckHeelInputs(double maxHeel, double step, std::string& message);

struct StabilityInputs {
  HeelSteps heel;
  // "Set VCG LCG Manually": these are the overall centre of gravity and
  // the ballast is not combined.
  bool manualCentre = false;
  double manualVcg = 0.0;  // model units
  double manualLcg = 0.0;
  std::vector<BallastItem> ballast;  // weights in lb / kg
};

// The hull weight and surface centroid of the weights dialog: the patch
// walk's volume sum (both sides) as seawater weight, stored in patchVolume,
// and the centroid in vcgHull / lcgHull in model units.
struct HullWeight {
  double weight = 0.0;  // lb / kg
  double vcg = 0.0;     // model units
  double lcg = 0.0;
};
HullWeight ComputeHullWeight(StabilityRecords& records);

// A centre of gravity given by hand (model units) must be a number within
// 100 hull lengths of the hull's box; false with the message otherwise.
inline constexpr double kCentreReachLengths = 100.0;
bool CheckCentreOfGravity(double vcg, double lcg, const HullExtents& extents,
                          std::string& message);

// (VCG, LCG) for a run: the manual values, or the hull surface centroid
// (model units, hullSurfaceArea left unscaled).
struct CentreOfGravity {
  double vcg = 0.0;
  double lcg = 0.0;
};
CentreOfGravity HullWeightCentroid(StabilityRecords& records, const StabilityInputs& inputs);

// The waterline of the hull turned by heel and lifted by sinkage: its
// station spacing (a twentieth of its length) and its forward end. The net
// is turned through design.ScratchNet and put back; the mirrored half is
// used when the turned half lies wholly under water.
struct WaterlineStations {
  double spacing = 0.0;
  double firstY = 0.0;
};
// The upright net's working net and grid, kept so that putting the net back
// after a turn copies them rather than evaluating the grid again.
struct UprightSurface {
  WorkingNet working;
  std::vector<SurfacePoint> grid;  // (columns + 1) x (rows + 1), column by column
  int columns = 0, rows = 0;
  // Takes the surface as it is; it must be the grid of the design's net.
  void Keep(const Surface& surface);
  void PutBack(Surface& surface) const;
};
WaterlineStations HeeledWaterlineSpan(StabilityRecords& records, double heel, double sinkage,
                                      const UprightSurface* upright = nullptr);

// Ballast weights to displaced-volume units in place (27 in^3 per lb,
// 975426.85 mm^3 per kg), and the overall VCG / LCG / TCG with the hull
// taken to weigh the displacement less the ballast: the hull's own TCG is 0,
// so the transverse centre is the ballast's moment over the displacement.
struct CombinedCentre {
  double vcg = 0.0;
  double lcg = 0.0;
  double tcg = 0.0;
  double ballastVolume = 0.0;  // W, the converted sum
};
CombinedCentre CombineBallast(std::vector<BallastItem>& ballast, int32_t units, double volume,
                              double vcg, double lcg);

// Everything a step found, model units (coefficients plain).
struct StabilityRow {
  double heel = 0.0;          // the angle the hull was turned to
  double volume = 0.0;        // V, both sides
  double trim = 0.0;          // always 0
  double lwl = 0.0;
  double draft = 0.0;
  double bmwl = 0.0;          // largest waterline breadth
  double waterplane = 0.0;
  double wettedSurface = 0.0;
  double cp = 0.0, cb = 0.0, cw = 0.0;
  double lcb = 0.0, vcb = 0.0, tcb = 0.0, lcf = 0.0;
  double vcgx = 0.0, vcgz = 0.0, lcg = 0.0;
  double bmt = 0.0, gmt = 0.0, bml = 0.0, gml = 0.0, gz = 0.0;
  int passes = 0;             // displacement search passes
  // The search reached the target volume within kFoundTolerance. A row not
  // found keeps the closest pass's values for the record, but no table,
  // chart, criterion or crossing takes them.
  bool found = true;
  double missedBy = 0.0;      // |V - target| / target of the pass kept
};

// The sums of one pass over the 21 stations that the metacentric heights
// need: Simpson-weighted breadth sums.
struct WaterplaneSums {
  double sb = 0.0, sib = 0.0, si2b = 0.0, sb3 = 0.0;
};
// BMt, BML, GMt, GML into row from the sums, the target volume and the
// row's VCGz and VCB.
void MetacentricHeights(const WaterplaneSums& sums, double spacing, double targetVolume,
                        StabilityRow& row);

// The heel of the last GZ crossing from positive to not positive, linear
// between two steps' heels; steps not found are passed over. Nothing when
// GZ never crosses.
std::optional<double> MaxPositiveStability(const std::vector<StabilityRow>& rows);

// The displacement search's step from one pass to the next. Newton on the
// waterplane area while it stays inside what the passes have bracketed;
// once a volume above and one below the target are known, a step that
// would leave them, or that gains too little, is regula falsi between them
// (Illinois), so the search closes in on the displacement even where the
// waterplane says little (deck edge under, bilge out, a hull on its side).
// The sinkage never goes past `reach`, where the hull is wholly under water
// (-reach) or wholly out of it (+reach).
struct SinkageSearch {
  double reach = 0.0;
  bool hasLow = false, hasHigh = false;
  double low = 0.0, lowExcess = 0.0;    // a sinkage whose volume came out low, V - target
  double high = 0.0, highExcess = 0.0;  // one whose volume came out high
  double lastExcess = 0.0;
  int side = 0;                         // which bracket the last pass replaced
  // The sinkage for the pass after one run at `used`.
  double Next(double used, double volume, double target, double waterplane);
  // True when the brackets have closed to nothing.
  bool Closed() const;
};

// A step whose volume misses the target by more than this fraction is not
// a result: it is marked as not found.
inline constexpr double kFoundTolerance = 0.005;

// What a run reports as it goes; the weights dialog shows it.
class StabilityProgress {
 public:
  virtual ~StabilityProgress() = default;
  virtual void HeelStarted(double /*heel*/, const std::string& /*text*/) {}
  // Upright: the target displacement, lb / kg with its unit word.
  virtual void ReferenceDisplacement(double /*weight*/, const std::string& /*text*/) {}
  virtual void SectionBuilt(const HeeledSection& /*section*/) {}
  virtual void PassFinished(int /*pass*/, double /*weight*/, const std::string& /*text*/) {}
};

struct StabilityRun {
  bool ok = false;
  HeelSteps heel;
  std::vector<StabilityRow> rows;  // rows[p] for p = 0..steps (fewer after an error)
  double lcgHullAlone = 0.0;       // model units
  double lcgOverall = 0.0;
  double vcg = 0.0;
  double tcg = 0.0;
  double targetVolume = 0.0;
  bool ballastCombined = false;     // false with the centre set by hand
  std::vector<BallastItem> ballast;  // converted to volume units at the upright step
  double ballastVolume = 0.0;
  std::optional<double> maxPositiveStability;  // degrees
  int totalPasses = 0;

  // The heels whose displacement was not found.
  std::vector<double> NotFound() const;
};

// "The displacement was not found at heel 50, 60 and 70 deg ..." for a run
// with steps not found; empty when every step was found.
std::string NotFoundMessage(const StabilityRun& run);

// The run. On a failure (no centre of gravity, or no immersed area upright)
// shows kStabilityErrorMessage and returns with ok false and the rows found
// so far. A heel whose displacement is not found is kept as a row marked
// not found and the run goes on. The design and its surface are left as
// they were found.
StabilityRun RunStability(StabilityRecords& records, const StabilityInputs& inputs,
                          Prompter& prompter, StabilityProgress* progress = nullptr);

// Displacement of a volume: 0.03704 lb per in^3, 1.0251922e-6 kg per mm^3.
double StabilityDisplacement(double volume, int32_t units);

}  // namespace skelmora
