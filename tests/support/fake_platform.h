#pragma once
// A recording fake of every platform interface, for fast native tests of the behaviour.
#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "design/design.h"
#include "platform/names.h"
#include "platform/platform.h"

namespace tintora::fake {

// Thrown by Process::exit so that a test can see the exit code.
// The system's words for the failures the fakes raise.
inline const std::string deniedReason = "拒绝访问。";
inline const std::string pathNotFoundReason = "系统找不到指定的路径。";

struct ProcessExited {
    int code;
};

struct WindowState {
    Geometry geometry;
    Size frame{6, 29};                      // outer minus client size while the window has a border
    Language fontsLanguage = Language::zh;  // the language its controls' fonts were last made for
    Border border = Border::fixedSingle;
    bool freeDrag = false;
    bool dragging = false;
    std::string title;
    bool visible = true;
    int showNormalCalls = 0;
    int modalOpens = 0;
    int dpi = designDpi;
};

class FakeUi : public Windows, public Controls, public Menus, public Timers, public Tray {
public:
    FakeUi();

    // Windows
    Geometry geometry(WindowId w) const override { return window(w).geometry; }
    Size clientSize(WindowId w) const override;
    void move(WindowId w, Geometry g) override;
    void setBorder(WindowId w, Border b) override { window(w).border = b; }
    void setFreeDrag(WindowId w, bool on) override { window(w).freeDrag = on; }
    bool isBeingDragged(WindowId w) const override { return window(w).dragging; }
    void setTitle(WindowId w, std::string_view t) override { window(w).title = t; }
    void showNormal(WindowId w) override;
    void hide(WindowId w) override;
    void activate(WindowId w) override;
    WindowHandle handle(WindowId w) const override { return w == WindowId::startup ? startupHandle : consoleHandle; }
    int dpi(WindowId w) const override { return window(w).dpi; }
    void openModal(WindowId w) override;

    // Controls
    Geometry geometry(ControlRef c) const override { return control(c).geometry; }
    void setGeometry(ControlRef c, Geometry g) override { control(c).geometry = g; }
    void setVisible(ControlRef c, bool v) override { control(c).visible = v; }
    void setCaption(ControlRef c, std::string_view t) override { control(c).caption = t; }
    int sliderPosition(ControlRef c) const override { return control(c).position; }
    void setSliderPosition(ControlRef c, int p) override;
    void setSliderSelection(ControlRef c, int length) override { control(c).selection = length; }
    void setPicture(ControlRef c, StartupPicture p) override
    {
        control(c).picture = p;
        control(c).pictureLanguage = language();
    }
    void useLanguage(WindowId w) override { window(w).fontsLanguage = language(); }

    // Menus
    void setChecked(MenuRef m, bool c) override { menu(m).checked = c; }
    bool isChecked(MenuRef m) const override { return menu(m).checked; }
    void setVisible(MenuRef m, bool v) override { menu(m).visible = v; }
    void setCaption(MenuRef m, std::string_view c) override { menu(m).caption = c; }
    void setEnabled(MenuRef m, bool e) override { menu(m).enabled = e; }

    // Timers
    void setInterval(TimerRef t, int ms) override { intervals[key(t)] = ms; }

    // Tray
    ShellAnswer addIcon(WindowId w, std::string_view tip) override;
    ShellAnswer modifyIcon(WindowId w, std::string_view tip) override;
    void removeIcon(WindowId w) override { trayTips.erase(w); }
    void showBalloon(std::string_view text, Point at) override { balloons.push_back({std::string(text), at}); }
    void popupMenu(MenuRef m, WindowId owner) override
    {
        popups.push_back(m);
        popupOwners.push_back(owner);
    }

    struct ControlState {
        Geometry geometry;
        bool visible = true;
        std::string caption;
        int position = 0;
        int selection = 0;
        std::optional<StartupPicture> picture;
        Language pictureLanguage = Language::zh;
    };
    struct MenuState {
        bool checked = false;
        bool visible = true;
        std::string caption;
        bool enabled = true;
    };
    struct Balloon {
        std::string text;
        Point at;
    };

    WindowState& window(WindowId w) { return windows_[w]; }
    const WindowState& window(WindowId w) const { return windows_.at(w); }
    ControlState& control(ControlRef c) { return controls_[key(c)]; }
    const ControlState& control(ControlRef c) const { return controls_.at(key(c)); }
    MenuState& menu(MenuRef m) { return menus_[key(m)]; }
    const MenuState& menu(MenuRef m) const { return menus_.at(key(m)); }
    int interval(TimerRef t) const;

