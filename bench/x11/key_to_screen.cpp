// Times a real key press to its first visible effect on the X display:
//   key_to_screen KEY RESET_KEY X Y WIDTH HEIGHT
// Waits until the region of the root window is still, presses KEY through the XTEST extension (as a
// keyboard would, to the window with the input focus), polls the region until it differs and prints
// the time from the press in milliseconds. Then RESET_KEY puts the region back as it was (untimed).
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// Between two looks at the screen: fine enough for millisecond latencies, and leaves the CPU to
// the programs being measured.
constexpr auto pollInterval = 200us;
constexpr auto stillFor = 100ms;
constexpr auto deadline = 5s;

struct ScreenArea {
    int x, y, width, height;
};

struct CloseDisplay {
    void operator()(Display* d) const { XCloseDisplay(d); }
};

std::vector<char> pixels(Display* display, const ScreenArea& r)
{
    XImage* image = XGetImage(display, DefaultRootWindow(display), r.x, r.y, r.width, r.height, AllPlanes, ZPixmap);
    if (!image) return {};
    std::vector<char> copy(image->data, image->data + static_cast<std::size_t>(image->bytes_per_line) * image->height);
    XDestroyImage(image);
    return copy;
}

// Waits until the region has not changed for a while and returns it; empty on time-out.
std::vector<char> stillPixels(Display* display, const ScreenArea& r)
{
    const auto end = Clock::now() + deadline;
    std::vector<char> seen = pixels(display, r);
    auto since = Clock::now();
    while (Clock::now() < end) {
        std::this_thread::sleep_for(pollInterval);
        std::vector<char> now = pixels(display, r);
        if (now != seen) {
            seen = std::move(now);
            since = Clock::now();
        } else if (Clock::now() - since >= stillFor) {
            return seen;
        }
    }
    return {};
}

bool pressKey(Display* display, KeyCode code, bool down)
{
    const bool sent = XTestFakeKeyEvent(display, code, down ? True : False, CurrentTime);
    XFlush(display);
    return sent;
}

// Presses the key and waits until the region is no longer `before` (or, with `until`, is `until`).
// Returns the time from the press, or a negative value on time-out.
double pressAndWait(Display* display, KeyCode code, const ScreenArea& r, const std::vector<char>& before,
                    const std::vector<char>* until)
{
    const auto start = Clock::now();
    pressKey(display, code, true);
    double elapsed = -1;
    while (Clock::now() - start < deadline) {
        const std::vector<char> now = pixels(display, r);
        if (until ? now == *until : now != before) {
            elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            break;
        }
        std::this_thread::sleep_for(pollInterval);
    }
    pressKey(display, code, false);
    return elapsed;
}

KeyCode keyCode(Display* display, const char* name)
{
    const KeySym symbol = XStringToKeysym(name);
    return symbol == NoSymbol ? 0 : XKeysymToKeycode(display, symbol);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 7) {
        std::fprintf(stderr, "usage: key_to_screen KEY RESET_KEY X Y WIDTH HEIGHT\n");
        return 2;
    }
    const std::unique_ptr<Display, CloseDisplay> display(XOpenDisplay(nullptr));
    if (!display) {
        std::fprintf(stderr, "key_to_screen: cannot open the display\n");
        return 1;
    }
    int event = 0, error = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(display.get(), &event, &error, &major, &minor)) {
        std::fprintf(stderr, "key_to_screen: the display has no XTEST extension\n");
        return 1;
    }
    const KeyCode key = keyCode(display.get(), argv[1]);
    const KeyCode reset = keyCode(display.get(), argv[2]);
    if (!key || !reset) {
        std::fprintf(stderr, "key_to_screen: unknown key %s or %s\n", argv[1], argv[2]);
        return 2;
    }
    const ScreenArea region{std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6])};

    const std::vector<char> before = stillPixels(display.get(), region);
    if (before.empty()) {
        std::fprintf(stderr, "key_to_screen: the region never kept still\n");
        return 1;
    }
    const double elapsed = pressAndWait(display.get(), key, region, before, nullptr);
    if (elapsed < 0) {
        std::fprintf(stderr, "key_to_screen: %s changed nothing in the region\n", argv[1]);
        return 1;
    }
    // The next measurement starts from the same picture.
    stillPixels(display.get(), region);
    if (pressAndWait(display.get(), reset, region, before, &before) < 0) {
        std::fprintf(stderr, "key_to_screen: %s did not bring the region back\n", argv[2]);
        return 1;
    }
    std::printf("%.3f\n", elapsed);
    return 0;
}
