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

} // namespace vistrel
