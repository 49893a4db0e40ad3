#include "core/settings.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "design/texts.h"

namespace tintora {
namespace {

// Decodes one UTF-8 sequence at text[i]; advances i. Invalid bytes come back as themselves.
char32_t nextCodePoint(std::string_view text, std::size_t& i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    int length = 1;
    char32_t cp = lead;
    if (lead >= 0xC0 && lead < 0xE0)
        length = 2, cp = lead & 0x1F;
    else if (lead >= 0xE0 && lead < 0xF0)
        length = 3, cp = lead & 0x0F;
    else if (lead >= 0xF0 && lead < 0xF8)
        length = 4, cp = lead & 0x07;
    if (length == 1 || i + length > text.size()) {
        ++i;
        return lead;
    }
    for (int k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return lead;
        }
        cp = cp << 6 | (byte(i + k) & 0x3F);
    }
    i += length;
    return cp;
}

// Full-width forms U+FF01..U+FF5E and the ideographic space become ASCII; others stay non-ASCII.
char32_t asciiForm(char32_t cp)
{
    if (cp >= 0xFF01 && cp <= 0xFF5E) return cp - 0xFEE0;
    if (cp == 0x3000) return U' ';
    return cp;
}

bool isBlank(char32_t c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

Outcome namingFile(std::string_view file, Outcome outcome)
{
    if (outcome) return outcome;
    return Outcome::failed(std::string(file) + texts::fileReason + outcome.reason());
}

int textToInt(std::string_view text)
{
    std::size_t i = 0;
    char32_t c = 0;
    auto advance = [&] { c = i < text.size() ? asciiForm(nextCodePoint(text, i)) : 0; };
    advance();
    while (isBlank(c)) advance();
    bool negative = false;
    if (c == '+' || c == '-') {
        negative = c == '-';
        advance();
    }
    std::int64_t value = 0;
    const std::int64_t limit = negative ? -static_cast<std::int64_t>(INT_MIN) : INT_MAX;
    while (c >= '0' && c <= '9') {
        value = std::min<std::int64_t>(value * 10 + (c - '0'), limit);
        advance();
    }
    return static_cast<int>(negative ? -value : value);
}

std::string Settings::readText(const SettingsItem& item) const
{
    return profile_.read(pathOf(item), item.section, item.key);
}

int Settings::readInt(const SettingsItem& item) const { return textToInt(readText(item)); }

Outcome Settings::write(const SettingsItem& item, std::string_view value)
{
    const std::string file = pathOf(item);
    return namingFile(file, profile_.write(file, item.section, item.key, value));
}

Outcome Settings::write(const SettingsItem& item, int value) { return write(item, std::to_string(value)); }

}  // namespace tintora
