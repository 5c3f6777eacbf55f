// Windows bitmap files as texture slots need them: the file header check, the
// information header, the colour table and the pixels in the form OpenGL takes.
// No GL and no Qt here, so the parser can be fuzzed on its own.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vistrel {

struct BmpImage {
    // What a texture slot records and its getters return.
    int16_t width = 0;
    int16_t height = 0;
    int16_t bitsPerPixel = 0;

    uint32_t colorsUsed = 0; // after defaulting: 2^bpp for 8 bits and fewer
    uint32_t imageSize = 0;  // after defaulting: width x height

    // 8 bits: the file's colour indices, rows padded to 4 bytes as in the file.
    // 24 bits: red-green-blue triples, rows padded to 4 bytes (OpenGL's default
    // unpack alignment). Empty for other depths and for files whose pixels
    // do not cover the image.
    std::vector<uint8_t> pixels;

    // The colour-index maps of an 8-bit bitmap (entries beyond the colour table are 0).
    std::array<float, 256> red{};
    std::array<float, 256> green{};
    std::array<float, 256> blue{};
};

enum class BmpStatus { Ok, NotABitmap };

// Parses a whole file image. NotABitmap when the first two bytes are not "BM"
// or the file is too short to hold the headers; the image is then empty.
BmpStatus parseBmp(std::span<const uint8_t> file, BmpImage& out);

} // namespace vistrel
