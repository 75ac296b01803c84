// Browser backend: the guard that lets the renderer hold drawing back.
// Implements: every method of a WebGL context, and of the extension objects
//   it hands out, is wrapped so that drawing the renderer holds is flushed
//   before the call, whenever something is held. The exceptions are the
//   calls that leave all drawing state as it was: setting the active texture
//   unit, and binding what is bound already (a 2D texture, the vertex array,
//   the array buffer), which is left out altogether (the Cg runtime binds a
//   sprite's texture again for every sprite, the immediate batch its arrays
//   for every draw, and in a browser every call costs). Presenting,
//   switching and destroying a context flush first too (web_gl_context.cpp).
// Lacks: nothing a program can see. Code that kept a context method from
//   before the guard was installed would bypass it; the engine installs it
//   as each context starts, before any drawing.
#include "platform/gl_context.h"

#include <emscripten.h>
#include <emscripten/html5.h>

#include "platform/web/web_platform.h"

namespace Zephra {
namespace Platform {

namespace {

// Wraps the context once; the renderer's flag and flush are the same for
// every context (one batch per program), so a later call only renews them.
// Module.zephraHeldDrawing.flushIfHeld draws what is held, if anything.
EM_JS(int, guardWebGLContext, (int handle, int* held, HeldDrawingFlush flush), {
    var context = GL.contexts[handle];
    if (!context) return 0;
    var heldDrawing = Module['zephraHeldDrawing'];
    if (!heldDrawing) {
        heldDrawing = Module['zephraHeldDrawing'] = {};
        heldDrawing.flushIfHeld = function() {
            if (!HEAP32[heldDrawing.held]) return;
            HEAP32[heldDrawing.held] = 0;  // the flush's own GL calls pass straight through
            heldDrawing.flush();
        };
    }
    heldDrawing.held = held >> 2;
    heldDrawing.flush = wasmTable.get(flush);
    var gl = context.GLctx;
    if (gl.zephraGuarded) return 1;

    var flushHeld = heldDrawing.flushIfHeld;
    // What the context has bound, as far as the guard can vouch for it: the
    // active texture unit (-1 while unknown), the 2D texture of each unit,
    // the vertex array and the array buffer (undefined while unknown). A
    // call that would bind what is bound is left out: it would change
    // nothing and draw nothing. An object is vouched for only if this
    // context made it, it is not deleted, and no target that excludes this
    // one has had it, so that a call that would fail still reaches the
    // context and fails there. A lost context forgets everything.
    var TEXTURE_2D = 0x0DE1, TEXTURE0 = 0x84C0;
    var ARRAY_BUFFER = 0x8892, ELEMENT_ARRAY_BUFFER = 0x8893;
    var units = gl.getParameter(0x8B4D);  // MAX_COMBINED_TEXTURE_IMAGE_UNITS
    var unit, bound2D, vertexArray, arrayBuffer;
    var forget = function() {
        unit = -1; bound2D = []; vertexArray = undefined; arrayBuffer = undefined;
    };
    forget();
    gl.canvas.addEventListener('webglcontextlost', forget);
    var made2D = new WeakSet();            // textures that TEXTURE_2D may bind
    var madeVertexArrays = new WeakSet();
    var madeArrayBuffers = new WeakSet();  // buffers that ARRAY_BUFFER may bind
    var vouched = function(object, made) { return object === null || made.has(object) ? object : undefined; };
    var creating = function(target, method, made) {
        return function() {
            flushHeld();
            var object = method.call(target);
            if (object) made.add(object);
            return object;
        };
    };
    var deleting = function(target, method, made, unbind) {
        return function(object) {
            flushHeld();
            if (object) made.delete(object);
            unbind(object);
            return method.call(target, object);
        };
    };

    var wrapped = function(target, name, method) {
        switch (name) {
        case 'activeTexture':
            return function(texture) {
                if (unit >= 0 && texture - TEXTURE0 === unit) return;
                unit = texture >= TEXTURE0 && texture < TEXTURE0 + units ? texture - TEXTURE0 : -1;
                return method.call(target, texture);
            };
        case 'bindTexture':
            return function(kind, texture) {
                if (texture === undefined) texture = null;  // as WebGL reads it
                if (kind === TEXTURE_2D && unit >= 0 && bound2D[unit] === texture) return;
                flushHeld();
                if (kind !== TEXTURE_2D) {
                    if (texture) made2D.delete(texture);
                } else if (unit >= 0) {
                    bound2D[unit] = vouched(texture, made2D);
                }
                return method.call(target, kind, texture);
            };
        case 'bindVertexArray':
            return function(array) {
                if (array === undefined) array = null;
                if (array === vertexArray) return;
                flushHeld();
                vertexArray = vouched(array, madeVertexArrays);
                return method.call(target, array);
            };
        case 'bindBuffer':
            return function(kind, buffer) {
                if (buffer === undefined) buffer = null;
                if (kind === ARRAY_BUFFER && buffer === arrayBuffer) return;
                flushHeld();
                if (kind === ARRAY_BUFFER)
                    arrayBuffer = vouched(buffer, madeArrayBuffers);
                else if (kind === ELEMENT_ARRAY_BUFFER && buffer)
                    madeArrayBuffers.delete(buffer);
                return method.call(target, kind, buffer);
            };
        case 'createTexture': return creating(target, method, made2D);
        case 'createVertexArray': return creating(target, method, madeVertexArrays);
        case 'createBuffer': return creating(target, method, madeArrayBuffers);
        // Deleting a bound object unbinds it (a texture on every unit).
        case 'deleteTexture':
            return deleting(target, method, made2D, function() { bound2D = []; });
        case 'deleteVertexArray':
            return deleting(target, method, madeVertexArrays, function(array) {
                if (array === vertexArray) vertexArray = undefined;
            });
        case 'deleteBuffer':
            return deleting(target, method, madeArrayBuffers, function(buffer) {
                if (buffer === arrayBuffer) arrayBuffer = undefined;
            });
        case 'getExtension':
            return function(extensionName) {
                flushHeld();
                var extension = method.call(target, extensionName);
                if (extension) guard(extension);
                return extension;
            };
        default:
            return function() {
                flushHeld();
                return method.apply(target, arguments);
            };
        }
    };
    var guard = function(target) {
        if (target.zephraGuarded) return;
        target.zephraGuarded = true;
        for (var name in target) {
            var method = target[name];
            if (typeof method === 'function') target[name] = wrapped(target, name, method);
        }
    };
    // The extensions the runtime fetched when it made the context, which it
    // keeps on the context object, then the context itself.
    for (var key of Object.keys(gl)) {
        var value = gl[key];
        if (value && typeof value === 'object') guard(value);
    }
    guard(gl);
    return 1;
});

EM_JS(void, flushWebGLHeldDrawing, (), {
    var heldDrawing = Module['zephraHeldDrawing'];
    if (heldDrawing) heldDrawing.flushIfHeld();
});

}  // namespace

bool guardHeldDrawing(int* held, HeldDrawingFlush flush) {
    const EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context = emscripten_webgl_get_current_context();
    return context > 0 && guardWebGLContext(static_cast<int>(context), held, flush) != 0;
}

namespace Web {
void flushHeldDrawing() { flushWebGLHeldDrawing(); }
}  // namespace Web

}  // namespace Platform
}  // namespace Zephra
