#include "win32/error.h"

#include <windows.h>

#include <string>

#include "win32/text.h"

namespace tintora::win32 {

std::string systemMessage(unsigned long code)
{
    wchar_t* text = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = length ? std::wstring(text, length) : L"error " + std::to_wstring(code);
    LocalFree(text);
    message.erase(message.find_last_not_of(L"\r\n ") + 1);
    return narrow(message);
}

void reportError(std::string_view what, unsigned long code)
{
    const std::string line = "Tintora: " + std::string(what) + " failed: " + systemMessage(code) + "\r\n";
    OutputDebugStringW(widen(line).c_str());
}

void reportLastError(std::string_view what) { reportError(what, GetLastError()); }

Outcome lastErrorOutcome(std::string_view what)
{
    const DWORD code = GetLastError();
    reportError(what, code);
    return Outcome::failed(systemMessage(code));
}

}  // namespace tintora::win32
