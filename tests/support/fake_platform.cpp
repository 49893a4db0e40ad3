#include "support/fake_platform.h"

#include <algorithm>
#include <cctype>
#include <sstream>

#include "design/design.h"
#include "platform/ini_text.h"

namespace tintora::fake {
namespace {

std::string lower(std::string_view s)
{
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

std::string folderOf(const std::string& path) { return path.substr(0, path.rfind('\\')); }

std::string trim(std::string s)
{
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

void append(std::vector<std::string>* log, std::string entry)
{
    if (log) log->push_back(std::move(entry));
}

}  // namespace

FakeUi::FakeUi()
{
    for (const auto& w : windowDesigns()) windows_[w.id].geometry = w.geometry;
    for (const auto& c : controlDesigns()) {
        auto& state = control(c.id);
        state.geometry = c.geometry;
        state.visible = c.visible;
        state.caption = c.caption;
    }
    for (WindowId w : {WindowId::startup, WindowId::console})
        for (const auto& m : menuDesign(w))
            if (m.item != menuSeparator)
                menus_[{w, m.item}] = MenuState{false, m.initiallyVisible, std::string(m.caption), !m.greyed};
}

Size FakeUi::clientSize(WindowId w) const
{
    const auto& s = window(w);
    if (s.border == Border::none) return {s.geometry.width, s.geometry.height};
    return {s.geometry.width - s.frame.width, s.geometry.height - s.frame.height};
}

void FakeUi::move(WindowId w, Geometry g)
{
    window(w).geometry = g;
    if (log) {
        std::ostringstream s;
        s << (w == WindowId::startup ? "startup" : "console") << ".move " << g.left << ',' << g.top << ',' << g.width
          << ',' << g.height;
        log->push_back(s.str());
    }
}

void FakeUi::activate(WindowId w) { append(log, w == WindowId::startup ? "activate startup" : "activate console"); }

void FakeUi::showNormal(WindowId w)
{
    ++window(w).showNormalCalls;
    window(w).visible = true;
    append(log, "showNormal");
}

void FakeUi::hide(WindowId w)
{
    window(w).visible = false;
    append(log, "hide");
}

void FakeUi::openModal(WindowId w)
{
    ++window(w).modalOpens;
    append(log, "openModal");
    if (onModalOpen) onModalOpen();
}

void FakeUi::setSliderPosition(ControlRef c, int p)
{
    // A trackbar keeps its position within its range.
    control(c).position = std::clamp(p, 0, 255);
}

ShellAnswer FakeUi::addIcon(WindowId w, std::string_view tip)
{
    trayRequests.push_back("add");
    // The shell refuses a second icon of the same window and id.
    if (!trayAvailable || trayTips.contains(w)) return ShellAnswer::refused;
    ++trayIconAdds;
    trayTips[w] = tip;
    return trayTimingOut.contains("add") ? ShellAnswer::timedOut : ShellAnswer::done;
}

ShellAnswer FakeUi::modifyIcon(WindowId w, std::string_view tip)
{
    trayRequests.push_back("modify");
    const bool held = trayAvailable && trayTips.contains(w);
    if (held) trayTips[w] = tip;
    if (trayTimingOut.contains("modify")) return ShellAnswer::timedOut;
    return held ? ShellAnswer::done : ShellAnswer::refused;
}

int FakeUi::interval(TimerRef t) const
{
    auto it = intervals.find(key(t));
    return it == intervals.end() ? 0 : it->second;
}

void FakeCanvas::clear()
{
    ++clears;
    filledWith.reset();
    append(log, "canvas.clear");
}

void FakeCanvas::fill(Colour c)
{
    ++fills;
    filledWith = c;
    std::ostringstream s;
    s << "canvas.fill " << std::hex << c;
    append(log, s.str());
}

void FakeCanvas::setPicture(const Bytes& png)
{
    picture = png;
    filledWith.reset();
    append(log, "canvas.setPicture " + std::to_string(png.size()));
}

WindowHandle FakeDesktop::windowAtPoint(Point p) const
{
    for (const auto& [w, r] : windowsAtPoints)
        if (p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom) return w;
    return 0;
}

std::optional<ScreenRect> FakeDesktop::windowRect(WindowHandle w) const
{
    ++rectQueries;
    auto it = rects.find(w);
    if (it != rects.end()) return it->second;
    if (ui && (w == ui->startupHandle || w == ui->consoleHandle)) {
        const Geometry g = ui->geometry(w == ui->startupHandle ? WindowId::startup : WindowId::console);
        return ScreenRect{g.left, g.top, g.left + g.width, g.top + g.height};
    }
    for (const auto& [handle, r] : windowsAtPoints)
        if (handle == w) return r;
    return std::nullopt;
}

std::optional<ScreenRect> FakeDesktop::visibleFrame(WindowHandle w) const
{
    auto it = visibleFrames.find(w);
    return it != visibleFrames.end() ? std::optional(it->second) : windowRect(w);
}

std::vector<ScreenRect> FakeDesktop::monitors() const
{
    std::vector<ScreenRect> all{{0, 0, screen.width, screen.height}};
    all.insert(all.end(), otherMonitors.begin(), otherMonitors.end());
    return all;
}

std::vector<MonitorDevice> FakeDesktop::monitorDevices() const
{
    std::vector<MonitorDevice> all;
    for (const ScreenRect& r : monitors()) all.push_back({"\\\\.\\DISPLAY" + std::to_string(all.size() + 1), r});
    return all;
}

WindowHandle FakeDesktop::topLevelWindow(WindowHandle w) const
{
    auto it = topLevels.find(w);
    return it == topLevels.end() ? w : it->second;
}

bool FakeDesktop::isShown(WindowHandle w) const
{
    ++shownQueries;
    return notShown.count(w) == 0;
}

std::optional<unsigned> FakeDesktop::watchWindow(WindowHandle w, std::function<void()> changed)
{
    ++watchRequests;
    if (unwatchable.count(w) > 0) return std::nullopt;
    const unsigned id = nextTimerId++;
    watches[id] = {w, std::move(changed)};
    return id;
}

bool FakeDesktop::watchForeground(std::function<void(WindowHandle)> changed)
{
    foregroundWatcher = std::move(changed);
    return static_cast<bool>(foregroundWatcher);
}

void FakeDesktop::tellChanged(WindowHandle w)
{
    for (const auto& [id, watch] : std::map(watches))
        if (watch.window == w || topLevelWindow(watch.window) == w) watch.changed();
}

std::uint32_t FakeDesktop::extendedStyle(WindowHandle w) const
{
    auto it = exStyles.find(w);
    return it == exStyles.end() ? 0 : it->second;
}

void FakeDesktop::setLayeredAttributes(WindowHandle w, Colour key, int alpha)
{
    layered[w] = {key, alpha};
    append(log, "layered " + std::to_string(alpha));
}

bool FakeDesktop::activate(WindowHandle w)
{
    foreground = w;
    append(log, "activate " + std::to_string(w));
    return true;
}

void FakeDesktop::setTopmost(WindowHandle w, bool on)
{
    topmostCalls.push_back({w, on});
    exStyles[w] = on ? exStyles[w] | exstyle::topmost : exStyles[w] & ~exstyle::topmost;
    if (on) raise(w);
}

std::vector<WindowHandle> FakeDesktop::windowsAbove(WindowHandle w) const
{
    const auto at = std::ranges::find(stack, w);
    return at == stack.end() ? std::vector<WindowHandle>{} : std::vector<WindowHandle>(stack.begin(), at);
}

void FakeDesktop::raise(WindowHandle w)
{
    std::erase(stack, w);
    stack.insert(stack.begin(), w);
}

void FakeDesktop::processPendingEvents()
{
    ++pendingEventRuns;
    append(log, "processPendingEvents");
    if (onProcessPendingEvents) onProcessPendingEvents();
}

void FakeDesktop::tickClocks()
{
    std::vector<unsigned> running;
    for (const auto& [id, timer] : callbackTimers) running.push_back(id);
    for (unsigned id : running) {
        const auto found = callbackTimers.find(id);
        if (found == callbackTimers.end()) continue;
        const std::function<void()> tick = found->second.tick;  // it may stop its own timer
        tick();
    }
}

Desktop::CallbackTimer FakeDesktop::startCallbackTimer(int ms, std::function<void()> tick)
{
    if (timersRefused) return {0, "存储空间不足，无法处理此命令。"};
    const unsigned id = nextTimerId++;
    callbackTimers[id] = {ms, std::move(tick), ticks + static_cast<std::uint32_t>(ms)};
    return {id, {}};
}

void FakeDesktop::advance(int ms)
{
    const std::uint32_t end = ticks + static_cast<std::uint32_t>(ms);
    for (;;) {
        const auto timer = std::ranges::min_element(callbackTimers, {}, [](const auto& t) { return t.second.due; });
        const bool timerFirst =
            timer != callbackTimers.end() && (reportsDue.empty() || timer->second.due < reportsDue.begin()->first);
        const std::uint32_t next = timerFirst           ? timer->second.due
                                   : reportsDue.empty() ? end
                                                        : reportsDue.begin()->first;
        if (next > end) break;
        ticks = next;
        if (timerFirst) {
            timer->second.due += static_cast<std::uint32_t>(std::max(timer->second.ms, 1));
            const std::function<void()> tick = timer->second.tick;  // it may stop its own timer
            tick();
        } else {
            const std::function<void()> told = reportsDue.begin()->second;
            reportsDue.erase(reportsDue.begin());
            told();
        }
    }
    ticks = end;
}

void FakeDesktop::report(int delayMs, std::function<void()> told)
{
    if (reports) reportsDue.emplace(ticks + static_cast<std::uint32_t>(delayMs), std::move(told));
}

std::string FakeFiles::read(const std::string& path, std::string_view section, std::string_view key) const
{
    auto file = files.find(path);
    return file == files.end() ? std::string() : iniItem(file->second, section, key);
}

Outcome FakeFiles::write(const std::string& path, std::string_view section, std::string_view key,
                         std::string_view value)
{
    append(log, "ini " + std::string(section) + "." + std::string(key) + "=" + std::string(value));
    writes.push_back(path + "|" + std::string(section) + "|" + std::string(key) + "=" + std::string(value));
    if (Outcome allowed = writable(path); !allowed) return allowed;
    std::vector<std::string> lines;
    {
        std::istringstream in(files[path]);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
    }
    const std::string entry = std::string(key) + "=" + std::string(value);
    int sectionLine = -1;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string t = trim(lines[i]);
        if (t.size() >= 2 && t.front() == '[' && t.back() == ']') {
            if (sectionLine >= 0) break;
            if (lower(t.substr(1, t.size() - 2)) == lower(section)) sectionLine = static_cast<int>(i);
        } else if (sectionLine >= 0) {
            const auto eq = t.find('=');
            if (eq != std::string::npos && lower(trim(t.substr(0, eq))) == lower(key)) {
                lines[i] = entry;
                sectionLine = -2;
                break;
            }
        }
    }
    if (sectionLine == -1) {
        lines.push_back("[" + std::string(section) + "]");
        lines.push_back(entry);
    } else if (sectionLine >= 0) {
        std::size_t end = sectionLine + 1;
        while (end < lines.size() && !(trim(lines[end]).size() > 1 && trim(lines[end]).front() == '[')) ++end;
        lines.insert(lines.begin() + static_cast<long>(end), entry);
    }
    std::string out;
    for (const auto& l : lines) out += l + "\n";
    files[path] = out;
    return {};
}

Outcome FakeFiles::removeSection(const std::string& path, std::string_view section)
{
    append(log, "ini remove " + std::string(section));
    if (Outcome allowed = writable(path); !allowed) return allowed;
    std::istringstream in(files[path]);
    std::string out;
    bool inSection = false;
    for (std::string line; std::getline(in, line);) {
        const std::string t = trim(line);
        if (t.size() >= 2 && t.front() == '[' && t.back() == ']')
            inSection = lower(t.substr(1, t.size() - 2)) == lower(section);
        if (!inSection) out += line + "\n";
    }
    files[path] = out;
    return {};
}

Outcome FakeFiles::writeSection(const std::string& path, std::string_view section, const ProfileItems& items)
{
    if (Outcome removed = removeSection(path, section); !removed) return removed;
    for (const auto& [key, value] : items)
        if (Outcome written = write(path, section, key, value); !written) return written;
    return {};
}

std::vector<WindowHandle> FakeWindowTree::children(WindowHandle w) const
{
    std::vector<WindowHandle> found;
    for (const Node& n : nodes)
        if (n.parent == w) found.push_back(n.window);
    return found;
}

const FakeWindowTree::Node& FakeWindowTree::node(WindowHandle w) const
{
    static const Node none{};
    const auto found = std::ranges::find(nodes, w, &Node::window);
    return found == nodes.end() ? none : *found;
}

std::string FakeWindowTree::programName(WindowHandle w) const
{
    while (node(w).program.empty() && parent(w) != 0) w = parent(w);
    return node(w).program;
}

void FakeWindowTree::remove(WindowHandle w)
{
    std::erase_if(nodes, [&](const Node& n) { return n.window == w || n.parent == w; });
}

WindowHandle FakeTints::open(Colour colour, int alpha)
{
    const WindowHandle w = nextHandle++;
    windows[w] = {{}, colour, alpha};
    return w;
}

bool FakeFiles::exists(const std::string& path) const { return files.count(path) || folders.count(path); }

void FakeFiles::createFolder(const std::string& path)
{
    append(log, "createFolder " + path);
    if (writable(path) && !exists(path)) folders.insert(path);
}

Bytes FakeFiles::readFile(const std::string& path) const
{
    auto it = files.find(path);
    if (it == files.end()) return {};
    return Bytes(it->second.begin(), it->second.end());
}

Outcome FakeFiles::writeFile(const std::string& path, const Bytes& content)
{
    append(log, "writeFile " + path);
    if (Outcome allowed = writable(path); !allowed) return allowed;
    files[path] = std::string(content.begin(), content.end());
    return {};
}

std::vector<std::string> FakeFiles::listFiles(const std::string& pattern) const
{
    const std::string folder = folderOf(pattern);
    const std::string suffix = lower(pattern.substr(pattern.rfind('*') + 1));
    std::vector<std::string> names;
    for (const auto& [path, content] : files) {
        const std::string name = path.substr(path.rfind('\\') + 1);
        if (folderOf(path) == folder && lower(name).ends_with(suffix)) names.push_back(name);
    }
    return names;
}

std::string FakeFiles::gbkAsUtf8(std::string_view gbk) const
{
    std::string text(gbk);
    for (const auto& [from, to] : {std::pair{"\xCD\xBC", "图"}, {"\xC6\xAC", "片"}, {"\xB1\xED", "表"}})
        for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from)) text.replace(at, 2, to);
    return text;
}

