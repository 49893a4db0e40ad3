#pragma once
// Image files from pictures, through the GDI+ encoders.
#include <cstdint>

#include "platform/capture.h"

namespace tintora::win32 {

// GDI+ for the whole run: started by the constructor, shut down by the destructor.
class GdiplusSession {
public:
    GdiplusSession();
    ~GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

    bool started() const { return token_ != 0; }

private:
    std::uintptr_t token_ = 0;
};

// Needs a live GdiplusSession.
class Win32ImageEncoder final : public ImageEncoder {
public:
    Bytes encode(ImageView image, ImageFormat format) override;
};

}  // namespace tintora::win32
