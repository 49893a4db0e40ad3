#include "win32/capture.h"

#include <windows.h>

#include <algorithm>
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

ImageView Win32ScreenCapture::grab(ScreenRect r)
{
    if (!copyScreen(r)) return {};
    return {surface_.width, surface_.height, surface_.bits};
}

void Win32ScreenCapture::endShot()
{
    long long largestMonitor = 0;
    for (const ScreenRect& monitor : monitors_) largestMonitor = std::max(largestMonitor, area(monitor));
    if (static_cast<long long>(surface_.width) * surface_.height > largestMonitor) surface_ = {};
}

bool Win32ScreenCapture::keepSurface(int width, int height)
{
    if (surface_.bitmap && surface_.width == width && surface_.height == height) return true;
    // The old surface goes first, so that two full-screen bitmaps are never held at once.
    surface_ = {};
    MemoryDc dc(CreateCompatibleDC(screen_->get()));
    const BITMAPINFO info = topDownBitmapInfo(width, height);
    void* bits = nullptr;
    GdiObject<HBITMAP> bitmap(CreateDIBSection(screen_->get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dc || !bitmap || !bits) {
        reportLastError("CreateDIBSection (screen capture)");
        return false;
    }
    surface_ = {width, height, std::move(dc), std::move(bitmap), static_cast<std::uint32_t*>(bits)};
    return true;
}

// Each part of the rectangle that lies on a monitor is copied from the screen; the rest (left of,
// above or between the monitors) is made black, as the kept bitmap may hold an earlier grab there.
bool Win32ScreenCapture::copyParts(ScreenRect r, const std::vector<ScreenRect>& parts)
{
    if (!screen_) screen_.emplace(nullptr);
    if (!*screen_ || !keepSurface(r.right - r.left, r.bottom - r.top)) return false;
    const SelectedObject selected(surface_.dc.get(), surface_.bitmap.get());
    const GdiObject<HRGN> uncovered(CreateRectRgn(0, 0, surface_.width, surface_.height));
    if (!uncovered) return false;
    int rest = SIMPLEREGION;
    for (const ScreenRect& part : parts) {
        const GdiObject<HRGN> covered(
            CreateRectRgn(part.left - r.left, part.top - r.top, part.right - r.left, part.bottom - r.top));
        rest = covered ? CombineRgn(uncovered.get(), uncovered.get(), covered.get(), RGN_DIFF) : ERROR;
        if (rest == ERROR) return false;
    }
    if (rest != NULLREGION &&
        !FillRgn(surface_.dc.get(), uncovered.get(), static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))))
        return false;
    for (const ScreenRect& part : parts) {
        // CAPTUREBLT: layered windows (the tint overlay) are part of the picture.
        if (!BitBlt(surface_.dc.get(), part.left - r.left, part.top - r.top, part.right - part.left,
                    part.bottom - part.top, screen_->get(), part.left, part.top, SRCCOPY | CAPTUREBLT))
            return false;
    }
    GdiFlush();
    return true;
}

bool Win32ScreenCapture::copyScreen(ScreenRect r)
{
    const long long wideWidth = static_cast<long long>(r.right) - r.left;
    const long long wideHeight = static_cast<long long>(r.bottom) - r.top;
    if (wideWidth <= 0 || wideHeight <= 0 || wideWidth * wideHeight > maxPixels) return false;

    std::vector<ScreenRect> monitors;
    std::vector<ScreenRect> parts;
    for (const RECT& m : monitorRects()) {
        const ScreenRect monitor{m.left, m.top, m.right, m.bottom};
        monitors.push_back(monitor);
        if (const ScreenRect part = intersection(r, monitor); area(part) > 0) parts.push_back(part);
    }
    // A display change gets a new screen DC; so does a kept one that no longer copies, which a
    // change leaving the monitors where they were (another colour depth) may have made stale.
    if (monitors != monitors_) screen_.reset();
    monitors_ = std::move(monitors);
    const bool keptDc = screen_.has_value();
    bool copied = copyParts(r, parts);
    if (!copied && keptDc) {
        screen_.reset();
        copied = copyParts(r, parts);
    }
    if (copied) return true;
    reportLastError("Copy of the screen (screen capture)");
    screen_.reset();
    return false;
}

}  // namespace tintora::win32
