#pragma once
// Tint windows: click-through, topmost, layered popup windows without a taskbar button, each
// painted one colour with a brush.
#include <windows.h>

#include <map>
#include <memory>

#include "platform/tint_windows.h"
#include "win32/handles.h"
#include "win32/window_class.h"

namespace tintora::win32 {

class Win32TintWindows final : public TintWindows {
public:
    Win32TintWindows();
    WindowHandle open(Colour colour, int alpha) override;
    void place(WindowHandle tint, ScreenRect r) override;
    void hide(WindowHandle tint) override;
    void close(WindowHandle tint) override;

private:
    struct TintWindow {
        GdiObject<HBRUSH> brush;
        OwnedWindow hwnd;
    };
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    WindowClass windowClass_;
    std::map<WindowHandle, std::unique_ptr<TintWindow>> windows_;
};

}  // namespace tintora::win32
