// Byte-for-byte equality, for records that must come back exactly (a net
// restored, a grid left alone), with no tolerance to hide a drift.
#pragma once

#include <cstddef>
#include <cstring>

#include "model/hull_design.h"

namespace skelmora::testing {

inline bool SameBytes(const void* a, const void* b, std::size_t size) {
  return std::memcmp(a, b, size) == 0;
}

inline bool SameNet(const VertexNet& a, const VertexNet& b) {
  return SameBytes(a.data(), b.data(), sizeof(VertexNet));
}

}  // namespace skelmora::testing
