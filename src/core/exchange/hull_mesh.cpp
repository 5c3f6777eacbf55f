#include "exchange/hull_mesh.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace skelmora {

namespace {

using Key = std::tuple<long long, long long, long long>;

// Welds points that coincide to within a millionth of the hull's size (points
// closer than that would meet anyway once stored as single precision), so
// the two sides meet on the centreline and collapsed net edges close.
class VertexWelder {
 public:
  VertexWelder(TriangleMesh& mesh, double size) : mesh_(mesh), tolerance_(std::max(size, 1.0) * 1e-6) {}

  int Add(double x, double y, double z) {
    const Key key{Quantise(x), Quantise(y), Quantise(z)};
    const auto found = index_.find(key);
    if (found != index_.end()) return found->second;
    const int index = static_cast<int>(mesh_.vertices.size());
    // A point on the centreline is stored there exactly.
    mesh_.vertices.push_back({std::get<0>(key) == 0 ? 0.0 : x, y, z});
    index_.emplace(key, index);
    return index;
  }

 private:
  long long Quantise(double value) const { return std::llround(value / tolerance_); }

  TriangleMesh& mesh_;
  double tolerance_;
  std::map<Key, int> index_;
};

void AddTriangle(std::vector<std::array<int, 3>>& out, int a, int b, int c) {
  if (a == b || b == c || a == c) return;
  out.push_back({a, b, c});
}

// A quad p, q, r, s in order, split along p-r.
void AddQuad(std::vector<std::array<int, 3>>& out, int p, int q, int r, int s) {
  AddTriangle(out, p, q, r);
  AddTriangle(out, p, r, s);
}

// A surface lying in the centreline plane gives the same triangle on both
// sides, run in opposite directions: such pairs enclose nothing and are
// dropped, so every edge keeps exactly two triangles.
void DropOppositePairs(std::vector<std::array<int, 3>>& triangles) {
  std::map<std::array<int, 3>, std::vector<size_t>> bySet;
  for (size_t t = 0; t < triangles.size(); ++t) {
    std::array<int, 3> set = triangles[t];
    std::sort(set.begin(), set.end());
    bySet[set].push_back(t);
  }
  std::vector<bool> drop(triangles.size(), false);
  for (const auto& entry : bySet) {
    const std::array<int, 3>& set = entry.first;
    const std::vector<size_t>& list = entry.second;
    if (list.size() < 2) continue;
    // Pair each with one of the opposite sense.
    auto sense = [&](size_t t) {
      const auto& tri = triangles[t];
      const int first = static_cast<int>(std::min_element(tri.begin(), tri.end()) - tri.begin());
      return tri[(first + 1) % 3] == set[1];
    };
    std::vector<size_t> forward, backward;
    for (size_t t : list) (sense(t) ? forward : backward).push_back(t);
    const size_t pairs = std::min(forward.size(), backward.size());
    for (size_t k = 0; k < pairs; ++k) drop[forward[k]] = drop[backward[k]] = true;
  }
  size_t kept = 0;
  for (size_t t = 0; t < triangles.size(); ++t) {
    if (!drop[t]) triangles[kept++] = triangles[t];
  }
  triangles.resize(kept);
}

}  // namespace

double SignedVolume(const TriangleMesh& mesh) {
  double sum = 0.0;
  for (const auto& t : mesh.triangles) {
    const auto& a = mesh.vertices[t[0]];
    const auto& b = mesh.vertices[t[1]];
    const auto& c = mesh.vertices[t[2]];
    sum += a[0] * (b[1] * c[2] - b[2] * c[1]) - a[1] * (b[0] * c[2] - b[2] * c[0]) +
           a[2] * (b[0] * c[1] - b[1] * c[0]);
  }
  return sum / 6.0;
}

TriangleMesh BuildHullMesh(const Surface& surface) {
  TriangleMesh mesh;
  const int nu = std::clamp(surface.columnDivisions, 1, kGridSize - 1);
  const int nv = std::clamp(surface.rowDivisions, 1, kGridSize - 1);

  double size = 0.0;
  for (int i = 0; i <= nu; ++i) {
    for (int j = 0; j <= nv; ++j) {
      const SurfacePoint& p = surface.grid[i][j];
      size = std::max({size, std::fabs(p.x), std::fabs(p.y), std::fabs(p.z)});
    }
  }
  VertexWelder welder(mesh, size);
  // [side][i][j]: 0 the designed side, 1 its mirror.
  std::vector<int> index(2 * (nu + 1) * (nv + 1));
  auto at = [&](int side, int i, int j) -> int& { return index[(side * (nu + 1) + i) * (nv + 1) + j]; };
  for (int side = 0; side < 2; ++side) {
    const double sgn = side == 0 ? 1.0 : -1.0;
    for (int i = 0; i <= nu; ++i) {
      for (int j = 0; j <= nv; ++j) {
        const SurfacePoint& p = surface.grid[i][j];
        at(side, i, j) = welder.Add(sgn * p.x, p.y, p.z);
      }
    }
  }

  auto& out = mesh.triangles;
  for (int i = 0; i < nu; ++i) {
    for (int j = 0; j < nv; ++j) {
      AddQuad(out, at(0, i, j), at(0, i + 1, j), at(0, i + 1, j + 1), at(0, i, j + 1));
      // The mirror runs the other way round.
      AddQuad(out, at(1, i, j), at(1, i, j + 1), at(1, i + 1, j + 1), at(1, i + 1, j));
    }
  }

  // The boundary of the grid in the sense its triangles run it: keel,
  // stern, sheer backwards, stem downwards. A band joins each edge of it to
  // its mirror; where the two coincide the band has no area and vanishes.
  std::vector<std::pair<int, int>> loop;
  for (int i = 0; i < nu; ++i) loop.push_back({i, 0});
  for (int j = 0; j < nv; ++j) loop.push_back({nu, j});
  for (int i = nu; i > 0; --i) loop.push_back({i, nv});
  for (int j = nv; j > 0; --j) loop.push_back({0, j});
  for (size_t k = 0; k < loop.size(); ++k) {
    const auto [pi, pj] = loop[k];
    const auto [qi, qj] = loop[(k + 1) % loop.size()];
    AddQuad(out, at(0, qi, qj), at(0, pi, pj), at(1, pi, pj), at(1, qi, qj));
  }

  DropOppositePairs(out);
  if (SignedVolume(mesh) < 0.0) {
    for (auto& t : out) std::swap(t[1], t[2]);
  }
  return mesh;
}

}  // namespace skelmora
