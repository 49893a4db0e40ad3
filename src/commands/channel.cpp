#include "commands/channel.h"

namespace tintora {

std::string messageBytes(std::string_view text) { return std::string(text) + '\0'; }

std::optional<std::string_view> messageText(std::string_view bytes)
{
    if (bytes.empty() || bytes.size() > maxMessageBytes || bytes.find('\0') != bytes.size() - 1) return std::nullopt;
    return bytes.substr(0, bytes.size() - 1);
}

std::optional<std::string_view> commandIn(const ReceivedCommand& received)
{
    const AnswerWindow& to = received.answerTo;
    // The answer goes to one window that waits for it, never back into this program nor to all.
    if (to.everyWindow || to.ofThisProgram || to.className != answerWindowClass) return std::nullopt;
    return messageText(received.bytes);
}

}  // namespace tintora
