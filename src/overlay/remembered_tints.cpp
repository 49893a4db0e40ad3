#include "overlay/remembered_tints.h"

#include <algorithm>

#include "design/texts.h"
#include "overlay/tint_following.h"
#include "overlay/window_identity.h"

namespace tintora {
namespace {

constexpr std::uint32_t scanInterval = everySecond;

// The window or control the overlay is locked onto; 0 before the lock, over a dragged rectangle,
// and once the target is closed.
WindowHandle lockedTargetOf(const Tint& overlay) { return overlay.topLevel != 0 ? overlay.target : 0; }

// Tints hidden with their windows do not count against the ones shown.
std::size_t shownTints(const std::vector<RememberedTint>& tints)
{
    return std::ranges::count_if(tints, [](const RememberedTint& t) { return !t.tint.hiddenWithTarget; });
}

// Following moves, hides and closes a remembered tint's window.
class FollowedTintWindow final : public FollowedWindow {
public:
    FollowedTintWindow(TintWindows& tints, bool tintsHidden, RememberedTint& t, std::function<void()> close)
        : tints_(tints), tintsHidden_(tintsHidden), t_(t), close_(std::move(close))
    {
    }
    void place(const ScreenRect& r, bool) override
    {
        if (!tintsHidden_) tints_.place(t_.window, r);
    }
    void hide() override { tints_.hide(t_.window); }
    void release() override
    {
        close_();
        closed = true;
    }
    bool closed = false;

private:
    TintWindows& tints_;
    bool tintsHidden_;
    RememberedTint& t_;
    std::function<void()> close_;
};

}  // namespace

void offerRememberCommands(Menus& menus, const Tint& overlay)
{
    const bool onWindow = lockedTargetOf(overlay) != 0;
    menus.setEnabled(console::记住此窗口的颜色, onWindow);
    menus.setEnabled(console::忘记此窗口的颜色, onWindow);
}

RememberedTints::RememberedTints(Platform& p, const Folders& folders, Notices& notices, TopmostKeeper& keeper,
                                 const Overlay& overlay)
    : p_(p), folders_(folders), notices_(notices), keeper_(keeper), overlay_(overlay)
{
    keeper.keep(KeptRank::tints, [this](std::vector<WindowHandle>& kept) {
        for (const RememberedTint& t : tints_) kept.push_back(t.window);
    });
}

std::string RememberedTints::rememberedFile() const { return folders_.path(paths::rememberedIni); }

WindowHandle RememberedTints::lockedTarget() const { return lockedTargetOf(overlay_.tint()); }

// The locked target's identity; the console tells the user when there is none any more.
std::optional<WindowIdentity> RememberedTints::lockedIdentity()
{
    const Tint& overlay = overlay_.tint();
    auto identity = identify(p_.tree, lockedTargetOf(overlay), overlay.topLevel);
    if (!identity) notices_.show(texts::targetNotIdentified);
    return identity;
}

void RememberedTints::closeTint(RememberedTint& t)
{
    stopWatchingTarget(p_.desktop, t.tint);
    p_.tints.close(t.window);
}

bool RememberedTints::atTintCap() const { return shownTints(tints_) >= maxRememberedTints; }

// A tint that closed at the cap leaves room for a window skipped meanwhile, looked for at once.
void RememberedTints::closeTintsOf(int slot)
{
    const bool full = atTintCap();
    const auto closed = std::erase_if(tints_, [&](RememberedTint& t) {
        if (t.slot != slot) return false;
        closeTint(t);
        return true;
    });
    if (full && closed > 0) scanTopLevelWindows();
}

// One step of a tint's following; false once the tint is closed.
bool RememberedTints::followRememberedTint(RememberedTint& t, bool told)
{
    // A window has one tint: the overlay's, while it is locked onto it.
    if (t.tint.target == lockedTarget()) {
        closeTint(t);
        return false;
    }
    FollowedTintWindow window(p_.tints, overlay_.tintsHidden(), t, [this, &t] { closeTint(t); });
    if (followTint(p_.desktop, t.tint, told, window)) pace_.changed(p_.desktop.tickCount());
    return !window.closed;
}

// Follows the tints (only the one over a window, when given), told or on the once-a-second check
// asking each window whole; as above, a tint that closed at the cap makes room at once.
void RememberedTints::followRememberedTints(bool told, WindowHandle only)
{
    const bool full = atTintCap();
    const auto closed = std::erase_if(tints_, [&](RememberedTint& t) {
        return (only == 0 || t.tint.target == only) && !followRememberedTint(t, told);
    });
    if (full && closed > 0) scanTopLevelWindows();
}

bool RememberedTints::isTinted(WindowHandle target) const
{
    return std::ranges::any_of(tints_, [&](const RememberedTint& t) { return t.tint.target == target; });
}

// Opens a tint over the entry's window below the top-level window, if it has one to show.
void RememberedTints::tintIfMatching(const RememberedEntry& entry, WindowHandle topLevel)
{
    const WindowHandle target = findByPath(p_.tree, topLevel, entry.identity.path);
    if (target == 0 || target == lockedTarget() || isTinted(target)) return;
    if (target != topLevel && !p_.desktop.isShown(target)) return;
    const auto rect = p_.desktop.windowRect(target);
    if (!rect) return;
    Tint tint{.target = target,
              .topLevel = topLevel,
              .colour = entry.colour,
              .alpha = entry.alpha,
              .shown = share_,
              .following = true,
              .followedRect = rect,
              .covered = coveredRect(p_.desktop, target, target == topLevel).value_or(*rect)};
    const WindowHandle window = p_.tints.open(tint.colour, tint.shownAlpha());
    if (window == 0) return;
    if (!overlay_.tintsHidden()) p_.tints.place(window, tint.covered);
    // What the system tells of the target's changes is followed at once, as the overlay's following does.
    watchTarget(p_.desktop, tint, [this, target] { followRememberedTints(true, target); });
    tints_.push_back({tint, window, entry.slot});
    pace_.changed(p_.desktop.tickCount());
}

// Whether the entry's window in this top-level window has its tint already: its look needs nothing
// of the system.
bool RememberedTints::tintedIn(int slot, WindowHandle topLevel) const
{
    return std::ranges::any_of(tints_,
                               [&](const RememberedTint& t) { return t.slot == slot && t.tint.topLevel == topLevel; });
}

// Tints the entries' windows in a shown top-level window. Its class is asked once in its life, and
// the rest (shown, program, controls) only while an entry of that class has no tint in it: an idle
// look at windows already tinted or of other classes costs nothing.
void RememberedTints::tintMatchesOf(WindowHandle topLevel)
{
    TopLevelNames& names = topLevelNames_[topLevel];
    if (names.className.empty()) names.className = p_.tree.className(topLevel);
    const auto untinted = [&](const RememberedEntry& entry) {
        return sameClass(entry.identity.topClass, names.className) && !tintedIn(entry.slot, topLevel);
    };
    if (std::ranges::none_of(entries_, untinted)) return;
    // A window on another virtual desktop, or a frame not yet drawn, is not on the screen yet.
    if (!p_.desktop.isShown(topLevel) || p_.desktop.isCloaked(topLevel)) return;
    for (const RememberedEntry& entry : entries_) {
        if (atTintCap()) return;
        if (!untinted(entry)) continue;
        if (!names.program) names.program = programOf(p_.tree, topLevel);
        if (sameName(entry.identity.program, *names.program)) tintIfMatching(entry, topLevel);
    }
}

// Tints the matches in these top-level windows. New tint windows open above every other: the
// program's own windows go back above them, once for all.
void RememberedTints::tintMatchesIn(std::span<const WindowHandle> topLevels)
{
    const std::size_t before = tints_.size();
    for (WindowHandle w : topLevels) tintMatchesOf(w);
    if (tints_.size() > before) keeper_.lift();
}

// A window the system reports shown or restored is looked at at once, without waiting for the next
// enumeration: a control shown (a tab page) through its top-level window.
void RememberedTints::watchShownWindows()
{
    if (entries_.empty()) {
        p_.tree.watchShownWindows({});
        return;
    }
    p_.tree.watchShownWindows([this](WindowHandle w) {
        const WindowHandle topLevel = p_.desktop.topLevelWindow(w);
        tintMatchesIn(std::span(&topLevel, 1));
        keepRememberedClock();  // a tint whose window the system would not watch needs the quick clock
    });
}

// Looks through the top-level windows for matches now.
void RememberedTints::scanTopLevelWindows()
{
    lastScan_ = p_.desktop.tickCount();
    const std::vector<WindowHandle> topLevels = p_.tree.topLevelWindows();
    // The names of windows closed since are dropped.
    std::map<WindowHandle, TopLevelNames> names;
    for (WindowHandle w : topLevels) {
        const auto known = topLevelNames_.find(w);
        if (known != topLevelNames_.end()) names.insert(std::move(*known));
    }
    topLevelNames_ = std::move(names);
    tintMatchesIn(topLevels);
}

// Where the system tells of other programs' windows and watches every tint's, the shown-window
// reports and the watches do the work and the clock checks once a second what they may leave out (a
// move made by another process, a window restored unseen, one skipped at the cap); elsewhere (Wine,
// or a tint whose window the system refused to watch) the clock is the only way to see changes.
bool RememberedTints::checksOnly() const
{
    return keeper_.systemReportsOtherPrograms() &&
           std::ranges::all_of(tints_, [](const RememberedTint& t) { return t.tint.watch.has_value(); });
}

// Each tint follows its window, and at most once a second the top-level windows are looked through
// for new matches; the once-a-second check asks each tint's window whole and looks through them all.
void RememberedTints::rememberedTintsTick()
{
    const bool check = checksOnly();
    followRememberedTints(check);
    if (entries_.empty()) return;
    const std::uint32_t now = p_.desktop.tickCount();
    if (!check && lastScan_ && now - *lastScan_ < scanInterval) return;
    scanTopLevelWindows();
}

void RememberedTints::keepRememberedClock()
{
    clock_.runWhile(
        p_.desktop, [this] { return checksOnly() ? everySecond : pace_.interval(p_.desktop.tickCount()); },
        [this] { return !entries_.empty() || !tints_.empty(); }, [this] { rememberedTintsTick(); },
        notices_.clockFailureTeller());
}

void RememberedTints::loadRememberedEntries()
{
    const std::string file = rememberedFile();
    entries_.clear();
    for (int slot = 1; slot <= maxRememberedEntries; ++slot)
        if (auto entry = readRememberedEntry(p_.profile, file, slot)) entries_.push_back(std::move(*entry));
    watchShownWindows();
    if (!entries_.empty()) scanTopLevelWindows();
    keepRememberedClock();
}

void RememberedTints::rememberLockedWindow()
{
    const auto identity = lockedIdentity();
    if (!identity) return;
    const Tint& overlay = overlay_.tint();
    RememberedEntry entry{0, *identity, overlay.colour, overlay.alpha};
    const auto same =
        std::ranges::find_if(entries_, [&](const auto& e) { return sameIdentity(e.identity, *identity); });
    if (same != entries_.end()) {
        entry.slot = same->slot;
        closeTintsOf(entry.slot);
        *same = entry;
    } else {
        for (int slot = 1; slot <= maxRememberedEntries && entry.slot == 0; ++slot)
            if (std::ranges::none_of(entries_, [&](const auto& e) { return e.slot == slot; })) entry.slot = slot;
        if (entry.slot == 0) {
            notices_.show(texts::rememberedFull);
            return;
        }
        entries_.push_back(entry);
    }
    notices_.reportFailure(texts::settingsNotSaved, writeRememberedEntry(p_.profile, rememberedFile(), entry));
    watchShownWindows();
    // The entry's windows show its colour at once.
    scanTopLevelWindows();
    keepRememberedClock();
}

void RememberedTints::forgetLockedWindow()
{
    const auto identity = lockedIdentity();
    if (!identity) return;
    const auto found =
        std::ranges::find_if(entries_, [&](const auto& e) { return sameIdentity(e.identity, *identity); });
    if (found == entries_.end()) return;
    const int slot = found->slot;
    entries_.erase(found);
    closeTintsOf(slot);
    watchShownWindows();
    keepRememberedClock();
    notices_.reportFailure(texts::settingsNotSaved, removeRememberedEntry(p_.profile, rememberedFile(), slot));
}

void RememberedTints::showRememberedTints(bool shown)
{
    for (const RememberedTint& t : tints_) {
        if (!shown)
            p_.tints.hide(t.window);
        else if (!t.tint.hiddenWithTarget && t.tint.target != lockedTarget())
            p_.tints.place(t.window, t.tint.covered);
    }
}

void RememberedTints::showShare(ScheduleShare share)
{
    share_ = share;
    showShareOn(p_.desktop, tints_, share);
}

int RememberedTints::largestAlpha(int atLeast) const { return largestAlphaOf(tints_, atLeast); }

void RememberedTints::closeRememberedTints()
{
    for (RememberedTint& t : tints_) closeTint(t);
    tints_.clear();
}

}  // namespace tintora
