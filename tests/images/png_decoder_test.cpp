#include <vector>

#include <gtest/gtest.h>

#include "decode_helpers.h"
#include "image_writers.h"

namespace {

PngPicture rgbPicture(int width, int height, int colorType, std::vector<int> samples) {
    PngPicture picture;
    picture.width = width;
    picture.height = height;
    picture.colorType = colorType;
    picture.samples = std::move(samples);
    return picture;
}

PngPicture redOverBlue() {
    return rgbPicture(2, 2, PNG_COLOR_TYPE_RGB, {255, 0, 0, 255, 0, 0, 0, 0, 255, 0, 0, 255});
}

PngPicture twoColourPalette(int bitDepth) {
    PngPicture picture;
    picture.width = 3;
    picture.height = 1;
    picture.colorType = PNG_COLOR_TYPE_PALETTE;
    picture.bitDepth = bitDepth;
    picture.palette = {{200, 10, 20}, {0, 150, 250}};
    picture.samples = {1, 0, 1};
    return picture;
}

PngPicture greyRamp(int bitDepth) {
    int top = (1 << bitDepth) - 1;
    PngPicture picture;
    picture.width = 3;
    picture.height = 1;
    picture.colorType = PNG_COLOR_TYPE_GRAY;
    picture.bitDepth = bitDepth;
    picture.samples = {0, top / 3 == 0 ? top : top / 3, top};
    return picture;
}

std::vector<unsigned char> bytesOf(Zephra::Image& image, int bytesPerPixel) {
    unsigned char* data = image.getData();
    return {data, data + image.getWidth() * image.getHeight() * bytesPerPixel};
}

}  // namespace

TEST(PngDecoder, StoresTheTopRowLast) {
    auto image = decodeBytes(encodePng(redOverBlue()));
    ASSERT_EQ(image->getPixelType(), Zephra::RGB8);
    EXPECT_EQ(image->getWidth(), 2);
    EXPECT_EQ(image->getHeight(), 2);
    EXPECT_EQ(bytesOf(*image, 3),
              (std::vector<unsigned char>{0, 0, 255, 0, 0, 255, 255, 0, 0, 255, 0, 0}));
}

TEST(PngDecoder, InterlacedFileMatchesPlainOne) {
    PngPicture picture = rgbPicture(9, 7, PNG_COLOR_TYPE_RGB, {});
    for (int i = 0; i < 9 * 7 * 3; ++i) picture.samples.push_back(i * 37 % 256);
    auto plain = decodeBytes(encodePng(picture));
    picture.interlaced = true;
    auto interlaced = decodeBytes(encodePng(picture));
    EXPECT_EQ(bytesOf(*interlaced, 3), bytesOf(*plain, 3));
}

TEST(PngDecoder, PaletteBecomesRgbOrRgbaWithTransparency) {
    auto opaque = decodeBytes(encodePng(twoColourPalette(4)));
    ASSERT_EQ(opaque->getPixelType(), Zephra::RGB8);
    EXPECT_EQ(bytesOf(*opaque, 3),
              (std::vector<unsigned char>{0, 150, 250, 200, 10, 20, 0, 150, 250}));

    PngPicture translucent = twoColourPalette(8);
    translucent.paletteAlpha = {255, 64};
    auto withAlpha = decodeBytes(encodePng(translucent));
    ASSERT_EQ(withAlpha->getPixelType(), Zephra::RGBA8);
    EXPECT_EQ(bytesOf(*withAlpha, 4),
              (std::vector<unsigned char>{0, 150, 250, 64, 200, 10, 20, 255, 0, 150, 250, 64}));
}

TEST(PngDecoder, SixteenBitSamplesKeepTheirHighByte) {
    PngPicture picture = rgbPicture(1, 1, PNG_COLOR_TYPE_RGB_ALPHA, {0xFFFF, 0x80FF, 0x0012, 0x1234});
    picture.bitDepth = 16;
    auto image = decodeBytes(encodePng(picture));
    ASSERT_EQ(image->getPixelType(), Zephra::RGBA8);
    EXPECT_EQ(bytesOf(*image, 4), (std::vector<unsigned char>{0xFF, 0x80, 0x00, 0x12}));

    PngPicture keyed = rgbPicture(2, 1, PNG_COLOR_TYPE_RGB, {1000, 2000, 3000, 9, 9, 9});
    keyed.bitDepth = 16;
    keyed.hasTransparentColor = true;
    keyed.transparentColor = {0, 9, 9, 9, 0};
    auto withKey = decodeBytes(encodePng(keyed));
    ASSERT_EQ(withKey->getPixelType(), Zephra::RGBA8);
    EXPECT_EQ(withKey->getData()[3], 255);
    EXPECT_EQ(withKey->getData()[7], 0);
}

