// Keeps a Wine session's desktop, and with it the clipboard, alive between the
// test's programs: Wine ends its desktop process, and empties the clipboard,
// once no GUI program is left. A hidden window with a message loop, ended by
// WM_CLOSE or, should the test run be cut short, after a time limit.
//
// keeper.exe READYFILE [SECONDS]: READYFILE is written once the window exists.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr UINT_PTR LIFETIMER = 1;
constexpr int DEFAULTLIFESECONDS = 3 * 60 * 60;

LRESULT CALLBACK KEEPERPROC(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_TIMER || message == WM_CLOSE) {
        DestroyWindow(window);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const int seconds = argc > 2 ? std::atoi(argv[2]) : DEFAULTLIFESECONDS;

    WNDCLASSA windowclass{};
    windowclass.lpfnWndProc = KEEPERPROC;
    windowclass.hInstance = GetModuleHandleA(nullptr);
    windowclass.lpszClassName = "PagewrightTestKeeper";
    if (!RegisterClassA(&windowclass)) return 1;
    HWND window = CreateWindowA(windowclass.lpszClassName, "Pagewright test keeper", 0, 0, 0, 0, 0,
                                nullptr, nullptr, windowclass.hInstance, nullptr);
    if (!window) return 1;
    SetTimer(window, LIFETIMER, static_cast<UINT>(seconds) * 1000, nullptr);

    FILE* ready = std::fopen(argv[1], "w");
    if (!ready) return 1;
    std::fclose(ready);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
