// OpenGL 1.1 and GLU as the control calls them.
#pragma once

#include <GL/gl.h>
#include <GL/glu.h>
