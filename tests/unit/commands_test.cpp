#include <gtest/gtest.h>

#include <tuple>

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
    EXPECT_EQ(send("/shot").exitCode, 2);
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
    // At log-on the shell's notification area may come later than Tintora, and never tell of it.
    fp.ui.trayAvailable = false;
    send("/tray");
    EXPECT_FALSE(fp.ui.window(WindowId::startup).visible);
    fp.ui.trayAvailable = true;
    fp.desktop.tickClocks();
    EXPECT_TRUE(fp.ui.trayTips.contains(WindowId::startup));
    EXPECT_FALSE(fp.desktop.callbackTimers.empty()) << "remembered tints kept on top";

    program.trayEvent(WindowId::startup, TrayEvent::menu);
    EXPECT_EQ(fp.ui.popups.back(), MenuRef(console::快捷菜单));
    EXPECT_EQ(fp.ui.popupOwners.back(), WindowId::startup);
    EXPECT_FALSE(checked(console::开机时启动));
    // Checking writes a quiet start of this exe and clears the disabled state Task Manager left.
    fp.autostart.approved = 0x03;
    program.menuCommand(console::开机时启动);
    EXPECT_EQ(fp.autostart.run, "\"C:\\Tools\\Tintora\\tintora.exe\" /tray");
    EXPECT_EQ(fp.autostart.approved, std::nullopt);
    // The check mark follows what the system holds: on only for this exe (in any case) not disabled.
    const std::tuple<const char*, std::optional<std::uint8_t>, bool> held[] = {
        {"\"c:\\tools\\tintora\\TINTORA.EXE\" /tray", 0x02, true},
        {"\"C:\\Tools\\Tintora\\tintora.exe\" /tray", 0x03, false},
        {"C:\\Old\\tintora.exe /tray", std::nullopt, false},
        {"C:\\Tools\\Tintora\\tintora.exe /tray", std::nullopt, true},
    };
    for (const auto& [run, approved, on] : held) {
        fp.autostart.run = run;
        fp.autostart.approved = approved;
        program.trayEvent(WindowId::startup, TrayEvent::menu);
        EXPECT_EQ(checked(console::开机时启动), on) << run;
    }
    // Unchecking removes both; a write the registry refuses is told with the system's reason.
    fp.autostart.approved = 0x02;
    program.menuCommand(console::开机时启动);
    EXPECT_EQ(fp.autostart.run, std::nullopt);
    EXPECT_EQ(fp.autostart.approved, std::nullopt);
    fp.autostart.refusal = "拒绝访问。";
    program.menuCommand(console::开机时启动);
    ASSERT_FALSE(fp.ui.balloons.empty());
    EXPECT_EQ(fp.ui.balloons.back().text, "无法更改开机时启动：拒绝访问。");

    program.hotkeyPressed(HotkeyAction::console);
    EXPECT_TRUE(fp.ui.window(WindowId::startup).visible);
    EXPECT_FALSE(fp.ui.trayTips.contains(WindowId::startup));
}

}  // namespace
}  // namespace tintora
