#include "win32/canvas.h"

#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <array>
#include <vector>

namespace tintora::win32 {
namespace {

// A plain visible top-level window to hold the canvas.
class HostWindow {
public:
    HostWindow()
        : window_(CreateWindowExW(0, L"STATIC", L"canvas test", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr))
    {
    }
    HWND get() const { return window_.get(); }

private:
    OwnedWindow window_;
};

// Encodes 0x00RRGGBB pixels as an 8-bit RGB PNG.
Bytes encodePng(int width, int height, const std::vector<std::uint32_t>& pixels)
{
    std::vector<png_byte> rgb;
    for (std::uint32_t p : pixels) rgb.insert(rgb.end(), {png_byte(p >> 16), png_byte(p >> 8), png_byte(p)});
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGB;
    png_alloc_size_t size = 0;
    png_image_write_to_memory(&image, nullptr, &size, 0, rgb.data(), 0, nullptr);
    Bytes out(size);
    EXPECT_TRUE(png_image_write_to_memory(&image, out.data(), &size, 0, rgb.data(), 0, nullptr));
    out.resize(size);
    return out;
}

COLORREF screenPixel(HWND window, int x, int y)
{
    UpdateWindow(window);
    const WindowDc dc(window);
    return GetPixel(dc.get(), x, y);
}

TEST(Win32Canvas, FillCoversImageAndWindow)
{
    HostWindow host;
    Win32Canvas canvas;
    canvas.attach(host.get());
    canvas.setSize({64, 48});
    canvas.fill(rgb(10, 20, 30));

    ASSERT_EQ(canvas.pixels().size(), 64u * 48u);
    for (std::uint32_t p : canvas.pixels()) ASSERT_EQ(p, 0x0A141Eu);
    for (const POINT at : {POINT{0, 0}, POINT{63, 0}, POINT{30, 20}, POINT{0, 47}, POINT{63, 47}}) {
        EXPECT_EQ(screenPixel(canvas.hwnd(), at.x, at.y), rgb(10, 20, 30)) << at.x << "," << at.y;
    }
}

TEST(Win32Canvas, ClearRestoresKeyColour)
{
    HostWindow host;
    Win32Canvas canvas;
    canvas.attach(host.get());
    canvas.setSize({16, 8});
    canvas.fill(rgb(1, 2, 3));
    canvas.clear();

    for (std::uint32_t p : canvas.pixels()) ASSERT_EQ(p, 0xFC02FBu);
    EXPECT_EQ(screenPixel(canvas.hwnd(), 15, 7), keyColour);
}

RECT rectInParent(HWND child)
{
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

TEST(Win32Canvas, IsADisabledChildThatFollowsTheParentsClientSizeWithItsTint)
{
    HostWindow host;
    Win32Canvas canvas;
    canvas.attach(host.get());
    EXPECT_EQ(GetParent(canvas.hwnd()), host.get());
    EXPECT_FALSE(IsWindowEnabled(canvas.hwnd()));
    RECT r = rectInParent(canvas.hwnd());
    EXPECT_EQ((std::array{r.left, r.top, r.right, r.bottom}), (std::array{0L, 0L, 200L, 200L}));
    EXPECT_EQ(canvas.size(), (Size{200, 200}));

    canvas.fill(rgb(10, 20, 30));
    SetWindowPos(host.get(), nullptr, 0, 0, 300, 250, SWP_NOZORDER | SWP_NOACTIVATE);
    r = rectInParent(canvas.hwnd());
    EXPECT_EQ((std::array{r.left, r.top, r.right, r.bottom}), (std::array{0L, 0L, 300L, 250L}));
    ASSERT_EQ(canvas.size(), (Size{300, 250}));
    EXPECT_TRUE(std::ranges::all_of(canvas.pixels(), [](std::uint32_t p) { return p == 0x0A141Eu; }));
    EXPECT_EQ(screenPixel(canvas.hwnd(), 299, 249), rgb(10, 20, 30));

    canvas.clear();
    SetWindowPos(host.get(), nullptr, 0, 0, 120, 90, SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_EQ(canvas.size(), (Size{120, 90}));
    EXPECT_TRUE(std::ranges::all_of(canvas.pixels(), [](std::uint32_t p) { return p == 0xFC02FBu; }));
}

TEST(Win32Canvas, DrawingGoesOnAfterParentIsDestroyed)
{
    Win32Canvas canvas;
    {
        HostWindow host;
        canvas.attach(host.get());
    }
    EXPECT_EQ(canvas.hwnd(), nullptr);
    canvas.setSize({4, 4});
    canvas.fill(rgb(1, 2, 3));
    EXPECT_EQ(canvas.pixels()[15], 0x010203u);
}

TEST(Win32Canvas, StaysBelowSiblingCreatedBeforeIt)
{
    HostWindow host;
    const OwnedWindow sibling(CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, host.get(),
                                              nullptr, GetModuleHandleW(nullptr), nullptr));
    Win32Canvas canvas;
    canvas.attach(host.get());
    canvas.setSize({40, 40});
    EXPECT_EQ(GetWindow(sibling.get(), GW_HWNDNEXT), canvas.hwnd());
}

TEST(Win32Canvas, PictureIsTiledWithKeyColourKept)
{
    HostWindow host;
    Win32Canvas canvas;
    canvas.attach(host.get());
    canvas.setSize({8, 5});
    const std::vector<std::uint32_t> tile = {0xFC02FB, 0x112233, 0x445566,  //
                                             0x778899, 0xFC02FB, 0xAABBCC};
    canvas.setPicture(encodePng(3, 2, tile));

    const auto pixels = canvas.pixels();
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 8; ++x) {
            ASSERT_EQ(pixels[static_cast<std::size_t>(y * 8 + x)], tile[static_cast<std::size_t>((y % 2) * 3 + x % 3)])
                << x << "," << y;
        }
    }
    EXPECT_EQ(screenPixel(canvas.hwnd(), 4, 1), keyColour);
    EXPECT_EQ(screenPixel(canvas.hwnd(), 5, 1), rgb(0xAA, 0xBB, 0xCC));
    // A repainted strip shows its own part of the picture, not the picture's origin.
    const RECT strip{5, 1, 8, 5};
    InvalidateRect(canvas.hwnd(), &strip, FALSE);
    EXPECT_EQ(screenPixel(canvas.hwnd(), 5, 1), rgb(0xAA, 0xBB, 0xCC));
    EXPECT_EQ(screenPixel(canvas.hwnd(), 6, 1), rgb(0x77, 0x88, 0x99));

    // A fill covers the picture; a clear brings the picture back.
    canvas.fill(rgb(9, 9, 9));
    EXPECT_EQ(canvas.pixels()[9], 0x090909u);
    canvas.clear();
    EXPECT_EQ(canvas.pixels()[9], tile[4]);
}

TEST(Win32Canvas, InvalidOrEmptyPictureRemovesPicture)
{
    HostWindow host;
    Win32Canvas canvas;
    canvas.attach(host.get());
    canvas.setSize({6, 4});
    const Bytes picture = encodePng(1, 1, {0x123456});
    for (const Bytes& replacement : {Bytes{}, Bytes{1, 2, 3}, Bytes(picture.begin(), picture.end() - 20)}) {
        canvas.setPicture(picture);
        ASSERT_EQ(canvas.pixels()[0], 0x123456u);
        canvas.setPicture(replacement);
        for (std::uint32_t p : canvas.pixels()) ASSERT_EQ(p, 0xFC02FBu);
    }
}

}  // namespace
}  // namespace tintora::win32
