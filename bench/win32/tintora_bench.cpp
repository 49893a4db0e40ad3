// Times Tintora's own work in its process, on the real backend, each sample right after a sample of
// its reference:
//   tintora_bench overlay SAMPLES
//       on the real start-up window snapped to the window under the pointer, the smart-snap tick
//       (reference: WindowFromPoint + GetWindowRect); then, locked there, the paint of one tint
//       until it is in the window (reference: the same in bare_paint's window, which must be
//       running; information: memset of the overlay's visible bytes)
//   tintora_bench reported SECONDS
//       locked on the window under the pointer as Config says (following, remembered tints), once
//       the system has reported another program's window in front: the process's CPU over the idle
//       time, in % of one core, printed as idle-reported (Wine reports nothing: the report is made
//       here as the system's would be)
//   tintora_bench screenshot LEFT TOP RIGHT BOTTOM SAMPLES
//       the grab of the region (reference: BitBlt alone into a kept bitmap), then one encoding per
//       format
// Prints one line per measurement: its name and its samples in milliseconds. Run it in a folder of
// its own: like Tintora, it makes Config and Images beside itself.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/tintora.h"
#include "overlay/overlay.h"
#include "overlay/smart_snap.h"
#include "overlay/topmost_keeper.h"
#include "win32/capture.h"
#include "win32/encoder.h"
#include "win32/handles.h"
#include "win32/real_platform.h"
#include "win32/system.h"

namespace tintora::win32 {
namespace {

using Samples = std::vector<double>;

template <typename Work>
double milliseconds(Work&& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void print(const std::string& name, const Samples& samples)
{
    std::printf("%s", name.c_str());
    for (double s : samples) std::printf(" %.4f", s);
    std::printf("\n");
}

// Dispatches what the windows have queued, for a while, as the message loop between two events would.
void settle(Desktop& desktop, int ms)
{
    const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    do {
        desktop.processPendingEvents();
        Sleep(5);
    } while (static_cast<int>(end - GetTickCount()) > 0);
}

// The smart-snap tick, on the start-up window following the pointer.
void timeSnapTick(App& app, Desktop& desktop, int samples)
{
    POINT pointer{};
    GetCursorPos(&pointer);
    Samples tick, hitTest;
    for (int i = 0; i < samples; ++i) {
        hitTest.push_back(milliseconds([&] {
            RECT r{};
            GetWindowRect(WindowFromPoint(pointer), &r);
        }));
        tick.push_back(milliseconds([&] { followPointerTick(app.platform, app.state.snap, app.overlay.tint()); }));
        settle(desktop, 20);
    }
    print("snap-tick", tick);
    print("snap-reference", hitTest);
}

// The paint of one tint on the locked overlay: paintTint, then the WM_PAINT that brings it into the
// window. Each sample is taken right after one paint of the bare window, which times it itself.
void timeTintPaint(App& app, Desktop& desktop, int samples)
{
    const Size visible = app.platform.windows.clientSize(WindowId::startup);
    const HWND overlay = reinterpret_cast<HWND>(app.platform.windows.handle(WindowId::startup));
    const HWND bare = FindWindowW(L"BarePaint", nullptr);
    if (!bare) std::fprintf(stderr, "tintora_bench: bare_paint's window was not found\n");
    std::vector<std::uint32_t> reference(static_cast<std::size_t>(visible.width) * visible.height);
    Samples fill, paint, barePaint, memsetVisible;
    for (int i = 0; i < samples; ++i) {
        memsetVisible.push_back(
            milliseconds([&] { std::memset(reference.data(), i & 0xFF, reference.size() * sizeof(std::uint32_t)); }));
        if (bare) barePaint.push_back(static_cast<double>(SendMessageW(bare, WM_APP, i, 0)) / 1e6);
        const auto start = std::chrono::steady_clock::now();
        fill.push_back(milliseconds([&] { app.overlay.paintTint(rgb(i & 0xFF, 128, 255 - (i & 0xFF))); }));
        UpdateWindow(overlay);
        paint.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        settle(desktop, 20);
    }
    volatile std::uint32_t keep = reference[reference.size() / 2];
    (void)keep;
    std::printf("overlay %d %d\n", visible.width, visible.height);
    print("paint", paint);
    print("paint-tint", fill);
    if (bare) print("paint-bare", barePaint);
    print("paint-memset", memsetVisible);
}

int overlay(int samples)
{
    RealPlatform backend;
    Win32Ui& ui = backend.ui;
    Win32Desktop& desktop = backend.desktop;
    Tintora tintora(backend.platform);
    ui.connect(tintora);
    tintora.start();
    ui.createStartupWindow();
    App& app = tintora.app();

    startSmartSnap(app.platform, app.state.snap, app.overlay);
    followPointerTick(app.platform, app.state.snap, app.overlay.tint());
    settle(desktop, 500);
    timeSnapTick(app, desktop, samples);

    // A key locks the overlay and opens the console, whose modal loop runs until the program ends:
    // the paint is timed from a timer inside that loop, once the console has settled.
    unsigned timer = 0;
    timer = desktop
                .startCallbackTimer(500,
                                    [&] {
                                        desktop.killCallbackTimer(timer);
                                        timeTintPaint(app, desktop, samples);
                                        PostQuitMessage(0);
                                    })
                .id;
    onStartupKeyDown(app.platform, app.state.snap, app.overlay, app.tints, 'A');
    return 0;
}

// Waits for messages and dispatches them, for a while, as the message loop does when nothing happens.
void idle(Desktop& desktop, int ms)
{
    const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    for (int left = ms; left > 0; left = static_cast<int>(end - GetTickCount())) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left), QS_ALLINPUT);
        desktop.processPendingEvents();
    }
}

