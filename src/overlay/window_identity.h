#pragma once
// Finding a window or control again by what stays the same between runs, and the entries of
// Remembered.ini that hold it.
#include <optional>
#include <string>
#include <string_view>

#include "core/tint.h"
#include "platform/names.h"
#include "platform/storage.h"
#include "platform/window_tree.h"

namespace tintora {

// The part of a window class that stays the same between runs. A WPF window's class,
// HwndWrapper[<app>;<thread>;<GUID>], gets a new GUID each run and becomes HwndWrapper[<app>;;].
std::string lastingClassName(std::string_view className);
bool sameClass(std::string_view a, std::string_view b);
bool sameIdentity(const WindowIdentity& a, const WindowIdentity& b);

// The program a top-level window belongs to. One host process draws the frames of all Store apps:
// a frame belongs to the program of the app window it hosts, and to none before that window is
// there. Empty when unknown.
std::string programOf(const WindowTree& tree, WindowHandle topLevel);
// The identity of a window or control lying in the top-level window; nothing when its program or
// class cannot be learnt or it does not lie there.
std::optional<WindowIdentity> identify(const WindowTree& tree, WindowHandle target, WindowHandle topLevel);
// The window at the end of the path below a top-level window; 0 when there is none.
WindowHandle findByPath(const WindowTree& tree, WindowHandle topLevel, const std::vector<WindowStep>& path);

// The entry of one numbered section of the file; nothing for a missing section or one that lacks
// any of its keys.
std::optional<RememberedEntry> readRememberedEntry(const Profile& profile, const std::string& file, int slot);
// Replaces the entry's section whole; false when the file could not be written.
[[nodiscard]] Outcome writeRememberedEntry(Profile& profile, const std::string& file, const RememberedEntry& entry);
[[nodiscard]] Outcome removeRememberedEntry(Profile& profile, const std::string& file, int slot);

}  // namespace tintora
