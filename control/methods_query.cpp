// Queries that fill the caller's array, the string results, the selection and
// feedback buffers and the WGL members. GL writes into buffers of the size it
// may need; the caller gets as many values as its array holds.
#include "gl_args.h"
#include "handle_table.h"
#include "vistrel_ctrl.h"

#include <QOpenGLContext>

#include <algorithm>
#include <cstring>
#include <type_traits>
#include <vector>

namespace vistrel {

using hosting::HResult;
using hosting::Variant;
namespace hr = hosting::hr;

namespace {

// Values a state query may return: 16 covers the matrices; the lists of
// formats are as long as their counts say.
GLint queryLength(GLenum pname)
{
    constexpr GLenum compressed = 0x86A3, numCompressed = 0x86A2;
    constexpr GLenum programBinary = 0x87FF, numProgramBinary = 0x87FE;
    constexpr GLenum shaderBinary = 0x8DF8, numShaderBinary = 0x8DF9;
    GLint n = 0;
    if (pname == compressed) glGetIntegerv(numCompressed, &n);
    else if (pname == programBinary) glGetIntegerv(numProgramBinary, &n);
    else if (pname == shaderBinary) glGetIntegerv(numShaderBinary, &n);
    return std::max<GLint>(n, 0) + 16;
}

// Runs fill on a buffer that starts as a copy of the caller's values, then
// copies back what fits, so positions GL leaves alone keep the caller's values.
template <class T, class U, class Fill>
void fillCaller(std::span<U> caller, size_t length, Fill fill)
{
    std::vector<T> buffer(std::max(length, caller.size()));
    for (size_t k = 0; k < caller.size(); ++k) {
        if constexpr (std::is_same_v<U, bool>) {
            // A host's bool may hold any byte; read it as one.
            unsigned char byte;
            std::memcpy(&byte, &caller[k], 1);
            buffer[k] = byte != 0;
        } else {
            buffer[k] = static_cast<T>(caller[k]);
        }
    }
    fill(buffer.data());
    for (size_t k = 0; k < caller.size(); ++k) caller[k] = static_cast<U>(buffer[k]);
}

// The device and driver identity queries belong to glGetUnsignedBytev; the
// plain glGet functions should refuse them, and some drivers crash instead.
bool stateQuery(GLenum pname) { return pname < 0x9596 || pname > 0x959A; }

std::string text(const GLubyte* s) { return s ? reinterpret_cast<const char*>(s) : ""; }

} // namespace

namespace {

// Hands GL a buffer of the control's own for the host's array and keeps it
// only when GL took it (GL refuses a new one while selecting or in feedback).
template <class T, class U, class Call>
void installBuffer(const Arg& size, const Arg& caller, GLenum pointerName, std::vector<T>& kept,
                   hosting::ArrayRef<U>& target, Call call)
{
    const GLsizei n = std::clamp<GLsizei>(size.i, 0, static_cast<GLsizei>(std::min<size_t>(caller.count, 1u << 24)));
    std::vector<T> fresh(static_cast<size_t>(std::max<GLsizei>(n, 1)));
    call(size.i < 0 ? size.i : n, fresh.data());
    GLvoid* now = nullptr;
    glGetPointerv(pointerName, &now);
    if (now == fresh.data()) {
        kept = std::move(fresh);
        target = {static_cast<U*>(caller.ref), static_cast<size_t>(n)};
    }
}

} // namespace

// GL keeps these buffers' addresses; only our own context may hold ours.
void CVistrelCtrl::setSelectBuffer(const Arg& size, const Arg& buffer)
{
    if (isCurrent())
        installBuffer(size, buffer, GL_SELECTION_BUFFER_POINTER, selectBuffer_, selectTarget_,
                      [](GLsizei n, uint32_t* p) { glSelectBuffer(n, p); });
}

void CVistrelCtrl::setFeedbackBuffer(const Arg& size, const Arg& type, const Arg& buffer)
{
    if (isCurrent())
        installBuffer(size, buffer, GL_FEEDBACK_BUFFER_POINTER, feedbackBuffer_, feedbackTarget_,
                      [&](GLsizei n, float* p) { glFeedbackBuffer(n, E(type), p); });
}

int CVistrelCtrl::renderMode(int mode)
{
    GLint before = 0;
    glGetIntegerv(GL_RENDER_MODE, &before);
    const GLint result = glRenderMode(static_cast<GLenum>(mode));
    GLint after = 0;
    glGetIntegerv(GL_RENDER_MODE, &after);
    if (isCurrent() && before != after) {
        // Leaving selection or feedback: hand the records to the host's array.
        if (before == GL_SELECT && selectTarget_.data)
            std::copy_n(selectBuffer_.begin(), std::min(selectTarget_.count, selectBuffer_.size()), selectTarget_.data);
        if (before == GL_FEEDBACK && feedbackTarget_.data)
            std::copy_n(feedbackBuffer_.begin(), std::min(feedbackTarget_.count, feedbackBuffer_.size()),
                        feedbackTarget_.data);
    }
    return result;
}

HResult CVistrelCtrl::glQueryMethod(hosting::DispId id, const Args& a, Variant* r)
{
    const Arg &a0 = a[0], &a1 = a[1], &a2 = a[2];
    switch (id) {
    case 142: // owglMakeCurrent
        if (a0.i) {
            held_ = true;
            makeCurrent();
        } else {
            held_ = false;
            releaseCurrent();
        }
        break;
    case 143: {
        QOpenGLContext* c = QOpenGLContext::currentContext();
        int32_t h = c ? handles().handleOf(HandleKind::Context, c) : 0;
        *r = h;
        break;
    }
    case 144: {
        QOpenGLContext* c = QOpenGLContext::currentContext();
        int32_t h = c && c->surface() ? handles().handleOf(HandleKind::Surface, c->surface()) : 0;
        *r = h;
        break;
    }
    case 145: {
        // Contexts share lists only when made that way; report whether they do.
        auto* x = static_cast<QOpenGLContext*>(handles().find(HandleKind::Context, a0.i));
        auto* y = static_cast<QOpenGLContext*>(handles().find(HandleKind::Context, a1.i));
        *r = x && y && QOpenGLContext::areSharing(x, y);
        break;
    }
    case 146: setSelectBuffer(a0, a1); break;
    case 199: setFeedbackBuffer(a0, a1, a2); break;
    case 147:
        if (stateQuery(E(a0)))
            fillCaller<GLint>(a1.array<int32_t>(), queryLength(E(a0)), [&](GLint* p) { glGetIntegerv(E(a0), p); });
        break;
    case 148:
        if (stateQuery(E(a0)))
            fillCaller<GLdouble>(a1.array<double>(), queryLength(E(a0)), [&](GLdouble* p) { glGetDoublev(E(a0), p); });
        break;
    case 149:
        if (stateQuery(E(a0)))
            fillCaller<GLfloat>(a1.array<float>(), queryLength(E(a0)), [&](GLfloat* p) { glGetFloatv(E(a0), p); });
        break;
    case 150:
        if (stateQuery(E(a0)))
            fillCaller<GLboolean>(a1.array<bool>(), queryLength(E(a0)), [&](GLboolean* p) { glGetBooleanv(E(a0), p); });
        break;
    case 151:
        fillCaller<GLdouble>(a1.array<double>(), 4, [&](GLdouble* p) { glGetClipPlane(E(a0), p); });
        break;
    case 152:
        fillCaller<GLfloat>(a2.array<float>(), 4, [&](GLfloat* p) { glGetLightfv(E(a0), E(a1), p); });
        break;
    case 153: {
        // A map's coefficients number up to order x order x 4.
        GLint order = 0;
        glGetIntegerv(GL_MAX_EVAL_ORDER, &order);
        const size_t length = static_cast<size_t>(std::clamp(order, 8, 1024)) * std::clamp(order, 8, 1024) * 4 + 16;
        fillCaller<GLdouble>(a2.array<double>(), length, [&](GLdouble* p) { glGetMapdv(E(a0), E(a1), p); });
        break;
    }
    case 154:
        fillCaller<GLfloat>(a2.array<float>(), 4, [&](GLfloat* p) { glGetMaterialfv(E(a0), E(a1), p); });
        break;
    case 155: {
        GLint size = 0;
        glGetIntegerv(GL_MAX_PIXEL_MAP_TABLE, &size);
        const size_t length = static_cast<size_t>(std::clamp(size, 256, 1 << 20)) + 16;
        fillCaller<GLfloat>(a1.array<float>(), length, [&](GLfloat* p) { glGetPixelMapfv(E(a0), p); });
        break;
    }
    case 156: break; // oglGetPolygonStipple does nothing
    case 157: *r = text(glGetString(E(a0))); break;
    case 158:
        fillCaller<GLfloat>(a2.array<float>(), 4, [&](GLfloat* p) { glGetTexEnvfv(E(a0), E(a1), p); });
        break;
    case 159:
        fillCaller<GLdouble>(a2.array<double>(), 4, [&](GLdouble* p) { glGetTexGendv(E(a0), E(a1), p); });
        break;
    default: return kNotMine;
    }
    return hr::ok;
}

} // namespace vistrel
