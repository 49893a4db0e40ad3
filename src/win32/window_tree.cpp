#include "win32/window_tree.h"

#include <windows.h>

#include "win32/handles.h"
#include "win32/system.h"
#include "win32/text.h"

namespace tintora::win32 {
namespace {

BOOL CALLBACK collect(HWND w, LPARAM windows)
{
    reinterpret_cast<std::vector<WindowHandle>*>(windows)->push_back(toHandle(w));
    return TRUE;
}

}  // namespace

std::vector<WindowHandle> Win32WindowTree::topLevelWindows() const
{
    std::vector<WindowHandle> windows;
    EnumWindows(collect, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// EnumChildWindows would walk the children's children too.
std::vector<WindowHandle> Win32WindowTree::children(WindowHandle w) const
{
    return windowChain(GetWindow(toHwnd(w), GW_CHILD), GW_HWNDNEXT);
}

WindowHandle Win32WindowTree::parent(WindowHandle w) const
{
    const HWND parent = GetAncestor(toHwnd(w), GA_PARENT);
    return parent == GetDesktopWindow() ? 0 : toHandle(parent);
}

std::string Win32WindowTree::className(WindowHandle w) const
{
    wchar_t name[256] = {};
    const int length = GetClassNameW(toHwnd(w), name, 256);
    return narrow(std::wstring(name, static_cast<std::size_t>(length > 0 ? length : 0)));
}

std::string Win32WindowTree::programName(WindowHandle w) const
{
    DWORD processId = 0;
    GetWindowThreadProcessId(toHwnd(w), &processId);
    const HANDLE opened = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!opened) return {};
    const KernelHandle process(opened);
    // The longest path the system allows, in characters with the ending null.
    constexpr DWORD longPathLength = 32768;
    std::wstring image(longPathLength, L'\0');
    DWORD length = longPathLength;
    if (!QueryFullProcessImageNameW(process.get(), 0, image.data(), &length)) return {};
    image.resize(length);
    return narrow(image.substr(image.find_last_of(L"\\/") + 1));
}

// This program's own windows are left out: they are never another program's to tint.
void Win32WindowTree::watchShownWindows(std::function<void(WindowHandle)> shown)
{
    shownWatch_ = {};
    if (shown) shownWatch_ = watchOtherPrograms(shownEvents, std::move(shown));
}

}  // namespace tintora::win32
