#pragma once
// Small shared pieces of the Win32 backend.
#include <windows.h>

namespace tintora::win32 {

// The header of a 32-bit picture whose rows run top to bottom.
inline BITMAPINFO topDownBitmapInfo(int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// A function of dwmapi.dll, looked up at run time: systems without the desktop compositor lack it.
FARPROC dwmFunction(const char* name);

template <typename Function>
Function dwmFunction(const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(dwmFunction(name)));
}

}  // namespace tintora::win32
