#pragma once
// The overlay canvas: a child window over its parent's whole client area. A tint or the bare key
// colour is painted with a brush; only a tiled picture is kept as an image of the canvas's size.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

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

    // The canvas goes on showing what it showed, its tint or its background, at this size.
    void setSize(Size s);
    Size size() const { return size_; }
    void clear() override;
    void fill(Colour c) override;
    void setPicture(const Bytes& png) override;

    // What the canvas shows, rows top to bottom, pixels 0x00RRGGBB.
    std::vector<std::uint32_t> pixels() const;

private:
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK parentProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                            DWORD_PTR self);
    void paint();
    // The one colour the canvas shows, unless it shows the tiled picture.
    std::optional<Colour> solidColour() const;
    // Makes the tiled image when the picture shows, lets it go otherwise, and repaints.
    void render();

    Size size_;
    GdiObject<HBITMAP> tiled_;  // only while the picture shows
    const std::uint32_t* tiledBits_ = nullptr;
    std::optional<Image> picture_;
    std::optional<Colour> tint_;
    OwnedWindow window_;
};

}  // namespace tintora::win32
