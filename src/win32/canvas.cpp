#include "win32/canvas.h"

#include <commctrl.h>

#include <algorithm>

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

}  // namespace

LRESULT CALLBACK Win32Canvas::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = windowObject<Win32Canvas>(hwnd, message, lParam);
    switch (message) {
        case WM_ERASEBKGND: return 1;  // WM_PAINT covers every pixel
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
    if (wanted != size_) {
        size_ = wanted;
        // A brush covers any size; only the tiled picture is made again.
        if (!solidColour()) render();
    }
    if (window_) {
        // Stays below the parent's other controls, such as the start-up picture box.
        SetWindowPos(hwnd(), HWND_BOTTOM, 0, 0, size_.width, size_.height, SWP_NOMOVE | SWP_NOACTIVATE);
    }
}

std::optional<Colour> Win32Canvas::solidColour() const
{
    if (tint_) return tint_;
    if (!picture_) return keyColour;
    return std::nullopt;
}

std::vector<std::uint32_t> Win32Canvas::pixels() const
{
    const auto count = static_cast<std::size_t>(size_.width) * static_cast<std::size_t>(size_.height);
    if (const auto colour = solidColour()) return std::vector<std::uint32_t>(count, imagePixel(*colour));
    if (!tiledBits_) return {};
    GdiFlush();  // GDI may still be using the image for a paint
    return {tiledBits_, tiledBits_ + count};
}

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
    tiled_.reset();
    tiledBits_ = nullptr;
    if (!solidColour() && size_.width > 0 && size_.height > 0) {
        const BITMAPINFO info = topDownBitmapInfo(size_.width, size_.height);
        void* bits = nullptr;
        tiled_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        if (!tiled_) {
            reportLastError("CreateDIBSection (canvas)");
        } else {
            // Tiled from the top-left corner, key-coloured picture pixels included as they are.
            auto* image = static_cast<std::uint32_t*>(bits);
            const auto width = static_cast<std::size_t>(size_.width);
            const auto pictureWidth = static_cast<std::size_t>(picture_->width);
            for (int y = 0; y < size_.height; ++y) {
                const std::uint32_t* source = picture_->pixels.data() + (y % picture_->height) * pictureWidth;
                std::uint32_t* row = image + y * width;
                for (std::size_t x = 0; x < width; x += pictureWidth)
                    std::copy_n(source, std::min(pictureWidth, width - x), row + x);
            }
            tiledBits_ = image;
        }
    }
    if (window_) InvalidateRect(hwnd(), nullptr, FALSE);
}

void Win32Canvas::paint()
{
    const PaintDc dc(hwnd());
    const RECT& area = dc.area();
    if (const auto colour = solidColour()) {
        // The canvas colour is packed as a COLORREF is.
        const GdiObject<HBRUSH> brush(CreateSolidBrush(*colour));
        FillRect(dc.get(), &area, brush.get());
        return;
    }
    if (!tiled_) return;
    const MemoryDc source(CreateCompatibleDC(dc.get()));
    const SelectedObject selected(source.get(), tiled_.get());
    BitBlt(dc.get(), area.left, area.top, area.right - area.left, area.bottom - area.top, source.get(), area.left,
           area.top, SRCCOPY);
}

}  // namespace tintora::win32
