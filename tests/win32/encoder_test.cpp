// The GDI+ encoders: each format's file starts with its signature and decodes back (with GDI+)
// to the encoded picture.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include "win32/encoder.h"

namespace tintora::win32 {
namespace {

namespace gp = Gdiplus::DllExports;

struct FormatCase {
    ImageFormat format;
    const char* name;
    Bytes signature;
    bool lossless;
};

const FormatCase formatCases[] = {
    {ImageFormat::bmp, "bmp", {'B', 'M'}, true},
    {ImageFormat::jpeg, "jpg", {0xFF, 0xD8, 0xFF}, false},
    {ImageFormat::gif, "gif", {'G', 'I', 'F', '8'}, true},
    {ImageFormat::png, "png", {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}, true},
};

// Quadrants of colours that every palette holds exactly, so the lossless formats (GIF included)
// must give them back unchanged; any flip, shift or channel swap shows.
constexpr int sampleWidth = 64;
constexpr int sampleHeight = 48;
constexpr std::uint32_t quadrantColours[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00};

std::uint32_t samplePixel(int x, int y)
{
    return quadrantColours[(y < sampleHeight / 2 ? 0 : 2) + (x < sampleWidth / 2 ? 0 : 1)];
}

Image sampleImage()
{
    Image image{sampleWidth, sampleHeight, {}};
    for (int y = 0; y < sampleHeight; ++y)
        for (int x = 0; x < sampleWidth; ++x) image.pixels.push_back(samplePixel(x, y));
    return image;
}

struct DisposeImage {
    void operator()(Gdiplus::GpImage* image) const { gp::GdipDisposeImage(image); }
};
struct ReleaseStream {
    void operator()(IStream* stream) const { stream->Release(); }
};

// Decodes a file with GDI+'s own decoders, independently of the encoder code under test.
std::optional<Image> decode(const Bytes& file)
{
    IStream* raw = nullptr;
    if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &raw))) return std::nullopt;
    const std::unique_ptr<IStream, ReleaseStream> stream(raw);
    ULONG written = 0;
    if (FAILED(stream->Write(file.data(), static_cast<ULONG>(file.size()), &written)) ||
        FAILED(stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr)))
        return std::nullopt;
    Gdiplus::GpBitmap* rawBitmap = nullptr;
    if (gp::GdipCreateBitmapFromStream(stream.get(), &rawBitmap) != Gdiplus::Ok) return std::nullopt;
    const std::unique_ptr<Gdiplus::GpImage, DisposeImage> bitmap(rawBitmap);
    UINT width = 0;
    UINT height = 0;
    gp::GdipGetImageWidth(bitmap.get(), &width);
    gp::GdipGetImageHeight(bitmap.get(), &height);
    Image image{static_cast<int>(width), static_cast<int>(height), {}};
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            Gdiplus::ARGB argb = 0;
            gp::GdipBitmapGetPixel(rawBitmap, x, y, &argb);
            // An opaque pixel comes back as 0x00RRGGBB; any other alpha shows in the fourth byte.
            image.pixels.push_back(argb ^ 0xFF000000u);
        }
    return image;
}

int channelDistance(std::uint32_t a, std::uint32_t b)
{
    int worst = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int channelA = static_cast<int>((a >> shift) & 0xFF);
        const int channelB = static_cast<int>((b >> shift) & 0xFF);
        worst = std::max(worst, std::abs(channelA - channelB));
    }
    return worst;
}

void PrintTo(const FormatCase& c, std::ostream* out) { *out << c.name; }

class EncoderFormat : public ::testing::TestWithParam<FormatCase> {
protected:
    GdiplusSession session;
    Win32ImageEncoder encoder;
};

TEST_P(EncoderFormat, FileStartsWithTheFormatsSignature)
{
    ASSERT_TRUE(session.started());
    const Bytes file = encoder.encode(sampleImage(), GetParam().format);
    ASSERT_GT(file.size(), GetParam().signature.size());
    EXPECT_TRUE(std::equal(GetParam().signature.begin(), GetParam().signature.end(), file.begin()));
}

