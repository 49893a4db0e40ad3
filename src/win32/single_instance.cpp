#include "win32/single_instance.h"

#include "design/texts.h"
#include "win32/error.h"
#include "win32/own_windows.h"
#include "win32/window_class.h"

namespace tintora::win32 {
namespace {

// Local\: one per user session, whatever folder the program was started from.
constexpr wchar_t mutexName[] = L"Local\\Tintora-running";
constexpr wchar_t messageName[] = L"Tintora-bring-forward";
// A Tintora that holds the mutex but has no window yet is given this long to make one.
constexpr int windowWaitMilliseconds = 5000;
constexpr int windowPollMilliseconds = 50;
// What a WM_COPYDATA from a later start carries in dwData ("TCMD"); its answer carries the exit code.
constexpr ULONG_PTR commandTag = 0x54434D44;
// A screenshot in GIF may take over a second under load; a copy that does not answer in this time hangs.
constexpr UINT answerWaitMilliseconds = 15000;
constexpr wchar_t answerClassName[] = L"TintoraAnswer";

HWND findRunningWindow()
{
    for (int waited = 0; waited < windowWaitMilliseconds; waited += windowPollMilliseconds) {
        if (HWND running = FindWindowW(windowClassName, nullptr)) {
            DWORD process = 0;
            GetWindowThreadProcessId(running, &process);
            // This process was just started by the user and may hand the foreground on.
            AllowSetForegroundWindow(process);
            return running;
        }
        Sleep(windowPollMilliseconds);
    }
    return nullptr;
}

COPYDATASTRUCT copyData(ULONG_PTR tag, std::string_view text)
{
    return {tag, static_cast<DWORD>(text.size()), const_cast<char*>(text.data())};
}

// The answer window stores the answer it is sent at the place its creation was given.
LRESULT CALLBACK answerProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* answer = windowObject<std::optional<CommandAnswer>>(hwnd, message, lParam);
    if (message != WM_COPYDATA || !answer) return DefWindowProcW(hwnd, message, wParam, lParam);
    const auto& data = *reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    *answer =
        CommandAnswer{static_cast<int>(data.dwData), std::string(static_cast<const char*>(data.lpData), data.cbData)};
    return TRUE;
}

}  // namespace

SingleInstance::SingleInstance()
{
    HANDLE mutex = CreateMutexW(nullptr, FALSE, mutexName);
    const DWORD error = GetLastError();
    // A mutex made by a Tintora run as administrator may refuse this one access: it runs all the same.
    first_ = error != ERROR_ALREADY_EXISTS && error != ERROR_ACCESS_DENIED;
    if (mutex) mutex_.reset(mutex);
    if (!mutex && first_) reportLastError("CreateMutexW");
}

UINT bringForwardMessage()
{
    static const UINT message = RegisterWindowMessageW(messageName);
    return message;
}

void bringRunningInstanceForward()
{
    if (HWND running = findRunningWindow()) PostMessageW(running, bringForwardMessage(), 0, 0);
}

CommandAnswer sendCommand(std::string_view command)
{
    HWND running = findRunningWindow();
    if (!running) return {exitcode::notNow, std::string(texts::noAnswer)};
    std::optional<CommandAnswer> answer;
    const WindowClass answerClass(answerClassName, answerProcedure, nullptr, nullptr);
    const OwnedWindow window(CreateWindowExW(0, answerClass.name(), nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                             GetModuleHandleW(nullptr), &answer));
    if (!window) {
        reportLastError("CreateWindowExW (answer)");
        return {exitcode::notNow, std::string(texts::noAnswer)};
    }
    // A copy run as administrator may answer one that is not.
    ChangeWindowMessageFilterEx(window.get(), WM_COPYDATA, MSGFLT_ALLOW, nullptr);
    COPYDATASTRUCT data = copyData(commandTag, command);
    DWORD_PTR result = 0;
    const bool sent =
        SendMessageTimeoutW(running, WM_COPYDATA, reinterpret_cast<WPARAM>(window.get()),
                            reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, answerWaitMilliseconds, &result) != 0;
    // /quit answers before the copy ends, which then leaves the message unfinished.
    if (answer) return *answer;
    if (!sent) {
        // User interface privilege isolation refuses messages to a program of higher integrity.
        if (GetLastError() == ERROR_ACCESS_DENIED) return {exitcode::notNow, std::string(texts::commandRefused)};
        reportLastError("SendMessageTimeoutW (command)");
    }
    return {exitcode::notNow, std::string(texts::noAnswer)};
}

std::optional<std::string> commandOf(const COPYDATASTRUCT& data)
{
    if (data.dwData != commandTag) return std::nullopt;
    return std::string(static_cast<const char*>(data.lpData), data.cbData);
}

void sendAnswer(HWND from, HWND to, const CommandAnswer& answer)
{
    COPYDATASTRUCT data = copyData(static_cast<ULONG_PTR>(answer.exitCode), answer.text);
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(to, WM_COPYDATA, reinterpret_cast<WPARAM>(from), reinterpret_cast<LPARAM>(&data),
                             SMTO_ABORTIFHUNG, answerWaitMilliseconds, &result))
        reportLastError("SendMessageTimeoutW (answer)");
}

}  // namespace tintora::win32
