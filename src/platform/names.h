#pragma once
// Names the system compares without ASCII case: class, file, section, key and key names.
#include <algorithm>
#include <string_view>

namespace tintora {

inline bool sameName(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, {}, lower, lower);
}

}  // namespace tintora
