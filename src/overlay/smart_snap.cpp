#include "overlay/smart_snap.h"

#include <random>

#include "design/design.h"
#include "overlay/remembered_tints.h"
#include "overlay/tint_following.h"
#include "design/texts.h"

namespace tintora {
namespace {

constexpr int openingAlpha = 255;
constexpr int snapAlpha = 190;
constexpr int followPointerInterval = 16;

bool contains(const Geometry& g, Point p)
{
    return p.x >= g.left && p.x < g.left + g.width && p.y >= g.top && p.y < g.top + g.height;
}

void setMenusOfOpeningScreen(Menus& menus, bool visible)
{
    menus.setVisible(startup::开始, visible);
    menus.setVisible(startup::关于, visible);
}

void setHintMenus(Menus& menus, bool visible)
{
    for (auto menu : hintMenus) menus.setVisible(menu, visible);
}

void checkWindowedMode(Menus& menus)
{
    menus.setChecked(console::非全屏化窗口, true);
    menus.setChecked(console::全屏化窗口, false);
}

void armOpacityStep(Platform& p, SmartSnapState& snap, OpacityStep step)
{
    p.timers.setInterval(opacityStepClock, 60);
    snap.opacityStep = step;
}

void lockTarget(Platform& p, SmartSnapState& snap, Overlay& overlay, Tints& tints)
{
    p.controls.setVisible(startupPicture, false);
    checkWindowedMode(p.menus);
    p.windows.setFreeDrag(WindowId::startup, false);
    p.windows.setBorder(WindowId::startup, Border::none);
    setMenusOfOpeningScreen(p.menus, false);
    Tint& tint = overlay.tint();
    tint.topLevel = p.desktop.topLevelWindow(tint.target);
    armOpacityStep(p, snap, OpacityStep::afterLock);

    const WindowHandle window = p.windows.handle(WindowId::startup);
    p.desktop.setExtendedStyle(window, p.desktop.extendedStyle(window) | exstyle::transparent | exstyle::topmost |
                                           exstyle::toolWindow | exstyle::layered);
    // The topmost bit written as a style takes effect only through the z-order call.
    p.desktop.setTopmost(window, true);
    offerRememberCommands(p.menus, tint);
    // The lock puts a tint on the screen: remembered tints switched off at the opening screen come back.
    if (tints.hidden()) tints.toggleTints();

    snap.snapKeyState = SnapKeyState::ignoringKeys;
    p.timers.setInterval(followPointerClock, 0);
    p.windows.openModal(WindowId::console);
}

void returnToOpeningScreen(Platform& p, SmartSnapState& snap)
{
    armOpacityStep(p, snap, OpacityStep::backToOpening);
    p.controls.setVisible(startupPicture, true);
    p.windows.move(WindowId::startup, snap.savedStartGeometry);
    p.windows.setBorder(WindowId::startup, Border::fixedSingle);
    setMenusOfOpeningScreen(p.menus, true);
    p.windows.setFreeDrag(WindowId::startup, false);
    checkWindowedMode(p.menus);
    snap.snapKeyState = SnapKeyState::ignoringKeys;
    p.timers.setInterval(followPointerClock, 0);
}

void finishKeyDown(Platform& p)
{
    const Geometry g = p.windows.geometry(WindowId::startup);
    const Geometry opening = scaled(windowDesign(WindowId::startup).geometry, p.windows.dpi(WindowId::startup));
    if (g.width == opening.width && g.height == opening.height) {
        p.canvas.clear();
        p.controls.setVisible(startupPicture, true);
    }
    p.windows.setTitle(WindowId::startup, texts::windowTitle);
    setHintMenus(p.menus, false);
}

void takeOpacityStep(Platform& p, SmartSnapState& snap, Overlay& overlay, int alpha)
{
    overlay.setOverlayOpacity(alpha);
    snap.opacityStep = OpacityStep::none;
    p.timers.setInterval(opacityStepClock, 0);
}

}  // namespace

void prepareOpeningScreen(Platform& p, SmartSnapState& snap, Overlay& overlay)
{
    snap.snapKeyState = SnapKeyState::ignoringKeys;
    snap.opacityStep = OpacityStep::none;
    snap.random.seed(p.desktop.tickCount());
    const WindowHandle window = p.windows.handle(WindowId::startup);
    p.desktop.setExtendedStyle(window, p.desktop.extendedStyle(window) | exstyle::layered);
    overlay.setOverlayOpacity(openingAlpha);
}

void startSmartSnap(Platform& p, SmartSnapState& snap, Overlay& overlay)
{
    snap.savedStartGeometry = p.windows.geometry(WindowId::startup);
    p.windows.setFreeDrag(WindowId::startup, true);
    snap.snapHeldByUser = false;
    overlay.tint().target = 0;
    armOpacityStep(p, snap, OpacityStep::snapStarted);
    p.windows.setBorder(WindowId::startup, Border::none);
    setMenusOfOpeningScreen(p.menus, false);
    snap.snapKeyState = SnapKeyState::awaitingKey;
    p.timers.setInterval(followPointerClock, followPointerInterval);
    setHintMenus(p.menus, true);
    p.controls.setVisible(startupPicture, false);

    std::uniform_int_distribution<int> component(0, 255);
    const int r = component(snap.random);
    const int g = component(snap.random);
    const int b = component(snap.random);
    overlay.paintTint(rgb(r, g, b));
}

void followPointerTick(Platform& p, SmartSnapState& snap, Tint& tint)
{
    if (snap.snapKeyState != SnapKeyState::awaitingKey) return;

    // While the user drags the rectangle, and after the drop until the pointer leaves it,
    // the rectangle stays where the user put it.
    if (p.windows.isBeingDragged(WindowId::startup)) {
        snap.snapHeldByUser = true;
        tint.target = 0;
        return;
    }
    const Point pointer = p.desktop.cursorPosition();
    if (snap.snapHeldByUser) {
        if (contains(p.windows.geometry(WindowId::startup), pointer)) return;
        snap.snapHeldByUser = false;
    }

    const WindowHandle under = p.desktop.windowAtPoint(pointer);
    if (auto rect = coveredRect(p.desktop, under, p.desktop.topLevelWindow(under) == under)) {
        snap.targetRect = *rect;
        tint.target = under;
    }
    p.windows.move(WindowId::startup, geometryOf(snap.targetRect));
}

void onStartupKeyDown(Platform& p, SmartSnapState& snap, Overlay& overlay, Tints& tints, int virtualKey)
{
    if (snap.snapKeyState != SnapKeyState::awaitingKey) return;
    if (virtualKey == vk::backspace || virtualKey == vk::escape)
        returnToOpeningScreen(p, snap);
    else
        lockTarget(p, snap, overlay, tints);
    finishKeyDown(p);
}

void opacityStepTick(Platform& p, SmartSnapState& snap, Overlay& overlay)
{
    switch (snap.opacityStep) {
        case OpacityStep::backToOpening: takeOpacityStep(p, snap, overlay, openingAlpha); break;
        case OpacityStep::snapStarted: takeOpacityStep(p, snap, overlay, snapAlpha); break;
        // The lock has settled: from now on the overlay shows the tint's own opacity, the console's A.
        case OpacityStep::afterLock: takeOpacityStep(p, snap, overlay, overlay.tint().alpha); break;
        case OpacityStep::none: break;
    }
}

}  // namespace tintora
