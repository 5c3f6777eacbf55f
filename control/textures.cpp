// Texture slots: bitmap files loaded into 26 slots and uploaded from there.
#include "gl_args.h"
#include "vistrel_ctrl.h"

#include <QOpenGLContext>

#include <cmath>
#include <fstream>
#include <iterator>

namespace vistrel {

using hosting::HResult;
using hosting::Variant;
namespace hr = hosting::hr;

namespace {

// Bytes per pixel of a format and type as glTexImage reads them; 0 when
// unknown (GL refuses those without reading) or for bitmaps (bits).
double pixelBytes(GLenum format, GLenum type)
{
    int components = 0;
    switch (format) {
    case GL_COLOR_INDEX: case GL_STENCIL_INDEX: case GL_DEPTH_COMPONENT: case GL_RED: case GL_GREEN:
    case GL_BLUE: case GL_ALPHA: case GL_LUMINANCE: components = 1; break;
    case GL_LUMINANCE_ALPHA: components = 2; break;
    case GL_RGB: case 0x80E0 /* BGR */: components = 3; break;
    case GL_RGBA: case 0x80E1 /* BGRA */: components = 4; break;
    default: return 0;
    }
    switch (type) {
    case GL_BITMAP: return components / 8.0;
    case GL_BYTE: case GL_UNSIGNED_BYTE: return components;
    case GL_SHORT: case GL_UNSIGNED_SHORT: return 2.0 * components;
    case GL_INT: case GL_UNSIGNED_INT: case GL_FLOAT: return 4.0 * components;
    case 0x8032: case 0x8362: return 1; // 3_3_2 and its reverse
    case 0x8033: case 0x8034: case 0x8363: case 0x8364: case 0x8365: case 0x8366: return 2;
    case 0x8035: case 0x8036: case 0x8367: case 0x8368: return 4;
    default: return 0;
    }
}

// Bytes glTexImage reads for a width x height image under the current unpack
// state; an upper bound, 0 when it reads nothing.
int64_t imageBytes(int width, int height, GLenum format, GLenum type)
{
    const double bpp = pixelBytes(format, type);
    if (bpp <= 0 || width <= 0 || height <= 0) return 0;
    GLint alignment = 4, rowLength = 0, skipRows = 0, skipPixels = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glGetIntegerv(GL_UNPACK_ROW_LENGTH, &rowLength);
    glGetIntegerv(GL_UNPACK_SKIP_ROWS, &skipRows);
    glGetIntegerv(GL_UNPACK_SKIP_PIXELS, &skipPixels);
    alignment = std::max(alignment, 1);
    const int64_t groups = rowLength > 0 ? rowLength : width;
    const int64_t rowBytes = static_cast<int64_t>(std::ceil(groups * bpp));
    const int64_t stride = (rowBytes + alignment - 1) / alignment * alignment;
    const int64_t lastRow = static_cast<int64_t>(std::ceil((static_cast<int64_t>(skipPixels) + width) * bpp));
    return (static_cast<int64_t>(skipRows) + height - 1) * stride + lastRow;
}

} // namespace

int CVistrelCtrl::slotIndex(const Arg& a) const
{
    // An empty VARIANT names slot 0.
    Arg index;
    if (!a.value || a.value->isEmpty()) return 0;
    if (coerceArgument(hosting::ArgKind::I4, const_cast<Variant&>(*a.value), index) != hr::ok) return -1;
    return index.i >= 0 && index.i < kTextureSlots ? index.i : -1;
}

void CVistrelCtrl::loadColorMaps(const BmpImage& image)
{
    mapRed_ = image.red, mapGreen_ = image.green, mapBlue_ = image.blue;
}

void CVistrelCtrl::applyColorMaps()
{
    glPixelMapfv(GL_PIXEL_MAP_I_TO_R, 256, mapRed_.data());
    glPixelMapfv(GL_PIXEL_MAP_I_TO_G, 256, mapGreen_.data());
    glPixelMapfv(GL_PIXEL_MAP_I_TO_B, 256, mapBlue_.data());
    glPixelTransferi(GL_MAP_COLOR, GL_TRUE);
}

HResult CVistrelCtrl::loadImage(const std::string& path, int slot, hosting::ExceptionInfo* error)
{
    if (slot < 0) return hr::ok; // no such slot: nothing to replace
    BmpImage& image = slots_[static_cast<size_t>(slot)];
    image = BmpImage{};
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (error) *error = {"Vistrel", "Cannot open the file " + path, static_cast<int32_t>(0x800A0035)};
        return hr::exception;
    }
    std::vector<uint8_t> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (parseBmp(file, image) != BmpStatus::Ok) {
        notify(hosting::MessageKind::Error, "Not a bitmap file");
        return hr::ok;
    }
    const bool wasCurrent = isCurrent();
    if (image.bitsPerPixel == 8) {
        loadColorMaps(image);
        if (makeCurrent()) applyColorMaps();
    } else if (image.bitsPerPixel == 24) {
        if (makeCurrent()) glPixelTransferi(GL_MAP_COLOR, GL_FALSE);
    }
    if (!wasCurrent && !held_ && !painting_) releaseCurrent();
    return hr::ok;
}

void CVistrelCtrl::texImage(bool twoD, const Args& a)
{
    // 2D: target, level, components, width, height, border, format, type, index
    // 1D: target, level, components, width, border, format, type, index
    const int height = twoD ? a[4].i : 1;
    const Arg& border = a[twoD ? 5 : 4];
    const Arg& format = a[twoD ? 6 : 5];
    const Arg& type = a[twoD ? 7 : 6];
    const int slot = slotIndex(a[twoD ? 8 : 7]);
    const BmpImage* image = slot >= 0 ? &slots_[static_cast<size_t>(slot)] : nullptr;

    if (twoD && image && image->bitsPerPixel == 8)
        applyColorMaps();
    else if (twoD && image && image->bitsPerPixel == 24)
        glPixelTransferi(GL_MAP_COLOR, GL_FALSE);

    // The caller's sizes are passed as given; when the slot's pixels are fewer
    // than they call for, GL gets no pixels rather than bytes past the buffer.
    const int64_t needed = imageBytes(a[3].i, height, E(format), E(type));
    const void* pixels = image && !image->pixels.empty() && needed > 0 &&
                                 needed <= static_cast<int64_t>(image->pixels.size())
                             ? image->pixels.data()
                             : nullptr;
    if (twoD)
        glTexImage2D(E(a[0]), I(a[1]), I(a[2]), I(a[3]), height, I(border), E(format), E(type), pixels);
    else
        glTexImage1D(E(a[0]), I(a[1]), I(a[2]), I(a[3]), I(border), E(format), E(type), pixels);
}

} // namespace vistrel
