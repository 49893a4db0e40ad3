// Screen capture on the real screen: exact crop with corners, black outside the screens, the
// console-out-of-the-way flush, the clipboard left alone, no GDI objects left behind.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <utility>

#include "win32/capture.h"
#include "win32/encoder.h"
#include "win32/handles.h"

namespace tintora::win32 {
namespace {

struct GlobalDeleter {
    void operator()(HGLOBAL h) const { GlobalFree(h); }
};

// Locks a movable global memory block (for example clipboard data) while in scope.
class LockedGlobal {
public:
    explicit LockedGlobal(HGLOBAL memory) : memory_(memory), data_(::GlobalLock(memory)) {}
    ~LockedGlobal()
    {
        if (data_) GlobalUnlock(memory_);
    }
    LockedGlobal(const LockedGlobal&) = delete;
    LockedGlobal& operator=(const LockedGlobal&) = delete;
    void* data() const { return data_; }
    explicit operator bool() const { return data_ != nullptr; }

private:
    HGLOBAL memory_;
    void* data_;
};

// A global memory block, freed unless released to a new owner (for example the clipboard).
using GlobalMemory = std::unique_ptr<std::remove_pointer_t<HGLOBAL>, GlobalDeleter>;

constexpr int patternWidth = 200;
constexpr int patternHeight = 150;

// Four quadrants, one-pixel edges of their own colours and four corner pixels of theirs, so a
// crop shifted or cut by one pixel on any side shows.
std::uint32_t patternPixel(int x, int y)
{
    const bool left = x == 0;
    const bool right = x == patternWidth - 1;
    const bool top = y == 0;
    const bool bottom = y == patternHeight - 1;
    if (top && left) return 0x102030;
    if (top && right) return 0x405060;
    if (bottom && left) return 0x708090;
    if (bottom && right) return 0xA0B0C0;
    if (top) return 0xFFFFFF;
    if (bottom) return 0x00FFFF;
    if (left) return 0xFF00FF;
    if (right) return 0x808000;
    const bool upper = y < patternHeight / 2;
    const bool leftHalf = x < patternWidth / 2;
    return upper ? (leftHalf ? 0xFF0000 : 0x00FF00) : (leftHalf ? 0x0000FF : 0xFFFF00);
}

const std::vector<std::uint32_t>& patternPixels()
{
    static const std::vector<std::uint32_t> pixels = [] {
        std::vector<std::uint32_t> p;
        for (int y = 0; y < patternHeight; ++y)
            for (int x = 0; x < patternWidth; ++x) p.push_back(patternPixel(x, y));
        return p;
    }();
    return pixels;
}

// Paints the pattern, or one colour when the window's user data holds colour + 1.
LRESULT CALLBACK patternProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ERASEBKGND) return 1;
    if (message != WM_PAINT) return DefWindowProcW(window, message, wParam, lParam);
    const PaintDc paint(window);
    if (const auto solid = GetWindowLongPtrW(window, GWLP_USERDATA)) {
        const GdiObject<HBRUSH> brush(CreateSolidBrush(static_cast<COLORREF>(solid - 1)));
        FillRect(paint.get(), &paint.area(), brush.get());
        return 0;
    }
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), patternWidth, -patternHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    SetDIBitsToDevice(paint.get(), 0, 0, patternWidth, patternHeight, 0, 0, 0, patternHeight, patternPixels().data(),
                      &info, DIB_RGB_COLORS);
    return 0;
}

const wchar_t* patternClass()
{
    static const wchar_t* name = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = patternProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TintoraCaptureTestPattern";
        RegisterClassW(&wc);
        return wc.lpszClassName;
    }();
    return name;
}

