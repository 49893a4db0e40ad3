#pragma once
// Fonts of the controls' captions.
#include <windows.h>

#include <string_view>

#include "win32/handles.h"

namespace tintora::win32 {

// A font of the Chinese character set whose character height is the given pixels. The system's
// default face for that set when it has a glyph for every character of the caption and every
// digit (value labels show numbers), otherwise the first named face that has them.
GdiObject<HFONT> captionFont(int height, std::string_view caption);

}  // namespace tintora::win32
