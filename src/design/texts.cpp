#include "design/texts.h"

namespace tintora {
namespace {

Language current = Language::zh;

}  // namespace

Language language() { return current; }

void setLanguage(Language l) { current = l; }

std::string operator+(const Text& text, const std::string& more) { return std::string(std::string_view(text)) + more; }

std::string operator+(const std::string& text, const Text& more) { return text + std::string(std::string_view(more)); }

}  // namespace tintora
