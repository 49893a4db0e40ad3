// A scene of windows for the hit test, in a process of its own as real targets are: nested
// children, a static label, hidden and disabled windows, a layered window that lets the mouse
// through, and windows shaped by elliptic regions. Every window is titled with what it is.
// It places the scene with its top-left corner at the two arguments and runs until it is ended.
#include <windows.h>

#include <cwchar>

namespace {

constexpr wchar_t boxClass[] = L"HitTestSceneBox";

HWND makeWindow(const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle, int x, int y, int width,
                int height, HWND parent = nullptr)
{
    return CreateWindowExW(exStyle, className, title, style, x, y, width, height, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

HWND makeChild(HWND parent, const wchar_t* title, int x, int y, int width, int height, DWORD extraStyle = WS_VISIBLE)
{
    return makeWindow(boxClass, title, WS_CHILD | WS_BORDER | extraStyle, 0, x, y, width, height, parent);
}

void shapeAsEllipse(HWND w, int width, int height) { SetWindowRgn(w, CreateEllipticRgn(0, 0, width, height), TRUE); }

// Puts the window above its siblings, whatever order they were made in.
void raise(HWND w) { SetWindowPos(w, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE); }

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    if (__argc < 3) return 2;
    const int left = std::wcstol(__wargv[1], nullptr, 10);
    const int top = std::wcstol(__wargv[2], nullptr, 10);

    WNDCLASSW box{};
    box.lpfnWndProc = DefWindowProcW;
    box.hInstance = instance;
    box.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    box.lpszClassName = boxClass;
    RegisterClassW(&box);

    // The frame and its children, at the bottom of the scene.
    const HWND frame = makeWindow(boxClass, L"frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, left, top, 640, 440);
    const HWND panel = makeChild(frame, L"panel", 10, 10, 300, 200);
    const HWND inner = makeChild(panel, L"inner", 20, 20, 200, 120);
    makeChild(inner, L"innermost", 20, 20, 100, 50);
    makeWindow(L"STATIC", L"label", WS_CHILD | WS_VISIBLE, 0, 330, 10, 150, 40, frame);
    makeChild(frame, L"under hidden child", 350, 80, 150, 60);
    raise(makeChild(frame, L"hidden child", 330, 60, 150, 60, 0));
    makeChild(frame, L"under disabled child", 350, 160, 150, 60);
    raise(makeChild(frame, L"disabled child", 330, 140, 150, 60, WS_VISIBLE | WS_DISABLED));
    // Reaches up over the frame's title bar, where the mouse finds the frame, not the child.
    makeChild(frame, L"over the title bar", 570, -20, 60, 35);
    const HWND roundChild = makeChild(frame, L"round child", 10, 230, 200, 150);
    shapeAsEllipse(roundChild, 200, 150);

    // Top-level windows over the frame, each made above the ones before.
    const HWND disabled = makeWindow(boxClass, L"disabled window", WS_POPUP | WS_BORDER | WS_VISIBLE | WS_DISABLED, 0,
                                     left + 480, top + 250, 150, 100);
    makeChild(disabled, L"inside disabled window", 10, 10, 100, 60);
    const HWND glow = makeWindow(boxClass, L"glow", WS_POPUP | WS_VISIBLE, WS_EX_LAYERED | WS_EX_TRANSPARENT, left + 50,
                                 top + 300, 400, 120);
    SetLayeredWindowAttributes(glow, 0, 128, LWA_ALPHA);
    const HWND layered =
        makeWindow(boxClass, L"layered", WS_POPUP | WS_VISIBLE, WS_EX_LAYERED, left + 520, top + 380, 110, 50);
    SetLayeredWindowAttributes(layered, 0, 200, LWA_ALPHA);
    const HWND ellipse =
        makeWindow(boxClass, L"ellipse", WS_POPUP | WS_BORDER | WS_VISIBLE, 0, left + 400, top + 30, 200, 150);
    shapeAsEllipse(ellipse, 200, 150);
    makeWindow(boxClass, L"hidden window", WS_POPUP | WS_BORDER, 0, left + 20, top + 20, 180, 130);

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}
