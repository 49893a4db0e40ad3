#pragma once
// Small owners for Win32 handles, so that every handle is released exactly once.
#include <windows.h>
#include <objbase.h>

#include <memory>
#include <type_traits>

namespace tintora::win32 {

namespace detail {
struct GdiObjectDeleter {
    void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
struct FindDeleter {
    void operator()(HANDLE h) const { FindClose(h); }
};
struct HandleDeleter {
    void operator()(HANDLE h) const { CloseHandle(h); }
};
struct MemoryDcDeleter {
    void operator()(HDC h) const { DeleteDC(h); }
};
struct LibraryDeleter {
    void operator()(HMODULE h) const { FreeLibrary(h); }
};
struct IconDeleter {
    void operator()(HICON h) const { DestroyIcon(h); }
};
struct WindowDeleter {
    void operator()(HWND h) const { DestroyWindow(h); }
};
}  // namespace detail

// A pen, brush, bitmap, font or region, deleted when the owner goes.
template <typename T>
using GdiObject = std::unique_ptr<std::remove_pointer_t<T>, detail::GdiObjectDeleter>;

// A memory device context from CreateCompatibleDC.
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, detail::MemoryDcDeleter>;

// An icon loaded at a size of its own (not a shared one).
using OwnedIcon = std::unique_ptr<std::remove_pointer_t<HICON>, detail::IconDeleter>;

// A window destroyed with its owner.
using OwnedWindow = std::unique_ptr<std::remove_pointer_t<HWND>, detail::WindowDeleter>;

// A search handle from FindFirstFileW; construct only from a valid handle.
using FindHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, detail::FindDeleter>;

// A DLL loaded at run time.
using Library = std::unique_ptr<std::remove_pointer_t<HMODULE>, detail::LibraryDeleter>;

// A kernel handle (file, event, ...); construct only from a valid handle.
using KernelHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, detail::HandleDeleter>;

// The device context of a window (or of the screen, for nullptr), released on scope exit.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc()
    {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint/EndPaint for one WM_PAINT.
class PaintDc {
public:
    explicit PaintDc(HWND window) : window_(window) { BeginPaint(window_, &paint_); }
    ~PaintDc() { EndPaint(window_, &paint_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC get() const { return paint_.hdc; }
    const RECT& area() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
};

// Selects an object into a DC and puts the previous one back on scope exit.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject()
    {
        if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// COM on the calling thread, apartment-threaded as the shell asks of its callers; released with
// its owner when it was started here.
class ComApartment {
public:
    ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
    ~ComApartment()
    {
        if (SUCCEEDED(result_)) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    HRESULT result_;
};

}  // namespace tintora::win32
