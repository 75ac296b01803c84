// Browser backend: polled keyboard and mouse state.
// Implements: the page's own listeners (on the whole window, so keys reach
//   the game without a click on the canvas first) keep the Escape key and
//   the two mouse buttons as "down now" plus a press latched since the
//   previous query, and the pointer's last position; the cursor is mapped
//   from the page into the canvas's drawing-buffer pixels at whatever size
//   the page shows the canvas. Leaving the page (blur) lets go of everything
//   held, since its release would never be seen.
//   Mouse presses are taken as they bubble up, so that the page's own
//   controls can keep a click to themselves.
// Lacks: input reaches a page only while its tab has the focus; until the
//   pointer first moves over the page its position reads as the canvas's
//   centre; the right button's menu is the page's to suppress; a canvas that
//   the page moves without resizing anything (no window or canvas resize,
//   scroll or full-screen change) maps the pointer by its old place.
#include "platform/input.h"

#include <emscripten.h>

#include "platform/web/web_platform.h"
#include "platform/window.h"

namespace Zephra {
namespace {

// Module.zephraInput: down[i] and pressed[i] for 0 Escape, 1 left, 2 right,
// and the pointer: where on the page (clientX, clientY), and where in the
// canvas's drawing-buffer pixels (x, y; null until asked for after a move).
// The canvas's place on the page and its size are kept (asking for them in
// a frame costs DOM and layout queries) until anything moves or scales it: a
// resize of the window or the canvas, a scroll, a change to or from full
// screen, a new size from the program.
EM_JS(void, installInputListeners, (), {
    if (Module['zephraInput']) return;
    var input = { down: [false, false, false], pressed: [false, false, false],
                  clientX: null, clientY: null, x: null, y: null, place: null, observed: null };
    Module['zephraInput'] = input;
    input.forget = function() { input.place = null; input.x = null; };
    input.map = function() {
        var place = input.place;
        if (!place) {
            var canvas = document.getElementById('canvas');
            if (!canvas) return;
            place = input.place = { rect: canvas.getBoundingClientRect(),
                                    width: canvas.width, height: canvas.height };
            if (input.observed !== canvas && typeof ResizeObserver !== 'undefined') {
                input.observed = canvas;
                new ResizeObserver(input.forget).observe(canvas);
            }
        }
        var rect = place.rect;
        if (input.clientX === null || rect.width <= 0 || rect.height <= 0) {
            input.x = place.width / 2; input.y = place.height / 2;
        } else {
            input.x = (input.clientX - rect.left) * place.width / rect.width;
            input.y = (input.clientY - rect.top) * place.height / rect.height;
        }
    };
    var pointAt = function(e) { input.clientX = e.clientX; input.clientY = e.clientY; input.x = null; };
    var press = function(i) { input.down[i] = true; input.pressed[i] = true; };
    var buttonSlot = function(button) { return button === 0 ? 1 : button === 2 ? 2 : -1; };
    window.addEventListener('keydown', function(e) {
        if (e.key === 'Escape' || e.code === 'Escape') press(0);
    }, true);
    window.addEventListener('keyup', function(e) {
        if (e.key === 'Escape' || e.code === 'Escape') input.down[0] = false;
    }, true);
    window.addEventListener('mousedown', function(e) {
        var i = buttonSlot(e.button);
        if (i > 0) press(i);
        pointAt(e);
    });
    window.addEventListener('mouseup', function(e) {
        var i = buttonSlot(e.button);
        if (i > 0) input.down[i] = false;
    }, true);
    window.addEventListener('mousemove', pointAt, true);
    window.addEventListener('blur', function() {
        input.down = [false, false, false];
    });
    window.addEventListener('resize', input.forget);
    window.addEventListener('scroll', input.forget, true);
    document.addEventListener('fullscreenchange', input.forget);
});

EM_JS(void, forgetCanvasPlace, (), {
    var input = Module['zephraInput'];
    if (input) input.forget();
});

EM_JS(int, queryInput, (int slot), {
    var input = Module['zephraInput'];
    if (!input) return 0;
    var result = input.down[slot] || input.pressed[slot];
    input.pressed[slot] = false;
    return result ? 1 : 0;
});

// Writes the pointer in drawing-buffer pixels of the canvas to out[0],
// out[1]; 0, 0 while the page has no canvas.
EM_JS(void, queryCursor, (int* out), {
    var input = Module['zephraInput'];
    if (input && input.x === null) input.map();
    var known = input && input.x !== null;
    HEAP32[out >> 2] = known ? Math.floor(input.x) : 0;
    HEAP32[(out >> 2) + 1] = known ? Math.floor(input.y) : 0;
});

int slotOf(MouseButtonEnum button) { return button == MouseButtonEnum::Left ? 1 : 2; }

}  // namespace

namespace Platform {
namespace Web {

void listenToInput() { installInputListeners(); }

void canvasResized() { forgetCanvasPlace(); }

}  // namespace Web
}  // namespace Platform

bool isKeyDown(KeyEnum key) { return key == KeyEnum::Escape && queryInput(0) != 0; }

bool isMouseButtonDown(MouseButtonEnum button) { return queryInput(slotOf(button)) != 0; }

void getCursorPosition(const Window&, int& x, int& y) {
    int position[2] = {0, 0};
    queryCursor(position);
    x = position[0];
    y = position[1];
}

}  // namespace Zephra
