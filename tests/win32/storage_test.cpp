#include "win32/storage.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <thread>
#include <tuple>

#include "win32/error.h"
#include "win32/handles.h"
#include "win32/text.h"

namespace tintora::win32 {
namespace {

// A fresh folder with a non-ASCII name under the temporary folder, removed with its files.
class TempFolder {
public:
    TempFolder()
    {
        wchar_t base[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH + 1, base);
        const std::string unique = std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter++);
        path_ = narrow(base) + "图片 测试 " + unique;
        CreateDirectoryW(widen(path_).c_str(), nullptr);
    }
    ~TempFolder() { removeTree(widen(path_)); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(std::string_view name) const { return path_ + "\\" + std::string(name); }

private:
    static void removeTree(const std::wstring& folder)
    {
        WIN32_FIND_DATAW found{};
        HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            const FindHandle owner(search);
            do {
                const std::wstring name = found.cFileName;
                if (name == L"." || name == L"..") continue;
                const std::wstring full = folder + L"\\" + name;
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    removeTree(full);
                } else {
                    DeleteFileW(full.c_str());
                }
            } while (FindNextFileW(search, &found));
        }
        RemoveDirectoryW(folder.c_str());
    }

    static inline int counter = 0;
    std::string path_;
};

std::vector<std::string> sorted(std::vector<std::string> names)
{
    std::ranges::sort(names);
    return names;
}

TEST(Win32Profile, WriteReadRoundTripKeepsOtherKeys)
{
    TempFolder folder;
    const std::string ini = folder / "Colour.ini";
    Win32Profile profile;
    for (const auto& [section, key, value] : {std::tuple{"colour", "A", "30"},
                                              {"colour", "R", "255"},
                                              {"Imges", "Img", "chart 1.png"},
                                              {"colour", "A", "190"}})
        ASSERT_TRUE(profile.write(ini, section, key, value));

    EXPECT_EQ(profile.read(ini, "colour", "A"), "190");
    EXPECT_EQ(profile.read(ini, "colour", "R"), "255");
    EXPECT_EQ(profile.read(ini, "Imges", "Img"), "chart 1.png");
    EXPECT_EQ(profile.read(ini, "colour", "G"), "");
    EXPECT_EQ(profile.read(ini, "other", "A"), "");
    EXPECT_EQ(profile.read(folder / "missing.ini", "colour", "A"), "");
    // A whole section replaces the old one, in a UTF-16 file that keeps names outside the code page.
    const std::string remembered = folder / "Remembered.ini";
    ASSERT_TRUE(profile.writeSection(remembered, "Window1", {{"Program", "计算器.exe"}, {"Class", "Old"}}));
    ASSERT_TRUE(profile.writeSection(remembered, "Window1", {{"Program", "图表.exe"}}));
    EXPECT_EQ(profile.read(remembered, "Window1", "Program"), "图表.exe") << "code page " << GetACP();
    EXPECT_EQ(profile.read(remembered, "Window1", "Class"), "");
    EXPECT_EQ(Win32FileSystem().readFile(remembered).at(0), 0xFF);
}

// A Remembered.ini of an older version, in the system's code page: the first section written turns
// it into UTF-16 with every entry kept, so that the new name keeps its characters.
TEST(Win32Profile, AnAnsiFileBecomesUtf16AtTheFirstSectionWrittenKeepingEveryEntry)
{
    TempFolder folder;
    const std::string remembered = folder / "Remembered.ini";
    const std::wstring oldName = L"caf\u00E9.exe";
    std::string ansiName(
        static_cast<std::size_t>(WideCharToMultiByte(CP_ACP, 0, oldName.c_str(), -1, nullptr, 0, nullptr, nullptr)) - 1,
        '\0');
    WideCharToMultiByte(CP_ACP, 0, oldName.c_str(), -1, ansiName.data(), static_cast<int>(ansiName.size()) + 1, nullptr,
                        nullptr);
    const std::string ansi = "[Window1]\r\nProgram=" + ansiName + "\r\nClass=Edit\r\n[Window2]\r\nProgram=b.exe\r\n";
    Win32FileSystem files;
    ASSERT_TRUE(files.writeFile(remembered, Bytes(ansi.begin(), ansi.end())));
    Win32Profile profile;
    ASSERT_EQ(profile.read(remembered, "Window1", "Program"), narrow(oldName)) << "code page " << GetACP();

    ASSERT_TRUE(profile.writeSection(remembered, "Window3", {{"Program", "计算器.exe"}}));
    EXPECT_EQ(files.readFile(remembered).at(0), 0xFF);
    EXPECT_EQ(profile.read(remembered, "Window1", "Program"), narrow(oldName));
    EXPECT_EQ(profile.read(remembered, "Window1", "Class"), "Edit");
    EXPECT_EQ(profile.read(remembered, "Window2", "Program"), "b.exe");
    EXPECT_EQ(profile.read(remembered, "Window3", "Program"), "计算器.exe");
    EXPECT_EQ(files.listFiles(folder / "*"), std::vector<std::string>{"Remembered.ini"}) << "no temporary file left";
}

TEST(Win32Profile, MissingFolderReadsEmptyAndWritesNothing)
{
    TempFolder folder;
    const std::string ini = folder / "VirelineConfig\\Config\\Chart.ini";
    Win32Profile profile;
    const Outcome written = profile.write(ini, "Choice", "Record", "3");
    EXPECT_EQ(written.reason(), systemMessage(ERROR_PATH_NOT_FOUND));
    EXPECT_EQ(profile.read(ini, "Choice", "Record"), "");
    Win32FileSystem files;
    EXPECT_FALSE(files.exists(folder / "VirelineConfig"));
    EXPECT_FALSE(files.exists(ini));
}

