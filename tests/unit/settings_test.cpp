#include <gtest/gtest.h>

#include <climits>

#include "core/settings.h"
#include "support/fake_platform.h"

namespace tintora {
namespace {

struct TextToIntCase {
    const char* text;
    int expected;
};

class TextToInt : public testing::TestWithParam<TextToIntCase> {};

TEST_P(TextToInt, ReadsLikeAtoiAfterFullWidthForms)
{
    EXPECT_EQ(textToInt(GetParam().text), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Cases, TextToInt,
                         testing::Values(TextToIntCase{"", 0}, TextToIntCase{"0", 0}, TextToIntCase{"255", 255},
                                         TextToIntCase{"  42", 42}, TextToIntCase{"\t\n7", 7},
                                         TextToIntCase{"-13", -13}, TextToIntCase{"+8", 8}, TextToIntCase{"007", 7},
                                         TextToIntCase{"2.9", 2}, TextToIntCase{"3abc", 3}, TextToIntCase{"abc", 0},
                                         TextToIntCase{"- 5", 0}, TextToIntCase{"１２３", 123},  // full-width digits
                                         TextToIntCase{"－４５", -45},                           // full-width minus
                                         TextToIntCase{"＋９", 9},                               // full-width plus
                                         TextToIntCase{"　　６", 6},                             // ideographic spaces
                                         TextToIntCase{"1２3", 123},                             // mixed forms
                                         TextToIntCase{"12三", 12},     // a CJK numeral ends the number
                                         TextToIntCase{"\xEF\xBC", 0},  // a cut UTF-8 sequence
                                         TextToIntCase{"2147483647", INT_MAX}, TextToIntCase{"2147483648", INT_MAX},
                                         TextToIntCase{"99999999999999999999", INT_MAX},
                                         TextToIntCase{"-2147483648", INT_MIN},
                                         TextToIntCase{"-99999999999999999999", INT_MIN}));

TEST(Settings, OwnFilesLiveInTheDataFolderAndTheCompanionsBesideTheProgram)
{
    fake::FakePlatform fp;
    const Folders folders{fp.process.runDir, "D:\\Data"};
    fp.files.folders.insert("D:\\Data\\Config");
    fp.files.folders.insert(fp.process.runDir + "\\VirelineConfig\\Config");
    Settings settings(fp.files, folders);

    EXPECT_TRUE(settings.write(items::colourR, 200));
    EXPECT_TRUE(settings.write(items::meter, "007"));
    EXPECT_TRUE(settings.write(items::chartChoice, 2));

    EXPECT_EQ(settings.readInt(items::colourR), 200);
    EXPECT_EQ(settings.readText(items::meter), "007");
    EXPECT_EQ(settings.readInt(items::meter), 7);
    EXPECT_EQ(fp.files.read("D:\\Data\\Config\\Colour.ini", "colour", "R"), "200");
    EXPECT_EQ(fp.files.read(fp.process.runDir + "\\VirelineConfig\\Config\\Chart.ini", "Choice", "Record"), "2");
    EXPECT_FALSE(fp.files.exists(fp.process.runDir + "\\Config\\Colour.ini"));
    EXPECT_EQ(settings.readText(items::colourG), "");
    EXPECT_EQ(settings.readInt(items::colourG), 0);

    fp.files.readOnly.insert("D:\\Data\\Config");
    EXPECT_FALSE(settings.write(items::colourG, 1));
    EXPECT_EQ(settings.readText(items::colourG), "");
}

}  // namespace
}  // namespace tintora
