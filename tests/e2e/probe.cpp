// Reads window state from outside the program under test, as another process on the desktop.
//   probe windows            every visible top-level window: handle, class, title, rect,
//                            client area (screen x y, width height), styles, layered attributes
//   probe children HWND      the window's child windows, with trackbar positions
//   probe slider HWND        a trackbar's position
//   probe foreground         the foreground window's handle
//   probe text HWND          the text a window gives on WM_GETTEXT (a tooltip: the tip it shows)
//   probe focus              the handle of the window with the keyboard focus
//   probe move HWND X Y W H  places a window, as a user dragging it would
//   probe monitors           every monitor: rect "l t r b", "primary" or "-", and the system's DPI
//   probe syscommand HWND minimize|restore|close
//                            what the window's caption buttons do
//   probe hold MODS VK ...   registers each system-wide hotkey (MOD_* and virtual key, in hex) as
//                            another program would, prints "held" or "taken" for each, and keeps
//                            them until it is ended
//   probe trayicon HWND add|delete
//                            adds or deletes the window's tray icon (id 1) in the shell's place
//   probe taskbarcreated     broadcasts what a shell that starts again broadcasts
// Handles are printed and taken in hexadecimal.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string utf8(const wchar_t* text)
{
    const int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(n > 0 ? n - 1 : 0, '\0');
    if (n > 1) WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), n, nullptr, nullptr);
    return out;
}

void printWindow(HWND w)
{
    wchar_t className[256] = {};
    wchar_t title[512] = {};
    GetClassNameW(w, className, 256);
    GetWindowTextW(w, title, 512);
    RECT r{};
    GetWindowRect(w, &r);
    RECT client{};
    GetClientRect(w, &client);
    POINT origin{};
    ClientToScreen(w, &origin);
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    const LONG exStyle = GetWindowLongW(w, GWL_EXSTYLE);
    const BOOL layered = (exStyle & WS_EX_LAYERED) && GetLayeredWindowAttributes(w, &key, &alpha, &flags);
    std::printf(
        "%lx\t%s\t%s\t%ld %ld %ld %ld\tclient %ld %ld %ld %ld\tstyle %lx\texstyle %lx\tlayered %d %06lx %u %lx\t"
        "visible %d\tenabled %d\n",
        static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(w)), utf8(className).c_str(), utf8(title).c_str(), r.left,
        r.top, r.right, r.bottom, origin.x, origin.y, client.right, client.bottom,
        static_cast<unsigned long>(GetWindowLongW(w, GWL_STYLE)), static_cast<unsigned long>(exStyle), layered ? 1 : 0,
        static_cast<unsigned long>(key), alpha, static_cast<unsigned long>(flags), IsWindowVisible(w) ? 1 : 0,
        IsWindowEnabled(w) ? 1 : 0);
}

BOOL CALLBACK printTopLevel(HWND w, LPARAM)
{
    if (IsWindowVisible(w)) printWindow(w);
    return TRUE;
}

BOOL CALLBACK printChild(HWND w, LPARAM)
{
    printWindow(w);
    wchar_t className[64] = {};
    GetClassNameW(w, className, 64);
    if (lstrcmpiW(className, TRACKBAR_CLASSW) == 0)
        std::printf("\tposition %ld\n", static_cast<long>(SendMessageW(w, TBM_GETPOS, 0, 0)));
    return TRUE;
}

BOOL CALLBACK printMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM)
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(monitor, &info);
    const RECT& r = info.rcMonitor;
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    std::printf("%ld %ld %ld %ld\t%s\t%d\n", r.left, r.top, r.right, r.bottom,
                (info.dwFlags & MONITORINFOF_PRIMARY) ? "primary" : "-", dpi);
    return TRUE;
}

HWND parseHandle(const char* text) { return reinterpret_cast<HWND>(std::strtoul(text, nullptr, 16)); }

}  // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "windows") {
        EnumWindows(printTopLevel, 0);
    } else if (command == "children" && argc > 2) {
        EnumChildWindows(parseHandle(argv[2]), printChild, 0);
    } else if (command == "slider" && argc > 2) {
        std::printf("%ld\n", static_cast<long>(SendMessageW(parseHandle(argv[2]), TBM_GETPOS, 0, 0)));
    } else if (command == "text" && argc > 2) {
        wchar_t text[1024] = {};
        SendMessageTimeoutW(parseHandle(argv[2]), WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                            2000, nullptr);
        std::printf("%s\n", utf8(text).c_str());
    } else if (command == "foreground") {
        std::printf("%lx\n", static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(GetForegroundWindow())));
    } else if (command == "monitors") {
        EnumDisplayMonitors(nullptr, nullptr, printMonitor, 0);
    } else if (command == "focus") {
        GUITHREADINFO info{sizeof info};
        GetGUIThreadInfo(GetWindowThreadProcessId(GetForegroundWindow(), nullptr), &info);
        std::printf("%lx\n", static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(info.hwndFocus)));
    } else if (command == "move" && argc > 6) {
        SetWindowPos(parseHandle(argv[2]), nullptr, std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]),
                     std::atoi(argv[6]), SWP_NOZORDER | SWP_NOACTIVATE);
    } else if (command == "syscommand" && argc > 3) {
        const std::string action = argv[3];
        const WPARAM sc = action == "minimize" ? SC_MINIMIZE : action == "restore" ? SC_RESTORE : SC_CLOSE;
        PostMessageW(parseHandle(argv[2]), WM_SYSCOMMAND, sc, 0);
    } else if (command == "hold" && argc > 3 && argc % 2 == 0) {
        for (int i = 2; i + 1 < argc; i += 2) {
            const auto modifiers = static_cast<UINT>(std::strtoul(argv[i], nullptr, 16));
            const auto key = static_cast<UINT>(std::strtoul(argv[i + 1], nullptr, 16));
            std::printf("%s\n", RegisterHotKey(nullptr, i, modifiers, key) ? "held" : "taken");
        }
        std::fflush(stdout);
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        }
    } else if (command == "trayicon" && argc > 3) {
        NOTIFYICONDATAW icon{};
        icon.cbSize = sizeof icon;
        icon.hWnd = parseHandle(argv[2]);
        icon.uID = 1;
        icon.uFlags = NIF_TIP;
        const bool done = Shell_NotifyIconW(std::string(argv[3]) == "add" ? NIM_ADD : NIM_DELETE, &icon);
        std::printf("%s\n", done ? "ok" : "failed");
    } else if (command == "taskbarcreated") {
        SendNotifyMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    } else {
        std::fprintf(stderr,
                     "usage: probe windows | children HWND | slider HWND | text HWND | foreground | focus | "
                     "move HWND X Y W H | monitors | syscommand HWND minimize|restore|close | hold MODS VK ... | "
                     "trayicon HWND add|delete | taskbarcreated\n");
        return 2;
    }
    return 0;
}
