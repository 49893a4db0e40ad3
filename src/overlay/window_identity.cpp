#include "overlay/window_identity.h"

#include <algorithm>

#include "core/settings.h"

namespace tintora {
namespace {

// Deeper than any real window tree; it stops a walk round a broken chain of parents.
constexpr int maxDepth = 64;

constexpr std::string_view wpfClassPrefix = "HwndWrapper[";
constexpr std::string_view frameHostProgram = "ApplicationFrameHost.exe";
constexpr std::string_view frameClass = "ApplicationFrameWindow";
constexpr std::string_view hostedAppClass = "Windows.UI.Core.CoreWindow";

std::string sectionOf(int slot) { return "Window" + std::to_string(slot); }
std::string levelKey(std::size_t level) { return "Level" + std::to_string(level); }

int component(std::string_view text) { return std::clamp(textToInt(text), 0, 255); }

}  // namespace

std::string lastingClassName(std::string_view className)
{
    if (!className.starts_with(wpfClassPrefix) || !className.ends_with(']')) return std::string(className);
    // The thread's name may hold a semicolon, the GUID never does: the last two separators count.
    const std::size_t guid = className.rfind(';');
    const std::size_t thread = guid == std::string_view::npos ? guid : className.rfind(';', guid - 1);
    if (thread == std::string_view::npos) return std::string(className);
    return std::string(className.substr(0, thread)) + ";;]";
}

bool sameClass(std::string_view a, std::string_view b) { return sameName(lastingClassName(a), lastingClassName(b)); }

bool sameIdentity(const WindowIdentity& a, const WindowIdentity& b)
{
    return sameName(a.program, b.program) && sameClass(a.topClass, b.topClass) &&
           std::ranges::equal(a.path, b.path, [](const WindowStep& x, const WindowStep& y) {
               return x.rank == y.rank && sameClass(x.className, y.className);
           });
}

std::string programOf(const WindowTree& tree, WindowHandle topLevel)
{
    std::string program = tree.programName(topLevel);
    if (!sameName(program, frameHostProgram) || !sameName(tree.className(topLevel), frameClass)) return program;
    for (WindowHandle child : tree.children(topLevel))
        if (sameName(tree.className(child), hostedAppClass)) return tree.programName(child);
    return {};
}

std::optional<WindowIdentity> identify(const WindowTree& tree, WindowHandle target, WindowHandle topLevel)
{
    if (target == 0 || topLevel == 0) return std::nullopt;
    WindowIdentity identity{programOf(tree, topLevel), lastingClassName(tree.className(topLevel)), {}};
    if (identity.program.empty() || identity.topClass.empty()) return std::nullopt;
    for (WindowHandle w = target; w != topLevel; w = tree.parent(w)) {
        if (w == 0 || identity.path.size() >= maxDepth) return std::nullopt;
        WindowStep step{lastingClassName(tree.className(w)), 0};
        for (WindowHandle sibling : tree.children(tree.parent(w))) {
            if (sibling == w) break;
            if (sameClass(tree.className(sibling), step.className)) ++step.rank;
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
            if (!sameClass(tree.className(child), step.className)) continue;
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
    // A section cut short (by an older version's key-by-key write) would read as another window.
    bool complete = true;
    const auto item = [&](std::string_view key) {
        std::string value = profile.read(file, section, key);
        complete = complete && !value.empty();
        return value;
    };
    RememberedEntry entry{slot, {item("Program"), item("Class"), {}}, 0, 0};
    const int levels = textToInt(item("Levels"));
    if (!complete || levels < 0 || levels > maxDepth) return std::nullopt;
    for (int level = 1; level <= levels; ++level) {
        const std::string text = item(levelKey(level));
        const auto space = text.find(' ');
        if (space == std::string::npos || space + 1 == text.size()) return std::nullopt;
        entry.identity.path.push_back({text.substr(space + 1), std::max(textToInt(text.substr(0, space)), 0)});
    }
    entry.colour = rgb(component(item("R")), component(item("G")), component(item("B")));
    entry.alpha = component(item("A"));
    if (!complete) return std::nullopt;
    return entry;
}

Outcome writeRememberedEntry(Profile& profile, const std::string& file, const RememberedEntry& entry)
{
    const WindowIdentity& id = entry.identity;
    ProfileItems items{{"Program", id.program}, {"Class", id.topClass}, {"Levels", std::to_string(id.path.size())}};
    for (std::size_t level = 1; level <= id.path.size(); ++level) {
        const WindowStep& step = id.path[level - 1];
        items.emplace_back(levelKey(level), std::to_string(step.rank) + " " + step.className);
    }
    const Colour c = entry.colour;
    items.insert(items.end(), {{"A", std::to_string(entry.alpha)},
                               {"R", std::to_string(c & 0xFF)},
                               {"G", std::to_string(c >> 8 & 0xFF)},
                               {"B", std::to_string(c >> 16 & 0xFF)}});
    return namingFile(file, profile.writeSection(file, sectionOf(entry.slot), items));
}

Outcome removeRememberedEntry(Profile& profile, const std::string& file, int slot)
{
    return namingFile(file, profile.removeSection(file, sectionOf(slot)));
}

}  // namespace tintora
