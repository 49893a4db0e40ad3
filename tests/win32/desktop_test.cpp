#include "win32/desktop.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>

#include "win32/handles.h"

namespace tintora::win32 {
namespace {

constexpr DWORD deadlineMs = 10000;

WindowHandle handleOf(HWND w) { return reinterpret_cast<WindowHandle>(w); }

// Dispatches messages until the condition holds or the deadline passes; returns the condition.
bool pumpUntil(const std::function<bool()>& condition)
{
    Win32Desktop desktop;
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > deadlineMs) return false;
        desktop.processPendingEvents();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

OwnedWindow makePopup(int left, int top, int width, int height, DWORD exStyle = 0)
{
    return OwnedWindow(CreateWindowExW(exStyle, L"STATIC", L"desktop test", WS_POPUP | WS_VISIBLE, left, top, width,
                                       height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
}

// Wine's notepad in a process of its own: a foreign top-level window with an edit control.
class ForeignNotepad {
public:
    ForeignNotepad()
    {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        std::wstring command = L"notepad.exe";
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info_)) {
            return;
        }
        pumpUntil([this] {
            EnumWindows(takeIfOurs, reinterpret_cast<LPARAM>(this));
            return window_ != nullptr;
        });
        if (!window_) return;
        SetWindowPos(window_, HWND_TOPMOST, 100, 100, 400, 300, SWP_SHOWWINDOW | SWP_NOACTIVATE);
        edit_ = FindWindowExW(window_, nullptr, L"Edit", nullptr);
    }
    ~ForeignNotepad()
    {
        if (!info_.hProcess) return;
        TerminateProcess(info_.hProcess, 0);
        WaitForSingleObject(info_.hProcess, deadlineMs);
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    ForeignNotepad(const ForeignNotepad&) = delete;
    ForeignNotepad& operator=(const ForeignNotepad&) = delete;
    HWND window() const { return window_; }
    HWND edit() const { return edit_; }

private:
    static BOOL CALLBACK takeIfOurs(HWND w, LPARAM self)
    {
        auto* notepad = reinterpret_cast<ForeignNotepad*>(self);
        DWORD process = 0;
        GetWindowThreadProcessId(w, &process);
        if (process != notepad->info_.dwProcessId || !IsWindowVisible(w)) return TRUE;
        notepad->window_ = w;
        return FALSE;
    }

    PROCESS_INFORMATION info_{};
    HWND window_ = nullptr;
    HWND edit_ = nullptr;
};

Point centreOf(HWND w)
{
    RECT r{};
    GetWindowRect(w, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

TEST(Win32Desktop, WindowAtPointFindsForeignControlThroughOwnWindows)
{
    ForeignNotepad notepad;
    ASSERT_NE(notepad.window(), nullptr) << "notepad's window did not appear";
    ASSERT_NE(notepad.edit(), nullptr) << "notepad has no edit control";
    Win32Desktop desktop;
    const Point inEdit = centreOf(notepad.edit());
    ASSERT_TRUE(pumpUntil([&] { return desktop.windowAtPoint(inEdit) == handleOf(notepad.edit()); }))
        << "window at the edit's centre: " << desktop.windowAtPoint(inEdit);

    // A title bar point belongs to the top-level window itself.
    RECT frame{};
    GetWindowRect(notepad.window(), &frame);
    EXPECT_EQ(desktop.windowAtPoint({(frame.left + frame.right) / 2, frame.top + 3}), handleOf(notepad.window()));

    // This process's own windows on top, even opaque ones, are looked through.
    const OwnedWindow own = makePopup(50, 50, 600, 500, WS_EX_TOPMOST);
    desktop.processPendingEvents();
    EXPECT_EQ(desktop.windowAtPoint(inEdit), handleOf(notepad.edit()));
}

TEST(Win32Desktop, WindowAtPointOnEmptyScreenIsDesktop)
{
    Win32Desktop desktop;
    const Size screen = desktop.screenSize();
    EXPECT_EQ(desktop.windowAtPoint({screen.width - 2, screen.height - 2}), handleOf(GetDesktopWindow()));
}

TEST(Win32Desktop, WindowRectAndStyles)
{
    Win32Desktop desktop;
    const OwnedWindow window = makePopup(10, 20, 300, 200);
    EXPECT_EQ(desktop.windowRect(handleOf(window.get())), (ScreenRect{10, 20, 310, 220}));
    EXPECT_FALSE(desktop.windowRect(0x7FFFF0));

    const std::uint32_t before = desktop.extendedStyle(handleOf(window.get()));
    EXPECT_FALSE(before & exstyle::layered);
    desktop.setExtendedStyle(handleOf(window.get()), before | exstyle::layered | exstyle::transparent);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrW(window.get(), GWL_EXSTYLE)),
              before | exstyle::layered | exstyle::transparent);
    EXPECT_EQ(desktop.extendedStyle(handleOf(window.get())), before | exstyle::layered | exstyle::transparent);

    desktop.setLayeredAttributes(handleOf(window.get()), keyColour, 190);
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(window.get(), &key, &alpha, &flags));
    EXPECT_EQ(key, keyColour);
    EXPECT_EQ(alpha, 190);
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_COLORKEY | LWA_ALPHA));
}

