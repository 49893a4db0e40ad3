#include "hotkeys/key_combination.h"

#include <algorithm>
#include <vector>

#include "design/design.h"
#include "platform/names.h"

namespace tintora {
namespace {

struct NamedKey {
    std::string_view name;
    int virtualKey;
};

constexpr NamedKey namedKeys[] = {
    {"PageUp", 0x21}, {"PageDown", 0x22}, {"End", 0x23},  {"Home", 0x24},   {"Left", 0x25},
    {"Up", 0x26},     {"Right", 0x27},    {"Down", 0x28}, {"Insert", 0x2D}, {"Delete", 0x2E},
};

constexpr int lastFunctionKey = 24;

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }


std::optional<int> keyOf(std::string_view name)
{
    if (name.size() == 1) {
        const char c = upper(name[0]);
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;  // their own key codes
    }
    if (name.size() >= 2 && name.size() <= 3 && upper(name[0]) == 'F' && name[1] != '0' &&
        std::all_of(name.begin() + 1, name.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        const int n = std::stoi(std::string(name.substr(1)));
        if (n <= lastFunctionKey) return vk::f(n);
    }
    for (const NamedKey& k : namedKeys)
        if (sameName(name, k.name)) return k.virtualKey;
    return std::nullopt;
}

std::string keyName(int virtualKey)
{
    if (virtualKey >= vk::f(1) && virtualKey <= vk::f(lastFunctionKey))
        return "F" + std::to_string(virtualKey - vk::f(1) + 1);
    for (const NamedKey& k : namedKeys)
        if (k.virtualKey == virtualKey) return std::string(k.name);
    return std::string(1, static_cast<char>(virtualKey));
}

}  // namespace

std::optional<KeyCombination> parseKeyCombination(std::string_view text)
{
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t plus = text.find('+', start);
        parts.push_back(trimmed(text.substr(start, plus == std::string_view::npos ? plus : plus - start)));
        if (plus == std::string_view::npos) break;
        start = plus + 1;
    }
    if (parts.size() < 2) return std::nullopt;

    KeyCombination keys;
    const std::pair<std::string_view, bool KeyCombination::*> modifiers[] = {
        {"Ctrl", &KeyCombination::ctrl},
        {"Alt", &KeyCombination::alt},
        {"Shift", &KeyCombination::shift},
        {"Win", &KeyCombination::win},
    };
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        const auto m = std::ranges::find_if(modifiers, [&](const auto& mod) { return sameName(parts[i], mod.first); });
        if (m == std::end(modifiers) || keys.*(m->second)) return std::nullopt;
        keys.*(m->second) = true;
    }
    const auto key = keyOf(parts.back());
    if (!key) return std::nullopt;
    keys.virtualKey = *key;
    return keys;
}

std::string keyCombinationText(KeyCombination keys)
{
    std::string text;
    if (keys.ctrl) text += "Ctrl+";
    if (keys.alt) text += "Alt+";
    if (keys.shift) text += "Shift+";
    if (keys.win) text += "Win+";
    return text + keyName(keys.virtualKey);
}

}  // namespace tintora
