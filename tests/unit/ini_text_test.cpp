#include "platform/ini_text.h"

#include <gtest/gtest.h>

namespace tintora {
namespace {

// Stands for the system's converter: marks what it was given.
std::string markedGbk(std::string_view gbk) { return "gbk:" + std::string(gbk); }

struct EncodingCase {
    std::string bytes;
    TextEncoding encoding;
    std::string utf8;
};

class ForeignText : public testing::TestWithParam<EncodingCase> {};

TEST_P(ForeignText, IsJudgedByMarkOrBytes)
{
    EXPECT_EQ(detectTextEncoding(GetParam().bytes), GetParam().encoding);
    EXPECT_EQ(textAsUtf8(GetParam().bytes, markedGbk), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ForeignText,
    testing::Values(EncodingCase{"Img=a.png", TextEncoding::utf8, "Img=a.png"},
                    EncodingCase{"图表.png", TextEncoding::utf8, "图表.png"},
                    EncodingCase{"\xEF\xBB\xBF图表", TextEncoding::utf8, "图表"},
                    EncodingCase{"\xCD\xBC\xB1\xED.png", TextEncoding::gbk, "gbk:\xCD\xBC\xB1\xED.png"},  // 图表 in GBK
                    EncodingCase{"\xC0\xAF", TextEncoding::gbk, "gbk:\xC0\xAF"},  // overlong '/'
                    EncodingCase{std::string("\xFF\xFE\xFE\x56\x68\x88\x3D\xD8\x00\xDE\x00\xD8", 12),
                                 TextEncoding::utf16le, "图表😀\xEF\xBF\xBD"},  // a pair, then a lone surrogate
                    EncodingCase{std::string("\xFE\xFF\x56\xFE\x00\x41", 6), TextEncoding::utf16be, "图A"}));

TEST(IniItem, FindsTheItemAsTheProfileApiDoes)
{
    const std::string text =
        "[Choice]\r\nRecord=1\r\n [ imges ] \r\n  IMG =  \"图表 1.png\"  \r\nImg=second.png\r\n"
        "[Other]\nimg=other.png";
    EXPECT_EQ(iniItem(text, "Imges", "Img"), "图表 1.png");
    EXPECT_EQ(iniItem(text, "Other", "Img"), "other.png");
    EXPECT_EQ(iniItem(text, "Imges", "Record"), "");
}

}  // namespace
}  // namespace tintora
