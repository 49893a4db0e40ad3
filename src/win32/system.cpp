#include "win32/system.h"

#include "resource.h"
#include "win32/handles.h"

namespace tintora::win32 {

HICON appIcon(int systemMetricX, int systemMetricY)
{
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_TINTORA), IMAGE_ICON,
                                         GetSystemMetrics(systemMetricX), GetSystemMetrics(systemMetricY), LR_SHARED));
}

std::vector<std::uint8_t> resourceBytes(int id)
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(id), RT_RCDATA);
    if (!found) return {};
    const auto* data = static_cast<const std::uint8_t*>(LockResource(LoadResource(instance, found)));
    if (!data) return {};
    return {data, data + SizeofResource(instance, found)};
}

namespace {

BOOL CALLBACK addMonitor(HMONITOR, HDC, LPRECT monitor, LPARAM rects)
{
    reinterpret_cast<std::vector<RECT>*>(rects)->push_back(*monitor);
    return TRUE;
}

}  // namespace

int windowDpi(HWND window)
{
    using GetDpiForWindow = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindow>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow) return static_cast<int>(getDpiForWindow(window));
    const WindowDc dc(window);
    return GetDeviceCaps(dc.get(), LOGPIXELSX);
}

std::vector<RECT> monitorRects()
{
    std::vector<RECT> rects;
    EnumDisplayMonitors(nullptr, nullptr, addMonitor, reinterpret_cast<LPARAM>(&rects));
    return rects;
}

FARPROC dwmFunction(const char* name)
{
    static const Library dwm(LoadLibraryW(L"dwmapi.dll"));
    return dwm ? GetProcAddress(dwm.get(), name) : nullptr;
}

}  // namespace tintora::win32
