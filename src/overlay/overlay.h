#pragma once
// The tint overlay (the start-up window and its canvas once it is locked): its tint, where it lies,
// whether the user has switched the tints off, and the operations that change it.
#include <optional>

#include "core/tint.h"
#include "overlay/topmost_keeper.h"
#include "platform/platform.h"

namespace tintora {

// Where the overlay lies once the console is open.
enum class OverlayMode { none, fullScreen, windowed };

class Overlay {
public:
    // Keeps the overlay on top once it is a tint.
    Overlay(Platform& p, TopmostKeeper& keeper);

    // The overlay's tint. The parts that move it write it: smart snap its target, following its
    // place. Its colour and opacity change through the setters below.
    const Tint& tint() const { return tint_; }
    Tint& tint() { return tint_; }
    // Whether the user has switched every tint off ("tint off / on").
    bool tintsHidden() const { return tintsHidden_; }
    void setTintsHidden(bool hidden) { tintsHidden_ = hidden; }
    // The overlay hidden while the tints are off, or shown again where it belongs (not while
    // following keeps it hidden with its target). Before the lock the start-up window is the
    // opening screen, not a tint, and stays as it is.
    void showAsTintsAre();

    // A target is locked and the console open: the console's creation sets the overlay's mode.
    bool locked() const { return mode_ != OverlayMode::none; }
    OverlayMode mode() const { return mode_; }
    void setMode(OverlayMode mode) { mode_ = mode; }
    // The monitor the full-screen overlay covers; nothing in windowed mode and before the lock.
    std::optional<ScreenRect> fullScreenMonitor() const;

    // The tint's opacity (clamped to the sliders' range) and colour, shown at once.
    void setTintOpacity(int alpha);
    void setTintColour(Colour colour);
    // The schedule's share of its A: the overlay shows it, its opacity set only where it changes.
    void showShare(ScheduleShare share);
    // Fills the whole overlay canvas with one colour.
    void paintTint(Colour colour);
    // A chart picture becomes the canvas's background, beneath the tint: the overlay shows the tint
    // over it whether the first tint was painted before or after. Setting the picture drops what was
    // drawn, so the tint is painted again here.
    void setChartPicture(const Bytes& png);
    // The overlay's constant alpha, with the key colour kept transparent.
    void setOverlayOpacity(int alpha);
    // Makes the overlay layered again with the key colour and the tint's opacity.
    void applyOverlayTransparency();
    // Shows the overlay in its normal state above the other windows, unless the user has hidden the tints.
    void show();
    // Shows the overlay even where following hides it with its target (full screen).
    void showWhateverTheTarget();

private:
    Platform& p_;
    TopmostKeeper& keeper_;
    Tint tint_;
    bool tintsHidden_ = false;
    OverlayMode mode_ = OverlayMode::none;
};

}  // namespace tintora