    // Runs inside openModal(console), as the console's creation would.
    std::function<void()> onModalOpen;
    std::vector<std::string>* log = nullptr;

    WindowHandle startupHandle = 0x1001;
    WindowHandle consoleHandle = 0x1002;
    // The icons the shell holds.
    std::map<WindowId, std::string> trayTips;
    int trayIconAdds = 0;
    // False while the shell has no notification area: icons cannot be added.
    bool trayAvailable = true;
    // Requests ("add", "modify") a busy shell answers too late; it carries them out all the same.
    std::set<std::string> trayTimingOut;
    // "add" and "modify", in the order asked.
    std::vector<std::string> trayRequests;
    std::vector<Balloon> balloons;
    std::vector<MenuRef> popups;
    std::vector<WindowId> popupOwners;
    std::map<std::pair<WindowId, int>, int> intervals;

private:
    template <typename R>
    static std::pair<WindowId, int> key(R r)
    {
        return {r.window, r.index};
    }

    std::map<WindowId, WindowState> windows_;
    std::map<std::pair<WindowId, int>, ControlState> controls_;
    std::map<std::pair<WindowId, int>, MenuState> menus_;
};

struct FakeCanvas : Canvas {
    void clear() override;
    void fill(Colour c) override;
    void setPicture(const Bytes& png) override;

    // What every pixel shows: a fill colour, or the background (key colour or picture).
    std::optional<Colour> filledWith;
    Bytes picture;
    int clears = 0;
    int fills = 0;
    std::vector<std::string>* log = nullptr;
};

struct FakeDesktop : Desktop {
    Point cursorPosition() const override { return cursor; }
    WindowHandle windowAtPoint(Point p) const override;
    std::optional<ScreenRect> windowRect(WindowHandle w) const override;
    std::optional<ScreenRect> visibleFrame(WindowHandle w) const override;
    WindowHandle topLevelWindow(WindowHandle w) const override;
    bool isShown(WindowHandle w) const override;
    bool isCloaked(WindowHandle w) const override { return cloaked.count(w) > 0; }
    std::optional<unsigned> watchWindow(WindowHandle w, std::function<void()> changed) override;
    void stopWatching(unsigned id) override { watches.erase(id); }
    bool watchForeground(std::function<void(WindowHandle)> changed) override;
    // Calls what watches the window, as the system does when it changes.
    void tellChanged(WindowHandle w);
    std::uint32_t extendedStyle(WindowHandle w) const override;
    void setExtendedStyle(WindowHandle w, std::uint32_t s) override { exStyles[w] = s; }
    void setLayeredAttributes(WindowHandle w, Colour key, int alpha) override;
    WindowHandle foregroundWindow() const override { return foreground; }
    bool activate(WindowHandle w) override;
    void setTopmost(WindowHandle w, bool on) override;
    std::vector<WindowHandle> windowsAbove(WindowHandle w) const override;
    // Puts a window at the front of the stack, as a program raising its own does.
    void raise(WindowHandle w);
    Size screenSize() const override { return screen; }
    std::vector<ScreenRect> monitors() const override;
    // The monitors numbered in that order, as Wine names them.
    std::vector<MonitorDevice> monitorDevices() const override;
    std::uint32_t tickCount() const override { return ticks; }
    LocalTime localTime() const override { return now; }
    void takeWindowSystemEvents() override {}
    void processPendingEvents() override;
    CallbackTimer startCallbackTimer(int ms, std::function<void()> tick) override;
    void killCallbackTimer(unsigned id) override { callbackTimers.erase(id); }
    // One tick of every callback timer running now, as the system would give them.
    void tickClocks();
    // Lets the time pass: each callback timer ticks when it is due, each report comes when it is due.
    void advance(int ms);
    // Where the system reports (Windows, not Wine): what it tells, out of context, after a delay.
    void report(int delayMs, std::function<void()> told);

    struct Layered {
        Colour key;
        int alpha;
    };
    struct TopmostCall {
        WindowHandle window;
        bool topmost;
    };
    struct CallbackTimer {
        int ms;
        std::function<void()> tick;
        std::uint32_t due = 0;
    };

