#include "win32/canvas.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

#include "platform/png.h"
#include "win32/error.h"
#include "win32/system.h"
#include "win32/window_class.h"

namespace tintora::win32 {
namespace {

constexpr wchar_t canvasClassName[] = L"TintoraCanvas";

std::size_t screenPixelCount()
{
    return static_cast<std::size_t>(GetSystemMetrics(SM_CXSCREEN)) * GetSystemMetrics(SM_CYSCREEN);
}

// Sets every pixel to one value: the first row pixel by pixel, the others as copies of it, which
// the C library's block copy makes as fast as clearing memory.
void fillImage(std::span<std::uint32_t> pixels, std::size_t width, std::uint32_t value)
{
    if (pixels.empty()) return;
    std::fill_n(pixels.data(), width, value);
    for (std::size_t row = width; row < pixels.size(); row += width)
        std::memcpy(pixels.data() + row, pixels.data(), width * sizeof value);
}

}  // namespace

LRESULT CALLBACK Win32Canvas::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = windowObject<Win32Canvas>(hwnd, message, lParam);
    switch (message) {
        case WM_ERASEBKGND: return 1;  // WM_PAINT covers every pixel from the image
        case WM_PAINT:
            if (self) {
                self->paint();
                return 0;
            }
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(GetParent(hwnd), parentProcedure, 0);
            if (self) self->window_.release();  // destroyed with its parent: nothing left to own
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// The parent's messages pass here first: every new client size is the canvas's new size, so the
// tint covers the overlay wherever and however large it is placed.
LRESULT CALLBACK Win32Canvas::parentProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                              DWORD_PTR self)
{
    if (message == WM_SIZE && wParam != SIZE_MINIMIZED)
        reinterpret_cast<Win32Canvas*>(self)->setSize({LOWORD(lParam), HIWORD(lParam)});
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

void Win32Canvas::attach(HWND parent)
{
    static const WindowClass windowClass(canvasClassName, procedure, LoadCursorW(nullptr, IDC_ARROW), nullptr);
    window_.reset(CreateWindowExW(0, windowClass.name(), L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_DISABLED, 0,
                                  0, 0, 0, parent, nullptr, GetModuleHandleW(nullptr), this));
    if (!window_) {
        reportLastError("CreateWindowExW (canvas)");
        return;
    }
    if (!SetWindowSubclass(parent, parentProcedure, 0, reinterpret_cast<DWORD_PTR>(this)))
        reportLastError("SetWindowSubclass (canvas)");
    RECT client{};
    GetClientRect(parent, &client);
    setSize({client.right, client.bottom});
}

void Win32Canvas::setSize(Size s)
{
    const Size wanted{std::max(s.width, 0), std::max(s.height, 0)};
    if (wanted != size_ || !bits_) {
        size_ = wanted;
        bitmap_.reset();
        bits_ = nullptr;
        if (size_.width > 0 && size_.height > 0) {
            const BITMAPINFO info = topDownBitmapInfo(size_.width, size_.height);
            void* bits = nullptr;
            bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
            if (bitmap_)
                bits_ = static_cast<std::uint32_t*>(bits);
            else
                reportLastError("CreateDIBSection (canvas)");
        }
        if (!bits_) size_ = {};
        render();
    }
    if (window_) {
        // Stays below the parent's other controls, such as the start-up picture box.
        SetWindowPos(hwnd(), HWND_BOTTOM, 0, 0, size_.width, size_.height, SWP_NOMOVE | SWP_NOACTIVATE);
    }
}

std::span<const std::uint32_t> Win32Canvas::pixels() const
{
    GdiFlush();  // GDI may still be using the image for a paint
    return {bits_, bits_ ? static_cast<std::size_t>(size_.width) * size_.height : 0};
}

std::span<std::uint32_t> Win32Canvas::image() { return {bits_, pixels().size()}; }

void Win32Canvas::clear()
{
    tint_.reset();
    render();
}

void Win32Canvas::fill(Colour c)
{
    tint_ = c;
    render();
}

void Win32Canvas::setPicture(const Bytes& png)
{
    const std::size_t canvasPixels = static_cast<std::size_t>(size_.width) * size_.height;
    picture_ = png.empty() ? std::nullopt : decodePng(png, std::max(canvasPixels, screenPixelCount()));
    clear();
}

void Win32Canvas::render()
{
    const std::span<std::uint32_t> pixels = image();
    const auto width = static_cast<std::size_t>(size_.width);
    if (tint_) {
        fillImage(pixels, width, imagePixel(*tint_));
    } else {
        fillImage(pixels, width, imagePixel(keyColour));
        if (picture_ && !pixels.empty()) {
            // Tiled from the top-left corner, key-coloured picture pixels included as they are.
            const auto pictureWidth = static_cast<std::size_t>(picture_->width);
            for (int y = 0; y < size_.height; ++y) {
                const std::uint32_t* source = picture_->pixels.data() + (y % picture_->height) * pictureWidth;
                std::uint32_t* row = pixels.data() + y * width;
                for (std::size_t x = 0; x < width; x += pictureWidth) {
                    std::copy_n(source, std::min(pictureWidth, width - x), row + x);
                }
            }
        }
    }
    if (window_) InvalidateRect(hwnd(), nullptr, FALSE);
}

void Win32Canvas::paint()
{
    const PaintDc dc(hwnd());
    if (!bitmap_) return;
    const MemoryDc source(CreateCompatibleDC(dc.get()));
    const SelectedObject selected(source.get(), bitmap_.get());
    const RECT& area = dc.area();
    BitBlt(dc.get(), area.left, area.top, area.right - area.left, area.bottom - area.top, source.get(), area.left,
           area.top, SRCCOPY);
}

}  // namespace tintora::win32
