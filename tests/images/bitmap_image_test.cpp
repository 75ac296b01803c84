#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "media/image.h"
#include "utils/exceptions.h"

using Zephra::BitmapImage;
using Zephra::Image;

TEST(BitmapImage, AllocatesZeroedTightlyPackedBuffer) {
    BitmapImage image(4, 2, Zephra::RGB8);
    EXPECT_EQ(image.getWidth(), 4);
    EXPECT_EQ(image.getHeight(), 2);
    EXPECT_EQ(image.getPixelType(), Zephra::RGB8);
    ASSERT_NE(image.getData(), nullptr);
    EXPECT_EQ(std::vector<unsigned char>(image.getData(), image.getData() + 24),
              std::vector<unsigned char>(24, 0));

    BitmapImage canvas(3, 5, Zephra::Luminance8);
    canvas.getData()[14] = 7;  // the last byte of 15 is writable
    BitmapImage empty(0, 9, Zephra::RGBA8);
    EXPECT_NE(empty.getData(), nullptr);
}

TEST(BitmapImage, RejectsTextureOnlyPixelTypes) {
    for (Zephra::PixelType type : {Zephra::RGBA32F, Zephra::Depth16, Zephra::Depth24}) {
        try {
            BitmapImage image(2, 2, type);
            ADD_FAILURE() << "accepted pixel type " << type;
        } catch (const Zephra::Exceptions::Exception& e) {
            EXPECT_EQ(e.getMessage(), "Unsupported pixel type for BitmapImage.");
        }
    }
}

TEST(BitmapImage, RejectsNegativeAndOversizedDimensions) {
    EXPECT_THROW(BitmapImage(-1, 4, Zephra::RGB8), Zephra::Exceptions::Exception);
    EXPECT_THROW(BitmapImage(4, -1, Zephra::Luminance8), Zephra::Exceptions::Exception);
    // 2^31 bytes, one more than allowed.
    EXPECT_THROW(BitmapImage(32768, 16384, Zephra::RGBA8), Zephra::Exceptions::Exception);
    // 2^34 bytes, which 32-bit arithmetic would wrap to 0.
    EXPECT_THROW(BitmapImage(65536, 65536, Zephra::RGBA8), Zephra::Exceptions::Exception);
    EXPECT_THROW(BitmapImage(INT32_MAX, INT32_MAX, Zephra::RGB8), Zephra::Exceptions::Exception);
}

TEST(BitmapImage, AdoptsAnyBufferAndReleasesItThroughImage) {
    unsigned char* buffer = new unsigned char[16];
    std::unique_ptr<Image> image(new BitmapImage(buffer, 1, 1, Zephra::RGBA32F));
    EXPECT_EQ(image->getPixelType(), Zephra::RGBA32F);
    EXPECT_EQ(image->getData(), buffer);
    // Released by the destructor; the sanitizer run reports a leak otherwise.
}
