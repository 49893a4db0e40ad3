#pragma once
// A program in a process of its own, as the windows Tintora tints are; ended with the test.
#include <windows.h>

#include <string>

namespace tintora::win32 {

class ForeignProgram {
public:
    // Starts the command line and waits (a few seconds at most) until the program shows a window.
    explicit ForeignProgram(std::wstring command)
    {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info_))
            return;
        WaitForInputIdle(info_.hProcess, waitMs);
        const DWORD start = GetTickCount();
        while (!window_ && GetTickCount() - start < waitMs) {
            EnumWindows(takeIfOurs, reinterpret_cast<LPARAM>(this));
            if (!window_) MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
    }
    ~ForeignProgram()
    {
        if (!info_.hProcess) return;
        TerminateProcess(info_.hProcess, 0);
        WaitForSingleObject(info_.hProcess, waitMs);
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    ForeignProgram(const ForeignProgram&) = delete;
    ForeignProgram& operator=(const ForeignProgram&) = delete;

    // Its first visible top-level window; nullptr when none appeared.
    HWND window() const { return window_; }

private:
    static constexpr DWORD waitMs = 10000;

    static BOOL CALLBACK takeIfOurs(HWND w, LPARAM self)
    {
        auto* program = reinterpret_cast<ForeignProgram*>(self);
        DWORD process = 0;
        GetWindowThreadProcessId(w, &process);
        if (process != program->info_.dwProcessId || !IsWindowVisible(w)) return TRUE;
        program->window_ = w;
        return FALSE;
    }

    PROCESS_INFORMATION info_{};
    HWND window_ = nullptr;
};

// A program built beside the running test.
inline std::wstring besideThisProgram(const wchar_t* fileName)
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    folder.resize(folder.find_last_of(L"\\/") + 1);
    return folder + fileName;
}

}  // namespace tintora::win32