std::string FakeFiles::text(const std::string& path) const
{
    auto it = files.find(path);
    return it == files.end() ? std::string() : it->second;
}

void FakeFiles::putFile(const std::string& path, std::string content)
{
    for (std::string folder = folderOf(path); folder.find('\\') != std::string::npos; folder = folderOf(folder))
        folders.insert(folder);
    files[path] = std::move(content);
}

bool FakeFiles::parentExists(const std::string& path) const { return folders.count(folderOf(path)) > 0; }

Outcome FakeFiles::writable(const std::string& path) const
{
    if (!parentExists(path)) return Outcome::failed(pathNotFoundReason);
    if (readOnly.count(path) || readOnly.count(folderOf(path)) || folders.count(path))
        return Outcome::failed(deniedReason);
    return {};
}

void FakeCapture::flushScreen() { append(log, "flushScreen"); }

ImageView FakeCapture::grab(ScreenRect r)
{
    grabs.push_back(r);
    append(log, "grab");
    if (onGrab) onGrab();
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    picture = fails ? Image{} : Image{width, height, std::vector<std::uint32_t>(std::size_t(width) * height, 0x123456)};
    return picture;
}

void FakeCapture::endShot() { append(log, "endShot"); }

Bytes FakeCapture::encode(ImageView image, ImageFormat format)
{
    encodes.push_back(format);
    if (encodingFails) return {};
    const std::string text = "IMG" + std::to_string(static_cast<int>(format)) + ":" + std::to_string(image.width) +
                             "x" + std::to_string(image.height);
    return Bytes(text.begin(), text.end());
}

