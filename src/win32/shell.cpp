#include "win32/shell.h"

#include <windows.h>
#include <shellapi.h>

#include "win32/error.h"
#include "win32/text.h"

namespace tintora::win32 {

Outcome Win32Shell::open(std::string_view target)
{
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.lpVerb = L"open";
    const std::wstring file = widen(target);
    info.lpFile = file.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (ShellExecuteExW(&info)) return {};
    return lastErrorOutcome("ShellExecuteExW " + std::string(target));
}

void Win32Shell::messageBox(std::string_view text, std::string_view caption)
{
    MessageBoxW(nullptr, widen(text).c_str(), widen(caption).c_str(), MB_OK | MB_TOPMOST);
}

}  // namespace tintora::win32
