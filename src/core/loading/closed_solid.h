// A closed hull as a triangle soup and what lies below a plane through it.
// By the divergence theorem the volume and its centroid below any plane come
// exactly from the triangles' clipped parts, taken as cones from a point in
// the plane: the cut face (the waterplane, a free surface) adds nothing to
// them, and its own area and moments come from the cut's edges. Cutting a
// soup and closing it with a fan over the cut keeps it closed, so a tank
// (a box inside the hull) is the hull cut six times.
#pragma once

#include <array>
#include <vector>

#include "exchange/hull_mesh.h"

namespace skelmora {

struct Vec3 {
  double x = 0.0, y = 0.0, z = 0.0;
};
inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(Vec3 a, double s) { return {a.x * s, a.y * s, a.z * s}; }
inline double Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 Cross(Vec3 a, Vec3 b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

struct Triangle {
  Vec3 a, b, c;  // counter-clockwise seen from outside
};
using TriangleSoup = std::vector<Triangle>;

TriangleSoup SoupOf(const TriangleMesh& mesh);

// The part of a closed soup where n.p <= d (n of unit length), closed again
// by a fan over the cut.
TriangleSoup ClipSoup(const TriangleSoup& soup, Vec3 n, double d);

// Volume and first moment (the integral of p over the volume).
struct SolidIntegrals {
  double volume = 0.0;
  Vec3 moment;
  Vec3 Centroid() const;
};
SolidIntegrals IntegrateSolid(const TriangleSoup& soup);

// Area, first moment and second moments (the integral of p p^T) of a plane
// face; the area counted positive seen from the side n points to.
struct FaceIntegrals {
  double area = 0.0;
  Vec3 first;
  std::array<std::array<double, 3>, 3> second{};
  Vec3 Centroid() const;
  // The integral of ((p - centroid) . axis)^2: the second moment about the
  // line through the centroid square to axis (both in the face's plane).
  double SecondMomentAlong(Vec3 axis) const;
};

// The solid below the plane n.p = d and the face the plane cuts from it.
struct PlaneCut {
  SolidIntegrals below;
  FaceIntegrals face;
  double yMin = 1e300, yMax = -1e300;  // the cut's extent along y (none: min > max)
};
PlaneCut CutBelow(const TriangleSoup& soup, Vec3 n, double d);

// Least and greatest of n.p over the soup's corners (start +/- 1e300).
std::array<double, 2> SpanAlong(const TriangleSoup& soup, Vec3 n);

}  // namespace skelmora
