#include "media/image_loader.h"

#include "utils/file.h"

namespace Zephra {

BitmapImage* loadImage(Utils::InputStream& stream) {
    // Zeroed first: a file shorter than the header never matches "PNG".
    unsigned char header[4] = {0, 0, 0, 0};
    stream.read(header, 1, 4);
    stream.seek(0, Utils::Begin);
    // Byte 0 is left alone: only the letters tell a PNG file.
    if (header[1] == 'P' && header[2] == 'N' && header[3] == 'G') return decodePng(stream);
    return decodeJpeg(stream);
}

BitmapImage* loadImage(const std::string& fileName) {
    Utils::File file(fileName, Utils::Read);
    return loadImage(file);
}

}  // namespace Zephra
