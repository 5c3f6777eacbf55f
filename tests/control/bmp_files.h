// Bitmap files built byte by byte for the texture tests.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace testhost {

struct Bgr {
    uint8_t b, g, r;
};

// A bottom-up BITMAPINFOHEADER file. For 8 bits, pixels hold colour indices
// (first byte of each Bgr) and palette the colour table.
inline std::vector<uint8_t> makeBmp(int width, int height, int bpp, const std::vector<Bgr>& pixels,
                                    const std::vector<Bgr>& palette = {}, uint32_t colorsUsed = 0)
{
    auto put32 = [](std::vector<uint8_t>& v, uint32_t x) {
        for (int k = 0; k < 4; ++k) v.push_back(static_cast<uint8_t>(x >> (8 * k)));
    };
    auto put16 = [](std::vector<uint8_t>& v, uint16_t x) { v.push_back(x & 0xFF), v.push_back(x >> 8); };
    const int rowBytes = ((width * bpp / 8) + 3) & ~3;
    std::vector<uint8_t> body;
    put32(body, 40), put32(body, static_cast<uint32_t>(width)), put32(body, static_cast<uint32_t>(height));
    put16(body, 1), put16(body, static_cast<uint16_t>(bpp));
    put32(body, 0), put32(body, 0), put32(body, 2835), put32(body, 2835);
    put32(body, colorsUsed), put32(body, 0);
    for (const Bgr& c : palette) body.push_back(c.b), body.push_back(c.g), body.push_back(c.r), body.push_back(0);
    for (int y = 0; y < height; ++y) {
        size_t start = body.size();
        for (int x = 0; x < width; ++x) {
            const Bgr& c = pixels[static_cast<size_t>(y * width + x)];
            if (bpp == 8) body.push_back(c.b);
            else body.push_back(c.b), body.push_back(c.g), body.push_back(c.r);
        }
        while (body.size() - start < static_cast<size_t>(rowBytes)) body.push_back(0);
    }
    std::vector<uint8_t> file = {'B', 'M'};
    put32(file, static_cast<uint32_t>(14 + body.size()));
    put32(file, 0);
    put32(file, static_cast<uint32_t>(14 + 40 + 4 * palette.size()));
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

inline std::string writeFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    return path;
}

} // namespace testhost
