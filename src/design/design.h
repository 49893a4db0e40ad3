#pragma once
// The design of the two windows: every control, timer and menu item by its design name,
// with place, size, initial values and shortcut. Nothing else repeats a caption or an id.
#include <span>
#include <string>
#include <string_view>

#include "design/texts.h"
#include "platform/ids.h"
#include "platform/types.h"

namespace tintora {

// Every pixel number of the design (window and control sizes and places, font heights, the
// console's layout arithmetic) is a value at this DPI (100 %).
inline constexpr int designDpi = 96;

// A design pixel number at a window's DPI, rounded to the nearest pixel.
constexpr int scaled(int designPixels, int dpi) { return (designPixels * dpi + designDpi / 2) / designDpi; }

constexpr Geometry scaled(const Geometry& g, int dpi)
{
    return {scaled(g.left, dpi), scaled(g.top, dpi), scaled(g.width, dpi), scaled(g.height, dpi)};
}

struct WindowDesign {
    WindowId id;
    Text title;
    Geometry geometry;  // outer size; centred on the screen at creation
    bool closeButton;   // caption with the system menu
    bool hasIcon;
};

enum class ControlKind { picture, slider, canvas, fileDialog, label, button, balloon };

enum class TickMarks { none, bottom, both };

struct ControlDesign {
    ControlRef id;
    const char* designName;
    ControlKind kind;
    Geometry geometry;
    bool visible;
    bool disabled;
    Text caption;        // labels and buttons; the file dialog's filter
    int fontHeight;      // character height in pixels; 0 for the system font
    TickMarks ticks;     // sliders: a tick every 5
    bool selectionBand;  // sliders
    bool handCursor;
};

struct TimerDesign {
    TimerRef id;
    const char* designName;
};

// A shortcut key: modifiers and a virtual-key code.
struct Shortcut {
    bool ctrl = false;
    bool shift = false;
    int virtualKey = 0;
    explicit operator bool() const { return virtualKey != 0; }
};

// Virtual-key codes used by shortcuts and the key handlers.
namespace vk {
inline constexpr int backspace = 0x08;
inline constexpr int escape = 0x1B;
inline constexpr int keyT = 0x54;
constexpr int f(int n) { return 0x6F + n; }  // F1 is 0x70
}  // namespace vk

std::string shortcutText(Shortcut s);

inline constexpr int menuSeparator = -1;

struct MenuDesign {
    int item;   // index in the window's Menu enum, or menuSeparator
    int level;  // 0 for a menu bar item, 1 for an item of the menu above it
    Text caption;
    Shortcut shortcut;
    bool greyed;
    bool initiallyVisible;
};

std::span<const WindowDesign> windowDesigns();
const WindowDesign& windowDesign(WindowId id);
std::span<const ControlDesign> controlDesigns();
const ControlDesign& controlDesign(ControlRef id);
std::span<const TimerDesign> timerDesigns();
std::span<const MenuDesign> menuDesign(WindowId window);
const MenuDesign& menuItemDesign(MenuRef id);

// The start-up window's hint menus, shown only during smart snap.
inline constexpr startup::Menu hintMenus[] = {startup::按任意键锁定窗口, startup::ESC建或退格键返回,
                                              startup::按住鼠标可拖动已选择区域};

}  // namespace tintora
