#pragma once
// Failed Win32 calls, reported to the debugger output.
#include <string_view>

namespace tintora::win32 {

// Writes "Tintora: <what> failed: <the system's message for GetLastError()>" with OutputDebugStringW.
void reportLastError(std::string_view what);
// The same for a call that returns its own error code (a GDI+ status, an HRESULT).
void reportError(std::string_view what, unsigned long code);

}  // namespace tintora::win32
