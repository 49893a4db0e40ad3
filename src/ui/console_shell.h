#pragma once
// The console window and the tray: the console's layout at creation, tray mode and the start
// options; Tintora without the console (the opening screen hidden in the tray at a quiet start), the
// tray icon's menu and the start with Windows it offers.
#include "core/clock.h"
#include "core/notice.h"
#include "core/settings.h"
#include "overlay/overlay.h"
#include "platform/events.h"

namespace tintora {

// Where the console is once it has opened; kept in Start.ini as 0 and 1.
enum class ConsoleStart { shown = 0, inTray = 1 };
// Where the console is: on the screen; on the screen while hiding it waits for the shell to take its
// tray icon; or off the screen with its tray icon.
enum class ConsolePlace { onScreen, awaitingTray, inTray };
// The opening screen: shown; or hidden at a quiet start, its tray icon still awaited from the shell
// or standing for it.
enum class OpeningPlace { shown, hiddenAwaitingIcon, hiddenInTray };

// Places the console's rows by the widths of their controls and sizes the console to hold them;
// centred on the screen, or where it is.
void layOutConsole(Platform& p, bool centred);
// Tintora starts with Windows: the Run value starts this program and Task Manager's Startup tab
// or Settings have not disabled it.
bool startsWithWindows(const Autostart& autostart);
// The tray icon's menu at the icon, its "开机时启动" checked as the system holds it.
void showTrayMenu(Platform& p, WindowId owner);

class ConsoleShell {
public:
    // Keeps the console on top, above the tints.
    ConsoleShell(Platform& p, Settings& settings, Notices& notices, TopmostKeeper& keeper, const Overlay& overlay);

    // The console's creation: laid out, and hidden to the tray where Start.ini asks for it.
    void onConsoleCreated();
    void hideConsoleToTray();
    // Where a notice's balloon points: at the console's bottom edge, or at the tray while neither the
    // console nor the opening screen is on the screen.
    Point noticeAnchor() const;
    void onConsoleTrayEvent(TrayEvent event);
    // The console back on the screen, out of the tray if it is there, and active; before the lock
    // only a quiet start's opening screen comes out of the tray.
    void bringConsoleBack();
    // A second start or "显示": the console comes forward (out of the tray), or the start-up window
    // before there is one.
    void bringForward();
    // The shell's notification area is there: finishes hiding to the tray, and adds the quiet start's
    // icon, when the shell had not taken them.
    void onTrayCreated(WindowId w);
    // The menu's choice of where the console is after the next lock, kept in Start.ini.
    [[nodiscard]] Outcome chooseConsoleStart(ConsoleStart mode);

    // Hides the opening screen and lets a tray icon stand for it; remembered tints go on, kept on top.
    void hideOpeningScreenToTray();
    void onOpeningTrayEvent(TrayEvent event);
    // "开机时启动": on, a quiet start of this program, not disabled; or off, the Run value and its
    // disabled state gone. A failure is told with the system's reason.
    void toggleStartWithWindows();
    // The tray icons go (Tintora ends), an icon a timed-out add may have left too.
    void removeTrayIcons();

private:
    void restoreConsole();
    void showOpeningScreen();
    void showOpeningIcon();
    void tryAwaitedTrayIcons();
    void retryTrayIconsAfter(int delay);
    void retryTrayIcons();
    bool trayIconAwaited() const;

    Platform& p_;
    Settings& settings_;
    Notices& notices_;
    TopmostKeeper& keeper_;
    const Overlay& overlay_;
    int savedConsoleLeft_ = 0;
    ConsolePlace consolePlace_ = ConsolePlace::onScreen;
    OpeningPlace openingPlace_ = OpeningPlace::shown;
    // At log-on the shell often times out while its notification area exists, and then tells of no
    // new area: an icon it did not take is tried again on this clock, less often each time, for two
    // minutes from the first refusal.
    Clock trayRetry_;
    int trayRetryElapsed_ = 0;  // milliseconds since the clock started
};

}  // namespace tintora
