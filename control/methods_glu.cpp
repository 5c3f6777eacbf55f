// The GLU members: quadrics, NURBS renderers and tessellators behind 32-bit
// handles, projection helpers and strings. Arrays are checked against what
// GLU will read before it is called; a call that would read past the
// caller's array is not made.
#include "gl_args.h"
#include "handle_table.h"
#include "vistrel_ctrl.h"

#include <deque>

namespace vistrel {

using hosting::HResult;
using hosting::Variant;
namespace hr = hosting::hr;

namespace {

// A tessellator keeps its vertices until the polygon ends; the host's arrays
// are only valid during each call, so the coordinates are copied here.
struct Tessellator {
    GLUtesselator* tess = nullptr;
    std::deque<std::array<GLdouble, 3>> vertices;
};

GLUquadric* quadric(const Arg& a) { return static_cast<GLUquadric*>(handles().find(HandleKind::Quadric, a.i)); }
GLUnurbs* nurbs(const Arg& a) { return static_cast<GLUnurbs*>(handles().find(HandleKind::Nurbs, a.i)); }
Tessellator* tessellator(const Arg& a)
{
    return static_cast<Tessellator*>(handles().find(HandleKind::Tessellator, a.i));
}

// Last value read for count points of dim values spaced stride apart, plus one.
int64_t extent(int64_t count, int64_t stride, int dim) { return (count - 1) * stride + dim; }


} // namespace

HResult CVistrelCtrl::gluMethod(hosting::DispId id, const Args& a, Variant* r)
{
    const Arg &a0 = a[0], &a1 = a[1], &a2 = a[2], &a3 = a[3], &a4 = a[4], &a5 = a[5], &a6 = a[6];
    switch (id) {
    case 55: gluPerspective(a0.d, a1.d, a2.d, a3.d); break;
    case 94: gluLookAt(a0.d, a1.d, a2.d, a3.d, a4.d, a5.d, a6.d, a[7].d, a[8].d); break;

    // Quadrics.
    case 89: {
        GLUquadric* q = gluNewQuadric();
        *r = q ? handles().add(HandleKind::Quadric, q) : 0;
        break;
    }
    case 90:
        if (auto* q = static_cast<GLUquadric*>(handles().remove(HandleKind::Quadric, a0.i))) gluDeleteQuadric(q);
        break;
    case 88:
        if (auto* q = quadric(a0)) gluDisk(q, a1.d, a2.d, I(a3), I(a4));
        break;
    case 91:
        if (auto* q = quadric(a0)) gluCylinder(q, a1.d, a2.d, a3.d, I(a4), I(a5));
        break;
    case 92:
        if (auto* q = quadric(a0)) gluSphere(q, a1.d, I(a2), I(a3));
        break;
    case 93:
        if (auto* q = quadric(a0)) gluPartialDisk(q, a1.d, a2.d, I(a3), I(a4), a5.d, a6.d);
        break;
    case 95:
        if (auto* q = quadric(a0)) gluQuadricTexture(q, B(a1));
        break;
    case 123:
        if (auto* q = quadric(a0)) gluQuadricDrawStyle(q, static_cast<GLenum>(a1.i));
        break;
    case 124:
        if (auto* q = quadric(a0)) gluQuadricNormals(q, static_cast<GLenum>(a1.i));
        break;
    case 125:
        if (auto* q = quadric(a0)) gluQuadricOrientation(q, static_cast<GLenum>(a1.i));
        break;

    // NURBS renderers.
    case 161: {
        GLUnurbs* n = gluNewNurbsRenderer();
        *r = n ? handles().add(HandleKind::Nurbs, n) : 0;
        break;
    }
    case 162:
        if (auto* n = static_cast<GLUnurbs*>(handles().remove(HandleKind::Nurbs, a0.i))) gluDeleteNurbsRenderer(n);
        break;
    case 163: if (auto* n = nurbs(a0)) gluBeginSurface(n); break;
    case 164: if (auto* n = nurbs(a0)) gluEndSurface(n); break;
    case 165: if (auto* n = nurbs(a0)) gluBeginTrim(n); break;
    case 166: if (auto* n = nurbs(a0)) gluEndTrim(n); break;
    case 167: if (auto* n = nurbs(a0)) gluBeginCurve(n); break;
    case 168: if (auto* n = nurbs(a0)) gluEndCurve(n); break;
    case 169: { // ogluPwlCurve(nobj, count, array, stride, type)
        auto* n = nurbs(a0);
        const int dim = valuesPerPoint(static_cast<GLenum>(a4.i));
        if (n && dim && a1.i > 0 && a3.i >= dim && extent(a1.i, a3.i, dim) <= static_cast<int64_t>(a2.count))
            gluPwlCurve(n, a1.i, a2.array<float>().data(), a3.i, static_cast<GLenum>(a4.i));
        break;
    }
    case 170: if (auto* n = nurbs(a0)) gluNurbsProperty(n, static_cast<GLenum>(a1.i), a2.f); break;
    case 171: { // ogluNurbsSurface(nobj, sKnotCount, sKnots, tKnotCount, tKnots, sStride, tStride, ctl, sOrder, tOrder, type)
        auto* n = nurbs(a0);
        const int dim = valuesPerPoint(E(a[10]));
        const int64_t sCount = a1.i - a[8].i, tCount = a3.i - a[9].i;
        const bool fits = n && dim && a[8].i > 0 && a[9].i > 0 && sCount > 0 && tCount > 0 &&
                          a5.i >= 0 && a6.i >= 0 && a1.i <= static_cast<int64_t>(a2.count) &&
                          a3.i <= static_cast<int64_t>(a4.count) &&
                          (sCount - 1) * a5.i + (tCount - 1) * a6.i + dim <= static_cast<int64_t>(a[7].count);
        if (fits)
            gluNurbsSurface(n, a1.i, a2.array<float>().data(), a3.i, a4.array<float>().data(), a5.i, a6.i,
                            a[7].array<float>().data(), a[8].i, a[9].i, E(a[10]));
        break;
    }
    case 172: { // ogluNurbsCurve(nobj, knotCount, knots, stride, ctl, order, type)
        auto* n = nurbs(a0);
        const int dim = valuesPerPoint(E(a6));
        const int64_t count = a1.i - a5.i;
        if (n && dim && a5.i > 0 && count > 0 && a3.i >= 0 && a1.i <= static_cast<int64_t>(a2.count) &&
            extent(count, a3.i, dim) <= static_cast<int64_t>(a4.count))
            gluNurbsCurve(n, a1.i, a2.array<float>().data(), a3.i, a4.array<float>().data(), a5.i, E(a6));
        break;
    }
    case 173:
        if (auto* n = nurbs(a0); n && a2.count >= 1) gluGetNurbsProperty(n, static_cast<GLenum>(a1.i), a2.array<float>().data());
        break;
    case 174:
        if (auto* n = nurbs(a0); n && a1.count >= 16 && a2.count >= 16 && a3.count >= 4) {
            const GLint view[4] = {a3.array<int32_t>()[0], a3.array<int32_t>()[1], a3.array<int32_t>()[2],
                                   a3.array<int32_t>()[3]};
            gluLoadSamplingMatrices(n, a1.array<float>().data(), a2.array<float>().data(), view);
        }
        break;

    // Tessellators: begin, vertex and end go straight to glBegin, glVertex3dv and glEnd.
    case 175: {
        auto t = std::make_unique<Tessellator>();
        t->tess = gluNewTess();
        if (!t->tess) {
            *r = 0;
            break;
        }
        gluTessCallback(t->tess, GLU_TESS_BEGIN, reinterpret_cast<_GLUfuncptr>(&glBegin));
        gluTessCallback(t->tess, GLU_TESS_VERTEX, reinterpret_cast<_GLUfuncptr>(&glVertex3dv));
        gluTessCallback(t->tess, GLU_TESS_END, reinterpret_cast<_GLUfuncptr>(&glEnd));
        *r = handles().add(HandleKind::Tessellator, t.release());
        break;
    }
    case 176:
        if (auto* t = static_cast<Tessellator*>(handles().remove(HandleKind::Tessellator, a0.i))) {
            gluDeleteTess(t->tess);
            delete t;
        }
        break;
    case 177:
        if (auto* t = tessellator(a0)) {
            gluBeginPolygon(t->tess);
            t->vertices.clear();
        }
        break;
    case 178:
        if (auto* t = tessellator(a0)) {
            gluEndPolygon(t->tess);
            t->vertices.clear();
        }
        break;
    case 179:
        if (auto* t = tessellator(a0); t && a2.count >= 1)
            gluGetTessProperty(t->tess, static_cast<GLenum>(a1.i), a2.array<double>().data());
        break;
    case 180: if (auto* t = tessellator(a0)) gluNextContour(t->tess, static_cast<GLenum>(a1.i)); break;
    case 181: if (auto* t = tessellator(a0)) gluTessBeginContour(t->tess); break;
    case 182: if (auto* t = tessellator(a0)) gluTessEndContour(t->tess); break;
    case 183: if (auto* t = tessellator(a0)) gluTessNormal(t->tess, a1.d, a2.d, a3.d); break;
    case 184: // ogluTessVertex(tobj, coords, data): coords serve as the vertex data too
        if (auto* t = tessellator(a0); t && a1.count >= 3) {
            auto c = a1.array<double>();
            auto& v = t->vertices.emplace_back(std::array<GLdouble, 3>{c[0], c[1], c[2]});
            gluTessVertex(t->tess, v.data(), v.data());
        }
        break;
    case 185:
        if (auto* t = tessellator(a0)) {
            gluTessBeginPolygon(t->tess, nullptr);
            t->vertices.clear();
        }
        break;
    case 186:
        if (auto* t = tessellator(a0)) {
            gluTessEndPolygon(t->tess);
            t->vertices.clear();
        }
        break;

    // Projection helpers and strings.
    case 160: // ogluPickMatrix(x, y, width, height, viewport)
        if (a4.count >= 4) {
            auto v = a4.array<int32_t>();
            GLint viewport[4] = {v[0], v[1], v[2], v[3]};
            gluPickMatrix(a0.d, a1.d, a2.d, a3.d, viewport);
        }
        break;
    case 187: {
        const GLubyte* s = gluGetString(static_cast<GLenum>(a0.i));
        *r = std::string(s ? reinterpret_cast<const char*>(s) : "");
        break;
    }
    case 188: {
        const GLubyte* s = gluErrorString(static_cast<GLenum>(a0.i));
        *r = std::string(s ? reinterpret_cast<const char*>(s) : "");
        break;
    }
    case 189:
    case 190: { // (x, y, z, model, proj, viewport, outX, outY, outZ) -> s
        int16_t ok = GL_FALSE;
        if (a3.count >= 16 && a4.count >= 16 && a5.count >= 4 && a6.count >= 1 && a[7].count >= 1 &&
            a[8].count >= 1) {
            auto v = a5.array<int16_t>();
            const GLint viewport[4] = {v[0], v[1], v[2], v[3]};
            double* x = a6.array<double>().data();
            double* y = a[7].array<double>().data();
            double* z = a[8].array<double>().data();
            const double* model = a3.array<double>().data();
            const double* proj = a4.array<double>().data();
            ok = static_cast<int16_t>(id == 189 ? gluProject(a0.d, a1.d, a2.d, model, proj, viewport, x, y, z)
                                                : gluUnProject(a0.d, a1.d, a2.d, model, proj, viewport, x, y, z));
        }
        *r = ok;
        break;
    }
    default: return kNotMine;
    }
    return hr::ok;
}

} // namespace vistrel
