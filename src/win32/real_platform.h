#pragma once
// Every real backend, wired into the one Platform the behaviour is built on.
#include "platform/platform.h"
#include "win32/autostart.h"
#include "win32/canvas.h"
#include "win32/capture.h"
#include "win32/desktop.h"
#include "win32/encoder.h"
#include "win32/shell.h"
#include "win32/storage.h"
#include "win32/tint_windows.h"
#include "win32/ui_backend.h"
#include "win32/window_tree.h"

namespace tintora::win32 {

struct RealPlatform {
    // GDI+ stays started while the platform lives, so the encoders work from the first screenshot on.
    GdiplusSession gdiplus;
    Win32Canvas canvas;
    Win32Ui ui{[this](HWND parent) {
        canvas.attach(parent);
        return canvas.hwnd();
    }};
    Win32Desktop desktop;
    Win32WindowTree tree;
    Win32TintWindows tints;
    Win32Profile profile;
    Win32FileSystem files;
    Win32Process process;
    Win32Shell shell;
    Win32ScreenCapture capture;
    Win32ImageEncoder encoder;
    Win32Autostart autostart;
    Platform platform{ui,      ui,    ui,      ui,    ui.tray(), canvas,  desktop,      tree,     tints,
                      profile, files, process, shell, capture,   encoder, ui.hotkeys(), autostart};
};

}  // namespace tintora::win32
