#pragma once
// Captions and messages of the program, defined once, each in Chinese and in English.
#include <string>
#include <string_view>

namespace tintora {

enum class Language { zh, en };

// The language the program speaks, process-wide: Start.ini's choice at start, the menu's later.
Language language();
void setLanguage(Language l);

// A text in both languages; it reads as the current language's. A missing English reads as the
// Chinese, and the translations' check fails on it.
struct Text {
    const char* zh;
    const char* en = nullptr;

    std::string_view in(Language l) const { return l == Language::en && en ? en : zh; }
    operator std::string_view() const { return in(language()); }
    operator std::string() const { return std::string(in(language())); }
};

std::string operator+(const Text& text, const std::string& more);
std::string operator+(const std::string& text, const Text& more);

namespace texts {

// One line per text: its name, the Chinese, the English.
// clang-format off
#define TINTORA_TEXTS(X) \
    X(windowTitle, "Tintorav2.0", "Tintorav2.0") \
    X(trayTip, "Tintorav1.0", "Tintorav1.0") \
    X(trayBalloon, "点击托盘图标可恢复视窗！\r\n\r\nTintorav1.0", "Click the tray icon to bring the window back!\r\n\r\nTintorav1.0") \
    X(counterCaptionPrefix, "当前截图统计次数为：", "Screenshots taken: ") \
    /* Notices in a balloon by the console. */ \
    X(dataMovedNotice, "程序所在的文件夹无法写入，设置和截图现保存在：\r\n", "The program's folder cannot be written; settings and screenshots are now kept in:\r\n") \
    X(screenshotNotSaved, "截图未保存：", "Screenshot not saved: ") \
    X(captureFailed, "无法截取图像。", "The picture could not be captured.") \
    X(encodingFailed, "无法编码图像。", "The picture could not be encoded.") \
    X(settingsNotSaved, "设置未能保存：", "Settings not saved: ") \
    X(folderNotOpened, "无法打开文件夹：", "Cannot open the folder: ") \
    X(addressNotOpened, "无法打开网址：", "Cannot open the address: ") \
    X(clockNotStarted, "无法启动计时器：", "Cannot start a timer: ") \
    X(trayUnavailable, "无法添加托盘图标，控制台留在原处；任务栏就绪后将自动隐藏到托盘。", "The tray icon could not be added, so the console stays where it is; it hides in the tray once the taskbar is ready.") \
    X(autostartNotChanged, "无法更改开机时启动：", "Cannot change Start with Windows: ") \
    /* Between a file's name and the reason it could not be written or opened. */ \
    X(fileReason, "：", ": ") \
    X(targetNotIdentified, "无法识别锁定的窗口（它可能已关闭），颜色未记住或忘记。", "The locked window cannot be identified (it may have closed); its colour was neither remembered nor forgotten.") \
    X(rememberedFull, "已记住 32 个窗口的颜色，请先忘记其中一个。", "The colours of 32 windows are remembered already; forget one of them first.") \
    X(monitorsFull, "已记住 16 个显示器的颜色，请先忘记其中一个。", "The colours of 16 monitors are remembered already; forget one of them first.") \
    X(counterFull, "截图次数已达上限，请先清空截图次数统计。", "The screenshot count is at its limit; reset the screenshot count first.") \
    X(hotkeysNotUsable, "以下全局快捷键无法使用：", "These global hotkeys cannot be used:") \
    X(hotkeyHeld, " 已被其他程序占用", " is taken by another program") \
    X(hotkeyNotCombination, " 不是按键组合", " is not a key combination") \
    /* "Console=Ctrl+Alt+Home 与 Toggle 重复": the combination is already given for Toggle. */ \
    X(hotkeyGivenTwice, " 与 ", " is given for ") \
    X(hotkeyGivenTwiceEnd, " 重复", " already") \
    /* The schedule: a key of Schedule.ini missing or out of range ("Schedule.ini 中 Fade 缺失或超出范围，已使用默认值 30"), a day without sunset or sunrise, and the answer of /schedule. */ \
    X(scheduleKeyPrefix, "Schedule.ini 中 ", "In Schedule.ini, ") \
    X(scheduleKeyDefault, " 缺失或超出范围，已使用默认值 ", " is missing or out of range; the default is used: ") \
    X(polarNightToday, "今天太阳不升起：按时间表全天显示色调。", "The sun does not rise today: the schedule shows the tints all day.") \
    X(midnightSunToday, "今天太阳不落下：按时间表全天不显示色调。", "The sun does not set today: the schedule shows no tint all day.") \
    X(scheduleStateOn, "按时间表显示：开", "Show on schedule: on") \
    X(scheduleStateOff, "按时间表显示：关", "Show on schedule: off") \
    X(scheduleToday, "；今天 ", "; today ") \
    X(scheduleAllDayOn, "；今天全天显示（太阳不升起）", "; shown all day today (the sun does not rise)") \
    X(scheduleAllDayOff, "；今天全天不显示（太阳不落下）", "; not shown all day today (the sun does not set)") \
    /* Commands from the command line: the usage's title, rows and closing lines, and the answers. */ \
    X(usageTitle, "用法：tintora.exe [命令]", "Usage: tintora.exe [command]") \
    X(usageExitCodes, "退出代码：0 完成；2 现在无法执行（附原因）；64 命令或数值无法识别", "Exit codes: 0 done; 2 cannot be done now (with the reason); 64 command or value not understood") \
    X(usageToggle, "色调关/开（锁定前：只切换记住的色调）", "Tint off/on (before a lock: the remembered tints only)") \
    X(usageOpacity, "A 设为 N（0–255），如同移动 A 滑块", "Sets A to N (0–255), as moving the A slider does") \
    X(usageStronger, "A 加 16", "A plus 16") \
    X(usageWeaker, "A 减 16", "A minus 16") \
    X(usageColour, "R、G、B 设为给定值（各 0–255），如同移动滑块", "Sets R, G and B to the values given (each 0–255), as moving the sliders does") \
    X(usageShot, "以该格式截图（不写格式时用上次选择的格式）", "Takes a screenshot in that format (without one: the format chosen last)") \
    X(usageFullScreen, "全屏化窗口", "Full screen") \
    X(usageWindowed, "非全屏化窗口", "Windowed") \
    X(usageConsole, "显示控制台（锁定前：初始界面）", "Shows the console (before a lock: the opening screen)") \
    X(usageTray, "隐藏到托盘（未运行时：在托盘中启动）", "Hides in the tray (when not running: starts in the tray)") \
    X(usageSchedule, "按时间表显示开或关；不写时回答今天的开始、结束时间和是否开启", "Turns showing on schedule on or off; alone, answers today's on and off times and whether it is on") \
    X(usageQuit, "退出 Tintora", "Exits Tintora") \
    X(usageUsage, "显示此用法", "Shows this usage") \
    X(commandUnknown, "无法识别的命令：", "Command not understood: ") \
    X(valueNotUnderstood, "无法识别的数值：", "Value not understood: ") \
    X(valueMissing, "缺少数值：", "Value missing: ") \
    X(seeUsage, "\r\n输入 tintora.exe /? 查看用法。", "\r\nType tintora.exe /? to see the usage.") \
    X(notLockedYet, "尚未锁定窗口：请先用“智能吸附窗口”锁定一个窗口。", "No window is locked yet: lock one with \"Smart snap to window\" first.") \
    X(snapInProgress, "正在智能吸附窗口，请先锁定或返回。", "Smart snap is under way: lock a window or go back first.") \
    X(tintoraNotRunning, "Tintora 未运行：请先启动 Tintora 并锁定一个窗口。", "Tintora is not running: start Tintora and lock a window first.") \
    X(tintoraNotStarted, "无法启动 tintora.exe：", "Cannot start tintora.exe: ") \
    X(commandRefused, "Windows 拒绝了此命令：正在运行的 Tintora 属于另一个用户，或以管理员身份运行。", "Windows refused the command: the running Tintora belongs to another user, or runs as administrator.") \
    X(noAnswer, "正在运行的 Tintora 没有回应。", "The running Tintora does not answer.") \
    /* The help's list of the global hotkeys in force: heading, what each does, and between key and what it does. */ \
    X(hotkeysHelpHeading, "全局快捷键（在任何程序中都可使用）：", "Global hotkeys (they work in every program):") \
    X(hotkeyToggle, "色调关/开", "Tint off/on") \
    X(hotkeyStronger, "色彩修正强度 +16", "Correction strength +16") \
    X(hotkeyWeaker, "色彩修正强度 -16", "Correction strength -16") \
    X(hotkeyScreenshot, "截图（上次选择的格式）", "Screenshot (the format chosen last)") \
    X(hotkeyFullScreen, "全屏化窗口/非全屏化窗口", "Full screen/windowed") \
    X(hotkeyConsole, "显示控制台", "Show the console") \
    X(hotkeyDoes, "：", ": ") \
    X(helpCaption, "帮助", "Help") \
    X(helpText, \
      "单击菜单栏的开始按钮，选择智能吸附窗口，移动鼠标至需要优化颜色的窗口(类似一些截图软件很方便)，" \
      "按任意键进入控制台，A:为透明度。R:为红色。G:为绿色。B:为蓝色。" \
      "保存颜色按钮可以记录用户设置的颜色，以便下次开启软件后无需再次设置。" \
      "软件自带截图功能，直接选取保存格式，软件会自动保存已覆盖区域的图像到指定文件夹，" \
      "截图以数字来命名，不建议清空统计次数，否则会替换已存在的同名文件。", \
      "Click Start on the menu bar, choose Smart snap to window and move the mouse onto the window whose " \
      "colours you want to correct (as some screenshot tools do), then press any key to open the console. " \
      "A: is the opacity, R: red, G: green, B: blue. " \
      "The Save colour button keeps the colour you set, so that you need not set it again next time. " \
      "Tintora takes screenshots too: choose a format to save in, and the picture of the covered region is " \
      "saved in the screenshot folder. Screenshots are named by number; resetting the count is not " \
      "advised, as it replaces files of the same name.") \
    X(versionCaption, "版本：", "Version:") \
    X(versionText, "Tintorav2.0", "Tintorav2.0")
// clang-format on

#define TINTORA_TEXT(name, zh, en) inline constexpr Text name{zh, en};
TINTORA_TEXTS(TINTORA_TEXT)
#undef TINTORA_TEXT

// Every text above, for the check that none lacks its English.
#define TINTORA_TEXT(name, zh, en) &name,
inline constexpr const Text* all[] = {TINTORA_TEXTS(TINTORA_TEXT)};
#undef TINTORA_TEXT

// The maker's homepage, opened by "主页".
inline constexpr const char* homepage = "https://tintora.example.org/";

}  // namespace texts
}  // namespace tintora
