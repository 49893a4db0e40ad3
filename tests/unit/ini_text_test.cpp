#include "platform/ini_text.h"

#include <gtest/gtest.h>

namespace tintora {
namespace {

// Stands for the system's converter: marks what it was given.
std::string markedGbk(std::string_view gbk) { return "gbk:" + std::string(gbk); }

TEST(ForeignText, IsReadByMarkOrBytes)
{
    using Readings = std::vector<std::string>;
    EXPECT_EQ(textReadings("Img=a.png", markedGbk), Readings{"Img=a.png"});
    EXPECT_EQ(textReadings("\xEF\xBB\xBF图表", markedGbk), Readings{"图表"});
    EXPECT_EQ(textReadings("图表.png", markedGbk), (Readings{"图表.png", "gbk:图表.png"}));  // valid GBK too
    // Ends in a GBK lead byte, so no GBK; the byte beyond the end would be a trail byte.
    EXPECT_EQ(textReadings(std::string_view("Img=图A", 7), markedGbk), Readings{"Img=图"});
    EXPECT_EQ(textReadings("Img=图\r\n", markedGbk), Readings{"Img=图\r\n"});  // a line end is no trail byte
    EXPECT_EQ(textReadings("\xCD\xBC\xB1\xED.png", markedGbk), Readings{"gbk:\xCD\xBC\xB1\xED.png"});  // 图表 in GBK
    EXPECT_EQ(textReadings("\xC0\xAF", markedGbk), Readings{"gbk:\xC0\xAF"});  // an overlong '/' is no UTF-8
    // A surrogate pair, then a lone surrogate.
    EXPECT_EQ(textReadings(std::string("\xFF\xFE\xFE\x56\x68\x88\x3D\xD8\x00\xDE\x00\xD8", 12), markedGbk),
              Readings{"图表😀\xEF\xBF\xBD"});
    EXPECT_EQ(textReadings(std::string("\xFE\xFF\x56\xFE\x00\x41", 6), markedGbk), Readings{"图A"});
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
