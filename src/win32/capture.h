#pragma once
// Pictures of the screen, copied straight from the screen's device context.
#include <cstdint>

#include "platform/capture.h"
#include "win32/handles.h"

namespace tintora::win32 {

class Win32ScreenCapture final : public ScreenCapture {
public:
    void flushScreen() override;
    const Image& grab(ScreenRect r) override;
    void endShot() override;

private:
    // The bitmap the screen is copied into, kept from one grab to the next of the same size: a new
    // one would cost an allocation and the first touch of all its pages at every screenshot. Both
    // it and the picture are kept only up to the largest monitor's size.
    struct Surface {
        int width = 0;
        int height = 0;
        MemoryDc dc;
        GdiObject<HBITMAP> bitmap;
        std::uint32_t* bits = nullptr;
    };

    bool copyScreen(ScreenRect r);
    bool keepSurface(HDC screen, int width, int height);

    Surface surface_;
    Image picture_;
    // Pixels of the largest monitor at the last grab.
    long long largestMonitor_ = 0;
};

}  // namespace tintora::win32
