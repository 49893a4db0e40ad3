// The overlay operations of the behaviour on the real backend: a real layered start-up window and
// canvas over a window of known colour, read back from the screen.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <filesystem>

#include "app/tintora.h"
#include "overlay/overlay.h"
#include "overlay/window_identity.h"
#include "win32/autostart.h"
#include "win32/canvas.h"
#include "win32/capture.h"
#include "win32/desktop.h"
#include "win32/encoder.h"
#include "win32/shell.h"
#include "win32/storage.h"
#include "win32/text.h"
#include "win32/tint_windows.h"
#include "win32/ui_backend.h"
#include "win32/window_tree.h"

namespace tintora::win32 {
namespace {

// Runs the program in a folder of its own, so its settings files stay out of the build folder.
class TemporaryRunDirectory final : public Process {
public:
    TemporaryRunDirectory()
    {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        folder_ = std::filesystem::path(temp) / (L"tintora-overlay-" + std::to_wstring(GetCurrentProcessId()));
        std::filesystem::create_directories(folder_);
    }
    ~TemporaryRunDirectory() override
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    std::string runDirectory() const override { return narrow(folder_.wstring()); }
    // The run directory can be written, so the program keeps its files there.
    std::string userDataDirectory() const override { return runDirectory(); }
    void setCurrentDirectory(const std::string&) override {}
    std::string currentDirectory() const override { return runDirectory(); }
    void exit(int code) override { ADD_FAILURE() << "the program ended with " << code; }

private:
    std::filesystem::path folder_;
};

// A plain window of one colour beneath the overlay.
class ColouredWindow {
public:
    ColouredWindow(COLORREF colour, RECT r)
        : brush_(CreateSolidBrush(colour)),
          class_(L"TintoraTestBeneath", DefWindowProcW, nullptr, brush_.get()),
          window_(CreateWindowExW(WS_EX_TOOLWINDOW, class_.name(), L"beneath", WS_POPUP | WS_VISIBLE, r.left, r.top,
                                  r.right - r.left, r.bottom - r.top, nullptr, nullptr, GetModuleHandleW(nullptr),
                                  nullptr))
    {
        UpdateWindow(window_.get());
    }
    HWND hwnd() const { return window_.get(); }

private:
    GdiObject<HBRUSH> brush_;
    WindowClass class_;
    OwnedWindow window_;
};

class OverlayOnScreen : public testing::Test {
protected:
    OverlayOnScreen()
    {
        ui.connect(program);
        program.start();
        ui.createStartupWindow();
        ui.setBorder(WindowId::startup, Border::none);
        ui.move(WindowId::startup,
                {overlay.left, overlay.top, overlay.right - overlay.left, overlay.bottom - overlay.top});
    }

    // The screen colour at the overlay's centre, once it is the expected one or the deadline passed.
    std::uint32_t screenColourBecomes(std::uint32_t expected, int tolerance)
    {
        const Point centre{(overlay.left + overlay.right) / 2, (overlay.top + overlay.bottom) / 2};
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        std::uint32_t seen = 0;
        do {
            desktop.processPendingEvents();
            capture.flushScreen();
            const ImageView image = capture.grab({centre.x, centre.y, centre.x + 1, centre.y + 1});
            seen = image.empty() ? 0xFFFFFFFF : image.pixels[0] & 0x00FFFFFFu;
            const auto matches = [&](int shift) {
                return std::abs(int(seen >> shift & 0xFF) - int(expected >> shift & 0xFF)) <= tolerance;
            };
            if (matches(0) && matches(8) && matches(16)) break;
            Sleep(20);
        } while (std::chrono::steady_clock::now() < deadline);
        return seen;
    }

    Overlay& tintOverlay() { return program.app().overlay; }

    const RECT overlay{300, 200, 620, 440};
    ColouredWindow beneath{RGB(0, 255, 0), {280, 180, 640, 460}};
    Win32Canvas canvas;
    Win32Ui ui{[this](HWND parent) {
        canvas.attach(parent);
        return canvas.hwnd();
    }};
    Win32Desktop desktop;
    Win32WindowTree tree;
    Win32TintWindows tints;
    Win32Profile profile;
    Win32FileSystem files;
    TemporaryRunDirectory process;
    Win32Shell shell;
    Win32ScreenCapture capture;
    Win32ImageEncoder encoder;
    Win32Autostart autostart;
    Platform platform{ui,      ui,    ui,      ui,    ui.tray(), canvas,  desktop,      tree,     tints,
                      profile, files, process, shell, capture,   encoder, ui.hotkeys(), autostart};
    Tintora program{platform};
};

TEST_F(OverlayOnScreen, StartsLayeredWithTheKeyColourAndFullOpacity)
{
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    HWND window = reinterpret_cast<HWND>(ui.handle(WindowId::startup));
    ASSERT_TRUE(GetLayeredWindowAttributes(window, &key, &alpha, &flags));
    EXPECT_EQ(key, RGB(252, 2, 251));
    EXPECT_EQ(alpha, 255);
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_COLORKEY | LWA_ALPHA));
}

