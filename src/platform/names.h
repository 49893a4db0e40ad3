#pragma once
// Names and values as the system reads them: compared without ASCII case (class, file, section,
// key and key names), and without the blanks around them.
#include <algorithm>
#include <string_view>

namespace tintora {

inline bool sameName(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, {}, lower, lower);
}

// The text without the spaces, tabs and carriage returns around it.
inline std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace tintora
