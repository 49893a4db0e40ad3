#include "win32/capture.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "win32/error.h"
#include "win32/handles.h"
#include "win32/system.h"

namespace tintora::win32 {

namespace {

// Far more than any desktop, and little enough to allocate in a 32-bit process.
constexpr long long maxPixels = 1LL << 26;

// How long the screen is given to catch up with a move when no compositor says it has: three
// frames at 60 Hz. Under Wine with an X compositor, 40 ms was enough on a loaded machine where no
// wait failed one shot in three.
constexpr DWORD uncomposedSettleMilliseconds = 50;

bool compositionEnabled()
{
    using IsEnabled = HRESULT(WINAPI*)(BOOL*);
    static const auto isEnabled = dwmFunction<IsEnabled>("DwmIsCompositionEnabled");
    BOOL enabled = FALSE;
    return isEnabled && isEnabled(&enabled) == S_OK && enabled;
}

BOOL CALLBACK paintNow(HWND window, LPARAM)
{
    UpdateWindow(window);
    return TRUE;
}

}  // namespace

void Win32ScreenCapture::flushScreen()
{
    // This program's windows uncovered by a move are painted now, not when their WM_PAINT comes.
    EnumThreadWindows(GetCurrentThreadId(), paintNow, 0);
    GdiFlush();
    // Waits until the desktop compositor has shown what was drawn so far.
    using Flush = HRESULT(WINAPI*)();
    static const auto flush = dwmFunction<Flush>("DwmFlush");
    if (flush && flush() == S_OK && compositionEnabled()) return;
    // Without a compositor of its own (Windows 7's basic theme, Wine) the screen catches up on its
    // own time: other programs repaint what the move uncovered, an X compositor redraws the root.
    // Nothing can be waited on, so a few frames are given to them.
    Sleep(uncomposedSettleMilliseconds);
}

const Image& Win32ScreenCapture::grab(ScreenRect r)
{
    if (!copyScreen(r)) picture_ = {};
    return picture_;
}

void Win32ScreenCapture::endShot()
{
    if (static_cast<long long>(picture_.pixels.size()) <= largestMonitor_) return;
    surface_ = {};
    picture_ = {};
}

bool Win32ScreenCapture::keepSurface(HDC screen, int width, int height)
{
    if (surface_.bitmap && surface_.width == width && surface_.height == height) return true;
    // The old surface goes first, so that two full-screen bitmaps are never held at once.
    surface_ = {};
    MemoryDc dc(CreateCompatibleDC(screen));
    const BITMAPINFO info = topDownBitmapInfo(width, height);
    void* bits = nullptr;
    GdiObject<HBITMAP> bitmap(CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dc || !bitmap || !bits) {
        reportLastError("CreateDIBSection (screen capture)");
        return false;
    }
    surface_ = {width, height, std::move(dc), std::move(bitmap), static_cast<std::uint32_t*>(bits)};
    return true;
}

bool Win32ScreenCapture::copyScreen(ScreenRect r)
{
    const long long wideWidth = static_cast<long long>(r.right) - r.left;
    const long long wideHeight = static_cast<long long>(r.bottom) - r.top;
    if (wideWidth <= 0 || wideHeight <= 0 || wideWidth * wideHeight > maxPixels) return false;
    const int width = static_cast<int>(wideWidth);
    const int height = static_cast<int>(wideHeight);

    const WindowDc screen(nullptr);
    if (!screen || !keepSurface(screen.get(), width, height)) return false;
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);

    // Each part of the rectangle that lies on a monitor is copied from the screen; the rest (left
    // of, above or between the monitors) is black. A kept bitmap is cleared unless the parts tile
    // the rectangle: overlapping monitors may leave gaps however much their parts add up to.
    std::vector<ScreenRect> parts;
    largestMonitor_ = 0;
    for (const RECT& m : monitorRects()) {
        const ScreenRect monitor{m.left, m.top, m.right, m.bottom};
        largestMonitor_ = std::max(largestMonitor_, area(monitor));
        if (const ScreenRect part = intersection(r, monitor); area(part) > 0) parts.push_back(part);
    }
    if (!tiles(r, parts)) std::memset(surface_.bits, 0, count * sizeof(std::uint32_t));
    if (!parts.empty()) {
        const SelectedObject selected(surface_.dc.get(), surface_.bitmap.get());
        for (const ScreenRect& part : parts) {
            // CAPTUREBLT: layered windows (the tint overlay) are part of the picture.
            if (!BitBlt(surface_.dc.get(), part.left - r.left, part.top - r.top, part.right - part.left,
                        part.bottom - part.top, screen.get(), part.left, part.top, SRCCOPY | CAPTUREBLT)) {
                reportLastError("BitBlt (screen capture)");
                return false;
            }
        }
        GdiFlush();
    }

    // One pass from the bitmap into the picture, whose storage is kept as well while the size
    // stays; the fourth byte of a screen pixel is undefined.
    if (picture_.pixels.size() != count) picture_.pixels = std::vector<std::uint32_t>(count);
    picture_.width = width;
    picture_.height = height;
    std::transform(surface_.bits, surface_.bits + count, picture_.pixels.begin(),
                   [](std::uint32_t pixel) { return pixel & 0x00FFFFFFu; });
    return true;
}

}  // namespace tintora::win32
