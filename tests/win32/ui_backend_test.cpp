#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "win32/ui_fixture.h"

namespace tintora::win32 {
namespace {

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

// Whether the font has a glyph for every character of the text.
bool hasGlyphs(HFONT font, const std::wstring& text)
{
    const WindowDc screen(nullptr);
    const SelectedObject selected(screen.get(), font);
    std::vector<WORD> glyphs(text.size());
    GetGlyphIndicesW(screen.get(), text.c_str(), static_cast<int>(text.size()), glyphs.data(),
                     GGI_MARK_NONEXISTING_GLYPHS);
    return std::find(glyphs.begin(), glyphs.end(), WORD{0xFFFF}) == glyphs.end();
}

TEST_F(Win32UiTest, ControlsFollowTheDesign)
{
    auto check = [&](WindowId w) {
        RECT client{};
        GetClientRect(hwnd(w), &client);
        for (const ControlDesign& d : controlDesigns()) {
            if (d.id.window != w || d.kind == ControlKind::fileDialog || d.kind == ControlKind::balloon) continue;
            SCOPED_TRACE(d.designName);
            // The canvas covers the client area, whatever its size.
            const Geometry expected =
                d.kind == ControlKind::canvas ? Geometry{0, 0, client.right, client.bottom} : d.geometry;
            EXPECT_EQ(ui.geometry(d.id), expected);
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
                // Captions and the numbers of the value labels are drawn, not shown as boxes, even
                // where the default face of the character set has no Latin letters or digits.
                const auto used = reinterpret_cast<HFONT>(SendMessageW(c, WM_GETFONT, 0, 0));
                EXPECT_TRUE(hasGlyphs(used, widen(d.caption) + L"0123456789")) << font.lfFaceName;
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

        // One step of the selection's end repaints a strip around it, not the whole control; the
        // same end again repaints nothing.
        ui.setSliderPosition(red, 41);
        ValidateRect(s, nullptr);
        ui.setSliderSelection(red, 41);
        RECT client{};
        RECT thumb{};
        RECT strip{};
        GetClientRect(s, &client);
        SendMessageW(s, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
        ASSERT_TRUE(GetUpdateRect(s, &strip, FALSE));
        EXPECT_LE(strip.left, thumb.left);
        EXPECT_GE(strip.right, thumb.right);
        EXPECT_LT(strip.right - strip.left, client.right / 4);
        EXPECT_EQ(strip.bottom - strip.top, client.bottom);
        ValidateRect(s, nullptr);
        ui.setSliderSelection(red, 41);
        EXPECT_FALSE(GetUpdateRect(s, nullptr, FALSE));
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

// The overlay is hidden, and restored to its normal state, while the console is in use; the
// console keeps the keyboard and its shortcuts.
TEST_F(Win32UiTest, HideAndShowNormalLeaveTheFocusAlone)
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

        ui.hide(WindowId::startup);
        EXPECT_FALSE(IsWindowVisible(startupWindow));
        EXPECT_EQ(GetActiveWindow(), hwnd(WindowId::console));
        ui.showNormal(WindowId::startup);
        EXPECT_TRUE(IsWindowVisible(startupWindow));
        EXPECT_EQ(GetActiveWindow(), hwnd(WindowId::console));
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
