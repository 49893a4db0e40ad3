#include "win32/fonts.h"

#include <algorithm>
#include <string>
#include <vector>

#include "win32/text.h"

namespace tintora::win32 {
namespace {

// Faces that have the Latin letters, digits and Chinese characters of the captions, in order of
// preference; nullptr is the system's default face for the character set.
constexpr const wchar_t* faces[] = {nullptr, L"Microsoft YaHei", L"SimSun"};
constexpr wchar_t digits[] = L"0123456789";
constexpr const wchar_t* englishFaces[] = {L"Segoe UI", L"Tahoma"};

GdiObject<HFONT> font(int height, const wchar_t* face, BYTE charset = GB2312_CHARSET)
{
    // A negative height asks for the character height.
    return GdiObject<HFONT>(CreateFontW(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, charset, OUT_DEFAULT_PRECIS,
                                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face));
}

// Whether the font the mapper gave for the request has the face asked for, rather than a stand-in.
bool hasFace(HFONT font, const wchar_t* face)
{
    const WindowDc screen(nullptr);
    const SelectedObject selected(screen.get(), font);
    wchar_t name[LF_FACESIZE]{};
    GetTextFaceW(screen.get(), LF_FACESIZE, name);
    return lstrcmpiW(name, face) == 0;
}

bool hasGlyphs(HFONT font, const std::wstring& text)
{
    const WindowDc screen(nullptr);
    const SelectedObject selected(screen.get(), font);
    std::vector<WORD> glyphs(text.size());
    const DWORD found = GetGlyphIndicesW(screen.get(), text.c_str(), static_cast<int>(text.size()), glyphs.data(),
                                         GGI_MARK_NONEXISTING_GLYPHS);
    return found == text.size() && std::ranges::find(glyphs, WORD{0xFFFF}) == glyphs.end();
}

}  // namespace

GdiObject<HFONT> captionFont(int height, std::string_view caption, Language language)
{
    if (language == Language::en) {
        for (const wchar_t* face : englishFaces) {
            GdiObject<HFONT> candidate = font(height, face, DEFAULT_CHARSET);
            if (candidate && hasFace(candidate.get(), face)) return candidate;
        }
        return font(height, englishFaces[1], DEFAULT_CHARSET);
    }
    const std::wstring text = widen(caption) + digits;
    for (const wchar_t* face : faces) {
        GdiObject<HFONT> candidate = font(height, face);
        if (candidate && hasGlyphs(candidate.get(), text)) return candidate;
    }
    return font(height, nullptr);
}

int textWidth(HFONT font, std::string_view text)
{
    const WindowDc screen(nullptr);
    const SelectedObject selected(screen.get(), font);
    const std::wstring wide = widen(text);
    SIZE size{};
    GetTextExtentPoint32W(screen.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
    return size.cx;
}

}  // namespace tintora::win32
