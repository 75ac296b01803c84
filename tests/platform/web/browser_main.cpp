// The suite's main in the browser: the page learns the result from
// Module.zephraTestDone rather than from the program's exit, which asyncify
// makes happen after main's first return to the page.
#include <emscripten.h>
#include <gtest/gtest.h>

#include <cstdio>

namespace {

EM_JS(void, reportResult, (int status), {
    if (Module['zephraTestDone']) Module['zephraTestDone'](status);
});

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    std::fflush(stdout);
    std::fflush(stderr);
    reportResult(status);
    return status;
}
