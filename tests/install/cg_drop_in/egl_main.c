/* The drop-in check through EGL: a desktop OpenGL context on a pbuffer, made
 * as a program without a window system would make it. */
#define EGL_NO_X11
#include <EGL/egl.h>
#include <stdio.h>
#include <string.h>

#include "scene.h"

/* Mesa's display that needs no window system, where there is one; the
 * default display otherwise. */
static EGLDisplay openDisplay(void) {
    const char* extensions = eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS);
    EGLDisplay display = EGL_NO_DISPLAY;
    if (extensions && strstr(extensions, "EGL_MESA_platform_surfaceless"))
        display = eglGetPlatformDisplay(0x31DD /* EGL_PLATFORM_SURFACELESS_MESA */, EGL_DEFAULT_DISPLAY,
                                        NULL);
    if (display != EGL_NO_DISPLAY && eglInitialize(display, NULL, NULL)) return display;
    display = eglGetDisplay(EGL_DEFAULT_DISPLAY);
    if (display != EGL_NO_DISPLAY && eglInitialize(display, NULL, NULL)) return display;
    return EGL_NO_DISPLAY;
}

int main(void) {
    static const EGLint configAttributes[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RENDERABLE_TYPE,
                                              EGL_OPENGL_BIT, EGL_RED_SIZE, 8, EGL_GREEN_SIZE, 8,
                                              EGL_BLUE_SIZE, 8, EGL_NONE};
    static const EGLint surfaceAttributes[] = {EGL_WIDTH, SCENE_WIDTH, EGL_HEIGHT, SCENE_HEIGHT,
                                               EGL_NONE};
    EGLDisplay display = openDisplay();
    EGLConfig config;
    EGLint count = 0;
    EGLSurface surface;
    EGLContext context;
    if (display == EGL_NO_DISPLAY) {
        fprintf(stderr, "no EGL display\n");
        return 1;
    }
    if (!eglBindAPI(EGL_OPENGL_API) || !eglChooseConfig(display, configAttributes, &config, 1, &count) ||
        count < 1) {
        fprintf(stderr, "no EGL configuration for desktop OpenGL on a pbuffer\n");
        return 1;
    }
    surface = eglCreatePbufferSurface(display, config, surfaceAttributes);
    context = eglCreateContext(display, config, EGL_NO_CONTEXT, NULL);
    if (surface == EGL_NO_SURFACE || context == EGL_NO_CONTEXT ||
        !eglMakeCurrent(display, surface, surface, context)) {
        fprintf(stderr, "no EGL context\n");
        return 1;
    }
    return drawAndCheckScene();
}
