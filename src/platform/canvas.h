#pragma once
// The overlay canvas: a drawing surface over the overlay's whole client area, whatever its size,
// that keeps its own image and paints the window from it.
#include "platform/types.h"

namespace tintora {

class Canvas {
public:
    virtual ~Canvas() = default;
    // Restores the background: the key colour, then the tiled picture if one is set.
    virtual void clear() = 0;
    // Covers every pixel with one colour, now and after any change of size.
    virtual void fill(Colour c) = 0;
    // Sets the tiled background picture from PNG bytes and repaints the background.
    // Empty or undecodable bytes leave the canvas without a picture.
    virtual void setPicture(const Bytes& png) = 0;
};

}  // namespace tintora