TEST(PngDecoder, LowDepthGreyIsScaledAndRepeatedIntoRgb) {
    // Sample values 0, a third and full scale, whatever the depth.
    const std::vector<unsigned char> expected = {0, 0, 0, 85, 85, 85, 255, 255, 255};
    for (int depth : {2, 4}) {
        auto image = decodeBytes(encodePng(greyRamp(depth)));
        ASSERT_EQ(image->getPixelType(), Zephra::RGB8) << depth << " bits";
        EXPECT_EQ(bytesOf(*image, 3), expected) << depth << " bits";
    }
    auto oneBit = decodeBytes(encodePng(greyRamp(1)));
    EXPECT_EQ(bytesOf(*oneBit, 3), (std::vector<unsigned char>{0, 0, 0, 255, 255, 255, 255, 255, 255}));

    PngPicture keyed = greyRamp(2);
    keyed.hasTransparentColor = true;
    keyed.transparentColor.gray = 0;
    auto withKey = decodeBytes(encodePng(keyed));
    ASSERT_EQ(withKey->getPixelType(), Zephra::RGBA8);
    EXPECT_EQ(bytesOf(*withKey, 4),
              (std::vector<unsigned char>{0, 0, 0, 0, 85, 85, 85, 255, 255, 255, 255, 255}));
}

TEST(PngDecoder, RejectsGreyOfEightBitsAndMoreAndGreyWithAlpha) {
    for (int depth : {8, 16})
        EXPECT_EQ(rejectionOf(encodePng(greyRamp(depth))), "Unsupported format") << depth;
    PngPicture keyed = greyRamp(8);
    keyed.hasTransparentColor = true;
    EXPECT_EQ(rejectionOf(encodePng(keyed)), "Unsupported format");
    EXPECT_EQ(rejectionOf(encodePng(rgbPicture(1, 1, PNG_COLOR_TYPE_GRAY_ALPHA, {10, 20}))),
              "Unsupported format");
}

TEST(PngDecoder, RejectsCorruptAndTruncatedFilesWithoutLeaking) {
    PngPicture picture = rgbPicture(32, 32, PNG_COLOR_TYPE_RGB_ALPHA, {});
    for (int i = 0; i < 32 * 32 * 4; ++i) picture.samples.push_back(i * 7 % 251);
    std::string png = encodePng(picture);
    size_t idat = findPngChunk(png, "IDAT");
    ASSERT_NE(idat, std::string::npos);

    size_t idatLength = (uint8_t(png[idat + 2]) << 8) | uint8_t(png[idat + 3]);
    std::string badCrc = png;
    badCrc[idat + 8 + idatLength] ^= 0x40;
    EXPECT_EQ(rejectionOf(badCrc), "Unsupported format");
    std::string badData = png;
    badData[idat + 8 + 20] ^= 0x40;  // the CRC left as it was
    EXPECT_EQ(rejectionOf(badData), "Unsupported format");
    // Cut inside the pixel data (after the image buffer exists), inside the
    // header, and right after the signature.
    for (size_t length : {idat + 40, idat - 5, size_t(8)})
        EXPECT_EQ(rejectionOf(png.substr(0, length)), "Unsupported format") << length;
    // Not a PNG after all: the signature's first byte is wrong.
    std::string badSignature = png;
    badSignature[0] = 'x';
    EXPECT_EQ(rejectionOf(badSignature), "Unsupported format");
}

TEST(PngDecoder, RejectsDimensionsBeyondTheBufferLimitBeforeAllocating) {
    std::string png = encodePng(redOverBlue());
    // 1,000,000 x 600 RGBA (libpng's own width limit) needs 2.4 GB.
    std::string ihdr = {'\x00', '\x0F', '\x42', '\x40', '\x00', '\x00', '\x02', '\x58',
                        '\x08', '\x06', '\x00', '\x00', '\x00'};
    EXPECT_EQ(rejectionOf(withPngChunk(png, "IHDR", ihdr)), "Unsupported format");
}

TEST(PngDecoder, RefusesPicturesTooLargeForAnyTexture) {
    std::string png = encodePng(redOverBlue());
    auto header = [](uint32_t width, uint32_t height) {
        std::string ihdr(13, '\0');
        for (int i = 0; i < 4; ++i) {
            ihdr[i] = char(width >> (24 - 8 * i));
            ihdr[4 + i] = char(height >> (24 - 8 * i));
        }
        ihdr[8] = 8;  // bit depth
        ihdr[9] = 2;  // RGB
        return ihdr;
    };
    EXPECT_EQ(rejectionOf(withPngChunk(png, "IHDR", header(12000, 12000))), "Unsupported format");
    // Whole, decodable files, refused for one side alone.
    std::vector<int> samples(16385 * 2 * 3, 7);
    EXPECT_EQ(rejectionOf(encodePng(rgbPicture(16385, 2, PNG_COLOR_TYPE_RGB, samples))),
              "Unsupported format");
    EXPECT_EQ(rejectionOf(encodePng(rgbPicture(2, 16385, PNG_COLOR_TYPE_RGB, samples))),
              "Unsupported format");

    samples.resize(16384 * 2 * 3);
    auto image = decodeBytes(encodePng(rgbPicture(16384, 2, PNG_COLOR_TYPE_RGB, samples)));
    EXPECT_EQ(image->getWidth(), 16384);
}
