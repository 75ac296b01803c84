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

// Module.zephraInput: down[i] and pressed[i] for 0 Escape, 1 left, 2 right.
EM_JS(void, installInputListeners, (), {
    if (Module['zephraInput']) return;
    var input = { down: [false, false, false], pressed: [false, false, false],
                  clientX: null, clientY: null };
    Module['zephraInput'] = input;
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
        input.clientX = e.clientX; input.clientY = e.clientY;
    });
    window.addEventListener('mouseup', function(e) {
        var i = buttonSlot(e.button);
        if (i > 0) input.down[i] = false;
    }, true);
    window.addEventListener('mousemove', function(e) {
        input.clientX = e.clientX; input.clientY = e.clientY;
    }, true);
    window.addEventListener('blur', function() {
        input.down = [false, false, false];
    });
});

EM_JS(int, queryInput, (int slot), {
    var input = Module['zephraInput'];
    if (!input) return 0;
    var result = input.down[slot] || input.pressed[slot];
    input.pressed[slot] = false;
    return result ? 1 : 0;
});

// Writes the pointer in drawing-buffer pixels of the canvas to out[0], out[1].
// The canvas's place on the page is kept between frames (asking for it
// every frame costs a layout query) and asked again after anything that
// moves or scales it: a resize of the window or the canvas, a scroll, a
// change to or from full screen.
EM_JS(void, queryCursor, (int* out), {
    var input = Module['zephraInput'];
    var canvas = document.getElementById('canvas');
    var x = 0, y = 0;
    if (canvas) {
        var place = Module['zephraCanvasPlace'];
        if (!place || place.canvas !== canvas) {
            place = Module['zephraCanvasPlace'] = { canvas: canvas, rect: null };
            var forget = function() { place.rect = null; };
            window.addEventListener('resize', forget);
            window.addEventListener('scroll', forget, true);
            document.addEventListener('fullscreenchange', forget);
            if (typeof ResizeObserver !== 'undefined') new ResizeObserver(forget).observe(canvas);
        }
        if (!place.rect) place.rect = canvas.getBoundingClientRect();
        var rect = place.rect;
        if (!input || input.clientX === null || rect.width <= 0 || rect.height <= 0) {
            x = canvas.width / 2; y = canvas.height / 2;
        } else {
            x = (input.clientX - rect.left) * canvas.width / rect.width;
            y = (input.clientY - rect.top) * canvas.height / rect.height;
        }
    }
    HEAP32[out >> 2] = Math.floor(x);
    HEAP32[(out >> 2) + 1] = Math.floor(y);
});

int slotOf(MouseButtonEnum button) { return button == MouseButtonEnum::Left ? 1 : 2; }

}  // namespace

namespace Platform {
namespace Web {

void listenToInput() { installInputListeners(); }

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
