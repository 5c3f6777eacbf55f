#include "shapes/solids.h"

#include <cmath>
#include <algorithm>
#include <numbers>
#include <vector>

namespace skelmora {

namespace {

constexpr double kLargestMeasure = 1e6;
// The circumscribing factor of the solids of revolution, 1 / cos(pi / 8).
constexpr double kRoundFactor = 1.082356;
constexpr float kRoundWeight = 0.707f;

void BeginSolid(HullDesign& design) {
  ResetNet(design);
  design.ColumnChineCount = 0;
  design.RowChineCount = 0;
  design.ColumnChines.fill(0);
  design.RowChines.fill(0);
}

void EndSolid(HullDesign& design, int lastColumn, int lastRow, int degree) {
  design.LastColumn = lastColumn;
  design.LastRow = lastRow;
  design.WaterlineTension = degree;
  design.StationTension = degree;
  design.PickedColumn = -1;
  design.PickedRow = -1;
  design.DesignOpen = true;
}

Vertex At(double x, double y, double z, float w = 1.0f) {
  return Vertex{static_cast<float>(x), static_cast<float>(y), static_cast<float>(z), w};
}

// The row angles of the round solids, bottom to top.
constexpr double kRowAngles[] = {std::numbers::pi,         7 * std::numbers::pi / 8,
                                 5 * std::numbers::pi / 8, 3 * std::numbers::pi / 8,
                                 std::numbers::pi / 8,     0.0};

// The cylinder's half section of radius r, rows 0..5 as (x, z).
void RoundSection(double r, double (&x)[6], double (&z)[6]) {
  const double c = kRoundFactor * r;
  for (int row = 0; row <= 5; ++row) {
    x[row] = c * std::sin(kRowAngles[row]);
    z[row] = c * std::cos(kRowAngles[row]);
  }
  z[0] = -r;
  z[5] = r;
}

}  // namespace

SolidInputs DefaultSolidInputs(SolidType type) {
  SolidInputs inputs;
  if (type == SolidType::kCone) inputs.height = 20.0;
  if (type == SolidType::kPlate) inputs.length = 10.0, inputs.width = 20.0;
  return inputs;
}

std::optional<std::string> CheckSolidInputs(SolidType type, const SolidInputs& inputs) {
  struct Field {
    const char* caption;
    double value;
  };
  std::vector<Field> fields;
  switch (type) {
    case SolidType::kBox:
      fields = {{"Height", inputs.height}, {"Width", inputs.width}, {"Depth", inputs.depth}};
      break;
    case SolidType::kCone:
      fields = {{"Height", inputs.height}, {"Base Diameter", inputs.baseDiameter}};
      break;
    case SolidType::kCylinder:
      fields = {{"Length", inputs.length}, {"Diameter", inputs.diameter}};
      break;
    case SolidType::kPlate:
      fields = {{"Length", inputs.length}, {"Width", inputs.width}};
      if (inputs.vertices < 2 || inputs.vertices > kNetSize) {
        return std::string("\"Vertices Per Edge\" must be a whole number from 2 to 51.");
      }
      break;
    case SolidType::kSphere:
      fields = {{"Diameter", inputs.diameter}};
      break;
  }
  for (const Field& field : fields) {
    const std::string quoted = std::string("\"") + field.caption + "\"";
    if (!(field.value > 0.0)) return quoted + " must be greater than zero.";
    if (field.value > kLargestMeasure) return quoted + " is too large.";
  }
  return std::nullopt;
}

void GenerateBox(HullDesign& design, double h, double w, double d) {
  BeginSolid(design);
  const double x[] = {0.0, w / 2, w / 2, 0.0};
  const double z[] = {-h / 2, -h / 2, h / 2, h / 2};
  for (int r = 0; r <= 3; ++r) {
    design.Net[0][r] = At(0.0, 0.0, z[r]);
    design.Net[1][r] = At(x[r], 0.0, z[r]);
    design.Net[2][r] = At(x[r], d, z[r]);
    design.Net[3][r] = At(0.0, d, z[r]);
  }
  EndSolid(design, 3, 3, 1);
}

void GenerateCylinder(HullDesign& design, double length, double r) {
  BeginSolid(design);
  double x[6], z[6];
  RoundSection(r, x, z);
  for (int c = 0; c <= 2; ++c) {
    for (int row = 0; row <= 5; ++row) {
      design.Net[c][row] = At(x[row], c * length / 2, z[row], kRoundWeight);
    }
  }
  EndSolid(design, 2, 5, 2);
}

void GenerateCone(HullDesign& design, double h, double r) {
  BeginSolid(design);
  double x[6], z[6];
  RoundSection(r, x, z);
  for (int row = 0; row <= 5; ++row) {
    design.Net[0][row] = At(0.0, 0.0, 0.0, kRoundWeight);
    design.Net[1][row] = At(x[row] / 2, h / 2, z[row] / 2, kRoundWeight);
    design.Net[2][row] = At(x[row], h, z[row], kRoundWeight);
  }
  EndSolid(design, 2, 5, 2);
}

void GeneratePlate(HullDesign& design, int n, double w, double l) {
  BeginSolid(design);
  const int last = std::clamp(n, 2, kNetSize) - 1;
  for (int i = 0; i <= last; ++i) {
    for (int j = 0; j <= last; ++j) {
      const double along = l * i / last;
      design.Net[i][j] = At(w * j / last / 2, along, along - l / 2);
    }
  }
  EndSolid(design, last, last, 1);
}

void GenerateSphere(HullDesign& design, double r) {
  BeginSolid(design);
  constexpr double pi = std::numbers::pi;
  const double columnAngles[] = {0.0, pi / 8, 3 * pi / 8, 5 * pi / 8, 7 * pi / 8, pi};
  const double R = kRoundFactor * r;
  for (int c = 0; c <= 5; ++c) {
    for (int row = 0; row <= 5; ++row) {
      const double theta = kRowAngles[row];
      const double phi = columnAngles[c];
      double z = R * std::cos(theta);
      if (row == 1) z = -R;
      if (row == 4) z = R;
      design.Net[c][row] =
          At(R * std::sin(theta) * std::sin(phi), r - R * std::sin(theta) * std::cos(phi), z,
             kRoundWeight);
    }
  }
  EndSolid(design, 5, 5, 2);
}

void GenerateSolidType(HullDesign& design, SolidType type, const SolidInputs& inputs) {
  switch (type) {
    case SolidType::kBox:
      GenerateBox(design, inputs.height, inputs.width, inputs.depth);
      break;
    case SolidType::kCone:
      GenerateCone(design, inputs.height, inputs.baseDiameter / 2);
      break;
    case SolidType::kCylinder:
      GenerateCylinder(design, inputs.length, inputs.diameter / 2);
      break;
    case SolidType::kPlate:
      GeneratePlate(design, inputs.vertices, inputs.width, inputs.length);
      break;
    case SolidType::kSphere:
      GenerateSphere(design, inputs.diameter / 2);
      break;
  }
  design.Units = inputs.units == kMillimetres ? kMillimetres : kInches;
}

std::optional<std::string> GenerateSolid(DesignSession& session, SolidType type,
                                         const SolidInputs& inputs) {
  if (auto refusal = CheckSolidInputs(type, inputs)) return refusal;
  GenerateSolidType(session.design, type, inputs);
  session.Regenerate(Change::kTopology);
  return std::nullopt;
}

}  // namespace skelmora
