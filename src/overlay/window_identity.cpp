#include "overlay/window_identity.h"

#include <algorithm>

#include "core/settings.h"

namespace tintora {
namespace {

// Deeper than any real window tree; it stops a walk round a broken chain of parents.
constexpr int maxDepth = 64;

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string sectionOf(int slot) { return "Window" + std::to_string(slot); }
std::string levelKey(std::size_t level) { return "Level" + std::to_string(level); }

int component(std::string_view text) { return std::clamp(textToInt(text), 0, 255); }

}  // namespace

bool sameName(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

bool sameIdentity(const WindowIdentity& a, const WindowIdentity& b)
{
    return sameName(a.program, b.program) && sameName(a.topClass, b.topClass) &&
           std::ranges::equal(a.path, b.path, [](const WindowStep& x, const WindowStep& y) {
               return x.rank == y.rank && sameName(x.className, y.className);
           });
}

std::optional<WindowIdentity> identify(const WindowTree& tree, WindowHandle target, WindowHandle topLevel)
{
    if (target == 0 || topLevel == 0) return std::nullopt;
    WindowIdentity identity{tree.programName(topLevel), tree.className(topLevel), {}};
    if (identity.program.empty() || identity.topClass.empty()) return std::nullopt;
    for (WindowHandle w = target; w != topLevel; w = tree.parent(w)) {
        if (w == 0 || identity.path.size() >= maxDepth) return std::nullopt;
        WindowStep step{tree.className(w), 0};
        for (WindowHandle sibling : tree.children(tree.parent(w))) {
            if (sibling == w) break;
            if (sameName(tree.className(sibling), step.className)) ++step.rank;
        }
        identity.path.insert(identity.path.begin(), step);
    }
    return identity;
}

WindowHandle findByPath(const WindowTree& tree, WindowHandle topLevel, const std::vector<WindowStep>& path)
{
    WindowHandle w = topLevel;
    for (const WindowStep& step : path) {
        WindowHandle found = 0;
        int rank = 0;
        for (WindowHandle child : tree.children(w)) {
            if (!sameName(tree.className(child), step.className)) continue;
            if (rank++ == step.rank) {
                found = child;
                break;
            }
        }
        if (found == 0) return 0;
        w = found;
    }
    return w;
}

// [WindowN] Program=, Class=, Levels=, LevelK="rank class" from the top-level window down, A R G B.
std::optional<RememberedEntry> readRememberedEntry(const Profile& profile, const std::string& file, int slot)
{
    const std::string section = sectionOf(slot);
    const auto item = [&](std::string_view key) { return profile.read(file, section, key); };
    RememberedEntry entry{slot, {item("Program"), item("Class"), {}}, 0, 0};
    if (entry.identity.program.empty() || entry.identity.topClass.empty()) return std::nullopt;
    const int levels = textToInt(item("Levels"));
    if (levels < 0 || levels > maxDepth) return std::nullopt;
    for (int level = 1; level <= levels; ++level) {
        const std::string text = item(levelKey(level));
        const auto space = text.find(' ');
        if (space == std::string::npos || space + 1 == text.size()) return std::nullopt;
        entry.identity.path.push_back({text.substr(space + 1), std::max(textToInt(text.substr(0, space)), 0)});
    }
    entry.colour = rgb(component(item("R")), component(item("G")), component(item("B")));
    entry.alpha = component(item("A"));
    return entry;
}

bool writeRememberedEntry(Profile& profile, const std::string& file, const RememberedEntry& entry)
{
    // A shorter path than before leaves no level of the old one behind.
    removeRememberedEntry(profile, file, entry.slot);
    const std::string section = sectionOf(entry.slot);
    const WindowIdentity& id = entry.identity;
    bool written = profile.write(file, section, "Program", id.program) &&
                   profile.write(file, section, "Class", id.topClass) &&
                   profile.write(file, section, "Levels", std::to_string(id.path.size()));
    for (std::size_t level = 1; written && level <= id.path.size(); ++level) {
        const WindowStep& step = id.path[level - 1];
        written = profile.write(file, section, levelKey(level), std::to_string(step.rank) + " " + step.className);
    }
    const Colour c = entry.colour;
    return written && profile.write(file, section, "A", std::to_string(entry.alpha)) &&
           profile.write(file, section, "R", std::to_string(c & 0xFF)) &&
           profile.write(file, section, "G", std::to_string(c >> 8 & 0xFF)) &&
           profile.write(file, section, "B", std::to_string(c >> 16 & 0xFF));
}

bool removeRememberedEntry(Profile& profile, const std::string& file, int slot)
{
    return profile.removeSection(file, sectionOf(slot));
}

}  // namespace tintora
