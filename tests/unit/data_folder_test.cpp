#include <gtest/gtest.h>

#include <algorithm>

#include "core/settings.h"
#include "unit/test_helpers.h"

namespace tintora {
namespace {

class DataFolder : public unit::ProgramTest {
protected:
    std::string data(std::string_view suffix) const
    {
        return fp.process.userDataDir + "\\Tintora" + std::string(suffix);
    }
};

TEST_F(DataFolder, ARunFolderThatCannotBeWrittenMovesConfigAndImagesToTheUsersFolder)
{
    fp.files.folders.insert(path("\\VirelineConfig"));
    fp.files.folders.insert(path("\\VirelineConfig\\Config"));
    fp.files.readOnly.insert(fp.process.runDir);
    program.start();
    createStartupWindow();

    const std::string notice = "程序所在的文件夹无法写入，设置和截图现保存在：\r\n" + data("");
    EXPECT_EQ(fp.process.currentDirectory(), fp.process.runDir);
    EXPECT_TRUE(fp.files.folders.count(data("\\Images")));
    EXPECT_EQ(fp.files.text(data("\\Config\\Screenshotstatistics.ini")), "[Screenshotstatistics]\nMeter=0\n");
    EXPECT_EQ(fp.files.text(data("\\Config\\Colour.ini")), "[colour]\nA=30\nR=255\nG=255\nB=255\n");
    EXPECT_EQ(fp.files.text(data("\\Config\\Start.ini")), "[Start]\nSmall=0\n[Bg]\nBackground=0\n");
    EXPECT_FALSE(fp.files.exists(path("\\Config")));
    EXPECT_EQ(readItem(items::chartChoice), "3");

    program.menuCommand(startup::帮助);
    ASSERT_EQ(fp.shell.boxes.size(), 1u);
    EXPECT_TRUE(fp.shell.boxes[0].text.ends_with("\r\n\r\n" + notice)) << fp.shell.boxes[0].text;

    lockOver(unit::targetRect);
    ASSERT_EQ(fp.ui.balloons.size(), 1u);
    EXPECT_EQ(fp.ui.balloons[0].text, notice);

    moveSlider(redSlider, 10);
    program.buttonClicked(saveColourButton);
    program.menuCommand(console::储存为PNG格式);
    program.menuCommand(console::打开截图文件夹);
    EXPECT_EQ(fp.files.read(data("\\Config\\Colour.ini"), "colour", "R"), "10");
    EXPECT_EQ(fp.files.text(data("\\Images\\1.png")), "IMG5:300x400");
    EXPECT_EQ(fp.files.read(data("\\Config\\Screenshotstatistics.ini"), "Screenshotstatistics", "Meter"), "1");
    EXPECT_EQ(fp.shell.opened, std::vector<std::string>{data("\\Images\\")});
    EXPECT_EQ(fp.ui.balloons.size(), 1u);
}

TEST_F(DataFolder, WithoutAUsersFolderTheFilesStayBesideTheProgramAndNothingGoesToTheRoot)
{
    fp.process.userDataDir.clear();
    fp.files.readOnly.insert(fp.process.runDir);
    fp.log.clear();
    program.start();
    createStartupWindow();
    lockOver(unit::targetRect);
    program.menuCommand(console::储存为PNG格式);

    for (const std::string& entry : fp.log) {
        if (entry.starts_with("createFolder ") || entry.starts_with("writeFile "))
            EXPECT_TRUE(entry.substr(entry.find(' ') + 1).starts_with(fp.process.runDir + "\\")) << entry;
    }
    // The shot stops at its counter, which cannot be written beside the program either.
    EXPECT_TRUE(std::ranges::any_of(fp.files.writes, [&](const std::string& e) {
        return e.starts_with(path("\\Config\\Screenshotstatistics.ini|"));
    }));
    EXPECT_FALSE(
        std::ranges::any_of(fp.ui.balloons, [](const auto& b) { return b.text.starts_with("程序所在的文件夹"); }));
}

}  // namespace
}  // namespace tintora
