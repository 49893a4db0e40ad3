#include "win32/error.h"

#include <windows.h>

#include <string>

#include "win32/text.h"

namespace tintora::win32 {

std::string errorText(unsigned long code)
{
    wchar_t* text = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = length ? std::wstring(text, length) : L"error " + std::to_wstring(code);
    LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r')) message.pop_back();
    return narrow(message);
}

void reportError(std::string_view what, unsigned long code)
{
    OutputDebugStringW(widen("Tintora: " + std::string(what) + " failed: " + errorText(code) + "\r\n").c_str());
}

void reportLastError(std::string_view what) { reportError(what, GetLastError()); }

Outcome lastErrorOutcome(std::string_view what)
{
    const DWORD code = GetLastError();
    reportError(what, code);
    return Outcome::failed(errorText(code));
}

}  // namespace tintora::win32
