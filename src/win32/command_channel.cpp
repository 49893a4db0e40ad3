#include "win32/command_channel.h"

#include <optional>
#include <string>

#include "commands/channel.h"
#include "design/texts.h"
#include "win32/error.h"
#include "win32/handles.h"
#include "win32/single_instance.h"
#include "win32/text.h"
#include "win32/window_class.h"

namespace tintora::win32 {
namespace {

// What a WM_COPYDATA from a later start carries in dwData ("TCMD"); its answer carries the exit code.
constexpr ULONG_PTR commandTag = 0x54434D44;
// A screenshot in GIF may take over 5 s under load; a copy that does not answer in this time hangs.
constexpr UINT commandWaitMilliseconds = 15000;
// The window a command names is held no longer than this by its answer.
constexpr UINT answerWaitMilliseconds = 3000;
// A Tintora that does not take input in this time is left to start on its own.
constexpr DWORD startWaitMilliseconds = 10000;

std::string_view bytesOf(const COPYDATASTRUCT& data)
{
    if (!data.lpData) return {};
    return {static_cast<const char*>(data.lpData), data.cbData};
}

AnswerWindow answerWindowOf(HWND window)
{
    AnswerWindow described;
    described.everyWindow = window == HWND_BROADCAST;
    if (described.everyWindow || !IsWindow(window)) return described;
    wchar_t name[64]{};
    GetClassNameW(window, name, std::size(name));
    described.className = narrow(name);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    described.ofThisProgram = process == GetCurrentProcessId();
    return described;
}

// The window a later start waits in: it takes one answer, and only from the window the command
// went to.
struct AwaitedAnswer {
    HWND from = nullptr;
    std::optional<CommandAnswer> answer;
};

LRESULT CALLBACK answerProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* awaited = windowObject<AwaitedAnswer>(hwnd, message, lParam);
    if (message != WM_COPYDATA || !awaited) return DefWindowProcW(hwnd, message, wParam, lParam);
    const auto& data = *reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    const auto text = messageText(bytesOf(data));
    if (reinterpret_cast<HWND>(wParam) != awaited->from || awaited->answer || !text) return FALSE;
    awaited->answer = CommandAnswer{static_cast<int>(data.dwData), std::string(*text)};
    return TRUE;
}

// The answer goes without SMTO_ABORTIFHUNG: the later start waits inside its own SendMessage, which
// takes sent messages but looks hung to Windows once a command has taken more than 5 s.
void sendAnswer(HWND from, HWND to, const CommandAnswer& answer)
{
    const std::string bytes = messageBytes(answer.text);
    COPYDATASTRUCT data{static_cast<ULONG_PTR>(answer.exitCode), static_cast<DWORD>(bytes.size()),
                        const_cast<char*>(bytes.data())};
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(to, WM_COPYDATA, reinterpret_cast<WPARAM>(from), reinterpret_cast<LPARAM>(&data),
                             SMTO_NORMAL, answerWaitMilliseconds, &result))
        reportLastError("SendMessageTimeoutW (answer)");
}

}  // namespace

CommandAnswer sendCommand(std::string_view command)
{
    AwaitedAnswer awaited{findRunningWindow(), std::nullopt};
    if (!awaited.from) return {exitcode::notNow, texts::noAnswer};
    const std::wstring className = widen(answerWindowClass);
    const WindowClass answerClass(className.c_str(), answerProcedure, nullptr, nullptr);
    const OwnedWindow window(CreateWindowExW(0, answerClass.name(), nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                             GetModuleHandleW(nullptr), &awaited));
    if (!window) {
        reportLastError("CreateWindowExW (answer)");
        return {exitcode::notNow, texts::noAnswer};
    }
    // A copy run as administrator may answer one that is not.
    ChangeWindowMessageFilterEx(window.get(), WM_COPYDATA, MSGFLT_ALLOW, nullptr);
    const std::string bytes = messageBytes(command);
    COPYDATASTRUCT data{commandTag, static_cast<DWORD>(bytes.size()), const_cast<char*>(bytes.data())};
    DWORD_PTR result = 0;
    const bool sent =
        SendMessageTimeoutW(awaited.from, WM_COPYDATA, reinterpret_cast<WPARAM>(window.get()),
                            reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, commandWaitMilliseconds, &result) != 0;
    // /quit answers before the copy ends, which then leaves the message unfinished.
    if (awaited.answer) return *awaited.answer;
    if (!sent) {
        // User interface privilege isolation refuses messages to a program of higher integrity.
        if (GetLastError() == ERROR_ACCESS_DENIED) return {exitcode::notNow, texts::commandRefused};
        reportLastError("SendMessageTimeoutW (command)");
    }
    return {exitcode::notNow, texts::noAnswer};
}

bool receiveCommand(EventSink& sink, HWND receiver, HWND answerTo, const COPYDATASTRUCT& data)
{
    if (data.dwData != commandTag) return false;
    return sink.commandReceived({bytesOf(data), answerWindowOf(answerTo)},
                                [&](const CommandAnswer& answer) { sendAnswer(receiver, answerTo, answer); });
}

CommandAnswer startTintora(std::string_view arguments)
{
    std::wstring exe(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, exe.data(), static_cast<DWORD>(exe.size()))) == exe.size())
        exe.resize(exe.size() * 2);
    exe.resize(length);
    exe.replace(exe.find_last_of(L'\\') + 1, std::wstring::npos, L"tintora.exe");
    std::wstring line = L"\"" + exe + L"\" " + widen(arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
        return {exitcode::notNow, texts::tintoraNotStarted + systemMessage(GetLastError())};
    const KernelHandle process(started.hProcess);
    const KernelHandle thread(started.hThread);
    WaitForInputIdle(process.get(), startWaitMilliseconds);
    // A start that found another copy meanwhile has handed that copy the command and told its answer.
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process.get(), &code);
    return {code == STILL_ACTIVE ? exitcode::done : static_cast<int>(code), {}};
}

}  // namespace tintora::win32
