// The members the control implements itself: texture slots, evaluator
// control points, font lists and their metrics, the timer, the swap hint
// and the ready-made solids.
#include "gl_args.h"
#include "vistrel_ctrl.h"

#include <QOpenGLContext>

#include <cfenv>
#include <cstring>

namespace vistrel {

using hosting::HResult;
using hosting::Variant;
namespace hr = hosting::hr;

namespace {

// An unknown target counts as the widest, so the bound check stays on the safe side.
int mapDimension(GLenum target)
{
    const int n = valuesPerPoint(target);
    return n ? n : 4;
}

} // namespace

void CVistrelCtrl::setControlPoint1(int i, int j, float value)
{
    if (i > 256) {
        notify(hosting::MessageKind::Error, "First index in oauxSetControlPoint1 is greater then 256");
        return;
    }
    if (j > 4) {
        notify(hosting::MessageKind::Error, "Second index in oauxSetControlPoint1 is greater then 4");
        return;
    }
    const int64_t at = static_cast<int64_t>(i) * points1Values_ + j;
    if (at >= 0 && at < static_cast<int64_t>(points1_.size())) points1_[static_cast<size_t>(at)] = value;
}

void CVistrelCtrl::setControlPoint2(int i, int j, int k, float value)
{
    const char* which = i > 256 ? "First index in oauxSetControlPoint2 is greater then 256"
                        : j > 255 ? "Second index in oauxSetControlPoint2 is greater then 255"
                        : k > 3   ? "Third index in oauxSetControlPoint2 is greater then 3"
                                  : nullptr;
    if (which) {
        notify(hosting::MessageKind::Error, which);
        return;
    }
    const int64_t at = (static_cast<int64_t>(i) * points2Second_ + j) * points2Values_ + k;
    if (at >= 0 && at < static_cast<int64_t>(points2_.size())) points2_[static_cast<size_t>(at)] = value;
}

void CVistrelCtrl::addSwapHintRect(int x, int y, int width, int height)
{
    const GLubyte* ext = glGetString(GL_EXTENSIONS);
    using Fn = void (*)(GLint, GLint, GLsizei, GLsizei);
    Fn fn = nullptr;
    if (ext && std::strstr(reinterpret_cast<const char*>(ext), "GL_WIN_swap_hint") && isCurrent())
        fn = reinterpret_cast<Fn>(context_->getProcAddress("glAddSwapHintRectWIN"));
    if (!fn) {
        notify(hosting::MessageKind::Error,
               "Your implementation of OpenGL does not support glAddSwapHintRectWIN extension function.");
        return;
    }
    // Some drivers raise floating-point exceptions in this call.
    std::fenv_t saved;
    std::feholdexcept(&saved);
    fn(x, y, width, height);
    std::feclearexcept(FE_ALL_EXCEPT);
    std::fesetenv(&saved);
}

HResult CVistrelCtrl::auxMethod(hosting::DispId id, const Args& a, Variant* r, hosting::ExceptionInfo* error)
{
    const Arg &a0 = a[0], &a1 = a[1], &a2 = a[2], &a3 = a[3], &a4 = a[4], &a5 = a[5], &a6 = a[6];
    switch (id) {
    case 63: return loadImage(a0.str(), slotIndex(a1), error);
    case 68:
    case 69:
    case 96: {
        const int slot = slotIndex(a0);
        const BmpImage* image = slot >= 0 ? &slots_[static_cast<size_t>(slot)] : nullptr;
        int16_t v = 0;
        if (image) v = id == 68 ? image->width : id == 69 ? image->height : image->bitsPerPixel;
        *r = v;
        break;
    }
    case 70: texImage(true, a); break;
    case 122: texImage(false, a); break;

    case 128: { // oglMap1(target, u1, u2, stride, order)
        const int dim = mapDimension(E(a0));
        const int64_t last = (static_cast<int64_t>(a4.i) - 1) * a3.i + dim;
        if (a4.i < 1 || a3.i < 0 || last <= static_cast<int64_t>(points1_.size()))
            glMap1f(E(a0), a1.f, a2.f, I(a3), I(a4), points1_.data());
        break;
    }
    case 130: { // oglMap2(target, u1, u2, ustride, uorder, v1, v2, vstride, vorder, i, j)
        const int dim = mapDimension(E(a0));
        const int64_t last = (static_cast<int64_t>(a4.i) - 1) * a3.i + (static_cast<int64_t>(a[8].i) - 1) * a[7].i + dim;
        const bool refused = a4.i < 1 || a[8].i < 1 || a3.i < 0 || a[7].i < 0; // GL refuses without reading
        if (refused || last <= static_cast<int64_t>(points2_.size()))
            glMap2f(E(a0), a1.f, a2.f, I(a3), I(a4), a5.f, a6.f, I(a[7]), I(a[8]), points2_.data());
        break;
    }
    case 134: setControlPoint1(a0.i, a1.i, a2.f); break;
    case 135: setControlPoint2(a0.i, a1.i, a2.i, a3.f); break;
    case 136: points1Count_ = a0.i, points1Values_ = a1.i; break;
    case 137: points2First_ = a0.i, points2Second_ = a1.i, points2Values_ = a2.i; break;

    case 86: *r = useFontBitmaps(a0.i, a1.i, a2.i); break;
    case 87: *r = useFontOutlines(a0.i, a1.i, a2.i, a3.f, a4.f, a5.i); break;
    case 191:
    case 192:
    case 193:
    case 194: {
        float v = 0;
        if (a0.i >= 0 && a0.i < static_cast<int>(metrics_.size())) {
            const GlyphMetrics& m = metrics_[static_cast<size_t>(a0.i)];
            v = id == 191 ? m.blackBoxX : id == 192 ? m.blackBoxY : id == 193 ? m.cellIncX : m.cellIncY;
        }
        *r = v;
        break;
    }

    case 139: setTimerInterval(a0.i); break;
    case 200: addSwapHintRect(a0.i, a1.i, a2.i, a3.i); break;

    default:
        if (drawSolid(id, a)) break;
        return kNotMine;
    }
    return hr::ok;
}

} // namespace vistrel
