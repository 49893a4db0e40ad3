// The topmost keeper on the real desktop, with Wine's notepad or a stand-in taskbar in front. What
// it restacks is counted through the z-order changes its two windows are told of.
#include "ui/topmost_keeper.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <map>

#include "foreign_program.h"
#include "win32/desktop.h"
#include "win32/handles.h"
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
        state.keptOverlayWindow = reinterpret_cast<WindowHandle>(overlay.get());
        state.keptTopmostWindow = reinterpret_cast<WindowHandle>(console.get());
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
        keepWindowsOnTop(desktop, state);
        desktop.processPendingEvents();
    }

    const WindowClass keptClass{L"TintoraTestKept", countZOrderChanges, nullptr, GetSysColorBrush(COLOR_WINDOW)};
    const OwnedWindow overlay =
        makeWindow(keptClass.name(), WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW, 300, 300);
    const OwnedWindow console = makeWindow(keptClass.name(), 0, 600, 300);
    Win32Desktop desktop;
    AppState state;
};

TEST_F(TopmostKeeperOnTheDesktop, RestacksNothingWhileNotepadStaysInFront)
{
    SetLayeredWindowAttributes(overlay.get(), 0, 128, LWA_ALPHA);
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

    zOrderChanges.clear();
    for (int i = 0; i < 5; ++i) tick();
    EXPECT_EQ(GetForegroundWindow(), notepad.window());
    EXPECT_EQ(zOrderChanges[overlay.get()], 0) << "the overlay was restacked with nothing changed";
    EXPECT_EQ(zOrderChanges[console.get()], 0) << "the console was restacked with nothing changed";
    EXPECT_FALSE(isTopmost(notepad.window()));
}

TEST_F(TopmostKeeperOnTheDesktop, LeavesAStandInTaskbarTopmost)
{
    const WindowClass taskbarClass(L"Shell_TrayWnd", DefWindowProcW, nullptr, GetSysColorBrush(COLOR_WINDOW));
    const OwnedWindow taskbar = makeWindow(taskbarClass.name(), WS_EX_TOPMOST | WS_EX_TOOLWINDOW, 0, 900);
    ASSERT_TRUE(bringToFront(taskbar.get()));
    tick();
    tick();
    EXPECT_TRUE(isTopmost(taskbar.get())) << "the taskbar lost its topmost flag";
    EXPECT_TRUE(isTopmost(overlay.get()));
    EXPECT_TRUE(isTopmost(console.get()));

    // Any other topmost window in front is put below ours.
    const WindowClass otherClass(L"TintoraTestOther", DefWindowProcW, nullptr, GetSysColorBrush(COLOR_WINDOW));
    const OwnedWindow other = makeWindow(otherClass.name(), WS_EX_TOPMOST, 300, 600);
    ASSERT_TRUE(bringToFront(other.get()));
    tick();
    EXPECT_FALSE(isTopmost(other.get())) << "a topmost window in front kept its flag";
    EXPECT_TRUE(isTopmost(taskbar.get()));
}

}  // namespace
}  // namespace tintora::win32
