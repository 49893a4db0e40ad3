#pragma once
// PNG decoding with libpng, hardened for untrusted files.
#include <cstddef>
#include <optional>

#include "platform/types.h"

namespace tintora {

// Decodes PNG bytes to 0x00RRGGBB pixels, rows top to bottom. Colours are taken as stored (no
// gamma correction, 16-bit samples scaled to 8 bits); alpha is dropped without compositing, so even
// a fully transparent pixel keeps its colour. Returns nothing for bytes that are not a complete,
// valid PNG or whose picture would hold more than maxPixels pixels; the size is checked before any
// pixel memory is allocated.
std::optional<Image> decodePng(const Bytes& png, std::size_t maxPixels);

}  // namespace tintora
