#pragma once
// Fonts of the controls' captions.
#include <windows.h>

#include <string_view>

#include "design/texts.h"
#include "win32/handles.h"

namespace tintora::win32 {

// A font whose character height is the given pixels, for a caption in the language. Chinese: a font
// of the Chinese character set, the system's default face for that set when it has a glyph for
// every character of the caption and every digit (value labels show numbers), otherwise the first
// named face that has them. English: the system's message face, Segoe UI, or Tahoma where Segoe UI
// is not installed.
GdiObject<HFONT> captionFont(int height, std::string_view caption, Language language);

// The width in pixels the text takes in the font.
int textWidth(HFONT font, std::string_view text);

}  // namespace tintora::win32
