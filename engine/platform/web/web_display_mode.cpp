// Browser backend: the full-screen display-mode switch.
// Implements: the pointer is hidden over the canvas for good.
// Lacks: a page cannot change the display's mode; the canvas keeps its
//   drawing buffer and the page scales it. Full screen is the browser's own,
//   asked for by the page's button (browsers allow it only on a click).
#include "platform/window.h"

#include <emscripten.h>

namespace Zephra {
namespace {

EM_JS(void, hideCanvasPointer, (), {
    var canvas = document.getElementById('canvas');
    if (canvas) canvas.style.cursor = 'none';
});

}  // namespace

void changeDisplayMode(int, int, int) { hideCanvasPointer(); }

}  // namespace Zephra
