#include <gtest/gtest.h>

#include <cstring>

#include "utils/memory_stream.h"

using Zephra::Utils::MemoryStream;
namespace Utils = Zephra::Utils;

TEST(MemoryStream, ReadsWholeElementsLikeFread) {
    const char bytes[] = "abcdefg";
    MemoryStream stream(bytes, 7);
    char buffer[8] = {};
    EXPECT_EQ(stream.read(buffer, 2, 2), 2);
    EXPECT_STREQ(buffer, "abcd");
    // Three bytes left: one whole element of two, and the odd byte consumed.
    std::memset(buffer, 0, sizeof buffer);
    EXPECT_EQ(stream.read(buffer, 2, 5), 1);
    EXPECT_STREQ(buffer, "efg");
    EXPECT_EQ(stream.read(buffer, 1, 1), 0);
    EXPECT_EQ(stream.read(buffer, 0, 4), 0);
    EXPECT_EQ(stream.read(buffer, 1, -3), 0);
}

TEST(MemoryStream, SeeksFromEachOriginAndRefusesNegativePositions) {
    const char bytes[] = "0123456789";
    MemoryStream stream(bytes, 10);
    char c = 0;
    EXPECT_EQ(stream.seek(-3, Utils::End), 0);
    stream.read(&c, 1, 1);
    EXPECT_EQ(c, '7');
    EXPECT_EQ(stream.seek(-2, Utils::Current), 0);
    stream.read(&c, 1, 1);
    EXPECT_EQ(c, '6');
    EXPECT_NE(stream.seek(-1, Utils::Begin), 0);
    stream.read(&c, 1, 1);
    EXPECT_EQ(c, '7');  // the failed seek left the position alone
    EXPECT_EQ(stream.seek(50, Utils::Begin), 0);
    EXPECT_EQ(stream.read(&c, 1, 1), 0);
    EXPECT_NE(stream.seek(INT32_MAX, Utils::End), 0);  // beyond what a position can hold
}

TEST(MemoryStream, GetSizeRewindsToTheStart) {
    const char bytes[] = "xyz";
    MemoryStream stream(bytes, 3);
    char pair[2];
    stream.read(pair, 1, 2);
    EXPECT_EQ(stream.getSize(), 3);
    char c = 0;
    stream.read(&c, 1, 1);
    EXPECT_EQ(c, 'x');
    MemoryStream empty(nullptr, -5);
    EXPECT_EQ(empty.getSize(), 0);
    EXPECT_EQ(empty.read(&c, 1, 1), 0);
}
