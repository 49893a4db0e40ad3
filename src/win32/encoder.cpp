#include "win32/encoder.h"

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "win32/error.h"

namespace tintora::win32 {

namespace gp = Gdiplus::DllExports;

namespace {

struct DisposeImage {
    void operator()(Gdiplus::GpImage* image) const { gp::GdipDisposeImage(image); }
};
using BitmapPtr = std::unique_ptr<Gdiplus::GpBitmap, DisposeImage>;

struct ReleaseCom {
    void operator()(IUnknown* object) const { object->Release(); }
};
using StreamPtr = std::unique_ptr<IStream, ReleaseCom>;

// The GDI+ encoders' class identifiers differ only in their lowest byte.
CLSID encoderClsid(ImageFormat format)
{
    unsigned long formatByte = 0x06;
    switch (format) {
        case ImageFormat::bmp: formatByte = 0x00; break;
        case ImageFormat::jpeg: formatByte = 0x01; break;
        case ImageFormat::gif: formatByte = 0x02; break;
        case ImageFormat::png: formatByte = 0x06; break;
    }
    return {0x557CF400 | formatByte, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
}

// A GDI+ bitmap over the image's own pixels (0x..RRGGBB is 32bppRGB in memory, whose fourth byte
// GDI+ ignores); GDI+ only reads them, and the bitmap must not outlive the image.
BitmapPtr bitmapOver(ImageView image)
{
    Gdiplus::GpBitmap* bitmap = nullptr;
    auto* scan0 = reinterpret_cast<BYTE*>(const_cast<std::uint32_t*>(image.pixels));
    if (gp::GdipCreateBitmapFromScan0(image.width, image.height, image.width * 4, PixelFormat32bppRGB, scan0,
                                      &bitmap) != Gdiplus::Ok)
        return nullptr;
    return BitmapPtr(bitmap);
}

// The GIF encoder needs a palette picture (from 24/32-bit pictures some encoders write a broken
// file). Each channel is rounded to six levels: the 216-colour cube of the halftone palette that
// GDI+'s own 8-bit conversion uses, mapped here in one pass instead of a search per pixel.
constexpr int paletteLevels = 6;
constexpr int paletteSize = paletteLevels * paletteLevels * paletteLevels;

BitmapPtr paletteBitmapOver(ImageView image, std::vector<BYTE>& indices)
{
    std::array<BYTE, 256> level{};
    for (int v = 0; v < 256; ++v) level[v] = static_cast<BYTE>((v * (paletteLevels - 1) + 127) / 255);
    const int stride = (image.width + 3) & ~3;
    indices.assign(static_cast<std::size_t>(stride) * image.height, 0);
    for (int y = 0; y < image.height; ++y) {
        const std::uint32_t* row = image.pixels + static_cast<std::size_t>(y) * image.width;
        BYTE* out = indices.data() + static_cast<std::size_t>(y) * stride;
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t p = row[x];
            out[x] = static_cast<BYTE>((level[p >> 16 & 0xFF] * paletteLevels + level[p >> 8 & 0xFF]) * paletteLevels +
                                       level[p & 0xFF]);
        }
    }

    Gdiplus::GpBitmap* bitmap = nullptr;
    if (gp::GdipCreateBitmapFromScan0(image.width, image.height, stride, PixelFormat8bppIndexed, indices.data(),
                                      &bitmap) != Gdiplus::Ok)
        return nullptr;
    BitmapPtr owned(bitmap);

    // ColorPalette ends in a one-entry array; the buffer holds all entries.
    std::vector<std::uint32_t> buffer(2 + paletteSize);
    auto* palette = reinterpret_cast<Gdiplus::ColorPalette*>(buffer.data());
    palette->Flags = 0;
    palette->Count = paletteSize;
    const auto value = [](int level) { return static_cast<Gdiplus::ARGB>(level * 255 / (paletteLevels - 1)); };
    for (int i = 0; i < paletteSize; ++i) {
        const int red = i / (paletteLevels * paletteLevels);
        const int green = i / paletteLevels % paletteLevels;
        const int blue = i % paletteLevels;
        palette->Entries[i] = 0xFF000000u | value(red) << 16 | value(green) << 8 | value(blue);
    }
    if (gp::GdipSetImagePalette(owned.get(), palette) != Gdiplus::Ok) return nullptr;
    return owned;
}

Bytes streamContent(IStream& stream)
{
    STATSTG stat{};
    if (FAILED(stream.Stat(&stat, STATFLAG_NONAME)) || stat.cbSize.QuadPart == 0 || stat.cbSize.QuadPart > MAXDWORD)
        return {};
    if (FAILED(stream.Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr))) return {};
    Bytes bytes(static_cast<std::size_t>(stat.cbSize.QuadPart));
    ULONG read = 0;
    if (FAILED(stream.Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read)) || read != bytes.size()) return {};
    return bytes;
}

}  // namespace

GdiplusSession::GdiplusSession()
{
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    const Gdiplus::Status status = Gdiplus::GdiplusStartup(&token, &input, nullptr);
    if (status == Gdiplus::Ok)
        token_ = token;
    else
        reportError("GdiplusStartup", static_cast<unsigned long>(status));
}

GdiplusSession::~GdiplusSession()
{
    if (started()) Gdiplus::GdiplusShutdown(token_);
}

Bytes Win32ImageEncoder::encode(ImageView image, ImageFormat format)
{
    if (image.empty()) return {};
    std::vector<BYTE> indices;  // the GIF picture's pixels; they outlive its bitmap
    // A 32-bit BMP keeps the fourth byte, which some viewers take for alpha: it gets a copy of the
    // pixels with that byte cleared. The other formats write three channels or a palette.
    std::vector<std::uint32_t> cleared;
    if (format == ImageFormat::bmp) {
        cleared.resize(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height));
        std::transform(image.pixels, image.pixels + cleared.size(), cleared.begin(),
                       [](std::uint32_t pixel) { return pixel & 0x00FFFFFFu; });
        image.pixels = cleared.data();
    }
    const BitmapPtr bitmap = format == ImageFormat::gif ? paletteBitmapOver(image, indices) : bitmapOver(image);
    if (!bitmap) return {};

    IStream* rawStream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &rawStream))) return {};
    const StreamPtr stream(rawStream);
    const CLSID encoder = encoderClsid(format);
    if (gp::GdipSaveImageToStream(bitmap.get(), stream.get(), &encoder, nullptr) != Gdiplus::Ok) return {};
    return streamContent(*stream);
}

}  // namespace tintora::win32
