#pragma once
// INI files written by another program, read from their bytes: such a file may be UTF-16, UTF-8
// or GBK, and the profile API would read the last two in the system's code page.
#include <string>
#include <string_view>

namespace tintora {

// The text as UTF-8, without a byte-order mark. The bytes are UTF-16 only with its byte-order
// mark; UTF-8 with one, or when they are valid UTF-8 (plain ASCII is); GBK, the Chinese ANSI code
// page, otherwise, converted by the system's converter passed in. Broken UTF-16 becomes U+FFFD.
using GbkToUtf8 = std::string (*)(std::string_view gbk);
std::string textAsUtf8(std::string_view bytes, GbkToUtf8 fromGbk);

// The value of a key in a section of INI text, found as the profile API finds it: the first
// match, names compared regardless of ASCII case, blanks around names and value dropped, and one
// pair of matching quotes around the value removed. Empty when missing.
std::string iniItem(std::string_view text, std::string_view section, std::string_view key);

}  // namespace tintora
