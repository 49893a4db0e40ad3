#include "platform/png.h"

#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <cstdint>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace tintora {
namespace {

constexpr std::size_t manyPixels = 1920 * 1080;

void appendToBytes(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

// Writes raw sample rows (as libpng expects them for the colour type and depth) to PNG bytes.
// Holds no objects with destructors between setjmp and the libpng calls.
bool writePng(Bytes* out, int width, int height, int colourType, int bitDepth, bool interlaced,
              const std::uint8_t* rows, const png_color* palette, int paletteSize)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, out, appendToBytes, nullptr);
    png_set_IHDR(png, info, width, height, bitDepth, colourType, interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (palette) png_set_PLTE(png, info, palette, paletteSize);
    png_write_info(png, info);
    const std::size_t stride = png_get_rowbytes(png, info);
    const int passes = png_set_interlace_handling(png);
    for (int pass = 0; pass < passes; ++pass) {
        for (int y = 0; y < height; ++y) png_write_row(png, rows + y * stride);
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

struct Picture {
    int width;
    int height;
    int colourType;
    int bitDepth;
    bool interlaced;
    Bytes rows;
    std::vector<png_color> palette;
};

Bytes encode(const Picture& p)
{
    Bytes out;
    const bool ok = writePng(&out, p.width, p.height, p.colourType, p.bitDepth, p.interlaced, p.rows.data(),
                             p.palette.empty() ? nullptr : p.palette.data(), static_cast<int>(p.palette.size()));
    EXPECT_TRUE(ok) << "test picture could not be encoded";
    return out;
}

// A 3 x 2 RGB picture holding the overlay's key colour (252, 2, 251) in its first pixel.
Picture keyColouredRgb()
{
    return {3,
            2,
            PNG_COLOR_TYPE_RGB,
            8,
            false,
            {252, 2, 251, 255, 0, 0, 0, 255, 0,  //
             0, 0, 255, 18, 52, 86, 255, 255, 255},
            {}};
}
const std::vector<std::uint32_t> keyColouredRgbPixels = {0xFC02FB, 0xFF0000, 0x00FF00, 0x0000FF, 0x123456, 0xFFFFFF};

void appendBigEndian(Bytes& out, std::uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void appendChunk(Bytes& out, const char* type, const Bytes& data)
{
    appendBigEndian(out, static_cast<std::uint32_t>(data.size()));
    Bytes typed(type, type + 4);
    typed.insert(typed.end(), data.begin(), data.end());
    out.insert(out.end(), typed.begin(), typed.end());
    appendBigEndian(out, static_cast<std::uint32_t>(crc32(0, typed.data(), static_cast<uInt>(typed.size()))));
}

// A signature and a well-formed IHDR (8-bit RGB) declaring the given size.
Bytes signatureAndHeader(std::uint32_t width, std::uint32_t height)
{
    Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes ihdr;
    for (std::uint32_t v : {width, height}) appendBigEndian(ihdr, v);
    ihdr.insert(ihdr.end(), {8, PNG_COLOR_TYPE_RGB, 0, 0, 0});
    appendChunk(out, "IHDR", ihdr);
    return out;
}

// The same, then a tiny IDAT and IEND.
Bytes craftedHeader(std::uint32_t width, std::uint32_t height)
{
    Bytes out = signatureAndHeader(width, height);
    appendChunk(out, "IDAT", {0x78, 0x9C, 0x03, 0x00, 0x00, 0x00, 0x00, 0x01});
    appendChunk(out, "IEND", {});
    return out;
}

TEST(DecodePng, KeyColourAndRgbPixelsExact)
{
    const auto image = decodePng(encode(keyColouredRgb()), manyPixels);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 3);
    EXPECT_EQ(image->height, 2);
    EXPECT_EQ(image->pixels, keyColouredRgbPixels);
}

struct FormatCase {
    std::string name;
    Picture picture;
    std::vector<std::uint32_t> expected;
    friend void PrintTo(const FormatCase& c, std::ostream* out) { *out << c.name; }
};

class DecodePngFormats : public ::testing::TestWithParam<FormatCase> {};

TEST_P(DecodePngFormats, DecodesToStoredColours)
{
    const FormatCase& c = GetParam();
    const auto image = decodePng(encode(c.picture), manyPixels);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, c.picture.width);
    EXPECT_EQ(image->height, c.picture.height);
    EXPECT_EQ(image->pixels, c.expected);
}

// A 5 x 5 picture where every pixel differs, so that a wrong pass or row order shows.
Picture interlacedRgb()
{
    Picture p{5, 5, PNG_COLOR_TYPE_RGB, 8, true, {}, {}};
    for (int i = 0; i < 25; ++i) p.rows.insert(p.rows.end(), {std::uint8_t(i * 10), std::uint8_t(i), 7});
    return p;
}
std::vector<std::uint32_t> interlacedRgbPixels()
{
    std::vector<std::uint32_t> out;
    for (std::uint32_t i = 0; i < 25; ++i) out.push_back((i * 10) << 16 | i << 8 | 7);
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    Formats, DecodePngFormats,
    ::testing::Values(
        FormatCase{"RgbaDropsAlphaKeepingColour",
                   {2, 1, PNG_COLOR_TYPE_RGB_ALPHA, 8, false, {252, 2, 251, 0, 10, 20, 30, 128}, {}},
                   {0xFC02FB, 0x0A141E}},
        FormatCase{"Rgb16BitScaled",
                   {2,
                    1,
                    PNG_COLOR_TYPE_RGB,
                    16,
                    false,
                    {0xFC, 0xFC, 0x02, 0x02, 0xFB, 0xFB, 0, 0, 0x80, 0x80, 0xFF, 0xFF},
                    {}},
                   {0xFC02FB, 0x0080FF}},
        FormatCase{"Grey8", {3, 1, PNG_COLOR_TYPE_GRAY, 8, false, {0, 0x7F, 0xFF}, {}}, {0x000000, 0x7F7F7F, 0xFFFFFF}},
        FormatCase{"Grey1BitExpanded",
                   {8, 1, PNG_COLOR_TYPE_GRAY, 1, false, {0b10100000}, {}},
                   {0xFFFFFF, 0, 0xFFFFFF, 0, 0, 0, 0, 0}},
        FormatCase{"GreyAlpha16", {1, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 16, false, {0x40, 0x40, 0, 0}, {}}, {0x404040}},
        FormatCase{"Palette4Bit",
                   {3, 1, PNG_COLOR_TYPE_PALETTE, 4, false, {0x21, 0x00}, {{252, 2, 251}, {1, 2, 3}, {200, 100, 50}}},
                   {0xC86432, 0x010203, 0xFC02FB}},
        FormatCase{"InterlacedRgb", interlacedRgb(), interlacedRgbPixels()}),
    [](const ::testing::TestParamInfo<FormatCase>& info) { return info.param.name; });

TEST(DecodePng, RejectsEmptyAndNonPngBytes)
{
    EXPECT_FALSE(decodePng({}, manyPixels));
    EXPECT_FALSE(decodePng({0x89, 'P', 'N', 'G'}, manyPixels));
    EXPECT_FALSE(decodePng(Bytes(100, 0xAB), manyPixels));
    Bytes signatureThenGarbage = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    signatureThenGarbage.resize(200, 0x5A);
    EXPECT_FALSE(decodePng(signatureThenGarbage, manyPixels));
}

TEST(DecodePng, RejectsEveryTruncation)
{
    const Bytes whole = encode(keyColouredRgb());
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        const Bytes part(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut));
        EXPECT_FALSE(decodePng(part, manyPixels)) << "accepted the first " << cut << " of " << whole.size() << " bytes";
    }
}

