#pragma once
// Plain value types shared by the behaviour and the platform interfaces.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace tintora {

using Bytes = std::vector<std::uint8_t>;

// An opaque native window handle; 0 is "no window".
using WindowHandle = std::uintptr_t;

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// Position and outer size, as a window or control reports it.
struct Geometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Geometry&, const Geometry&) = default;
};

// A rectangle in screen pixels, as the system reports a window's rectangle.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// The part two rectangles share; empty (zero area) when they do not overlap.
constexpr ScreenRect intersection(const ScreenRect& a, const ScreenRect& b)
{
    const ScreenRect r{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
                       a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
    return r.left < r.right && r.top < r.bottom ? r : ScreenRect{};
}

constexpr long long area(const ScreenRect& r) { return static_cast<long long>(r.right - r.left) * (r.bottom - r.top); }

// True when the parts, each inside the rectangle, cover all of it without overlapping one another.
inline bool tiles(const ScreenRect& whole, const std::vector<ScreenRect>& parts)
{
    long long covered = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        covered += area(parts[i]);
        for (std::size_t k = i + 1; k < parts.size(); ++k)
            if (area(intersection(parts[i], parts[k])) > 0) return false;
    }
    return covered == area(whole);
}

// The same rectangle as a position and a size.
constexpr Geometry geometryOf(const ScreenRect& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

// A colour packed R | G << 8 | B << 16.
using Colour = std::uint32_t;

constexpr Colour rgb(int r, int g, int b)
{
    return static_cast<Colour>((r & 0xFF) | (g & 0xFF) << 8 | (b & 0xFF) << 16);
}

// The transparent colour key of the overlay: canvas pixels of exactly this colour are invisible.
inline constexpr Colour keyColour = rgb(252, 2, 251);

// How an operation that can fail ended: well, or with the reason it failed, in the system's words.
class [[nodiscard]] Outcome {
public:
    Outcome() = default;
    static Outcome failed(std::string reason) { return Outcome(std::move(reason)); }
    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const std::string& reason() const { return reason_; }

private:
    explicit Outcome(std::string reason) : failed_(true), reason_(std::move(reason)) {}
    bool failed_ = false;
    std::string reason_;
};

// A decoded or captured picture, rows top to bottom, pixels 0x00RRGGBB.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    bool empty() const { return width <= 0 || height <= 0; }
};

}  // namespace tintora
