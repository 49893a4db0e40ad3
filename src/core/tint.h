#pragma once
// A tint as a value: the window it covers, its colour and opacity, and how following last saw the
// window. The overlay's tint and the remembered tints are made of it.
#include <optional>
#include <string>
#include <vector>

#include "platform/types.h"
#include "schedule/schedule.h"

namespace tintora {

struct Tint {
    // The window or control it covers; 0 while it lies where the user dragged it.
    WindowHandle target = 0;
    // The target's top-level window.
    WindowHandle topLevel = 0;
    // A remembered tint's own; the overlay's are the console's sliders.
    Colour colour = 0;
    int alpha = 0;
    // The part of its A the schedule lets it show now; the whole of it without a schedule.
    ScheduleShare shown;
    int shownAlpha() const { return shown.of(alpha); }
    // Whether the tint follows its target: moves and sizes with it, hides while it is hidden.
    bool following = false;
    // The target's window rectangle at the last look, the rectangle the tint was last put on,
    // whether the tint is hidden because the target is, and the looks counted between show-state
    // queries.
    std::optional<ScreenRect> followedRect;
    ScreenRect covered{};
    bool hiddenWithTarget = false;
    unsigned followTicks = 0;
    // The target a watch was last asked for (0: none), and the id of that watch; none where the
    // system refused it, and then the clock's tick follows alone until the target changes.
    WindowHandle watched = 0;
    std::optional<unsigned> watch{};
};

// One level of the way from a top-level window down to a control: the control's class and its
// rank among the children of the same class.
struct WindowStep {
    std::string className;
    int rank = 0;
};

// What finds a window again in a later run, whatever its handle.
struct WindowIdentity {
    std::string program;  // executable file name, compared without case
    std::string topClass;
    std::vector<WindowStep> path;  // empty for the top-level window itself
};

// A window whose colour the user asked to remember, kept in one numbered section.
struct RememberedEntry {
    int slot = 0;
    WindowIdentity identity;
    Colour colour = 0;
    int alpha = 0;
};

// A monitor whose colour the user asked to remember, kept in one numbered section: the system's
// name for its display device, and where its top-left corner was, which tells apart monitors that
// the system gives one name.
struct RememberedMonitor {
    int slot = 0;
    std::string device;
    Point place;
    Colour colour = 0;
    int alpha = 0;
};

// A remembered entry's tint over one window, in a tint window of its own.
struct RememberedTint {
    Tint tint;
    WindowHandle window = 0;
    int slot = 0;
};

}  // namespace tintora
