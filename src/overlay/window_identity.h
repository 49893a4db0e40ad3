#pragma once
// Finding a window or control again by what stays the same between runs, and the entries of
// Remembered.ini that hold it.
#include <optional>
#include <string>
#include <string_view>

#include "core/tint.h"
#include "platform/storage.h"
#include "platform/window_tree.h"

namespace tintora {

// ASCII letters compared without case, as Windows compares class and file names.
bool sameName(std::string_view a, std::string_view b);
bool sameIdentity(const WindowIdentity& a, const WindowIdentity& b);

// The identity of a window or control lying in the top-level window; nothing when its program or
// class cannot be learnt or it does not lie there.
std::optional<WindowIdentity> identify(const WindowTree& tree, WindowHandle target, WindowHandle topLevel);
// The window at the end of the path below a top-level window; 0 when there is none.
WindowHandle findByPath(const WindowTree& tree, WindowHandle topLevel, const std::vector<WindowStep>& path);

// The entry of one numbered section of the file; nothing for a missing or incomplete section.
std::optional<RememberedEntry> readRememberedEntry(const Profile& profile, const std::string& file, int slot);
// Replaces the entry's section; false when the file could not be written.
bool writeRememberedEntry(Profile& profile, const std::string& file, const RememberedEntry& entry);
bool removeRememberedEntry(Profile& profile, const std::string& file, int slot);

}  // namespace tintora
