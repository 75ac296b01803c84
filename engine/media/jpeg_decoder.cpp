// JPEG through libjpeg, decoding the whole file from memory. libjpeg reports
// fatal errors through error_exit, replaced here by a longjmp; as in the PNG
// decoder, every library call that can fail runs inside a small function
// whose frame holds plain data only, and the C++ objects stay in the caller.
#include <csetjmp>
#include <cstdio>
#include <memory>

#include <jpeglib.h>

#include "media/image_loader.h"
#include "media/image_size.h"
#include "utils/exceptions.h"

namespace Zephra {

namespace {

struct JpegErrorManager {
    jpeg_error_mgr standard;  // first, so that cinfo->err points at both
    jmp_buf jumpPoint;
};

// The decompressor with its error and source managers; plain data, owned by
// JpegDecoderOwner.
struct JpegDecoder {
    jpeg_decompress_struct info;
    JpegErrorManager errors;
    jpeg_source_mgr source;
};

struct JpegDecoderOwner {
    JpegDecoder decoder{};  // zeroed: destroying before creation is harmless
    ~JpegDecoderOwner() { jpeg_destroy_decompress(&decoder.info); }
};

void jumpBackOnError(j_common_ptr info) {
    longjmp(reinterpret_cast<JpegErrorManager*>(info->err)->jumpPoint, 1);
}

void doNothing(j_decompress_ptr) {}

// Static storage: the library reads these bytes after the call has returned.
const JOCTET fakeEndOfImage[2] = {0xFF, JPEG_EOI};

// Called only once the whole file is consumed: a file cut short ends as if
// its end-of-image marker had been there, and decodes at its full size.
boolean supplyEndOfImage(j_decompress_ptr info) {
    info->src->next_input_byte = fakeEndOfImage;
    info->src->bytes_in_buffer = sizeof fakeEndOfImage;
    return TRUE;
}

void skipInput(j_decompress_ptr info, long count) {
    if (count <= 0) return;
    jpeg_source_mgr* source = info->src;
    while (count > static_cast<long>(source->bytes_in_buffer)) {
        count -= static_cast<long>(source->bytes_in_buffer);
        source->fill_input_buffer(info);
    }
    source->next_input_byte += count;
    source->bytes_in_buffer -= static_cast<size_t>(count);
}

// Creates the decompressor over the file's bytes and reads the header.
// False when libjpeg gave up.
bool readJpegHeader(JpegDecoder* decoder, const unsigned char* file, size_t size) {
    decoder->info.err = jpeg_std_error(&decoder->errors.standard);
    decoder->errors.standard.error_exit = jumpBackOnError;
    if (setjmp(decoder->errors.jumpPoint)) return false;
    jpeg_create_decompress(&decoder->info);

    jpeg_source_mgr& source = decoder->source;
    source.next_input_byte = file;
    source.bytes_in_buffer = size;
    source.init_source = doNothing;
    source.fill_input_buffer = supplyEndOfImage;
    source.skip_input_data = skipInput;
    source.resync_to_restart = jpeg_resync_to_restart;
    source.term_source = doNothing;
    decoder->info.src = &source;

    jpeg_read_header(&decoder->info, TRUE);
    return true;
}

// With the library's default output: RGB for three-component files.
bool startJpegDecoding(JpegDecoder* decoder) {
    if (setjmp(decoder->errors.jumpPoint)) return false;
    jpeg_start_decompress(&decoder->info);
    return true;
}

// One scanline at a time, each straight into its final row: the top
// scanline lands in the buffer's last row. False when libjpeg gave up.
bool readJpegRows(JpegDecoder* decoder, unsigned char* pixels) {
    if (setjmp(decoder->errors.jumpPoint)) return false;
    jpeg_decompress_struct& info = decoder->info;
    size_t rowBytes = static_cast<size_t>(info.output_width) * 3;
    for (JDIMENSION i = 0; i < info.output_height; ++i) {
        JSAMPROW row = pixels + (info.output_height - 1 - i) * rowBytes;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

// The stream whole, in one read. Only the bytes it delivers are decoded.
std::unique_ptr<unsigned char[]> readWholeStream(Utils::InputStream& stream, size_t* length) {
    int32_t size = stream.getSize();  // leaves the stream at offset 0
    if (size < 0) size = 0;
    std::unique_ptr<unsigned char[]> file(new unsigned char[static_cast<size_t>(size)]);
    int32_t got = size > 0 ? stream.read(file.get(), 1, size) : 0;
    *length = got > 0 ? static_cast<size_t>(got) : 0;
    return file;
}

[[noreturn]] void failJpeg() {
    throw Exceptions::UnsupportedFormatException("Unsupported format");
}

}  // namespace

BitmapImage* decodeJpeg(Utils::InputStream& stream) {
    size_t length;
    std::unique_ptr<unsigned char[]> file = readWholeStream(stream, &length);

    JpegDecoderOwner owner;
    JpegDecoder* decoder = &owner.decoder;
    if (!readJpegHeader(decoder, file.get(), length)) failJpeg();
    jpeg_decompress_struct& info = decoder->info;
    // Checked before the library sizes its own buffers for the picture.
    int64_t bytes = pictureByteCount(info.image_width, info.image_height, 3);
    if (bytes < 0) failJpeg();

    if (!startJpegDecoding(decoder)) failJpeg();
    if (info.num_components == 1)
        throw Exceptions::UnsupportedFormatException("Image format not supported: Greyscale JPEG");
    // CMYK and YCCK files come out with four components, which RGB8 rows
    // cannot hold.
    if (info.output_components != 3 || info.output_width != info.image_width ||
        info.output_height != info.image_height)
        failJpeg();

    std::unique_ptr<unsigned char[]> pixels(new unsigned char[static_cast<size_t>(bytes)]);
    std::unique_ptr<BitmapImage> image(new BitmapImage(
        pixels.get(), static_cast<int32_t>(info.image_width),
        static_cast<int32_t>(info.image_height), RGB8));
    pixels.release();
    if (!readJpegRows(decoder, image->getData())) failJpeg();
    return image.release();
}

}  // namespace Zephra
