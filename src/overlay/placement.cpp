#include "overlay/placement.h"

#include "overlay/overlay.h"

namespace tintora {

void paintInitialTint(App& app)
{
    if (app.state.initialTintDone != 0) return;
    app.state.initialTintDone = 1;
    auto& c = app.platform.controls;
    paintTint(app, rgb(c.sliderPosition(redSlider), c.sliderPosition(greenSlider), c.sliderPosition(blueSlider)));
    app.platform.timers.setInterval(firstTintClock, 0);
}

void goFullScreen(App& app)
{
    if (app.state.overlayScreenMode != overlayWindowed) return;
    auto& p = app.platform;
    p.menus.setChecked(console::全屏化窗口, true);
    p.menus.setChecked(console::非全屏化窗口, false);
    app.state.savedOverlayGeometry = p.windows.geometry(WindowId::startup);
    p.windows.showNormal(WindowId::startup);
    const Size screen = p.desktop.screenSize();
    p.windows.move(WindowId::startup, {0, 0, screen.width, screen.height});
    app.state.overlayScreenMode = overlayFullScreen;
}

void goWindowed(App& app)
{
    if (app.state.overlayScreenMode != overlayFullScreen) return;
    auto& p = app.platform;
    p.menus.setChecked(console::全屏化窗口, false);
    p.menus.setChecked(console::非全屏化窗口, true);
    p.windows.move(WindowId::startup, app.state.savedOverlayGeometry);
    app.state.overlayScreenMode = overlayWindowed;
}

}  // namespace tintora
