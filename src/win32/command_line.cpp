#include "win32/command_line.h"

#include <windows.h>

#include <shellapi.h>

#include <memory>

#include "design/texts.h"
#include "win32/handles.h"
#include "win32/text.h"

namespace tintora::win32 {
namespace {

struct LocalDeleter {
    void operator()(void* p) const { LocalFree(p); }
};

bool isConsole(HANDLE h)
{
    DWORD mode = 0;
    return GetConsoleMode(h, &mode) != FALSE;
}

bool write(HANDLE out, std::string_view utf8)
{
    if (isConsole(out)) {
        const std::wstring wide = widen(utf8);
        DWORD written = 0;
        return WriteConsoleW(out, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr) != FALSE;
    }
    DWORD written = 0;
    return WriteFile(out, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr) != FALSE;
}

// Standard output redirected to a file or pipe, or else the console of the parent, if either.
bool writeOut(std::string_view utf8)
{
    // A console handle handed to a program without a console of its own cannot be written: the
    // parent's console is attached instead.
    HANDLE inherited = GetStdHandle(STD_OUTPUT_HANDLE);
    if (inherited && inherited != INVALID_HANDLE_VALUE && GetFileType(inherited) != FILE_TYPE_UNKNOWN &&
        write(inherited, utf8))
        return true;
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return false;
    HANDLE opened =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return false;
    const KernelHandle console(opened);
    return write(console.get(), utf8);
}

}  // namespace

std::vector<std::string> commandLineWords()
{
    int count = 0;
    const std::unique_ptr<LPWSTR, LocalDeleter> arguments(CommandLineToArgvW(GetCommandLineW(), &count));
    std::vector<std::string> words;
    for (int i = 1; arguments && i < count; ++i) words.push_back(narrow(arguments.get()[i]));
    return words;
}

void tellUser(const CommandAnswer& answer)
{
    if (answer.text.empty()) return;
    if (writeOut(answer.text + "\r\n")) return;
    MessageBoxW(nullptr, widen(answer.text).c_str(), widen(texts::windowTitle).c_str(),
                MB_OK | (answer.exitCode == exitcode::done ? MB_ICONINFORMATION : MB_ICONWARNING));
}

}  // namespace tintora::win32
