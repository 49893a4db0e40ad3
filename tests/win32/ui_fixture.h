#pragma once
// The two windows of the real backend under test: a sink that records every event, the start-up
// window created for each test, and helpers to pump messages and read menus.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "win32/canvas.h"
#include "win32/system.h"
#include "win32/text.h"
#include "win32/ui_backend.h"

namespace tintora::win32 {

using Clock = std::chrono::steady_clock;

// Records every event and lets a test act on window creation and timer ticks.
struct RecordingSink final : EventSink {
    std::vector<WindowId> created;
    std::vector<WindowId> closeRequests;
    std::vector<std::pair<WindowId, int>> keys;
    std::vector<MenuRef> commands;
    std::vector<TimerRef> ticks;
    std::vector<ControlRef> sliderChanges;
    std::vector<ControlRef> clicks;
    std::vector<std::pair<WindowId, TrayEvent>> trayEvents;
    std::vector<HotkeyAction> hotkeys;
    std::vector<WindowId> trayCreations;
    std::vector<std::string> commandsReceived;
    std::vector<AnswerWindow> answerWindows;
    CommandAnswer commandAnswer;
    std::function<void()> beforeAnswer;
    std::function<void(WindowId)> onCreated;
    std::function<void(TimerRef)> onTick;

    void windowCreated(WindowId w) override
    {
        created.push_back(w);
        if (onCreated) onCreated(w);
    }
    void windowCloseRequested(WindowId w) override { closeRequests.push_back(w); }
    void keyDown(WindowId w, int virtualKey) override { keys.emplace_back(w, virtualKey); }
    void menuCommand(MenuRef m) override { commands.push_back(m); }
    void timerTick(TimerRef t) override
    {
        ticks.push_back(t);
        if (onTick) onTick(t);
    }
    void sliderChanged(ControlRef c) override { sliderChanges.push_back(c); }
    void buttonClicked(ControlRef c) override { clicks.push_back(c); }
    void trayEvent(WindowId w, TrayEvent event) override { trayEvents.emplace_back(w, event); }
    void hotkeyPressed(HotkeyAction action) override { hotkeys.push_back(action); }
    void trayCreated(WindowId w) override { trayCreations.push_back(w); }
    void anotherStart() override {}
    void timeChanged() override {}
    void resumedFromSleep() override {}
    void monitorsChanged() override {}
    bool commandReceived(const ReceivedCommand& command, const AnswerCommand& answer) override
    {
        commandsReceived.emplace_back(command.bytes);
        answerWindows.push_back(command.answerTo);
        if (beforeAnswer) beforeAnswer();
        answer(commandAnswer);
        return true;
    }
};

// Dispatches messages until the condition holds or a few seconds have passed.
inline bool pumpUntil(const std::function<bool()>& done)
{
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    while (!done()) {
        if (Clock::now() > deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    return true;
}

inline std::wstring windowText(HWND hwnd)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

inline std::wstring className(HWND hwnd)
{
    wchar_t name[64]{};
    GetClassNameW(hwnd, name, 64);
    return name;
}

struct MenuEntry {
    std::wstring text;
    UINT type;
    UINT state;
    HMENU items;
};

inline std::vector<MenuEntry> menuEntries(HMENU menu)
{
    std::vector<MenuEntry> entries;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[256]{};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING | MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = 256;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        entries.push_back({text, info.fType, info.fState, info.hSubMenu});
    }
    return entries;
}

inline std::vector<std::wstring> barCaptions(HWND hwnd)
{
    std::vector<std::wstring> captions;
    for (const MenuEntry& e : menuEntries(GetMenu(hwnd))) captions.push_back(e.text);
    return captions;
}

// The thread's keyboard state as if only these modifiers were held down.
inline void holdModifiers(bool ctrl, bool shift)
{
    BYTE keys[256]{};
    if (ctrl) keys[VK_CONTROL] = 0x80;
    if (shift) keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
}

// Chooses the first item of the pop-up menu on the screen, if there is one.
inline void CALLBACK chooseFirstMenuItem(HWND hwnd, UINT, UINT_PTR id, DWORD)
{
    HWND menu = FindWindowW(L"#32768", nullptr);
    if (!menu || !IsWindowVisible(menu)) return;
    KillTimer(hwnd, id);
    PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
}

inline MSG keyDownMessage(HWND hwnd, int virtualKey)
{
    return {hwnd, WM_KEYDOWN, static_cast<WPARAM>(virtualKey), 1, 0, {}};
}

class Win32UiTest : public testing::Test {
protected:
    void SetUp() override
    {
        sink.onCreated = [&](WindowId w) {
            // The window and its controls exist, but it is not shown yet.
            visibleWhenCreated = IsWindowVisible(hwnd(w)) != FALSE;
            childrenWhenCreated = 0;
            for (HWND c = GetWindow(hwnd(w), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) ++childrenWhenCreated;
        };
        ui.connect(sink);
        ui.createStartupWindow();
        sink.onCreated = nullptr;
    }
    void TearDown() override { holdModifiers(false, false); }

    HWND hwnd(WindowId w) const { return reinterpret_cast<HWND>(ui.handle(w)); }
    HWND hwnd(ControlRef c) const
    {
        if (c == ControlRef(startup::画板3)) return canvas.hwnd();
        // By its whole rectangle: a widened control may cover a corner of its neighbour.
        HWND parent = hwnd(c.window);
        for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            RECT r{};
            GetWindowRect(child, &r);
            MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
            if (geometryOf(r) == ui.geometry(c)) return child;
        }
        return nullptr;
    }

    // Runs the body inside the console's nested message loop, then closes the console.
    void withConsole(const std::function<void()>& body)
    {
        const TimerRef go = console::时钟3;
        bool ran = false;
        sink.onCreated = [&](WindowId) { ui.setInterval(go, 1); };
        sink.onTick = [&](TimerRef t) {
            if (t != go || ran) return;
            ran = true;
            ui.setInterval(go, 0);
            body();
            DestroyWindow(hwnd(WindowId::console));
        };
        ui.openModal(WindowId::console);
        sink.onCreated = nullptr;
        sink.onTick = nullptr;
    }

    RecordingSink sink;
    Win32Canvas canvas;
    Win32Ui ui{[this](HWND parent) {
        canvas.attach(parent);
        return canvas.hwnd();
    }};
    bool visibleWhenCreated = true;
    int childrenWhenCreated = 0;
};

}  // namespace tintora::win32
