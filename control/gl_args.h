// How 16-bit arguments widen: enumerations and unsigned names take the
// 16-bit pattern (so the vertex-array constants stored as negative values
// arrive as 0x8074..), signed integers keep their sign.
#pragma once

#include "arguments.h"
#include "gl_headers.h"

namespace vistrel {

inline GLenum E(const Arg& a) { return static_cast<GLenum>(static_cast<uint16_t>(a.i)); }
inline GLuint U(const Arg& a) { return static_cast<GLuint>(static_cast<uint16_t>(a.i)); }
inline GLint I(const Arg& a) { return a.i; }
inline GLboolean B(const Arg& a) { return a.i ? GL_TRUE : GL_FALSE; }

// Values per control point of an evaluator, NURBS or trim type; 0 when unknown.
inline int valuesPerPoint(GLenum type)
{
    switch (type) {
    case GL_MAP1_INDEX: case GL_MAP2_INDEX:
    case GL_MAP1_TEXTURE_COORD_1: case GL_MAP2_TEXTURE_COORD_1: return 1;
    case GL_MAP1_TEXTURE_COORD_2: case GL_MAP2_TEXTURE_COORD_2: case GLU_MAP1_TRIM_2: return 2;
    case GL_MAP1_VERTEX_3: case GL_MAP2_VERTEX_3: case GL_MAP1_NORMAL: case GL_MAP2_NORMAL:
    case GL_MAP1_TEXTURE_COORD_3: case GL_MAP2_TEXTURE_COORD_3: case GLU_MAP1_TRIM_3: return 3;
    case GL_MAP1_VERTEX_4: case GL_MAP2_VERTEX_4: case GL_MAP1_COLOR_4: case GL_MAP2_COLOR_4:
    case GL_MAP1_TEXTURE_COORD_4: case GL_MAP2_TEXTURE_COORD_4: return 4;
    default: return 0;
    }
}

} // namespace vistrel