// A topmost popup at a screen position; solid windows are painted in one COLORREF.
OwnedWindow showWindow(int left, int top, int width, int height, std::optional<COLORREF> solid = {})
{
    OwnedWindow window(CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, patternClass(), L"",
                                       WS_POPUP, left, top, width, height, nullptr, nullptr, GetModuleHandleW(nullptr),
                                       nullptr));
    if (solid) SetWindowLongPtrW(window.get(), GWLP_USERDATA, static_cast<LONG_PTR>(*solid) + 1);
    SetWindowPos(window.get(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    UpdateWindow(window.get());
    return window;
}

void dispatchPending()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

// Dispatches messages until the condition holds or a few seconds have passed.
bool waitUntil(const std::function<bool()>& condition)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        dispatchPending();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

ScreenRect rectOf(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

// Waits until the pattern window at (left, top) is on the screen.
::testing::AssertionResult patternShown(Win32ScreenCapture& capture, int left, int top)
{
    Image seen;
    const ScreenRect r = rectOf(left, top, patternWidth, patternHeight);
    if (waitUntil([&] { return (seen = capture.grab(r)).pixels == patternPixels(); }))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pattern at " << left << "," << top << " not on the screen; " << seen.width
                                         << "x" << seen.height << " seen";
}

struct CropCase {
    const char* name;
    // Where the pattern window goes, and the rectangle grabbed, relative to the screen's corners.
    bool windowAtBottomRight;
    int rectLeft, rectTop, rectWidth, rectHeight;
};

// Rectangles relative to the window's corner: exact, and reaching past each edge of the screen.
const CropCase cropCases[] = {
    {"ExactWindow", false, 0, 0, patternWidth, patternHeight},
    {"PastTopLeftOfScreen", false, -30, -20, patternWidth, patternHeight},
    {"PastBottomRightOfScreen", true, 100, 75, patternWidth, patternHeight},
    {"EntirelyOffScreen", false, -600, -500, 300, 200},
};

void PrintTo(const CropCase& c, std::ostream* out) { *out << c.name; }

class CaptureCrop : public ::testing::TestWithParam<CropCase> {};

TEST_P(CaptureCrop, HasTheRectanglesSizeWithScreenPixelsInsideAndBlackOutside)
{
    const CropCase& c = GetParam();
    const int screenWidth = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    // Away from the screen's edges unless the case wants one; the top-left corner is (0, 0).
    const int windowLeft = c.windowAtBottomRight ? screenWidth - patternWidth : (c.rectLeft < 0 ? 0 : 300);
    const int windowTop = c.windowAtBottomRight ? screenHeight - patternHeight : (c.rectTop < 0 ? 0 : 200);
    Win32ScreenCapture capture;
    const OwnedWindow window = showWindow(windowLeft, windowTop, patternWidth, patternHeight);
    ASSERT_TRUE(patternShown(capture, windowLeft, windowTop));

    const ScreenRect r = rectOf(windowLeft + c.rectLeft, windowTop + c.rectTop, c.rectWidth, c.rectHeight);
    const Image image = capture.grab(r);
    ASSERT_EQ(image.width, c.rectWidth);
    ASSERT_EQ(image.height, c.rectHeight);
    ASSERT_EQ(image.pixels.size(), static_cast<std::size_t>(c.rectWidth * c.rectHeight));
    int checked = 0;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const int sx = r.left + x;
            const int sy = r.top + y;
            const std::uint32_t got = image.pixels[y * image.width + x];
            if (sx < 0 || sy < 0 || sx >= screenWidth || sy >= screenHeight) {
                ASSERT_EQ(got, 0u) << "off-screen pixel " << sx << "," << sy;
                ++checked;
            } else if (sx >= windowLeft && sx < windowLeft + patternWidth && sy >= windowTop &&
                       sy < windowTop + patternHeight) {
                ASSERT_EQ(got, patternPixel(sx - windowLeft, sy - windowTop)) << "window pixel " << sx << "," << sy;
                ++checked;
            }
        }
    EXPECT_GT(checked, c.rectWidth * c.rectHeight / 2);
}

INSTANTIATE_TEST_SUITE_P(Rectangles, CaptureCrop, ::testing::ValuesIn(cropCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The capture keeps its bitmap between grabs of one size: grabs of other sizes, one of them with the
// same number of pixels in another shape and one as wide but taller, each get their own rows.
TEST(Capture, SuccessiveGrabsOfOtherSizesEachShowTheirOwnPixels)
{
    constexpr int left = 300;
    constexpr int top = 200;
    Win32ScreenCapture capture;
    const OwnedWindow window = showWindow(left, top, patternWidth, patternHeight);
    ASSERT_TRUE(patternShown(capture, left, top));
    for (const auto [width, height] :
         {std::pair{100, 150}, std::pair{150, 100}, std::pair{7, 3}, std::pair{200, 100}, std::pair{200, 150}}) {
        const Image& image = capture.grab(rectOf(left, top, width, height));
        ASSERT_EQ(image.width, width);
        ASSERT_EQ(image.height, height);
        ASSERT_EQ(image.pixels.size(), static_cast<std::size_t>(width * height));
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                ASSERT_EQ(image.pixels[y * width + x], patternPixel(x, y))
                    << width << "x" << height << " at " << x << "," << y;
    }
}

TEST(Capture, EmptyOrImpossibleRectangleGivesEmptyImage)
{
    Win32ScreenCapture capture;
    const ScreenRect huge{-2'000'000'000, -2'000'000'000, 2'000'000'000, 2'000'000'000};
    for (const ScreenRect r :
         {ScreenRect{10, 10, 10, 50}, ScreenRect{10, 10, 50, 10}, ScreenRect{50, 60, 10, 20}, huge}) {
        const Image image = capture.grab(r);
        EXPECT_TRUE(image.empty());
        EXPECT_TRUE(image.pixels.empty());
    }
}

// Run only on the test display with a 1920 x 1080 monitor left of the 1280 x 1024 primary: a window
// across both monitors and the gap below the primary, which lies on no monitor.
TEST(CaptureOnTwoMonitors, CopiesEachMonitorsPartAndLeavesTheGapBlack)
{
    ASSERT_EQ(GetSystemMetrics(SM_CMONITORS), 2);
    ASSERT_EQ(GetSystemMetrics(SM_XVIRTUALSCREEN), -1920);
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 1024);
    constexpr COLORREF solid = RGB(0x20, 0x40, 0xC0);
    const ScreenRect r = rectOf(-200, 900, 400, 300);
    Win32ScreenCapture capture;
    const OwnedWindow window = showWindow(r.left, r.top, r.right - r.left, r.bottom - r.top, solid);
    ASSERT_TRUE(waitUntil([&] { return capture.grab(rectOf(-10, 910, 20, 1)).pixels == std::vector(20, 0x2040C0u); }))
        << "the window is not on the screen";

    const Image image = capture.grab(r);
    ASSERT_EQ(image.width, 400);
    ASSERT_EQ(image.height, 300);
    const auto at = [&](int x, int y) { return image.pixels[(y - r.top) * image.width + (x - r.left)]; };
    for (int y = r.top; y < r.bottom; y += 7) {
        for (int x = r.left; x < r.right; x += 7) {
            const bool onLeftMonitor = x < 0 && y < 1080;
            const bool onPrimary = x >= 0 && y < 1024;
            ASSERT_EQ(at(x, y), onLeftMonitor || onPrimary ? 0x2040C0u : 0u) << x << "," << y;
        }
    }
}

// The caller moves the console off the screen; after flushScreen the very next grab no longer
// shows it.
TEST(Capture, FlushScreenShowsWhatAMovedWindowUncovered)
{
    constexpr int left = 300;
    constexpr int top = 200;
    Win32ScreenCapture capture;
    const OwnedWindow pattern = showWindow(left, top, patternWidth, patternHeight);
    const OwnedWindow console = showWindow(left + 20, top + 20, 120, 90, RGB(0x20, 0xC0, 0x60));
    for (int round = 0; round < 3; ++round) {
        SetWindowPos(console.get(), nullptr, left + 20, top + 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ASSERT_TRUE(waitUntil([&] {
            return capture.grab(rectOf(left + 30, top + 30, 1, 1)).pixels == std::vector<std::uint32_t>{0x20C060};
        })) << "the console did not appear";
        SetWindowPos(console.get(), nullptr, -1000, top + 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        capture.flushScreen();
        EXPECT_EQ(capture.grab(rectOf(left, top, patternWidth, patternHeight)).pixels, patternPixels())
            << "round " << round;
    }
}

std::wstring clipboardText()
{
    std::wstring text;
    if (!OpenClipboard(nullptr)) return L"<clipboard busy>";
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        const LockedGlobal locked(data);
        if (locked) text = static_cast<const wchar_t*>(locked.data());
    }
    CloseClipboard();
    return text;
}

// A screenshot neither reads nor changes the clipboard: text and bitmap stay, untouched.
TEST(Capture, ClipboardIsLeftAlone)
{
    const std::wstring text = L"Tintora 剪贴板";
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
    ASSERT_TRUE(memory);
    {
        const LockedGlobal locked(memory.get());
        std::memcpy(locked.data(), text.c_str(), bytes);
    }
    const WindowDc screen(nullptr);
    GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(screen.get(), 8, 8));
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    ASSERT_TRUE(SetClipboardData(CF_UNICODETEXT, memory.get()));
    memory.release();  // the clipboard owns it now
    const HANDLE bitmapOnClipboard = SetClipboardData(CF_BITMAP, bitmap.get());
    ASSERT_TRUE(bitmapOnClipboard);
    bitmap.release();
    CloseClipboard();
    const DWORD sequence = GetClipboardSequenceNumber();

    GdiplusSession session;
    Win32ScreenCapture capture;
    Win32ImageEncoder encoder;
    capture.flushScreen();
    EXPECT_FALSE(encoder.encode(capture.grab(rectOf(0, 0, 320, 240)), ImageFormat::png).empty());

    EXPECT_EQ(GetClipboardSequenceNumber(), sequence);
    EXPECT_EQ(clipboardText(), text);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_EQ(GetClipboardData(CF_BITMAP), bitmapOnClipboard);
    EmptyClipboard();
    CloseClipboard();
}

// Index of a new GDI object in the process's handle table. Freed slots are handed out again, so
// this stays put across work that frees everything it creates and grows when objects leak.
int highestFreshGdiSlot()
{
    std::vector<GdiObject<HBITMAP>> probes;
    int highest = 0;
    for (int i = 0; i < 64; ++i) {
        probes.emplace_back(CreateBitmap(1, 1, 1, 32, nullptr));
        highest = std::max(highest, static_cast<int>(LOWORD(reinterpret_cast<std::uintptr_t>(probes.back().get()))));
    }
    return highest;
}

// GetGuiResources counts GDI objects on Windows; Wine answers 0 (not implemented), so the
// handle-table slots are watched as well.
TEST(Capture, GrabAndEncodeLeaveNoGdiObjectsBehind)
{
    GdiplusSession session;
    Win32ScreenCapture capture;
    Win32ImageEncoder encoder;
    const ScreenRect r = rectOf(100, 100, 64, 48);
    const auto cycle = [&] { return encoder.encode(capture.grab(r), ImageFormat::png).size(); };
    cycle();
    const DWORD objectsBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const int slotBefore = highestFreshGdiSlot();
    for (int i = 0; i < 200; ++i) ASSERT_GT(cycle(), 0u) << "cycle " << i;
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), objectsBefore);
    EXPECT_LE(highestFreshGdiSlot(), slotBefore);
}

}  // namespace
}  // namespace tintora::win32
