// The hull as one closed triangle mesh: the surface grid on both sides,
// closed across the centreline wherever the net's edges stay open (the deck
// at the sheer, the transom, a flat keel or an open stem). For 3D printing
// and CFD meshing.
#pragma once

#include <array>
#include <vector>

#include "model/hull_design.h"
#include "surface/surface.h"

namespace skelmora {

struct TriangleMesh {
  std::vector<std::array<double, 3>> vertices;  // model x, y, z
  std::vector<std::array<int, 3>> triangles;    // counter-clockwise seen from outside
};

// From the current grid (EvaluateSurfaceGrid): every edge is shared by
// exactly two triangles running it in opposite directions, the signed
// volume is positive, and points the two sides share (on the centreline)
// are one vertex. Triangles with two corners on one vertex are left out;
// slivers of no area remain where a closing band runs along the hull itself
// (a transom edge along a flat bottom), as they keep the mesh closed.
TriangleMesh BuildHullMesh(const Surface& surface);

double SignedVolume(const TriangleMesh& mesh);

}  // namespace skelmora
