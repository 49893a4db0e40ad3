#include <gtest/gtest.h>

#include <array>

#include "win32/ui_fixture.h"

namespace tintora::win32 {
namespace {

std::array<LONG, 4> windowRect(HWND w)
{
    RECT r{};
    GetWindowRect(w, &r);
    return {r.left, r.top, r.right, r.bottom};
}

LONG fontHeight(HWND control)
{
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfHeight;
}

// The width of the window's big or small icon.
LONG iconWidth(HWND w, WPARAM which)
{
    ICONINFO info{};
    if (!GetIconInfo(reinterpret_cast<HICON>(SendMessageW(w, WM_GETICON, which, 0)), &info)) return 0;
    const GdiObject<HBITMAP> colour(info.hbmColor), mask(info.hbmMask);
    BITMAP bitmap{};
    GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
    return bitmap.bmWidth;
}

// What the system sends when a window moves to a monitor with another DPI.
void moveToDpi(HWND w, int dpi, const RECT& suggested)
{
    SendMessageW(w, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

TEST_F(Win32UiTest, AMoveToAnotherDpiScalesTheConsoleButNeverTheOverlay)
{
    withConsole([&] {
        HWND console = hwnd(WindowId::console);
        HWND label = hwnd(console::标签1);
        const Geometry slider = ui.geometry(redSlider);
        EXPECT_EQ(ui.dpi(WindowId::console), designDpi);

        moveToDpi(console, 144, {100, 50, 850, 680});
        EXPECT_EQ(ui.dpi(WindowId::console), 144);
        EXPECT_EQ(windowRect(console), (std::array<LONG, 4>{100, 50, 850, 680}));
        EXPECT_EQ(ui.geometry(redSlider), (Geometry{93, 18, 540, 90}));
        EXPECT_EQ(fontHeight(label), -30);
        EXPECT_EQ(iconWidth(console, ICON_SMALL), 24);
        EXPECT_EQ(iconWidth(console, ICON_BIG), 48);
        // At 175 % the icon has no image of either size: both are made from a larger one.
        moveToDpi(console, 168, {100, 50, 975, 785});
        EXPECT_EQ(iconWidth(console, ICON_SMALL), 28);
        EXPECT_EQ(iconWidth(console, ICON_BIG), 56);

        moveToDpi(console, designDpi, {100, 50, 600, 470});
        EXPECT_EQ(windowRect(console), (std::array<LONG, 4>{100, 50, 600, 470}));
        EXPECT_EQ(ui.geometry(redSlider), slider);
        EXPECT_EQ(fontHeight(label), -20);
        EXPECT_EQ(iconWidth(console, ICON_SMALL), 16);
    });

    // Without its frame the start-up window is the overlay (or smart snap): physical pixels only.
    ui.setBorder(WindowId::startup, Border::none);
    ui.move(WindowId::startup, {10, 20, 300, 200});
    moveToDpi(hwnd(WindowId::startup), 144, {0, 0, 450, 300});
    EXPECT_EQ(ui.geometry(WindowId::startup), (Geometry{10, 20, 300, 200}));
    EXPECT_EQ(ui.dpi(WindowId::startup), 144);
}

}  // namespace
}  // namespace tintora::win32
