#include "win32/ui_fixture.h"

#include <shellapi.h>

#include "win32/command_channel.h"

namespace tintora::win32 {
namespace {

TEST_F(Win32UiTest, TrayIconIsAddedReplacedAndRemoved)
{
    withConsole([&] {
        HWND c = hwnd(WindowId::console);
        NOTIFYICONDATAW probe{};
        probe.cbSize = sizeof probe;
        probe.hWnd = c;
        probe.uID = 1;
        probe.uFlags = NIF_TIP;
        EXPECT_EQ(ui.tray().modifyIcon(WindowId::console, "Tintorav1.0"), ShellAnswer::refused) << "no icon yet";
        EXPECT_EQ(ui.tray().addIcon(WindowId::console, "Tintorav1.0"), ShellAnswer::done);
        EXPECT_TRUE(Shell_NotifyIconW(NIM_MODIFY, &probe));
        EXPECT_EQ(ui.tray().addIcon(WindowId::console, "Tintorav1.0"), ShellAnswer::refused) << "added twice";
        // Replaced, the tip cut to fit.
        EXPECT_EQ(ui.tray().modifyIcon(WindowId::console, std::string(200, 'x')), ShellAnswer::done);

        // Version 4: the event in lParam's low word and the icon's id in its high word, the anchor in
        // wParam; the menu opens from the keyboard too, and choosing the icon shows the window.
        using Events = std::vector<std::pair<WindowId, TrayEvent>>;
        const std::pair<UINT, Events> kinds[] = {{NIN_SELECT, {{WindowId::console, TrayEvent::chosen}}},
                                                 {NIN_KEYSELECT, {{WindowId::console, TrayEvent::chosen}}},
                                                 {WM_LBUTTONDBLCLK, {{WindowId::console, TrayEvent::chosen}}},
                                                 {WM_CONTEXTMENU, {{WindowId::console, TrayEvent::menu}}},
                                                 {WM_LBUTTONUP, {}},
                                                 {WM_RBUTTONUP, {}}};
        for (const auto& [message, expected] : kinds) {
            sink.trayEvents.clear();
            SendMessageW(c, trayMessage, MAKEWPARAM(300, 400), MAKELPARAM(message, 1));
            EXPECT_EQ(sink.trayEvents, expected) << "message " << message;
        }

        // A restarted shell has lost the icon: the window tells so.
        SendMessageW(c, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
        EXPECT_EQ(sink.trayCreations, std::vector<WindowId>{WindowId::console});

        ui.tray().showBalloon("点击托盘图标可恢复视窗！\r\n\r\nTintorav1.0", {300, 400});
        ASSERT_NE(ui.tray().balloonWindow(), nullptr);
        EXPECT_TRUE(pumpUntil([&] { return IsWindowVisible(ui.tray().balloonWindow()) != FALSE; }));

        ui.tray().removeIcon(WindowId::console);
        EXPECT_FALSE(Shell_NotifyIconW(NIM_MODIFY, &probe));
        EXPECT_TRUE(pumpUntil([&] { return IsWindowVisible(ui.tray().balloonWindow()) == FALSE; }));
    });
}

// The console's tray menu shown by the start-up window's icon, before the console exists.
TEST_F(Win32UiTest, PopupMenuRunsTheChosenItem)
{
    HWND s = hwnd(WindowId::startup);
    SetTimer(s, 99, 50, chooseFirstMenuItem);
    ui.tray().popupMenu(console::快捷菜单, WindowId::startup);
    KillTimer(s, 99);
    EXPECT_TRUE(pumpUntil([&] { return !sink.commands.empty(); }));
    EXPECT_EQ(sink.commands, std::vector<MenuRef>{console::显示});
}

TEST_F(Win32UiTest, ACommandReachesTheRunningWindowAndItsAnswerComesBack)
{
    sink.commandAnswer = {2, "尚未锁定窗口"};
    // Another window that claims to answer is not listened to.
    sink.beforeAnswer = [] {
        const char forged[] = "forged";
        COPYDATASTRUCT data{0, sizeof forged, const_cast<char*>(forged)};
        SendMessageW(FindWindowExW(HWND_MESSAGE, nullptr, L"TintoraAnswer", nullptr), WM_COPYDATA,
                     reinterpret_cast<WPARAM>(GetDesktopWindow()), reinterpret_cast<LPARAM>(&data));
    };
    EXPECT_EQ(sendCommand("/opacity 120"), (CommandAnswer{2, "尚未锁定窗口"}));
    EXPECT_EQ(sink.commandsReceived, std::vector<std::string>{std::string("/opacity 120", 13)});
    // What the behaviour is told of the window that waits for the answer (here in this program).
    EXPECT_EQ(sink.answerWindows, (std::vector{AnswerWindow{"TintoraAnswer", false, true}}));
}

}  // namespace
}  // namespace tintora::win32
