#pragma once
// The design of the two windows: every control, timer and menu item by its design name,
// with place, size, initial values and shortcut. Nothing else repeats a caption or an id.
#include <span>
#include <string>
#include <string_view>

#include "platform/types.h"

namespace tintora {

enum class WindowId { startup, console };

namespace startup {
enum Control { 动画框1, 滑块条1, 画板3, 通用对话框1 };
enum Timer { 时钟1, 时钟2, 时钟3 };
enum Menu {
    开始,
    智能吸附窗口,
    启动背景_柔和,
    启动背景_鲜艳,
    退出,
    关于,
    帮助,
    主页,
    版本,
    按任意键锁定窗口,
    按任意键锁定当前窗口,
    ESC建或退格键返回,
    按ESC键或退格键可以返回软件初始界面,
    按住鼠标可拖动已选择区域,
    将鼠标按住可拖动已选择的区域,
};
}  // namespace startup

namespace console {
enum Control {
    标签1,
    滑块条2,
    标签6,
    标签2,
    滑块条3,
    标签7,
    标签3,
    滑块条4,
    标签8,
    标签9,
    滑块条1,
    标签5,
    标签4,
    标签10,
    按钮1,
    气球提示框1,
};
enum Timer { 时钟1, 时钟2, 时钟3 };
enum Menu {
    开始,
    最小化控制台到托盘,
    关闭程序并退出,
    解析度,
    全屏化窗口,
    非全屏化窗口,
    选项,
    启动后控制台正常显示,
    启动后控制台最小化显示,
    截图,
    打开截图文件夹,
    从下方选择截取图像的格式,
    储存为BMP格式,
    储存为JPG格式,
    储存为GIF格式,
    储存为PNG格式,
    截图以统计次数来命名,
    当前截图统计次数为,
    清空截图次数统计,
    快捷菜单,
    恢复视窗,
    关闭并退出,
};
}  // namespace console

// A control, timer or menu item of either window.
template <typename Tag>
struct ItemRef {
    WindowId window;
    int index;
    constexpr ItemRef(WindowId w, int i) : window(w), index(i) {}
    friend bool operator==(const ItemRef&, const ItemRef&) = default;
};
struct ControlTag {};
struct TimerTag {};
struct MenuTag {};

struct ControlRef : ItemRef<ControlTag> {
    using ItemRef::ItemRef;
    constexpr ControlRef(startup::Control c) : ItemRef(WindowId::startup, c) {}
    constexpr ControlRef(console::Control c) : ItemRef(WindowId::console, c) {}
};
struct TimerRef : ItemRef<TimerTag> {
    using ItemRef::ItemRef;
    constexpr TimerRef(startup::Timer t) : ItemRef(WindowId::startup, t) {}
    constexpr TimerRef(console::Timer t) : ItemRef(WindowId::console, t) {}
};
struct MenuRef : ItemRef<MenuTag> {
    using ItemRef::ItemRef;
    constexpr MenuRef(startup::Menu m) : ItemRef(WindowId::startup, m) {}
    constexpr MenuRef(console::Menu m) : ItemRef(WindowId::console, m) {}
};

enum class Border { none, fixedSingle };

struct WindowDesign {
    WindowId id;
    const char* title;
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
    const char* caption;  // labels and buttons; the file dialog's filter
    int fontHeight;       // character height in pixels; 0 for the system font
    TickMarks ticks;      // sliders: a tick every 5
    bool selectionBand;   // sliders
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

inline constexpr int kSeparator = -1;

struct MenuDesign {
    int item;   // index in the window's Menu enum, or kSeparator
    int level;  // 0 for a menu bar item, 1 for an item of the menu above it
    const char* caption;
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
