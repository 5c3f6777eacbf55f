#include "shapes/hull_generator.h"

#include <cmath>

#include "shapes/hull_templates.h"

namespace skelmora {

namespace {

// Degrees to radians as the generators have always converted them.
constexpr double kRadiansPerDegree = 0.0174535299764377;
// The largest length accepted, in inches or millimetres (a kilometre).
constexpr double kLargestLength = 1e6;

// The part of every generator's reset that the hull types share: a clean
// net without chines, the dimensions stored as normalised.
HullInputs BeginHull(HullDesign& design, const HullInputs& inputs) {
  const HullInputs n = NormaliseUnits(inputs);
  ResetNet(design);
  design.Units = n.units;
  design.ColumnChineCount = 0;
  design.RowChineCount = 0;
  design.ColumnChines.fill(0);
  design.RowChines.fill(0);
  design.DesignDimensions = {n.length, n.halfBeam, n.freeboard, n.draft, n.bowAngle, n.sternAngle};
  return n;
}

void EndHull(HullDesign& design, int lastColumn, int lastRow, int waterlineTension,
             int stationTension) {
  design.LastColumn = lastColumn;
  design.LastRow = lastRow;
  design.WaterlineTension = waterlineTension;
  design.StationTension = stationTension;
  design.PickedColumn = -1;
  design.PickedRow = -1;
  design.DesignOpen = true;
}

void ChineColumn(HullDesign& design, int column) {
  design.ColumnChines[design.ColumnChineCount++] = column;
}

Vertex At(double x, double y, double z) {
  return Vertex{static_cast<float>(x), static_cast<float>(y), static_cast<float>(z), 1.0f};
}

bool IsSternType(char type) { return type == 'F' || type == 'R' || type == 'O' || type == 'C'; }

std::string Quoted(const char* caption) { return std::string("\"") + caption + "\""; }

// Fills the net from a template scaled by the four factors; returns the
// last column used. The stern columns follow the body for "F" and "R".
int FillFromTemplate(HullDesign& design, const HullTemplate& t, const HullInputs& n) {
  const TemplateScale s{n.length / t.L0, n.halfBeam / t.B0, n.freeboard / t.F0,
                        n.draft / t.D0};
  const int rows = t.lastRow + 1;
  for (int c = 0; c <= t.lastColumn; ++c) {
    for (int r = 0; r < rows; ++r) {
      design.Net[c][r] = ScaleTemplatePoint(t.points[c * rows + r], s, c);
    }
  }
  std::span<const TemplatePoint> stern;
  if (n.sternType == 'F') stern = t.flatStern;
  if (n.sternType == 'R') stern = t.roundStern;
  const int added = static_cast<int>(stern.size()) / rows;
  for (int k = 0; k < added; ++k) {
    const int c = t.lastColumn + 1 + k;
    for (int r = 0; r < rows; ++r) {
      design.Net[c][r] = ScaleTemplatePoint(stern[k * rows + r], s, c);
    }
  }
  return t.lastColumn + added;
}

void GeneratePower(HullDesign& design, const HullInputs& inputs, bool chined) {
  const HullInputs n = BeginHull(design, inputs);
  const HullTemplate& t = PowerTemplate();
  const int last = FillFromTemplate(design, t, n);
  if (!chined && last > t.lastColumn) {
    // The round bilge's transom is upright: its centreline column lies at
    // the full length on every row.
    const double y = 6700.0 * n.length / t.L0;
    for (int r = 0; r <= t.lastRow; ++r) design.Net[last][r].y = static_cast<float>(y);
  }
  if (last > t.lastColumn) ChineColumn(design, t.lastColumn);
  if (chined) design.RowChines[design.RowChineCount++] = 2;
  EndHull(design, last, t.lastRow, 3, 2);
}

}  // namespace

HullInputs NormaliseUnits(const HullInputs& inputs) {
  HullInputs n = inputs;
  double k = 1.0;
  if (inputs.units == kInputFeet) {
    k = 12.0;
    n.units = kInches;
  } else if (inputs.units == kInputMetres) {
    k = 1000.0;
    n.units = kMillimetres;
  } else if (inputs.units != kInputMillimetres) {
    n.units = kInches;
  }
  n.length *= k;
  n.halfBeam *= k;
  n.freeboard *= k;
  n.draft = std::fabs(inputs.draft) * k;
  return n;
}

std::optional<std::string> CheckHullInputs(HullType type, const HullInputs& inputs) {
  const struct {
    const char* caption;
    double value;
  } lengths[] = {{"Length Over All", inputs.length},
                 {"1/2 Beam @ Deck", inputs.halfBeam},
                 {"Min. Freeboard", inputs.freeboard}};
  // Beyond this a coordinate in millimetres would lose the net's precision.
  const double largest = inputs.units == kInputMetres || inputs.units == kInputFeet
                             ? kLargestLength / (inputs.units == kInputMetres ? 1000.0 : 12.0)
                             : kLargestLength;
  for (const auto& field : lengths) {
    if (!(field.value > 0.0)) return Quoted(field.caption) + " must be greater than zero.";
    if (field.value > largest) return Quoted(field.caption) + " is too large.";
  }
  if (!(std::fabs(inputs.draft) > 0.0)) return Quoted("Maximum Draft") + " must not be zero.";
  if (std::fabs(inputs.draft) > largest) return Quoted("Maximum Draft") + " is too large.";
  if (!IsSternType(inputs.sternType)) return std::string("The stern type must be F, R, O or C.");
  if (type != HullType::kSailboat && inputs.sternType == 'C') {
    return std::string("The Canoe stern is for the sailboat only.");
  }
  if (type == HullType::kCargoShip && inputs.sternType == 'R') {
    return std::string("The cargo ship has no Round stern: choose Flat or Open.");
  }
  if (type == HullType::kSailboat) {
    const struct {
      const char* caption;
      double degrees;
    } angles[] = {{"Bow Angle", inputs.bowAngle}, {"Stern Angle", inputs.sternAngle}};
    for (const auto& angle : angles) {
      if (!(std::fabs(angle.degrees) < 90.0)) {
        return Quoted(angle.caption) + " must lie between -90 and 90 degrees.";
      }
    }
    // The stem's forefoot and the transom's rake must stay clear of the
    // nearest station column, or the rows double back.
    const double tb = std::tan(inputs.bowAngle * kRadiansPerDegree);
    const double ts = std::tan(inputs.sternAngle * kRadiansPerDegree);
    if (1.65 * inputs.freeboard * std::fabs(tb) >= 0.19 * inputs.length) {
      return Quoted("Bow Angle") +
             " is too large for this length and freeboard: the stem would reach past the first "
             "station.";
    }
    const double rake = ts >= 0.0 ? 0.901 : 0.75;
    if (inputs.sternType != 'C' && inputs.freeboard * std::fabs(ts) * rake >= 0.25 * inputs.length) {
      return Quoted("Stern Angle") +
             " is too large for this length and freeboard: the transom would reach past the last "
             "station.";
    }
  }
  return std::nullopt;
}

void GenerateSailboat(HullDesign& design, const HullInputs& inputs) {
  const HullInputs n = BeginHull(design, inputs);
  const double L = n.length, B = n.halfBeam, F = n.freeboard, D = n.draft;
  const double tb = std::tan(n.bowAngle * kRadiansPerDegree);
  const double ts = std::tan(n.sternAngle * kRadiansPerDegree);
  VertexNet& net = design.Net;

  net[0][0] = At(0, 1.65 * F * tb, -0.1587 * D);
  net[0][1] = At(0, 1.1 * F * tb, 0);
  net[0][2] = At(0, 0.704 * F * tb, 0.396 * F);
  net[0][3] = At(0, 0.429 * F * tb, 0.671 * F);
  net[0][4] = At(0, 0, 1.1 * F);

  const double y1 = 0.19 * L;
  net[1][0] = At(0, y1, -0.4 * D);
  net[1][1] = At(0.253 * B, y1, -0.2 * D);
  net[1][2] = At(0.3927 * B, y1, 0.21 * F);
  net[1][3] = At(0.4851 * B, y1, 0.6 * F);
  net[1][4] = At(0.554 * B, y1, 1.05 * F);

  const double y2 = 0.48 * L;
  net[2][0] = At(0, y2, -D);
  net[2][1] = At(0.3887 * B, y2, -0.83292 * D);
  net[2][2] = At(0.754 * B, y2, -0.2455 * D);
  net[2][3] = At(0.9527 * B, y2, 0.47345 * F);
  net[2][4] = At(B, y2, F);

  const double y3 = 0.75 * L;
  net[3][0] = At(0, y3, -0.625 * D);
  net[3][1] = At(0.4092 * B, y3, -0.5699 * D);
  net[3][2] = At(0.8066 * B, y3, -0.05263 * D);
  net[3][3] = At(0.98 * B, y3, 0.56 * F);
  net[3][4] = At(1.02 * B, y3, 1.025 * F);

  int last = 4;
  if (n.sternType == 'C') {
    const double y[] = {0.893, 0.99, 1.0, 0.98, 0.949};
    const double z[] = {-0.22, 0.057, 0.538, 0.85, 1.03};
    for (int r = 0; r <= 4; ++r) net[4][r] = At(0, y[r] * L, z[r] * F);
  } else {
    const double z[] = {0.124, 0.204, 0.343, 0.653, 1.025};
    if (ts >= 0.0) {
      const double k[] = {0.0, 0.08, 0.219, 0.529, 0.901};
      const double x[] = {0.0, 0.35, 0.6, 0.72, 0.75};
      for (int r = 0; r <= 4; ++r) net[4][r] = At(x[r] * B, L - ts * F * k[r], z[r] * F);
    } else {
      // A reversed transom: the rake runs the other way, the top aftmost.
      const double k[] = {0.75, 0.68, 0.56, 0.32, 0.0};
      const double x[] = {0.0, 0.31, 0.6596, 0.8476, 0.901};
      for (int r = 0; r <= 4; ++r) net[4][r] = At(x[r] * B, L + ts * F * k[r], z[r] * F);
    }
    if (n.sternType == 'F') {
      for (int r = 0; r <= 4; ++r) net[5][r] = At(0, net[4][r].y, net[4][r].z);
      last = 5;
    } else if (n.sternType == 'R') {
      const double r0 = 0.04 * F;
      const double h[] = {0.124, 0.204, 0.343, 0.653, 1.025};
      const double k[] = {0.0, 0.072, 0.1971, 0.4761, 0.8109};
      for (int r = 0; r <= 4; ++r) {
        const double y = ts >= 0.0 ? 1.015 * L - ts * F * k[r] : 1.015 * L + ts * F * k[4 - r];
        net[5][r] = At(0.5 * net[4][r].x, y, r0 + h[r] * F);
        net[6][r] = At(0, y, r0 + h[r] * F);
      }
      last = 6;
    }
    if (n.sternType != 'O') ChineColumn(design, 4);
  }
  EndHull(design, last, 4, 2, 2);
}

void GenerateNoChinePower(HullDesign& design, const HullInputs& inputs) {
  GeneratePower(design, inputs, false);
}

void GenerateOneChinePower(HullDesign& design, const HullInputs& inputs) {
  GeneratePower(design, inputs, true);
}

void GenerateTwoChinePower(HullDesign& design, const HullInputs& inputs) {
  const HullInputs n = BeginHull(design, inputs);
  const HullTemplate& t = TwoChineTemplate();
  const int last = FillFromTemplate(design, t, n);
  if (last > t.lastColumn) ChineColumn(design, t.lastColumn);
  // Station tension 1: every row is a crease, no row chine list needed.
  EndHull(design, last, t.lastRow, 2, 1);
}

void GenerateCargoShip(HullDesign& design, const HullInputs& inputs) {
  HullInputs ship = inputs;
  if (ship.sternType != 'F') ship.sternType = 'O';
  const HullInputs n = BeginHull(design, ship);
  const HullTemplate& t = CargoTemplate();
  const int last = FillFromTemplate(design, t, n);
  if (last > t.lastColumn) ChineColumn(design, t.lastColumn);
  EndHull(design, last, t.lastRow, 2, 2);
}

void GenerateHullType(HullDesign& design, HullType type, const HullInputs& inputs) {
  switch (type) {
    case HullType::kSailboat:
      return GenerateSailboat(design, inputs);
    case HullType::kNoChinePower:
      return GenerateNoChinePower(design, inputs);
    case HullType::kOneChinePower:
      return GenerateOneChinePower(design, inputs);
    case HullType::kTwoChinePower:
      return GenerateTwoChinePower(design, inputs);
    case HullType::kCargoShip:
      return GenerateCargoShip(design, inputs);
  }
}

std::optional<std::string> GenerateHull(DesignSession& session, HullType type,
                                        const HullInputs& inputs) {
  if (auto refusal = CheckHullInputs(type, inputs)) return refusal;
  GenerateHullType(session.design, type, inputs);
  session.Regenerate(Change::kTopology);
  return std::nullopt;
}

}  // namespace skelmora
