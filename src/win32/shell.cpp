#include "win32/shell.h"

#include <windows.h>
#include <shellapi.h>

#include "win32/text.h"

namespace tintora::win32 {

void Win32Shell::open(std::string_view target)
{
    ShellExecuteW(nullptr, L"open", widen(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void Win32Shell::messageBox(std::string_view text, std::string_view caption)
{
    MessageBoxW(nullptr, widen(text).c_str(), widen(caption).c_str(), MB_OK | MB_TOPMOST);
}

}  // namespace tintora::win32
