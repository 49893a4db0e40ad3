// Times PNG screenshots of a screen region through the real capture and encoder:
//   screenshot_bench [count [left top right bottom]]
// Prints the median of flushScreen + grab + encode, and of grab and encode alone, in ms.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "win32/capture.h"
#include "win32/encoder.h"

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    using namespace tintora;
    const int count = argc > 1 ? std::max(1, _wtoi(argv[1])) : 20;
    ScreenRect r{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (argc > 5) r = {_wtoi(argv[2]), _wtoi(argv[3]), _wtoi(argv[4]), _wtoi(argv[5])};

    const win32::GdiplusSession session;
    win32::Win32ScreenCapture capture;
    win32::Win32ImageEncoder encoder;
    std::vector<double> total, grab, encode;
    std::size_t bytes = 0;
    for (int i = 0; i < count; ++i) {
        const auto start = Clock::now();
        capture.flushScreen();
        const auto grabStart = Clock::now();
        const Image image = capture.grab(r);
        grab.push_back(msSince(grabStart));
        const auto encodeStart = Clock::now();
        bytes = encoder.encode(image, ImageFormat::png).size();
        encode.push_back(msSince(encodeStart));
        total.push_back(msSince(start));
        if (bytes == 0) {
            std::fprintf(stderr, "screenshot %d failed\n", i);
            return 1;
        }
    }
    std::printf("region %dx%d, %d PNG screenshots, last file %zu bytes\n", r.right - r.left, r.bottom - r.top, count,
                bytes);
    std::printf("median_ms=%.2f grab_ms=%.2f encode_ms=%.2f\n", median(total), median(grab), median(encode));
    return 0;
}
