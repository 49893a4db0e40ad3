#pragma once
// Everything the behaviour reaches of the outside world, passed in by reference.
#include "platform/autostart.h"
#include "platform/canvas.h"
#include "platform/capture.h"
#include "platform/desktop.h"
#include "platform/hotkeys.h"
#include "platform/shell.h"
#include "platform/storage.h"
#include "platform/tint_windows.h"
#include "platform/ui.h"
#include "platform/window_tree.h"

namespace tintora {

struct Platform {
    Windows& windows;
    Controls& controls;
    Menus& menus;
    Timers& timers;
    Tray& tray;
    Canvas& canvas;
    Desktop& desktop;
    WindowTree& tree;
    TintWindows& tints;
    Profile& profile;
    FileSystem& files;
    Process& process;
    Shell& shell;
    ScreenCapture& capture;
    ImageEncoder& encoder;
    Hotkeys& hotkeys;
    Autostart& autostart;
};

}  // namespace tintora
