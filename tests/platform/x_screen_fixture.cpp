// The X half of a fixture, for backends whose windows are X windows (SDL on
// X11, Win32 under Wine): the screen is an X server, xwininfo sees it and
// xdotool is the user's hands.
#include <vector>

#include "backend_fixture.h"
#include "x_tools.h"

namespace ZephraTest {
namespace Backend {
namespace {

int xButton(Zephra::MouseButtonEnum button) {
    return button == Zephra::MouseButtonEnum::Left ? 1 : 3;
}

}  // namespace

ScreenWindow onScreen(const std::string& id) {
    const XWindow x = describeWindow(id);
    ScreenWindow window;
    window.exists = x.exists;
    window.viewable = x.viewable;
    window.x = x.x;
    window.y = x.y;
    window.width = x.width;
    window.height = x.height;
    window.title = x.name;
    return window;
}

bool movePointer(int x, int y) { return ZephraTest::movePointer(x, y); }

bool movePointerThrough(int count, int x0, int y0, int spanX, int spanY) {
    std::vector<std::pair<int, int>> points;
    for (int i = 0; i < count; ++i) points.emplace_back(x0 + i % spanX, y0 + i % spanY);
    return ZephraTest::movePointerThrough(points);
}

bool pressButton(Zephra::MouseButtonEnum button) { return ZephraTest::pressButton(xButton(button)); }

bool releaseButton(Zephra::MouseButtonEnum button) {
    return ZephraTest::releaseButton(xButton(button));
}

bool clickButton(Zephra::MouseButtonEnum button) {
    return ZephraTest::clickButton(xButton(button), 0);
}

bool pressEscape() { return pressKey("Escape"); }

bool releaseEscape() { return releaseKey("Escape"); }

bool tapEscape() { return tapKey("Escape", 0); }

bool focus(const Zephra::Window& window) { return focusWindow(screenId(window)); }

bool resizeFromOutside(const std::string& id, int width, int height) {
    return resizeWindow(id, width, height);
}

bool requestClose(const std::string& id) { return sendCloseRequest(id); }

std::string findBox(const std::string& caption) {
    const std::optional<XWindow> box = findWindow(caption);
    return box ? box->id : std::string();
}

std::string describeScreen() {
    std::string report;
    for (const XWindow& window : listWindows())
        report += "\n  " + window.id + " \"" + window.name + "\" " + std::to_string(window.width) +
                  "x" + std::to_string(window.height) + (window.viewable ? "" : " (not viewable)");
    return report.empty() ? " no titled window" : report;
}

bool dismissBox(const std::string& id) { return tapKeyIn(id, "Return"); }

}  // namespace Backend
}  // namespace ZephraTest
