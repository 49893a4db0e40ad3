#include "win32/picture_box.h"

#include "platform/png.h"
#include "win32/system.h"

namespace tintora::win32 {
namespace {

// The start-up pictures are 800 x 600; a picture far beyond that is not one of them.
constexpr std::size_t maxPicturePixels = 4096 * 4096;

}  // namespace

PictureBox::PictureBox(const WindowClass& windowClass, HWND parent, DWORD style, Geometry g)
{
    CreateWindowExW(0, windowClass.name(), L"", style, g.left, g.top, g.width, g.height, parent, nullptr,
                    GetModuleHandleW(nullptr), this);
}

void PictureBox::setPicture(Bytes png)
{
    png_ = std::move(png);
    image_ = {};
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void PictureBox::paint()
{
    PaintDc dc(hwnd());
    if (image_.empty() && !png_.empty()) image_ = decodePng(png_, maxPicturePixels).value_or(Image{});
    if (image_.empty()) return;
    RECT client{};
    GetClientRect(hwnd(), &client);
    const BITMAPINFO info = topDownBitmapInfo(image_.width, image_.height);
    SetStretchBltMode(dc.get(), HALFTONE);
    SetBrushOrgEx(dc.get(), 0, 0, nullptr);
    StretchDIBits(dc.get(), 0, 0, client.right, client.bottom, 0, 0, image_.width, image_.height, image_.pixels.data(),
                  &info, DIB_RGB_COLORS, SRCCOPY);
}

LRESULT CALLBACK PictureBox::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = windowObject<PictureBox>(hwnd, message, lParam);
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
        case WM_NCCREATE: self->hwnd_.reset(hwnd); break;
        case WM_NCDESTROY:
            // Destroyed with its parent window: nothing is left to destroy.
            (void)self->hwnd_.release();
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            break;
        case WM_PAINT: self->paint(); return 0;
        case WM_SHOWWINDOW:
            // Hidden, the box lets go of the decoded picture; the next paint decodes it again.
            if (!wParam) self->image_ = {};
            break;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            // Keys pressed while the picture has the focus belong to the window it sits on.
            return SendMessageW(GetParent(hwnd), message, wParam, lParam);
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace tintora::win32
