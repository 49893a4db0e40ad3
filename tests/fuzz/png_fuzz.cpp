// libFuzzer target for the PNG decoder. Each input must be decoded or refused without a sanitizer
// report, and within the memory of the largest picture it may decode plus a small allowance.
#include <sanitizer/allocator_interface.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "platform/png.h"

namespace {

// A 1920 x 1080 screen, as the overlay canvas allows.
constexpr std::size_t maxPixels = 1920 * 1080;
// Beside the picture: libpng's two rows (within 1 MB), zlib's state and window, the read buffer.
constexpr std::size_t allowance = 2 << 20;
constexpr std::size_t memoryBound = maxPixels * 4 + allowance;

// Heap bytes taken while the decoder runs, and their peak, counted by the sanitizer's hooks.
bool counting = false;
std::size_t liveBytes = 0;
std::size_t peakBytes = 0;

void onAllocate(const volatile void*, std::size_t size)
{
    if (!counting) return;
    liveBytes += size;
    peakBytes = std::max(peakBytes, liveBytes);
}

void onFree(const volatile void* block)
{
    if (counting && block) liveBytes -= __sanitizer_get_allocated_size(block);
}

[[noreturn]] void fail(const char* what, std::size_t value)
{
    std::fprintf(stderr, "png_fuzz: %s: %zu\n", what, value);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    __sanitizer_install_malloc_and_free_hooks(onAllocate, onFree);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const tintora::Bytes png(data, data + size);
    liveBytes = 0;
    peakBytes = 0;
    counting = true;
    const auto image = tintora::decodePng(png, maxPixels);
    counting = false;

    if (peakBytes > memoryBound) fail("decoder's peak heap use over the bound, bytes", peakBytes);
    if (image) {
        const std::size_t pixels = static_cast<std::size_t>(image->width) * image->height;
        if (image->width <= 0 || image->height <= 0 || pixels > maxPixels) fail("picture size out of range", pixels);
        if (image->pixels.size() != pixels) fail("pixel count differs from the size", image->pixels.size());
        if (static_cast<std::uint32_t>(image->width) > tintora::maxPngWidth) fail("picture too wide", image->width);
    }
    return 0;
}
