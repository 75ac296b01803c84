#include <cstdlib>

#include <gtest/gtest.h>

#include "decode_helpers.h"
#include "image_writers.h"

namespace {

const unsigned char red[3] = {255, 0, 0};
const unsigned char blue[3] = {0, 0, 255};

// JPEG is lossy: solid colours come back within a small distance.
::testing::AssertionResult near(const unsigned char* pixel, const unsigned char expected[3]) {
    for (int c = 0; c < 3; ++c)
        if (std::abs(pixel[c] - expected[c]) > 8)
            return ::testing::AssertionFailure() << "channel " << c << " is " << int(pixel[c])
                                                 << ", expected " << int(expected[c]);
    return ::testing::AssertionSuccess();
}

// Offset of the first marker 0xFF type, or npos.
size_t findMarker(const std::string& jpeg, unsigned char type) {
    for (size_t i = 0; i + 1 < jpeg.size(); ++i)
        if (uint8_t(jpeg[i]) == 0xFF && uint8_t(jpeg[i + 1]) == type) return i;
    return std::string::npos;
}

JpegPicture solid(int width, int height, int components, J_COLOR_SPACE space) {
    JpegPicture picture;
    picture.width = width;
    picture.height = height;
    picture.components = components;
    picture.colorSpace = space;
    picture.samples.assign(size_t(width) * height * components, 100);
    return picture;
}

}  // namespace

TEST(JpegDecoder, StoresTheBottomScanlineFirst) {
    for (bool progressive : {false, true}) {
        JpegPicture picture = twoBandJpeg(16, 32, red, blue);
        picture.progressive = progressive;
        auto image = decodeBytes(encodeJpeg(picture));
        ASSERT_EQ(image->getPixelType(), Zephra::RGB8);
        EXPECT_EQ(image->getWidth(), 16);
        EXPECT_EQ(image->getHeight(), 32);
        EXPECT_TRUE(near(pixelAt(*image, 0, 0, 3), blue)) << "bottom row, progressive " << progressive;
        EXPECT_TRUE(near(pixelAt(*image, 15, 31, 3), red)) << "top row, progressive " << progressive;
    }
}

TEST(JpegDecoder, RejectsGreyscaleWithItsOwnMessage) {
    EXPECT_EQ(rejectionOf(encodeJpeg(solid(8, 8, 1, JCS_GRAYSCALE))),
              "Image format not supported: Greyscale JPEG");
}

TEST(JpegDecoder, RejectsFourComponentFiles) {
    JpegPicture cmyk = solid(8, 8, 4, JCS_CMYK);
    EXPECT_EQ(rejectionOf(encodeJpeg(cmyk)), "Unsupported format");
    JpegPicture ycck = cmyk;
    ycck.storedColorSpace = JCS_YCCK;
    EXPECT_EQ(rejectionOf(encodeJpeg(ycck)), "Unsupported format");
}

TEST(JpegDecoder, FileCutShortAfterItsHeaderKeepsItsFullSize) {
    std::string jpeg = encodeJpeg(twoBandJpeg(64, 48, red, blue));
    size_t scan = findMarker(jpeg, 0xDA);
    ASSERT_NE(scan, std::string::npos);
    for (size_t extra : {size_t(14), size_t(40)}) {  // the scan header alone, then a little data
        auto image = decodeBytes(jpeg.substr(0, scan + extra));
        EXPECT_EQ(image->getWidth(), 64);
        EXPECT_EQ(image->getHeight(), 48);
        EXPECT_EQ(image->getPixelType(), Zephra::RGB8);
    }
}

TEST(JpegDecoder, RejectsCorruptHeadersAndOversizedDimensions) {
    std::string jpeg = encodeJpeg(twoBandJpeg(16, 16, red, blue));
    EXPECT_EQ(rejectionOf(jpeg.substr(0, 30)), "Unsupported format");  // ends in the tables

    size_t frame = findMarker(jpeg, 0xC0);
    ASSERT_NE(frame, std::string::npos);
    std::string huge = jpeg;
    // 40000 x 40000 RGB needs 4.8 GB, above what an image may hold.
    for (size_t at : {frame + 5, frame + 7}) {
        huge[at] = char(40000 >> 8);
        huge[at + 1] = char(40000 & 0xFF);
    }
    EXPECT_EQ(rejectionOf(huge), "Unsupported format");
}

namespace {

// The file with the frame header's height and width replaced.
std::string withJpegSize(std::string jpeg, int width, int height) {
    size_t frame = findMarker(jpeg, 0xC0);
    if (frame == std::string::npos) return jpeg;
    jpeg[frame + 5] = char(height >> 8);
    jpeg[frame + 6] = char(height & 0xFF);
    jpeg[frame + 7] = char(width >> 8);
    jpeg[frame + 8] = char(width & 0xFF);
    return jpeg;
}

}  // namespace

// A few hundred bytes can claim gigabytes of pixels, which the decoder would
// otherwise fill from the file's missing end, for minutes.
TEST(JpegDecoder, RefusesPicturesTooLargeForAnyTextureBeforeDecoding) {
    std::string small = encodeJpeg(twoBandJpeg(16, 16, red, blue));
    ASSERT_LT(small.size(), 1024u);
    EXPECT_EQ(rejectionOf(withJpegSize(small, 26000, 27000)), "Unsupported format");  // 2.1 GB
    EXPECT_EQ(rejectionOf(withJpegSize(small, 12000, 12000)), "Unsupported format");  // 432 MB
    EXPECT_EQ(rejectionOf(withJpegSize(small, 16385, 8)), "Unsupported format");      // one side
    EXPECT_EQ(rejectionOf(withJpegSize(small, 8, 16385)), "Unsupported format");

    // The largest side any texture takes still decodes.
    auto wide = decodeBytes(encodeJpeg(twoBandJpeg(16384, 8, red, blue)));
    EXPECT_EQ(wide->getWidth(), 16384);
}
