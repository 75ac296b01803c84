// The error box: a box captioned "Error" that waits for the user, and its
// one line on stderr, which is all there is without a display.
#include <gtest/gtest.h>

#include "backend_fixture.h"
#include "wait.h"

using namespace ZephraTest;

TEST(ErrorBox, ShowsABoxNamedErrorUntilDismissedAndWritesOneLine) {
    const auto box = Backend::showErrorBoxAside("Error", "File not found:\ndata/star.png", true);
    std::string id;
    ASSERT_TRUE(waitUntil([&] { return !(id = Backend::findBox("Error")).empty(); }))
        << "no window named \"Error\"; on the screen: " << Backend::describeScreen();
    if (backendCan(Need::ModalErrorBox)) {
        EXPECT_FALSE(box->returned()) << "the box did not wait for the user";
    }
    EXPECT_TRUE(Backend::dismissBox(id));
    EXPECT_TRUE(waitUntil([&] { return box->returned(); })) << "the box did not close on Return";
    EXPECT_EQ(box->errorOutput(), "Error: File not found: data/star.png\n");
}

TEST(ErrorBox, WithoutADisplayWritesStderrAndReturns) {
    SKIP_UNLESS_BACKEND_CAN(Need::NoDisplay);
    const auto box = Backend::showErrorBoxAside("Error", "No device", false);
    EXPECT_TRUE(waitUntil([&] { return box->returned(); }));
    EXPECT_EQ(box->errorOutput(), "Error: No device\n");
}
