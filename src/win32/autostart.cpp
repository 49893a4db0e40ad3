#include "win32/autostart.h"

#include <windows.h>

#include "win32/error.h"
#include "win32/storage.h"

namespace tintora::win32 {
namespace {

// Under HKEY_CURRENT_USER: nothing for other users, and no administrator rights needed.
constexpr wchar_t runKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t valueName[] = L"Tintora";
constexpr wchar_t quietStart[] = L" /tray";

std::wstring runValue()
{
    DWORD bytes = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, runKey, valueName, RRF_RT_REG_SZ, nullptr, nullptr, &bytes) != ERROR_SUCCESS)
        return {};
    std::wstring value(bytes / sizeof(wchar_t), L'\0');
    if (RegGetValueW(HKEY_CURRENT_USER, runKey, valueName, RRF_RT_REG_SZ, nullptr, value.data(), &bytes) !=
        ERROR_SUCCESS)
        return {};
    value.resize(wcsnlen(value.c_str(), value.size()));
    return value;
}

// The program a command line starts: the quoted path, or everything up to the first space.
std::wstring programOf(const std::wstring& commandLine)
{
    if (commandLine.starts_with(L'"')) return commandLine.substr(1, commandLine.find(L'"', 1) - 1);
    return commandLine.substr(0, commandLine.find(L' '));
}

}  // namespace

Win32Autostart::Win32Autostart(std::wstring program) : program_(std::move(program)) {}

Win32Autostart::Win32Autostart() : Win32Autostart(programPath()) {}

bool Win32Autostart::isOn() const
{
    const std::wstring value = runValue();
    if (value.empty()) return false;
    const DWORD attributes = GetFileAttributesW(programOf(value).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32Autostart::set(bool on)
{
    if (!on) {
        const LSTATUS status = RegDeleteKeyValueW(HKEY_CURRENT_USER, runKey, valueName);
        if (status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND) return true;
        reportError("RegDeleteKeyValueW", static_cast<unsigned long>(status));
        return false;
    }
    const std::wstring value = L"\"" + program_ + L"\"" + quietStart;
    const LSTATUS status = RegSetKeyValueW(HKEY_CURRENT_USER, runKey, valueName, REG_SZ, value.c_str(),
                                           static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    if (status == ERROR_SUCCESS) return true;
    reportError("RegSetKeyValueW", static_cast<unsigned long>(status));
    return false;
}

}  // namespace tintora::win32
