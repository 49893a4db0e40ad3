#include "win32/ui_backend.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <shellapi.h>

#include <chrono>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "win32/canvas.h"
#include "win32/text.h"

namespace tintora::win32 {
namespace {

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
};

// Dispatches messages until the condition holds or a few seconds have passed.
bool pumpUntil(const std::function<bool()>& done)
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

std::wstring windowText(HWND hwnd)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::wstring className(HWND hwnd)
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

std::vector<MenuEntry> menuEntries(HMENU menu)
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

std::vector<std::wstring> barCaptions(HWND hwnd)
{
    std::vector<std::wstring> captions;
    for (const MenuEntry& e : menuEntries(GetMenu(hwnd))) captions.push_back(e.text);
    return captions;
}

// The thread's keyboard state as if only these modifiers were held down.
void holdModifiers(bool ctrl, bool shift)
{
    BYTE keys[256]{};
    if (ctrl) keys[VK_CONTROL] = 0x80;
    if (shift) keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
}

// Chooses the first item of the pop-up menu on the screen, if there is one.
void CALLBACK chooseFirstMenuItem(HWND hwnd, UINT, UINT_PTR id, DWORD)
{
    HWND menu = FindWindowW(L"#32768", nullptr);
    if (!menu || !IsWindowVisible(menu)) return;
    KillTimer(hwnd, id);
    PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
}

MSG keyDownMessage(HWND hwnd, int virtualKey) { return {hwnd, WM_KEYDOWN, static_cast<WPARAM>(virtualKey), 1, 0, {}}; }

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
        POINT at{ui.geometry(c).left + 1, ui.geometry(c).top + 1};
        return ChildWindowFromPointEx(hwnd(c.window), at, CWP_ALL);
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

void expectWindowMatchesDesign(HWND hwnd, const WindowDesign& d)
{
    SCOPED_TRACE(d.id == WindowId::startup ? "start-up window" : "console window");
    EXPECT_EQ(windowText(hwnd), widen(d.title));
    RECT r{};
    GetWindowRect(hwnd, &r);
    EXPECT_EQ(r.right - r.left, d.geometry.width);
    EXPECT_EQ(r.bottom - r.top, d.geometry.height);
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - d.geometry.width) / 2);
    EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - d.geometry.height) / 2);
    const auto style = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
    EXPECT_EQ(style & WS_CAPTION, DWORD(WS_CAPTION));
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CHILD), 0u);
    EXPECT_EQ((style & WS_SYSMENU) != 0, d.closeButton);
    const auto exStyle = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE));
    EXPECT_EQ(exStyle & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST), DWORD(WS_EX_TOOLWINDOW | WS_EX_TOPMOST));
    EXPECT_EQ(GetWindow(hwnd, GW_OWNER), nullptr);
    EXPECT_EQ(SendMessageW(hwnd, WM_GETICON, ICON_SMALL, 0) != 0, d.hasIcon);
    EXPECT_TRUE(IsWindowVisible(hwnd));
}

TEST_F(Win32UiTest, WindowsFollowTheDesignAndAreCreatedBeforeShown)
{
    expectWindowMatchesDesign(hwnd(WindowId::startup), windowDesign(WindowId::startup));
    ASSERT_EQ(sink.created, std::vector{WindowId::startup});
    EXPECT_FALSE(visibleWhenCreated);
    EXPECT_EQ(childrenWhenCreated, 3);  // picture box, slider, canvas

    bool startupEnabledInside = true;
    sink.created.clear();
    withConsole([&] {
        expectWindowMatchesDesign(hwnd(WindowId::console), windowDesign(WindowId::console));
        startupEnabledInside = IsWindowEnabled(hwnd(WindowId::startup)) != FALSE;
    });
    EXPECT_EQ(sink.created, std::vector{WindowId::console});
    EXPECT_FALSE(startupEnabledInside);
    EXPECT_TRUE(IsWindowEnabled(hwnd(WindowId::startup)));
    EXPECT_EQ(ui.handle(WindowId::console), 0u);
}