    Point cursor;
    // Windows by their rectangles, top-most first; windowAtPoint returns the first that holds the point.
    std::vector<std::pair<WindowHandle, ScreenRect>> windowsAtPoints;
    // Rectangles of other windows; the program's own windows have the rectangles of their geometry.
    std::map<WindowHandle, ScreenRect> rects;
    // Visible frames that differ from the window rectangle.
    std::map<WindowHandle, ScreenRect> visibleFrames;
    const FakeUi* ui = nullptr;
    mutable int rectQueries = 0;
    mutable int shownQueries = 0;
    // Controls by the top-level windows they lie in; other windows are their own.
    std::map<WindowHandle, WindowHandle> topLevels;
    // Hidden or minimised windows, and cloaked ones.
    std::set<WindowHandle> notShown;
    std::set<WindowHandle> cloaked;
    struct Watch {
        WindowHandle window;
        std::function<void()> changed;
    };
    std::map<unsigned, Watch> watches;
    // Windows the system refuses to watch (they have died), and how often a watch was asked for.
    std::set<WindowHandle> unwatchable;
    int watchRequests = 0;
    // What watches the foreground window; a test calls it as the system would.
    std::function<void(WindowHandle)> foregroundWatcher;
    std::map<WindowHandle, std::uint32_t> exStyles;
    std::map<WindowHandle, Layered> layered;
    std::vector<TopmostCall> topmostCalls;
    // The top-level windows lifted or raised so far, front to back.
    std::vector<WindowHandle> stack;
    // Whether the system reports other programs' windows (Windows), and what it will tell, when.
    bool reports = false;
    std::multimap<std::uint32_t, std::function<void()>> reportsDue;
    WindowHandle foreground = 0;
    Size screen{1920, 1080};
    // Monitors besides the primary, which has the screen's size at 0, 0.
    std::vector<ScreenRect> otherMonitors;
    std::uint32_t ticks = 12345;
    // The local clock: 2025-03-01 12:00 at UTC+1.
    LocalTime now{1740830400000, 60};
    int pendingEventRuns = 0;
    std::function<void()> onProcessPendingEvents;
    std::map<unsigned, CallbackTimer> callbackTimers;
    std::vector<unsigned> killedTimers;
    unsigned nextTimerId = 100;
    // The system has no timer to give (out of memory or the quota of timers).
    bool timersRefused = false;
    std::vector<std::string>* log = nullptr;
};

// Other programs' windows as a tree, front to back in the order they were added.
struct FakeWindowTree : WindowTree {
    std::vector<WindowHandle> topLevelWindows() const override { return children(0); }
    std::vector<WindowHandle> children(WindowHandle w) const override;
    WindowHandle parent(WindowHandle w) const override { return node(w).parent; }
    std::string className(WindowHandle w) const override { return node(w).className; }
    // The program of the window or, when it has none of its own, of the nearest window above it.
    std::string programName(WindowHandle w) const override;
    void watchShownWindows(std::function<void(WindowHandle)> shown) override { watcher = std::move(shown); }

    // A window under its parent (0 for a top-level window) behind the ones added before.
    void add(WindowHandle w, WindowHandle parent, std::string className, std::string program = {})
    {
        nodes.push_back({w, parent, std::move(className), std::move(program)});
    }
    void remove(WindowHandle w);

    struct Node {
        WindowHandle window = 0;
        WindowHandle parent = 0;
        std::string className;
        std::string program;
    };
    const Node& node(WindowHandle w) const;
    std::vector<Node> nodes;
    std::function<void(WindowHandle)> watcher;
};

struct FakeTints : TintWindows {
    WindowHandle open(Colour colour, int alpha) override;
    void place(WindowHandle tint, ScreenRect r) override
    {
        windows.at(tint) = {r, windows.at(tint).colour, windows.at(tint).alpha, true};
    }
    void hide(WindowHandle tint) override { windows.at(tint).shown = false; }
    void close(WindowHandle tint) override { windows.erase(tint); }

    struct Window {
        ScreenRect rect;
        Colour colour;
        int alpha;
        bool shown = false;
    };
    std::map<WindowHandle, Window> windows;
    WindowHandle nextHandle = 0x5001;
};

// Files and folders in memory; the profile API writes only into existing folders, as the real one.
struct FakeFiles : Profile, FileSystem {
    std::string read(const std::string& path, std::string_view section, std::string_view key) const override;
    Outcome write(const std::string& path, std::string_view section, std::string_view key,
                  std::string_view value) override;
    Outcome writeSection(const std::string& path, std::string_view section, const ProfileItems& items) override;
    Outcome removeSection(const std::string& path, std::string_view section) override;

    bool exists(const std::string& path) const override;
    void createFolder(const std::string& path) override;
    Bytes readFile(const std::string& path) const override;
    Outcome writeFile(const std::string& path, const Bytes& content) override;
    void removeFile(const std::string& path) override { files.erase(path); }
    std::vector<std::string> listFiles(const std::string& pattern) const override;
    // Knows ASCII and the GBK characters the tests use: 图, 片, 表.
    std::string gbkAsUtf8(std::string_view gbk) const override;

