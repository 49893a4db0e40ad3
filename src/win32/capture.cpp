#include "win32/capture.h"

#include <windows.h>

#include <cstring>

#include "win32/error.h"
#include "win32/handles.h"
#include "win32/system.h"

namespace tintora::win32 {

namespace {

// Far more than any desktop, and little enough to allocate in a 32-bit process.
constexpr long long maxPixels = 1LL << 26;

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
    if (flush) flush();
}

Image Win32ScreenCapture::grab(ScreenRect r)
{
    const long long wideWidth = static_cast<long long>(r.right) - r.left;
    const long long wideHeight = static_cast<long long>(r.bottom) - r.top;
    if (wideWidth <= 0 || wideHeight <= 0 || wideWidth * wideHeight > maxPixels) return {};
    const int width = static_cast<int>(wideWidth);
    const int height = static_cast<int>(wideHeight);

    const WindowDc screen(nullptr);
    if (!screen) return {};
    const MemoryDc memory(CreateCompatibleDC(screen.get()));
    if (!memory) return {};

    const BITMAPINFO info = topDownBitmapInfo(width, height);
    void* bits = nullptr;
    const GdiObject<HBITMAP> dib(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib || !bits) {
        reportLastError("CreateDIBSection (screen capture)");
        return {};
    }
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    // Pixels outside every screen stay black.
    std::memset(bits, 0, count * sizeof(std::uint32_t));

    const RECT wanted{r.left, r.top, r.right, r.bottom};
    const int screenLeft = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int screenTop = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const RECT screens{screenLeft, screenTop, screenLeft + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                       screenTop + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    RECT visible{};
    if (IntersectRect(&visible, &wanted, &screens)) {
        const SelectedObject selected(memory.get(), dib.get());
        // CAPTUREBLT: layered windows (the tint overlay) are part of the picture.
        if (!BitBlt(memory.get(), visible.left - r.left, visible.top - r.top, visible.right - visible.left,
                    visible.bottom - visible.top, screen.get(), visible.left, visible.top, SRCCOPY | CAPTUREBLT))
            return {};
        GdiFlush();
    }

    Image image{width, height, std::vector<std::uint32_t>(count)};
    const auto* source = static_cast<const std::uint32_t*>(bits);
    for (std::size_t i = 0; i < count; ++i) image.pixels[i] = source[i] & 0x00FFFFFFu;
    return image;
}

}  // namespace tintora::win32