TEST_F(Win32UiTest, ControlsFollowTheDesign)
{
    auto check = [&](WindowId w) {
        for (const ControlDesign& d : controlDesigns()) {
            if (d.id.window != w || d.kind == ControlKind::fileDialog || d.kind == ControlKind::balloon) continue;
            SCOPED_TRACE(d.designName);
            EXPECT_EQ(ui.geometry(d.id), d.geometry);
            HWND c = hwnd(d.id);
            ASSERT_NE(c, nullptr);
            EXPECT_EQ(GetParent(c), hwnd(w));
            EXPECT_EQ(IsWindowVisible(c) != FALSE, d.visible);
            EXPECT_EQ(IsWindowEnabled(c) == FALSE, d.disabled);
            if (d.kind == ControlKind::label || d.kind == ControlKind::button) {
                EXPECT_EQ(className(c), d.kind == ControlKind::label ? L"Static" : L"Button");
                EXPECT_EQ(windowText(c), widen(d.caption));
            }
            if (d.kind == ControlKind::slider) EXPECT_EQ(className(c), TRACKBAR_CLASSW);
            if (d.fontHeight > 0) {
                LOGFONTW font{};
                ASSERT_TRUE(GetObjectW(reinterpret_cast<HFONT>(SendMessageW(c, WM_GETFONT, 0, 0)), sizeof font, &font));
                EXPECT_EQ(font.lfHeight, -d.fontHeight);
                EXPECT_EQ(font.lfWeight, FW_NORMAL);
                EXPECT_EQ(font.lfCharSet, GB2312_CHARSET);
            }
        }
    };
    check(WindowId::startup);
    withConsole([&] { check(WindowId::console); });
}