    // The text content of a file, for assertions.
    std::string text(const std::string& path) const;
    void putFile(const std::string& path, std::string content);

    std::set<std::string> folders;
    std::map<std::string, std::string> files;
    // Items in write order: "path|section|key=value".
    std::vector<std::string> writes;
    // Files that cannot be written, and folders in which nothing can be created.
    std::set<std::string> readOnly;
    std::vector<std::string>* log = nullptr;

private:
    bool parentExists(const std::string& path) const;
    Outcome writable(const std::string& path) const;
};

struct FakeProcess : Process {
    std::string runDirectory() const override { return runDir; }
    std::string userDataDirectory() const override { return userDataDir; }
    void setCurrentDirectory(const std::string& p) override { current = p; }
    std::string currentDirectory() const override { return current; }
    void exit(int code) override { throw ProcessExited{code}; }

    std::string runDir = "C:\\Tools\\Tintora";
    std::string userDataDir = "C:\\Users\\Lin\\AppData\\Local";
    std::string current = "C:\\Windows";
};

struct FakeShell : Shell {
    Outcome open(std::string_view target) override
    {
        opened.emplace_back(target);
        return openFails ? Outcome::failed(deniedReason) : Outcome();
    }
    void messageBox(std::string_view text, std::string_view caption) override
    {
        boxes.push_back({std::string(text), std::string(caption)});
    }
    struct Box {
        std::string text;
        std::string caption;
    };
    std::vector<std::string> opened;
    std::vector<Box> boxes;
    bool openFails = false;
};

struct FakeCapture : ScreenCapture, ImageEncoder {
    void flushScreen() override;
    ImageView grab(ScreenRect r) override;
    void endShot() override;
    Bytes encode(ImageView image, ImageFormat format) override;

    bool fails = false;
    bool encodingFails = false;
    std::vector<ScreenRect> grabs;
    Image picture;
    std::vector<ImageFormat> encodes;
    // Called at each grab, e.g. to see where the console is at that moment.
    std::function<void()> onGrab;
    std::vector<std::string>* log = nullptr;
};

// System-wide hotkeys: a combination held by another program is refused.
struct FakeHotkeys : Hotkeys {
    bool registerHotkey(HotkeyAction action, KeyCombination keys) override
    {
        return std::ranges::count(heldElsewhere, keys) == 0 && registered.emplace(action, keys).second;
    }
    void unregisterHotkey(HotkeyAction action) override { registered.erase(action); }

    std::vector<KeyCombination> heldElsewhere;
    std::map<HotkeyAction, KeyCombination> registered;
};

// The start at log-on: the Run value and the StartupApproved value the registry holds.
struct FakeAutostart : Autostart {
    std::optional<std::string> runCommand() const override { return run; }
    std::optional<std::uint8_t> approval() const override { return approved; }
    std::string programPath() const override { return program; }
    bool samePath(std::string_view a, std::string_view b) const override { return sameName(a, b); }
    Outcome writeRunCommand(std::string_view c) override
    {
        return change([&] { run = c; });
    }
    Outcome removeRunCommand() override
    {
        return change([&] { run.reset(); });
    }
    Outcome removeApproval() override
    {
        return change([&] { approved.reset(); });
    }
    Outcome change(const std::function<void()>& write)
    {
        if (!refusal) write();
        return refusal ? Outcome::failed(*refusal) : Outcome{};
    }

    std::optional<std::string> run;
    std::optional<std::uint8_t> approved;
    std::string program = "C:\\Tools\\Tintora\\tintora.exe";
    // The system's reason while the key cannot be written.
    std::optional<std::string> refusal;
};

// All fakes together, with a Platform that refers to them.
struct FakePlatform {
    FakePlatform();
    // What other programs and the user do to their windows, reported as Windows reports it where the
    // desktop reports: a move, unless another process makes it (its report is not documented).
    void move(WindowHandle w, ScreenRect r, bool byOtherProcess = false);
    void minimise(WindowHandle w);
    // A restore reports the end of the minimise, not a show.
    void restore(WindowHandle w);
    // A window or control shown; the shown-window report names the control itself.
    void show(WindowHandle w);
    // The user clicks the window: it comes to the front and raises itself again after the report.
    void bringToFront(WindowHandle w);
    FakeUi ui;
    FakeCanvas canvas;
    FakeDesktop desktop;
    FakeWindowTree tree;
    FakeTints tints;
    FakeFiles files;
    FakeProcess process;
    FakeShell shell;
    FakeCapture capture;
    FakeHotkeys hotkeys;
    FakeAutostart autostart;
    std::vector<std::string> log;
    Platform platform;
};

}  // namespace tintora::fake
