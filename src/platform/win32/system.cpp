#include "platform/win32/system.h"

#include "platform/win32/handles.h"

namespace tintora::win32 {

FARPROC dwmFunction(const char* name)
{
    static const Library dwm(LoadLibraryW(L"dwmapi.dll"));
    return dwm ? GetProcAddress(dwm.get(), name) : nullptr;
}

}  // namespace tintora::win32
