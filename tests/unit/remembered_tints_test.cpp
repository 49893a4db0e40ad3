#include <gtest/gtest.h>

#include "core/settings.h"
#include "design/texts.h"
#include "unit/test_helpers.h"

namespace tintora {
namespace {

// A notepad: its window, a first text area and the second, which the user remembers.
struct Notepad {
    WindowHandle window;
    WindowHandle otherEdit;
    WindowHandle edit;
    ScreenRect rect;
};

class RememberedTints : public unit::ProgramTest {
protected:
    void open(const Notepad& n, std::string program = "NOTEPAD.EXE")
    {
        fp.tree.add(n.window, 0, "Notepad", std::move(program));
        fp.tree.add(n.otherEdit, n.window, "Edit");
        fp.tree.add(n.edit, n.window, "EDIT");
        fp.desktop.rects[n.window] = {n.rect.left - 8, n.rect.top - 30, n.rect.right + 8, n.rect.bottom + 8};
        fp.desktop.rects[n.otherEdit] = {};
        fp.desktop.rects[n.edit] = n.rect;
        fp.desktop.topLevels[n.edit] = fp.desktop.topLevels[n.otherEdit] = n.window;
    }
    void close(const Notepad& n)
    {
        fp.tree.remove(n.window);
        fp.desktop.windowsAtPoints.clear();
        for (WindowHandle w : {n.window, n.otherEdit, n.edit}) fp.desktop.rects.erase(w);
    }
    void lockOnto(Tintora& p, const Notepad& n, WindowHandle target = 0)
    {
        if (target == 0) target = n.edit;
        fp.desktop.rects[target] = n.rect;
        fp.desktop.windowsAtPoints = {{target, n.rect}};
        fp.desktop.cursor = {n.rect.left + 1, n.rect.top + 1};
        p.menuCommand(startup::智能吸附窗口);
        p.timerTick(startup::时钟2);
        p.keyDown(WindowId::startup, 'A');
    }
    // Ticks of the clocks over a second and a little more: every look is due.
    void ticks(Tintora& p)
    {
        for (int i = 0; i < 9; ++i) {
            fp.desktop.ticks += 125;
            fp.desktop.tickClocks();
        }
    }
    const fake::FakeTints::Window* tintAt(ScreenRect r) const
    {
        for (const auto& [handle, w] : fp.tints.windows)
            if (w.rect == r) return &w;
        return nullptr;
    }
    std::string rememberedItem(std::string_view key, std::string_view section = "Window1") const
    {
        return fp.files.read(path(paths::rememberedIni), section, key);
    }
    bool enabled(MenuRef m) const { return fp.ui.menu(m).enabled; }

