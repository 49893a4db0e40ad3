#include "win32/autostart.h"

#include <windows.h>

#include "win32/error.h"
#include "win32/storage.h"
#include "win32/text.h"

namespace tintora::win32 {
namespace {

// Under HKEY_CURRENT_USER: nothing for other users, and no administrator rights needed.
constexpr wchar_t runKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t approvedKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
constexpr wchar_t valueName[] = L"Tintora";

// The system's reason for a failure; removing what is not there is done.
Outcome reasonOf(const char* what, LSTATUS status)
{
    if (status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND) return {};
    reportError(what, static_cast<unsigned long>(status));
    return Outcome::failed(systemMessage(static_cast<unsigned long>(status)));
}

}  // namespace

Win32Autostart::Win32Autostart(std::wstring program) : program_(std::move(program)) {}

Win32Autostart::Win32Autostart() : Win32Autostart(win32::programPath()) {}

std::optional<std::string> Win32Autostart::runCommand() const
{
    DWORD bytes = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, runKey, valueName, RRF_RT_REG_SZ, nullptr, nullptr, &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    std::wstring value(bytes / sizeof(wchar_t), L'\0');
    if (RegGetValueW(HKEY_CURRENT_USER, runKey, valueName, RRF_RT_REG_SZ, nullptr, value.data(), &bytes) !=
        ERROR_SUCCESS)
        return std::nullopt;
    value.resize(wcsnlen(value.c_str(), value.size()));
    return narrow(value);
}

std::optional<std::uint8_t> Win32Autostart::approval() const
{
    // Task Manager writes 12 bytes: the state, then when it was disabled.
    BYTE data[64]{};
    DWORD bytes = sizeof data;
    if (RegGetValueW(HKEY_CURRENT_USER, approvedKey, valueName, RRF_RT_REG_BINARY, nullptr, data, &bytes) !=
            ERROR_SUCCESS ||
        bytes == 0)
        return std::nullopt;
    return data[0];
}

std::string Win32Autostart::programPath() const { return narrow(program_); }

bool Win32Autostart::samePath(std::string_view a, std::string_view b) const
{
    const std::wstring wideA = widen(a), wideB = widen(b);
    return CompareStringOrdinal(wideA.c_str(), static_cast<int>(wideA.size()), wideB.c_str(),
                                static_cast<int>(wideB.size()), TRUE) == CSTR_EQUAL;
}

Outcome Win32Autostart::writeRunCommand(std::string_view commandLine)
{
    const std::wstring value = widen(commandLine);
    return reasonOf("RegSetKeyValueW", RegSetKeyValueW(HKEY_CURRENT_USER, runKey, valueName, REG_SZ, value.c_str(),
                                                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))));
}

Outcome Win32Autostart::removeRunCommand()
{
    return reasonOf("RegDeleteKeyValueW (Run)", RegDeleteKeyValueW(HKEY_CURRENT_USER, runKey, valueName));
}

Outcome Win32Autostart::removeApproval()
{
    const LSTATUS status = RegDeleteKeyValueW(HKEY_CURRENT_USER, approvedKey, valueName);
    // A missing key is a missing value.
    return reasonOf("RegDeleteKeyValueW (StartupApproved)", status == ERROR_PATH_NOT_FOUND ? ERROR_SUCCESS : status);
}

}  // namespace tintora::win32
