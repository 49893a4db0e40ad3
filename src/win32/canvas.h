#pragma once
// The overlay canvas: a child window over its parent's whole client area that keeps an image of
// that size and paints itself from it.
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
    // that mouse input goes to the parent. From then on it takes the parent's client size whenever
    // that changes.
    void attach(HWND parent);
    HWND hwnd() const { return window_.get(); }

    // A new image of this size that shows what the canvas showed: its tint or its background.
    void setSize(Size s);
    Size size() const { return size_; }
    void clear() override;
    void fill(Colour c) override;
    void setPicture(const Bytes& png) override;

    // The canvas image, rows top to bottom, pixels 0x00RRGGBB.
    std::span<const std::uint32_t> pixels() const;

private:
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK parentProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                            DWORD_PTR self);
    void paint();
    std::span<std::uint32_t> image();
    // Draws the tint, or the background when there is none, into the whole image.
    void render();

    Size size_;
    GdiObject<HBITMAP> bitmap_;
    std::uint32_t* bits_ = nullptr;
    std::optional<Image> picture_;
    std::optional<Colour> tint_;
    OwnedWindow window_;
};

}  // namespace tintora::win32