TEST_F(Win32UiTest, SlidersHaveRangeStepsTicksAndEdge)
{
    auto check = [&](WindowId w) {
        for (const ControlDesign& d : controlDesigns()) {
            if (d.id.window != w || d.kind != ControlKind::slider) continue;
            SCOPED_TRACE(d.designName);
            HWND s = hwnd(d.id);
            EXPECT_EQ(SendMessageW(s, TBM_GETRANGEMIN, 0, 0), 0);
            EXPECT_EQ(SendMessageW(s, TBM_GETRANGEMAX, 0, 0), 255);
            EXPECT_EQ(SendMessageW(s, TBM_GETLINESIZE, 0, 0), 1);
            EXPECT_EQ(SendMessageW(s, TBM_GETPAGESIZE, 0, 0), 1);
            EXPECT_EQ(SendMessageW(s, TBM_GETPOS, 0, 0), 0);
            EXPECT_EQ(SendMessageW(s, TBM_GETNUMTICS, 0, 0), 52);  // 0, 5, ..., 255
            const auto style = static_cast<DWORD>(GetWindowLongW(s, GWL_STYLE));
            EXPECT_EQ((style & TBS_BOTH) != 0, d.ticks == TickMarks::both);
            EXPECT_EQ((style & TBS_ENABLESELRANGE) != 0, d.selectionBand);
            EXPECT_NE(GetWindowLongW(s, GWL_EXSTYLE) & WS_EX_STATICEDGE, 0);
            SetCursor(LoadCursorW(nullptr, IDC_ARROW));
            SendMessageW(s, WM_SETCURSOR, reinterpret_cast<WPARAM>(s), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
            EXPECT_EQ(GetCursor() == LoadCursorW(nullptr, IDC_HAND), d.handCursor);
        }
    };
    check(WindowId::startup);
    withConsole([&] { check(WindowId::console); });
}

TEST_F(Win32UiTest, OnlyUserStepsOfASliderRaiseChanges)
{
    withConsole([&] {
        const ControlRef red = console::滑块条2;
        HWND s = hwnd(red);
        ui.setSliderPosition(red, 100);
        EXPECT_EQ(ui.sliderPosition(red), 100);
        EXPECT_TRUE(sink.sliderChanges.empty());

        struct Step {
            int key;
            int expected;
        };
        for (const Step step : {Step{VK_RIGHT, 101}, Step{VK_LEFT, 100}, Step{VK_NEXT, 101}, Step{VK_END, 255}}) {
            sink.sliderChanges.clear();
            SendMessageW(s, WM_KEYDOWN, static_cast<WPARAM>(step.key), 1);
            SendMessageW(s, WM_KEYUP, static_cast<WPARAM>(step.key), 1);
            EXPECT_EQ(ui.sliderPosition(red), step.expected);
            EXPECT_EQ(sink.sliderChanges, std::vector<ControlRef>{red}) << "key " << step.key;
        }
        sink.sliderChanges.clear();
        SendMessageW(s, WM_KEYDOWN, VK_RIGHT, 1);  // already at the end
        SendMessageW(s, WM_KEYUP, VK_RIGHT, 1);
        EXPECT_TRUE(sink.sliderChanges.empty());

        ui.setSliderSelection(red, 40);
        EXPECT_EQ(SendMessageW(s, TBM_GETSELSTART, 0, 0), 0);
        EXPECT_EQ(SendMessageW(s, TBM_GETSELEND, 0, 0), 40);
    });
}

TEST_F(Win32UiTest, LabelsButtonAndKeysRaiseTheirEvents)
{
    SendMessageW(hwnd(WindowId::startup), WM_KEYDOWN, VK_SHIFT, 1);
    SendMessageW(hwnd(WindowId::startup), WM_SYSKEYDOWN, VK_MENU, 1 | 1 << 29);
    SendMessageW(hwnd(startup::动画框1), WM_KEYDOWN, 'A', 1);
    SendMessageW(hwnd(WindowId::startup), WM_CLOSE, 0, 0);
    const std::vector<std::pair<WindowId, int>> keys{
        {WindowId::startup, VK_SHIFT}, {WindowId::startup, VK_MENU}, {WindowId::startup, 'A'}};
    EXPECT_EQ(sink.keys, keys);
    EXPECT_EQ(sink.closeRequests, std::vector{WindowId::startup});
    EXPECT_TRUE(IsWindow(hwnd(WindowId::startup))) << "closing is the behaviour's decision";

    withConsole([&] {
        ui.setCaption(console::标签6, "128");
        EXPECT_EQ(windowText(hwnd(console::标签6)), L"128");
        SendMessageW(hwnd(console::按钮1), BM_CLICK, 0, 0);
        EXPECT_EQ(sink.clicks, std::vector<ControlRef>{console::按钮1});
        ui.setGeometry(console::标签4, {12, 292, 168, 40});
        EXPECT_EQ(ui.geometry(console::标签4), (Geometry{12, 292, 168, 40}));
        HWND label = hwnd(console::标签4);
        ui.setVisible(console::标签4, false);
        EXPECT_FALSE(IsWindowVisible(label));
        ui.setVisible(console::标签4, true);
        EXPECT_TRUE(IsWindowVisible(label));
    });
}

TEST_F(Win32UiTest, MenuTreesShowCaptionsShortcutsSeparatorsAndGreyedItems)
{
    auto check = [&](WindowId w) {
        std::vector<MenuEntry> bar = menuEntries(GetMenu(hwnd(w)));
        std::size_t top = 0;
        std::vector<MenuEntry> items;
        std::size_t child = 0;
        for (const MenuDesign& d : menuDesign(w)) {
            SCOPED_TRACE(d.caption);
            if (d.level == 0) {
                if (!d.initiallyVisible) {
                    items.clear();
                    continue;
                }
                ASSERT_LT(top, bar.size());
                EXPECT_EQ(bar[top].text, widen(d.caption));
                items = menuEntries(bar[top++].items);
                child = 0;
                continue;
            }
            if (items.empty()) continue;
            ASSERT_LT(child, items.size());
            const MenuEntry& e = items[child++];
            EXPECT_EQ((e.type & MFT_SEPARATOR) != 0, d.item == menuSeparator);
            EXPECT_EQ((e.state & MFS_GRAYED) != 0, d.greyed);
            if (d.item != menuSeparator) {
                std::wstring expected = widen(d.caption);
                if (d.shortcut) expected += L"\t" + widen(shortcutText(d.shortcut));
                EXPECT_EQ(e.text, expected);
            }
        }
        EXPECT_EQ(top, bar.size());
    };
    check(WindowId::startup);
    const std::vector<std::wstring> startupBar{L"开始", L"关于", L"按任意键锁定窗口", L"ESC建或退格键返回",
                                               L"按住鼠标可拖动已选择区域"};
    EXPECT_EQ(barCaptions(hwnd(WindowId::startup)), startupBar);
    EXPECT_EQ(menuEntries(GetSubMenu(GetMenu(hwnd(WindowId::startup)), 0))[0].text, L"智能吸附窗口\tCtrl+Shift+F1");

    withConsole([&] {
        check(WindowId::console);
        // The tray menu is not on the bar.
        EXPECT_EQ(barCaptions(hwnd(WindowId::console)),
                  (std::vector<std::wstring>{L"开始", L"解析度", L"选项", L"截图"}));
        const auto shots = menuEntries(GetSubMenu(GetMenu(hwnd(WindowId::console)), 3));
        EXPECT_EQ(shots[4].text, L"储存为 BMP 格式\tShift+F1");
        EXPECT_EQ(menuEntries(GetSubMenu(GetMenu(hwnd(WindowId::console)), 0))[0].text, L"最小化控制台到托盘\tCtrl+T");
    });
}

TEST_F(Win32UiTest, HiddenMenuItemsComeBackAtTheirPlace)
{
    HWND w = hwnd(WindowId::startup);
    ui.setVisible(startup::按任意键锁定窗口, false);
    ui.setVisible(startup::ESC建或退格键返回, false);
    EXPECT_EQ(barCaptions(w), (std::vector<std::wstring>{L"开始", L"关于", L"按住鼠标可拖动已选择区域"}));
    ui.setVisible(startup::ESC建或退格键返回, true);
    EXPECT_EQ(barCaptions(w),
              (std::vector<std::wstring>{L"开始", L"关于", L"ESC建或退格键返回", L"按住鼠标可拖动已选择区域"}));

    // An item inside a menu, too.
    ui.setVisible(startup::主页, false);
    auto about = menuEntries(GetSubMenu(GetMenu(w), 1));
    ASSERT_EQ(about.size(), 4u);
    EXPECT_NE(about[2].type & MFT_SEPARATOR, 0u);
    ui.setVisible(startup::主页, true);
    about = menuEntries(GetSubMenu(GetMenu(w), 1));
    ASSERT_EQ(about.size(), 5u);
    EXPECT_EQ(about[2].text, L"主页\tF2");

    // With every menu bar item hidden the window has no bar, and gets it back with the first one.
    RECT before{};
    GetWindowRect(w, &before);
    for (const startup::Menu m :
         {startup::开始, startup::关于, startup::ESC建或退格键返回, startup::按住鼠标可拖动已选择区域})
        ui.setVisible(m, false);
    EXPECT_EQ(GetMenu(w), nullptr);
    RECT after{};
    GetWindowRect(w, &after);
    EXPECT_TRUE(EqualRect(&before, &after));
    ui.setVisible(startup::关于, true);
    EXPECT_EQ(barCaptions(w), std::vector<std::wstring>{L"关于"});

    ui.setCaption(startup::关于, "关于本程序");
    EXPECT_EQ(barCaptions(w), std::vector<std::wstring>{L"关于本程序"});
}

TEST_F(Win32UiTest, CheckMarksAreKeptInTheMenus)
{
    HWND w = hwnd(WindowId::startup);
    HMENU start = GetSubMenu(GetMenu(w), 0);
    ui.setChecked(startup::启动背景_鲜艳, true);
    EXPECT_TRUE(ui.isChecked(startup::启动背景_鲜艳));
    EXPECT_FALSE(ui.isChecked(startup::启动背景_柔和));
    EXPECT_NE(GetMenuState(start, 3, MF_BYPOSITION) & MF_CHECKED, 0u);

    // A mark survives hiding.
    ui.setVisible(startup::启动背景_鲜艳, false);
    ui.setVisible(startup::开始, false);
    EXPECT_TRUE(ui.isChecked(startup::启动背景_鲜艳));
    ui.setVisible(startup::开始, true);
    ui.setVisible(startup::启动背景_鲜艳, true);
    EXPECT_NE(GetMenuState(GetSubMenu(GetMenu(w), 0), 3, MF_BYPOSITION) & MF_CHECKED, 0u);
    ui.setChecked(startup::启动背景_鲜艳, false);
    EXPECT_FALSE(ui.isChecked(startup::启动背景_鲜艳));

    // Marks set before the console exists are there when it opens.
    ui.setChecked(console::非全屏化窗口, true);
    withConsole([&] {
        HMENU resolution = GetSubMenu(GetMenu(hwnd(WindowId::console)), 1);
        EXPECT_NE(GetMenuState(resolution, 2, MF_BYPOSITION) & MF_CHECKED, 0u);
        EXPECT_EQ(GetMenuState(resolution, 0, MF_BYPOSITION) & MF_CHECKED, 0u);
        EXPECT_TRUE(ui.isChecked(console::非全屏化窗口));
    });
}

TEST_F(Win32UiTest, EveryShortcutRunsItsItem)
{
    auto check = [&](WindowId w) {
        for (const MenuDesign& d : menuDesign(w)) {
            if (!d.shortcut) continue;
            SCOPED_TRACE(d.caption);
            sink.commands.clear();
            holdModifiers(d.shortcut.ctrl, d.shortcut.shift);
            MSG msg = keyDownMessage(hwnd(w), d.shortcut.virtualKey);
            EXPECT_TRUE(ui.translateAccelerator(w, msg));
            EXPECT_EQ(sink.commands, std::vector<MenuRef>{MenuRef(w, d.item)});
        }
        // The same key without its modifiers is not the shortcut.
        holdModifiers(false, false);
        sink.commands.clear();
        MSG plainT = keyDownMessage(hwnd(w), vk::keyT);
        EXPECT_FALSE(ui.translateAccelerator(w, plainT));
        EXPECT_TRUE(sink.commands.empty());
    };
    check(WindowId::startup);
    withConsole([&] { check(WindowId::console); });
}

TEST_F(Win32UiTest, HiddenItemsHaveNoWorkingShortcut)
{
    HWND w = hwnd(WindowId::startup);
    holdModifiers(false, false);
    ui.setVisible(startup::关于, false);
    MSG help = keyDownMessage(w, vk::f(1));
    EXPECT_FALSE(ui.translateAccelerator(WindowId::startup, help));
    // The key then reaches the window as a plain key.
    DispatchMessageW(&help);
    EXPECT_EQ(sink.keys, (std::vector<std::pair<WindowId, int>>{{WindowId::startup, vk::f(1)}}));
    EXPECT_TRUE(sink.commands.empty());

    ui.setVisible(startup::关于, true);
    ui.setVisible(startup::主页, false);
    MSG home = keyDownMessage(w, vk::f(2));
    EXPECT_FALSE(ui.translateAccelerator(WindowId::startup, home));
    EXPECT_TRUE(ui.translateAccelerator(WindowId::startup, help));
    EXPECT_EQ(sink.commands, std::vector<MenuRef>{startup::帮助});

    ui.setVisible(startup::主页, true);
    EXPECT_TRUE(ui.translateAccelerator(WindowId::startup, home));
    EXPECT_EQ(sink.commands, (std::vector<MenuRef>{startup::帮助, startup::主页}));
}

TEST_F(Win32UiTest, TimersTickUntilStopped)
{
    ui.setInterval(startup::时钟2, 10);
    ui.setInterval(startup::时钟3, 10);
    auto count = [&](TimerRef t) { return std::count(sink.ticks.begin(), sink.ticks.end(), t); };
    ASSERT_TRUE(pumpUntil([&] { return count(startup::时钟2) >= 3 && count(startup::时钟3) >= 3; }));
    EXPECT_EQ(count(startup::时钟1), 0);

    ui.setInterval(startup::时钟2, 0);
    sink.ticks.clear();
    ASSERT_TRUE(pumpUntil([&] { return count(startup::时钟3) >= 5; }));
    EXPECT_EQ(count(startup::时钟2), 0);
}

TEST_F(Win32UiTest, BorderChangesKeepTheOuterRectangle)
{
    const WindowId s = WindowId::startup;
    ui.move(s, {100, 120, 300, 200});
    EXPECT_EQ(ui.geometry(s), (Geometry{100, 120, 300, 200}));
    const Size framed = ui.clientSize(s);
    EXPECT_LT(framed.width, 300);

    ui.setBorder(s, Border::none);
    EXPECT_EQ(ui.geometry(s), (Geometry{100, 120, 300, 200}));
    EXPECT_EQ(GetWindowLongW(hwnd(s), GWL_STYLE) & (WS_CAPTION | WS_SYSMENU), 0);
    EXPECT_EQ(ui.clientSize(s).width, 300);

    ui.setBorder(s, Border::fixedSingle);
    EXPECT_EQ(ui.geometry(s), (Geometry{100, 120, 300, 200}));
    EXPECT_EQ(GetWindowLongW(hwnd(s), GWL_STYLE) & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
    EXPECT_EQ(ui.clientSize(s), framed);

    ui.setTitle(s, "标题");
    EXPECT_EQ(windowText(hwnd(s)), L"标题");
}

TEST_F(Win32UiTest, FreeDragMakesTheClientAreaACaption)
{
    const WindowId s = WindowId::startup;
    const Geometry g = ui.geometry(s);
    const LPARAM centre = MAKELPARAM(g.left + g.width / 2, g.top + g.height / 2);
    EXPECT_EQ(SendMessageW(hwnd(s), WM_NCHITTEST, 0, centre), HTCLIENT);
    ui.setFreeDrag(s, true);
    EXPECT_EQ(SendMessageW(hwnd(s), WM_NCHITTEST, 0, centre), HTCAPTION);
    ui.setFreeDrag(s, false);
    EXPECT_EQ(SendMessageW(hwnd(s), WM_NCHITTEST, 0, centre), HTCLIENT);

    EXPECT_FALSE(ui.isBeingDragged(s));
    SendMessageW(hwnd(s), WM_ENTERSIZEMOVE, 0, 0);
    EXPECT_TRUE(ui.isBeingDragged(s));
    SendMessageW(hwnd(s), WM_EXITSIZEMOVE, 0, 0);
    EXPECT_FALSE(ui.isBeingDragged(s));
}

// Real mouse input, routed by the system, on a point of the canvas, which covers the client area.
TEST_F(Win32UiTest, FreeDragMovesTheWindowByItsCanvas)
{
    const WindowId s = WindowId::startup;
    ui.setVisible(startup::动画框1, false);
    canvas.setSize({640, 480});
    ui.setFreeDrag(s, true);
    SetForegroundWindow(hwnd(s));
    const Geometry before = ui.geometry(s);
    const POINT from{before.left + 200, before.top + 200};
    // The canvas is disabled, so the press goes to the window under it.
    ASSERT_EQ(WindowFromPoint(from), hwnd(s));

    auto mouse = [](DWORD flags, POINT at) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
        input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
        SendInput(1, &input, sizeof input);
    };
    mouse(0, from);
    mouse(MOUSEEVENTF_LEFTDOWN, from);
    for (int step = 1; step <= 5; ++step) mouse(0, {from.x + 10 * step, from.y + 6 * step});
    mouse(MOUSEEVENTF_LEFTUP, {from.x + 50, from.y + 30});
    EXPECT_TRUE(pumpUntil([&] { return ui.geometry(s).left != before.left; }));
    EXPECT_EQ(ui.geometry(s), (Geometry{before.left + 50, before.top + 30, before.width, before.height}));
    EXPECT_FALSE(ui.isBeingDragged(s));
}

TEST_F(Win32UiTest, ModalConsoleKeepsTimersRunningAndDisablesTheStartupWindow)
{
    int consoleTicks = 0;
    int startupTicks = 0;
    bool startupDisabledInside = false;
    sink.onCreated = [&](WindowId w) {
        ASSERT_EQ(w, WindowId::console);
        ui.setInterval(console::时钟2, 10);
        ui.setInterval(startup::时钟1, 10);
    };
    sink.onTick = [&](TimerRef t) {
        if (t == TimerRef(startup::时钟1)) ++startupTicks;
        if (t != TimerRef(console::时钟2) || ++consoleTicks < 3 || startupTicks < 3) return;
        startupDisabledInside = !IsWindowEnabled(hwnd(WindowId::startup));
        DestroyWindow(hwnd(WindowId::console));
    };
    ui.openModal(WindowId::console);
    EXPECT_GE(consoleTicks, 3);
    EXPECT_GE(startupTicks, 3);
    EXPECT_TRUE(startupDisabledInside);
    EXPECT_TRUE(IsWindowEnabled(hwnd(WindowId::startup)));
    EXPECT_EQ(ui.handle(WindowId::console), 0u);
}

// The overlay is restored to its normal state while the console is in use; the console keeps the
// keyboard and its shortcuts.
TEST_F(Win32UiTest, ShowNormalRestoresWithoutTakingTheFocus)
{
    withConsole([&] {
        HWND startupWindow = hwnd(WindowId::startup);
        ASSERT_EQ(GetActiveWindow(), hwnd(WindowId::console));
        ShowWindow(startupWindow, SW_MINIMIZE);
        SetActiveWindow(hwnd(WindowId::console));
        ui.showNormal(WindowId::startup);
        EXPECT_FALSE(IsIconic(startupWindow));
        EXPECT_TRUE(IsWindowVisible(startupWindow));
        EXPECT_EQ(GetActiveWindow(), hwnd(WindowId::console));
    });
}

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

        ui.tray().showBalloon("点击托盘图标可恢复视窗！\r\n\r\nTintorav1.0", {300, 400});
        ASSERT_NE(ui.tray().balloonWindow(), nullptr);
        EXPECT_TRUE(pumpUntil([&] { return IsWindowVisible(ui.tray().balloonWindow()) != FALSE; }));

        ui.tray().removeIcon(WindowId::console);
        EXPECT_FALSE(ui.tray().hasIcon(WindowId::console));
        EXPECT_FALSE(Shell_NotifyIconW(NIM_MODIFY, &probe));
        EXPECT_TRUE(pumpUntil([&] { return IsWindowVisible(ui.tray().balloonWindow()) == FALSE; }));
    });
}

