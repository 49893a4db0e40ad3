#include "win32/desktop.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "foreign_program.h"
#include "win32/handles.h"
#include "win32/text.h"
#include "win32/window_class.h"

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

// Wine's notepad above the other windows: a foreign top-level window with an edit control.
class ForeignNotepad {
public:
    ForeignNotepad()
    {
        if (!window()) return;
        SetWindowPos(window(), HWND_TOPMOST, 100, 100, 400, 300, SWP_SHOWWINDOW | SWP_NOACTIVATE);
        edit_ = FindWindowExW(window(), nullptr, L"Edit", nullptr);
    }
    HWND window() const { return program_.window(); }
    HWND edit() const { return edit_; }

private:
    ForeignProgram program_{L"notepad.exe"};
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

// What a failed comparison names: a window's title and class.
std::string describe(HWND w)
{
    wchar_t title[64] = {};
    wchar_t className[64] = {};
    GetWindowTextW(w, title, 64);
    GetClassNameW(w, className, 64);
    return "\"" + narrow(title) + "\" (" + narrow(className) + ")";
}

// Our answer with this process's window over the scene against WindowFromPoint's with it hidden, on
// a grid of points over a scene in another process. Each scene window is titled with what it is.
TEST(Win32Desktop, WindowAtPointAgreesWithWindowFromPointOverAScene)
{
    constexpr RECT scene{200, 150, 840, 590};
    const ForeignProgram program(L"\"" + besideThisProgram(L"hit_test_scene.exe") + L"\" " +
                                 std::to_wstring(scene.left) + L" " + std::to_wstring(scene.top));
    ASSERT_NE(program.window(), nullptr) << "the scene did not appear";

    // Like the smart snap rectangle: topmost, layered, half transparent, not click-through.
    const WindowClass ownClass(L"TintoraTestOwn", DefWindowProcW, nullptr, GetSysColorBrush(COLOR_WINDOW));
    const OwnedWindow own(CreateWindowExW(WS_EX_TOPMOST | WS_EX_LAYERED, ownClass.name(), L"own", WS_POPUP | WS_VISIBLE,
                                          scene.left - 20, scene.top - 20, scene.right - scene.left + 40,
                                          scene.bottom - scene.top + 40, nullptr, nullptr, GetModuleHandleW(nullptr),
                                          nullptr));
    SetLayeredWindowAttributes(own.get(), 0, 190, LWA_ALPHA);
    Win32Desktop desktop;
    desktop.processPendingEvents();
    ASSERT_EQ(WindowFromPoint({scene.left + 100, scene.top + 100}), own.get()) << "our window is not over the scene";

    std::vector<POINT> grid;
    for (LONG y = scene.top - 10; y <= scene.bottom + 10; y += 7) {
        for (LONG x = scene.left - 10; x <= scene.right + 10; x += 7) grid.push_back({x, y});
    }
    std::vector<HWND> ours;
    for (const POINT p : grid) ours.push_back(reinterpret_cast<HWND>(desktop.windowAtPoint({p.x, p.y})));
    ShowWindow(own.get(), SW_HIDE);
    desktop.processPendingEvents();

    int mismatches = 0;
    std::set<std::string> hit;
    for (std::size_t i = 0; i < grid.size(); ++i) {
        const HWND reference = WindowFromPoint(grid[i]);
        hit.insert(describe(reference));
        if (ours[i] != reference && ++mismatches <= 10) {
            ADD_FAILURE() << "at " << grid[i].x << "," << grid[i].y << ": ours " << describe(ours[i])
                          << ", WindowFromPoint " << describe(reference);
        }
    }
    EXPECT_EQ(mismatches, 0) << "of " << grid.size() << " points";

    // The scene put each rule to the test.
    for (const char* seen : {"frame", "panel", "inner", "innermost", "under hidden child", "under disabled child",
                             "round child", "over the title bar", "disabled window", "layered", "ellipse"})
        EXPECT_TRUE(hit.contains("\"" + std::string(seen) + "\" (HitTestSceneBox)")) << seen << " was never hit";
    EXPECT_TRUE(hit.contains("\"label\" (Static)")) << "the static label was never hit";
    for (const char* passed : {"glow", "hidden window", "hidden child", "disabled child", "inside disabled window"})
        EXPECT_FALSE(hit.contains("\"" + std::string(passed) + "\" (HitTestSceneBox)")) << passed << " was hit";
}

// A watch tells of its window's and its top-level window's changes, of nothing else, and stops
// with its id or its desktop; a window that has died is not watched. The foreground watch tells of
// other programs' windows only. Wine delivers no out-of-context events across processes: they are
// raised inside this one.
TEST(Win32Desktop, WatchesTellOfTheirWindowsUntilStopped)
{
    Win32Desktop desktop;
    const OwnedWindow window = makePopup(10, 20, 300, 200);
    const OwnedWindow other = makePopup(400, 20, 100, 100);
    const HWND child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 5, 5, 50, 50, window.get(), nullptr,
                                       GetModuleHandleW(nullptr), nullptr);
    int calls = 0;
    const auto id = desktop.watchWindow(handleOf(child), [&] { ++calls; });
    ASSERT_TRUE(id);
    // Events already raised arrive before a later one does.
    const auto callsAfter = [&](std::vector<std::pair<DWORD, HWND>> events, LONG object = OBJID_WINDOW) {
        const int before = calls;
        for (const auto& [event, w] : events) NotifyWinEvent(event, w, object, CHILDID_SELF);
        NotifyWinEvent(EVENT_OBJECT_LOCATIONCHANGE, child, OBJID_WINDOW, CHILDID_SELF);
        pumpUntil([&] { return calls > before; });
        return calls - before - 1;
    };
    EXPECT_EQ(callsAfter({{EVENT_OBJECT_LOCATIONCHANGE, window.get()},
                          {EVENT_SYSTEM_MINIMIZESTART, window.get()},
                          {EVENT_SYSTEM_MINIMIZEEND, window.get()},
                          {EVENT_OBJECT_HIDE, child},
                          {EVENT_OBJECT_SHOW, child},
                          {0x8017, window.get()},
                          {EVENT_OBJECT_DESTROY, child}}),
              7);
    EXPECT_EQ(callsAfter({{EVENT_OBJECT_LOCATIONCHANGE, other.get()}, {EVENT_OBJECT_NAMECHANGE, child}}), 0);
    EXPECT_EQ(callsAfter({{EVENT_OBJECT_LOCATIONCHANGE, child}}, OBJID_CLIENT), 0);

