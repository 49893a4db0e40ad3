#include "overlay/window_identity.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"

namespace tintora {
namespace {

TEST(WindowIdentity, StoreAppFramesAndWpfWindowsAreFoundAgain)
{
    fake::FakeWindowTree tree;
    constexpr std::string_view host = "ApplicationFrameHost.exe";
    tree.add(0x10, 0, "ApplicationFrameWindow", std::string(host));
    tree.add(0x11, 0x10, "ApplicationFrameTitleBarWindow");
    tree.add(0x12, 0x10, "Windows.UI.Core.CoreWindow", "Calculator.exe");
    tree.add(0x20, 0, "ApplicationFrameWindow", std::string(host));
    tree.add(0x22, 0x20, "Windows.UI.Core.CoreWindow", "SystemSettings.exe");
    tree.add(0x30, 0, "ApplicationFrameWindow", std::string(host));  // its app window not there yet
    tree.add(0x40, 0, "HwndWrapper[Ledger.exe;;0f8fad5b-d9cb-469f-a165-70867728950e]", "Ledger.exe");
    tree.add(0x41, 0x40, "HwndWrapper[Ledger.exe;Main;7c9e6679-7425-40de-944b-e07fc1f90ae7]");
    for (auto [frame, program] : {std::pair{0x10, "Calculator.exe"}, {0x20, "SystemSettings.exe"}, {0x30, ""}})
        EXPECT_EQ(programOf(tree, frame), program) << frame;
    EXPECT_FALSE(identify(tree, 0x30, 0x30));
    EXPECT_FALSE(sameIdentity(*identify(tree, 0x10, 0x10), *identify(tree, 0x20, 0x20)));

    const auto wpf = identify(tree, 0x41, 0x40);
    ASSERT_TRUE(wpf);
    EXPECT_EQ(wpf->topClass, "HwndWrapper[Ledger.exe;;]");
    // An entry of an older version keeps the whole class of its run.
    const WindowIdentity older{"ledger.exe",
                               "HwndWrapper[Ledger.exe;;11111111-2222-3333-4444-555555555555]",
                               {{"HwndWrapper[Ledger.exe;;66666666-7777-8888-9999-000000000000]", 0}}};
    EXPECT_TRUE(sameIdentity(older, *wpf));
    EXPECT_EQ(findByPath(tree, 0x40, older.path), 0x41u);
    EXPECT_FALSE(sameClass(older.topClass, "HwndWrapper[Journal.exe;;11111111-2222-3333-4444-555555555555]"));
}

TEST(WindowIdentity, SectionLackingAKeyIsSkipped)
{
    fake::FakeFiles files;
    const std::string entry = "Program=notepad.exe\nClass=Notepad\nLevels=1\nLevel1=0 Edit\nA=90\nR=1\nG=2\nB=3\n";
    files.putFile("C:\\Remembered.ini", "[Window1]\n" + entry + "[Window2]\nProgram=notepad.exe\nClass=Notepad\n" +
                                            "[Window3]\nProgram=notepad.exe\nClass=Notepad\nLevels=0\nR=1\nG=2\nB=3\n");
    const auto whole = readRememberedEntry(files, "C:\\Remembered.ini", 1);
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->identity.path.size(), 1u);
    EXPECT_EQ(whole->alpha, 90);
    EXPECT_FALSE(readRememberedEntry(files, "C:\\Remembered.ini", 2)) << "no Levels";
    EXPECT_FALSE(readRememberedEntry(files, "C:\\Remembered.ini", 3)) << "no A";
}

}  // namespace
}  // namespace tintora
