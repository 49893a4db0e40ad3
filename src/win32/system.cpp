#include "win32/system.h"

#include <string>

#include "resource.h"
#include "win32/handles.h"

namespace tintora::win32 {

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

int monitorDpi(POINT at)
{
    // GetDpiForMonitor with MDT_EFFECTIVE_DPI, where the system has it (Windows 8.1).
    using GetDpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    static const Library shcore(loadSystemLibrary(L"shcore.dll"));
    static const auto getDpiForMonitor = reinterpret_cast<GetDpiForMonitor>(
        reinterpret_cast<void (*)()>(shcore ? GetProcAddress(shcore.get(), "GetDpiForMonitor") : nullptr));
    UINT x = 0, y = 0;
    if (getDpiForMonitor && SUCCEEDED(getDpiForMonitor(MonitorFromPoint(at, MONITOR_DEFAULTTONEAREST), 0, &x, &y)))
        return static_cast<int>(x);
    const WindowDc screen(nullptr);
    return GetDeviceCaps(screen.get(), LOGPIXELSX);
}

OwnedIcon appIcon(int systemMetric, int dpi)
{
    // GetSystemMetricsForDpi where the system has it (Windows 10), else the metric at the system DPI, scaled.
    using GetSystemMetricsForDpi = int(WINAPI*)(int, UINT);
    static const auto metricForDpi = reinterpret_cast<GetSystemMetricsForDpi>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetSystemMetricsForDpi")));
    int size = 0;
    if (metricForDpi) {
        size = metricForDpi(systemMetric, static_cast<UINT>(dpi));
    } else {
        const WindowDc screen(nullptr);
        size = MulDiv(GetSystemMetrics(systemMetric), dpi, GetDeviceCaps(screen.get(), LOGPIXELSX));
    }
    // LoadIconWithScaleDown (common controls 6) makes a size the icon lacks from the next larger
    // image, where LoadImageW may scale a smaller one up. Neither shares the icon: a shared icon
    // would be the first size loaded, whatever size is asked for.
    using LoadIconWithScaleDown = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, int, HICON*);
    static const auto scaleDown = reinterpret_cast<LoadIconWithScaleDown>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"comctl32.dll"), "LoadIconWithScaleDown")));
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    HICON icon = nullptr;
    if (scaleDown && SUCCEEDED(scaleDown(instance, MAKEINTRESOURCEW(IDI_TINTORA), size, size, &icon)))
        return OwnedIcon(icon);
    return OwnedIcon(static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDI_TINTORA), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
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

bool dwmWindowAttribute(HWND w, DWORD attribute, void* out, DWORD size)
{
    using GetAttribute = HRESULT(WINAPI*)(HWND, DWORD, PVOID, DWORD);
    static const auto getAttribute = dwmFunction<GetAttribute>("DwmGetWindowAttribute");
    return getAttribute && SUCCEEDED(getAttribute(w, attribute, out, size));
}

bool isCloaked(HWND w)
{
    DWORD cloaked = 0;
    return dwmWindowAttribute(w, dwmCloaked, &cloaked, sizeof cloaked) && cloaked;
}

std::vector<WindowHandle> windowChain(HWND first, UINT step)
{
    constexpr std::size_t maxWindows = 4096;
    std::vector<WindowHandle> windows;
    for (HWND w = first; w && windows.size() < maxWindows; w = GetWindow(w, step)) windows.push_back(toHandle(w));
    return windows;
}

}  // namespace tintora::win32
