#include "win32/autostart.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "win32/storage.h"

namespace tintora::win32 {
namespace {

constexpr wchar_t runKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The Tintora value of the current user's Run key, or nothing.
std::optional<std::wstring> runValue()
{
    wchar_t value[1024]{};
    DWORD bytes = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, runKey, L"Tintora", RRF_RT_REG_SZ, nullptr, value, &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

TEST(Win32Autostart, WritesAQuietStartReadsItBackAndRemovesIt)
{
    Win32Autostart autostart;
    ASSERT_TRUE(autostart.set(true));
    EXPECT_EQ(runValue(), L"\"" + programPath() + L"\" /tray");
    EXPECT_TRUE(autostart.isOn());

    // A value that points at an exe that no longer exists reads as off.
    Win32Autostart moved(L"C:\\no such folder\\tintora.exe");
    ASSERT_TRUE(moved.set(true));
    EXPECT_FALSE(autostart.isOn());

    ASSERT_TRUE(autostart.set(false));
    EXPECT_EQ(runValue(), std::nullopt);
    EXPECT_FALSE(autostart.isOn());
    EXPECT_TRUE(autostart.set(false)) << "removing what is not there";
}

}  // namespace
}  // namespace tintora::win32
