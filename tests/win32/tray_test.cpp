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
        ASSERT_FALSE(Shell_NotifyIconW(NIM_MODIFY, &probe)) << "no icon yet";

        ui.tray().setIcon(WindowId::console, "Tintorav1.0");
        EXPECT_TRUE(ui.tray().hasIcon(WindowId::console));
        EXPECT_TRUE(Shell_NotifyIconW(NIM_MODIFY, &probe));
        ui.tray().setIcon(WindowId::console, std::string(200, 'x'));  // replaced, tip cut to fit
        EXPECT_TRUE(ui.tray().hasIcon(WindowId::console));

        using Events = std::vector<std::pair<WindowId, TrayEvent>>;
        const std::pair<UINT, Events> kinds[] = {{WM_LBUTTONUP, {{WindowId::console, TrayEvent::click}}},
                                                 {WM_LBUTTONDBLCLK, {{WindowId::console, TrayEvent::doubleClick}}},
                                                 {WM_RBUTTONUP, {{WindowId::console, TrayEvent::menu}}},
                                                 {WM_CONTEXTMENU, {{WindowId::console, TrayEvent::menu}}},
                                                 {WM_MOUSEMOVE, {}}};
        for (const auto& [message, expected] : kinds) {
            sink.trayEvents.clear();
            SendMessageW(c, trayMessage, 1, static_cast<LPARAM>(message));
            EXPECT_EQ(sink.trayEvents, expected) << "message " << message;
        }

        // A restarted shell has lost the icon; the window adds it again when told so.
        NOTIFYICONDATAW gone = probe;
        gone.uFlags = 0;
        ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &gone));
        ASSERT_FALSE(Shell_NotifyIconW(NIM_MODIFY, &probe));
        SendMessageW(c, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
        EXPECT_TRUE(Shell_NotifyIconW(NIM_MODIFY, &probe)) << "icon added again";
        EXPECT_EQ(sink.trayCreations, std::vector<WindowId>{WindowId::console});

        ui.tray().showBalloon("点击托盘图标可恢复视窗！\r\n\r\nTintorav1.0", {300, 400});
        ASSERT_NE(ui.tray().balloonWindow(), nullptr);
        EXPECT_TRUE(pumpUntil([&] { return IsWindowVisible(ui.tray().balloonWindow()) != FALSE; }));

        ui.tray().removeIcon(WindowId::console);
        EXPECT_FALSE(ui.tray().hasIcon(WindowId::console));
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
