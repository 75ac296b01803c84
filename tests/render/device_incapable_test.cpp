// Runs in its own process: once a look-up pass misses a name, no device
// starts for the rest of the process.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/window.h"
#include "render/device.h"
#include "render/gl_entry_points.h"
#include "utils/exceptions.h"

using namespace Zephra;

namespace {

const char* const expectedMessage =
    "Your system is not capable of running this application. This has usually one of the "
    "following causes: \n\n - The graphics hardware device might be Zephra-incompatible. Your "
    "hardware must support at least Shader Model 2.0 to be Zephra-compatible.\n - The drivers "
    "might be outdated. Try downloading the latest drivers from your vendor.";

std::vector<std::string> looked;

// A driver that lacks one function the engine never calls.
void* withoutFramebufferStatus(const char* name) {
    looked.push_back(name);
    if (std::strcmp(name, "glCheckFramebufferStatusEXT") == 0) return nullptr;
    return GLEntryPoints::resolveInCurrentContext(name);
}

std::string refusal(Window& window) {
    try {
        Device device(window, 24, 8, 0, 0);
    } catch (const Exceptions::DeviceNotCapableException& e) {
        return e.getMessage();
    }
    return "started";
}

}  // namespace

TEST(IncapableDevice, OneMissingEntryPointRefusesThisAndEveryLaterDevice) {
    Window window(64, 64, true);
    ASSERT_TRUE(Device::capable);

    GLEntryPoints::setResolver(&withoutFramebufferStatus);
    EXPECT_EQ(refusal(window), expectedMessage);
    EXPECT_FALSE(Device::capable);
    EXPECT_EQ(Device::current, nullptr);
    // Every name was looked up and stored, also after the miss.
    ASSERT_EQ(looked.size(), 40u);
    EXPECT_EQ(looked[27], "glCheckFramebufferStatusEXT");
    EXPECT_EQ(GLEntryPoints::get(27), nullptr);
    for (int i = 28; i < 40; ++i) EXPECT_NE(GLEntryPoints::get(i), nullptr) << looked[i];

    // A capable context later on is refused all the same.
    GLEntryPoints::setResolver(nullptr);
    Window second(64, 64, true);
    EXPECT_EQ(refusal(second), expectedMessage);
    EXPECT_FALSE(Device::capable);
    for (int i = 0; i < 40; ++i) EXPECT_NE(GLEntryPoints::get(i), nullptr) << i;
}
