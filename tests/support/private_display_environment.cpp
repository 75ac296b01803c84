// Linked into a suite, this gives each of its test processes an X server of
// its own before the first test runs (ctest starts one process per test).
#include <gtest/gtest.h>

#include "private_display.h"

namespace {

class PrivateDisplayEnvironment : public ::testing::Environment {
public:
    // The server stays up until the process ends: SDL keeps its X connection
    // open for the whole process, so stopping the server earlier would end
    // the process from inside Xlib. The server goes with the process.
    void SetUp() override {
        if (!display) display = new ZephraTest::PrivateDisplay();
    }

private:
    ZephraTest::PrivateDisplay* display = nullptr;
};

[[maybe_unused]] const auto* registered = ::testing::AddGlobalTestEnvironment(new PrivateDisplayEnvironment);

}  // namespace
