#include "win32/single_instance.h"

#include "win32/error.h"
#include "win32/own_windows.h"

namespace tintora::win32 {
namespace {

// Local\: one per user session, whatever folder the program was started from.
constexpr wchar_t mutexName[] = L"Local\\Tintora-running";
constexpr wchar_t messageName[] = L"Tintora-bring-forward";
// A Tintora that holds the mutex but has no window yet is given this long to make one.
constexpr int windowWaitMilliseconds = 5000;
constexpr int windowPollMilliseconds = 50;

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

bool tintoraRuns()
{
    if (const KernelHandle mutex{OpenMutexW(SYNCHRONIZE, FALSE, mutexName)}) return true;
    // A Tintora run as administrator holds a mutex this process may not open.
    return GetLastError() == ERROR_ACCESS_DENIED;
}

void bringRunningInstanceForward()
{
    if (HWND running = findRunningWindow()) PostMessageW(running, bringForwardMessage(), 0, 0);
}

}  // namespace tintora::win32