TEST(DecodePng, RejectsBadChecksums)
{
    const Bytes whole = encode(keyColouredRgb());
    // Last byte of the IHDR checksum (signature 8 + length 4 + type 4 + data 13 + crc 4).
    Bytes badHeader = whole;
    badHeader[32] ^= 0xFF;
    EXPECT_FALSE(decodePng(badHeader, manyPixels));
    // Last byte of the IDAT checksum, just before IEND's 12 bytes.
    Bytes badData = whole;
    badData[whole.size() - 13] ^= 0xFF;
    EXPECT_FALSE(decodePng(badData, manyPixels));
}

TEST(DecodePng, SurvivesRandomCorruption)
{
    const Bytes whole = encode(interlacedRgb());
    std::mt19937 random(12345);
    std::uniform_int_distribution<std::size_t> position(8, whole.size() - 1);
    std::uniform_int_distribution<int> value(0, 255);
    for (int round = 0; round < 2000; ++round) {
        Bytes damaged = whole;
        for (int flips = 0; flips < 3; ++flips) damaged[position(random)] = static_cast<std::uint8_t>(value(random));
        const auto image = decodePng(damaged, manyPixels);
        if (image) {
            EXPECT_EQ(image->pixels.size(), static_cast<std::size_t>(image->width) * image->height);
            EXPECT_LE(image->pixels.size(), manyPixels);
        }
    }
}

TEST(DecodePng, SizeLimitCheckedBeforeDecoding)
{
    // 100000 x 100000 pixels would need 40 GB; a missing check aborts the sanitizer build.
    EXPECT_FALSE(decodePng(craftedHeader(100000, 100000), manyPixels));
    EXPECT_FALSE(decodePng(craftedHeader(0xFFFFFFFF, 0xFFFFFFFF), manyPixels));
    EXPECT_FALSE(decodePng(craftedHeader(0, 10), manyPixels));
    EXPECT_FALSE(decodePng(craftedHeader(10, 0), manyPixels));

    const Bytes sixPixels = encode(keyColouredRgb());
    EXPECT_FALSE(decodePng(sixPixels, 5));
    EXPECT_TRUE(decodePng(sixPixels, 6));

    // A row wider than maxPngWidth is refused even where the pixel limit would allow it.
    const auto greyRow = [](std::uint32_t width) {
        return encode({static_cast<int>(width), 1, PNG_COLOR_TYPE_GRAY, 8, false, Bytes(width, 0x40), {}});
    };
    EXPECT_TRUE(decodePng(greyRow(maxPngWidth), manyPixels));
    EXPECT_FALSE(decodePng(greyRow(maxPngWidth + 1), manyPixels));
}

TEST(DecodePng, DeclaredChunkLengthSizesNoAllocation)
{
    // A few dozen bytes whose ancillary chunk declares 1.9 GB: libpng reserves that length before
    // reading any of these kinds. The sanitizer build aborts on any allocation over 256 MB, so a
    // decoder that lets libpng read them fails here.
    for (const char* type : {"tEXt", "zTXt", "iTXt", "sPLT", "eXIf", "pCAL", "sCAL"}) {
        Bytes hostile = signatureAndHeader(1, 1);
        appendBigEndian(hostile, 0x71C71C71);
        hostile.insert(hostile.end(), type, type + 4);
        hostile.insert(hostile.end(), {'T', 'i', 'n', 't', 0, 0, 'x', 'x'});
        EXPECT_FALSE(decodePng(hostile, manyPixels)) << type;
    }
}

}  // namespace
}  // namespace tintora

// Any allocation over 256 MB aborts the sanitizer build: no test needs that much, and a size taken
// from a hostile file then fails its test instead of passing unnoticed.
extern "C" const char* __asan_default_options() { return "max_allocation_size_mb=256"; }
