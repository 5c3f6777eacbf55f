// The members that forward straight to OpenGL 1.1.
#include "gl_args.h"
#include "vistrel_ctrl.h"

namespace vistrel {

using hosting::HResult;
using hosting::Variant;
namespace hr = hosting::hr;

namespace {

// oglClear's own codes: 1 colour, 2 depth, 4 accumulation, 8 stencil.
GLbitfield clearBits(int mask)
{
    if (mask < 1 || mask > 15) return 0;
    return (mask & 1 ? GL_COLOR_BUFFER_BIT : 0) | (mask & 2 ? GL_DEPTH_BUFFER_BIT : 0) |
           (mask & 4 ? GL_ACCUM_BUFFER_BIT : 0) | (mask & 8 ? GL_STENCIL_BUFFER_BIT : 0);
}

float byte(int v) { return static_cast<float>(v) / 255.0f; }

} // namespace

HResult CVistrelCtrl::glMethod(hosting::DispId id, const Args& a, Variant* r)
{
    const Arg &a0 = a[0], &a1 = a[1], &a2 = a[2], &a3 = a[3], &a4 = a[4], &a5 = a[5];
    switch (id) {
    case 3: glPushMatrix(); break;
    case 4: glPopMatrix(); break;
    case 5: glEnd(); break;
    case 6: glScaled(a0.d, a1.d, a2.d); break;
    case 7: glTranslated(a0.d, a1.d, a2.d); break;
    case 8: glVertex3d(a0.d, a1.d, a2.d); break;
    case 9: glNormal3d(a0.d, a1.d, a2.d); break;
    case 10: glBegin(E(a0)); break;
    case 11: glRotated(static_cast<double>(a0.i), a1.d, a2.d, a3.d); break;
    case 12: glColor4d(a0.d, a1.d, a2.d, a3.d); break;
    case 14: glClearColor(a0.f, a1.f, a2.f, a3.f); break;
    case 15:
        if (GLbitfield bits = clearBits(a0.i)) glClear(bits);
        break;
    case 16: glAccum(E(a0), a1.f); break;
    case 22: glLoadIdentity(); break;
    case 39: glEnable(E(a0)); break;
    case 40: {
        const GLfloat v[4] = {a2.f, a3.f, a4.f, a5.f};
        glLightfv(E(a0), E(a1), v);
        break;
    }
    case 41: glFlush(); break;
    case 42: glShadeModel(E(a0)); break;
    case 43: glBlendFunc(E(a0), E(a1)); break;
    case 44:
        if (a0.i == 0 || a0.i == 1) glDepthMask(a0.i ? GL_TRUE : GL_FALSE);
        break;
    case 45: glColor3f(a0.f, a1.f, a2.f); break;
    case 46: glDisable(E(a0)); break;
    case 47: glEdgeFlag(B(a0)); break;
    case 48: glFrontFace(E(a0)); break;
    case 49: glLineWidth(a0.f); break;
    case 50: glPointSize(a0.f); break;
    case 51: glPolygonMode(E(a0), E(a1)); break;
    case 52: glRectd(a0.d, a1.d, a2.d, a3.d); break;
    case 53: glVertex2d(a0.d, a1.d); break;
    case 54: glFrustum(a0.d, a1.d, a2.d, a3.d, a4.d, a5.d); break;
    case 56: glViewport(I(a0), I(a1), I(a2), I(a3)); break;
    case 57: glMatrixMode(E(a0)); break;
    case 58: glMaterialf(E(a0), GL_SHININESS, static_cast<GLfloat>(a2.i)); break;
    case 59: {
        const GLfloat v[4] = {a2.f, a3.f, a4.f, a5.f};
        glMaterialfv(E(a0), E(a1), v);
        break;
    }
    case 60: glHint(E(a0), E(a1)); break;
    case 61: glFogf(E(a0), a1.f); break;
    case 62: {
        const GLfloat v[4] = {a1.f, a2.f, a3.f, a4.f};
        glFogfv(E(a0), v);
        break;
    }
    case 64: glTexCoord1d(a0.d); break;
    case 65: glTexCoord2d(a0.d, a1.d); break;
    case 66: glTexCoord3d(a0.d, a1.d, a2.d); break;
    case 67: glTexCoord4d(a0.d, a1.d, a2.d, a3.d); break;
    case 71: glTexEnvf(E(a0), E(a1), a2.f); break;
    case 72: {
        const GLfloat v[4] = {a2.f, a3.f, a4.f, a5.f};
        glTexEnvfv(E(a0), E(a1), v);
        break;
    }
    case 73: glTexParameterf(E(a0), E(a1), a2.f); break;
    case 74: {
        const GLfloat v[4] = {a2.f, a3.f, a4.f, a5.f};
        glTexParameterfv(E(a0), E(a1), v);
        break;
    }
    case 75: glLightf(E(a0), E(a1), a2.f); break;
    case 76: glNewList(U(a0), E(a1)); break;
    case 77: glEndList(); break;
    case 78: glCallList(U(a0)); break;
    case 79:
        makeCurrent(); // the lists may be deleted outside Draw
        glDeleteLists(U(a0), I(a1));
        break;
    case 80: *r = glIsList(U(a0)) == GL_TRUE; break;
    case 81: *r = static_cast<int16_t>(glGenLists(I(a0))); break;
    case 82: glListBase(U(a0)); break;
    case 83: {
        // Never read past the string: as many names as its bytes hold.
        int size = 0;
        switch (E(a1)) {
        case GL_BYTE: case GL_UNSIGNED_BYTE: size = 1; break;
        case GL_SHORT: case GL_UNSIGNED_SHORT: case GL_2_BYTES: size = 2; break;
        case GL_3_BYTES: size = 3; break;
        case GL_INT: case GL_UNSIGNED_INT: case GL_FLOAT: case GL_4_BYTES: size = 4; break;
        default: break;
        }
        const std::string& names = a2.str();
        GLsizei n = I(a0);
        if (size && n > 0) n = std::min<GLsizei>(n, static_cast<GLsizei>(names.size() / size));
        glCallLists(n, E(a1), size ? names.data() : nullptr);
        break;
    }
    case 84: glTexGend(E(a0), E(a1), a2.d); break;
    case 85: {
        const GLdouble v[4] = {a2.d, a3.d, a4.d, a5.d};
        glTexGendv(E(a0), E(a1), v);
        break;
    }
    case 97: glOrtho(a0.d, a1.d, a2.d, a3.d, a4.d, a5.d); break;
    case 98: glAlphaFunc(E(a0), a1.f); break;
    case 99: glClearAccum(a0.f, a1.f, a2.f, a3.f); break;
    case 100: glClearDepth(a0.d); break;
    case 101: glClearIndex(a0.f); break;
    case 102: glClearStencil(I(a0)); break;
    case 103: {
        const GLdouble v[4] = {a1.d, a2.d, a3.d, a4.d};
        glClipPlane(E(a0), v);
        break;
    }
    case 104: glColorMask(B(a0), B(a1), B(a2), B(a3)); break;
    case 105: glColorMaterial(E(a0), E(a1)); break;
    case 106: glCopyPixels(I(a0), I(a1), I(a2), I(a3), E(a4)); break;
    case 107: glCullFace(E(a0)); break;
    case 108: glDepthFunc(E(a0)); break;
    case 109: glDepthRange(a0.d, a1.d); break;
    case 110: glDrawBuffer(E(a0)); break;
    case 111: glIndexd(a0.d); break;
    case 112: glIndexMask(U(a0)); break;
    case 113: glInitNames(); break;
    case 114: *r = glIsEnabled(E(a0)) == GL_TRUE; break;
    case 115: glLightModelf(E(a0), a1.f); break;
    case 116: {
        const GLfloat v[4] = {a1.f, a2.f, a3.f, a4.f};
        glLightModelfv(E(a0), v);
        break;
    }
    case 117: glLineStipple(I(a0), static_cast<GLushort>(U(a1))); break;
    case 118: glPushName(U(a0)); break;
    case 119: glReadBuffer(E(a0)); break;
    case 120: *r = static_cast<int16_t>(renderMode(static_cast<int>(E(a0)))); break;
    case 121: glScissor(I(a0), I(a1), I(a2), I(a3)); break;
    case 126: glEvalCoord1d(a0.d); break;
    case 127: glMapGrid1d(I(a0), a1.d, a2.d); break;
    case 129: glEvalMesh1(E(a0), I(a1), I(a2)); break;
    case 131: glEvalCoord2d(a0.d, a1.d); break;
    case 132: glMapGrid2d(I(a0), a1.d, a2.d, I(a3), a4.d, a5.d); break;
    case 133: glEvalMesh2(E(a0), I(a1), I(a2), I(a3), I(a4)); break;
    case 138: *r = static_cast<int16_t>(glGetError()); break;
    case 140: glPopName(); break;
    case 141: glLoadName(U(a0)); break;
    case 195: glColor3f(byte(a0.i), byte(a1.i), byte(a2.i)); break;
    case 196: glColor3f(byte(a0.i & 0xFF), byte((a0.i >> 8) & 0xFF), byte((a0.i >> 16) & 0xFF)); break;
    case 197: glClearColor(byte(a0.i), byte(a1.i), byte(a2.i), 1.0f); break;
    case 198: glClearColor(byte(a0.i & 0xFF), byte((a0.i >> 8) & 0xFF), byte((a0.i >> 16) & 0xFF), 1.0f); break;
    default: return kNotMine;
    }
    return hr::ok;
}

} // namespace vistrel
