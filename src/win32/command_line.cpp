#include "win32/command_line.h"

#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <memory>

#include "design/texts.h"
#include "win32/error.h"
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

bool writeBytes(HANDLE out, std::string_view bytes)
{
    DWORD written = 0;
    return WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) != FALSE;
}

// A console is written in UTF-16, which it shows whatever its code page; a file or pipe gets the
// bytes made by encode.
template <typename Encode>
bool write(HANDLE out, std::string_view utf8, Encode encode)
{
    if (!isConsole(out)) return writeBytes(out, encode(utf8));
    const std::wstring wide = widen(utf8);
    DWORD written = 0;
    return WriteConsoleW(out, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr) != FALSE;
}

std::string asUtf8(std::string_view utf8) { return std::string(utf8); }

// The console of the parent, attached for one answer: a console kept would end Tintora when its
// window closes, and would keep that window open after the shell's "exit".
class ParentConsole {
public:
    ParentConsole() : attached_(AttachConsole(ATTACH_PARENT_PROCESS) != FALSE) {}
    ~ParentConsole()
    {
        if (attached_) FreeConsole();
    }
    ParentConsole(const ParentConsole&) = delete;
    ParentConsole& operator=(const ParentConsole&) = delete;
    explicit operator bool() const { return attached_; }

private:
    bool attached_;
};

// Standard output redirected to a file or pipe (in UTF-8), or else the console of the parent, if either.
bool writeOut(std::string_view utf8)
{
    // A console handle handed to a program without a console of its own cannot be written: the
    // parent's console is attached instead.
    HANDLE inherited = GetStdHandle(STD_OUTPUT_HANDLE);
    if (inherited && inherited != INVALID_HANDLE_VALUE && GetFileType(inherited) != FILE_TYPE_UNKNOWN &&
        write(inherited, utf8, asUtf8))
        return true;
    const ParentConsole parent;
    if (!parent) return false;
    HANDLE opened =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return false;
    const KernelHandle console(opened);
    return write(console.get(), utf8, asUtf8);
}

// Text for a file or pipe in the console's output code page, as cmd's for /f and PowerShell read a
// program's output; without a console, UTF-8 with a byte-order mark.
std::string inConsoleCodePage(std::string_view utf8)
{
    const UINT codePage = GetConsoleOutputCP();
    if (codePage == 0) return "\xEF\xBB\xBF" + std::string(utf8);
    if (codePage == CP_UTF8) return std::string(utf8);
    const std::wstring wide = widen(utf8);
    const int size =
        WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(std::max(size, 0)), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), bytes.data(), size, nullptr, nullptr);
    return bytes;
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

void writeAnswer(const CommandAnswer& answer)
{
    if (answer.text.empty()) return;
    const DWORD stream = answer.exitCode == exitcode::done ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE;
    if (!write(GetStdHandle(stream), answer.text + "\r\n", inConsoleCodePage)) reportLastError("WriteFile (answer)");
}

}  // namespace tintora::win32
