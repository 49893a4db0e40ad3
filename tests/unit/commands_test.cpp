#include <gtest/gtest.h>

#include "commands/commands.h"
#include "unit/test_helpers.h"

namespace tintora {
namespace {

class Commands : public unit::ProgramTest {
protected:
    CommandAnswer send(std::string_view line)
    {
        CommandAnswer answer{-1, {}};
        int answers = 0;
        program.commandReceived(line, [&](const CommandAnswer& a) {
            answer = a;
            ++answers;
        });
        EXPECT_EQ(answers, 1) << line;
        return answer;
    }
};

TEST_F(Commands, ParsedAndAnsweredBeforeAndAfterTheLock)
{
    struct Case {
        const char* line;
        int beforeLock;
        int afterLock;
    };
    // clang-format off
    const Case cases[] = {
        {"/opacity 120", 2, 0},   {"/OPACITY 7", 2, 0},       {"/opacity 300", 64, 64},  {"/opacity", 64, 64},
        {"/opacity 1 2", 64, 64}, {"/opacity -1", 64, 64},    {"/opacity ５", 64, 64},   {"/stronger", 2, 0},
        {"/weaker", 2, 0},        {"/colour 255,0,0", 2, 0},  {"/colour 1,2", 64, 64},   {"/colour 1,2,3,4", 64, 64},
        {"/colour 1,,3", 64, 64}, {"/colour 1,2,256", 64, 64}, {"/shot", 2, 0},           {"/shot PNG", 2, 0},
        {"/shot jpeg x", 64, 64}, {"/shot tiff", 64, 64},     {"/fullscreen", 2, 0},     {"/windowed", 2, 0},
        {"/toggle", 0, 0},        {"/toggle", 0, 0},          {"/toggle on", 64, 64},    {"/bogus", 64, 64},
        {"", 64, 64},             {"-quit", 64, 64},          {"/?", 0, 0},              {"/tray", 0, 0},
        {"/console", 0, 0},
    };
    // clang-format on
    for (bool locked : {false, true}) {
        if (locked)
            startAndLock();
        else
            createStartupWindow();
        for (const Case& c : cases) {
            fp.log.clear();
            const std::vector<std::string> words = splitWords(c.line);
            const ParsedCommand parsed = parseCommand(words);
            const CommandAnswer answer = send(c.line);
            const int expected = locked ? c.afterLock : c.beforeLock;
            EXPECT_EQ(answer.exitCode, expected) << c.line << (locked ? " locked" : " before the lock");
            EXPECT_EQ(answer.text.empty(), expected == 0 && words != std::vector<std::string>{"/?"}) << c.line;
            if (expected == 64) EXPECT_TRUE(fp.log.empty()) << c.line << " changed something";
            // What the running copy is sent parses back to the same command.
            if (const auto* command = std::get_if<Command>(&parsed))
                EXPECT_EQ(std::get<Command>(parseCommand(splitWords(commandText(*command)))), *command) << c.line;
        }
    }
    EXPECT_NE(send("/?").text.find("/colour R,G,B"), std::string::npos);
    EXPECT_NE(send("/opacity 300").text.find("300"), std::string::npos);
}

TEST_F(Commands, AScreenshotNotTakenIsNotDoneAndQuitAnswersBeforeTintoraEnds)
{
    startAndLock();
    fp.capture.fails = true;
    const CommandAnswer shot = send("/shot");
    EXPECT_EQ(shot.exitCode, 2);
    EXPECT_EQ(shot.text, "截图未保存：无法截取图像。");
    send("/tray");
    std::vector<int> codes;
    EXPECT_THROW(program.commandReceived("/quit", [&](const CommandAnswer& a) { codes.push_back(a.exitCode); }),
                 fake::ProcessExited);
    EXPECT_EQ(codes, std::vector<int>{0});
    EXPECT_TRUE(fp.ui.trayTips.empty()) << "the tray icon left behind";
}

TEST_F(Commands, QuietStartInTheTrayWithItsMenu)
{
    createStartupWindow();
    // At log-on the shell's notification area may come later than Tintora.
    fp.ui.trayAvailable = false;
    send("/tray");
    EXPECT_FALSE(fp.ui.window(WindowId::startup).visible);
    fp.ui.trayAvailable = true;
    program.trayCreated(WindowId::startup);
    EXPECT_TRUE(fp.ui.trayTips.contains(WindowId::startup));
    EXPECT_FALSE(fp.desktop.callbackTimers.empty()) << "remembered tints kept on top";

    program.trayEvent(WindowId::startup, TrayEvent::menu);
    EXPECT_EQ(fp.ui.popups.back(), MenuRef(console::快捷菜单));
    EXPECT_EQ(fp.ui.popupOwners.back(), WindowId::startup);
    EXPECT_FALSE(checked(console::开机时启动));
    program.menuCommand(console::开机时启动);
    EXPECT_TRUE(fp.autostart.on);
    program.trayEvent(WindowId::startup, TrayEvent::menu);
    EXPECT_TRUE(checked(console::开机时启动));
    // The check mark follows what the system holds, not what was last chosen here.
    fp.autostart.on = false;
    program.trayEvent(WindowId::startup, TrayEvent::menu);
    EXPECT_FALSE(checked(console::开机时启动));

    program.hotkeyPressed(HotkeyAction::console);
    EXPECT_TRUE(fp.ui.window(WindowId::startup).visible);
    EXPECT_FALSE(fp.ui.trayTips.contains(WindowId::startup));
}

}  // namespace
}  // namespace tintora
