#pragma once
// The process-wide state the handlers share.
#include <random>
#include <string>
#include <vector>

#include "platform/types.h"

namespace tintora {

struct AppState {
    // Smart snap.
    ScreenRect targetRect{};
    int snapFollowing = 0;
    int snapKeyState = 0;
    int opacityStep = 0;
    Geometry savedStartGeometry{};
    // Set while the user drags the rectangle; cleared once the pointer leaves it.
    bool snapHeldByUser = false;
    std::minstd_rand random;

    // Overlay placement.
    int overlayScreenMode = 0;
    int initialTintDone = 0;
    Geometry savedOverlayGeometry{};

    // Console shell.
    int startColourR = 0;
    int startColourG = 0;
    int startColourB = 0;
    int consoleStartMode = 0;
    int savedConsoleLeft = 0;
    bool consoleInTray = false;
    std::vector<unsigned> keeperTimerIds;
    WindowHandle keptTopmostWindow = 0;

    // Chart settings follower.
    std::string chartFolder;
    int chartChoice = 0;
    std::string chartPictureName;

    // Screenshots.
    int screenshotCounter = 0;
};

}  // namespace tintora