    const HWND dead = makePopup(0, 0, 10, 10).get();
    EXPECT_FALSE(desktop.watchWindow(handleOf(dead), [] {})) << "a window that has died is watched";

    desktop.stopWatching(*id);
    bool toldGoneDesktop = false;
    {
        Win32Desktop gone;
        ASSERT_TRUE(gone.watchWindow(handleOf(child), [&] { toldGoneDesktop = true; }));
    }
    bool otherTold = false;
    ASSERT_TRUE(desktop.watchWindow(handleOf(other.get()), [&] { otherTold = true; }));
    const int before = calls;
    NotifyWinEvent(EVENT_OBJECT_LOCATIONCHANGE, child, OBJID_WINDOW, CHILDID_SELF);
    NotifyWinEvent(EVENT_OBJECT_LOCATIONCHANGE, other.get(), OBJID_WINDOW, CHILDID_SELF);
    ASSERT_TRUE(pumpUntil([&] { return otherTold; }));
    EXPECT_EQ(calls, before) << "told after the watch stopped";
    EXPECT_FALSE(toldGoneDesktop) << "told after its desktop was gone";

    ForeignNotepad notepad;
    ASSERT_NE(notepad.window(), nullptr) << "notepad's window did not appear";
    // The foreground watch tells only what another program raised: this program's own window, or
    // another program's that this program brought to the front, proves nothing. (Wine delivers no
    // other program's events: that they arrive on Windows is reasoned from the documentation.)
    std::vector<WindowHandle> fronts;
    ASSERT_TRUE(desktop.watchForeground([&](WindowHandle w) { fronts.push_back(w); }));
    NotifyWinEvent(EVENT_SYSTEM_FOREGROUND, window.get(), OBJID_WINDOW, CHILDID_SELF);
    NotifyWinEvent(EVENT_SYSTEM_FOREGROUND, notepad.window(), OBJID_WINDOW, CHILDID_SELF);
    otherTold = false;
    NotifyWinEvent(EVENT_OBJECT_LOCATIONCHANGE, other.get(), OBJID_WINDOW, CHILDID_SELF);
    ASSERT_TRUE(pumpUntil([&] { return otherTold; }));
    EXPECT_TRUE(fronts.empty()) << "told of a change this program raised";

    // Wine hands this program none of notepad's own events either (shown, in front), so the hooks
    // the two desktop-wide watches set are seen calling back over every process with nothing left out.
    std::vector<HWND> broughtToFront;
    std::vector<HWND> shown;
    const WinEventWatch everyFront(foregroundEvents, DWORD{0}, [&](HWND w) { broughtToFront.push_back(w); });
    const WinEventWatch everyShown(shownEvents, DWORD{0}, [&](HWND w) { shown.push_back(w); });
    NotifyWinEvent(EVENT_SYSTEM_FOREGROUND, notepad.window(), OBJID_WINDOW, CHILDID_SELF);
    for (DWORD event : {DWORD{EVENT_OBJECT_SHOW}, DWORD{EVENT_SYSTEM_MINIMIZEEND}, DWORD{0x8018}})
        NotifyWinEvent(event, window.get(), OBJID_WINDOW, CHILDID_SELF);
    pumpUntil([&] { return !broughtToFront.empty() && shown.size() >= 3; });
    EXPECT_EQ(std::ranges::count(broughtToFront, notepad.window()), 1);
    EXPECT_EQ(std::ranges::count(shown, window.get()), 3);
}

TEST(Win32Desktop, WindowRectAndStyles)
{
    Win32Desktop desktop;
    const OwnedWindow window = makePopup(10, 20, 300, 200);
    EXPECT_EQ(desktop.windowRect(handleOf(window.get())), (ScreenRect{10, 20, 310, 220}));
    EXPECT_FALSE(desktop.windowRect(0x7FFFF0));
    // Without DWM's frame bounds (Wine answers E_NOTIMPL) the visible frame is the window rectangle.
    EXPECT_EQ(desktop.visibleFrame(handleOf(window.get())), (ScreenRect{10, 20, 310, 220}));
    EXPECT_FALSE(desktop.visibleFrame(0x7FFFF0));

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
    const unsigned repeating = desktop.startCallbackTimer(10, [&] { ++ticks; }).id;
    unsigned oneShot = 0;
    oneShot = desktop
                  .startCallbackTimer(10,
                                      [&] {
                                          ++selfStopping;
                                          desktop.killCallbackTimer(oneShot);
                                      })
                  .id;
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
