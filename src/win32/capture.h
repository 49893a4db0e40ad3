#pragma once
// Pictures of the screen, copied straight from the screen's device context.
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/capture.h"
#include "win32/handles.h"

namespace tintora::win32 {

class Win32ScreenCapture final : public ScreenCapture {
public:
    void flushScreen() override;
    ImageView grab(ScreenRect r) override;
    void endShot() override;

private:
    // The bitmap the screen is copied into, which is the picture itself: kept from one grab to the
    // next of the same size, as a new one would cost an allocation and the first touch of all its
    // pages at every screenshot; kept between shots only up to the largest monitor's size.
    struct Surface {
        int width = 0;
        int height = 0;
        MemoryDc dc;
        GdiObject<HBITMAP> bitmap;
        std::uint32_t* bits = nullptr;
    };

    bool copyScreen(ScreenRect r);
    bool keepSurface(int width, int height);
    bool copyParts(ScreenRect r, const std::vector<ScreenRect>& parts);

    // The screen's DC, kept from one grab to the next while the monitors stay as they were: under
    // Wine, getting it again costs up to a quarter of the copy itself.
    std::optional<WindowDc> screen_;
    // The monitors at the last grab, as they were when the screen's DC was got.
    std::vector<ScreenRect> monitors_;
    Surface surface_;
};

}  // namespace tintora::win32