TEST(Win32FileSystem, GbkIsConvertedWhateverTheCodePage)
{
    ASSERT_NE(GetACP(), 936u) << "run with a system code page other than the Chinese one";
    EXPECT_EQ(Win32FileSystem().gbkAsUtf8("Img=\xCD\xBC\xB1\xED 1.png\r\n"), "Img=图表 1.png\r\n");  // 图表 in GBK
}

TEST(Win32FileSystem, ExistsForFilesAndFoldersOnly)
{
    TempFolder folder;
    Win32FileSystem files;
    files.createFolder(folder / "Config");
    ASSERT_TRUE(files.writeFile(folder / "Images", {1}));  // a file where a folder might be expected

    EXPECT_TRUE(files.exists(folder.path()));
    EXPECT_TRUE(files.exists(folder / "Config"));
    EXPECT_TRUE(files.exists(folder / "Images"));
    EXPECT_FALSE(files.exists(folder / "Missing"));

    files.createFolder(folder / "Images");  // fails silently: a file has that name
    EXPECT_EQ(files.readFile(folder / "Images"), Bytes{1});
    files.createFolder(folder / "a\\b");  // parents are not created
    EXPECT_FALSE(files.exists(folder / "a"));
}

TEST(Win32FileSystem, WriteReplacesAndLeavesNoTemporaryFile)
{
    TempFolder folder;
    Win32FileSystem files;
    const std::string path = folder / "1.png";
    Bytes big(300000);
    for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<std::uint8_t>(i * 7);

    ASSERT_TRUE(files.writeFile(path, big));
    EXPECT_EQ(files.readFile(path), big);
    ASSERT_TRUE(files.writeFile(path, {'o', 'k'}));
    EXPECT_EQ(files.readFile(path), (Bytes{'o', 'k'}));
    ASSERT_TRUE(files.writeFile(folder / "empty.bin", {}));
    EXPECT_TRUE(files.exists(folder / "empty.bin"));
    EXPECT_TRUE(files.readFile(folder / "empty.bin").empty());

    EXPECT_EQ(sorted(files.listFiles(folder / "*")), (std::vector<std::string>{"1.png", "empty.bin"}));
}

// Another program reads the file without letting it be replaced, as a picture viewer may.
KernelHandle holdOpen(const std::string& path)
{
    return KernelHandle(CreateFileW(widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

TEST(Win32FileSystem, ReplaceWaitsForAFileHeldBrieflyAndFailsWhenHeldThroughout)
{
    TempFolder folder;
    Win32FileSystem files;
    const std::string path = folder / "1.png";
    ASSERT_TRUE(files.writeFile(path, {'o', 'l', 'd'}));

    KernelHandle held = holdOpen(path);
    const Outcome refused = files.writeFile(path, {'n', 'e', 'w'});
    EXPECT_TRUE(refused.reason() == systemMessage(ERROR_SHARING_VIOLATION) ||
                refused.reason() == systemMessage(ERROR_ACCESS_DENIED))
        << refused.reason();
    held.reset();
    EXPECT_EQ(files.readFile(path), (Bytes{'o', 'l', 'd'}));
    EXPECT_EQ(files.listFiles(folder / "*"), std::vector<std::string>{"1.png"}) << "no temporary file left";

    held = holdOpen(path);
    std::thread release([&] {
        Sleep(150);
        held.reset();
    });
    EXPECT_TRUE(files.writeFile(path, {'n', 'e', 'w'}));
    release.join();
    EXPECT_EQ(files.readFile(path), (Bytes{'n', 'e', 'w'}));
}

TEST(Win32FileSystem, WriteIntoMissingFolderFailsCleanly)
{
    TempFolder folder;
    Win32FileSystem files;
    EXPECT_FALSE(files.writeFile(folder / "Images\\1.bmp", {1, 2}));
    EXPECT_FALSE(files.exists(folder / "Images"));
    EXPECT_TRUE(files.readFile(folder / "Images\\1.bmp").empty());
    EXPECT_TRUE(files.listFiles(folder / "*").empty());
}

TEST(Win32FileSystem, ListFilesSkipsFoldersAndMatchesPattern)
{
    TempFolder folder;
    Win32FileSystem files;
    files.createFolder(folder / "x.png");
    for (const char* name : {"a.png", "图表.png", "notes.txt"}) ASSERT_TRUE(files.writeFile(folder / name, {0}));

    EXPECT_EQ(sorted(files.listFiles(folder / "*.png")), sorted({"a.png", "图表.png"}));
    EXPECT_TRUE(files.listFiles(folder / "*.gif").empty());
    EXPECT_TRUE(files.listFiles(folder / "missing\\*.png").empty());
}

TEST(Win32Process, RunDirectoryHoldsTheExecutable)
{
    Win32Process process;
    const std::string dir = process.runDirectory();
    ASSERT_FALSE(dir.empty());
    EXPECT_NE(dir.back(), '\\');
    wchar_t exe[32768] = {};
    GetModuleFileNameW(nullptr, exe, 32768);
    EXPECT_EQ(narrow(exe).rfind(dir + "\\", 0), 0u) << narrow(exe) << " vs " << dir;
}

TEST(Win32Process, CurrentDirectoryRoundTripWithNonAsciiName)
{
    TempFolder folder;
    Win32Process process;
    const std::string before = process.currentDirectory();
    process.setCurrentDirectory(folder.path());
    EXPECT_EQ(process.currentDirectory(), folder.path());
    process.setCurrentDirectory(before);
    EXPECT_EQ(process.currentDirectory(), before);
}

}  // namespace
}  // namespace tintora::win32
