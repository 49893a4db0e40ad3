#include "platform/png.h"

#include <png.h>

#include <cstdint>
#include <cstring>

namespace tintora {
namespace {

// libpng reports errors by longjmp back to the setjmp in the calling function. The functions that
// call libpng therefore hold no objects with destructors; memory is owned by their callers.

struct MemoryReader {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t position;
};

void readFromMemory(png_structp png, png_bytep out, png_size_t length)
{
    auto* reader = static_cast<MemoryReader*>(png_get_io_ptr(png));
    if (length > reader->size - reader->position) png_error(png, "truncated");
    std::memcpy(out, reader->data + reader->position, length);
    reader->position += length;
}

[[noreturn]] void onError(png_structp png, png_const_charp) { png_longjmp(png, 1); }

// Warnings, benign errors among them, concern chunks that are skipped or ignored; the pixels are
// still read in full and checked, so they pass.
void onWarning(png_structp, png_const_charp) {}

// Reads the header and sets up the transforms to 8-bit R, G, B and a zero filler byte per pixel.
bool readHeader(png_structp png, png_infop info, png_uint_32* width, png_uint_32* height)
{
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_info(png, info);
    int bitDepth = 0;
    int colourType = 0;
    png_get_IHDR(png, info, width, height, &bitDepth, &colourType, nullptr, nullptr, nullptr);
    if (colourType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (colourType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) png_set_expand_gray_1_2_4_to_8(png);
    if (bitDepth == 16) png_set_scale_16(png);
    if (!(colourType & PNG_COLOR_MASK_COLOR)) png_set_gray_to_rgb(png);
    if (colourType & PNG_COLOR_MASK_ALPHA) png_set_strip_alpha(png);
    png_set_filler(png, 0, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    return png_get_rowbytes(png, info) == static_cast<png_size_t>(*width) * 4;
}

// Reads every row (every pass of an interlaced picture) into pixels, 4 bytes a pixel.
bool readRows(png_structp png, png_infop info, std::uint8_t* pixels, png_uint_32 width, png_uint_32 height)
{
    if (setjmp(png_jmpbuf(png))) return false;
    const int passes = png_set_interlace_handling(png);
    const std::size_t stride = static_cast<std::size_t>(width) * 4;
    for (int pass = 0; pass < passes; ++pass) {
        for (png_uint_32 y = 0; y < height; ++y) png_read_row(png, pixels + y * stride, nullptr);
    }
    png_read_end(png, info);
    return true;
}

class ReadStruct {
public:
    ReadStruct()
        : png_(png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, onError, onWarning)),
          info_(png_ ? png_create_info_struct(png_) : nullptr)
    {
    }
    ~ReadStruct() { png_destroy_read_struct(&png_, &info_, nullptr); }
    ReadStruct(const ReadStruct&) = delete;
    ReadStruct& operator=(const ReadStruct&) = delete;
    png_structp png() const { return png_; }
    png_infop info() const { return info_; }
    explicit operator bool() const { return png_ && info_; }

private:
    png_structp png_;
    png_infop info_;
};

}  // namespace

std::optional<Image> decodePng(const Bytes& png, std::size_t maxPixels)
{
    if (png.size() < 8 || png_sig_cmp(png.data(), 0, 8) != 0) return std::nullopt;
    ReadStruct read;
    if (!read) return std::nullopt;
    // Every chunk but the header, palette, transparency and pixel data is skipped unread, so no
    // chunk can make libpng reserve the length it declares (it only warns about an over-long one).
    png_set_keep_unknown_chunks(read.png(), PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
    png_set_user_limits(read.png(), maxPngWidth, png_get_user_height_max(read.png()));
    MemoryReader reader{png.data(), png.size(), 0};
    png_set_read_fn(read.png(), &reader, readFromMemory);

    png_uint_32 width = 0;
    png_uint_32 height = 0;
    if (!readHeader(read.png(), read.info(), &width, &height)) return std::nullopt;
    const std::uint64_t pixelCount = std::uint64_t{width} * height;
    if (pixelCount == 0 || pixelCount > maxPixels) return std::nullopt;

    Image image{static_cast<int>(width), static_cast<int>(height), std::vector<std::uint32_t>(pixelCount)};
    auto* bytes = reinterpret_cast<std::uint8_t*>(image.pixels.data());
    if (!readRows(read.png(), read.info(), bytes, width, height)) return std::nullopt;

    // Rows hold R, G, B, 0 bytes; pack them into 0x00RRGGBB whatever the host's byte order.
    for (std::size_t i = 0; i < pixelCount; ++i) {
        const std::uint8_t* p = bytes + i * 4;
        image.pixels[i] = std::uint32_t{p[0]} << 16 | std::uint32_t{p[1]} << 8 | p[2];
    }
    return image;
}

}  // namespace tintora
