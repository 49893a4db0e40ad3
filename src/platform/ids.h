#pragma once
// The ids of the two windows and of their controls, timers and menu items, by design name, with
// role names for the ones the behaviour uses most. Depends on nothing.

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
    跟随目标窗口,
    选项,
    启动后控制台正常显示,
    启动后控制台最小化显示,
    全局快捷键,
    记住此窗口的颜色,
    忘记此窗口的颜色,
    记住此显示器的颜色,
    忘记此显示器的颜色,
    按时间表显示,
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
    显示,
    色调关开,
    开机时启动,
    快捷菜单_按时间表显示,
    退出,
    语言,
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

// Role names beside the design names.
inline constexpr startup::Control startupPicture = startup::动画框1;
inline constexpr startup::Timer followPointerClock = startup::时钟2;
inline constexpr startup::Timer opacityStepClock = startup::时钟3;

inline constexpr console::Control redSlider = console::滑块条2;
inline constexpr console::Control greenSlider = console::滑块条3;
inline constexpr console::Control blueSlider = console::滑块条4;
inline constexpr console::Control opacitySlider = console::滑块条1;
inline constexpr console::Control redValueLabel = console::标签6;
inline constexpr console::Control greenValueLabel = console::标签7;
inline constexpr console::Control blueValueLabel = console::标签8;
inline constexpr console::Control opacityValueLabel = console::标签5;
inline constexpr console::Control strengthValueLabel = console::标签10;
inline constexpr console::Control saveColourButton = console::按钮1;
inline constexpr console::Timer firstTintClock = console::时钟1;
inline constexpr console::Timer chartClock = console::时钟2;
inline constexpr console::Timer chartFollowUpClock = console::时钟3;

}  // namespace tintora
