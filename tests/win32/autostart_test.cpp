#include "win32/autostart.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "win32/storage.h"

namespace tintora::win32 {
namespace {

constexpr wchar_t runKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t approvedKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";

// The Tintora value of the current user's Run key, or nothing.
std::optional<std::wstring> runValue()
{
    wchar_t value[1024]{};
    DWORD bytes = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, runKey, L"Tintora", RRF_RT_REG_SZ, nullptr, value, &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

TEST(Win32Autostart, WritesReadsAndRemovesTheRunValueAndTheDisabledState)
{
    Win32Autostart autostart;
    const std::string command = "\"" + autostart.programPath() + "\" /tray";
    ASSERT_TRUE(autostart.writeRunCommand(command));
    EXPECT_EQ(runValue(), L"\"" + programPath() + L"\" /tray");
    EXPECT_EQ(autostart.runCommand(), command);

    // Task Manager's disabled state: 12 bytes, the first with its low bit set.
    const BYTE disabled[12] = {0x03, 0, 0, 0, 0x10, 0x20};
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, approvedKey, L"Tintora", REG_BINARY, disabled, sizeof disabled),
              ERROR_SUCCESS);
    EXPECT_EQ(autostart.approval(), 0x03);
    EXPECT_TRUE(autostart.removeApproval());
    EXPECT_EQ(autostart.approval(), std::nullopt);
    EXPECT_TRUE(autostart.removeApproval()) << "removing what is not there";

    EXPECT_TRUE(autostart.samePath("C:\\Tools\\TINTORA.EXE", "c:\\tools\\tintora.exe"));
    EXPECT_TRUE(autostart.samePath("D:\\Ünïcode\\tintora.exe", "d:\\üNÏCODE\\tintora.exe"));
    EXPECT_FALSE(autostart.samePath("C:\\Old\\tintora.exe", "C:\\New\\tintora.exe"));

    ASSERT_TRUE(autostart.removeRunCommand());
    EXPECT_EQ(runValue(), std::nullopt);
    EXPECT_EQ(autostart.runCommand(), std::nullopt);
    EXPECT_TRUE(autostart.removeRunCommand()) << "removing what is not there";
}

}  // namespace
}  // namespace tintora::win32
