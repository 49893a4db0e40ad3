#pragma once
// Taking pictures of the screen and encoding them.
#include "platform/types.h"

namespace tintora {

enum class ImageFormat { bmp = 1, jpeg = 2, gif = 3, png = 5 };

class ScreenCapture {
public:
    virtual ~ScreenCapture() = default;
    // Waits until what has been drawn and moved so far is on the screen.
    virtual void flushScreen() = 0;
    // The composed screen image of the rectangle, layered windows included; pixels outside every
    // screen are black. Empty when no picture could be taken. The picture is the capture's own and
    // stays as it is until the next grab, which reuses its storage.
    virtual const Image& grab(ScreenRect r) = 0;
    // The last picture is no longer needed: storage larger than one monitor's picture is let go, so
    // that a grab across several monitors does not stay held for the rest of the session.
    virtual void endShot() = 0;
};

class ImageEncoder {
public:
    virtual ~ImageEncoder() = default;
    // A complete image file; empty when encoding failed.
    virtual Bytes encode(const Image& image, ImageFormat format) = 0;
};

}  // namespace tintora
