#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "commands/channel.h"
#include "commands/commands.h"
#include "design/texts.h"
#include "unit/test_helpers.h"

namespace tintora {
namespace {

// The window a later start waits in for the answer.
const AnswerWindow waiting{std::string(answerWindowClass), false, false};

class Commands : public unit::ProgramTest {
protected:
    CommandAnswer send(std::string_view line)
    {
        CommandAnswer answer{-1, {}};
        int answers = 0;
        const std::string bytes = messageBytes(line);
        EXPECT_TRUE(program.commandReceived({bytes, waiting}, [&](const CommandAnswer& a) {
            answer = a;
            ++answers;
        }));
        EXPECT_EQ(answers, 1) << line;
        return answer;
    }
    int alpha() const { return fp.desktop.layered.at(fp.ui.startupHandle).alpha; }
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

// What the user sees change, command by command, on a locked tint.
TEST_F(Commands, EachCommandDoesWhatItSays)
{
    startAndLock();
    const Geometry screen{0, 0, fp.desktop.screen.width, fp.desktop.screen.height};
    const int consoleLeft = geometry(WindowId::console).left;
    const auto inTray = [&] { return fp.ui.trayTips.contains(WindowId::console); };
    struct Effect {
        const char* line;
        std::function<bool()> seen;
    };
    const Effect effects[] = {
        {"/opacity 120", [&] { return alpha() == 120 && fp.ui.sliderPosition(opacitySlider) == 120; }},
        {"/stronger", [&] { return alpha() == 136; }},
        {"/weaker", [&] { return alpha() == 120; }},
        {"/colour 255,0,0",
         [&] { return fp.canvas.filledWith == rgb(255, 0, 0) && fp.ui.sliderPosition(redSlider) == 255; }},
        {"/fullscreen", [&] { return geometry(WindowId::startup) == screen && checked(console::全屏化窗口); }},
        {"/windowed", [&] { return geometry(WindowId::startup) == geometryOf(unit::targetRect); }},
        {"/shot gif", [&] { return fp.files.exists(path("\\Images\\1.gif")); }},
        {"/toggle", [&] { return !fp.ui.window(WindowId::startup).visible; }},
        {"/toggle", [&] { return fp.ui.window(WindowId::startup).visible; }},
        {"/tray", [&] { return inTray() && geometry(WindowId::console).left != consoleLeft; }},
        {"/console", [&] { return !inTray() && geometry(WindowId::console).left == consoleLeft; }},
    };
    for (const Effect& e : effects) {
        EXPECT_EQ(send(e.line), CommandAnswer{}) << e.line;
        EXPECT_TRUE(e.seen()) << e.line;
    }
}

TEST_F(Commands, TrayDuringSmartSnapIsRefused)
{
    createStartupWindow();
    program.menuCommand(startup::智能吸附窗口);
    EXPECT_EQ(send("/tray").exitCode, 2);
    EXPECT_TRUE(fp.ui.window(WindowId::startup).visible);
    EXPECT_TRUE(fp.ui.trayTips.empty());
}

// Anything but a later start's command, waiting for the answer in another program, is refused
// unread, whatever it carries.
TEST_F(Commands, OnlyWhatALaterStartSendsIsCarriedOut)
{
    startAndLock();
    const std::string line = "/opacity 7";
    const std::string bytes = messageBytes(line);
    const std::string largest = line + std::string(maxMessageBytes - line.size() - 1, ' ') + '\0';
    struct Forged {
        std::string bytes;
        AnswerWindow answerTo;
    };
    const Forged forged[] = {
        {largest.substr(0, largest.size() - 1) + " " + '\0', waiting},  // larger than a message may be
        {line, waiting},                                                // no NUL where it ends
        {bytes + bytes, waiting},                                       // ends before where it says
        {{}, waiting},
        {bytes, {"Edit", false, false}},
        {bytes, {std::string(answerWindowClass), true, false}},  // every window
        {bytes, {std::string(answerWindowClass), false, true}},  // this program's own
        {bytes, {}},                                             // no such window
    };
    for (const Forged& f : forged) {
        fp.log.clear();
        bool answered = false;
        EXPECT_FALSE(program.commandReceived({f.bytes, f.answerTo}, [&](const CommandAnswer&) { answered = true; }))
            << f.bytes.size() << " bytes to " << f.answerTo.className;
        EXPECT_FALSE(answered);
        EXPECT_TRUE(fp.log.empty()) << fp.log.front();
    }
    bool answered = false;
    EXPECT_TRUE(program.commandReceived({largest, waiting}, [&](const CommandAnswer&) { answered = true; }));
    EXPECT_TRUE(answered);
    EXPECT_EQ(alpha(), 7);
}

TEST_F(Commands, AScreenshotNotTakenAnswersWhyAndQuitAnswersBeforeTintoraEnds)
{
    startAndLock();
    fp.capture.fails = true;
    EXPECT_EQ(send("/shot"), (CommandAnswer{2, std::string(texts::screenshotNotSaved) + texts::captureFailed}));
    send("/tray");
    std::vector<int> codes;
    EXPECT_THROW(program.commandReceived({messageBytes("/quit"), waiting},
                                         [&](const CommandAnswer& a) { codes.push_back(a.exitCode); }),
                 fake::ProcessExited);
    EXPECT_EQ(codes, std::vector<int>{0});
    EXPECT_TRUE(fp.ui.trayTips.empty()) << "the tray icon left behind";
}

TEST_F(Commands, QuietStartInTheTrayWithItsMenu)
{
    putFile(paths::rememberedIni, "[Window1]\nProgram=NOTEPAD.EXE\nClass=Notepad\nLevels=0\nA=9\nR=1\nG=2\nB=3\n");
    fp.tree.add(0x3001, 0, "Notepad", "NOTEPAD.EXE");
    fp.desktop.rects[0x3001] = {100, 100, 500, 400};
    createStartupWindow();
    // At log-on the shell's notification area may come later than Tintora, and never tell of it.
    fp.ui.trayAvailable = false;
    send("/tray");
    EXPECT_FALSE(fp.ui.window(WindowId::startup).visible);
    fp.ui.trayAvailable = true;
    fp.desktop.tickClocks();
    EXPECT_TRUE(fp.ui.trayTips.contains(WindowId::startup));
    // Another program's window comes to the front: the remembered tint is put above it again.
    ASSERT_EQ(fp.tints.windows.size(), 1u);
    fp.desktop.foreground = 0x7001;
    fp.desktop.topmostCalls.clear();
    fp.desktop.tickClocks();
    ASSERT_FALSE(fp.desktop.topmostCalls.empty()) << "remembered tints kept on top";
    EXPECT_EQ(fp.desktop.topmostCalls.front().window, fp.tints.windows.begin()->first);

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
