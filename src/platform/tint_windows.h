#pragma once
// Tints of their own beside the overlay: click-through, topmost, layered windows of one colour and
// opacity, made and let go while the program runs.
#include "platform/types.h"

namespace tintora {

class TintWindows {
public:
    virtual ~TintWindows() = default;
    // A new tint window, hidden, above the other windows; 0 when none could be made.
    virtual WindowHandle open(Colour colour, int alpha) = 0;
    // Moves and sizes the tint window over the rectangle and shows it, without taking the keyboard.
    virtual void place(WindowHandle tint, ScreenRect r) = 0;
    virtual void hide(WindowHandle tint) = 0;
    virtual void close(WindowHandle tint) = 0;
};

}  // namespace tintora