    const Notepad first{0x3001, 0x3002, 0x3003, {100, 100, 500, 400}};
    const Notepad second{0x4001, 0x4002, 0x4003, {600, 100, 900, 400}};
};

TEST_F(RememberedTints, MatchAndLifeOfARememberedTint)
{
    open(first);
    createStartupWindow();
    EXPECT_FALSE(enabled(console::记住此窗口的颜色));
    lockOnto(program, first);
    EXPECT_TRUE(enabled(console::记住此窗口的颜色));
    EXPECT_TRUE(enabled(console::忘记此窗口的颜色));
    for (auto [slider, value] : {std::pair{redSlider, 10}, {greenSlider, 20}, {blueSlider, 30}, {opacitySlider, 140}})
        moveSlider(slider, value);
    program.menuCommand(console::记住此窗口的颜色);
    EXPECT_EQ(rememberedItem("Program"), "NOTEPAD.EXE");
    EXPECT_EQ(rememberedItem("Class"), "Notepad");
    EXPECT_EQ(rememberedItem("Levels"), "1");
    EXPECT_EQ(rememberedItem("Level1"), "1 EDIT");
    EXPECT_EQ(rememberedItem("A") + rememberedItem("R") + rememberedItem("G") + rememberedItem("B"), "140102030");
    ticks(program);
    EXPECT_TRUE(fp.tints.windows.empty()) << "the overlay's window gets no second tint";

    // A new start: at the opening screen both notepads, of one program whatever the case of its
    // name, are tinted over their second text area.
    fp.desktop.callbackTimers.clear();  // the first run has ended
    Tintora again{fp.platform};
    fp.ui.onModalOpen = [&] { again.windowCreated(WindowId::console); };
    again.start();
    open(second, "notepad.exe");
    again.windowCreated(WindowId::startup);
    ticks(again);
    ASSERT_EQ(fp.tints.windows.size(), 2u);
    const auto* tint = tintAt(first.rect);
    ASSERT_NE(tint, nullptr);
    EXPECT_EQ(tint->colour, rgb(10, 20, 30));
    EXPECT_EQ(tint->alpha, 140);
    EXPECT_NE(tintAt(second.rect), nullptr);

    // It follows a move, hides while the window is minimised (at once when the system tells), and
    // goes with the window.
    const ScreenRect moved{150, 120, 450, 380};
    fp.desktop.rects[first.edit] = moved;
    ticks(again);
    ASSERT_NE(tintAt(moved), nullptr);
    fp.desktop.notShown.insert(first.window);
    fp.desktop.tellChanged(first.edit);
    EXPECT_FALSE(tintAt(moved)->shown);
    fp.desktop.notShown.erase(first.window);
    ticks(again);
    EXPECT_TRUE(tintAt(moved)->shown);
    close(first);
    ticks(again);
    EXPECT_EQ(fp.tints.windows.size(), 1u);
    open(first);
    fp.tree.watcher(first.window);
    EXPECT_NE(tintAt(first.rect), nullptr) << "a notepad shown again is tinted at once";
    // At the opening screen "tint off" hides the remembered tints and leaves the opening screen.
    again.hotkeyPressed(HotkeyAction::toggleTint);
    EXPECT_FALSE(tintAt(first.rect)->shown);
    EXPECT_TRUE(fp.ui.window(WindowId::startup).visible);

    // Locked onto the second notepad, its tint steps aside and the others show again, kept below
    // the console.
    lockOnto(again, second);
    ASSERT_NE(tintAt(second.rect), nullptr);
    EXPECT_FALSE(tintAt(second.rect)->shown);
    ticks(again);
    EXPECT_EQ(tintAt(second.rect), nullptr);
    ASSERT_NE(tintAt(first.rect), nullptr);
    EXPECT_TRUE(tintAt(first.rect)->shown);
    fp.desktop.foreground = 0x7001;
    fp.desktop.topmostCalls.clear();
    fp.desktop.callbackTimers.rbegin()->second.tick();  // the keeper of the later start
    ASSERT_FALSE(fp.desktop.topmostCalls.empty());
    EXPECT_EQ(fp.desktop.topmostCalls.front().window, fp.tints.windows.begin()->first);
    EXPECT_EQ(fp.desktop.topmostCalls.back().window, fp.ui.consoleHandle);
    // Remembered again, with this console's colour, the tint shown now takes it.
    again.menuCommand(console::记住此窗口的颜色);
    ticks(again);
    ASSERT_NE(tintAt(first.rect), nullptr);
    EXPECT_EQ(tintAt(first.rect)->colour, rgb(255, 255, 255));
    EXPECT_EQ(tintAt(first.rect)->alpha, 30);
    // "tint off / on" hides the remembered tints too; following does not show them meanwhile, a
    // window moved meanwhile is tinted where it is once they are on, and one minimised stays hidden.
    again.hotkeyPressed(HotkeyAction::toggleTint);
    fp.desktop.rects[first.edit] = moved;
    ticks(again);
    EXPECT_FALSE(tintAt(first.rect)->shown);
    again.hotkeyPressed(HotkeyAction::toggleTint);
    ASSERT_NE(tintAt(moved), nullptr);
    EXPECT_TRUE(tintAt(moved)->shown);
    again.hotkeyPressed(HotkeyAction::toggleTint);
    fp.desktop.notShown.insert(first.window);
    fp.desktop.tellChanged(first.edit);
    again.hotkeyPressed(HotkeyAction::toggleTint);
    EXPECT_FALSE(tintAt(moved)->shown);
    // Forgotten, every tint goes at once.
    again.menuCommand(console::忘记此窗口的颜色);
    EXPECT_TRUE(fp.tints.windows.empty());
    EXPECT_EQ(rememberedItem("Program"), "");
    EXPECT_FALSE(fp.tree.watcher) << "no entry, no watching";
    EXPECT_TRUE(fp.desktop.watches.empty());
    // The locked window has closed: remember says why it does nothing.
    close(second);
    again.menuCommand(console::记住此窗口的颜色);
    EXPECT_EQ(fp.ui.balloons.back().text, std::string_view(texts::targetNotIdentified));
    EXPECT_EQ(rememberedItem("Program"), "");
}

// Thirty-two windows are remembered at most; a control is told from a sibling of its class by its rank
// among them.
TEST_F(RememberedTints, ThirtyTwoWindowsEachByItsRankAmongSiblings)
{
    std::string sections;
    for (int slot = 1; slot <= 30; ++slot)
        sections += "[Window" + std::to_string(slot) + "]\nProgram=x.exe\nClass=X\nLevels=0\nA=90\nR=1\nG=2\nB=3\n";
    putFile(paths::rememberedIni, sections);
    open(first);
    // Each run locks onto one of the notepad's windows and remembers it.
    const auto rememberIn = [&](Tintora& run, WindowHandle target) {
        if (&run != &program) {
            fp.desktop.callbackTimers.clear();  // the run before has ended
            fp.ui.onModalOpen = [&] { run.windowCreated(WindowId::console); };
            run.start();
        }
        run.windowCreated(WindowId::startup);
        lockOnto(run, first, target);
        run.menuCommand(console::记住此窗口的颜色);
    };
    rememberIn(program, first.edit);
    Tintora secondRun{fp.platform};
    rememberIn(secondRun, first.otherEdit);
    EXPECT_EQ(rememberedItem("Level1", "Window31"), "1 EDIT") << "the second text area's entry stays";
    EXPECT_EQ(rememberedItem("Level1", "Window32"), "0 Edit");
    Tintora thirdRun{fp.platform};
    rememberIn(thirdRun, first.window);
    ASSERT_FALSE(fp.ui.balloons.empty());
    EXPECT_EQ(fp.ui.balloons.back().text, std::string_view(texts::rememberedFull));
    EXPECT_EQ(rememberedItem("Program", "Window33"), "");
}

// Sixteen tints show at most, and a tint minimised with its window leaves room for another. Only the
// entry's own window is tinted: not one of another program with the same class, not one whose path
// ends early (nor its parent), not a hidden control, not a window on another virtual desktop.
TEST_F(RememberedTints, AtMostSixteenShownAndOnlyOverTheEntrysWindow)
{
    putFile(paths::rememberedIni,
            "[Window32]\nProgram=notepad.exe\nClass=Notepad\nLevels=1\nLevel1=1 Edit\nA=90\nR=1\nG=2\nB=3\n");
    const Notepad otherProgram{0x900, 0x901, 0x902, {0, 0, 10, 1}};
    const Notepad hiddenEdit{0x910, 0x911, 0x912, {0, 0, 10, 2}};
    const Notepad cloaked{0x920, 0x921, 0x922, {0, 0, 10, 3}};
    open(otherProgram, "other.exe");
    open(hiddenEdit, "notepad.exe");
    fp.desktop.notShown.insert(hiddenEdit.edit);
    open(cloaked, "notepad.exe");
    fp.desktop.cloaked.insert(cloaked.window);
    const ScreenRect oneEdit{0, 0, 10, 4};
    fp.tree.add(0x930, 0, "Notepad", "notepad.exe");
    fp.tree.add(0x931, 0x930, "Edit");
    fp.desktop.rects[0x930] = fp.desktop.rects[0x931] = oneEdit;
    for (WindowHandle w = 0x100; w < 0x100 + 20 * 4; w += 4) open({w, w + 1, w + 2, {0, 0, 10, int(w)}});
    createStartupWindow();
    ticks(program);
    EXPECT_EQ(fp.tints.windows.size(), 16u);
    for (ScreenRect r : {otherProgram.rect, hiddenEdit.rect, cloaked.rect, oneEdit}) EXPECT_EQ(tintAt(r), nullptr);

    for (WindowHandle w : {0x100, 0x104}) fp.desktop.notShown.insert(w);
    ticks(program);
    EXPECT_EQ(fp.tints.windows.size(), 18u);
}

// Run with the system's reports (Windows) and without (Wine): a window minimised at the start is tinted
// once restored, a control once its tab page shows it, a window skipped at the cap once a tint
// closes, a window the system would not watch is followed on the quick clock, and each tint ends over
// its window even where a move is not reported.
class RememberedTintPaths : public RememberedTints, public testing::WithParamInterface<bool> {};

TEST_P(RememberedTintPaths, EachTintEndsOverItsWindowWhateverTheSystemReports)
{
    fp.desktop.reports = GetParam();
    putFile(paths::rememberedIni,
            "[Window1]\nProgram=notepad.exe\nClass=Notepad\nLevels=1\nLevel1=1 Edit\nA=90\nR=1\nG=2\nB=3\n");
    std::vector<Notepad> others;
    for (WindowHandle w = 0x100; w < 0x100 + 15 * 4; w += 4) {
        others.push_back({w, w + 1, w + 2, {0, 0, 10, int(w)}});
        open(others.back());
    }
    open(first);
    open(second);
    fp.desktop.notShown = {first.window, second.edit};
    fp.desktop.unwatchable.insert(second.edit);
    createStartupWindow();
    fp.bringToFront(0x7001);
    fp.desktop.advance(1000);
    EXPECT_EQ(fp.tints.windows.size(), 15u);
    fp.restore(first.window);
    fp.desktop.advance(GetParam() ? 20 : 1000);
    ASSERT_NE(tintAt(first.rect), nullptr) << "restored";
    EXPECT_EQ(fp.desktop.stack.front(), fp.ui.consoleHandle) << "a new tint above the console";
    fp.show(second.edit);
    fp.desktop.advance(1000);
    EXPECT_EQ(tintAt(second.rect), nullptr) << "shown beyond the cap";
    close(others[0]);
    fp.desktop.report(20, [&] { fp.desktop.tellChanged(others[0].edit); });
    fp.desktop.advance(GetParam() ? 20 : 1000);
    EXPECT_NE(tintAt(second.rect), nullptr) << "shown on a tab page once a tint closed at the cap";
    const ScreenRect moved{650, 120, 950, 380};
    fp.move(second.edit, moved);
    fp.desktop.advance(100);
    EXPECT_NE(tintAt(moved), nullptr) << "a window the system would not watch";
    const ScreenRect firstMoved{150, 120, 450, 380};
    fp.move(first.edit, firstMoved, true);
    fp.desktop.advance(1000);
    EXPECT_NE(tintAt(firstMoved), nullptr) << "a move no report told of";
}

INSTANTIATE_TEST_SUITE_P(Modes, RememberedTintPaths, testing::Bool(),
                         [](const auto& mode) { return mode.param ? "Windows" : "Wine"; });

}  // namespace
}  // namespace tintora
