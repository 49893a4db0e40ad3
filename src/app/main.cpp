// The Windows entry: builds the real platform, the behaviour on top of it, and runs the message loop;
// a start while Tintora runs brings the running one forward instead.
#include <windows.h>

#include "app/tintora.h"
#include "win32/real_platform.h"
#include "win32/single_instance.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    using namespace tintora;

    const win32::SingleInstance instance;
    if (!instance.isFirst()) {
        win32::bringRunningInstanceForward();
        return 0;
    }
    win32::RealPlatform backend;
    Tintora app(backend.platform);
    backend.ui.connect(app);
    app.start();
    backend.ui.createStartupWindow();
    return backend.ui.run();
}
