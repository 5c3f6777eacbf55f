// Cross curves of stability: KN, the righting arm measured from the keel
// (KN = GZ + KG sin phi), for a family of displacements over the heel
// angles. Each displacement is floated by moving the hull vertically, the
// stability run is made with the centre of gravity on the keel, and the hull
// is put back exactly as it was.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/prompter.h"
#include "stability/stability_run.h"

namespace skelmora {

inline constexpr int kMaxCrossDisplacements = 50;

// One point of the curves: displacement in lb / kg (seawater), the heel in
// degrees and KN in ft / m.
struct KnPoint {
  double displacement = 0.0;
  double angle = 0.0;
  double kn = 0.0;
};

// "W1,W2,...": positive numbers, at most kMaxCrossDisplacements. Refused with
// a message otherwise.
std::optional<std::vector<double>> ParseDisplacementList(const std::string& text,
                                                         std::string& message);

// The heels of the curves: 0, step, ... up to `to` as the stability run
// steps them (CheckHeelInputs), keeping those from `from` on.
struct CrossAngles {
  HeelSteps heel;
  double from = 0.0;
};
std::optional<CrossAngles> CheckCrossAngles(double from, double to, double step,
                                            std::string& message);

// The vertical shift (model units, positive deeper) that makes the hull
// displace `weight` (lb / kg) as the hydrostatics weigh it, to 1e-7 of the
// weight; nothing, with a message, when the hull cannot displace it between
// keel and deck edge. Not the Find Draft search (draft_search.h), which
// weighs the station volume, stops after 8 steps or within 1 lb and moves
// the hull step by step; here each try starts from the hull as found, which
// is back bit for bit afterwards. The caller's extents must be current.
std::optional<double> DraftChangeFor(HullDesign& design, Surface& surface, CutBuffers& cuts,
                                     double weight, Prompter& prompter, std::string& message);

// What the cross curves report as they go: after each displacement, how
// many of how many are done.
class CrossCurvesProgress {
 public:
  virtual ~CrossCurvesProgress() = default;
  virtual void DisplacementDone(std::size_t done, std::size_t count) = 0;
};

// The points, displacement by displacement in the order given, each over
// the angles. The keel reference is the hull's lowest point as found (it
// moves with the hull). A displacement that cannot be floated, or whose
// stability run fails, gives no points; a heel whose displacement the run
// did not find gives no point. Every other point is kept, and the function
// returns false with a message naming each displacement (and heel) that
// gave none; nothing is shown through the prompter. The design, its net and
// the surface are as they were afterwards, bit for bit.
bool ComputeCrossCurves(HullDesign& design, Surface& surface, CutBuffers& cuts,
                        const std::vector<double>& displacements, const CrossAngles& angles,
                        Prompter& prompter, std::vector<KnPoint>& points, std::string& message,
                        CrossCurvesProgress* progress = nullptr);

// The points as a table: the displacements and the angles in the order
// they first appear, and each cell's KN to 3 decimals ("-" where there is no
// point).
struct CrossCurveTable {
  std::vector<double> displacements;
  std::vector<double> angles;
  std::vector<std::vector<std::string>> cells;  // [angle][displacement]
};
CrossCurveTable TabulateCrossCurves(const std::vector<KnPoint>& points);

// The printed table: a title, a heading line of the displacements, one
// line per angle with KN under each; every line ends in '\n'.
std::string FormatCrossCurves(const std::vector<KnPoint>& points, int32_t units,
                              const std::string& designFileName);

}  // namespace skelmora
