#pragma once
// Failed Win32 calls, reported to the debugger output.
#include <string>
#include <string_view>

namespace tintora::win32 {

// The system's message for an error code, as the user is told it.
std::string systemMessage(unsigned long code);
// Writes "Tintora: <what> failed: <the system's message for GetLastError()>" with OutputDebugStringW.
void reportLastError(std::string_view what);
// The same for a call that returns its own error code (a GDI+ status, an HRESULT).
void reportError(std::string_view what, unsigned long code);

}  // namespace tintora::win32
