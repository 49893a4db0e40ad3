#include <gtest/gtest.h>

#include "win32/ui_fixture.h"

namespace tintora::win32 {
namespace {

TEST_F(Win32UiTest, MenuTreesShowCaptionsShortcutsSeparatorsAndGreyedItems)
{
    auto check = [&](WindowId w) {
        std::vector<MenuEntry> bar = menuEntries(GetMenu(hwnd(w)));
        std::size_t top = 0;
        std::vector<MenuEntry> items;
        std::size_t child = 0;
        for (const MenuDesign& d : menuDesign(w)) {
            SCOPED_TRACE(std::string_view(d.caption));
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
            if (!d.shortcut || d.greyed) continue;
            SCOPED_TRACE(std::string_view(d.caption));
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

TEST_F(Win32UiTest, GreyedItemsHaveNoWorkingShortcutUntilEnabled)
{
    withConsole([&] {
        HWND w = hwnd(WindowId::console);
        HMENU options = GetSubMenu(GetMenu(w), 2);
        const UINT id = menuCommandId(console::记住此窗口的颜色);
        holdModifiers(false, true);
        MSG remember = keyDownMessage(w, vk::f(6));
        EXPECT_FALSE(ui.translateAccelerator(WindowId::console, remember));
        ui.setEnabled(console::记住此窗口的颜色, true);
        EXPECT_EQ(GetMenuState(options, id, MF_BYCOMMAND) & MF_GRAYED, 0u);
        EXPECT_TRUE(ui.translateAccelerator(WindowId::console, remember));
        EXPECT_EQ(sink.commands, std::vector<MenuRef>{console::记住此窗口的颜色});
        ui.setEnabled(console::记住此窗口的颜色, false);
        EXPECT_NE(GetMenuState(options, id, MF_BYCOMMAND) & MF_GRAYED, 0u);
        EXPECT_FALSE(ui.translateAccelerator(WindowId::console, remember));
    });
}

}  // namespace
}  // namespace tintora::win32