TEST_F(OverlayOnScreen, TintCoversTheWindowBeneathAndTheKeyColourShowsIt)
{
    ui.setVisible(startup::动画框1, false);
    tintOverlay().setOverlayOpacity(255);

    tintOverlay().paintTint(rgb(0, 0, 255));
    EXPECT_EQ(screenColourBecomes(0x0000FF, 2), 0x0000FFu);
    for (std::uint32_t p : canvas.pixels()) ASSERT_EQ(p, 0x0000FFu);

    // Wine applies a colour key to what the window shows only when the layered attributes are set
    // (Windows at once), so they are set again as the program does after each change of opacity,
    // once the key-coloured paint has reached the screen.
    tintOverlay().paintTint(keyColour);
    desktop.processPendingEvents();
    capture.flushScreen();
    tintOverlay().setOverlayOpacity(255);
    EXPECT_EQ(screenColourBecomes(0x00FF00, 2), 0x00FF00u) << "a key-coloured tint must be invisible";
}

TEST_F(OverlayOnScreen, OpacityBlendsTheTintOverTheWindowBeneath)
{
    ui.setVisible(startup::动画框1, false);
    tintOverlay().paintTint(rgb(0, 0, 255));
    tintOverlay().setOverlayOpacity(128);
    // Half blue over green, where the screen blends layered windows.
    const std::uint32_t seen = screenColourBecomes(0x007F80, 12);
    EXPECT_NEAR(int(seen >> 8 & 0xFF), 127, 12);
    EXPECT_NEAR(int(seen & 0xFF), 128, 12);

    tintOverlay().setOverlayOpacity(0);
    EXPECT_EQ(screenColourBecomes(0x00FF00, 2), 0x00FF00u);
}

}  // namespace
}  // namespace tintora::win32

namespace tintora::win32 {
namespace {

// A remembered tint's window over a window of another class found again by its identity, and the
// same window on the screen as the user sees it: covered, looked through by the mouse, hidden.
TEST_F(OverlayOnScreen, TintWindowCoversTheWindowFoundByItsIdentity)
{
    ui.hide(WindowId::startup);
    const auto found = reinterpret_cast<WindowHandle>(beneath.hwnd());
    OwnedWindow controls[2];  // hidden, of one class: told apart by their rank
    for (auto& c : controls) c.reset(CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 9, 9, beneath.hwnd(), 0, 0, 0));
    const auto second = reinterpret_cast<WindowHandle>(controls[1].get());
    const auto identity = identify(tree, second, found);
    ASSERT_TRUE(identity);
    EXPECT_TRUE(sameName(identity->program, "win32_tests.exe")) << identity->program;
    EXPECT_EQ(identity->topClass, "TintoraTestBeneath");
    EXPECT_EQ(findByPath(tree, found, identity->path), second);

    // A window of this program shown is not reported: it is never another program's to tint. The
    // watch on the window hears the same event, after the report would have come.
    std::vector<WindowHandle> shown;
    bool told = false;
    tree.watchShownWindows([&](WindowHandle w) { shown.push_back(w); });
    const auto watch = desktop.watchWindow(found, [&] { told = true; });
    ASSERT_TRUE(watch);
    NotifyWinEvent(EVENT_OBJECT_SHOW, beneath.hwnd(), OBJID_WINDOW, CHILDID_SELF);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!told && std::chrono::steady_clock::now() < deadline) {
        desktop.processPendingEvents();
        Sleep(10);
    }
    EXPECT_TRUE(told);
    EXPECT_TRUE(shown.empty());
    tree.watchShownWindows({});
    desktop.stopWatching(*watch);

    const WindowHandle tint = tints.open(rgb(0, 0, 255), 255);
    ASSERT_NE(tint, 0u);
    const auto window = reinterpret_cast<HWND>(tint);
    EXPECT_FALSE(IsWindowVisible(window));
    tints.place(tint, {overlay.left, overlay.top, overlay.right, overlay.bottom});
    EXPECT_EQ(screenColourBecomes(0x0000FF, 2), 0x0000FFu);
    const DWORD exStyle = GetWindowLongW(window, GWL_EXSTYLE);
    EXPECT_EQ(exStyle & (WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_NOACTIVATE),
              static_cast<DWORD>(WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_NOACTIVATE));
    EXPECT_EQ(WindowFromPoint({(overlay.left + overlay.right) / 2, (overlay.top + overlay.bottom) / 2}),
              beneath.hwnd());
    tints.hide(tint);
    EXPECT_EQ(screenColourBecomes(0x00FF00, 2), 0x00FF00u);
    tints.place(tint, {overlay.left, overlay.top, overlay.right, overlay.bottom});
    EXPECT_EQ(screenColourBecomes(0x0000FF, 2), 0x0000FFu);
    tints.close(tint);
    EXPECT_FALSE(IsWindow(window));
}

}  // namespace
}  // namespace tintora::win32
