#include "loading/closed_solid.h"

#include <algorithm>
#include <utility>

namespace skelmora {

namespace {

bool Before(const Vec3& p, const Vec3& q) {
  if (p.x != q.x) return p.x < q.x;
  if (p.y != q.y) return p.y < q.y;
  return p.z < q.z;
}

// The crossing of edge p-q taken in one fixed order of its ends, so the two
// triangles sharing the edge get the same point.
Vec3 Crossing(Vec3 p, Vec3 q, double sp, double sq) {
  if (Before(q, p)) {
    std::swap(p, q);
    std::swap(sp, sq);
  }
  const double t = sp / (sp - sq);
  return p + (q - p) * t;
}

// The triangle's part with n.p - d <= 0, as a polygon of up to four corners
// in the triangle's sense; when the plane crosses it, exit -> entry is the
// polygon's edge along the plane.
struct Clipped {
  std::array<Vec3, 4> corner;
  int count = 0;
  bool cut = false;
  Vec3 exit, entry;
};

Clipped Clip(const Triangle& t, Vec3 n, double d) {
  const Vec3 v[3] = {t.a, t.b, t.c};
  const double s[3] = {Dot(n, t.a) - d, Dot(n, t.b) - d, Dot(n, t.c) - d};
  Clipped out;
  for (int k = 0; k < 3; ++k) {
    const int m = (k + 1) % 3;
    const bool in = s[k] <= 0.0;
    if (in) out.corner[out.count++] = v[k];
    if (in != (s[m] <= 0.0)) {
      const Vec3 point = Crossing(v[k], v[m], s[k], s[m]);
      out.corner[out.count++] = point;
      (in ? out.exit : out.entry) = point;
      out.cut = true;
    }
  }
  return out;
}

void AddCone(SolidIntegrals& sum, Vec3 apex, Vec3 a, Vec3 b, Vec3 c) {
  const double volume = Dot(a - apex, Cross(b - apex, c - apex)) / 6.0;
  sum.volume += volume;
  sum.moment = sum.moment + (apex + a + b + c) * (volume / 4.0);
}

void AddFace(FaceIntegrals& sum, Vec3 n, Vec3 a, Vec3 b, Vec3 c) {
  const double area = Dot(Cross(b - a, c - a), n) / 2.0;
  if (area == 0.0) return;
  const Vec3 s = a + b + c;
  sum.area += area;
  sum.first = sum.first + s * (area / 3.0);
  const double p[4][3] = {{a.x, a.y, a.z}, {b.x, b.y, b.z}, {c.x, c.y, c.z}, {s.x, s.y, s.z}};
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      double m = 0.0;
      for (int k = 0; k < 4; ++k) m += p[k][i] * p[k][j];
      sum.second[i][j] += area / 12.0 * m;
    }
  }
}

}  // namespace

Vec3 SolidIntegrals::Centroid() const {
  return volume != 0.0 ? moment * (1.0 / volume) : Vec3{};
}

Vec3 FaceIntegrals::Centroid() const { return area != 0.0 ? first * (1.0 / area) : Vec3{}; }

double FaceIntegrals::SecondMomentAlong(Vec3 axis) const {
  const double a[3] = {axis.x, axis.y, axis.z};
  double about = 0.0;
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) about += a[i] * a[j] * second[i][j];
  }
  const double c = Dot(Centroid(), axis);
  return about - area * c * c;
}

TriangleSoup SoupOf(const TriangleMesh& mesh) {
  TriangleSoup soup;
  soup.reserve(mesh.triangles.size());
  auto at = [&](int k) {
    const auto& v = mesh.vertices[k];
    return Vec3{v[0], v[1], v[2]};
  };
  for (const auto& t : mesh.triangles) soup.push_back({at(t[0]), at(t[1]), at(t[2])});
  return soup;
}

TriangleSoup ClipSoup(const TriangleSoup& soup, Vec3 n, double d) {
  TriangleSoup out;
  out.reserve(soup.size());
  std::vector<std::pair<Vec3, Vec3>> cut;
  for (const Triangle& t : soup) {
    const Clipped c = Clip(t, n, d);
    for (int k = 2; k < c.count; ++k) out.push_back({c.corner[0], c.corner[k - 1], c.corner[k]});
    if (c.cut) cut.push_back({c.entry, c.exit});
  }
  if (!cut.empty()) {
    const Vec3 apex = cut.front().first;
    for (const auto& [from, to] : cut) out.push_back({apex, from, to});
  }
  return out;
}

SolidIntegrals IntegrateSolid(const TriangleSoup& soup) {
  SolidIntegrals sum;
  if (soup.empty()) return sum;
  const Vec3 apex = soup.front().a;
  for (const Triangle& t : soup) AddCone(sum, apex, t.a, t.b, t.c);
  return sum;
}

PlaneCut CutBelow(const TriangleSoup& soup, Vec3 n, double d) {
  PlaneCut cut;
  const Vec3 apex = n * d;  // in the plane: its cones over the face are flat
  for (const Triangle& t : soup) {
    const Clipped c = Clip(t, n, d);
    for (int k = 2; k < c.count; ++k) AddCone(cut.below, apex, c.corner[0], c.corner[k - 1], c.corner[k]);
    if (c.cut) {
      AddFace(cut.face, n, apex, c.entry, c.exit);
      cut.yMin = std::min({cut.yMin, c.entry.y, c.exit.y});
      cut.yMax = std::max({cut.yMax, c.entry.y, c.exit.y});
    }
  }
  return cut;
}

std::array<double, 2> SpanAlong(const TriangleSoup& soup, Vec3 n) {
  std::array<double, 2> span{1e300, -1e300};
  for (const Triangle& t : soup) {
    for (const Vec3& p : {t.a, t.b, t.c}) {
      const double s = Dot(n, p);
      span[0] = std::min(span[0], s);
      span[1] = std::max(span[1], s);
    }
  }
  return span;
}

}  // namespace skelmora
