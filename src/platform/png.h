#pragma once
// PNG decoding with libpng, hardened for untrusted files.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "platform/types.h"

namespace tintora {

// The widest picture decoded. libpng keeps two rows of up to 8 bytes a pixel while it decodes; this
// keeps them within 1 MB whatever the pixel limit.
inline constexpr std::uint32_t maxPngWidth = 1 << 16;

// Decodes PNG bytes to 0x00RRGGBB pixels, rows top to bottom. Colours are taken as stored (no
// gamma correction, 16-bit samples scaled to 8 bits); alpha is dropped without compositing, so even
// a fully transparent pixel keeps its colour. Returns nothing for bytes that are not a complete,
// valid PNG, whose picture is wider than maxPngWidth or would hold more than maxPixels pixels; the
// size is checked before any pixel memory is allocated. No chunk is read into memory beyond the
// palette and a small buffer of pixel data, whatever length it declares.
std::optional<Image> decodePng(const Bytes& png, std::size_t maxPixels);

}  // namespace tintora
