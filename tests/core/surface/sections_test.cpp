#include "surface/sections.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/surface/test_nets.h"

namespace skelmora {
namespace {

using nets::Bump;
using nets::Hull;
using nets::kPi;
using nets::MakeHull;
using nets::V;

using Coord = double SurfacePoint::*;

// Every point lies on the plane as stored, and re-evaluating the surface at
// its (u, v) gives the same point to within the refinement accuracy.
void ExpectOnCut(const Hull& hull, const std::array<SurfacePoint, kSectionCapacity>& points,
                 int first, int last, Coord coord, double plane) {
  const double accuracy = hull.d().SurfaceAccuracy;
  for (int k = first; k <= last; ++k) {
    const SurfacePoint& p = points[k];
    ASSERT_EQ(p.*coord, plane) << "point " << k;
    const SurfacePoint e = EvaluateSurfacePoint(hull.s(), p.u, p.v);
    ASSERT_LT(std::fabs(e.*coord - plane), accuracy) << "point " << k;
    for (Coord other : {&SurfacePoint::x, &SurfacePoint::y, &SurfacePoint::z}) {
      if (other != coord) {
        ASSERT_EQ(e.*other, p.*other) << "point " << k;
      }
    }
  }
}

bool OnBorder(const SurfacePoint& p) { return p.u == 0 || p.u == 1 || p.v == 0 || p.v == 1; }

bool Same(const SurfacePoint& a, const SurfacePoint& b) {
  return a.u == b.u && a.v == b.v && a.x == b.x && a.y == b.y && a.z == b.z;
}

// Checks a closed polyline: it ends on its first point, touches no border and
// does not pass its start on the way.
void ExpectClosed(const std::array<SurfacePoint, kSectionCapacity>& points, int last) {
  ASSERT_GE(last, 4);
  EXPECT_TRUE(Same(points[last], points[0]));
  for (int k = 0; k <= last; ++k) {
    ASSERT_FALSE(OnBorder(points[k])) << k;
    if (k > 0 && k < last) {
      ASSERT_FALSE(Same(points[k], points[0])) << k;
    }
  }
}

TEST(CutStation, CrossesTheHullFromKeelToSheer) {
  Hull hull = MakeHull(10, 6, 3, 3, nets::BoatVertex, 40, 30);
  CutBuffers buffers;
  const CutResult r = CutStation(hull.d(), hull.s(), buffers, 37.0);
  // The hull's y depends on u alone, so the station climbs one quad column.
  ASSERT_EQ(r.last, 30);
  EXPECT_EQ(r.loopLast, 0);
  for (int k = 0; k <= r.last; ++k) EXPECT_EQ(buffers.section[k].v, k / 30.0) << k;
  ExpectOnCut(hull, buffers.section, 0, r.last, &SurfacePoint::y, 37.0 - 1e-6);
}

TEST(CutStation, UsesTheDivisionsTheGridWasEvaluatedWith) {
  Hull hull = MakeHull(10, 6, 3, 3, nets::BoatVertex, 40, 30);
  hull.d().ColumnDivisions = 200;
  hull.d().RowDivisions = 200;  // not evaluated yet
  CutBuffers buffers;
  EXPECT_EQ(CutStation(hull.d(), hull.s(), buffers, 37.0).last, 30);
}

TEST(CutStation, ClosedCurveRunsToTheBufferLimit) {
  // A station plane through a closed curve keeps going round: only the
  // point limit ends it.
  Hull hull = MakeHull(12, 12, 3, 3,
                       [](double s, double t) { return V(10 * s, 100 * Bump(s, t), 10 * t); });
  CutBuffers buffers;
  const CutResult r = CutStation(hull.d(), hull.s(), buffers, 50.0);
  EXPECT_EQ(r.last, kSectionCapacity - 1);
  ExpectOnCut(hull, buffers.section, 0, r.last, &SurfacePoint::y, 50.0 - 1e-6);
}

TEST(Cuts, PlanesMissingTheHullReturnTheirEmptyIndex) {
  Hull hull = MakeHull(10, 6, 3, 3, nets::BoatVertex);
  CutBuffers buffers;
  for (double c : {150.0, -3.0}) {
    const CutResult r = CutStation(hull.d(), hull.s(), buffers, c);
    EXPECT_EQ(r.last, -1) << c;
    EXPECT_EQ(r.loopLast, 0) << c;
  }
  for (double c : {20.0, -1.0}) {
    const CutResult r = CutButtock(hull.d(), hull.s(), buffers, c);
    EXPECT_EQ(r.last, 0) << c;
    EXPECT_EQ(r.loopLast, 0) << c;
  }
  for (double c : {6.0, -6.0}) {
    buffers.pieceCount = 5;
    const CutResult r = CutWaterline(hull.d(), hull.s(), buffers, c);
    EXPECT_EQ(r.last, 0) << c;
    EXPECT_EQ(r.loopLast, 0) << c;
    EXPECT_EQ(buffers.pieceCount, 0) << c;
  }
}

TEST(CutButtock, OpenButtockRunsFromSheerToSheer) {
  Hull hull = MakeHull(10, 6, 3, 3, nets::BoatVertex);
  CutBuffers buffers;
  const CutResult r = CutButtock(hull.d(), hull.s(), buffers, 5.0);
  ASSERT_GT(r.last, 20);
  const SurfacePoint& first = buffers.section[0];
  const SurfacePoint& last = buffers.section[r.last];
  EXPECT_EQ(first.v, 1.0);
  EXPECT_EQ(last.v, 1.0);
  EXPECT_LT(first.u, 0.5);
  EXPECT_GT(last.u, 0.5);
  for (int k = 1; k < r.last; ++k) ASSERT_LT(buffers.section[k].v, 1.0) << k;
  ExpectOnCut(hull, buffers.section, 0, r.last, &SurfacePoint::x, 5.0);
}

TEST(CutButtock, ClosedButtockStopsOnItsFirstPoint) {
  Hull hull = MakeHull(12, 12, 3, 3,
                       [](double s, double t) { return V(10 * Bump(s, t), 100 * s, 10 * t - 5); });
  CutBuffers buffers;
  const CutResult r = CutButtock(hull.d(), hull.s(), buffers, 5.0);
  ExpectClosed(buffers.section, r.last);
  ExpectOnCut(hull, buffers.section, 0, r.last, &SurfacePoint::x, 5.0);
}

TEST(CutWaterline, TwoPiecesEitherSideOfALowMidship) {
  // The sheer dips below the plane amidships.
  Hull hull = MakeHull(12, 8, 3, 3, [](double s, double t) {
    const double dip = std::sin(kPi * s);
    return V(10 * std::sqrt(t), 100 * s, 10 * t - 6 * dip * dip);
  });
  CutBuffers buffers;
  const CutResult r = CutWaterline(hull.d(), hull.s(), buffers, 7.0);
  ASSERT_EQ(buffers.pieceCount, 2);
  const int split = buffers.pieceEnds[0];
  ASSERT_GT(split, 1);
  ASSERT_EQ(buffers.pieceEnds[1], r.last + 1);
  ASSERT_GT(r.last, split + 1);
  EXPECT_EQ(r.loopLast, 0);
  for (int k = 0; k <= r.last; ++k) {
    if (k < split) {
      ASSERT_LT(buffers.section[k].u, 0.5) << k;
    } else {
      ASSERT_GT(buffers.section[k].u, 0.5) << k;
    }
  }
  for (int k : {0, split - 1, split, r.last}) EXPECT_TRUE(OnBorder(buffers.section[k])) << k;
  EXPECT_EQ(buffers.section[0].u, 0.0);
  EXPECT_EQ(buffers.section[split].u, 1.0);
  ExpectOnCut(hull, buffers.section, 0, r.last, &SurfacePoint::z, 7.0);
}

TEST(CutWaterline, InteriorLoopGoesToTheLoopBuffer) {
  Hull hull = MakeHull(12, 12, 3, 3,
                       [](double s, double t) { return V(10 * t, 100 * s, -6 * Bump(s, t)); });
  CutBuffers buffers;
  const CutResult r = CutWaterline(hull.d(), hull.s(), buffers, -3.0);
  EXPECT_EQ(r.last, 0);
  EXPECT_EQ(buffers.pieceCount, 0);
  ExpectClosed(buffers.loop, r.loopLast);
  ExpectOnCut(hull, buffers.loop, 0, r.loopLast, &SurfacePoint::z, -3.0);

  // Raised so that the loop is the z = 0 waterline: its forward end counts.
  Hull raised = MakeHull(12, 12, 3, 3,
                         [](double s, double t) { return V(10 * t, 100 * s, 3 - 6 * Bump(s, t)); });
  const double forward = WaterlineForwardEnd(raised.d(), raised.s(), buffers);
  EXPECT_GT(forward, 10.0);
  EXPECT_LT(forward, 50.0);
}

// A degree-1 net whose grid points are its vertices, with the cut
// coordinate given as a table that reads like the body plan: the top line is
// the sheer row, the bottom line the keel row. x and z both take the value
// (so one table serves buttocks and waterlines); y runs along the columns.
Hull FromTable(const std::vector<std::vector<double>>& topDown) {
  const int lastRow = static_cast<int>(topDown.size()) - 1;
  const int lastColumn = static_cast<int>(topDown[0].size()) - 1;
  return nets::MakeGridHull(lastColumn, lastRow, [&](int a, int b) {
    const double value = topDown[lastRow - b][a];
    return V(value, 10.0 * a, value);
  });
}

TEST(CutWaterline, LoopScanResumesTwoRowsBeyondAnOpenLine) {
  // The open line runs through quad row 1, where the scan meets it first;
  // the hollow at vertex (3, 3) reaches down into quad row 2, but the scan
  // goes on from row 3.
  Hull hull = FromTable({
      {1, 1, 1, 1, 1, 1, 1},
      {1, 1, 1, 1, 1, 1, 1},
      {1, 1, 1, 1, 1, 1, 1},
      {1, 1, 1, -1, 1, 1, 1},
      {1, 1, 1, 1, 1, 1, 1},
      {-1, -1, -1, -1, -1, -1, -1},
      {-1, -1, -1, -1, -1, -1, -1},
  });
  CutBuffers buffers;
  const CutResult r = CutWaterline(hull.d(), hull.s(), buffers, 0.0);
  ASSERT_EQ(buffers.pieceCount, 1);
  EXPECT_EQ(buffers.section[0].u, 0.0);
  EXPECT_EQ(buffers.section[r.last].u, 1.0);
  ExpectClosed(buffers.loop, r.loopLast);
  // Found on edge 12 of quad (2, 3), not on edge 23 of quad (2, 2).
  EXPECT_EQ(buffers.loop[0].v, 0.5);
  EXPECT_GT(buffers.loop[0].u, 2 / 6.0);
  EXPECT_LT(buffers.loop[0].u, 3 / 6.0);
  ExpectOnCut(hull, buffers.loop, 0, r.loopLast, &SurfacePoint::z, 0.0);
}

TEST(CutWaterline, LoopThroughAGridPointCloses) {
  // The loop passes through vertex (3, 2), which lies on the plane. A march
  // that took both ends of an edge as crossed would circle it for ever.
  Hull hull = FromTable({
      {1, 1, 1, 1, 1},
      {1, 1, 1, 1, 1},
      {1, 1, -1, 0, 1},
      {1, 1, 1, 1, 1},
      {1, 1, 1, 1, 1},
  });
  CutBuffers buffers;
  const CutResult r = CutWaterline(hull.d(), hull.s(), buffers, 0.0);
  EXPECT_EQ(buffers.pieceCount, 0);
  ASSERT_EQ(r.loopLast, 4);
  EXPECT_TRUE(Same(buffers.loop[4], buffers.loop[0]));
  ExpectOnCut(hull, buffers.loop, 0, r.loopLast, &SurfacePoint::z, 0.0);
}

TEST(CutWaterline, PieceStopsWhenItComesBackToItsFirstQuad) {
  // Quad (0, 1) is a saddle: the piece entering it from the left border
  // leaves downwards, runs round the peak at vertex (1, 1) and comes back in.
  Hull hull = FromTable({
      {1, -1, -1, -1},
      {1, -1, -1, -1},
      {-1, 1, -1, -1},
      {-1, -1, -1, -1},
  });
  CutBuffers buffers;
  const CutResult r = CutWaterline(hull.d(), hull.s(), buffers, 0.0);
  ASSERT_GE(buffers.pieceCount, 1);
  ASSERT_EQ(buffers.pieceEnds[0], 5);
  EXPECT_EQ(buffers.section[0].u, 0.0);
  // The last point is on the edge shared with the first quad, inside the grid.
  EXPECT_EQ(buffers.section[4].u, 1 / 3.0);
  EXPECT_GT(buffers.section[4].v, 1 / 3.0);
  EXPECT_LT(buffers.section[4].v, 2 / 3.0);
  EXPECT_LE(r.last, kSectionCapacity - 1);
}

TEST(Cuts, PlaneThroughABorderGridPointStartsInTheQuadItsTestNames) {
  // The plane 0 passes through keel vertex (2, 0). The waterline's border
  // search counts the end with the higher column index, so the crossing
  // belongs to quad (1, 0); the buttock's counts the edge's first corner, so
  // it belongs to quad (2, 0).
  Hull hull = FromTable({
      {-0.6, -0.6, 0.4, 1.4, 1.4},
      {-0.7, -0.7, 0.3, 1.3, 1.3},
      {-0.8, -0.8, 0.2, 1.2, 1.2},
      {-0.9, -0.9, 0.1, 1.1, 1.1},
      {-1.0, -1.0, 0.0, 1.0, 1.0},
  });
  CutBuffers buffers;
  CutWaterline(hull.d(), hull.s(), buffers, 0.0);
  EXPECT_EQ(buffers.section[0].v, 0.0);
  EXPECT_GT(buffers.section[0].u, 0.25);
  EXPECT_LT(buffers.section[0].u, 0.5);
  // While marching both ends of an edge count: the first piece steps through
  // the vertex into quad (2, 0) and out of the keel (3 points); the second,
  // from the sheer, leaves by quad (1, 0)'s keel edge (5 points).
  ASSERT_EQ(buffers.pieceCount, 2);
  EXPECT_EQ(buffers.pieceEnds[0], 3);
  EXPECT_EQ(buffers.pieceEnds[1], 8);

  ASSERT_GT(CutButtock(hull.d(), hull.s(), buffers, 0.0).last, 0);
  EXPECT_EQ(buffers.section[0].v, 0.0);
  EXPECT_GT(buffers.section[0].u, 0.5);
  EXPECT_LT(buffers.section[0].u, 0.75);
}

TEST(Cuts, InteriorSearchTakesRowsFirstForStationsAndColumnsFirstForButtocks) {
  // Two closed curves: one forward and high, one aft and low.
  Hull hull = MakeHull(16, 16, 3, 3, [](double s, double t) {
    auto bump = [&](double s0, double t0) {
      return std::exp(-((s - s0) * (s - s0) + (t - t0) * (t - t0)) / 0.01);
    };
    const double b = bump(0.25, 0.75) + bump(0.75, 0.25);
    return V(10 * b, 100 * b, 10 * t);
  });
  CutBuffers buffers;
  ASSERT_GT(CutStation(hull.d(), hull.s(), buffers, 50.0).last, 0);
  EXPECT_GT(buffers.section[0].u, 0.5);  // the low one
  EXPECT_LT(buffers.section[0].v, 0.5);
  ASSERT_GT(CutButtock(hull.d(), hull.s(), buffers, 5.0).last, 0);
  EXPECT_LT(buffers.section[0].u, 0.5);  // the forward one
  EXPECT_GT(buffers.section[0].v, 0.5);
}

TEST(Cuts, RefinementStopsAtItsEvaluationLimit) {
  // With no accuracy to reach, stations bisect 51 times, down to rounding,
  // and waterlines 31 times, leaving an error of about 1e-11 in the parameter.
  Hull hull = MakeHull(10, 6, 3, 3, nets::BoatVertex);
  hull.d().SurfaceAccuracy = 0.0;
  CutBuffers buffers;
  auto worst = [&](int last, Coord coord, double plane) {
    double error = 0.0;
    for (int k = 0; k <= last; ++k) {
      const SurfacePoint& p = buffers.section[k];
      error = std::max(error, std::fabs(EvaluateSurfacePoint(hull.s(), p.u, p.v).*coord - plane));
    }
    return error;
  };
  const int station = CutStation(hull.d(), hull.s(), buffers, 37.0).last;
  EXPECT_LT(worst(station, &SurfacePoint::y, 37.0 - 1e-6), 1e-12);
  const int waterline = CutWaterline(hull.d(), hull.s(), buffers, 0.5).last;
  ASSERT_GT(waterline, 40);
  const double error = worst(waterline, &SurfacePoint::z, 0.5);
  EXPECT_GT(error, 1e-13);
  EXPECT_LT(error, 1e-9);
}

// z alternates between -1 and +1 from column to column, so the plane z = 0
// crosses the lower and upper border once per column interval.
Hull Zigzag(int rowDivisions) {
  return MakeHull(
      40, 2, 1, 1,
      [](double s, double t) {
        const int column = static_cast<int>(std::lround(s * 40));
        return V(5 * t, 100 * s, column % 2 ? 1.0 : -1.0);
      },
      120, rowDivisions);
}

TEST(CutWaterline, KeepsTheFirstPiecesOfAManyTimesCrossedBorder) {
  Hull hull = Zigzag(4);
  CutBuffers buffers;
  const CutResult r = CutWaterline(hull.d(), hull.s(), buffers, 0.0);
  ASSERT_EQ(buffers.pieceCount, kMaxPieces);
  for (int k = 0; k < kMaxPieces; ++k) {
    ASSERT_EQ(buffers.pieceEnds[k], 5 * (k + 1)) << k;
    // Piece k starts in the middle third of column interval k, on the keel.
    const SurfacePoint& start = buffers.section[5 * k];
    EXPECT_EQ(start.v, 0.0) << k;
    EXPECT_GT(start.u, (3 * k + 1) / 120.0) << k;
    EXPECT_LT(start.u, (3 * k + 2) / 120.0) << k;
  }
  EXPECT_EQ(r.last, 5 * kMaxPieces - 1);
  ExpectOnCut(hull, buffers.section, 0, r.last, &SurfacePoint::z, 0.0);
}

TEST(CutWaterline, PointLimitEndsThePiecesWithinTheBuffer) {
  Hull hull = Zigzag(50);  // 21 pieces of 51 points would need 1071
  CutBuffers buffers;
  const CutResult r = CutWaterline(hull.d(), hull.s(), buffers, 0.0);
  EXPECT_EQ(r.last, kSectionCapacity - 1);
  ASSERT_EQ(buffers.pieceCount, 14);
  for (int k = 0; k < 13; ++k) EXPECT_EQ(buffers.pieceEnds[k], 51 * (k + 1)) << k;
  EXPECT_EQ(buffers.pieceEnds[13], kSectionCapacity);
}

TEST(Cuts, DivisionsOutsideTheGridAreHarmless) {
  Hull hull = MakeHull(10, 6, 3, 3, nets::BoatVertex);
  CutBuffers buffers;
  struct Case {
    int columns, rows;
  } cases[] = {{0, 50}, {-3, 7}, {50, 0}, {1000, 1000}};
  for (const Case& c : cases) {
    hull.s().columnDivisions = c.columns;
    hull.s().rowDivisions = c.rows;
    const bool empty = c.columns < 1 || c.rows < 1;
    const CutResult station = CutStation(hull.d(), hull.s(), buffers, 37.0);
    if (empty) {
      EXPECT_EQ(station.last, -1);
    }
    EXPECT_LE(station.last, kSectionCapacity - 1);
    const CutResult waterline = CutWaterline(hull.d(), hull.s(), buffers, 0.5);
    if (empty) {
      EXPECT_EQ(waterline.last, 0);
    }
    EXPECT_LE(waterline.last, kSectionCapacity - 1);
    EXPECT_LE(waterline.loopLast, kSectionCapacity - 1);
    EXPECT_LE(buffers.pieceCount, kMaxPieces);
    EXPECT_LE(CutButtock(hull.d(), hull.s(), buffers, 5.0).last, kSectionCapacity - 1);
  }
}

}  // namespace
}  // namespace skelmora
