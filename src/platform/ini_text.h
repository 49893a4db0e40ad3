#pragma once
// INI files written by another program, read from their bytes: such a file may be UTF-16, UTF-8
// or GBK, and the profile API would read the last two in the system's code page.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tintora {

// The possible readings of the text as UTF-8, without a byte-order mark; one or two, the likelier
// first. The bytes are UTF-16 only with its byte-order mark, and UTF-8 with one. Without a mark
// they are UTF-8 when valid as such (plain ASCII is) and GBK, the Chinese ANSI code page,
// otherwise; bytes valid in both give both readings, UTF-8 first. GBK is converted by the
// system's converter passed in. Broken UTF-16 becomes U+FFFD.
using GbkToUtf8 = std::function<std::string(std::string_view gbk)>;
std::vector<std::string> textReadings(std::string_view bytes, const GbkToUtf8& fromGbk);

// The value of a key in a section of INI text, found as the profile API finds it: the first
// match, names compared regardless of ASCII case, blanks around names and value dropped, and one
// pair of matching quotes around the value removed. Empty when missing.
std::string iniItem(std::string_view text, std::string_view section, std::string_view key);

}  // namespace tintora
