#include "design/design.h"

#include <algorithm>
#include <array>
#include <cassert>

namespace tintora {
namespace {

constexpr WindowId S = WindowId::startup;
constexpr WindowId C = WindowId::console;

constexpr WindowDesign windows[] = {
    {S, texts::windowTitle, {0, 0, 640, 480}, true, false},
    {C, texts::windowTitle, {50, 50, 500, 420}, false, true},
};

// The file dialog is never opened; its caption is its filter.
constexpr Text fileDialogFilter{
    "支持的格式(*.bmp;*.jpg;*.gif;*.png)|*.bmp;*.jpg;*.gif;*.png|BMP文件(*.bmp)|*.bmp|"
    "JPEG文件(*.jpg)|*.jpg|GIF文件(*.gif)|*.gif|PNG文件(*.png)|*.png",
    "Supported formats (*.bmp;*.jpg;*.gif;*.png)|*.bmp;*.jpg;*.gif;*.png|BMP files (*.bmp)|*.bmp|"
    "JPEG files (*.jpg)|*.jpg|GIF files (*.gif)|*.gif|PNG files (*.png)|*.png"};

using K = ControlKind;
using T = TickMarks;

// One row per control, kept on one line each.
// clang-format off
// name, kind, left/top/width/height, visible, disabled, caption (Chinese, English), font height, ticks, selection, hand cursor
constexpr ControlDesign controls[] = {
    {startup::动画框1, "动画框1", K::picture, {104, 80, 504, 264}, true, false, {"", ""}, 0, T::none, false, false},
    {startup::滑块条1, "滑块条1", K::slider, {5, 8, 784, 32}, false, true, {"", ""}, 0, T::bottom, false, false},
    {startup::画板3, "画板3", K::canvas, {0, 0, 0, 0}, true, true, {"", ""}, 0, T::none, false, false},
    {startup::通用对话框1, "通用对话框1", K::fileDialog, {8, 209, 0, 0}, false, false, fileDialogFilter, 0, T::none, false, false},

    {console::标签1, "标签1", K::label, {15, 12, 40, 55}, true, false, {"R:", "R:"}, 20, T::none, false, false},
    {console::滑块条2, "滑块条2", K::slider, {62, 12, 360, 60}, true, false, {"", ""}, 0, T::both, true, true},
    {console::标签6, "标签6", K::label, {437, 12, 40, 55}, true, false, {"0", "0"}, 24, T::none, false, false},
    {console::标签2, "标签2", K::label, {15, 82, 40, 55}, true, false, {"G:", "G:"}, 20, T::none, false, false},
    {console::滑块条3, "滑块条3", K::slider, {62, 82, 360, 60}, true, false, {"", ""}, 0, T::both, true, true},
    {console::标签7, "标签7", K::label, {437, 82, 40, 55}, true, false, {"0", "0"}, 24, T::none, false, false},
    {console::标签3, "标签3", K::label, {15, 152, 40, 55}, true, false, {"B:", "B:"}, 20, T::none, false, false},
    {console::滑块条4, "滑块条4", K::slider, {62, 152, 360, 60}, true, false, {"", ""}, 0, T::both, true, true},
    {console::标签8, "标签8", K::label, {437, 152, 40, 55}, true, false, {"0", "0"}, 24, T::none, false, false},
    {console::标签9, "标签9", K::label, {15, 222, 40, 55}, true, false, {"A:", "A:"}, 24, T::none, false, false},
    {console::滑块条1, "滑块条1", K::slider, {62, 222, 360, 60}, true, false, {"", ""}, 0, T::both, true, true},
    {console::标签5, "标签5", K::label, {437, 222, 40, 55}, true, false, {"0", "0"}, 24, T::none, false, false},
    {console::标签4, "标签4", K::label, {15, 292, 168, 40}, true, false, {"色彩修正强度:", "Correction strength:"}, 24, T::none, false, false},
    {console::标签10, "标签10", K::label, {198, 292, 80, 40}, true, false, {"0", "0"}, 24, T::none, false, false},
    {console::按钮1, "按钮1", K::button, {293, 292, 184, 40}, true, false, {"保存颜色更新", "Save colour"}, 24, T::none, false, false},
    {console::气球提示框1, "气球提示框1", K::balloon, {440, 432, 0, 0}, false, false, {"", ""}, 0, T::none, false, false},
};
// clang-format on

constexpr TimerDesign timers[] = {
    {startup::时钟1, "时钟1"}, {startup::时钟2, "时钟2"}, {startup::时钟3, "时钟3"},
    {console::时钟1, "时钟1"}, {console::时钟2, "时钟2"}, {console::时钟3, "时钟3"},
};

constexpr Shortcut none{};
constexpr Shortcut ctrl(int key) { return {true, false, key}; }
constexpr Shortcut shift(int key) { return {false, true, key}; }
constexpr Shortcut ctrlShift(int key) { return {true, true, key}; }
constexpr Shortcut plain(int key) { return {false, false, key}; }

// item, level, caption (Chinese, English), shortcut, greyed, initially visible
// clang-format off
constexpr MenuDesign startupMenu[] = {
    {startup::开始, 0, {"开始", "Start"}, none, false, true},
    {startup::智能吸附窗口, 1, {"智能吸附窗口", "Smart snap to window"}, ctrlShift(vk::f(1)), false, true},
    {menuSeparator, 1, {"-", "-"}, none, false, true},
    {startup::启动背景_柔和, 1, {"启动背景_柔和", "Opening background: soft"}, none, false, true},
    {startup::启动背景_鲜艳, 1, {"启动背景_鲜艳", "Opening background: vivid"}, none, false, true},
    {menuSeparator, 1, {"-", "-"}, none, false, true},
    {startup::退出, 1, {"退出", "Exit"}, none, false, true},
    {startup::关于, 0, {"关于", "About"}, none, false, true},
    {startup::帮助, 1, {"帮助", "Help"}, plain(vk::f(1)), false, true},
    {menuSeparator, 1, {"-", "-"}, none, false, true},
    {startup::主页, 1, {"主页", "Homepage"}, plain(vk::f(2)), false, true},
    {menuSeparator, 1, {"-", "-"}, none, false, true},
    {startup::版本, 1, {"版本", "Version"}, none, false, true},
    {startup::按任意键锁定窗口, 0, {"按任意键锁定窗口", "Press any key to lock the window"}, none, false, true},
    {menuSeparator, 1, {"-", "-"}, none, true, true},
    {startup::按任意键锁定当前窗口, 1, {"按任意键锁定当前窗口", "Press any key to lock the window under the pointer"}, none, true, true},
    {startup::ESC建或退格键返回, 0, {"ESC建或退格键返回", "Esc or Backspace goes back"}, none, false, true},
    {menuSeparator, 1, {"-", "-"}, none, true, true},
    {startup::按ESC键或退格键可以返回软件初始界面, 1, {"按ESC键或退格键可以返回软件初始界面", "Press Esc or Backspace to go back to the opening screen"}, none, true, true},
    {startup::按住鼠标可拖动已选择区域, 0, {"按住鼠标可拖动已选择区域", "Hold the mouse button to drag the selection"}, none, false, true},
    {menuSeparator, 1, {"-", "-"}, none, false, true},
    {startup::将鼠标按住可拖动已选择的区域, 1, {"将鼠标按住可拖动已选择的区域", "Hold the mouse button down to drag the selected region"}, none, true, true},
};

constexpr MenuDesign consoleMenu[] = {
    {console::开始, 0, {"开始", "Start"}, none, false, true},
    {console::最小化控制台到托盘, 1, {"最小化控制台到托盘", "Minimise console to tray"}, ctrl(vk::keyT), false, true},
    {menuSeparator, 1, {"-", "-"}, none, false, true},
    {console::关闭程序并退出, 1, {"关闭程序并退出", "Close and exit"}, none, false, true},
    {console::解析度, 0, {"解析度", "Display"}, none, false, true},
    {console::全屏化窗口, 1, {"全屏化窗口", "Full screen"}, shift(vk::f(12)), false, true},
    {menuSeparator, 1, {"-", "-"}, none, false, true},
    {console::非全屏化窗口, 1, {"非全屏化窗口", "Windowed"}, shift(vk::f(11)), false, true},
    {menuSeparator, 1, {"-", "-"}, none, false, true},
    {console::跟随目标窗口, 1, {"跟随目标窗口", "Follow target window"}, shift(vk::f(9)), false, true},
    {console::选项, 0, {"选项", "Options"}, none, false, true},
    {menuSeparator, 1, {"-", "-"}, none, false, true},
    {console::启动后控制台正常显示, 1, {"启动后控制台正常显示", "Show console after start"}, none, false, true},
    {console::启动后控制台最小化显示, 1, {"启动后控制台最小化显示", "Keep console in tray after start"}, none, false, true},
    {menuSeparator, 1, {"-", "-"}, none, false, true},
    {console::全局快捷键, 1, {"全局快捷键", "Global hotkeys"}, none, false, true},
    {menuSeparator, 1, {"-", "-"}, none, false, true},
    {console::记住此窗口的颜色, 1, {"记住此窗口的颜色", "Remember this window's colour"}, shift(vk::f(6)), true, true},
    {console::忘记此窗口的颜色, 1, {"忘记此窗口的颜色", "Forget this window's colour"}, shift(vk::f(7)), true, true},
    {console::记住此显示器的颜色, 1, {"记住此显示器的颜色", "Remember this monitor's colour"}, ctrlShift(vk::f(6)), true, true},
    {console::忘记此显示器的颜色, 1, {"忘记此显示器的颜色", "Forget this monitor's colour"}, ctrlShift(vk::f(7)), true, true},
    {menuSeparator, 1, {"-", "-"}, none, false, true},
    {console::按时间表显示, 1, {"按时间表显示", "Show on schedule"}, none, false, true},
    {menuSeparator, 1, {"-", "-"}, none, false, true},
    // Each language's caption names the other language, the one it switches to.
    {console::语言, 1, {"English", "中文"}, none, false, true},
    {console::截图, 0, {"截图", "Screenshot"}, none, false, true},
    {console::打开截图文件夹, 1, {"打开截图文件夹", "Open screenshot folder"}, shift(vk::f(5)), false, true},
    {menuSeparator, 1, {"-", "-"}, none, false, true},
    {console::从下方选择截取图像的格式, 1, {"从下方选择截取图像的格式", "Choose the format to save in below"}, none, true, true},
    {menuSeparator, 1, {"-", "-"}, none, false, true},
    {console::储存为BMP格式, 1, {"储存为 BMP 格式", "Save as BMP"}, shift(vk::f(1)), false, true},
    {console::储存为JPG格式, 1, {"储存为 JPG 格式", "Save as JPG"}, shift(vk::f(2)), false, true},
    {console::储存为GIF格式, 1, {"储存为 GIF 格式", "Save as GIF"}, shift(vk::f(3)), false, true},
    {console::储存为PNG格式, 1, {"储存为 PNG 格式", "Save as PNG"}, shift(vk::f(4)), false, true},
    {menuSeparator, 1, {"-", "-"}, none, false, true},
    {console::截图以统计次数来命名, 1, {"截图以统计次数来命名", "Screenshots are named by their count"}, none, true, true},
    {console::当前截图统计次数为, 1, {"当前截图统计次数为", "Screenshots taken"}, none, true, true},
    {menuSeparator, 1, {"-", "-"}, none, false, true},
    {console::清空截图次数统计, 1, {"清空截图次数统计", "Reset screenshot count"}, shift(vk::f(8)), false, true},
    // The tray icon's menu, never on the menu bar.
    {console::快捷菜单, 0, {"快捷菜单", "Shortcut menu"}, none, false, false},
    {console::显示, 1, {"显示", "Show"}, none, false, true},
    {console::色调关开, 1, {"色调关/开", "Tint off/on"}, none, false, true},
    {console::开机时启动, 1, {"开机时启动", "Start with Windows"}, none, false, true},
    {console::快捷菜单_按时间表显示, 1, {"按时间表显示", "Show on schedule"}, none, false, true},
    {menuSeparator, 1, {"-", "-"}, none, false, true},
    {console::退出, 1, {"退出", "Exit"}, none, false, true},
};
// clang-format on

}  // namespace

std::string shortcutText(Shortcut s)
{
    if (!s) return {};
    std::string text;
    if (s.ctrl) text += "Ctrl+";
    if (s.shift) text += "Shift+";
    if (s.virtualKey >= vk::f(1) && s.virtualKey <= vk::f(24))
        text += "F" + std::to_string(s.virtualKey - vk::f(1) + 1);
    else
        text += static_cast<char>(s.virtualKey);
    return text;
}

std::span<const WindowDesign> windowDesigns() { return windows; }

const WindowDesign& windowDesign(WindowId id)
{
    return *std::find_if(std::begin(windows), std::end(windows), [&](const auto& w) { return w.id == id; });
}

std::span<const ControlDesign> controlDesigns() { return controls; }

const ControlDesign& controlDesign(ControlRef id)
{
    const auto* found =
        std::find_if(std::begin(controls), std::end(controls), [&](const auto& c) { return c.id == id; });
    assert(found != std::end(controls));
    return *found;
}

std::span<const TimerDesign> timerDesigns() { return timers; }

std::span<const MenuDesign> menuDesign(WindowId window)
{
    if (window == WindowId::startup) return startupMenu;
    return consoleMenu;
}

const MenuDesign& menuItemDesign(MenuRef id)
{
    auto rows = menuDesign(id.window);
    const auto found = std::find_if(rows.begin(), rows.end(), [&](const auto& m) { return m.item == id.index; });
    assert(found != rows.end());
    return *found;
}

}  // namespace tintora
