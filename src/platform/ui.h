#pragma once
// The two windows, their controls, menus and timers, as the behaviour sees them.
#include <string_view>

#include "platform/ids.h"
#include "platform/types.h"

namespace tintora {

enum class StartupPicture { soft, vivid };

enum class Border { none, fixedSingle };

class Windows {
public:
    virtual ~Windows() = default;
    virtual Geometry geometry(WindowId w) const = 0;
    virtual Size clientSize(WindowId w) const = 0;
    // Places and sizes the window in one move.
    virtual void move(WindowId w, Geometry g) = 0;
    virtual void setBorder(WindowId w, Border b) = 0;
    // Free drag: the left mouse button drags the window by any point of its client area.
    virtual void setFreeDrag(WindowId w, bool on) = 0;
    virtual bool isBeingDragged(WindowId w) const = 0;
    virtual void setTitle(WindowId w, std::string_view title) = 0;
    // Shows the window in its normal state (neither hidden, minimised nor maximised), without
    // taking the keyboard.
    virtual void showNormal(WindowId w) = 0;
    // Makes the window the foreground window, with the keyboard.
    virtual void activate(WindowId w) = 0;
    virtual void hide(WindowId w) = 0;
    virtual WindowHandle handle(WindowId w) const = 0;
    // The DPI of the monitor the window is on (designDpi at 100 %); the window, its controls and
    // fonts are made at their design values scaled to it.
    virtual int dpi(WindowId w) const = 0;
    // Opens the window modally, without an owner; returns when it has been closed. It is shown and
    // activated after its creation, unless its creation showed it already.
    virtual void openModal(WindowId w) = 0;
};

class Controls {
public:
    virtual ~Controls() = default;
    virtual Geometry geometry(ControlRef c) const = 0;
    virtual void setGeometry(ControlRef c, Geometry g) = 0;
    virtual void setVisible(ControlRef c, bool visible) = 0;
    virtual void setCaption(ControlRef c, std::string_view text) = 0;
    virtual int sliderPosition(ControlRef c) const = 0;
    // Setting a position from the program raises no change event.
    virtual void setSliderPosition(ControlRef c, int position) = 0;
    virtual void setSliderSelection(ControlRef c, int length) = 0;
    // Shows one of the two start-up pictures, in the current language's version, stretched over the
    // picture box.
    virtual void setPicture(ControlRef c, StartupPicture picture) = 0;
    // Gives the window's controls the current language's font, and each label and button the width
    // its caption needs in it, never less than its design width. A window's creation does it too.
    virtual void useLanguage(WindowId w) = 0;
};

class Menus {
public:
    virtual ~Menus() = default;
    virtual void setChecked(MenuRef m, bool checked) = 0;
    virtual bool isChecked(MenuRef m) const = 0;
    // A hidden item keeps its place; it has no entry and no working shortcut.
    virtual void setVisible(MenuRef m, bool visible) = 0;
    virtual void setCaption(MenuRef m, std::string_view caption) = 0;
    // A greyed item shows but cannot be chosen, by the mouse or by its shortcut.
    virtual void setEnabled(MenuRef m, bool enabled) = 0;
};

class Timers {
public:
    virtual ~Timers() = default;
    // An interval of 0 stops the timer.
    virtual void setInterval(TimerRef t, int milliseconds) = 0;
};

// What the shell answered to a request about a tray icon: done; refused (its notification area is
// not there, or it holds no such icon); or no answer in time (it is busy, as at log-on), in which
// case it may have done it all the same.
enum class ShellAnswer { done, refused, timedOut };

// Notification area icon, the balloon tip and the pop-up menu.
class Tray {
public:
    virtual ~Tray() = default;
    // Adds the window's icon with the tip.
    virtual ShellAnswer addIcon(WindowId w, std::string_view tip) = 0;
    // Replaces icon and tip of the window's icon the shell holds.
    virtual ShellAnswer modifyIcon(WindowId w, std::string_view tip) = 0;
    // Takes the window's icon out of the notification area, whether or not the shell holds it, and
    // the balloon that points at it.
    virtual void removeIcon(WindowId w) = 0;
    virtual void showBalloon(std::string_view text, Point at) = 0;
    // Shows a menu bar item's items as a pop-up menu at the icon the user opened it on (the pointer,
    // or the icon itself from the keyboard), owned by the window whose icon it is; a chosen item runs
    // its command.
    virtual void popupMenu(MenuRef m, WindowId owner) = 0;
};

}  // namespace tintora
