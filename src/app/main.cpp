// The Windows entry: builds the real platform, the behaviour on top of it, and runs the message loop.
#include <windows.h>

#include "app/tintora.h"
#include "win32/canvas.h"
#include "win32/capture.h"
#include "win32/desktop.h"
#include "win32/encoder.h"
#include "win32/shell.h"
#include "win32/storage.h"
#include "win32/ui_backend.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    using namespace tintora;
    using namespace tintora::win32;

    // GDI+ stays started for the whole run, so the encoders work from the first screenshot on.
    GdiplusSession gdiplus;
    Win32Canvas canvas;
    Win32Ui ui([&canvas](HWND parent) {
        canvas.attach(parent);
        return canvas.hwnd();
    });
    Win32Desktop desktop;
    Win32Profile profile;
    Win32FileSystem files;
    Win32Process process;
    Win32Shell shell;
    Win32ScreenCapture capture;
    Win32ImageEncoder encoder;
    Platform platform{ui, ui, ui, ui, ui.tray(), canvas, desktop, profile, files, process, shell, capture, encoder};

    Tintora app(platform);
    ui.connect(app);
    app.start();
    ui.createStartupWindow();
    return ui.run();
}
