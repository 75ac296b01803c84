// The browser backend in headless Chromium: the screen is the page (its
// viewport, in CSS pixels), a window is the page's canvas as laid out there,
// and the user's hands are the test's driver (tests/web/platform_test.js),
// which sends trusted mouse and key events through the browser's own input
// path. The program asks the driver and waits for its answer (asyncify), so
// the page handles the events meanwhile.
#include <emscripten.h>

#include <GL/gl.h>

#include <cstdlib>
#include <string>

#include "backend_fixture.h"
#include "platform/message_box.h"
#include "wait.h"

namespace ZephraTest {
namespace {

// Asks the driver to act as the user; 1 once the page has taken the events.
EM_ASYNC_JS(int, askDriver, (const char* request), {
    var driver = window['zephraTestDriver'];
    if (!driver) return 0;
    return (await driver(UTF8ToString(request))) ? 1 : 0;
});

bool ask(const std::string& request) { return askDriver(request.c_str()) != 0; }

std::string buttonName(Zephra::MouseButtonEnum button) {
    return button == Zephra::MouseButtonEnum::Left ? "left" : "right";
}

// The canvas as laid out on the page: out = {exists, viewable, x, y, w, h}.
EM_JS(void, readCanvas, (int* out), {
    var canvas = document.getElementById('canvas');
    var values = [0, 0, 0, 0, 0, 0];
    if (canvas && canvas.isConnected) {
        var rect = canvas.getBoundingClientRect();
        var style = getComputedStyle(canvas);
        values = [1, style.display !== 'none' && style.visibility !== 'hidden' &&
                     rect.width > 0 && rect.height > 0 ? 1 : 0,
                  Math.round(rect.left), Math.round(rect.top),
                  Math.round(rect.width), Math.round(rect.height)];
    }
    for (var i = 0; i < 6; ++i) HEAP32[(out >> 2) + i] = values[i];
});

EM_JS(void, readTitle, (char* out, int size), { stringToUTF8(document.title, out, size); });

// The id of a shown dialog captioned caption ('' if none).
EM_JS(void, findDialog, (const char* caption, char* out, int size), {
    var wanted = UTF8ToString(caption), found = "";
    document.querySelectorAll('[role=alertdialog]').forEach(function(box) {
        var label = document.getElementById(box.getAttribute('aria-labelledby'));
        if (!found && box.isConnected && box.id && label && label.textContent === wanted)
            found = box.id;
    });
    stringToUTF8(found, out, size);
});

EM_JS(int, elementPresent, (const char* id), {
    return document.getElementById(UTF8ToString(id)) ? 1 : 0;
});

EM_JS(void, describePage, (char* out, int size), {
    var lines = [];
    for (var element = document.body.firstElementChild; element;
         element = element.nextElementSibling) {
        if (element.tagName === 'SCRIPT') continue;
        lines.push('  <' + element.tagName.toLowerCase() + (element.id ? ' id=' + element.id : "") +
                   '> "' + element.textContent.replace(/[^ -~]+/g, ' ').trim() + '"');
    }
    var newline = String.fromCharCode(10);
    stringToUTF8(lines.length ? newline + lines.join(newline) : ' an empty page', out, size);
});

// What the program has written to stderr, line by line, as the page keeps it
// (Module.printErr in the driver's page).
EM_JS(int, stderrLineCount, (), {
    var lines = Module['zephraStderr'];
    return lines ? lines.length : 0;
});
EM_JS(void, stderrLinesFrom, (int first, char* out, int size), {
    var lines = (Module['zephraStderr'] || []).slice(first);
    var newline = String.fromCharCode(10);
    stringToUTF8(lines.map(function(line) { return line + newline; }).join(""), out, size);
});

// The error element replaces the canvas; the page gets its canvas back
// afterwards, where it was, for the cases that follow.
EM_JS(void, keepCanvasPlace, (), {
    var canvas = document.getElementById('canvas');
    Module['zephraTestCanvasPlace'] = canvas ? { canvas: canvas, parent: canvas.parentNode,
                                             next: canvas.nextSibling } : null;
});
EM_JS(void, restorePage, (), {
    var box = document.getElementById('error-box');
    if (box) box.remove();
    var place = Module['zephraTestCanvasPlace'];
    if (place && !place.canvas.isConnected) place.parent.insertBefore(place.canvas, place.next);
});

std::string fromBuffer(void (*read)(char*, int)) {
    char text[4096] = {};
    read(text, sizeof text);
    return text;
}

// The page's error element: showErrorBox puts it up and returns at once.
class PageBox : public ShownErrorBox {
public:
    PageBox(const std::string& caption, const std::string& text) : firstLine(stderrLineCount()) {
        keepCanvasPlace();
        Zephra::showErrorBox(caption, text);
        done = true;
    }
    ~PageBox() override { restorePage(); }

