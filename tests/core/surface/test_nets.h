// Small vertex nets built in code for the surface and section tests.
#pragma once

#include <cmath>
#include <functional>
#include <memory>

#include "model/design_session.h"

namespace skelmora::nets {

constexpr double kPi = 3.14159265358979323846;

// A design session on the heap, so a test can move it around cheaply.
struct Hull {
  std::unique_ptr<DesignSession> session = std::make_unique<DesignSession>();

  HullDesign& d() { return session->design; }
  Surface& s() { return *session->surface; }
  const HullDesign& d() const { return session->design; }
  const Surface& s() const { return *session->surface; }

  void Rebuild() { session->Regenerate(Change::kTopology); }
};

using VertexAt = std::function<Vertex(double s, double t)>;

// Columns 0..lastColumn by rows 0..lastRow; vertex(s, t) gets s = column /
// lastColumn and t = row / lastRow. Degrees p (along the columns) and q.
inline Hull MakeHull(int lastColumn, int lastRow, int p, int q, const VertexAt& vertex,
                     int columnDivisions = 50, int rowDivisions = 50) {
  Hull hull;
  HullDesign& d = hull.d();
  d.DesignOpen = true;
  d.Units = kInches;
  d.LastColumn = lastColumn;
  d.LastRow = lastRow;
  d.WaterlineTension = p;
  d.StationTension = q;
  d.ColumnDivisions = columnDivisions;
  d.RowDivisions = rowDivisions;
  for (int a = 0; a <= lastColumn; ++a) {
    for (int b = 0; b <= lastRow; ++b) {
      d.Net[a][b] = vertex(static_cast<double>(a) / lastColumn, static_cast<double>(b) / lastRow);
    }
  }
  hull.Rebuild();
  return hull;
}

// Degree 1 with one grid interval per net interval, so that the grid points
// are the vertices; vertex(a, b) by column and row index. Exactly so only
// when the interval counts are powers of two: the knots are single precision,
// so elsewhere a grid point can be off its vertex by about 1e-7.
inline Hull MakeGridHull(int lastColumn, int lastRow,
                         const std::function<Vertex(int a, int b)>& vertex) {
  return MakeHull(
      lastColumn, lastRow, 1, 1,
      [&](double s, double t) {
        return vertex(static_cast<int>(std::lround(s * lastColumn)),
                      static_cast<int>(std::lround(t * lastRow)));
      },
      lastColumn, lastRow);
}

inline Vertex V(double x, double y, double z, double w = 1.0) {
  return Vertex{static_cast<float>(x), static_cast<float>(y), static_cast<float>(z),
                static_cast<float>(w)};
}

// A boat-like net: 100 long, beam 0 at both ends and 10 amidships, keel at
// z = -5 rising to the sheer at z = +5.
inline Vertex BoatVertex(double s, double t) {
  const double beam = 10.0 * std::sin(kPi * s);
  return V(beam * std::sqrt(t), 100.0 * s, -5.0 + 10.0 * t);
}

// 1 at the centre of the unit square, 0 on its border.
inline double Bump(double s, double t) {
  const double a = std::sin(kPi * s);
  const double b = std::sin(kPi * t);
  return a * a * b * b;
}

}  // namespace skelmora::nets
