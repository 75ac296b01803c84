#include <memory>

#include <gtest/gtest.h>

#include "../utils/temp_dir.h"
#include "decode_helpers.h"
#include "image_writers.h"
#include "utils/file.h"

TEST(LoadImage, RejectsFilesThatAreNeitherPngNorJpeg) {
    EXPECT_EQ(rejectionOf(""), "Unsupported format");
    EXPECT_EQ(rejectionOf("\x89PN"), "Unsupported format");  // shorter than the header
    EXPECT_EQ(rejectionOf("Just some text, with no picture in it.\n"), "Unsupported format");
    std::string bmp = "BM";
    bmp += std::string(52, '\0');
    EXPECT_EQ(rejectionOf(bmp), "Unsupported format");
}

TEST(LoadImage, LoadsByNameAndFromAnOpenFile) {
    TempDir dir;
    PngPicture picture;
    picture.width = 3;
    picture.height = 2;
    picture.samples.assign(18, 40);
    std::string png = dir.write("picture.png", encodePng(picture));

    std::unique_ptr<Zephra::Image> byName(Zephra::loadImage(png));
    EXPECT_EQ(byName->getWidth(), 3);
    EXPECT_EQ(byName->getHeight(), 2);

    const unsigned char grey[3] = {90, 90, 90};
    std::string jpeg = dir.write("picture.jpg", encodeJpeg(twoBandJpeg(8, 8, grey, grey)));
    Zephra::Utils::File file(jpeg, Zephra::Utils::Read);
    std::unique_ptr<Zephra::Image> fromFile(Zephra::loadImage(file));
    EXPECT_EQ(fromFile->getPixelType(), Zephra::RGB8);
}

TEST(LoadImage, MissingFileIsAFileError) {
    TempDir dir;
    std::string name = dir.file("missing.png");
    try {
        delete Zephra::loadImage(name);
        FAIL() << "loaded a file that does not exist";
    } catch (const Zephra::Exceptions::FileNotFoundException& e) {
        EXPECT_EQ(e.getMessage(), "File not found: " + name);
    }
}
