#pragma once
// The two windows of the design table, their controls, menus and timers, over user32, gdi32 and
// comctl32, and the message loops. Events go to the connected EventSink.
#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/events.h"
#include "platform/ui.h"
#include "win32/handles.h"
#include "win32/hotkeys.h"
#include "win32/menus.h"
#include "win32/own_windows.h"
#include "win32/picture_box.h"
#include "win32/tray.h"
#include "win32/window_class.h"

namespace tintora::win32 {

class Win32Ui final : public Windows, public Controls, public Menus, public Timers, public OwnWindows {
public:
    // Makes the drawing panel 画板3 as a child of the start-up window and returns it.
    using CanvasFactory = std::function<HWND(HWND parent)>;

    explicit Win32Ui(CanvasFactory makeCanvas);
    ~Win32Ui() override;
    Win32Ui(const Win32Ui&) = delete;
    Win32Ui& operator=(const Win32Ui&) = delete;

    // Events go to the sink from now on; connect before creating a window.
    void connect(EventSink& sink) { sink_ = &sink; }
    // Creates the start-up window with its controls and menus, raises windowCreated, then shows it
    // unless it starts hidden (in the tray).
    void createStartupWindow(bool shown = true);
    // Runs the message loop until WM_QUIT and returns its exit code.
    int run();
    // Translates a key message with the shortcuts of the window's menu; true when it became a command.
    bool translateAccelerator(WindowId w, MSG& msg) const;
    // Tab and Shift+Tab move between the console's sliders and button, Space presses the button;
    // true when the message was used so.
    bool translateDialogKey(MSG& msg) const;
    // The icon in the notification area, the balloon and the pop-up menu of these windows.
    Win32Tray& tray() { return tray_; }
    // The global hotkeys, registered on the start-up window.
    Win32Hotkeys& hotkeys() { return hotkeys_; }
    HWND hwndOf(WindowId w) const override { return window(w).hwnd.get(); }
    HMENU popupItems(MenuRef m) const override { return window(m.window).menus.itemsOf(m.index); }

    // Windows
    Geometry geometry(WindowId w) const override;
    Size clientSize(WindowId w) const override;
    void move(WindowId w, Geometry g) override;
    void setBorder(WindowId w, Border b) override;
    void setFreeDrag(WindowId w, bool on) override;
    bool isBeingDragged(WindowId w) const override;
    void setTitle(WindowId w, std::string_view title) override;
    void showNormal(WindowId w) override;
    void activate(WindowId w) override;
    void hide(WindowId w) override;
    WindowHandle handle(WindowId w) const override;
    int dpi(WindowId w) const override { return window(w).dpi; }
    void openModal(WindowId w) override;

    // Controls
    Geometry geometry(ControlRef c) const override;
    void setGeometry(ControlRef c, Geometry g) override;
    void setVisible(ControlRef c, bool visible) override;
    void setCaption(ControlRef c, std::string_view text) override;
    int sliderPosition(ControlRef c) const override;
    void setSliderPosition(ControlRef c, int position) override;
    void setSliderSelection(ControlRef c, int length) override;
    void setPicture(ControlRef c, StartupPicture picture) override;
    void useLanguage(WindowId w) override;

    // Menus
    void setChecked(MenuRef m, bool checked) override;
    bool isChecked(MenuRef m) const override;
    void setVisible(MenuRef m, bool visible) override;
    void setCaption(MenuRef m, std::string_view caption) override;
    void setEnabled(MenuRef m, bool enabled) override;

    // Timers
    void setInterval(TimerRef t, int milliseconds) override;

    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    struct TopWindow {
        TopWindow(Win32Ui* owner, WindowId w) : ui(owner), id(w), menus(w) {}
        Win32Ui* ui;
        WindowId id;
        MenuTree menus;
        DWORD creationStyle = 0;
        bool freeDrag = false;
        bool dragging = false;
        int dpi = designDpi;
        // The icons in the caption and the task switcher, at the window's DPI.
        OwnedIcon bigIcon;
        OwnedIcon smallIcon;
        OwnedWindow hwnd;
    };
    struct Control {
        explicit Control(const ControlDesign& d) : design(&d), geometry(d.geometry) {}
        const ControlDesign* design;
        Geometry geometry;    // the last one set, for controls without a window
        HWND hwnd = nullptr;  // destroyed with its window
        GdiObject<HFONT> font;
        std::unique_ptr<PictureBox> picture;
        int lastPosition = 0;  // sliders: the last position the program knows of
    };

    TopWindow& window(WindowId w) { return *windows_[static_cast<std::size_t>(w)]; }
    const TopWindow& window(WindowId w) const { return *windows_[static_cast<std::size_t>(w)]; }
    Control& control(ControlRef c);
    const Control& control(ControlRef c) const;
    Control* controlOf(HWND hwnd);
    std::optional<WindowId> activeWindow() const;
    // Dispatches messages while keepRunning() holds; returns the exit code of a WM_QUIT.
    std::optional<int> pump(const std::function<bool()>& keepRunning);
    void createWindow(WindowId w);
    void createControl(Control& c, HWND parent, int dpi);
    // Gives a label or button with a caption font the current language's font and widens it to hold
    // its caption.
    void fitCaption(Control& c, int dpi);
    // The window moved to a monitor with another DPI: it takes the suggested rectangle, and its
    // controls and fonts are scaled to the new DPI. Without its frame (the overlay, smart snap) it
    // keeps its physical size.
    void onDpiChanged(TopWindow& w, int dpi, const RECT& suggested);
    void refreshMenuBar(WindowId w) const;
    void setIcons(TopWindow& w);
    LRESULT onMessage(TopWindow& w, UINT message, WPARAM wParam, LPARAM lParam);
    void onScroll(HWND slider);
    void onCommand(WPARAM wParam, LPARAM lParam);
    EventSink& sink() const;

    WindowClass windowClass_;
    WindowClass pictureClass_;
    CanvasFactory makeCanvas_;
    EventSink* sink_ = nullptr;
    std::vector<Control> controls_;
    std::array<std::unique_ptr<TopWindow>, 2> windows_;
    Win32Tray tray_{*this};
    Win32Hotkeys hotkeys_{*this};
};

}  // namespace tintora::win32
