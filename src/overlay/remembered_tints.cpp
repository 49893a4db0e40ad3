#include "overlay/remembered_tints.h"

#include <algorithm>
#include <span>

#include "core/notice.h"
#include "design/texts.h"
#include "overlay/overlay.h"
#include "overlay/tint_following.h"
#include "overlay/tint_schedule.h"
#include "overlay/topmost_keeper.h"
#include "overlay/window_identity.h"

namespace tintora {
namespace {

constexpr std::uint32_t scanInterval = everySecond;

void keepRememberedClock(App& app);
void scanTopLevelWindows(App& app);

std::string rememberedFile(const App& app) { return app.path(paths::rememberedIni); }

// The window or control the overlay is locked onto; 0 before the lock, over a dragged rectangle,
// and once the target is closed.
WindowHandle lockedTarget(const Tint& overlay) { return overlay.topLevel != 0 ? overlay.target : 0; }
WindowHandle lockedTarget(const App& app) { return lockedTarget(overlayTint(app)); }

// The locked target's identity; the console tells the user when there is none any more.
std::optional<WindowIdentity> lockedIdentity(App& app)
{
    const Tint& overlay = overlayTint(app);
    auto identity = identify(app.platform.tree, lockedTarget(overlay), overlay.topLevel);
    if (!identity) showNotice(app, texts::targetNotIdentified);
    return identity;
}

void closeTint(App& app, RememberedTint& t)
{
    stopWatchingTarget(app.platform.desktop, t.tint);
    app.platform.tints.close(t.window);
}

// Tints hidden with their windows do not count against the ones shown.
std::size_t shownTints(const RememberedState& remembered)
{
    return std::ranges::count_if(remembered.rememberedTints,
                                 [](const RememberedTint& t) { return !t.tint.hiddenWithTarget; });
}

bool atTintCap(const RememberedState& remembered) { return shownTints(remembered) >= maxRememberedTints; }

// A tint that closed at the cap leaves room for a window skipped meanwhile, looked for at once.
void closeTintsOf(App& app, int slot)
{
    const bool full = atTintCap(app.state.remembered);
    const auto closed = std::erase_if(app.state.remembered.rememberedTints, [&](RememberedTint& t) {
        if (t.slot != slot) return false;
        closeTint(app, t);
        return true;
    });
    if (full && closed > 0) scanTopLevelWindows(app);
}

// Following moves, hides and closes a remembered tint's window.
class FollowedTintWindow final : public FollowedWindow {
public:
    FollowedTintWindow(App& app, RememberedTint& t) : app_(app), t_(t) {}
    void place(const ScreenRect& r, bool) override
    {
        if (!tintsHidden(app_)) app_.platform.tints.place(t_.window, r);
    }
    void hide() override { app_.platform.tints.hide(t_.window); }
    void release() override
    {
        closeTint(app_, t_);
        closed = true;
    }
    bool closed = false;

private:
    App& app_;
    RememberedTint& t_;
};

// One step of a tint's following; false once the tint is closed.
bool followRememberedTint(App& app, RememberedTint& t, bool told)
{
    // A window has one tint: the overlay's, while it is locked onto it.
    if (t.tint.target == lockedTarget(app)) {
        closeTint(app, t);
        return false;
    }
    FollowedTintWindow window(app, t);
    if (followTint(app.platform.desktop, t.tint, told, window))
        app.state.remembered.pace.changed(app.platform.desktop.tickCount());
    return !window.closed;
}

// Follows the tints (only the one over a window, when given), told or on the once-a-second check
// asking each window whole; as above, a tint that closed at the cap makes room at once.
void followRememberedTints(App& app, bool told, WindowHandle only = 0)
{
    RememberedState& remembered = app.state.remembered;
    const bool full = atTintCap(remembered);
    const auto closed = std::erase_if(remembered.rememberedTints, [&](RememberedTint& t) {
        return (only == 0 || t.tint.target == only) && !followRememberedTint(app, t, told);
    });
    if (full && closed > 0) scanTopLevelWindows(app);
}

// What the system tells of the target's changes is followed at once, as the overlay's following does.
void onRememberedTargetChanged(App& app, WindowHandle target) { followRememberedTints(app, true, target); }

bool isTinted(const RememberedState& remembered, WindowHandle target)
{
    return std::ranges::any_of(remembered.rememberedTints,
                               [&](const RememberedTint& t) { return t.tint.target == target; });
}

// Opens a tint over the entry's window below the top-level window, if it has one to show.
void tintIfMatching(App& app, const RememberedEntry& entry, WindowHandle topLevel)
{
    auto& p = app.platform;
    RememberedState& remembered = app.state.remembered;
    const WindowHandle target = findByPath(p.tree, topLevel, entry.identity.path);
    if (target == 0 || target == lockedTarget(app) || isTinted(remembered, target)) return;
    if (target != topLevel && !p.desktop.isShown(target)) return;
    const auto rect = p.desktop.windowRect(target);
    if (!rect) return;
    Tint tint{.target = target,
              .topLevel = topLevel,
              .colour = entry.colour,
              .alpha = entry.alpha,
              .shown = scheduledShare(app),
              .following = true,
              .followedRect = rect,
              .covered = coveredRect(p.desktop, target, target == topLevel).value_or(*rect)};
    const WindowHandle window = p.tints.open(tint.colour, tint.shownAlpha());
    if (window == 0) return;
    if (!tintsHidden(app)) p.tints.place(window, tint.covered);
    watchTarget(p.desktop, tint, [&app, target] { onRememberedTargetChanged(app, target); });
    remembered.rememberedTints.push_back({tint, window, entry.slot});
    remembered.pace.changed(p.desktop.tickCount());
}

// Whether the entry's window in this top-level window has its tint already: its look needs nothing
// of the system.
bool tintedIn(const RememberedState& remembered, int slot, WindowHandle topLevel)
{
    return std::ranges::any_of(remembered.rememberedTints,
                               [&](const RememberedTint& t) { return t.slot == slot && t.tint.topLevel == topLevel; });
}

// Tints the entries' windows in a shown top-level window. Its class is asked once in its life, and
// the rest (shown, program, controls) only while an entry of that class has no tint in it: an idle
// look at windows already tinted or of other classes costs nothing.
void tintMatchesOf(App& app, WindowHandle topLevel)
{
    auto& p = app.platform;
    RememberedState& remembered = app.state.remembered;
    RememberedState::TopLevelNames& names = remembered.topLevelNames[topLevel];
    if (names.className.empty()) names.className = p.tree.className(topLevel);
    const auto untinted = [&](const RememberedEntry& entry) {
        return sameClass(entry.identity.topClass, names.className) && !tintedIn(remembered, entry.slot, topLevel);
    };
    if (std::ranges::none_of(remembered.rememberedEntries, untinted)) return;
    // A window on another virtual desktop, or a frame not yet drawn, is not on the screen yet.
    if (!p.desktop.isShown(topLevel) || p.desktop.isCloaked(topLevel)) return;
    for (const RememberedEntry& entry : remembered.rememberedEntries) {
        if (atTintCap(remembered)) return;
        if (!untinted(entry)) continue;
        if (!names.program) names.program = programOf(p.tree, topLevel);
        if (sameName(entry.identity.program, *names.program)) tintIfMatching(app, entry, topLevel);
    }
}

// Tints the matches in these top-level windows. New tint windows open above every other: the
// program's own windows go back above them, once for all.
void tintMatchesIn(App& app, std::span<const WindowHandle> topLevels)
{
    const std::size_t before = app.state.remembered.rememberedTints.size();
    for (WindowHandle w : topLevels) tintMatchesOf(app, w);
    if (app.state.remembered.rememberedTints.size() > before) liftKeptWindows(app);
}

// A window the system reports shown or restored is looked at at once, without waiting for the next
// enumeration: a control shown (a tab page) through its top-level window.
void watchShownWindows(App& app)
{
    auto& tree = app.platform.tree;
    if (app.state.remembered.rememberedEntries.empty()) {
        tree.watchShownWindows({});
        return;
    }
    tree.watchShownWindows([&app](WindowHandle w) {
        const WindowHandle topLevel = app.platform.desktop.topLevelWindow(w);
        tintMatchesIn(app, std::span(&topLevel, 1));
        keepRememberedClock(app);  // a tint whose window the system would not watch needs the quick clock
    });
}

// Looks through the top-level windows for matches now.
void scanTopLevelWindows(App& app)
{
    RememberedState& remembered = app.state.remembered;
    remembered.lastRememberedScan = app.platform.desktop.tickCount();
    const std::vector<WindowHandle> topLevels = app.platform.tree.topLevelWindows();
    // The names of windows closed since are dropped.
    std::map<WindowHandle, RememberedState::TopLevelNames> names;
    for (WindowHandle w : topLevels) {
        const auto known = remembered.topLevelNames.find(w);
        if (known != remembered.topLevelNames.end()) names.insert(std::move(*known));
    }
    remembered.topLevelNames = std::move(names);
    tintMatchesIn(app, topLevels);
}

// Where the system tells of other programs' windows and watches every tint's, the shown-window
// reports and the watches do the work and the clock checks once a second what they may leave out (a
// move made by another process, a window restored unseen, one skipped at the cap); elsewhere (Wine,
// or a tint whose window the system refused to watch) the clock is the only way to see changes.
bool checksOnly(const App& app)
{
    return systemReportsOtherPrograms(app) &&
           std::ranges::all_of(app.state.remembered.rememberedTints,
                               [](const RememberedTint& t) { return t.tint.watch.has_value(); });
}

// Each tint follows its window, and at most once a second the top-level windows are looked through
// for new matches; the once-a-second check asks each tint's window whole and looks through them all.
void rememberedTintsTick(App& app)
{
    RememberedState& remembered = app.state.remembered;
    const bool check = checksOnly(app);
    followRememberedTints(app, check);
    if (remembered.rememberedEntries.empty()) return;
    const std::uint32_t now = app.platform.desktop.tickCount();
    if (!check && remembered.lastRememberedScan && now - *remembered.lastRememberedScan < scanInterval) return;
    scanTopLevelWindows(app);
}

bool hasRememberedWork(const App& app)
{
    const RememberedState& remembered = app.state.remembered;
    return !remembered.rememberedEntries.empty() || !remembered.rememberedTints.empty();
}

int rememberedInterval(const App& app)
{
    return checksOnly(app) ? everySecond : app.state.remembered.pace.interval(app.platform.desktop.tickCount());
}

void keepRememberedClock(App& app)
{
    app.state.remembered.clock.runWhile(
        app.platform.desktop, [&app] { return rememberedInterval(app); }, [&app] { return hasRememberedWork(app); },
        [&app] { rememberedTintsTick(app); }, clockFailureTeller(app));
}

}  // namespace

void loadRememberedEntries(App& app)
{
    const std::string file = rememberedFile(app);
    auto& entries = app.state.remembered.rememberedEntries;
    entries.clear();
    for (int slot = 1; slot <= maxRememberedEntries; ++slot)
        if (auto entry = readRememberedEntry(app.platform.profile, file, slot)) entries.push_back(std::move(*entry));
    watchShownWindows(app);
    if (!entries.empty()) scanTopLevelWindows(app);
    keepRememberedClock(app);
}

void offerRememberCommands(Menus& menus, const Tint& overlay)
{
    const bool onWindow = lockedTarget(overlay) != 0;
    menus.setEnabled(console::记住此窗口的颜色, onWindow);
    menus.setEnabled(console::忘记此窗口的颜色, onWindow);
}

void rememberLockedWindow(App& app)
{
    const auto identity = lockedIdentity(app);
    if (!identity) return;
    auto& entries = app.state.remembered.rememberedEntries;
    const Tint& overlay = overlayTint(app);
    RememberedEntry entry{0, *identity, overlay.colour, overlay.alpha};
    const auto same = std::ranges::find_if(entries, [&](const auto& e) { return sameIdentity(e.identity, *identity); });
    if (same != entries.end()) {
        entry.slot = same->slot;
        closeTintsOf(app, entry.slot);
        *same = entry;
    } else {
        for (int slot = 1; slot <= maxRememberedEntries && entry.slot == 0; ++slot)
            if (std::ranges::none_of(entries, [&](const auto& e) { return e.slot == slot; })) entry.slot = slot;
        if (entry.slot == 0) {
            showNotice(app, texts::rememberedFull);
            return;
        }
        entries.push_back(entry);
    }
    reportFailure(app, texts::settingsNotSaved, writeRememberedEntry(app.platform.profile, rememberedFile(app), entry));
    watchShownWindows(app);
    // The entry's windows show its colour at once.
    scanTopLevelWindows(app);
    keepRememberedClock(app);
}

void forgetLockedWindow(App& app)
{
    const auto identity = lockedIdentity(app);
    if (!identity) return;
    auto& entries = app.state.remembered.rememberedEntries;
    const auto found =
        std::ranges::find_if(entries, [&](const auto& e) { return sameIdentity(e.identity, *identity); });
    if (found == entries.end()) return;
    const int slot = found->slot;
    entries.erase(found);
    closeTintsOf(app, slot);
    watchShownWindows(app);
    keepRememberedClock(app);
    reportFailure(app, texts::settingsNotSaved, removeRememberedEntry(app.platform.profile, rememberedFile(app), slot));
}

void showRememberedTints(App& app, bool shown)
{
    for (const RememberedTint& t : app.state.remembered.rememberedTints) {
        if (!shown)
            app.platform.tints.hide(t.window);
        else if (!t.tint.hiddenWithTarget && t.tint.target != lockedTarget(app))
            app.platform.tints.place(t.window, t.tint.covered);
    }
}

const std::vector<RememberedTint>& rememberedTints(const App& app) { return app.state.remembered.rememberedTints; }

void showRememberedShare(App& app, ScheduleShare share)
{
    showShareOn(app.platform.desktop, app.state.remembered.rememberedTints, share);
}

void closeRememberedTints(App& app)
{
    for (RememberedTint& t : app.state.remembered.rememberedTints) closeTint(app, t);
    app.state.remembered.rememberedTints.clear();
}

}  // namespace tintora
