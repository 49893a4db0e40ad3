#pragma once
// Remembered tints: the user remembers the colour of the window or control the overlay is locked
// onto, and from then on every shown window that matches it gets a tint window of its own, which
// follows it, while the program runs.
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/notice.h"
#include "core/settings.h"
#include "overlay/overlay.h"

namespace tintora {

inline constexpr int maxRememberedEntries = 32;
inline constexpr int maxRememberedTints = 16;

// Remember and forget are offered once the overlay is locked onto a window or control.
void offerRememberCommands(Menus& menus, const Tint& overlay);

class RememberedTints {
public:
    // Keeps the tints on top, below the overlay.
    RememberedTints(Platform& p, const Folders& folders, Notices& notices, TopmostKeeper& keeper,
                    const Overlay& overlay);
    RememberedTints(const RememberedTints&) = delete;
    RememberedTints& operator=(const RememberedTints&) = delete;

    // Reads Remembered.ini; the start-up window's creation calls it.
    void loadRememberedEntries();
    // Stores the locked target with the overlay's colour and opacity, replacing its older entry.
    void rememberLockedWindow();
    // Removes the locked target's entry; its tints go at once.
    void forgetLockedWindow();
    // "tint off / on": hides them all, or shows each where its window is (unless that is hidden).
    void showRememberedTints(bool shown);
    // The schedule's share of their A, and of the A of those opened from now on.
    void showShare(ScheduleShare share);
    // The largest A of the tints, at least the one given.
    int largestAlpha(int atLeast) const;
    // Closes every remembered tint (Tintora ends).
    void closeRememberedTints();

private:
    // The class and program of each top-level window the last look saw: a window keeps both for its
    // life, so each is asked of the system once.
    struct TopLevelNames {
        std::string className;
        std::optional<std::string> program;
    };

    std::string rememberedFile() const;
    WindowHandle lockedTarget() const;
    std::optional<WindowIdentity> lockedIdentity();
    void closeTint(RememberedTint& t);
    bool atTintCap() const;
    void closeTintsOf(int slot);
    bool followRememberedTint(RememberedTint& t, bool told);
    void followRememberedTints(bool told, WindowHandle only = 0);
    bool isTinted(WindowHandle target) const;
    bool tintedIn(int slot, WindowHandle topLevel) const;
    void tintIfMatching(const RememberedEntry& entry, WindowHandle topLevel);
    void tintMatchesOf(WindowHandle topLevel);
    void tintMatchesIn(std::span<const WindowHandle> topLevels);
    void watchShownWindows();
    void scanTopLevelWindows();
    bool checksOnly() const;
    void rememberedTintsTick();
    void keepRememberedClock();

    Platform& p_;
    const Folders& folders_;
    Notices& notices_;
    TopmostKeeper& keeper_;
    const Overlay& overlay_;
    // The clock that follows the tints and looks for matches: quick where the system does not tell,
    // once a second where it does.
    Clock clock_;
    LookPace pace_;
    std::vector<RememberedEntry> entries_;
    std::vector<RememberedTint> tints_;
    ScheduleShare share_;
    // When the top-level windows were last looked through for new matches.
    std::optional<std::uint32_t> lastScan_;
    std::map<WindowHandle, TopLevelNames> topLevelNames_;
};

}  // namespace tintora
