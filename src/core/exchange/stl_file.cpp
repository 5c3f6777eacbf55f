#include "exchange/stl_file.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace skelmora {

namespace {

// STL is little-endian whatever the machine.
void PutU32(std::string& out, uint32_t value) {
  for (int k = 0; k < 4; ++k) out.push_back(static_cast<char>((value >> (8 * k)) & 0xFF));
}

void PutFloat(std::string& out, double value) {
  const float f = static_cast<float>(value);
  uint32_t bits;
  std::memcpy(&bits, &f, sizeof bits);
  PutU32(out, bits);
}

}  // namespace

std::string FormatBinaryStl(const TriangleMesh& mesh, int32_t units) {
  std::string out;
  out.reserve(84 + 50 * mesh.triangles.size());
  std::string header = std::string("skelmora hull, units ") +
                       (units == kMillimetres ? "millimetres" : "inches") + ", z up";
  header.resize(80, ' ');
  out += header;
  PutU32(out, static_cast<uint32_t>(mesh.triangles.size()));
  for (const auto& t : mesh.triangles) {
    const auto& a = mesh.vertices[t[0]];
    const auto& b = mesh.vertices[t[1]];
    const auto& c = mesh.vertices[t[2]];
    const double u[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
    const double v[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
    double n[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
    const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    for (double& component : n) component = length > 0.0 ? component / length : 0.0;
    for (double component : n) PutFloat(out, component);
    for (const auto* p : {&a, &b, &c}) {
      for (double coordinate : *p) PutFloat(out, coordinate);
    }
    out.push_back(0);
    out.push_back(0);
  }
  return out;
}

}  // namespace skelmora
