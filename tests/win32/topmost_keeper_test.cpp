// The topmost keeper on the real desktop, with its own overlay, Wine's notepad or stand-in taskbars
// in front. What it restacks is counted through the z-order changes its two windows are told of.
#include "overlay/topmost_keeper.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <map>

#include "foreign_program.h"
#include "win32/desktop.h"
#include "win32/handles.h"
#include "win32/window_tree.h"
#include "win32/window_class.h"

namespace tintora::win32 {
namespace {

std::map<HWND, int> zOrderChanges;

LRESULT CALLBACK countZOrderChanges(HWND w, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_WINDOWPOSCHANGING && !(reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_NOZORDER))
        ++zOrderChanges[w];
    return DefWindowProcW(w, message, wParam, lParam);
}

bool isTopmost(HWND w) { return GetWindowLongPtrW(w, GWL_EXSTYLE) & WS_EX_TOPMOST; }

class TopmostKeeperOnTheDesktop : public testing::Test {
protected:
    TopmostKeeperOnTheDesktop()
    {
        kept.overlay = reinterpret_cast<WindowHandle>(overlay.get());
        kept.console = reinterpret_cast<WindowHandle>(console.get());
        zOrderChanges.clear();
    }

    OwnedWindow makeWindow(const wchar_t* className, DWORD exStyle, int left, int top)
    {
        return OwnedWindow(CreateWindowExW(exStyle, className, L"keeper test", WS_POPUP | WS_VISIBLE, left, top, 200,
                                           100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    }

    // Activates the window and waits (a few seconds at most) until it is the foreground window.
    bool bringToFront(HWND w)
    {
        SetForegroundWindow(w);
        const DWORD start = GetTickCount();
        while (GetForegroundWindow() != w) {
            if (GetTickCount() - start > 5000) return false;
            desktop.processPendingEvents();
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
        return true;
    }

    // One keeper tick, with this thread's messages handled around it as the program's loop would.
    void tick()
    {
        keepWindowsOnTop(desktop, tree, keeper, kept);
        desktop.processPendingEvents();
    }
    // Ticks through the lifts that follow a change of foreground window.
    void settle()
    {
        do tick();
        while (keeper.keeperRestacksLeft > 0);
    }

    const WindowClass keptClass{L"TintoraTestKept", countZOrderChanges, nullptr, GetSysColorBrush(COLOR_WINDOW)};
    const OwnedWindow overlay =
        makeWindow(keptClass.name(), WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW, 300, 300);
    const OwnedWindow console = makeWindow(keptClass.name(), 0, 600, 300);
    Win32Desktop desktop;
    Win32WindowTree tree;
    KeeperState keeper;
    KeptWindows kept;
};

TEST_F(TopmostKeeperOnTheDesktop, RestacksNothingWhileTheOverlayOrNotepadStaysInFront)
{
    SetLayeredWindowAttributes(overlay.get(), 0, 128, LWA_ALPHA);
    ASSERT_TRUE(bringToFront(overlay.get()));
    settle();
    zOrderChanges.clear();
    for (int i = 0; i < 5; ++i) tick();
    EXPECT_EQ(zOrderChanges[overlay.get()], 0) << "restacked with the overlay in front and nothing changed";
    EXPECT_EQ(zOrderChanges[console.get()], 0) << "restacked with the overlay in front and nothing changed";

    const ForeignProgram notepad(L"notepad.exe");
    ASSERT_NE(notepad.window(), nullptr) << "notepad's window did not appear";
    ASSERT_TRUE(bringToFront(notepad.window()));

    // Lifted on the tick that sees the change of foreground window and on the next.
    tick();
    tick();
    EXPECT_GT(zOrderChanges[overlay.get()], 0) << "the overlay was not lifted when notepad came to the front";
    EXPECT_GT(zOrderChanges[console.get()], 0) << "the console was not lifted when notepad came to the front";
    EXPECT_TRUE(isTopmost(overlay.get()));
    EXPECT_TRUE(isTopmost(console.get()));

    settle();
    zOrderChanges.clear();
    for (int i = 0; i < 5; ++i) tick();
    EXPECT_EQ(GetForegroundWindow(), notepad.window());
    EXPECT_EQ(zOrderChanges[overlay.get()], 0) << "the overlay was restacked with nothing changed";
    EXPECT_EQ(zOrderChanges[console.get()], 0) << "the console was restacked with nothing changed";
    EXPECT_FALSE(isTopmost(notepad.window()));
}

// Other programs' topmost windows keep their flags: the taskbars and any window kept on top.
TEST_F(TopmostKeeperOnTheDesktop, LeavesOtherTopmostWindowsTopmost)
{
    const WindowClass taskbarClass(L"Shell_TrayWnd", DefWindowProcW, nullptr, GetSysColorBrush(COLOR_WINDOW));
    const WindowClass secondaryClass(L"Shell_SecondaryTrayWnd", DefWindowProcW, nullptr,
                                     GetSysColorBrush(COLOR_WINDOW));
    const OwnedWindow taskbar = makeWindow(taskbarClass.name(), WS_EX_TOPMOST | WS_EX_TOOLWINDOW, 0, 900);
    const OwnedWindow secondary = makeWindow(secondaryClass.name(), WS_EX_TOPMOST, 300, 900);
    const ForeignProgram notepad(L"notepad.exe");
    ASSERT_NE(notepad.window(), nullptr) << "notepad's window did not appear";
    SetWindowPos(notepad.window(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ASSERT_TRUE(isTopmost(notepad.window()));

    for (HWND front : {notepad.window(), taskbar.get(), secondary.get()}) {
        ASSERT_TRUE(bringToFront(front));
        tick();
        tick();
        EXPECT_TRUE(isTopmost(overlay.get()));
        EXPECT_TRUE(isTopmost(console.get()));
    }
    // A taskbar in front (a double-click on the tray icon) is not where the keyboard goes back to.
    EXPECT_EQ(keeper.lastOtherForeground, reinterpret_cast<WindowHandle>(notepad.window()));
    EXPECT_TRUE(isTopmost(taskbar.get())) << "the taskbar lost its topmost flag";
    EXPECT_TRUE(isTopmost(secondary.get())) << "the secondary taskbar lost its topmost flag";
    EXPECT_TRUE(isTopmost(notepad.window())) << "another program's topmost window lost its flag";
}

}  // namespace
}  // namespace tintora::win32
