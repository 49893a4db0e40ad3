#pragma once
// A window class registered for the lifetime of its owner.
#include <windows.h>

#include "win32/error.h"

namespace tintora::win32 {

class WindowClass {
public:
    WindowClass(const wchar_t* name, WNDPROC procedure, HCURSOR cursor, HBRUSH background)
        : name_(name), instance_(GetModuleHandleW(nullptr))
    {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = procedure;
        wc.hInstance = instance_;
        wc.hCursor = cursor;
        wc.hbrBackground = background;
        wc.lpszClassName = name;
        if (!RegisterClassExW(&wc)) reportLastError("RegisterClassExW");
    }
    ~WindowClass() { UnregisterClassW(name_, instance_); }
    WindowClass(const WindowClass&) = delete;
    WindowClass& operator=(const WindowClass&) = delete;

    const wchar_t* name() const { return name_; }

private:
    const wchar_t* name_;
    HINSTANCE instance_;
};

// Window procedures forward to the object stored with the window when it was created.
template <typename T>
T* windowObject(HWND hwnd, UINT message, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<T*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        return self;
    }
    return reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

}  // namespace tintora::win32