// Out-of-context reports come a little after the change, each on its own.
constexpr int reportDelay = 20;

void FakePlatform::move(WindowHandle w, ScreenRect r, bool byOtherProcess)
{
    desktop.rects[w] = r;
    if (!byOtherProcess) desktop.report(reportDelay, [this, w] { desktop.tellChanged(w); });
}

void FakePlatform::minimise(WindowHandle w)
{
    desktop.notShown.insert(w);
    desktop.report(reportDelay, [this, w] { desktop.tellChanged(w); });
}

void FakePlatform::restore(WindowHandle w)
{
    desktop.notShown.erase(w);
    desktop.report(reportDelay, [this, w] {
        desktop.tellChanged(w);
        if (tree.watcher) tree.watcher(w);
    });
}

void FakePlatform::show(WindowHandle w)
{
    desktop.notShown.erase(w);
    desktop.report(reportDelay, [this, w] {
        desktop.tellChanged(w);
        if (tree.watcher) tree.watcher(w);
    });
}

void FakePlatform::bringToFront(WindowHandle w)
{
    desktop.foreground = w;
    desktop.raise(w);
    desktop.report(reportDelay, [this, w] {
        if (desktop.foregroundWatcher) desktop.foregroundWatcher(w);
    });
    desktop.report(2 * reportDelay, [this, w] { desktop.raise(w); });
}

FakePlatform::FakePlatform()
    : platform{ui,    ui,    ui,      ui,    ui,      canvas,  desktop, tree,     tints,
               files, files, process, shell, capture, capture, hotkeys, autostart}
{
    ui.log = &log;
    desktop.ui = &ui;
    canvas.log = &log;
    desktop.log = &log;
    files.log = &log;
    capture.log = &log;
    for (const std::string& dir : {process.runDir, process.userDataDir})
        for (std::string folder = dir; folder.find('\\') != std::string::npos; folder = folderOf(folder))
            files.folders.insert(folder);
}

}  // namespace tintora::fake