TEST(Win32Desktop, SetTopmostTogglesTheTopmostStyle)
{
    Win32Desktop desktop;
    const OwnedWindow window = makePopup(0, 0, 50, 50);
    desktop.setTopmost(handleOf(window.get()), true);
    EXPECT_TRUE(desktop.extendedStyle(handleOf(window.get())) & exstyle::topmost);
    desktop.setTopmost(handleOf(window.get()), false);
    EXPECT_FALSE(desktop.extendedStyle(handleOf(window.get())) & exstyle::topmost);
}

TEST(Win32Desktop, ScreenSizeAndCursor)
{
    Win32Desktop desktop;
    const Size screen = desktop.screenSize();
    EXPECT_EQ(screen.width, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(screen.height, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_GT(screen.width, 0);
    SetCursorPos(123, 45);
    EXPECT_EQ(desktop.cursorPosition(), (Point{123, 45}));
}

int received = 0;

LRESULT CALLBACK countAppMessages(HWND w, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_APP) ++received;
    return DefWindowProcW(w, message, wParam, lParam);
}

TEST(Win32Desktop, ProcessPendingEventsDispatchesQueueAndKeepsQuit)
{
    Win32Desktop desktop;
    const OwnedWindow window = makePopup(0, 0, 10, 10);
    received = 0;
    SetWindowLongPtrW(window.get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(countAppMessages));
    PostMessageW(window.get(), WM_APP, 0, 0);
    PostMessageW(window.get(), WM_APP, 0, 0);
    PostQuitMessage(7);
    desktop.processPendingEvents();
    EXPECT_EQ(received, 2);

    MSG message{};
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit message was swallowed";
    EXPECT_EQ(message.wParam, 7u);
}

TEST(Win32Desktop, CallbackTimersTickUntilKilled)
{
    Win32Desktop desktop;
    int ticks = 0;
    int selfStopping = 0;
    const unsigned repeating = desktop.startCallbackTimer(10, [&] { ++ticks; });
    unsigned oneShot = 0;
    oneShot = desktop.startCallbackTimer(10, [&] {
        ++selfStopping;
        desktop.killCallbackTimer(oneShot);
    });
    ASSERT_NE(repeating, 0u);
    ASSERT_NE(oneShot, repeating);
    ASSERT_TRUE(pumpUntil([&] { return ticks >= 3; })) << "ticks seen: " << ticks;
    desktop.killCallbackTimer(repeating);
    const int ticksAtKill = ticks;
    const DWORD start = GetTickCount();
    pumpUntil([&] { return GetTickCount() - start > 100; });
    EXPECT_EQ(ticks, ticksAtKill);
    EXPECT_EQ(selfStopping, 1);
}

}  // namespace
}  // namespace tintora::win32
