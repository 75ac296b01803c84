// Browser backend: the error box.
// Implements: one line "Error: <text>" on stderr (the browser's console),
//   always; then the page's error element, captioned, with the text and one
//   OK button, in place of the canvas, which is removed: the game is over.
// Lacks: not modal (nothing on the page waits for it); the OK button only
//   closes the box.
#include "platform/message_box.h"

#include <emscripten.h>

#include "platform/error_line.h"

namespace Zephra {
namespace {

// Built here rather than found in the page, so that any page shows it.
EM_JS(void, showErrorElement, (const char* caption, const char* text), {
    var canvas = document.getElementById('canvas');
    if (canvas) canvas.remove();
    var box = document.createElement('div');
    box.id = 'error-box';
    box.setAttribute('role', 'alertdialog');
    box.setAttribute('aria-labelledby', 'error-caption');
    var heading = document.createElement('h1');
    heading.id = 'error-caption';
    heading.textContent = UTF8ToString(caption);
    var message = document.createElement('p');
    message.id = 'error-message';
    message.textContent = UTF8ToString(text);
    var ok = document.createElement('button');
    ok.textContent = 'OK';
    ok.onclick = function() { box.remove(); };
    box.append(heading, message, ok);
    document.body.appendChild(box);
    ok.focus();
});

}  // namespace

void showErrorBox(const std::string& caption, const std::string& text) {
    Platform::writeErrorLine(text);
    showErrorElement(caption.c_str(), text.c_str());
}

}  // namespace Zephra
