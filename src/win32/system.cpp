#include "win32/system.h"

#include <string>

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

// Loads a DLL from the system folder only, never from the program's folder or the current one.
HMODULE loadSystemLibrary(const wchar_t* name)
{
    if (HMODULE library = LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) return library;
    // Windows 7 without its loader update does not know the flag: the full path does the same.
    if (GetLastError() != ERROR_INVALID_PARAMETER) return nullptr;
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetSystemDirectoryW(path.data(), MAX_PATH));
    return path.empty() ? nullptr : LoadLibraryW((path + L"\\" + name).c_str());
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
    static const Library dwm(loadSystemLibrary(L"dwmapi.dll"));
    return dwm ? GetProcAddress(dwm.get(), name) : nullptr;
}

}  // namespace tintora::win32
