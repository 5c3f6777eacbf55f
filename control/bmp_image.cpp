#include "bmp_image.h"

#include <algorithm>
#include <cstring>

namespace vistrel {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;

uint32_t u32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }
uint16_t u16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
int32_t i32(const uint8_t* p) { return static_cast<int32_t>(u32(p)); }

int16_t clamp16(int64_t v) { return static_cast<int16_t>(std::clamp<int64_t>(v, INT16_MIN, INT16_MAX)); }

size_t paddedRow(size_t bytes) { return (bytes + 3) & ~size_t{3}; }

} // namespace

BmpStatus parseBmp(std::span<const uint8_t> file, BmpImage& out)
{
    out = BmpImage{};
    if (file.size() < kFileHeaderSize || file[0] != 'B' || file[1] != 'M') return BmpStatus::NotABitmap;

    // The information header, the colour table and the pixels follow the file header.
    std::span<const uint8_t> block = file.subspan(kFileHeaderSize);
    if (block.size() < kInfoHeaderSize) return BmpStatus::NotABitmap;
    const uint8_t* h = block.data();
    const uint32_t headerSize = u32(h);
    const int32_t width = i32(h + 4);
    const int32_t height = i32(h + 8);
    const uint16_t bpp = u16(h + 14);
    uint32_t imageSize = u32(h + 20);
    uint32_t colorsUsed = u32(h + 32);

    if (colorsUsed == 0) colorsUsed = bpp > 8 ? 0 : (1u << bpp);
    if (imageSize == 0) imageSize = static_cast<uint32_t>(static_cast<int64_t>(width) * height);

    out.width = clamp16(width);
    out.height = clamp16(height);
    out.bitsPerPixel = clamp16(bpp);
    out.colorsUsed = colorsUsed;
    out.imageSize = imageSize;

    // A header that claims to be shorter than the fields just read still has them.
    const uint64_t pixelOffset = std::max<uint64_t>(headerSize, kInfoHeaderSize) + 4ull * colorsUsed;
    if (width < 1 || height < 1) return BmpStatus::Ok;

    if (bpp == 8) {
        const uint64_t tableEnd = std::max<uint64_t>(headerSize, kInfoHeaderSize);
        for (uint32_t i = 0; i < std::min<uint32_t>(colorsUsed, 256); ++i) {
            uint64_t at = tableEnd + 4ull * i;
            if (at + 3 > block.size()) break;
            // Table entries are blue, green, red, reserved.
            out.blue[i] = block[at] / 255.0f;
            out.green[i] = block[at + 1] / 255.0f;
            out.red[i] = block[at + 2] / 255.0f;
        }
        const uint64_t size = static_cast<uint64_t>(paddedRow(static_cast<size_t>(width))) * height;
        if (pixelOffset + size <= block.size())
            out.pixels.assign(block.begin() + static_cast<ptrdiff_t>(pixelOffset),
                              block.begin() + static_cast<ptrdiff_t>(pixelOffset + size));
    } else if (bpp == 24) {
        const size_t row = paddedRow(static_cast<size_t>(width) * 3);
        const uint64_t size = static_cast<uint64_t>(row) * height;
        if (pixelOffset + size <= block.size()) {
            out.pixels.assign(size, 0);
            const uint8_t* src = block.data() + pixelOffset;
            for (int32_t y = 0; y < height; ++y) {
                const uint8_t* s = src + static_cast<size_t>(y) * row;
                uint8_t* d = out.pixels.data() + static_cast<size_t>(y) * row;
                for (int32_t x = 0; x < width; ++x) {
                    d[3 * x] = s[3 * x + 2];
                    d[3 * x + 1] = s[3 * x + 1];
                    d[3 * x + 2] = s[3 * x];
                }
            }
        }
    }
    return BmpStatus::Ok;
}

} // namespace vistrel
