#include "overlay/window_identity.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"

namespace tintora {
namespace {

TEST(WindowIdentity, StoreAppFramesAndWpfWindowsAreFoundAgain)
{
    fake::FakeWindowTree tree;
    for (WindowHandle frame : {0x10, 0x20, 0x30})
        tree.add(frame, 0, "ApplicationFrameWindow", "ApplicationFrameHost.exe");
    tree.add(0x11, 0x10, "ApplicationFrameTitleBarWindow");
    tree.add(0x12, 0x10, "Windows.UI.Core.CoreWindow", "Calculator.exe");
    tree.add(0x22, 0x20, "Windows.UI.Core.CoreWindow", "SystemSettings.exe");  // 0x30's is not there yet
    tree.add(0x40, 0, "HwndWrapper[Ledger.exe;;0f8fad5b-d9cb]", "Ledger.exe");
    tree.add(0x41, 0x40, "HwndWrapper[Ledger.exe;Main;7c9e6679-7425]");
    EXPECT_EQ(programOf(tree, 0x10), "Calculator.exe");
    EXPECT_EQ(programOf(tree, 0x20), "SystemSettings.exe");
    EXPECT_FALSE(identify(tree, 0x30, 0x30));
    const auto wpf = identify(tree, 0x41, 0x40);
    ASSERT_TRUE(wpf);
    EXPECT_EQ(wpf->topClass, "HwndWrapper[Ledger.exe;;]");
    // An older version stored the whole classes of its run.
    const WindowIdentity older{"ledger.exe", "HwndWrapper[Ledger.exe;;1]", {{"HwndWrapper[Ledger.exe;;2]", 0}}};
    EXPECT_TRUE(sameIdentity(older, *wpf));
    EXPECT_EQ(findByPath(tree, 0x40, older.path), 0x41u);
    EXPECT_FALSE(sameClass(older.topClass, "HwndWrapper[Journal.exe;;1]"));
}

TEST(WindowIdentity, SectionLackingAKeyIsSkipped)
{
    fake::FakeFiles files;
    files.putFile("C:\\R.ini",
                  "[Window1]\nProgram=a.exe\nClass=A\nLevels=0\nA=9\nR=1\nG=2\nB=3\n[Window2]\nProgram=a.exe\n"
                  "Class=A\n[Window3]\nProgram=a.exe\nClass=A\nLevels=0\nR=1\nG=2\nB=3\n");
    EXPECT_EQ(readRememberedEntry(files, "C:\\R.ini", 1).value().alpha, 9);
    EXPECT_FALSE(readRememberedEntry(files, "C:\\R.ini", 2)) << "no Levels";
    EXPECT_FALSE(readRememberedEntry(files, "C:\\R.ini", 3)) << "no A";
}

}  // namespace
}  // namespace tintora