    bool returned() override { return done; }

    std::string errorOutput() override {
        char text[4096] = {};
        stderrLinesFrom(firstLine, text, sizeof text);
        return text;
    }

private:
    int firstLine;
    bool done = false;
};

}  // namespace

namespace Backend {

std::string cannot(Need need) {
    switch (need) {
    case Need::ResizeFromOutside:
        return "the canvas's drawing buffer is the program's alone: resizing the browser's "
               "window scales the canvas on the page, never its buffer";
    case Need::NoDisplay:
        return "a page always has its document to show the box in: there is no run "
               "without a display";
    case Need::ProbedMultisampleFormat:
        return "WebGL's antialias attribute is the multisample chooser: no temporary "
               "context, so no probe runs";
    case Need::PlaceWindow:
        return "the page lays out its canvas itself: a program cannot place its window";
    case Need::SeveralWindows:
        return "a page has one canvas, which every window shares: a second window "
               "resizes the first";
    case Need::CloseRequest:
        return "a tab has no close box of the program's: closing it ends the page outright";
    case Need::DesktopGL:
        return "a browser has WebGL 2 (OpenGL ES 3.0) only: no desktop context, no "
               "immediate mode, no double-buffer query";
    case Need::ModalErrorBox:
        return "nothing on a page waits: showErrorBox puts up the error element and "
               "returns, the game being over";
    }
    return "unknown need";
}

std::string screenId(const Zephra::Window&) { return "canvas"; }

ScreenWindow onScreen(const std::string& id) {
    ScreenWindow window;
    if (id != "canvas") return window;
    int values[6] = {};
    readCanvas(values);
    window.exists = values[0] != 0;
    window.viewable = values[1] != 0;
    window.x = values[2];
    window.y = values[3];
    window.width = values[4];
    window.height = values[5];
    window.title = fromBuffer(readTitle);
    return window;
}

void frameInset(const Zephra::Window&, int& left, int& top) {
    // The browser's tab is the frame: the canvas has none of its own.
    left = 0;
    top = 0;
}

bool movePointer(int x, int y) {
    return ask("move " + std::to_string(x) + " " + std::to_string(y));
}

bool movePointerThrough(int count, int x0, int y0, int spanX, int spanY) {
    return ask("moveThrough " + std::to_string(count) + " " + std::to_string(x0) + " " +
               std::to_string(y0) + " " + std::to_string(spanX) + " " + std::to_string(spanY));
}

bool pressButton(Zephra::MouseButtonEnum button) { return ask("down " + buttonName(button)); }

bool releaseButton(Zephra::MouseButtonEnum button) { return ask("up " + buttonName(button)); }

bool clickButton(Zephra::MouseButtonEnum button) { return ask("click " + buttonName(button)); }

bool pressEscape() { return ask("keyDown Escape"); }

bool releaseEscape() { return ask("keyUp Escape"); }

bool tapEscape() { return ask("keyPress Escape"); }

bool focus(const Zephra::Window&) { return ask("focus"); }

bool resizeFromOutside(const std::string&, int, int) { return false; }

bool requestClose(const std::string&) { return false; }

std::unique_ptr<ShownErrorBox> showErrorBoxAside(const std::string& caption,
                                                 const std::string& text, bool) {
    return std::make_unique<PageBox>(caption, text);
}

std::string findBox(const std::string& caption) {
    char id[256] = {};
    findDialog(caption.c_str(), id, sizeof id);
    return id;
}

std::string describeScreen() { return fromBuffer(describePage); }

// Return, to the box's focused button; dismissed once the box has gone.
bool dismissBox(const std::string& id) {
    return ask("keyPress Enter") && waitUntil([&] { return elementPresent(id.c_str()) == 0; });
}

}  // namespace Backend
}  // namespace ZephraTest

// The contract's immediate-mode draw names these; it is left out here
// (Need::DesktopGL), and WebGL has no such calls to link.
extern "C" {
[[noreturn]] static void notInWebGL(const char* name) {
    emscripten_log(EM_LOG_ERROR, "%s is not in WebGL", name);
    std::abort();
}
void glBegin(GLenum) { notInWebGL("glBegin"); }
void glEnd() { notInWebGL("glEnd"); }
void glColor3f(GLfloat, GLfloat, GLfloat) { notInWebGL("glColor3f"); }
void glVertex2f(GLfloat, GLfloat) { notInWebGL("glVertex2f"); }
}