// The fourth byte of the pixels means nothing: it makes no pixel transparent, and a 32-bit BMP
// (whose fourth byte some viewers take for alpha) holds 0 there.
TEST_P(EncoderFormat, DecodesBackToThePicture)
{
    Image picture = sampleImage();
    for (std::uint32_t& pixel : picture.pixels) pixel |= 0x5A000000u;
    const Bytes file = encoder.encode(picture, GetParam().format);
    if (GetParam().format == ImageFormat::bmp && file.size() > 54 && file[28] == 32) {
        const std::size_t offset = file[10] | file[11] << 8 | file[12] << 16 | std::size_t{file[13]} << 24;
        for (std::size_t i = offset + 3; i < file.size(); i += 4) ASSERT_EQ(file[i], 0) << "byte " << i;
    }
    const auto decoded = decode(file);
    ASSERT_TRUE(decoded);
    ASSERT_EQ(decoded->width, sampleWidth);
    ASSERT_EQ(decoded->height, sampleHeight);
    if (GetParam().lossless) {
        EXPECT_EQ(decoded->pixels, sampleImage().pixels);
        return;
    }
    // JPEG: the middle of each quadrant keeps its colour within the compression's error.
    for (int y : {sampleHeight / 4, 3 * sampleHeight / 4})
        for (int x : {sampleWidth / 4, 3 * sampleWidth / 4})
            EXPECT_LE(channelDistance(decoded->pixels[y * sampleWidth + x], samplePixel(x, y)), 16)
                << "at " << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(AllFormats, EncoderFormat, ::testing::ValuesIn(formatCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Encoder, PictureWithoutPixelsGivesNoFile)
{
    GdiplusSession session;
    Win32ImageEncoder encoder;
    Image tooFewPixels = sampleImage();
    tooFewPixels.pixels.pop_back();
    for (const auto& c : formatCases) {
        EXPECT_TRUE(encoder.encode(Image{}, c.format).empty()) << c.name;
        EXPECT_TRUE(encoder.encode(tooFewPixels, c.format).empty()) << c.name;
    }
}

// More colours than a palette holds: the GIF still has the picture's size and near colours (a
// coarse palette is off by up to a quarter of the range; a swapped channel or a shift by far more).
TEST(Encoder, GifOfManyColoursKeepsSizeAndNearColours)
{
    GdiplusSession session;
    Win32ImageEncoder encoder;
    Image gradient{256, 64, {}};
    for (int y = 0; y < gradient.height; ++y)
        for (int x = 0; x < gradient.width; ++x)
            gradient.pixels.push_back(static_cast<std::uint32_t>(x << 16 | (y * 4) << 8 | (255 - x)));
    const auto decoded = decode(encoder.encode(gradient, ImageFormat::gif));
    ASSERT_TRUE(decoded);
    ASSERT_EQ(decoded->width, gradient.width);
    ASSERT_EQ(decoded->height, gradient.height);
    int worst = 0;
    for (std::size_t i = 0; i < gradient.pixels.size(); ++i)
        worst = std::max(worst, channelDistance(decoded->pixels[i], gradient.pixels[i]));
    EXPECT_LE(worst, 64);
}

// Writes the sample in every format into the folder named by TINTORA_ENCODER_OUT, for the
// end-to-end test that checks the files with an independent decoder.
TEST(Encoder, WritesSampleFilesForAnIndependentDecoder)
{
    const char* folder = std::getenv("TINTORA_ENCODER_OUT");
    if (!folder) GTEST_SKIP() << "TINTORA_ENCODER_OUT not set";
    GdiplusSession session;
    Win32ImageEncoder encoder;
    for (const auto& c : formatCases) {
        const Bytes file = encoder.encode(sampleImage(), c.format);
        ASSERT_FALSE(file.empty()) << c.name;
        std::ofstream out(std::string(folder) + "\\sample." + c.name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
        ASSERT_TRUE(out.good()) << c.name;
    }
}

}  // namespace
}  // namespace tintora::win32
