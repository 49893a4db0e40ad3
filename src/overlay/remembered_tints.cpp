#include "overlay/remembered_tints.h"

#include <algorithm>

#include "core/notice.h"
#include "design/texts.h"
#include "overlay/overlay.h"
#include "overlay/tint_following.h"
#include "overlay/window_identity.h"

namespace tintora {
namespace {

constexpr std::uint32_t scanInterval = 1000;

std::string rememberedFile(const App& app) { return app.path(paths::rememberedIni); }

// The window or control the overlay is locked onto; 0 before the lock, over a dragged rectangle,
// and once the target is closed.
WindowHandle lockedTarget(const AppState& state) { return state.tint.topLevel != 0 ? state.tint.target : 0; }

std::optional<WindowIdentity> lockedIdentity(const App& app)
{
    return identify(app.platform.tree, lockedTarget(app.state), app.state.tint.topLevel);
}

void closeTint(App& app, RememberedTint& t)
{
    stopWatchingTarget(app.platform.desktop, t.tint);
    app.platform.tints.close(t.window);
}

void closeTintsOf(App& app, int slot)
{
    std::erase_if(app.state.rememberedTints, [&](RememberedTint& t) {
        if (t.slot != slot) return false;
        closeTint(app, t);
        return true;
    });
}

// One step of a tint's following; false once the tint is closed.
bool followRememberedTint(App& app, RememberedTint& t, bool told)
{
    auto& p = app.platform;
    // A window has one tint: the overlay's, while it is locked onto it.
    if (t.tint.target == lockedTarget(app.state)) {
        closeTint(app, t);
        return false;
    }
    const FollowStep step = followTint(p.desktop, t.tint, told);
    switch (step.action) {
        case FollowAction::none: break;
        case FollowAction::place:
            if (!app.state.tintsHidden) p.tints.place(t.window, step.rect);
            break;
        case FollowAction::hide: p.tints.hide(t.window); break;
        case FollowAction::release: closeTint(app, t); return false;
    }
    return true;
}

// What the system tells of the target's changes is followed at once, as the overlay's following does.
void onRememberedTargetChanged(App& app, WindowHandle target)
{
    auto& tints = app.state.rememberedTints;
    const auto found = std::ranges::find_if(tints, [&](const RememberedTint& t) { return t.tint.target == target; });
    if (found != tints.end() && !followRememberedTint(app, *found, true)) tints.erase(found);
}

bool isTinted(const AppState& state, WindowHandle target)
{
    return std::ranges::any_of(state.rememberedTints, [&](const RememberedTint& t) { return t.tint.target == target; });
}

// Opens a tint over the entry's window below the top-level window, if it has one to show.
void tintIfMatching(App& app, const RememberedEntry& entry, WindowHandle topLevel)
{
    auto& p = app.platform;
    const WindowHandle target = findByPath(p.tree, topLevel, entry.identity.path);
    if (target == 0 || target == lockedTarget(app.state) || isTinted(app.state, target)) return;
    if (target != topLevel && !p.desktop.isShown(target)) return;
    const auto rect = p.desktop.windowRect(target);
    if (!rect) return;
    Tint tint{.target = target,
              .topLevel = topLevel,
              .colour = entry.colour,
              .alpha = entry.alpha,
              .following = true,
              .followedRect = rect,
              .covered = coveredRect(p.desktop, target, target == topLevel).value_or(*rect)};
    const WindowHandle window = p.tints.open(tint.colour, tint.alpha);
    if (window == 0) return;
    if (!app.state.tintsHidden) p.tints.place(window, tint.covered);
    watchTarget(p.desktop, tint, [&app, target] { onRememberedTargetChanged(app, target); });
    // A new tint window opens above every other; the program's own windows go back above it.
    for (WindowId own : {WindowId::startup, WindowId::console})
        if (const WindowHandle w = p.windows.handle(own)) p.desktop.setTopmost(w, true);
    app.state.rememberedTints.push_back({tint, window, entry.slot});
}

// Tints the entries' windows in a shown top-level window; its program is asked only when its
// class matches an entry.
void tintMatchesOf(App& app, WindowHandle topLevel)
{
    auto& p = app.platform;
    if (!p.desktop.isShown(topLevel)) return;
    const std::string className = p.tree.className(topLevel);
    std::optional<std::string> program;
    for (const RememberedEntry& entry : app.state.rememberedEntries) {
        if (app.state.rememberedTints.size() >= maxRememberedTints) return;
        if (!sameClass(entry.identity.topClass, className)) continue;
        if (!program) program = programOf(p.tree, topLevel);
        if (sameName(entry.identity.program, *program)) tintIfMatching(app, entry, topLevel);
    }
}

// A window the system reports shown is looked at at once, without waiting for the next enumeration.
void watchShownWindows(App& app)
{
    auto& tree = app.platform.tree;
    if (app.state.rememberedEntries.empty()) {
        tree.watchShownWindows({});
        return;
    }
    tree.watchShownWindows([&app](WindowHandle w) {
        if (app.platform.tree.parent(w) == 0) tintMatchesOf(app, w);
    });
}

// The next tick looks for matches at once, so that the entry's windows show its new colour.
void rescanSoon(App& app) { app.state.lastRememberedScan.reset(); }

}  // namespace

void loadRememberedEntries(App& app)
{
    const std::string file = rememberedFile(app);
    auto& entries = app.state.rememberedEntries;
    entries.clear();
    for (int slot = 1; slot <= maxRememberedEntries; ++slot)
        if (auto entry = readRememberedEntry(app.platform.profile, file, slot)) entries.push_back(std::move(*entry));
    watchShownWindows(app);
}

void offerRememberCommands(App& app)
{
    const bool onWindow = lockedTarget(app.state) != 0;
    app.platform.menus.setEnabled(console::记住此窗口的颜色, onWindow);
    app.platform.menus.setEnabled(console::忘记此窗口的颜色, onWindow);
}

void rememberLockedWindow(App& app)
{
    const auto identity = lockedIdentity(app);
    if (!identity) return;
    auto& entries = app.state.rememberedEntries;
    auto& c = app.platform.controls;
    RememberedEntry entry{0, *identity,
                          rgb(c.sliderPosition(redSlider), c.sliderPosition(greenSlider), c.sliderPosition(blueSlider)),
                          c.sliderPosition(opacitySlider)};
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
    if (!writeRememberedEntry(app.platform.profile, rememberedFile(app), entry))
        showNotice(app, std::string(texts::pictureNotWritten) + rememberedFile(app));
    watchShownWindows(app);
    rescanSoon(app);
}

void forgetLockedWindow(App& app)
{
    const auto identity = lockedIdentity(app);
    if (!identity) return;
    auto& entries = app.state.rememberedEntries;
    const auto found =
        std::ranges::find_if(entries, [&](const auto& e) { return sameIdentity(e.identity, *identity); });
    if (found == entries.end()) return;
    const int slot = found->slot;
    entries.erase(found);
    closeTintsOf(app, slot);
    watchShownWindows(app);
    if (!removeRememberedEntry(app.platform.profile, rememberedFile(app), slot))
        showNotice(app, std::string(texts::pictureNotWritten) + rememberedFile(app));
}

void showRememberedTints(App& app, bool shown)
{
    for (const RememberedTint& t : app.state.rememberedTints) {
        if (!shown)
            app.platform.tints.hide(t.window);
        else if (!t.tint.hiddenWithTarget && t.tint.target != lockedTarget(app.state))
            app.platform.tints.place(t.window, t.tint.covered);
    }
}

void rememberedTintsTick(App& app)
{
    auto& p = app.platform;
    auto& state = app.state;
    std::erase_if(state.rememberedTints, [&](RememberedTint& t) { return !followRememberedTint(app, t, false); });
    if (state.rememberedEntries.empty()) return;
    const std::uint32_t now = p.desktop.tickCount();
    if (state.lastRememberedScan && now - *state.lastRememberedScan < scanInterval) return;
    state.lastRememberedScan = now;
    for (WindowHandle w : p.tree.topLevelWindows()) tintMatchesOf(app, w);
}

}  // namespace tintora