TEST_F(Win32UiTest, TabMovesBetweenTheConsolesSliders)
{
    withConsole([&] {
        SetFocus(hwnd(console::滑块条2));
        MSG tab = keyDownMessage(hwnd(console::滑块条2), VK_TAB);
        EXPECT_TRUE(ui.translateDialogKey(tab));
        EXPECT_EQ(GetFocus(), hwnd(console::滑块条3));

        // The slider still takes its arrow keys.
        MSG right = keyDownMessage(hwnd(console::滑块条3), VK_RIGHT);
        ui.translateDialogKey(right);
        EXPECT_TRUE(pumpUntil([&] { return !sink.sliderChanges.empty(); }));
        EXPECT_EQ(sink.sliderChanges, std::vector<ControlRef>{console::滑块条3});
    });
}

TEST_F(Win32UiTest, PopupMenuRunsTheChosenItem)
{
    withConsole([&] {
        HWND c = hwnd(WindowId::console);
        SetTimer(c, 99, 50, chooseFirstMenuItem);
        ui.tray().popupMenu(console::快捷菜单);
        KillTimer(c, 99);
        EXPECT_TRUE(pumpUntil([&] { return !sink.commands.empty(); }));
        EXPECT_EQ(sink.commands, std::vector<MenuRef>{console::恢复视窗});
    });
}

TEST_F(Win32UiTest, PictureBoxShowsTheChosenStartupPicture)
{
    const ControlRef box = startup::动画框1;
    ui.setGeometry(box, {0, 0, 200, 150});
    auto pixels = [&] {
        HWND picture = hwnd(box);
        InvalidateRect(picture, nullptr, TRUE);
        UpdateWindow(picture);
        const WindowDc dc(picture);
        std::vector<COLORREF> out;
        for (int y = 10; y < 150; y += 35)
            for (int x = 10; x < 200; x += 45) out.push_back(GetPixel(dc.get(), x, y));
        return out;
    };
    const auto empty = pixels();
    ui.setPicture(box, StartupPicture::soft);
    const auto soft = pixels();
    ui.setPicture(box, StartupPicture::vivid);
    const auto vivid = pixels();
    EXPECT_NE(soft, empty);
    EXPECT_NE(vivid, soft);
}

}  // namespace
}  // namespace tintora::win32
