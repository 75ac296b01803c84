// Linked into a suite, this gives each of its test processes an X server of
// its own before the first test runs (ctest starts one process per test).
#include <gtest/gtest.h>

#include "private_display.h"

namespace {

// The server stays up until the process ends: SDL keeps its X connection
// open for the whole process, so stopping the server earlier would end the
// process from inside Xlib. The server goes with the process.
ZephraTest::PrivateDisplay* processDisplay = nullptr;

class PrivateDisplayEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (!processDisplay) processDisplay = new ZephraTest::PrivateDisplay();
    }
};

[[maybe_unused]] const auto* registered =
    ::testing::AddGlobalTestEnvironment(new PrivateDisplayEnvironment);

}  // namespace
