#include "platform/ini_text.h"

#include <algorithm>
#include <cstdint>

#include "platform/names.h"

namespace tintora {
namespace {

constexpr std::string_view utf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view utf16leMark = "\xFF\xFE";
constexpr std::string_view utf16beMark = "\xFE\xFF";
constexpr char32_t replacement = 0xFFFD;

bool startsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

std::uint8_t byteAt(std::string_view bytes, std::size_t i) { return static_cast<std::uint8_t>(bytes[i]); }

// The length of the UTF-8 sequence at i, or 0 when it is not a valid one (overlong forms,
// surrogates and code points beyond U+10FFFF are not).
std::size_t utf8SequenceAt(std::string_view bytes, std::size_t i)
{
    const std::uint8_t lead = byteAt(bytes, i);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    std::uint8_t low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (i + length > bytes.size()) return 0;
    if (byteAt(bytes, i + 1) < low || byteAt(bytes, i + 1) > high) return 0;
    for (std::size_t k = 2; k < length; ++k)
        if ((byteAt(bytes, i + k) & 0xC0) != 0x80) return 0;
    return length;
}

bool isUtf8(std::string_view bytes)
{
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = utf8SequenceAt(bytes, i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

// Whether the bytes are made of ASCII and GBK's double-byte characters only: a lead byte
// 0x81-0xFE followed by a trail byte 0x40-0xFE other than 0x7F.
bool isGbk(std::string_view bytes)
{
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const std::uint8_t lead = byteAt(bytes, i);
        if (lead < 0x80) continue;
        if (lead == 0x80 || lead == 0xFF || ++i == bytes.size()) return false;
        const std::uint8_t trail = byteAt(bytes, i);
        if (trail < 0x40 || trail == 0x7F || trail == 0xFF) return false;
    }
    return true;
}

bool isAscii(std::string_view bytes)
{
    return std::ranges::all_of(bytes, [](char c) { return static_cast<std::uint8_t>(c) < 0x80; });
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string utf16AsUtf8(std::string_view bytes, bool bigEndian)
{
    const auto unitAt = [&](std::size_t i) -> char32_t {
        const char32_t first = byteAt(bytes, i), second = byteAt(bytes, i + 1);
        return bigEndian ? (first << 8 | second) : (second << 8 | first);
    };
    std::string out;
    const std::size_t end = bytes.size() & ~std::size_t{1};
    for (std::size_t i = 0; i < end; i += 2) {
        const char32_t unit = unitAt(i);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 2 < end && unitAt(i + 2) >= 0xDC00 && unitAt(i + 2) <= 0xDFFF) {
            appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (unitAt(i + 2) - 0xDC00));
            i += 2;
        } else {
            appendUtf8(out, unit >= 0xD800 && unit <= 0xDFFF ? replacement : unit);
        }
    }
    return out;
}


}  // namespace

std::vector<std::string> textReadings(std::string_view bytes, const GbkToUtf8& fromGbk)
{
    if (startsWith(bytes, utf16leMark)) return {utf16AsUtf8(bytes.substr(utf16leMark.size()), false)};
    if (startsWith(bytes, utf16beMark)) return {utf16AsUtf8(bytes.substr(utf16beMark.size()), true)};
    if (startsWith(bytes, utf8Mark)) return {std::string(bytes.substr(utf8Mark.size()))};
    if (!isUtf8(bytes)) return {fromGbk(bytes)};
    if (isAscii(bytes) || !isGbk(bytes)) return {std::string(bytes)};
    return {std::string(bytes), fromGbk(bytes)};
}

std::string iniItem(std::string_view text, std::string_view section, std::string_view key)
{
    bool inSection = false;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = trimmed(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.starts_with('[')) {
            const std::size_t close = line.find(']');
            inSection = close != std::string_view::npos && sameName(trimmed(line.substr(1, close - 1)), section);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inSection || equals == std::string_view::npos || !sameName(trimmed(line.substr(0, equals)), key)) continue;
        std::string_view value = trimmed(line.substr(equals + 1));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        return std::string(value);
    }
    return {};
}

}  // namespace tintora
