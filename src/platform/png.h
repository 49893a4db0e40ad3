#pragma once
// PNG decoding with libpng, hardened for untrusted files.
#include <cstddef>
#include <optional>

#include "platform/types.h"

namespace tintora {

// Decodes PNG bytes to 0x00RRGGBB pixels (alpha dropped against black is not done: fully
// transparent pixels keep their colour). Returns nothing for bytes that are not a valid PNG or
// whose picture would hold more than maxPixels pixels.
std::optional<Image> decodePng(const Bytes& png, std::size_t maxPixels);

}  // namespace tintora
