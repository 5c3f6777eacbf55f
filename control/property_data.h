// The control's persistent data as the host stores it: the property-exchange
// version, the stock data (extent, font), then "Texture" and "DoubleBuffer".
#pragma once

#include "variant.h"

#include <cstdint>
#include <span>
#include <vector>

namespace vistrel {

inline constexpr uint32_t kPropertyVersion = 0x00010000;

struct PersistentProperties {
    int32_t extentX = 100; // pixels
    int32_t extentY = 50;
    hosting::FontDesc font;
    hosting::Picture texture;
    bool doubleBuffer = true;
    friend bool operator==(const PersistentProperties&, const PersistentProperties&) = default;
};

std::vector<uint8_t> saveProperties(const PersistentProperties& p);

// Reads what saveProperties wrote. Missing or malformed entries keep their
// defaults; data from a newer major version is ignored as a whole.
PersistentProperties loadProperties(std::span<const uint8_t> data);

} // namespace vistrel
