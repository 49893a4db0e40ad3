#pragma once
// Key combinations as a person writes them: "Ctrl+Alt+T", "Ctrl+Shift+PageUp", "Win+F9".
#include <optional>
#include <string>
#include <string_view>

#include "platform/hotkeys.h"

namespace tintora {

// Modifiers Ctrl, Alt, Shift and Win (at least one, each once, in any order), then one key: A-Z,
// 0-9, F1-F24, PageUp, PageDown, Home, End, Insert, Delete, Up, Down, Left, Right. Names are
// matched without regard to case, and blanks around them are ignored. Nothing for anything else.
std::optional<KeyCombination> parseKeyCombination(std::string_view text);
// The combination written back in the same words, modifiers in the order Ctrl, Alt, Shift, Win.
std::string keyCombinationText(KeyCombination keys);

}  // namespace tintora
