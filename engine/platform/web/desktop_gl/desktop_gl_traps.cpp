// Browser backend: the desktop OpenGL functions that WebGL lacks.
// Implements: the few immediate-mode and GLU functions that the engine's and
// the Cg runtime's desktop paths name, so that one engine links everywhere.
//   On WebGL 2 (an ES context) those paths are never taken; a call would be a
//   fault in the engine, so each stops the program with a clear message
//   instead of drawing nothing.
// Lacks: desktop OpenGL itself (no compatibility profile in a browser).
#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void desktopOnly(const char* name) {
    std::fprintf(stderr, "Error: %s is desktop OpenGL, which the browser does not have\n", name);
    std::abort();
}

}  // namespace

extern "C" {

void glVertex4fv(const GLfloat*) { desktopOnly("glVertex4fv"); }
void glTexCoord4fv(const GLfloat*) { desktopOnly("glTexCoord4fv"); }
void glNormal3fv(const GLfloat*) { desktopOnly("glNormal3fv"); }
void glColor4fv(const GLfloat*) { desktopOnly("glColor4fv"); }
void glVertex4dv(const GLdouble*) { desktopOnly("glVertex4dv"); }
void glNormal3dv(const GLdouble*) { desktopOnly("glNormal3dv"); }
void glColor4dv(const GLdouble*) { desktopOnly("glColor4dv"); }
void glGetDoublev(GLenum, GLdouble*) { desktopOnly("glGetDoublev"); }
void glGetTexLevelParameteriv(GLenum, GLint, GLenum, GLint*) { desktopOnly("glGetTexLevelParameteriv"); }
GLint gluBuild2DMipmaps(GLenum, GLint, GLsizei, GLsizei, GLenum, GLenum, const void*) {
    desktopOnly("gluBuild2DMipmaps");
}

}  // extern "C"
