#include "design/design.h"

#include <algorithm>
#include <array>
#include <cassert>

namespace tintora {
namespace {

constexpr WindowId S = WindowId::startup;
constexpr WindowId C = WindowId::console;

constexpr WindowDesign windows[] = {
    {S, "Tintorav2.0", {0, 0, 640, 480}, true, false},
    {C, "Tintorav2.0", {50, 50, 500, 420}, false, true},
};

// The file dialog is never opened; its caption is its filter.
constexpr const char* fileDialogFilter =
    "支持的格式(*.bmp;*.jpg;*.gif;*.png)|*.bmp;*.jpg;*.gif;*.png|BMP文件(*.bmp)|*.bmp|"
    "JPEG文件(*.jpg)|*.jpg|GIF文件(*.gif)|*.gif|PNG文件(*.png)|*.png";

using K = ControlKind;
using T = TickMarks;

// One row per control, kept on one line each.
// clang-format off
// name, kind, left/top/width/height, visible, disabled, caption, font height, ticks, selection, hand cursor
constexpr ControlDesign controls[] = {
    {startup::动画框1, "动画框1", K::picture, {104, 80, 504, 264}, true, false, "", 0, T::none, false, false},
    {startup::滑块条1, "滑块条1", K::slider, {5, 8, 784, 32}, false, true, "", 0, T::bottom, false, false},
    {startup::画板3, "画板3", K::canvas, {0, 0, 0, 0}, true, true, "", 0, T::none, false, false},
    {startup::通用对话框1, "通用对话框1", K::fileDialog, {8, 209, 0, 0}, false, false, fileDialogFilter, 0, T::none, false, false},

    {console::标签1, "标签1", K::label, {15, 12, 40, 55}, true, false, "R:", 20, T::none, false, false},
    {console::滑块条2, "滑块条2", K::slider, {62, 12, 360, 60}, true, false, "", 0, T::both, true, true},
    {console::标签6, "标签6", K::label, {437, 12, 40, 55}, true, false, "0", 24, T::none, false, false},
    {console::标签2, "标签2", K::label, {15, 82, 40, 55}, true, false, "G:", 20, T::none, false, false},
    {console::滑块条3, "滑块条3", K::slider, {62, 82, 360, 60}, true, false, "", 0, T::both, true, true},
    {console::标签7, "标签7", K::label, {437, 82, 40, 55}, true, false, "0", 24, T::none, false, false},
    {console::标签3, "标签3", K::label, {15, 152, 40, 55}, true, false, "B:", 20, T::none, false, false},
    {console::滑块条4, "滑块条4", K::slider, {62, 152, 360, 60}, true, false, "", 0, T::both, true, true},
    {console::标签8, "标签8", K::label, {437, 152, 40, 55}, true, false, "0", 24, T::none, false, false},
    {console::标签9, "标签9", K::label, {15, 222, 40, 55}, true, false, "A:", 24, T::none, false, false},
    {console::滑块条1, "滑块条1", K::slider, {62, 222, 360, 60}, true, false, "", 0, T::both, true, true},
    {console::标签5, "标签5", K::label, {437, 222, 40, 55}, true, false, "0", 24, T::none, false, false},
    {console::标签4, "标签4", K::label, {15, 292, 168, 40}, true, false, "色彩修正强度:", 24, T::none, false, false},
    {console::标签10, "标签10", K::label, {198, 292, 80, 40}, true, false, "0", 24, T::none, false, false},
    {console::按钮1, "按钮1", K::button, {293, 292, 184, 40}, true, false, "保存颜色更新", 24, T::none, false, false},
    {console::气球提示框1, "气球提示框1", K::balloon, {440, 432, 0, 0}, false, false, "", 0, T::none, false, false},
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

// item, level, caption, shortcut, greyed, initially visible
constexpr MenuDesign startupMenu[] = {
    {startup::开始, 0, "开始", none, false, true},
    {startup::智能吸附窗口, 1, "智能吸附窗口", ctrlShift(vk::f(1)), false, true},
    {menuSeparator, 1, "-", none, false, true},
    {startup::启动背景_柔和, 1, "启动背景_柔和", none, false, true},
    {startup::启动背景_鲜艳, 1, "启动背景_鲜艳", none, false, true},
    {menuSeparator, 1, "-", none, false, true},
    {startup::退出, 1, "退出", none, false, true},
    {startup::关于, 0, "关于", none, false, true},
    {startup::帮助, 1, "帮助", plain(vk::f(1)), false, true},
    {menuSeparator, 1, "-", none, false, true},
    {startup::主页, 1, "主页", plain(vk::f(2)), false, true},
    {menuSeparator, 1, "-", none, false, true},
    {startup::版本, 1, "版本", none, false, true},
    {startup::按任意键锁定窗口, 0, "按任意键锁定窗口", none, false, true},
    {menuSeparator, 1, "-", none, true, true},
    {startup::按任意键锁定当前窗口, 1, "按任意键锁定当前窗口", none, true, true},
    {startup::ESC建或退格键返回, 0, "ESC建或退格键返回", none, false, true},
    {menuSeparator, 1, "-", none, true, true},
    {startup::按ESC键或退格键可以返回软件初始界面, 1, "按ESC键或退格键可以返回软件初始界面", none, true, true},
    {startup::按住鼠标可拖动已选择区域, 0, "按住鼠标可拖动已选择区域", none, false, true},
    {menuSeparator, 1, "-", none, false, true},
    {startup::将鼠标按住可拖动已选择的区域, 1, "将鼠标按住可拖动已选择的区域", none, true, true},
};

constexpr MenuDesign consoleMenu[] = {
    {console::开始, 0, "开始", none, false, true},
    {console::最小化控制台到托盘, 1, "最小化控制台到托盘", ctrl(vk::keyT), false, true},
    {menuSeparator, 1, "-", none, false, true},
    {console::关闭程序并退出, 1, "关闭程序并退出", none, false, true},
    {console::解析度, 0, "解析度", none, false, true},
    {console::全屏化窗口, 1, "全屏化窗口", shift(vk::f(12)), false, true},
    {menuSeparator, 1, "-", none, false, true},
    {console::非全屏化窗口, 1, "非全屏化窗口", shift(vk::f(11)), false, true},
    {menuSeparator, 1, "-", none, false, true},
    {console::跟随目标窗口, 1, "跟随目标窗口", shift(vk::f(9)), false, true},
    {console::选项, 0, "选项", none, false, true},
    {menuSeparator, 1, "-", none, false, true},
    {console::启动后控制台正常显示, 1, "启动后控制台正常显示", none, false, true},
    {console::启动后控制台最小化显示, 1, "启动后控制台最小化显示", none, false, true},
    {menuSeparator, 1, "-", none, false, true},
    {console::全局快捷键, 1, "全局快捷键", none, false, true},
    {menuSeparator, 1, "-", none, false, true},
    {console::记住此窗口的颜色, 1, "记住此窗口的颜色", shift(vk::f(6)), true, true},
    {console::忘记此窗口的颜色, 1, "忘记此窗口的颜色", shift(vk::f(7)), true, true},
    {console::记住此显示器的颜色, 1, "记住此显示器的颜色", ctrlShift(vk::f(6)), true, true},
    {console::忘记此显示器的颜色, 1, "忘记此显示器的颜色", ctrlShift(vk::f(7)), true, true},
    {menuSeparator, 1, "-", none, false, true},
    {console::按时间表显示, 1, "按时间表显示", none, false, true},
    {console::截图, 0, "截图", none, false, true},
    {console::打开截图文件夹, 1, "打开截图文件夹", shift(vk::f(5)), false, true},
    {menuSeparator, 1, "-", none, false, true},
    {console::从下方选择截取图像的格式, 1, "从下方选择截取图像的格式", none, true, true},
    {menuSeparator, 1, "-", none, false, true},
    {console::储存为BMP格式, 1, "储存为 BMP 格式", shift(vk::f(1)), false, true},
    {console::储存为JPG格式, 1, "储存为 JPG 格式", shift(vk::f(2)), false, true},
    {console::储存为GIF格式, 1, "储存为 GIF 格式", shift(vk::f(3)), false, true},
    {console::储存为PNG格式, 1, "储存为 PNG 格式", shift(vk::f(4)), false, true},
    {menuSeparator, 1, "-", none, false, true},
    {console::截图以统计次数来命名, 1, "截图以统计次数来命名", none, true, true},
    {console::当前截图统计次数为, 1, "当前截图统计次数为", none, true, true},
    {menuSeparator, 1, "-", none, false, true},
    {console::清空截图次数统计, 1, "清空截图次数统计", shift(vk::f(8)), false, true},
    // The tray icon's menu, never on the menu bar.
    {console::快捷菜单, 0, "快捷菜单", none, false, false},
    {console::显示, 1, "显示", none, false, true},
    {console::色调关开, 1, "色调关/开", none, false, true},
    {console::开机时启动, 1, "开机时启动", none, false, true},
    {console::快捷菜单_按时间表显示, 1, "按时间表显示", none, false, true},
    {menuSeparator, 1, "-", none, false, true},
    {console::退出, 1, "退出", none, false, true},
};

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
