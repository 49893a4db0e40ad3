#pragma once
// Failed Win32 calls, reported to the debugger output.
#include <string>
#include <string_view>

#include "platform/types.h"

namespace tintora::win32 {

// Writes "Tintora: <what> failed: <the system's message for GetLastError()>" with OutputDebugStringW.
void reportLastError(std::string_view what);
// The same for a call that returns its own error code (a GDI+ status, an HRESULT).
void reportError(std::string_view what, unsigned long code);
// The system's message for an error code, in UTF-8, without the line break at its end.
std::string systemMessage(unsigned long code);
// Reports GetLastError() as above and returns it as the failure's reason.
Outcome lastErrorOutcome(std::string_view what);

}  // namespace tintora::win32
