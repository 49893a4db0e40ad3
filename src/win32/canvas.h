#pragma once
// The overlay canvas: a child window that keeps a screen-sized image and paints itself from it.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>

#include "platform/canvas.h"
#include "win32/handles.h"

namespace tintora::win32 {

// A canvas colour (R | G << 8 | B << 16) as a pixel of the canvas image (0x00RRGGBB).
constexpr std::uint32_t imagePixel(Colour c) { return (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF); }

class Win32Canvas final : public Canvas {
public:
    Win32Canvas() = default;
    Win32Canvas(const Win32Canvas&) = delete;
    Win32Canvas& operator=(const Win32Canvas&) = delete;

    // Creates the canvas window at (0, 0) of the parent, below its other controls and disabled, so
    // that mouse input goes to the parent.
    void attach(HWND parent);
    HWND hwnd() const { return window_.get(); }

    void setSize(Size s) override;
    Size size() const override { return size_; }
    void clear() override;
    void fill(Colour c) override;
    void setPicture(const Bytes& png) override;

    // The canvas image, rows top to bottom, pixels 0x00RRGGBB.
    std::span<const std::uint32_t> pixels() const;

private:
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void paint();
    std::span<std::uint32_t> image();
    void invalidate();

    Size size_;
    GdiObject<HBITMAP> bitmap_;
    std::uint32_t* bits_ = nullptr;
    std::optional<Image> picture_;
    OwnedWindow window_;
};

}  // namespace tintora::win32
