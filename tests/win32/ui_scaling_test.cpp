#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "design/design.h"

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

// The lowest row of the control with anything painted on its background.
int paintedBottom(HDC dc, const RECT& client)
{
    const COLORREF background = GetPixel(dc, 0, 0);
    for (int y = client.bottom - 1; y >= 0; --y)
        for (int x = 0; x < client.right; ++x)
            if (GetPixel(dc, x, y) != background) return y + 1;
    return 0;
}

// The console's labels and buttons whose caption, measured on the control's DC in its font on one
// line, is wider or taller than the room inside the control; and the labels (text at the top)
// painted below that line: wrapped, or left so.
std::vector<std::string> captionsCut(const std::function<HWND(ControlRef)>& hwndOf, HWND console, int dpi)
{
    for (MSG m; PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&m);
    RedrawWindow(console, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    std::vector<std::string> cut;
    for (const ControlDesign& d : controlDesigns()) {
        if (d.id.window != WindowId::console || (d.kind != ControlKind::label && d.kind != ControlKind::button))
            continue;
        HWND control = hwndOf(d.id);
        const std::wstring text = windowText(control);
        const WindowDc dc(control);
        const SelectedObject font(dc.get(), reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
        RECT client{}, line{};
        GetClientRect(control, &client);
        DrawTextW(dc.get(), text.c_str(), -1, &line, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        // A push button draws its caption inside its edges and focus rectangle.
        const int edges =
            d.kind == ControlKind::button ? 2 * (MulDiv(GetSystemMetrics(SM_CXEDGE), dpi, designDpi) + 1) : 0;
        const bool wrapped = d.kind == ControlKind::label && paintedBottom(dc.get(), client) > line.bottom;
        if (line.right + edges > client.right || line.bottom > client.bottom || wrapped)
            cut.push_back(std::string(d.designName) + " at " + std::to_string(dpi) + ": " + std::to_string(line.right) +
                          " in " + std::to_string(client.right - edges));
    }
    return cut;
}

TEST_F(Win32UiTest, EveryCaptionOfTheConsoleFitsItsControlInBothLanguagesAt100And150Percent)
{
    const auto hwndOf = [this](ControlRef c) { return hwnd(c); };
    const auto speak = [&](Language l) {
        setLanguage(l);
        for (const ControlDesign& d : controlDesigns())
            if (d.id.window == WindowId::console && d.caption.in(Language::zh) != d.caption.in(Language::en))
                ui.setCaption(d.id, d.caption);
        ui.useLanguage(WindowId::console);
    };
    withConsole([&] {
        HWND console = hwnd(WindowId::console);
        EXPECT_EQ(captionsCut(hwndOf, console, designDpi), std::vector<std::string>{}) << "Chinese";
        speak(Language::en);
        EXPECT_EQ(captionsCut(hwndOf, console, designDpi), std::vector<std::string>{}) << "English";
        // Captions fitted at one DPI are fitted again at the other, in either language.
        moveToDpi(console, 144, {100, 50, 850, 680});
        EXPECT_EQ(captionsCut(hwndOf, console, 144), std::vector<std::string>{}) << "English";
        speak(Language::zh);
        EXPECT_EQ(captionsCut(hwndOf, console, 144), std::vector<std::string>{}) << "Chinese";
    });
    setLanguage(Language::zh);
}

}  // namespace
}  // namespace tintora::win32
