// The suite's main in the browser: each case on a fresh canvas, and the
// result to the page through Module.zephraTestDone rather than the program's
// exit, which asyncify makes happen after main's first return to the page.
#include <emscripten.h>
#include <gtest/gtest.h>

#include <cstdio>

namespace {

EM_JS(void, reportResult, (int status), {
    if (Module['zephraTestDone']) Module['zephraTestDone'](status);
});

// A canvas keeps the buffers of its first WebGL context for good, so one
// case's context would decide the next one's: each case gets a fresh canvas
// in the same place, as each SDL case gets an X server of its own.
EM_JS(void, replaceCanvas, (), {
    var canvas = document.getElementById('canvas');
    if (canvas) canvas.replaceWith(canvas.cloneNode(false));
});

class FreshCanvasPerCase : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { replaceCanvas(); }
};

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new FreshCanvasPerCase);
    const int status = RUN_ALL_TESTS();
    std::fflush(stdout);
    std::fflush(stderr);
    reportResult(status);
    return status;
}
