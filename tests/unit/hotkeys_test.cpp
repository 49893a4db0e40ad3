#include <gtest/gtest.h>

#include "design/texts.h"
#include "hotkeys/key_combination.h"
#include "unit/test_helpers.h"

namespace tintora {
namespace {

TEST(KeyCombinationText, ParsesWhatAPersonWritesAndWritesItBack)
{
    struct Case {
        const char* text;
        std::optional<KeyCombination> keys;
        const char* written;
    };
    const Case cases[] = {
        {"Ctrl+Alt+T", KeyCombination{true, true, false, false, 'T'}, "Ctrl+Alt+T"},
        {" alt + CTRL + pagedown ", KeyCombination{true, true, false, false, 0x22}, "Ctrl+Alt+PageDown"},
        {"Win+Shift+F24", KeyCombination{false, false, true, true, 0x87}, "Shift+Win+F24"},
        {"Ctrl+0", KeyCombination{true, false, false, false, '0'}, "Ctrl+0"},
        {"Shift+Delete", KeyCombination{false, false, true, false, 0x2E}, "Shift+Delete"},
        {"Ctrl+Alt+Up", KeyCombination{true, true, false, false, 0x26}, "Ctrl+Alt+Up"},
        {"T", std::nullopt, ""},
        {"F5", std::nullopt, ""},
        {"Ctrl+Ctrl+T", std::nullopt, ""},
        {"Ctrl+Alt", std::nullopt, ""},
        {"Ctrl++T", std::nullopt, ""},
        {"Ctrl+F25", std::nullopt, ""},
        {"Ctrl+F0", std::nullopt, ""},
        {"Ctrl+Tab", std::nullopt, ""},
        {"Ctrl+ä", std::nullopt, ""},
        {"", std::nullopt, ""},
    };
    for (const Case& c : cases) {
        const auto keys = parseKeyCombination(c.text);
        EXPECT_EQ(keys, c.keys) << c.text;
        if (keys) EXPECT_EQ(keyCombinationText(*keys), c.written);
    }
}

class GlobalHotkeys : public unit::ProgramTest {
protected:
    bool registered(HotkeyAction a) const { return fp.hotkeys.registered.contains(a); }
    int alpha() const { return fp.ui.control(opacitySlider).position; }
};

TEST_F(GlobalHotkeys, RegisteredAtStartToldByTheConsoleAndActingAfterTheLock)
{
    putFile(paths::hotkeysIni, "[Hotkeys]\nToggle=Ctrl+Alt+T\nStronger= ctrl+alt+pageup\nWeaker=\n"
                               "Screenshot=Ctrl+Q+S\nFullScreen=Ctrl+Alt+F\nConsole=Ctrl+Alt+C\n");
    fp.hotkeys.heldElsewhere = {*parseKeyCombination("Ctrl+Alt+F")};
    createStartupWindow();
    EXPECT_EQ(fp.hotkeys.registered.size(), 3u);
    program.menuCommand(startup::帮助);
    EXPECT_TRUE(fp.shell.boxes.back().text.ends_with(std::string(texts::hotkeysHelpHeading) +
                                                     "\r\nCtrl+Alt+T：色调关/开\r\nCtrl+Alt+PageUp：色彩修正强度 +16"
                                                     "\r\nCtrl+Alt+C：显示控制台"));
    // Before the lock every action does nothing.
    for (int a = 0; a < static_cast<int>(hotkeyActionCount); ++a) program.hotkeyPressed(static_cast<HotkeyAction>(a));
    EXPECT_TRUE(fp.ui.window(WindowId::startup).visible);
    EXPECT_TRUE(fp.capture.grabs.empty());
    EXPECT_EQ(alpha(), 0);
    EXPECT_TRUE(fp.ui.balloons.empty());

    lockOver(unit::targetRect);
    EXPECT_TRUE(checked(console::全局快捷键));
    EXPECT_EQ(fp.ui.balloons.back().text, std::string(texts::hotkeysNotUsable) +
                                              "\r\nScreenshot=Ctrl+Q+S 不是按键组合\r\nCtrl+Alt+F 已被其他程序占用");

    // Stronger, clamped at 255, as if the slider had moved.
    fp.ui.setSliderPosition(opacitySlider, 250);
    program.hotkeyPressed(HotkeyAction::stronger);
    EXPECT_EQ(alpha(), 255);
    EXPECT_EQ(caption(strengthValueLabel), "255");
    EXPECT_EQ(fp.desktop.layered[fp.ui.startupHandle].alpha, 255);
    program.hotkeyPressed(HotkeyAction::weaker);
    EXPECT_EQ(alpha(), 239);

    // PNG before any format is chosen, then the last one chosen.
    program.hotkeyPressed(HotkeyAction::screenshot);
    program.menuCommand(console::储存为JPG格式);
    program.hotkeyPressed(HotkeyAction::screenshot);
    EXPECT_TRUE(fp.files.exists(path("\\Images\\1.png")));
    EXPECT_TRUE(fp.files.exists(path("\\Images\\3.jpg")));

    program.menuCommand(console::最小化控制台到托盘);
    fp.log.clear();
    program.hotkeyPressed(HotkeyAction::console);
    EXPECT_TRUE(fp.ui.trayTips.empty());
    EXPECT_EQ(fp.log.back(), "activate console");

    // Off: none stays registered, and the choice is kept; on again, the held one is told again.
    program.menuCommand(console::全局快捷键);
    EXPECT_TRUE(fp.hotkeys.registered.empty());
    EXPECT_EQ(readItem(items::hotkeysEnabled), "0");
    fp.hotkeys.heldElsewhere.clear();
    program.menuCommand(console::全局快捷键);
    EXPECT_EQ(readItem(items::hotkeysEnabled), "1");
    EXPECT_TRUE(registered(HotkeyAction::fullScreen));
    EXPECT_TRUE(checked(console::全局快捷键));
}

TEST_F(GlobalHotkeys, DefaultsWrittenWhenMissingAndNoneRegisteredWhenTurnedOff)
{
    putFile(paths::startIni, "[Hotkeys]\nEnabled=0\n");
    startAndLock();
    EXPECT_EQ(readItem({paths::hotkeysIni, "Hotkeys", "Weaker"}), "Ctrl+Alt+PageDown");
    EXPECT_TRUE(fp.hotkeys.registered.empty());
    EXPECT_FALSE(checked(console::全局快捷键));
    program.menuCommand(console::全局快捷键);
    EXPECT_EQ(fp.hotkeys.registered.size(), hotkeyActionCount);
    EXPECT_EQ(fp.hotkeys.registered[HotkeyAction::console], *parseKeyCombination("Ctrl+Alt+C"));
}

}  // namespace
}  // namespace tintora