// User and kernel time of this process, in milliseconds.
double processMilliseconds()
{
    FILETIME created{}, exited{}, kernel{}, user{};
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto ms = [](FILETIME t) { return ((ULONGLONG(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e4; };
    return ms(kernel) + ms(user);
}

int idleAfterReport(int seconds)
{
    RealPlatform backend;
    Tintora tintora(backend.platform);
    backend.ui.connect(tintora);
    tintora.start();
    backend.ui.createStartupWindow();
    App& app = tintora.app();
    startSmartSnap(app.platform, app.state.snap, app.overlay);
    followPointerTick(app.platform, app.state.snap, app.overlay.tint());
    settle(backend.desktop, 500);
    // Inside the console's modal loop: the report, a few seconds for the clocks to settle, then the
    // idle time.
    unsigned timer = 0;
    timer = backend.desktop
                .startCallbackTimer(500,
                                    [&] {
                                        backend.desktop.killCallbackTimer(timer);
                                        app.keeper.foregroundChangeReported();
                                        idle(backend.desktop, 3000);
                                        const double before = processMilliseconds();
                                        const DWORD start = GetTickCount();
                                        idle(backend.desktop, seconds * 1000);
                                        std::printf("idle-reported %.3f\n",
                                                    100 * (processMilliseconds() - before) / (GetTickCount() - start));
                                        PostQuitMessage(0);
                                    })
                .id;
    onStartupKeyDown(app.platform, app.state.snap, app.overlay, app.tints, 'A');
    return 0;
}

// BitBlt of the region from the screen into a 32-bit bitmap, as the grab does it, and nothing else:
// the bitmap and the screen's DC are made (and the bitmap's pages touched) once, before the samples.
class BitBltAlone {
public:
    explicit BitBltAlone(const ScreenRect& r)
        : r_(r),
          info_(topDownBitmapInfo(r.right - r.left, r.bottom - r.top)),
          screen_(nullptr),
          memory_(CreateCompatibleDC(screen_.get())),
          bitmap_(CreateDIBSection(screen_.get(), &info_, DIB_RGB_COLORS, &bits_, nullptr, 0)),
          selected_(memory_.get(), bitmap_.get())
    {
        copy();
    }
    double sample()
    {
        return milliseconds([&] { copy(); });
    }

private:
    void copy()
    {
        BitBlt(memory_.get(), 0, 0, r_.right - r_.left, r_.bottom - r_.top, screen_.get(), r_.left, r_.top,
               SRCCOPY | CAPTUREBLT);
        GdiFlush();
    }

    ScreenRect r_;
    BITMAPINFO info_;
    WindowDc screen_;
    MemoryDc memory_;
    void* bits_ = nullptr;
    GdiObject<HBITMAP> bitmap_;
    SelectedObject selected_;
};

int screenshot(const ScreenRect& r, int samples)
{
    GdiplusSession gdiplus;
    Win32ScreenCapture capture;
    Win32ImageEncoder encoder;
    const struct {
        ImageFormat format;
        const char* name;
    } formats[] = {
        {ImageFormat::bmp, "bmp"}, {ImageFormat::jpeg, "jpeg"}, {ImageFormat::gif, "gif"}, {ImageFormat::png, "png"}};
    // The encoders are loaded on their first use, as in Tintora's first screenshot; that is not timed.
    const Image small{8, 8, std::vector<std::uint32_t>(64, 0x336699)};
    for (const auto& f : formats) encoder.encode(small, f.format);

    // The capture keeps its surface between grabs of one size: the first grab, which makes it, is
    // timed apart.
    capture.flushScreen();
    ImageView image;
    const double first = milliseconds([&] { image = capture.grab(r); });
    BitBltAlone bitBlt(r);
    // What the grab adds to that BitBlt, alone as the grab does it: the monitor list, which tells
    // where the screen is and whether the kept screen DC still holds.
    Samples grab, reference, monitors;
    for (int i = 0; i < samples; ++i) {
        reference.push_back(bitBlt.sample());
        grab.push_back(milliseconds([&] { image = capture.grab(r); }));
        monitors.push_back(milliseconds([] { monitorRects(); }));
    }
    print("grab-first", {first});
    print("grab", grab);
    print("grab-reference", reference);
    print("grab-monitors", monitors);
    // One screenshot per format: the last grab, then its encoding.
    for (const auto& f : formats) {
        Bytes file;
        const double encode = milliseconds([&] { file = encoder.encode(image, f.format); });
        if (file.empty()) {
            std::fprintf(stderr, "tintora_bench: encoding %s failed\n", f.name);
            return 1;
        }
        print("encode-" + std::string(f.name), {encode});
        print("shot-" + std::string(f.name), {grab.back() + encode});
    }
    return 0;
}

}  // namespace
}  // namespace tintora::win32

int wmain(int argc, wchar_t** argv)
{
    using namespace tintora;
    const std::wstring mode = argc > 1 ? argv[1] : L"";
    if (mode == L"overlay" && argc == 3) return win32::overlay(std::max(1, _wtoi(argv[2])));
    if (mode == L"reported" && argc == 3) return win32::idleAfterReport(std::max(1, _wtoi(argv[2])));
    if (mode == L"screenshot" && argc == 7) {
        const ScreenRect r{_wtoi(argv[2]), _wtoi(argv[3]), _wtoi(argv[4]), _wtoi(argv[5])};
        if (r.right > r.left && r.bottom > r.top) return win32::screenshot(r, std::max(1, _wtoi(argv[6])));
    }
    std::fprintf(
        stderr, "usage: tintora_bench overlay SAMPLES | reported SECONDS | screenshot LEFT TOP RIGHT BOTTOM SAMPLES\n");
    return 2;
}
