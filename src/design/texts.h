#pragma once
// Captions and messages of the program, defined once.

namespace tintora::texts {

inline constexpr const char* windowTitle = "Tintorav2.0";
inline constexpr const char* trayTip = "Tintorav1.0";
inline constexpr const char* trayBalloon = "点击托盘图标可恢复视窗！\r\n\r\nTintorav1.0";
inline constexpr const char* counterCaptionPrefix = "当前截图统计次数为：";

// Notices in a balloon by the console.
inline constexpr const char* dataMovedNotice = "程序所在的文件夹无法写入，设置和截图现保存在：\r\n";
inline constexpr const char* screenshotNotSaved = "截图未保存：";
inline constexpr const char* captureFailed = "无法截取图像。";
inline constexpr const char* encodingFailed = "无法编码图像。";
inline constexpr const char* settingsNotSaved = "设置未能保存：";
inline constexpr const char* folderNotOpened = "无法打开文件夹：";
inline constexpr const char* addressNotOpened = "无法打开网址：";
inline constexpr const char* clockNotStarted = "无法启动计时器：";
inline constexpr const char* trayUnavailable = "无法添加托盘图标，控制台留在原处；任务栏就绪后将自动隐藏到托盘。";
inline constexpr const char* autostartNotChanged = "无法更改开机时启动：";
inline constexpr const char* targetNotIdentified = "无法识别锁定的窗口（它可能已关闭），颜色未记住或忘记。";
inline constexpr const char* rememberedFull = "已记住 32 个窗口的颜色，请先忘记其中一个。";
inline constexpr const char* monitorsFull = "已记住 16 个显示器的颜色，请先忘记其中一个。";
inline constexpr const char* counterFull = "截图次数已达上限，请先清空截图次数统计。";
inline constexpr const char* hotkeysNotUsable = "以下全局快捷键无法使用：";
inline constexpr const char* hotkeyHeld = " 已被其他程序占用";
inline constexpr const char* hotkeyNotCombination = " 不是按键组合";
// "Console=Ctrl+Alt+Home 与 Toggle 重复": the combination is already given for Toggle.
inline constexpr const char* hotkeyGivenTwice = " 与 ";
inline constexpr const char* hotkeyGivenTwiceEnd = " 重复";

// The schedule: a key of Schedule.ini missing or out of range ("Schedule.ini 中 Fade 缺失或超出范围，
// 已使用默认值 30"), a day without sunset or sunrise, and the answer of /schedule.
inline constexpr const char* scheduleKeyPrefix = "Schedule.ini 中 ";
inline constexpr const char* scheduleKeyDefault = " 缺失或超出范围，已使用默认值 ";
inline constexpr const char* polarNightToday = "今天太阳不升起：按时间表全天显示色调。";
inline constexpr const char* midnightSunToday = "今天太阳不落下：按时间表全天不显示色调。";
inline constexpr const char* scheduleStateOn = "按时间表显示：开";
inline constexpr const char* scheduleStateOff = "按时间表显示：关";
inline constexpr const char* scheduleToday = "；今天 ";
inline constexpr const char* scheduleAllDayOn = "；今天全天显示（太阳不升起）";
inline constexpr const char* scheduleAllDayOff = "；今天全天不显示（太阳不落下）";

// Commands from the command line: the usage's title and closing lines, and the answers.
inline constexpr const char* usageTitle = "用法：tintora.exe [命令]";
inline constexpr const char* usageExitCodes = "退出代码：0 完成；2 现在无法执行（附原因）；64 命令或数值无法识别";
inline constexpr const char* commandUnknown = "无法识别的命令：";
inline constexpr const char* valueNotUnderstood = "无法识别的数值：";
inline constexpr const char* valueMissing = "缺少数值：";
inline constexpr const char* seeUsage = "\r\n输入 tintora.exe /? 查看用法。";
inline constexpr const char* notLockedYet = "尚未锁定窗口：请先用“智能吸附窗口”锁定一个窗口。";
inline constexpr const char* snapInProgress = "正在智能吸附窗口，请先锁定或返回。";
inline constexpr const char* tintoraNotRunning = "Tintora 未运行：请先启动 Tintora 并锁定一个窗口。";
inline constexpr const char* tintoraNotStarted = "无法启动 tintora.exe：";
inline constexpr const char* commandRefused =
    "Windows 拒绝了此命令：正在运行的 Tintora 属于另一个用户，或以管理员身份运行。";
inline constexpr const char* noAnswer = "正在运行的 Tintora 没有回应。";

// The help's list of the global hotkeys in force.
inline constexpr const char* hotkeysHelpHeading = "全局快捷键（在任何程序中都可使用）：";

inline constexpr const char* helpCaption = "帮助";
inline constexpr const char* helpText =
    "单击菜单栏的开始按钮，选择智能吸附窗口，移动鼠标至需要优化颜色的窗口(类似一些截图软件很方便)，"
    "按任意键进入控制台，A:为透明度。R:为红色。G:为绿色。B:为蓝色。"
    "保存颜色按钮可以记录用户设置的颜色，以便下次开启软件后无需再次设置。"
    "软件自带截图功能，直接选取保存格式，软件会自动保存已覆盖区域的图像到指定文件夹，"
    "截图以数字来命名，不建议清空统计次数，否则会替换已存在的同名文件。";
inline constexpr const char* versionCaption = "版本：";
inline constexpr const char* versionText = "Tintorav2.0";

// The maker's homepage, opened by "主页".
inline constexpr const char* homepage = "https://tintora.example.org/";

}  // namespace tintora::texts
