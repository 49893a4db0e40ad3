#include "overlay/smart_snap.h"

#include <random>

#include "design/design.h"
#include "overlay/overlay.h"
#include "overlay/remembered_tints.h"
#include "design/texts.h"

namespace tintora {
namespace {

constexpr int openingAlpha = 255;
constexpr int snapAlpha = 190;

bool contains(const Geometry& g, Point p)
{
    return p.x >= g.left && p.x < g.left + g.width && p.y >= g.top && p.y < g.top + g.height;
}

void setMenusOfOpeningScreen(App& app, bool visible)
{
    app.platform.menus.setVisible(startup::开始, visible);
    app.platform.menus.setVisible(startup::关于, visible);
}

void setHintMenus(App& app, bool visible)
{
    for (auto menu : hintMenus) app.platform.menus.setVisible(menu, visible);
}

void checkWindowedMode(App& app)
{
    app.platform.menus.setChecked(console::非全屏化窗口, true);
    app.platform.menus.setChecked(console::全屏化窗口, false);
}

void armOpacityStep(App& app, OpacityStep step)
{
    app.platform.timers.setInterval(opacityStepClock, 60);
    app.state.opacityStep = step;
}

void lockTarget(App& app)
{
    auto& p = app.platform;
    p.controls.setVisible(startupOpacitySlider, false);
    p.controls.setVisible(startupPicture, false);
    checkWindowedMode(app);
    p.windows.setFreeDrag(WindowId::startup, false);
    p.windows.setBorder(WindowId::startup, Border::none);
    setMenusOfOpeningScreen(app, false);
    app.state.snapFollowing = false;
    app.state.tint.topLevel = p.desktop.topLevelWindow(app.state.tint.target);
    armOpacityStep(app, OpacityStep::afterLock);

    const WindowHandle overlay = p.windows.handle(WindowId::startup);
    p.desktop.setExtendedStyle(overlay, p.desktop.extendedStyle(overlay) | exstyle::transparent | exstyle::topmost |
                                            exstyle::toolWindow | exstyle::layered);
    // The topmost bit written as a style takes effect only through the z-order call.
    p.desktop.setTopmost(overlay, true);
    offerRememberCommands(app);
    // The lock puts a tint on the screen: remembered tints switched off at the opening screen come back.
    if (app.state.tintsHidden) toggleTints(app);

    p.windows.openModal(WindowId::console);
    app.state.snapKeyState = SnapKeyState::ignoringKeys;
}

void returnToOpeningScreen(App& app)
{
    auto& p = app.platform;
    app.state.snapFollowing = false;
    armOpacityStep(app, OpacityStep::backToOpening);
    p.controls.setVisible(startupPicture, true);
    p.windows.move(WindowId::startup, app.state.savedStartGeometry);
    p.windows.setBorder(WindowId::startup, Border::fixedSingle);
    setMenusOfOpeningScreen(app, true);
    p.windows.setFreeDrag(WindowId::startup, false);
    checkWindowedMode(app);
    p.timers.setInterval(selfStoppingClock, 16);
    app.state.opacityStep = OpacityStep::settled;
    app.state.snapKeyState = SnapKeyState::ignoringKeys;
}

void finishKeyDown(App& app)
{
    auto& p = app.platform;
    const Geometry g = p.windows.geometry(WindowId::startup);
    const Geometry opening = scaled(windowDesign(WindowId::startup).geometry, p.windows.dpi(WindowId::startup));
    if (g.width == opening.width && g.height == opening.height) {
        p.canvas.clear();
        p.controls.setVisible(startupPicture, true);
    }
    p.windows.setTitle(WindowId::startup, texts::windowTitle);
    setHintMenus(app, false);
}

void settleOpacity(App& app, int alpha)
{
    auto& p = app.platform;
    p.controls.setSliderPosition(startupOpacitySlider, alpha);
    setOverlayOpacity(app, p.controls.sliderPosition(startupOpacitySlider));
    app.state.opacityStep = OpacityStep::settled;
    p.timers.setInterval(opacityStepClock, 0);
}

}  // namespace

void startSmartSnap(App& app)
{
    auto& p = app.platform;
    app.state.savedStartGeometry = p.windows.geometry(WindowId::startup);
    p.windows.setFreeDrag(WindowId::startup, true);
    app.state.snapFollowing = true;
    app.state.snapHeldByUser = false;
    app.state.tint.target = 0;
    armOpacityStep(app, OpacityStep::snapStarted);
    p.windows.setBorder(WindowId::startup, Border::none);
    setMenusOfOpeningScreen(app, false);
    app.state.snapKeyState = SnapKeyState::awaitingKey;
    setHintMenus(app, true);
    p.controls.setVisible(startupPicture, false);

    std::uniform_int_distribution<int> component(0, 255);
    const int r = component(app.state.random);
    const int g = component(app.state.random);
    const int b = component(app.state.random);
    paintTint(app, rgb(r, g, b));
}

void followPointerTick(App& app)
{
    auto& state = app.state;
    if (!state.snapFollowing) return;
    auto& p = app.platform;

    // While the user drags the rectangle, and after the drop until the pointer leaves it,
    // the rectangle stays where the user put it.
    if (p.windows.isBeingDragged(WindowId::startup)) {
        state.snapHeldByUser = true;
        state.tint.target = 0;
        return;
    }
    const Point pointer = p.desktop.cursorPosition();
    if (state.snapHeldByUser) {
        if (contains(p.windows.geometry(WindowId::startup), pointer)) return;
        state.snapHeldByUser = false;
    }

    const WindowHandle under = p.desktop.windowAtPoint(pointer);
    if (auto rect = coveredRect(p.desktop, under, p.desktop.topLevelWindow(under) == under)) {
        state.targetRect = *rect;
        state.tint.target = under;
    }
    p.windows.move(WindowId::startup, geometryOf(state.targetRect));
}

void onStartupKeyDown(App& app, int virtualKey)
{
    if (app.state.snapKeyState != SnapKeyState::awaitingKey) return;
    if (virtualKey == vk::backspace || virtualKey == vk::escape)
        returnToOpeningScreen(app);
    else
        lockTarget(app);
    finishKeyDown(app);
}

void opacityStepTick(App& app)
{
    switch (app.state.opacityStep) {
        case OpacityStep::settled:
        case OpacityStep::backToOpening: settleOpacity(app, openingAlpha); break;
        case OpacityStep::afterLock:
        case OpacityStep::snapStarted: settleOpacity(app, snapAlpha); break;
        case OpacityStep::none: break;
    }
}

void onStartupSliderChanged(App& app)
{
    setOverlayOpacity(app, app.platform.controls.sliderPosition(startupOpacitySlider));
}

void stopStartupClock1(App& app) { app.platform.timers.setInterval(selfStoppingClock, 0); }

}  // namespace tintora
