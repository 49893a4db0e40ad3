// The Windows entry: builds the real platform, the behaviour on top of it, and runs the message loop.
#include <windows.h>

#include "app/tintora.h"
#include "win32/real_platform.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    using namespace tintora;

    win32::RealPlatform backend;
    Tintora app(backend.platform);
    backend.ui.connect(app);
    app.start();
    backend.ui.createStartupWindow();
    return backend.ui.run();
}
