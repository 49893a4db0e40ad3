#include "platform/ini_text.h"

#include <gtest/gtest.h>

namespace tintora {
namespace {

// Stands for the system's converter: marks what it was given.
std::string markedGbk(std::string_view gbk) { return "gbk:" + std::string(gbk); }

TEST(ForeignText, IsJudgedByMarkOrBytes)
{
    EXPECT_EQ(textAsUtf8("Img=a.png", markedGbk), "Img=a.png");
    EXPECT_EQ(textAsUtf8("图表.png", markedGbk), "图表.png");
    EXPECT_EQ(textAsUtf8("\xEF\xBB\xBF图表", markedGbk), "图表");
    EXPECT_EQ(textAsUtf8("\xCD\xBC\xB1\xED.png", markedGbk), "gbk:\xCD\xBC\xB1\xED.png");  // 图表 in GBK
    EXPECT_EQ(textAsUtf8("\xC0\xAF", markedGbk), "gbk:\xC0\xAF");  // an overlong '/' is no UTF-8
    // A surrogate pair, then a lone surrogate.
    EXPECT_EQ(textAsUtf8(std::string("\xFF\xFE\xFE\x56\x68\x88\x3D\xD8\x00\xDE\x00\xD8", 12), markedGbk),
              "图表😀\xEF\xBF\xBD");
    EXPECT_EQ(textAsUtf8(std::string("\xFE\xFF\x56\xFE\x00\x41", 6), markedGbk), "图A");
}

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
