#pragma once
// The messages between a later start and the running Tintora: a command, then its answer, each
// carrying text that ends in its one NUL. A message that does not keep to this, or a command that
// names for its answer a window other than one waiting in another program, is refused unread.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/events.h"

namespace tintora {

// Enough for any command and answer (the usage, the longest, is about 1 KB).
inline constexpr std::size_t maxMessageBytes = 4096;
// The class of the window in which a later start waits for the answer.
inline constexpr std::string_view answerWindowClass = "TintoraAnswer";

// The bytes a message carries for the text.
std::string messageBytes(std::string_view text);
// The text a message's bytes carry; none when they are more than maxMessageBytes or do not end
// with their only NUL.
std::optional<std::string_view> messageText(std::string_view bytes);
// The command a message to the running Tintora carries, when it comes from a later start.
std::optional<std::string_view> commandIn(const ReceivedCommand& received);

}  // namespace tintora
