#include "picture.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>

#include "media/font_face.h"
#include "zephra.h"

Picture Picture::crop(int x, int y, int w, int h) const {
    Picture out;
    out.width = w;
    out.height = h;
    out.rgba.resize(size_t(w) * h * 4);
    for (int row = 0; row < h; ++row)
        for (int col = 0; col < w; ++col)
            std::copy_n(at(x + col, y + row), 4, &out.rgba[(size_t(row) * w + col) * 4]);
    return out;
}

Picture parsePpm(const std::string& bytes) {
    std::istringstream in(bytes);
    std::string magic;
    int width = 0, height = 0, maxval = 0;
    in >> magic >> width >> height >> maxval;
    in.get();  // the one whitespace byte before the pixels
    if (magic != "P6" || maxval != 255 || width <= 0 || height <= 0)
        throw std::runtime_error("not a binary PPM screenshot");
    const size_t offset = size_t(in.tellg());
    if (bytes.size() < offset + size_t(width) * height * 3)
        throw std::runtime_error("screenshot cut short");
    Picture picture;
    picture.width = width;
    picture.height = height;
    picture.rgba.resize(size_t(width) * height * 4);
    for (size_t i = 0; i < size_t(width) * height; ++i) {
        std::copy_n(&bytes[offset + i * 3], 3, reinterpret_cast<char*>(&picture.rgba[i * 4]));
        picture.rgba[i * 4 + 3] = 255;
    }
    return picture;
}

void writePpm(const Picture& picture, const std::string& fileName) {
    std::ofstream out(fileName, std::ios::binary);
    out << "P6\n" << picture.width << " " << picture.height << "\n255\n";
    for (size_t i = 0; i < size_t(picture.width) * picture.height; ++i)
        out.write(reinterpret_cast<const char*>(&picture.rgba[i * 4]), 3);
}

Picture loadReference(const std::string& fileName, int width, int height, bool mirrored) {
    std::unique_ptr<Zephra::Image> image(Zephra::loadImage(fileName));
    const int w = image->getWidth(), h = image->getHeight();
    const int channels = image->getPixelType() == Zephra::RGBA8 ? 4 : 3;
    const unsigned char* data = image->getData();
    Picture out;
    out.width = width;
    out.height = height;
    out.rgba.resize(size_t(width) * height * 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            // The source rectangle that lands on this screen pixel; images
            // keep their bottom row first.
            const int x0 = x * w / width, x1 = std::max(x0 + 1, (x + 1) * w / width);
            const int y0 = y * h / height, y1 = std::max(y0 + 1, (y + 1) * h / height);
            double sum[4] = {0, 0, 0, 0};
            for (int sy = y0; sy < y1; ++sy) {
                for (int sx = x0; sx < x1; ++sx) {
                    const int col = mirrored ? w - 1 - sx : sx;
                    const unsigned char* p = data + (size_t(h - 1 - sy) * w + col) * channels;
                    const double alpha = channels == 4 ? p[3] : 255;
                    for (int c = 0; c < 3; ++c) sum[c] += p[c] * alpha / 255;
                    sum[3] += alpha;
                }
            }
            const double count = double(x1 - x0) * (y1 - y0);
            uint8_t* q = &out.rgba[(size_t(y) * width + x) * 4];
            for (int c = 0; c < 3; ++c)
                q[c] = uint8_t(sum[3] > 0 ? std::lround(sum[c] * 255 / sum[3]) : 0);
            q[3] = uint8_t(std::lround(sum[3] / count));
        }
    }
    return out;
}

namespace {
// An opaque reference pixel inside a flat patch: its neighbours are opaque
// and close in colour, so filtering on screen cannot move it much.
bool isFlatOpaque(const Picture& reference, int x, int y) {
    const uint8_t* centre = reference.at(x, y);
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx, ny = y + dy;
            if (nx < 0 || ny < 0 || nx >= reference.width || ny >= reference.height) return false;
            const uint8_t* p = reference.at(nx, ny);
            if (p[3] < 250) return false;
            for (int c = 0; c < 3; ++c)
                if (std::abs(int(p[c]) - int(centre[c])) > 24) return false;
        }
    }
    return true;
}
}  // namespace

double opaqueDifference(const Picture& screen, const Picture& reference) {
    double total = 0;
    long count = 0;
    for (int y = 0; y < reference.height; ++y) {
        for (int x = 0; x < reference.width; ++x) {
            if (!isFlatOpaque(reference, x, y)) continue;
            const uint8_t* r = reference.at(x, y);
            const uint8_t* s = screen.at(x, y);
            for (int c = 0; c < 3; ++c) total += std::abs(int(s[c]) - int(r[c]));
            ++count;
        }
    }
    return count ? total / (3.0 * count) : 255.0;
}

Box changedBox(const Picture& a, const Picture& b, int threshold) {
    Box box{a.width, a.height, 0, 0};
    for (int y = 0; y < a.height; ++y) {
        for (int x = 0; x < a.width; ++x) {
            const uint8_t* p = a.at(x, y);
            const uint8_t* q = b.at(x, y);
            bool changed = false;
            for (int c = 0; c < 3; ++c) changed |= std::abs(int(p[c]) - int(q[c])) > threshold;
            if (!changed) continue;
            box.left = std::min(box.left, x);
            box.top = std::min(box.top, y);
            box.right = std::max(box.right, x + 1);
            box.bottom = std::max(box.bottom, y + 1);
        }
    }
    return box;
}

Box opaqueBox(const Picture& reference) {
    Box box{reference.width, reference.height, 0, 0};
    for (int y = 0; y < reference.height; ++y) {
        for (int x = 0; x < reference.width; ++x) {
            if (reference.at(x, y)[3] == 0) continue;
            box.left = std::min(box.left, x);
            box.top = std::min(box.top, y);
            box.right = std::max(box.right, x + 1);
            box.bottom = std::max(box.bottom, y + 1);
        }
    }
    return box;
}

Picture renderText(const std::string& text, int x, int y) {
    Zephra::FontFace::initLibrary();
    Zephra::Utils::File file("data/calibri.ttf", Zephra::Utils::Read);
    Zephra::FontFace face(file, 20);
    Zephra::BitmapImage image(800, 600, Zephra::Luminance8);
    Zephra::Pen pen = {x, y};
    face.print(image, pen, text.c_str());
    Picture out;
    out.width = 800;
    out.height = 600;
    out.rgba.resize(800 * 600 * 4);
    for (size_t i = 0; i < 800 * 600; ++i) std::fill_n(&out.rgba[i * 4], 4, image.getData()[i]);
    return out;
}
