#include "win32/storage.h"

#include <windows.h>
#include <shlobj.h>

#include <optional>

#include "win32/error.h"
#include "win32/handles.h"
#include "win32/text.h"

namespace tintora::win32 {
namespace {

constexpr DWORD profileBufferSize = 10240;
// Larger files count as unreadable, so that a stray huge file cannot exhaust a 32-bit process.
constexpr LONGLONG maxReadSize = 256LL * 1024 * 1024;
// A picture viewer, thumbnailer or virus scanner may hold the old file open for a moment: the
// replace is tried again after these pauses (about half a second in all).
constexpr DWORD replaceRetryPauses[] = {50, 100, 150, 200};

std::optional<KernelHandle> openFile(const std::wstring& path, DWORD access, DWORD share, DWORD disposition)
{
    HANDLE file = CreateFileW(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    return KernelHandle(file);
}

std::optional<FindHandle> findFirst(const std::wstring& pattern, WIN32_FIND_DATAW& found)
{
    HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return std::nullopt;
    return FindHandle(search);
}

// Creates or truncates the file and writes all of the content; the handle is closed on return.
bool writeWholeFile(const std::wstring& path, const Bytes& content)
{
    const auto file = openFile(path, GENERIC_WRITE, 0, CREATE_ALWAYS);
    if (!file) return false;
    std::size_t done = 0;
    while (done < content.size()) {
        DWORD written = 0;
        const auto chunk = static_cast<DWORD>(content.size() - done);
        if (!WriteFile(file->get(), content.data() + done, chunk, &written, nullptr) || written == 0) return false;
        done += written;
    }
    return true;
}

// Moves the temporary file over the target, waiting a little while another program holds the target.
bool replaceFile(const std::wstring& temporary, const std::wstring& target)
{
    for (const DWORD pause : replaceRetryPauses) {
        if (MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        const DWORD error = GetLastError();
        if (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED) return false;
        Sleep(pause);
    }
    return MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

// The whole file; empty when it is missing, unreadable or too large.
Bytes readWholeFile(const std::wstring& path)
{
    const auto file = openFile(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file->get(), &size) || size.QuadPart > maxReadSize) return {};
    Bytes content(static_cast<std::size_t>(size.QuadPart));
    std::size_t done = 0;
    while (done < content.size()) {
        DWORD read = 0;
        const auto chunk = static_cast<DWORD>(content.size() - done);
        if (!ReadFile(file->get(), content.data() + done, chunk, &read, nullptr)) return {};
        if (read == 0) break;  // the file shrank meanwhile
        done += read;
    }
    content.resize(done);
    return content;
}

constexpr std::uint8_t utf16leMark[] = {0xFF, 0xFE};

// Makes the file one the profile API keeps in UTF-16: a missing file is created holding only the
// byte-order mark; an existing one without the mark (written in the system's code page by an older
// version) is converted once, every line kept. False when it can be neither found nor made so.
bool ensureUtf16File(const std::wstring& path)
{
    if (const auto file = openFile(path, GENERIC_WRITE, 0, CREATE_NEW)) {
        DWORD written = 0;
        return WriteFile(file->get(), utf16leMark, sizeof utf16leMark, &written, nullptr) &&
               written == sizeof utf16leMark;
    }
    if (GetLastError() != ERROR_FILE_EXISTS) return false;
    const Bytes ansi = readWholeFile(path);
    if (ansi.size() >= 2 && ansi[0] == utf16leMark[0] && ansi[1] == utf16leMark[1]) return true;
    const auto* text = reinterpret_cast<const char*>(ansi.data());
    const int size = static_cast<int>(ansi.size());
    std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, text, size, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, size, wide.data(), static_cast<int>(wide.size()));
    Bytes utf16(std::begin(utf16leMark), std::end(utf16leMark));
    const auto* units = reinterpret_cast<const std::uint8_t*>(wide.data());
    utf16.insert(utf16.end(), units, units + wide.size() * sizeof(wchar_t));
    const std::wstring temporary = path + L"." + std::to_wstring(GetCurrentProcessId()) + L".tmp";
    if (writeWholeFile(temporary, utf16) && replaceFile(temporary, path)) return true;
    const DWORD error = GetLastError();
    DeleteFileW(temporary.c_str());
    SetLastError(error);
    return false;
}

}  // namespace

std::string Win32Profile::read(const std::string& path, std::string_view section, std::string_view key) const
{
    std::wstring buffer(profileBufferSize, L'\0');
    const DWORD length = GetPrivateProfileStringW(widen(section).c_str(), widen(key).c_str(), L"", buffer.data(),
                                                  profileBufferSize, widen(path).c_str());
    buffer.resize(length);
    return narrow(buffer);
}

Outcome Win32Profile::write(const std::string& path, std::string_view section, std::string_view key,
                            std::string_view value)
{
    if (WritePrivateProfileStringW(widen(section).c_str(), widen(key).c_str(), widen(value).c_str(),
                                   widen(path).c_str()))
        return {};
    return lastErrorOutcome("WritePrivateProfileStringW " + path);
}

Outcome Win32Profile::writeSection(const std::string& path, std::string_view section, const ProfileItems& items)
{
    // key=value strings, each ended by a null, and one more null after the last.
    std::wstring block;
    for (const auto& [key, value] : items) block += widen(key) + L"=" + widen(value) + L'\0';
    const std::wstring file = widen(path);
    if (ensureUtf16File(file) && WritePrivateProfileSectionW(widen(section).c_str(), block.c_str(), file.c_str()))
        return {};
    return lastErrorOutcome("WritePrivateProfileSectionW " + path);
}

Outcome Win32Profile::removeSection(const std::string& path, std::string_view section)
{
    if (WritePrivateProfileStringW(widen(section).c_str(), nullptr, nullptr, widen(path).c_str())) return {};
    return lastErrorOutcome("WritePrivateProfileStringW " + path);
}

bool Win32FileSystem::exists(const std::string& path) const
{
    WIN32_FIND_DATAW found{};
    return findFirst(widen(path), found).has_value();
}

void Win32FileSystem::createFolder(const std::string& path) { CreateDirectoryW(widen(path).c_str(), nullptr); }

Bytes Win32FileSystem::readFile(const std::string& path) const { return readWholeFile(widen(path)); }

Outcome Win32FileSystem::writeFile(const std::string& path, const Bytes& content)
{
    const std::wstring target = widen(path);
    const std::wstring temporary = target + L"." + std::to_wstring(GetCurrentProcessId()) + L".tmp";
    if (writeWholeFile(temporary, content) && replaceFile(temporary, target)) return {};
    Outcome failed = lastErrorOutcome("writing " + path);
    DeleteFileW(temporary.c_str());
    return failed;
}

void Win32FileSystem::removeFile(const std::string& path) { DeleteFileW(widen(path).c_str()); }

std::vector<std::string> Win32FileSystem::listFiles(const std::string& pattern) const
{
    std::vector<std::string> names;
    WIN32_FIND_DATAW found{};
    const auto search = findFirst(widen(pattern), found);
    if (!search) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(narrow(found.cFileName));
    } while (FindNextFileW(search->get(), &found));
    return names;
}

std::string Win32FileSystem::gbkAsUtf8(std::string_view gbk) const
{
    constexpr UINT gbkCodePage = 936;
    const int size = static_cast<int>(gbk.size());
    std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(gbkCodePage, 0, gbk.data(), size, nullptr, 0)),
                      L'\0');
    MultiByteToWideChar(gbkCodePage, 0, gbk.data(), size, wide.data(), static_cast<int>(wide.size()));
    return narrow(wide);
}

std::wstring programPath()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);  // truncated: a long path
    }
}

std::string Win32Process::runDirectory() const
{
    std::wstring path = programPath();
    const std::size_t separator = path.find_last_of(L"\\/");
    path.resize(separator == std::wstring::npos ? 0 : separator);
    return narrow(path);
}

std::string Win32Process::userDataDirectory() const
{
    wchar_t path[MAX_PATH] = {};
    const HRESULT result =
        SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, path);
    if (FAILED(result)) {
        reportError("SHGetFolderPathW", static_cast<unsigned long>(result));
        return {};
    }
    return narrow(path);
}

void Win32Process::setCurrentDirectory(const std::string& path) { SetCurrentDirectoryW(widen(path).c_str()); }

std::string Win32Process::currentDirectory() const
{
    std::wstring path(GetCurrentDirectoryW(0, nullptr), L'\0');
    path.resize(GetCurrentDirectoryW(static_cast<DWORD>(path.size()), path.data()));
    return narrow(path);
}

void Win32Process::exit(int code) { ExitProcess(static_cast<UINT>(code)); }

}  // namespace tintora::win32
