#pragma once
// Pictures of the screen, copied straight from the screen's device context.
#include "platform/capture.h"

namespace tintora::win32 {

class Win32ScreenCapture final : public ScreenCapture {
public:
    void flushScreen() override;
    Image grab(ScreenRect r) override;
};

}  // namespace tintora::win32
