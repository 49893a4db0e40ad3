#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "commands/commands.h"
#include "design/design.h"
#include "design/texts.h"
#include "unit/test_helpers.h"

namespace tintora {
namespace {

// Whether the UTF-8 text has a character of the CJK blocks or of the full-width forms.
bool hasChinese(std::string_view text)
{
    for (std::size_t i = 0; i + 2 < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead >= 0xE3 && lead <= 0xEF) return true;  // U+3000 to U+FFFF
    }
    return false;
}

// A text given in Chinese has its English, written in English.
void expectEnglish(const Text& text, std::string_view what)
{
    SCOPED_TRACE(std::string(what) + ": " + text.zh);
    if (std::string_view(text.zh).empty()) return;
    ASSERT_NE(text.en, nullptr);
    EXPECT_FALSE(std::string_view(text.en).empty());
    EXPECT_FALSE(hasChinese(text.en) && text.en != menuItemDesign(console::语言).caption.en);
}

TEST(Translations, EveryTextAndCaptionHasItsEnglish)
{
    for (const Text* text : texts::all) expectEnglish(*text, "text");
    for (const WindowDesign& w : windowDesigns()) {
        expectEnglish(w.title, "title");
        for (const MenuDesign& m : menuDesign(w.id)) expectEnglish(m.caption, "menu");
    }
    for (const ControlDesign& c : controlDesigns()) expectEnglish(c.caption, c.designName);

    setLanguage(Language::en);
    const std::string usage = usageText();
    setLanguage(Language::zh);
    EXPECT_FALSE(hasChinese(usage)) << usage;
}

class LanguageSwitch : public unit::ProgramTest {};

TEST_F(LanguageSwitch, StartIniChoosesTheLanguageAndAnythingElseIsChinese)
{
    for (const auto& [value, expected] : {std::pair{"en", Language::en},
                                          {"zh", Language::zh},
                                          {"EN", Language::zh},
                                          {"fr", Language::zh},
                                          {"", Language::zh}}) {
        putFile("\\Config\\Start.ini", std::string("[Start]\r\nLanguage=") + value + "\r\n");
        Tintora fresh(fp.platform);
        fresh.start();
        EXPECT_EQ(language(), expected) << value;
    }
    setLanguage(Language::zh);
}

// A caption the English font draws wider than its design width widened its label: the value and
// the button move right, and the console grows to hold them, where it stands.
TEST_F(LanguageSwitch, AWiderCaptionPushesItsRowRightAndWidensTheConsole)
{
    startAndLock();
    const Geometry before = geometry(WindowId::console);
    Geometry label = fp.ui.geometry(console::标签4);
    label.width += 100;
    fp.ui.setGeometry(console::标签4, label);

    program.menuCommand(console::语言);

    EXPECT_EQ(language(), Language::en);
    EXPECT_EQ(readItem(items::language), "en");
    EXPECT_EQ(fp.ui.window(WindowId::console).fontsLanguage, Language::en);
    EXPECT_EQ(caption(console::标签4), "Correction strength:");
    EXPECT_EQ(menuCaption(console::选项), "Options");
    EXPECT_EQ(menuCaption(console::语言), "中文");
    EXPECT_EQ(menuCaption(console::当前截图统计次数为), "Screenshots taken: 0");
    EXPECT_EQ(fp.ui.control(startupPicture).pictureLanguage, Language::en);
    EXPECT_EQ(fp.ui.geometry(console::标签10).left, label.width + 18);
    EXPECT_EQ(fp.ui.geometry(console::按钮1).left, label.width + 18 + 80 + 16);
    const Geometry after = geometry(WindowId::console);
    // The button's right edge, the margin and the frame.
    EXPECT_EQ(after.width, label.width + 18 + 80 + 16 + 184 + 12 + 6);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);

    program.menuCommand(console::语言);
    EXPECT_EQ(readItem(items::language), "zh");
    EXPECT_EQ(caption(console::标签4), "色彩修正强度:");
    EXPECT_EQ(menuCaption(console::语言), "English");
}

}  // namespace
}  // namespace tintora
