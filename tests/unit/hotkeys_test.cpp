#include <gtest/gtest.h>

#include "design/texts.h"
#include "hotkeys/key_combination.h"
#include "unit/test_helpers.h"

namespace tintora {
namespace {

TEST(KeyCombinationText, ParsesWhatAPersonWritesAndWritesItBack)
{
    // clang-format off
    const std::pair<const char*, const char*> cases[] = {
        {"Ctrl+Alt+T", "Ctrl+Alt+T"},           {" alt + CTRL + pagedown ", "Ctrl+Alt+PageDown"},
        {"Win+Shift+F24", "Shift+Win+F24"},     {"Ctrl+0", "Ctrl+0"},
        {"shift+delete", "Shift+Delete"},       {"T", nullptr},
        {"F5", nullptr},                        {"Ctrl+Ctrl+T", nullptr},
        {"Ctrl+Alt", nullptr},                  {"Ctrl++T", nullptr},
        {"Ctrl+F25", nullptr},                  {"Ctrl+Tab", nullptr},
    };
    // clang-format on
    for (const auto& [text, written] : cases) {
        const auto keys = parseKeyCombination(text);
        EXPECT_EQ(keys.has_value(), written != nullptr) << text;
        if (keys && written) EXPECT_EQ(keyCombinationText(*keys), written);
    }
}

using GlobalHotkeys = unit::ProgramTest;

TEST_F(GlobalHotkeys, RegisteredAtStartToldByTheConsoleAndActingAfterTheLock)
{
    putFile(paths::hotkeysIni,
            "[Hotkeys]\nToggle=Ctrl+Alt+T\nStronger= ctrl+alt+pageup\nWeaker=\n"
            "Screenshot=Ctrl+Q+S\nFullScreen=Ctrl+Alt+F\nConsole=Alt+Ctrl+T\n");
    fp.hotkeys.heldElsewhere = {*parseKeyCombination("Ctrl+Alt+F")};
    createStartupWindow();
    EXPECT_EQ(fp.hotkeys.registered.size(), 2u);
    program.menuCommand(startup::帮助);
    EXPECT_TRUE(fp.shell.boxes.back().text.ends_with(std::string(texts::hotkeysHelpHeading) +
                                                     "\r\nCtrl+Alt+T：色调关/开\r\nCtrl+Alt+PageUp：色彩修正强度 +16"));
    // Before the lock every action does nothing.
    for (std::size_t a = 0; a < hotkeyActionCount; ++a) program.hotkeyPressed(static_cast<HotkeyAction>(a));
    EXPECT_TRUE(fp.ui.window(WindowId::startup).visible);
    EXPECT_TRUE(fp.capture.grabs.empty());
    EXPECT_EQ(fp.desktop.layered[fp.ui.startupHandle].alpha, 255) << "the opening screen's opacity";
    EXPECT_TRUE(fp.ui.balloons.empty());

    lockOver(unit::targetRect);
    const std::string problems = std::string(texts::hotkeysNotUsable) +
                                 "\r\nScreenshot=Ctrl+Q+S 不是按键组合\r\nCtrl+Alt+F 已被其他程序占用"
                                 "\r\nConsole=Alt+Ctrl+T 与 Toggle 重复";
    EXPECT_EQ(fp.ui.balloons.back().text, problems);

    // Stronger stops at 255, as the slider does, with the labels and the overlay.
    moveSlider(opacitySlider, 250);
    program.hotkeyPressed(HotkeyAction::stronger);
    EXPECT_EQ(caption(strengthValueLabel), "255");
    EXPECT_EQ(fp.desktop.layered[fp.ui.startupHandle].alpha, 255);

    // PNG before any format is chosen, then the one last chosen.
    program.hotkeyPressed(HotkeyAction::screenshot);
    program.menuCommand(console::储存为JPG格式);
    program.hotkeyPressed(HotkeyAction::screenshot);
    EXPECT_EQ(fp.capture.encodes, (std::vector{ImageFormat::png, ImageFormat::jpeg, ImageFormat::jpeg}));
    EXPECT_TRUE(fp.files.exists(path("\\Images\\3.jpg")));

    // Off lets every combination go, and the help lists none; on again tells the problems again.
    EXPECT_TRUE(checked(console::全局快捷键));
    program.menuCommand(console::全局快捷键);
    EXPECT_TRUE(fp.hotkeys.registered.empty());
    program.menuCommand(startup::帮助);
    EXPECT_EQ(fp.shell.boxes.back().text.find(texts::hotkeysHelpHeading), std::string::npos);
    fp.ui.balloons.clear();
    program.menuCommand(console::全局快捷键);
    EXPECT_EQ(fp.hotkeys.registered.size(), 2u);
    EXPECT_EQ(fp.ui.balloons.back().text, problems);
}

}  // namespace
}  // namespace tintora
